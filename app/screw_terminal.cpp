#include "app/screw_terminal.h"

void DrawScrewTerminal(TCanvas& canvas, const TRect& box) {
    const int l = box.Left, t = box.Top, r = box.Right, b = box.Bottom;
    canvas.Pen.Style = TPenStyle::psSolid;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Pen.Color = RGB(56, 56, 56);
    canvas.Brush.Color = RGB(64, 64, 64);
    canvas.Rectangle(l, t, r, b);

    const float radius = static_cast<float>(static_cast<long double>(l + r) / 6);
    const int x = RoundHalfEven((l + r) * 0.5);

    canvas.Brush.Color = RGB(72, 72, 72);
    canvas.FillRect({l, t, RoundHalfEven(l * 0.8 + r * 0.2), b});

    canvas.Brush.Color = RGB(0, 0, 0);
    const int m = RoundHalfEven((r - x - double(radius)) * 0.25);
    canvas.Rectangle(r - 3 * m, t + m, r - m, b - m);

    canvas.Pen.Color = RGB(128, 128, 128);
    DrawScrewHead(canvas, x, RoundHalfEven(t * 0.75 + b * 0.25), radius);
    DrawScrewHead(canvas, x, RoundHalfEven(t * 0.25 + b * 0.75), radius);
}

void DrawScrewHead(TCanvas& canvas, int x, int y, float radius) {
    canvas.Brush.Color = RGB(192, 192, 192);
    const int c = RoundHalfEven(radius);
    canvas.Ellipse(x - c, y - c, x + c, y + c);
    const int d = RoundHalfEven(static_cast<double>(static_cast<long double>(radius) * 0.70710678118654752L));
    // The slot, lower left to upper right: a white edge under a grey one.
    canvas.Pen.Color = RGB(255, 255, 255);
    canvas.MoveTo(x - d + 1, y + d);
    canvas.LineTo(x + d, y - d + 1);
    canvas.Pen.Color = RGB(128, 128, 128);
    canvas.MoveTo(x - d, y + d - 1);
    canvas.LineTo(x + d - 1, y - d);
}
