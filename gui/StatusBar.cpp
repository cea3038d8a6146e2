// The status bar of gui/ComCtrls.h over the system's status control. Panel
// texts are given to the control with a tab prefix for their alignment (one
// tab centres, two align right); a panel without bevel is drawn without
// borders (SBT_NOBORDERS).
#include "gui/ComCtrls.h"

TStatusBar::TStatusBar(TWinControl* parent) : TWinControl(parent)
{
    width_ = 100;
    height_ = 19;
    // The bar is placed by the docking of its parent, not by itself.
    CreateSystemWindow(STATUSCLASSNAMEW, WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                             CCS_NODIVIDER | SBARS_SIZEGRIP,
                       0);
    SendMessageW(Handle, SB_SIMPLE, FALSE, 0);
}

void TStatusBar::AddPanel(const TStatusPanel& p)
{
    panels_.push_back(p);
    UpdateParts();
}

void TStatusBar::SetPanelWidth(int i, int width)
{
    panels_[i].Width = width;
    UpdateParts();
}

namespace {

UINT BevelFlags(TStatusPanelBevel b)
{
    switch (b) {
    case pbNone: return SBT_NOBORDERS;
    case pbRaised: return SBT_POPOUT;
    default: return 0;
    }
}

std::string AlignedText(const TStatusPanel& p)
{
    if (p.Text.empty()) return std::string();
    switch (p.Alignment) {
    case taRightJustify: return "\t\t" + p.Text;
    case taCenter: return "\t" + p.Text;
    default: return p.Text;
    }
}

}  // namespace

void TStatusBar::SetPanelText(int i, const std::string& text)
{
    panels_[i].Text = text;
    if (!Handle) return;
    std::wstring w = ToWide(AlignedText(panels_[i]));
    SendMessageW(Handle, SB_SETTEXTW, (WPARAM)(i | BevelFlags(panels_[i].Bevel)), (LPARAM)w.c_str());
}

void TStatusBar::UpdateParts()
{
    if (!Handle) return;
    std::vector<int> edges(panels_.size());
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        x += panels_[i].Width;
        edges[i] = (i + 1 == panels_.size()) ? -1 : x;
    }
    SendMessageW(Handle, SB_SETPARTS, edges.size(), (LPARAM)(edges.empty() ? nullptr : edges.data()));
    for (size_t i = 0; i < panels_.size(); ++i) {
        std::wstring w = ToWide(AlignedText(panels_[i]));
        SendMessageW(Handle, SB_SETTEXTW, (WPARAM)(i | BevelFlags(panels_[i].Bevel)), (LPARAM)w.c_str());
    }
}

int TStatusBar::TextWidth(const std::string& text)
{
    HDC dc = GetDC(Handle);
    TCanvas canvas(dc);
    canvas.Font = EffectiveFont();
    int w = canvas.TextWidth(text);
    ReleaseDC(Handle, dc);
    return w;
}

// The panels are drawn by the status control itself (none is owner-drawn).
void TStatusBar::DrawItemMessage(DRAWITEMSTRUCT*) {}
