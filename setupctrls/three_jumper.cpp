#include "setupctrls/three_jumper.h"

#include <algorithm>

#include "toolkit/win_control.h"

TJumperGeometry JumperGeometry(int w, int h) {
    TJumperGeometry g;
    g.PinInset = RoundHalfEven((w - 2) / 4.5) + 1;
    g.CX = w / 2;
    g.CY = h / 2;
    g.PinRadius = std::min((g.PinInset - 1) / 3, RoundHalfEven((h - 2) / 4.0));
    g.CapReach = (g.CX - g.PinInset + 2) / 2;
    return g;
}

TThreeJumper::TThreeJumper(TComponent* owner) : TGraphicControl(owner) {
    StoreBounds(Left(), Top(), 43, 18);
}

void TThreeJumper::SetJumperState(TJumperState state) {
    if (state == FJumperState) return;
    if (state == TJumperState::jsOpen && !FAllowOpen) return;
    FJumperState = state;
    Invalidate();
}

void TThreeJumper::SetAllowOpen(bool allow) {
    if (allow == FAllowOpen) return;
    FAllowOpen = allow;
    if (!FAllowOpen && FJumperState == TJumperState::jsOpen) SetJumperState(TJumperState::jsLeft);
    Invalidate();
}

void TThreeJumper::SetOrientation(TOrientationType orientation) {
    if (orientation == FOrientation) return;
    auto upright = [](TOrientationType o) { return o == TOrientationType::otUp || o == TOrientationType::otDown; };
    if (upright(orientation) != upright(FOrientation)) FSwapPending = true;
    FOrientation = orientation;
    Invalidate();
}

void TThreeJumper::SetBaseColor(TColor color) {
    if (color == FBaseColor) return;
    FBaseColor = color;
    Invalidate();
}

void TThreeJumper::SetPinColor(TColor color) {
    if (color == FPinColor) return;
    FPinColor = color;
    Invalidate();
}

void TThreeJumper::SetJumperColor(TColor color) {
    if (color == FJumperColor) return;
    FJumperColor = color;
    Invalidate();
}

void TThreeJumper::SetBorderStyle(TBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    Invalidate();
}

void TThreeJumper::Click() {
    switch (FJumperState) {
    case TJumperState::jsOpen: SetJumperState(TJumperState::jsLeft); break;
    case TJumperState::jsLeft: SetJumperState(TJumperState::jsRight); break;
    case TJumperState::jsRight: SetJumperState(FAllowOpen ? TJumperState::jsOpen : TJumperState::jsLeft); break;
    }
    TGraphicControl::Click();
}

void TThreeJumper::DrawWork() {
    const bool upright = FOrientation == TOrientationType::otUp || FOrientation == TOrientationType::otDown;
    const int w = upright ? Width() : Height();
    const int h = upright ? Height() : Width();
    FWorkBitmap.SetSize(w, h);
    if (FWorkBitmap.Empty()) return;
    TCanvas& c = FWorkBitmap.Canvas();
    const TPen savedPen = c.Pen;
    const TBrush savedBrush = c.Brush;

    // Blend with the radio panel it sits on; anywhere else, the button face.
    TColor back = Parent() && Parent()->ClassName() == "TRadioPanel" ? Parent()->Color() : clBtnFace;
    c.Pen.Color = back;
    c.Brush.Color = back;
    c.Rectangle(0, 0, w, h);

    const TJumperGeometry g = JumperGeometry(w, h);
    c.Pen.Color = FBorderStyle == TBorderStyle::bsSingle ? clBlack : FBaseColor;
    c.Brush.Color = FBaseColor;
    c.RoundRect(1, 1, w - 1, h - 1, h / 2, h / 2);

    c.Pen.Color = clBlack;
    c.Brush.Color = FJumperColor;
    if (FJumperState == TJumperState::jsLeft) c.Rectangle(0, 0, g.CX + g.CapReach, h);
    else if (FJumperState == TJumperState::jsRight) c.Rectangle(g.CX - g.CapReach, 0, w, h);

    c.Pen.Style = TPenStyle::psClear;
    c.Brush.Color = FPinColor;
    const int r = g.PinRadius;
    for (int x : {g.PinInset, g.CX, w - g.PinInset}) c.Ellipse(x - r, g.CY - r, x + r, g.CY + r);

    c.Pen = savedPen;
    c.Brush = savedBrush;
    c.Flush();
}

void TThreeJumper::Turn() {
    const int w = FWorkBitmap.Width(), h = FWorkBitmap.Height();
    switch (FOrientation) {
    case TOrientationType::otUp:
        FOutputBitmap.SetSize(w, h);
        for (int y = 0; y < h; ++y) std::copy_n(FWorkBitmap.ScanLine(y), w, FOutputBitmap.ScanLine(y));
        break;
    case TOrientationType::otDown:
        FOutputBitmap.SetSize(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) FOutputBitmap.ScanLine(h - 1 - y)[w - 1 - x] = FWorkBitmap.ScanLine(y)[x];
        break;
    case TOrientationType::otLeft:
        FOutputBitmap.SetSize(h, w);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) FOutputBitmap.ScanLine(w - 1 - x)[y] = FWorkBitmap.ScanLine(y)[x];
        break;
    case TOrientationType::otRight:
        FOutputBitmap.SetSize(h, w);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) FOutputBitmap.ScanLine(x)[h - 1 - y] = FWorkBitmap.ScanLine(y)[x];
        break;
    }
}

void TThreeJumper::Paint() {
    DrawWork();
    if (FWorkBitmap.Empty()) {
        FPaintedOnce = true;
        return;
    }
    Turn();
    if (FSwapPending) {
        FSwapPending = false;
        // An orientation given before the first paint came with its own size.
        if (FPaintedOnce) {
            const int oldWidth = Width(), oldHeight = Height();
            SetWidth(oldHeight);
            SetHeight(oldWidth);
        }
    }
    Canvas().Draw(0, 0, FOutputBitmap);
    FPaintedOnce = true;
}
