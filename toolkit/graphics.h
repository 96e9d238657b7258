#pragma once
// Fonts, pens, brushes and the canvas that every painting goes through.
//
// Pixel conventions: a box (l, t, r, b) covers columns l..r-1 and rows
// t..b-1; a line stops one pixel short of its end point; nothing is smoothed.

#include <cstdint>
#include <memory>

#include "toolkit/events.h"
#include "toolkit/types.h"

class QFont;
class QImage;
class QPainter;
class TGraphic;

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

class TFont {
public:
    TFont();
    const String& Name() const { return FName; }
    void SetName(const String& name);
    // Negative: character height in pixels without internal leading (the
    // usual way a definition states it); positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int height);
    int Size() const;  // points at 96 dpi
    void SetSize(int points);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    int Charset() const { return FCharset; }
    void SetCharset(int charset) { FCharset = charset; }

    void Assign(const TFont& other);
    QFont ToQFont() const;

    std::function<void()> OnChange;

private:
    void Changed();
    String FName = "Tahoma";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle = 0;
    int FCharset = 1;
};

enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psClear };
enum class TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

// Draws into an image, through an origin and a clip rectangle so that a
// windowless control paints (and reads) its parent's surface in its own
// coordinates.
class TCanvas {
public:
    TCanvas();
    explicit TCanvas(QImage* target);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    bool HasTarget() const { return FTarget != nullptr; }
    // Origin and clip in target coordinates; drawing is relative to the origin.
    void SetOrigin(TPoint origin);
    TPoint Origin() const { return FOrigin; }
    void SetClip(const TRect& clip);  // in canvas (origin-relative) coordinates
    TRect ClipRect() const;

    void FillRect(const TRect& r);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y) { FPenPos = {x, y}; }
    void LineTo(int x, int y);
    TPoint PenPos() const { return FPenPos; }

    // Outside the target or the clip a read gives clInvalid and a write
    // does nothing.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    void TextOut(int x, int y, const String& text);
    int TextWidth(const String& text) const;
    int TextHeight(const String& text) const;

    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& dest, const TGraphic& graphic);
    // Copies pixels of another canvas (in its coordinates) into this one.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);

    // Ends any open painting so the target's pixels can be read directly.
    void Flush() const;
    QImage* Target() const { return FTarget; }

private:
    QPainter& Painter() const;
    void ApplyPen(QPainter& p) const;
    void ApplyBrush(QPainter& p) const;
    bool InClip(int x, int y) const;  // target coordinates

    QImage* FTarget = nullptr;
    TPoint FOrigin;
    TRect FClip;  // target coordinates
    bool FHasClip = false;
    TPoint FPenPos;
    mutable std::unique_ptr<QPainter> FPainter;
};
