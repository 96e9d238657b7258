#include "toolkit/comctrls.h"

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner) {
    StoreBounds(0, 0, 100, 19);
    SetColor(clBtnFace);
    SetAlign(TAlign::alBottom);
}

TStatusPanel& TStatusBar::AddPanel() {
    FPanels.emplace_back();
    Invalidate();
    return FPanels.back();
}

void TStatusBar::SetPanelText(int index, const String& text) {
    TStatusPanel& panel = FPanels.at(std::size_t(index));
    if (panel.Text == text) return;
    panel.Text = text;
    Invalidate();
}

void TStatusBar::Paint() {
    TCanvas& c = Canvas();
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = Color();
    c.FillRect(ClientRect());
    // A line along the top separates the bar from what lies above it.
    c.Pen.Color = clBtnShadow;
    c.MoveTo(0, 0);
    c.LineTo(Width(), 0);
    int x = 0;
    for (std::size_t i = 0; i < FPanels.size(); ++i) {
        const TStatusPanel& p = FPanels[i];
        bool last = i + 1 == FPanels.size();
        int right = last ? Width() : x + p.Width;
        if (p.Bevel != TStatusPanelBevel::pbNone) {
            c.Pen.Color = p.Bevel == TStatusPanelBevel::pbLowered ? clBtnShadow : clBtnHighlight;
            c.MoveTo(x, Height() - 2);
            c.LineTo(x, 2);
            c.LineTo(right - 2, 2);
            c.Pen.Color = p.Bevel == TStatusPanelBevel::pbLowered ? clBtnHighlight : clBtnShadow;
            c.LineTo(right - 2, Height() - 2);
            c.LineTo(x, Height() - 2);
        }
        if (!p.Text.empty()) {
            c.Brush.Style = TBrushStyle::bsClear;
            c.TextOut(x + 3, (Height() - c.TextHeight(p.Text)) / 2, p.Text);
            c.Brush.Style = TBrushStyle::bsSolid;
        }
        x = right;
    }
}
