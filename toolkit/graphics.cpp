#include "toolkit/graphics.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <cstdlib>

#include "toolkit/bitmap.h"

namespace {

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

}  // namespace

TColor ColorToRGB(TColor color) {
    if (!(color & clSystemColor)) return color & 0xFFFFFF;
    QPalette palette = QApplication::palette();
    QColor c;
    switch (color & 0xFF) {
    case 5: c = palette.color(QPalette::Base); break;
    case 8: c = palette.color(QPalette::WindowText); break;
    case 13: c = palette.color(QPalette::Highlight); break;
    case 14: c = palette.color(QPalette::HighlightedText); break;
    case 15: c = palette.color(QPalette::Button); break;
    case 16: c = palette.color(QPalette::Mid); break;
    case 17: c = palette.color(QPalette::Disabled, QPalette::WindowText); break;
    case 18: c = palette.color(QPalette::ButtonText); break;
    case 20: c = palette.color(QPalette::Light); break;
    case 24: c = palette.color(QPalette::ToolTipBase); break;
    default: c = palette.color(QPalette::Window); break;
    }
    return RGB(c.red(), c.green(), c.blue());
}

// ---- TFont -------------------------------------------------------------

TFont::TFont() = default;

void TFont::Changed() {
    if (OnChange) OnChange();
}

void TFont::SetName(const String& name) {
    if (name == FName) return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == FHeight) return;
    FHeight = height;
    Changed();
}

int TFont::Size() const { return RoundHalfEven(-FHeight * 72.0 / 96.0); }

void TFont::SetSize(int points) { SetHeight(-RoundHalfEven(points * 96.0 / 72.0)); }

void TFont::SetColor(TColor color) {
    if (color == FColor) return;
    FColor = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == FStyle) return;
    FStyle = style;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (&other == this) return;
    bool differs = FName != other.FName || FHeight != other.FHeight || FColor != other.FColor ||
                   FStyle != other.FStyle;
    FName = other.FName;
    FHeight = other.FHeight;
    FColor = other.FColor;
    FStyle = other.FStyle;
    FCharset = other.FCharset;
    if (differs) Changed();
}

QFont TFont::ToQFont() const {
    QFont font(QString::fromStdString(FName));
    if (FHeight < 0) {
        font.setPixelSize(-FHeight);
    } else if (FHeight > 0) {
        // A cell height includes the internal leading; take the em part of it.
        QFont probe = font;
        probe.setPixelSize(FHeight);
        QFontMetrics m(probe);
        int em = std::max(1, FHeight * FHeight / std::max(1, m.height()));
        font.setPixelSize(em);
    }
    font.setBold(FStyle & fsBold);
    font.setItalic(FStyle & fsItalic);
    font.setUnderline(FStyle & fsUnderline);
    font.setStrikeOut(FStyle & fsStrikeOut);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

// ---- TCanvas -----------------------------------------------------------

TCanvas::TCanvas() = default;

TCanvas::TCanvas(QImage* target) : FTarget(target) {}

TCanvas::~TCanvas() { Flush(); }

void TCanvas::Flush() const {
    if (FPainter) {
        FPainter->end();
        FPainter.reset();
    }
}

QPainter& TCanvas::Painter() const {
    if (!FPainter) {
        FPainter = std::make_unique<QPainter>(FTarget);
        FPainter->setRenderHint(QPainter::Antialiasing, false);
        FPainter->setRenderHint(QPainter::TextAntialiasing, true);
        FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    FPainter->resetTransform();
    FPainter->translate(FOrigin.X, FOrigin.Y);
    if (FHasClip)
        FPainter->setClipRect(QRect(FClip.Left - FOrigin.X, FClip.Top - FOrigin.Y, FClip.Width(), FClip.Height()));
    else
        FPainter->setClipping(false);
    return *FPainter;
}

void TCanvas::SetOrigin(TPoint origin) { FOrigin = origin; }

void TCanvas::SetClip(const TRect& clip) {
    FClip = {clip.Left + FOrigin.X, clip.Top + FOrigin.Y, clip.Right + FOrigin.X, clip.Bottom + FOrigin.Y};
    FHasClip = true;
}

TRect TCanvas::ClipRect() const {
    if (FHasClip)
        return {FClip.Left - FOrigin.X, FClip.Top - FOrigin.Y, FClip.Right - FOrigin.X, FClip.Bottom - FOrigin.Y};
    if (!FTarget) return {};
    return {-FOrigin.X, -FOrigin.Y, FTarget->width() - FOrigin.X, FTarget->height() - FOrigin.Y};
}

void TCanvas::ApplyPen(QPainter& p) const {
    if (Pen.Style == TPenStyle::psClear) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(Pen.Width <= 1 ? 0 : Pen.Width);  // 0: one exact pixel
    pen.setStyle(Pen.Style == TPenStyle::psDash  ? Qt::DashLine
                 : Pen.Style == TPenStyle::psDot ? Qt::DotLine
                                                 : Qt::SolidLine);
    p.setPen(pen);
}

void TCanvas::ApplyBrush(QPainter& p) const {
    if (Brush.Style == TBrushStyle::bsClear) p.setBrush(Qt::NoBrush);
    else p.setBrush(ToQColor(Brush.Color));
}

void TCanvas::FillRect(const TRect& r) {
    if (!FTarget || r.Width() <= 0 || r.Height() <= 0) return;
    QPainter& p = Painter();
    p.fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ToQColor(Brush.Color));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (!FTarget || right <= left || bottom <= top) return;
    QPainter& p = Painter();
    if (Pen.Style == TPenStyle::psClear) {
        if (Brush.Style != TBrushStyle::bsClear)
            p.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(Brush.Color));
        return;
    }
    ApplyPen(p);
    ApplyBrush(p);
    // A one-pixel outline drawn on the box's own edge pixels.
    p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    if (!FTarget || right <= left || bottom <= top) return;
    QPainter& p = Painter();
    ApplyPen(p);
    ApplyBrush(p);
    p.drawRoundedRect(QRectF(left, top, right - left - 1, bottom - top - 1), cornerWidth / 2.0, cornerHeight / 2.0);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (!FTarget || right <= left || bottom <= top) return;
    QPainter& p = Painter();
    ApplyPen(p);
    ApplyBrush(p);
    p.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TCanvas::LineTo(int x, int y) {
    TPoint from = FPenPos;
    FPenPos = {x, y};
    if (!FTarget || Pen.Style == TPenStyle::psClear) return;
    if (Pen.Width > 1) {
        QPainter& p = Painter();
        ApplyPen(p);
        p.drawLine(from.X, from.Y, x, y);
        return;
    }
    // Bresenham without the end point, so joined lines never double a pixel.
    Flush();
    int dx = std::abs(x - from.X), sx = from.X < x ? 1 : -1;
    int dy = -std::abs(y - from.Y), sy = from.Y < y ? 1 : -1;
    int err = dx + dy;
    int cx = from.X, cy = from.Y;
    while (cx != x || cy != y) {
        SetPixel(cx, cy, Pen.Color);
        int e2 = 2 * err;
        if (e2 >= dy) { err += dy; cx += sx; }
        if (e2 <= dx) { err += dx; cy += sy; }
    }
}

bool TCanvas::InClip(int x, int y) const {
    if (!FTarget || x < 0 || y < 0 || x >= FTarget->width() || y >= FTarget->height()) return false;
    return !FHasClip || FClip.Contains({x, y});
}

TColor TCanvas::Pixel(int x, int y) const {
    int tx = x + FOrigin.X, ty = y + FOrigin.Y;
    if (!InClip(tx, ty)) return clInvalid;
    Flush();
    QRgb c = FTarget->pixel(tx, ty);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    int tx = x + FOrigin.X, ty = y + FOrigin.Y;
    if (!InClip(tx, ty)) return;
    Flush();
    TColor rgb = ColorToRGB(color);
    FTarget->setPixel(tx, ty, qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
}

void TCanvas::TextOut(int x, int y, const String& text) {
    if (!FTarget) return;
    QPainter& p = Painter();
    QFont f = Font.ToQFont();
    p.setFont(f);
    QFontMetrics m(f);
    if (Brush.Style != TBrushStyle::bsClear)
        p.fillRect(QRect(x, y, m.horizontalAdvance(QString::fromStdString(text)), m.height()), ToQColor(Brush.Color));
    p.setPen(ToQColor(Font.Color()));
    p.drawText(x, y + m.ascent(), QString::fromStdString(text));
}

int TCanvas::TextWidth(const String& text) const {
    return QFontMetrics(Font.ToQFont()).horizontalAdvance(QString::fromStdString(text));
}

int TCanvas::TextHeight(const String&) const { return QFontMetrics(Font.ToQFont()).height(); }

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
    if (!FTarget || graphic.Empty()) return;
    Painter().drawImage(QPoint(x, y), graphic.Image());
}

void TCanvas::StretchDraw(const TRect& dest, const TGraphic& graphic) {
    if (!FTarget || graphic.Empty() || dest.Width() == 0 || dest.Height() == 0) return;
    const QImage& image = graphic.Image();
    QRect target(dest.Left, dest.Top, dest.Width(), dest.Height());
    if (target.size() == image.size()) Painter().drawImage(target.topLeft(), image);
    else Painter().drawImage(target, image);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
    if (!FTarget || !source.FTarget) return;
    source.Flush();
    QRect from(sourceRect.Left + source.FOrigin.X, sourceRect.Top + source.FOrigin.Y, sourceRect.Width(),
               sourceRect.Height());
    QImage piece = source.FTarget->copy(from);  // outside the source reads as black
    QRect to(dest.Left, dest.Top, dest.Width(), dest.Height());
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (to.size() == piece.size()) p.drawImage(to.topLeft(), piece);
    else p.drawImage(to, piece);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
