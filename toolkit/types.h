#pragma once
// Plain value types shared by every layer: strings, colours, geometry and the
// small enumerations that window definitions name.

#include <cstdint>
#include <functional>
#include <string>

using String = std::string;  // UTF-8 throughout

// 0x00BBGGRR for an RGB colour; with the top bit set, the low byte indexes a
// system colour that is resolved through the application palette.
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clInvalid = 0xFFFFFFFF;

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clInfoBk = clSystemColor | 24;

// A system colour turned into its RGB value under the current palette;
// RGB colours come back unchanged.
TColor ColorToRGB(TColor color);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left/top inside, right/bottom outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(TPoint p) const { return Left <= p.X && p.X < Right && Top <= p.Y && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TAnchorKind : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint8_t;  // a set of TAnchorKind bits
constexpr TAnchors DefaultAnchors = akLeft | akTop;

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum class TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TFormStyle : std::uint8_t { fsNormal, fsStayOnTop };
enum class TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };
enum class TPosition : std::uint8_t { poDesigned, poDefault, poDefaultPosOnly, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Round to nearest, halves to the even neighbour, as everywhere in the program.
int RoundHalfEven(double value);
