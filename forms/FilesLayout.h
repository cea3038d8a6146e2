// The layout of the comparison window: positions, sizes, fonts and the
// status bar's panels.
#pragma once

#include "gui/ComCtrls.h"

namespace FilesLayout {

constexpr int FormLeft = 201, FormTop = 121, FormWidth = 650, FormHeight = 450;
// The client area that the outer size gives with the usual frame and menu bar.
constexpr int ClientWidth = 642, ClientHeight = 396;

constexpr int StatusBarHeight = 19;
constexpr int LeftPanelWidth = 114;
constexpr int RetListWidth = 57;
constexpr int DestPaneWidth = 298;
constexpr int ItemHeight = 12;

// The part of a highlighted row's line that differs from the other pane's
// line: stronger shades of the rows' colours ("$FDD6C6" on the left,
// "$BEF684" on the right), colours written as $BBGGRR.
constexpr const char* SrcSpanColor = "$F4A478";
constexpr const char* DestSpanColor = "$6CDC30";

constexpr const char* WindowFont = "ＭＳ Ｐゴシック";
constexpr const char* ListFont = "ＭＳ ゴシック";
constexpr int FontHeight = -12;

struct PanelSpec {
    int width;
    TAlignment alignment;
    TStatusPanelBevel bevel;
};
constexpr int PanelCount = 7;
constexpr PanelSpec Panels[PanelCount] = {
    {55, taRightJustify, pbNone},  // differences, left side
    {4, taLeftJustify, pbLowered},
    {53, taRightJustify, pbNone},  // differences, right side
    {4, taLeftJustify, pbLowered},
    {100, taLeftJustify, pbNone},  // left pane's path; width set by the resize rule
    {4, taLeftJustify, pbLowered},
    {100, taLeftJustify, pbNone},  // right pane's path; reaches the right edge
};
constexpr int SrcPathPanel = 4, DestPathPanel = 6;

}  // namespace FilesLayout
