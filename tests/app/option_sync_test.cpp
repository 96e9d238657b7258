// Radio choices and drawn jumpers stay in step, whichever the user changes.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "setupctrls/radio_panel.h"
#include "setupctrls/three_jumper.h"
#include "support/real_page.h"
#include "toolkit/application.h"
#include "toolkit/extctrls.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"

namespace {

using enum TJumperState;

struct Options : RealPage {
};

TEST_F(Options, ThePageStartsInAgreement) {
    TMainForm& f = *MainForm;
    EXPECT_TRUE(f.USBPowerRadio->Checked());
    EXPECT_FALSE(f.ExternalPowerRadio->Checked());
    EXPECT_EQ(f.PowerJumper->JumperState(), jsRight);
    EXPECT_FALSE(f.PowerJumper->AllowOpen());
    EXPECT_FALSE(f.ExternalPowerPanel->Visible());
    EXPECT_EQ(f.PullRadios0->ItemIndex(), 0);
    EXPECT_EQ(f.PullRadios1->ItemIndex(), 0);
    EXPECT_EQ(f.PullJumper0->JumperState(), jsLeft);
    EXPECT_EQ(f.PullJumper1->JumperState(), jsLeft);
    EXPECT_EQ(f.RangeRadios->ItemIndex(), 5);
    EXPECT_EQ(f.RangeJumperPolarity0->JumperState(), jsRight);
    EXPECT_EQ(f.RangeJumperPolarity1->JumperState(), jsRight);
    EXPECT_EQ(f.RangeJumperGain->JumperState(), jsOpen);  // stored nowhere: the class's own start
    EXPECT_EQ(f.RangeRadios->Items()[5], "\xC2\xB1" "10V");  // the plus-minus sign itself
    EXPECT_EQ(f.PullRadios1->Caption(), " Digital Bits 4-7 ");
    EXPECT_EQ(f.PullRadios1->Columns(), 3);
    EXPECT_EQ(f.Image1->BoundsRect(), Bounds(8, 0, 112, 48));
    EXPECT_EQ(f.Image1->Picture().Width(), 112);
}

TEST_F(Options, EveryLabelFitsItsBoxInTheSubstituteFont) {
    int labels = 0;
    for (int i = 0; i < MainForm->ComponentCount(); ++i) {
        auto* label = dynamic_cast<TLabel*>(MainForm->Components(i));
        if (!label) continue;
        ++labels;
        TPoint extent = label->TextExtent();
        EXPECT_LE(extent.X, label->Width()) << label->Name() << " " << label->Caption();
        EXPECT_LE(extent.Y, label->Height()) << label->Name() << " " << label->Caption();
    }
    EXPECT_EQ(labels, 11);
}

TEST_F(Options, PullBiasBothWays) {
    TMainForm& f = *MainForm;
    for (auto [jumper, radios] : {std::pair{f.PullJumper0, f.PullRadios0}, std::pair{f.PullJumper1, f.PullRadios1}}) {
        std::vector<std::pair<TJumperState, int>> seen;
        for (int i = 0; i < 3; ++i) {
            jumper->Click();
            seen.emplace_back(jumper->JumperState(), radios->ItemIndex());
        }
        // "Pull Up" -> "Pull Down" -> "Unbiased" -> "Pull Up"
        EXPECT_EQ(seen, (std::vector<std::pair<TJumperState, int>>{{jsRight, 2}, {jsOpen, 1}, {jsLeft, 0}}));
        for (auto [index, state] : {std::pair{2, jsRight}, std::pair{1, jsOpen}, std::pair{0, jsLeft}}) {
            radios->SetItemIndex(index);
            EXPECT_EQ(jumper->JumperState(), state);
        }
    }
}

TEST_F(Options, AnalogRangeFromTheChoice) {
    TMainForm& f = *MainForm;
    const TJumperState polarity[] = {jsLeft, jsLeft, jsLeft, jsRight, jsRight, jsRight};
    const TJumperState gain[] = {jsLeft, jsRight, jsOpen, jsLeft, jsRight, jsOpen};
    for (int i : {0, 1, 2, 3, 4, 5}) {
        f.RangeRadios->SetItemIndex(i);
        EXPECT_EQ(f.RangeJumperPolarity0->JumperState(), polarity[i]) << i;
        EXPECT_EQ(f.RangeJumperPolarity1->JumperState(), polarity[i]) << i;
        EXPECT_EQ(f.RangeJumperGain->JumperState(), gain[i]) << i;
    }
}

TEST_F(Options, AnalogRangeFromTheJumpers) {
    TMainForm& f = *MainForm;
    // One polarity jumper moves the other through the choice it changes.
    f.RangeJumperPolarity1->Click();
    EXPECT_EQ(f.RangeRadios->ItemIndex(), 2);  // "0-10V"
    EXPECT_EQ(f.RangeJumperPolarity0->JumperState(), jsLeft);
    EXPECT_EQ(f.RangeJumperGain->JumperState(), jsOpen);
    // The gain jumper keeps the polarity: 2.5 V, 5 V, 10 V.
    std::vector<int> indexes;
    for (int i = 0; i < 3; ++i) {
        f.RangeJumperGain->Click();
        indexes.push_back(f.RangeRadios->ItemIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int>{0, 1, 2}));
    f.RangeJumperPolarity0->Click();
    f.RangeJumperGain->Click();
    EXPECT_EQ(f.RangeRadios->ItemIndex(), 3);  // "±2.5V"
    EXPECT_EQ(f.RangeJumperPolarity1->JumperState(), jsRight);
}

TEST_F(Options, PowerSourceBothWays) {
    TMainForm& f = *MainForm;
    int radioHandlerRuns = 0;
    auto handler = f.ExternalPowerRadio->OnClick;
    f.ExternalPowerRadio->OnClick = f.USBPowerRadio->OnClick = [&](TObject* s) {
        ++radioHandlerRuns;
        handler(s);
    };
    f.PowerJumper->Click();
    EXPECT_EQ(f.PowerJumper->JumperState(), jsLeft);
    EXPECT_TRUE(f.ExternalPowerRadio->Checked());
    EXPECT_FALSE(f.USBPowerRadio->Checked());
    EXPECT_TRUE(f.ExternalPowerPanel->Visible());
    f.PowerJumper->Click();
    EXPECT_TRUE(f.USBPowerRadio->Checked());
    EXPECT_FALSE(f.ExternalPowerPanel->Visible());
    EXPECT_EQ(radioHandlerRuns, 2);

    f.ExternalPowerRadio->SetChecked(true);
    EXPECT_EQ(f.PowerJumper->JumperState(), jsLeft);
    EXPECT_TRUE(f.ExternalPowerPanel->Visible());
    f.ExternalPowerRadio->SetChecked(true);  // already selected: nothing runs
    EXPECT_EQ(radioHandlerRuns, 3);
}

TEST_F(Options, ClicksOnTheDrawnJumperInItsPopup) {
    TMainForm& f = *MainForm;
    f.Show();
    Settle();
    TMenuItem* settings = f.MainMenu1->Items()->Items(1);
    settings->Items(0)->Click();  // "&Analog Range", pinned
    Settle();
    TRadioPanel& panel = *f.AnalogRangePanel;
    ASSERT_TRUE(panel.Showing());
    TThreeJumper& gain = *f.RangeJumperGain;
    ClickAt(panel, gain.Left() + 5, gain.Top() + 9);
    EXPECT_EQ(gain.JumperState(), jsLeft);
    EXPECT_EQ(f.RangeRadios->ItemIndex(), 3);
    QImage shot = Grab(panel);
    EXPECT_EQ(PixelAt(shot, gain.Left() + 5, gain.Top() + 9), RGB(128, 0, 0));  // the cap is drawn
    EXPECT_EQ(PixelAt(shot, gain.Left() + 10, gain.Top() + 9), RGB(255, 255, 0));
}

}  // namespace
