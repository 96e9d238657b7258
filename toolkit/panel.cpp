#include "toolkit/panel.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    StoreBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
    if (bevel == FBevelOuter) return;
    FBevelOuter = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
    if (bevel == FBevelInner) return;
    FBevelInner = bevel;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int width) {
    if (width == FBevelWidth) return;
    FBevelWidth = width;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int width) {
    if (width == FBorderWidth) return;
    FBorderWidth = width;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment) return;
    FAlignment = alignment;
    Invalidate();
}

void TCustomPanel::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = Color();
    c.FillRect(r);
    auto bevel = [&](TBevelCut cut) {
        if (cut == TBevelCut::bvNone) return;
        for (int i = 0; i < FBevelWidth; ++i) {
            TColor topLeft = cut == TBevelCut::bvRaised ? clBtnHighlight : clBtnShadow;
            TColor bottomRight = cut == TBevelCut::bvRaised ? clBtnShadow : clBtnHighlight;
            if (cut == TBevelCut::bvSpace) topLeft = bottomRight = Color();
            c.Pen.Color = topLeft;
            c.MoveTo(r.Left, r.Bottom - 1);
            c.LineTo(r.Left, r.Top);
            c.LineTo(r.Right - 1, r.Top);
            c.Pen.Color = bottomRight;
            c.LineTo(r.Right - 1, r.Bottom - 1);
            c.LineTo(r.Left, r.Bottom - 1);
            r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
        }
    };
    bevel(FBevelOuter);
    r = {r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth};
    bevel(FBevelInner);
    if (Caption().empty()) return;
    c.Brush.Style = TBrushStyle::bsClear;
    int w = c.TextWidth(Caption()), h = c.TextHeight(Caption());
    int x = FAlignment == TAlignment::taLeftJustify    ? r.Left
            : FAlignment == TAlignment::taRightJustify ? r.Right - w
                                                       : (r.Left + r.Right - w) / 2;
    c.TextOut(x, (r.Top + r.Bottom - h) / 2, Caption());
}
