#include "setupctrls/three_jumper.h"

#include <gtest/gtest.h>

#include <memory>

#include "setupctrls/radio_panel.h"
#include "support/widget_test.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace {

TEST(JumperGeometry, WorkedSizes) {
    struct Case {
        int w, h, inset, cx, cy, radius, reach;
    };
    const Case cases[] = {
        {43, 18, 10, 21, 9, 3, 6},
        {90, 30, 21, 45, 15, 6, 13},
        {90, 20, 21, 45, 10, 4, 13},  // round(4.5) goes to the even 4
    };
    for (const Case& c : cases) {
        TJumperGeometry g = JumperGeometry(c.w, c.h);
        EXPECT_EQ(g.PinInset, c.inset);
        EXPECT_EQ(g.CX, c.cx);
        EXPECT_EQ(g.CY, c.cy);
        EXPECT_EQ(g.PinRadius, c.radius);
        EXPECT_EQ(g.CapReach, c.reach);
    }
}

TEST(ThreeJumper, ClickCycles) {
    struct Case {
        bool allowOpen;
        TJumperState start;
        std::vector<TJumperState> after;
    };
    using enum TJumperState;
    const Case cases[] = {
        {true, jsOpen, {jsLeft, jsRight, jsOpen, jsLeft}},
        {false, jsLeft, {jsRight, jsLeft, jsRight}},
    };
    for (const Case& c : cases) {
        TThreeJumper j(nullptr);
        j.SetJumperState(c.start);
        j.SetAllowOpen(c.allowOpen);
        std::vector<TJumperState> seen;
        j.OnClick = [&](TObject*) { seen.push_back(j.JumperState()); };  // the new state is there already
        for (std::size_t i = 0; i < c.after.size(); ++i) j.Click();
        EXPECT_EQ(seen, c.after);
    }
}

TEST(ThreeJumper, SettersRefuseTheOpenStateWithoutRaisingClick) {
    TThreeJumper j(nullptr);
    int clicks = 0;
    j.OnClick = [&](TObject*) { ++clicks; };
    EXPECT_EQ(j.Width(), 43);
    EXPECT_EQ(j.Height(), 18);
    EXPECT_EQ(j.JumperState(), TJumperState::jsOpen);
    j.SetAllowOpen(false);
    EXPECT_EQ(j.JumperState(), TJumperState::jsLeft);
    j.SetJumperState(TJumperState::jsOpen);
    EXPECT_EQ(j.JumperState(), TJumperState::jsLeft);
    j.SetAllowOpen(true);
    EXPECT_EQ(j.JumperState(), TJumperState::jsLeft);
    j.SetJumperState(TJumperState::jsRight);
    EXPECT_EQ(clicks, 0);
}

struct JumperOnPanel : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        panel = new TRadioPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 200, 100);
        panel->SetColor(RGB(10, 20, 30));
        panel->Show();
        jumper = new TThreeJumper(form.get());
        jumper->SetParent(panel);
        jumper->SetBounds(5, 5, 43, 18);
        form->Show();
        Settle();
    }
    TColor At(int x, int y) { return PixelAt(Grab(*panel), jumper->Left() + x, jumper->Top() + y); }
    std::unique_ptr<TForm> form;
    TRadioPanel* panel = nullptr;
    TThreeJumper* jumper = nullptr;
};

const TColor Maroon = RGB(128, 0, 0), Yellow = RGB(255, 255, 0), Gray = RGB(128, 128, 128);

TEST_F(JumperOnPanel, DrawsTheWorkedGeometry) {
    // Open: the panel's colour around a black-edged gray base and three pins.
    EXPECT_EQ(At(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(At(1, 9), clBlack);
    EXPECT_EQ(At(4, 9), Gray);
    for (int x : {10, 21, 33}) EXPECT_EQ(At(x, 9), Yellow) << x;
    EXPECT_EQ(At(15, 9), Gray);

    jumper->SetJumperState(TJumperState::jsLeft);
    Settle();
    EXPECT_EQ(At(0, 0), clBlack);   // the cap's outline reaches the corner
    EXPECT_EQ(At(26, 9), clBlack);  // its right edge: rectangle (0, 0, 27, 18)
    EXPECT_EQ(At(25, 9), Maroon);
    EXPECT_EQ(At(27, 9), Gray);
    for (int x : {10, 21, 33}) EXPECT_EQ(At(x, 9), Yellow) << x;  // pins lie on the cap

    jumper->SetJumperState(TJumperState::jsRight);
    Settle();
    EXPECT_EQ(At(15, 9), clBlack);  // rectangle (15, 0, 43, 18)
    EXPECT_EQ(At(16, 9), Maroon);
    EXPECT_EQ(At(14, 9), Gray);
    EXPECT_EQ(At(42, 17), clBlack);

    jumper->SetBounds(5, 5, 90, 30);
    jumper->SetJumperState(TJumperState::jsLeft);
    Settle();
    for (int x : {21, 45, 69}) EXPECT_EQ(At(x, 15), Yellow) << x;
    EXPECT_EQ(At(57, 15), clBlack);  // cap (0, 0, 58, 30)
    EXPECT_EQ(At(58, 15), Gray);
}

TEST_F(JumperOnPanel, BorderStyleNoneLeavesOnlyTheCapOutlined) {
    jumper->SetBorderStyle(TBorderStyle::bsNone);
    jumper->SetJumperState(TJumperState::jsRight);
    Settle();
    EXPECT_EQ(At(1, 9), Gray);
    EXPECT_EQ(At(15, 9), clBlack);
}

TEST_F(JumperOnPanel, OnlyAnExactRadioPanelLendsItsColour) {
    auto* plain = new TPanel(form.get());
    plain->SetParent(form.get());
    plain->SetBounds(200, 0, 100, 100);
    plain->SetColor(RGB(200, 0, 0));
    jumper->SetParent(plain);
    Settle();
    EXPECT_EQ(PixelAt(Grab(*plain), jumper->Left(), jumper->Top()), ColorToRGB(clBtnFace));
}

TEST_F(JumperOnPanel, TurningExchangesTheSizeAtTheNextPaintOfAPaintedJumper) {
    jumper->SetJumperState(TJumperState::jsLeft);
    jumper->SetOrientation(TOrientationType::otDown);
    Settle();
    EXPECT_EQ(jumper->Width(), 43);
    EXPECT_EQ(At(41, 9), Maroon);  // half turn: the left cap is on the right
    EXPECT_EQ(At(4, 9), Gray);

    jumper->SetOrientation(TOrientationType::otLeft);
    EXPECT_TRUE(jumper->SwapPending());
    EXPECT_EQ(jumper->Width(), 43);  // the setter only marks it
    Settle();
    EXPECT_EQ(jumper->Width(), 18);
    EXPECT_EQ(jumper->Height(), 43);
    EXPECT_EQ(jumper->OutputBitmap().Width(), 18);
    EXPECT_EQ(At(9, 41), Maroon);  // quarter turn anticlockwise: the cap at the bottom
    EXPECT_EQ(At(9, 2), Gray);

    // Back to the upright pair between two paints still exchanges.
    jumper->SetOrientation(TOrientationType::otRight);
    jumper->SetOrientation(TOrientationType::otUp);
    EXPECT_TRUE(jumper->SwapPending());
    Settle();
    EXPECT_EQ(jumper->Width(), 43);
    EXPECT_EQ(jumper->Height(), 18);
}

TEST(ThreeJumperDefinition, StoredValuesApplyInPublishedOrder) {
    const char* text = R"(object Form1: TForm
  object Panel1: TRadioPanel
    object A: TThreeJumper
      AllowOpen = False
    end
    object B: TThreeJumper
      AllowOpen = False
      JumperState = jsRight
    end
    object C: TThreeJumper
      Width = 18
      Height = 43
      Orientation = otLeft
    end
  end
end
)";
    TForm form(nullptr);
    form.LoadDefinition(text);
    auto* a = static_cast<TThreeJumper*>(form.FindComponent("A"));
    auto* b = static_cast<TThreeJumper*>(form.FindComponent("B"));
    auto* c = static_cast<TThreeJumper*>(form.FindComponent("C"));
    EXPECT_EQ(a->JumperState(), TJumperState::jsLeft);
    EXPECT_EQ(b->JumperState(), TJumperState::jsRight);
    form.Show();
    static_cast<TRadioPanel*>(form.FindComponent("Panel1"))->Show();
    Settle();
    EXPECT_TRUE(c->PaintedOnce());
    EXPECT_EQ(c->Width(), 18);  // no exchange for an orientation stored with its size
    EXPECT_EQ(c->Height(), 43);
}

}  // namespace
