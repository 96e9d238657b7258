// The tint arithmetic on chosen pixels, with single-precision steps and
// halves rounded to even. Expected values were worked out independently
// with exact fractions rounded to single precision at each marked step.

#include <gtest/gtest.h>

#include "setupctrls/board_highlight.h"

namespace {

void Fill(TBitmap& b, int w, int h, TColor rgb) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = std::uint32_t(GetRValue(rgb)) << 16 | std::uint32_t(GetGValue(rgb)) << 8 | GetBValue(rgb);
}

TColor At(const TBitmap& b, int x, int y) {
    std::uint32_t p = b.ScanLine(y)[x];
    return RGB(int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF));
}

struct Case {
    const char* what;
    int w, h, x, y;
    TColor under, color;
    float level;
    bool glint;
    TColor expected;
};

TEST(TintEllipse, ChosenPixels) {
    const TColor yellow = RGB(255, 255, 0), blue = RGB(0, 0, 255);
    const Case cases[] = {
        {"inner disc, resting yellow", 65, 65, 32, 32, RGB(100, 100, 100), yellow, 0.5f, false, RGB(112, 112, 92)},
        {"ring peak, halves go to even", 17, 17, 15, 8, RGB(0, 2, 100), yellow, 0.5f, false, RGB(128, 128, 50)},
        {"ring peak with glint is white", 17, 17, 15, 8, RGB(0, 2, 100), yellow, 1.0f, true, RGB(255, 255, 255)},
        {"outer ring with glint", 17, 17, 14, 3, RGB(10, 200, 30), blue, 1.0f, true, RGB(6, 124, 115)},
        {"outer ring, lit", 17, 17, 14, 3, RGB(10, 200, 30), blue, 0.5f, false, RGB(9, 181, 51)},
        {"glint blends white towards the colour", 185, 81, 10, 40, RGB(60, 120, 180), blue, 1.0f, true,
         RGB(188, 188, 255)},
        {"wide ellipse ring, resting blue", 185, 81, 5, 40, RGB(60, 120, 180), blue, 0.25f, false, RGB(53, 107, 188)},
        {"ellipse touches the side's middle only", 185, 81, 0, 40, RGB(60, 120, 180), blue, 1.0f, true,
         RGB(60, 120, 180)},
        {"corner stays as copied", 17, 17, 0, 0, RGB(10, 200, 30), blue, 1.0f, true, RGB(10, 200, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBitmap b;
        Fill(b, c.w, c.h, c.under);
        TintEllipse(b, c.level, c.color, c.glint);
        EXPECT_EQ(At(b, c.x, c.y), c.expected);
    }
}

TEST(TintEllipse, LeavesBitmapsBelowTwoPixelsAlone) {
    for (auto [w, h] : {std::pair{1, 5}, std::pair{5, 1}, std::pair{1, 1}}) {
        TBitmap b;
        Fill(b, w, h, RGB(1, 2, 3));
        TintEllipse(b, 1.0f, RGB(255, 0, 0), true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) EXPECT_EQ(At(b, x, y), RGB(1, 2, 3));
    }
    TBitmap empty;
    TintEllipse(empty, 1.0f, RGB(255, 0, 0), true);
    EXPECT_TRUE(empty.Empty());
}

}  // namespace
