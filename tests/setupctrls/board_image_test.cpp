#include <gtest/gtest.h>

#include "board_view_fixture.h"

namespace {

using BoardImage = BoardFixture;

TEST_F(BoardImage, DestinationRect) {
    struct Case {
        bool stretch, center;
        int pictureWidth;
        TRect expected;
    };
    const Case cases[] = {
        {true, true, 300, {0, 0, 300, 200}},     // Center has no effect under Stretch
        {false, true, 305, {-2, 0, 303, 200}},   // (300 - 305) div 2 = -2
        {false, true, 290, {5, 0, 295, 200}},
        {false, false, 305, {0, 0, 305, 200}},
    };
    for (const Case& c : cases) {
        board->Picture().SetGraphic(Gradient(c.pictureWidth, 200));
        board->SetStretch(c.stretch);
        board->SetCenter(c.center);
        EXPECT_EQ(board->DestinationRect(), c.expected);
    }
}

TEST_F(BoardImage, CentresOnTheParentsOuterSizeAndRemembersWhereItWas) {
    board->SetBounds(150, 186, 600, 446);
    ShowBoard();
    EXPECT_EQ(board->InitialLeft(), 150);
    EXPECT_EQ(board->InitialTop(), 186);
    EXPECT_EQ(board->Left(), 164);
    EXPECT_EQ(board->Top(), 186);
    struct Case {
        int parentWidth, left;
    };
    for (Case c : {Case{929, 164}, Case{500, -50}, Case{499, -50}, Case{1280, 340}}) {
        form->SetBounds(0, 0, c.parentWidth, 818);
        Settle();
        EXPECT_EQ(board->Left(), c.left) << c.parentWidth;
    }
    EXPECT_EQ(board->InitialLeft(), 150);
}

TEST_F(BoardImage, DesignModeNeitherCentresNorKeepsItsOwnHeight) {
    board->Picture().SetGraphic(Gradient(600, 446));
    board->SetDesigning(true);
    board->SetBounds(20, 30, 300, 100);
    ShowBoard();
    EXPECT_EQ(board->Left(), 20);
    EXPECT_EQ(board->Top(), 30);
    EXPECT_EQ(board->Height(), 223);  // 300 x 446 / 600 = 223.0
}

TEST_F(BoardImage, AutoSizeTakesThePicturesSize) {
    EXPECT_EQ(board->BoundsRect(), Bounds(150, 186, 300, 200));  // AutoSize off: stays as defined
    board->SetAutoSize(true);
    board->Picture().SetGraphic(Gradient(600, 446));
    EXPECT_EQ(board->BoundsRect(), Bounds(150, 186, 600, 446));
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 446.0 / 600.0);
    board->Picture().SetGraphic(nullptr);  // an empty picture keeps the last ratio
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 446.0 / 600.0);
    EXPECT_FALSE(board->Opaque());
}

TEST_F(BoardImage, NewImageDefaults) {
    TBoardImage image(nullptr);
    EXPECT_EQ(image.Width(), 105);
    EXPECT_EQ(image.Height(), 105);
    EXPECT_TRUE(image.AutoSize());
    EXPECT_TRUE(image.CenterOnForm());
    EXPECT_TRUE(image.Scale());
    EXPECT_FALSE(image.Stretch());
    EXPECT_EQ(image.AspectRatio(), 1.0);
    EXPECT_EQ(image.DestinationRect(), (TRect{0, 0, 0, 0}));
}

TEST_F(BoardImage, OpenFirstHighlightMessage) {
    EXPECT_EQ(board->Perform(WM_OPENFIRSTHIGHLIGHT, 0, 0), 0);  // no First: nothing happens
    auto* first = AddHighlight("First", Bounds(0, 0, 20, 20), "&Analog Range");
    auto* linked = AddHighlight("Linked", Bounds(40, 0, 20, 20), "&Analog Range");
    first->CreatePopup = linked->CreatePopup = false;
    int clicks = 0;
    first->OnClick = [&](TObject*) { ++clicks; };
    board->SetFirst(first);
    board->Perform(WM_OPENFIRSTHIGHLIGHT, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(first->Lit());
    EXPECT_TRUE(linked->Lit());
}

TEST(RadioPanel, NewPanelAndItsAnchors) {
    TRadioPanel panel(nullptr);
    EXPECT_EQ(panel.Width(), 194);
    EXPECT_EQ(panel.Height(), 100);
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.BevelOuter(), TBevelCut::bvNone);
    EXPECT_EQ(panel.Caption(), "");
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.FinalAnchors(), akLeft | akTop);

    const TAnchors all = akLeft | akTop | akRight | akBottom;
    panel.SetFinalAnchors(all);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);  // not hosted yet
    panel.SetHosted(true);
    panel.SetFinalAnchors(akLeft | akBottom);
    EXPECT_EQ(panel.Anchors(), akLeft | akBottom);

    TStrings lines{"one"};
    panel.SetLines(lines);
    lines.Add("two");
    EXPECT_EQ(panel.Lines().Count(), 1);
}

}  // namespace
