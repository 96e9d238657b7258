#include <gtest/gtest.h>

#include "toolkit/bitmap.h"

namespace {

// Marks every pixel that differs from white with '#', row by row.
std::vector<std::string> Ink(const TBitmap& b) {
    std::vector<std::string> rows;
    for (int y = 0; y < b.Height(); ++y) {
        std::string row;
        for (int x = 0; x < b.Width(); ++x) row += (b.ScanLine(y)[x] & 0xFFFFFF) == 0xFFFFFF ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

TEST(Canvas, BoxesCoverLeftAndTopButNotRightAndBottom) {
    TBitmap b(6, 5);
    b.Canvas().Pen.Color = clBlack;
    b.Canvas().Brush.Color = clRed;
    b.Canvas().Rectangle(1, 1, 5, 4);
    EXPECT_EQ(Ink(b), (std::vector<std::string>{"......", ".####.", ".####.", ".####.", "......"}));
    EXPECT_EQ(b.Canvas().Pixel(2, 2), clRed);
    EXPECT_EQ(b.Canvas().Pixel(1, 2), clBlack);
}

TEST(Canvas, FillRectAndLinesStopShortOfTheirEnd) {
    TBitmap b(6, 4);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBlack;
    c.FillRect({0, 0, 2, 1});
    c.MoveTo(0, 2);
    c.LineTo(5, 2);
    c.MoveTo(5, 0);
    c.LineTo(5, 2);
    EXPECT_EQ(Ink(b), (std::vector<std::string>{"##...#", ".....#", "#####.", "......"}));
    EXPECT_EQ(c.PenPos(), (TPoint{5, 2}));
}

TEST(Canvas, OriginAndClipConfineAChildsDrawing) {
    TBitmap b(6, 4);
    TCanvas c(const_cast<QImage*>(&b.Image()));
    c.SetOrigin({2, 1});
    c.SetClip({0, 0, 2, 2});
    c.Brush.Color = clBlack;
    c.FillRect({-1, -1, 10, 10});
    c.SetPixel(3, 0, clBlack);  // outside the clip: ignored
    EXPECT_EQ(c.Pixel(3, 0), clInvalid);
    EXPECT_EQ(c.Pixel(0, 0), clBlack);
    c.Flush();
    EXPECT_EQ(Ink(b), (std::vector<std::string>{"......", "..##..", "..##..", "......"}));
}

TEST(Canvas, CopyRectReadsTheSourceThroughItsOrigin) {
    TBitmap source(4, 4);
    source.Canvas().SetPixel(2, 3, RGB(10, 20, 30));
    source.Canvas().Flush();
    TCanvas moved(const_cast<QImage*>(&source.Image()));
    moved.SetOrigin({1, 2});
    TBitmap copy(2, 2);
    copy.Canvas().CopyRect({0, 0, 2, 2}, moved, {0, 0, 2, 2});
    copy.Canvas().Flush();
    EXPECT_EQ(copy.ScanLine(1)[1] & 0xFFFFFF, 0x0A141Eu);  // rows hold 0x00RRGGBB
    EXPECT_EQ(copy.ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
