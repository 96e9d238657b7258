#include "app/screw_terminal.h"

#include <gtest/gtest.h>

#include "toolkit/bitmap.h"

namespace {

struct Pixel {
    int x, y;
    TColor color;
    const char* what;
};

void Check(int width, const std::vector<Pixel>& pixels) {
    TBitmap b(width, 48);
    DrawScrewTerminal(b.Canvas(), {0, 0, width, 48});
    for (const Pixel& p : pixels) EXPECT_EQ(b.Canvas().Pixel(p.x, p.y), p.color) << width << ": " << p.what;
}

const TColor Outline = RGB(56, 56, 56), Body = RGB(64, 64, 64), Strip = RGB(72, 72, 72), Silver = RGB(192, 192, 192),
             Grey = RGB(128, 128, 128), White = RGB(255, 255, 255), Black = RGB(0, 0, 0);

TEST(ScrewTerminal, WorkedExample48By48) {
    Check(48, {
                  {0, 0, Strip, "the strip covers the left outline"},
                  {9, 24, Strip, "strip (0, 0, 10, 48)"},
                  {10, 24, Body, "body right of the strip"},
                  {47, 24, Outline, "body outline"},
                  {36, 4, Outline, "opening (36, 4, 44, 44) outline"},
                  {40, 24, Black, "inside the opening"},
                  {43, 43, Outline, "opening's last corner"},
                  {44, 24, Body, "right of the opening"},
                  {16, 12, Grey, "upper screw's edge, ellipse (16, 4, 32, 20)"},
                  {24, 12, Silver, "upper screw's centre"},
                  {19, 18, White, "upper slot's white edge starts at (19, 18)"},
                  {24, 13, White, "white edge"},
                  {29, 8, White, "white edge's last pixel"},
                  {30, 7, Grey, "(30, 7) is left to the outline: the line stops short of its end"},
                  {18, 17, Grey, "grey edge starts at (18, 17)"},
                  {24, 11, Grey, "grey edge"},
                  {24, 36, Silver, "lower screw's centre"},
                  {19, 42, White, "lower slot"},
                  {29, 32, White, "lower slot's last white pixel"},
              });
}

TEST(ScrewTerminal, OtherWidths) {
    Check(60, {
                  {11, 24, Strip, "strip (0, 0, 12, 48)"},
                  {12, 24, Body, "body"},
                  {45, 5, Outline, "opening (45, 5, 55, 43)"},
                  {50, 24, Black, "inside the opening"},
                  {55, 24, Body, "right of the opening"},
                  {30, 12, Silver, "screw at (30, 12), c = 10"},
                  {20, 12, Grey, "screw's left edge"},
                  {24, 19, White, "slot, d = 7"},
                  {23, 18, Grey, "slot's grey edge"},
              });
    // 47 wide: the centre 23.5 goes to the even 24.
    Check(47, {{24, 12, Silver, "screw centre"}, {16, 12, Grey, "screw's left edge"}});
}

}  // namespace
