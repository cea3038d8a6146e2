// Common controls: the status bar. (The list view, image lists and the rest
// of the dialog's controls join this file.)
#pragma once

#include <string>
#include <vector>

#include "gui/Controls.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    TStatusPanelBevel Bevel = pbLowered;
};

// A status bar with panels; the last panel reaches the right edge.
class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TWinControl* parent);

    int PanelCount() const { return (int)panels_.size(); }
    TStatusPanel& Panel(int i) { return panels_[i]; }
    void AddPanel(const TStatusPanel& p);
    void SetPanelText(int i, const std::string& text);
    std::string PanelText(int i) const { return panels_[i].Text; }
    void SetPanelWidth(int i, int width);
    // A drawing surface with the bar's font, for measuring texts.
    int TextWidth(const std::string& text);

    void DrawItemMessage(DRAWITEMSTRUCT* dis) override;

private:
    void UpdateParts();
    std::vector<TStatusPanel> panels_;
};
