// The calibration passes, driven tick by tick on a small page of groups.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "setupctrls/setup_supporter.h"
#include "support/widget_test.h"
#include "toolkit/application.h"
#include "toolkit/panel.h"
#include "toolkit/stdctrls.h"
#include "toolkit/timer.h"

namespace {

struct Box {
    String text, caption;
    unsigned flags;
};

struct Calibration : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        sup = new TSetupSupporter(form.get());
        sup->Channels = 4;
        for (int g = 0; g < 2; ++g) {
            auto* list = new TMemo(form.get());
            auto* button = new TButton(form.get());
            auto* hide = new TPanel(form.get());
            for (TWinControl* c : std::initializer_list<TWinControl*>{list, button, hide}) c->SetParent(form.get());
            button->SetCaption("Start");
            lists.push_back(list);
            buttons.push_back(button);
            hides.push_back(hide);
            sup->AddCalibGroup(list, button, hide);
        }
        sup->OnStartButtonClick = [this](TObject*) { ++startClicks; };
        sup->SetOnBeginCalib([this](TObject* s) {
            EXPECT_EQ(s, sup);
            ++passes;
        });
        Application->MessageBoxHook = [this](const String& text, const String& caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
            return answer;
        };
    }
    void TearDown() override {
        Application->MessageBoxHook = nullptr;
        form.reset();
        lists.clear();
        buttons.clear();
        hides.clear();
        boxes.clear();
        queried.clear();
        passes = startClicks = 0;
    }
    // Readings: the channels listed read well, the others bad.
    void Readings(std::vector<int> good) {
        sup->OnGetCalibString = [this, good](TObject*, std::uint8_t channel, bool& allBad) -> String {
            queried.push_back(channel);
            for (int g : good)
                if (g == channel) {
                    allBad = false;
                    return "OK";
                }
            return "bad";
        };
    }

    std::unique_ptr<TForm> form;
    TSetupSupporter* sup = nullptr;
    std::vector<TMemo*> lists;
    std::vector<TButton*> buttons;
    std::vector<TPanel*> hides;
    std::vector<Box> boxes;
    std::vector<int> queried;
    int answer = IDCANCEL;
    int passes = 0;
    int startClicks = 0;
};

TEST_F(Calibration, APassPerTickWritesEveryGroupsChannelLines) {
    Readings({1, 3});
    sup->StartCalibration();
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_TRUE(sup->Timer().Active());
    EXPECT_EQ(sup->Timer().Interval(), 100);
    EXPECT_EQ(buttons[0]->Caption(), "Stop");
    EXPECT_EQ(lists[1]->Lines()[2], "Channel 2\t");

    sup->Timer().Tick();
    sup->Timer().Tick();
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(queried, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
    for (TMemo* list : lists)
        EXPECT_EQ(list->Lines(), (TStrings{"Channel 0\tbad", "Channel 1\tOK", "Channel 2\tbad", "Channel 3\tOK"}));
    for (TPanel* hide : hides) EXPECT_FALSE(hide->Visible());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(sup->Calibrating());

    buttons[1]->Click();  // Stop
    EXPECT_FALSE(sup->Calibrating());
    EXPECT_FALSE(sup->Timer().Active());
    EXPECT_EQ(buttons[0]->Caption(), "Start");
}

TEST_F(Calibration, OneGoodChannelMakesThePassNotAllBad) {
    Readings({3});
    sup->StartCalibration();
    sup->Timer().Tick();
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(sup->Calibrating());
}

TEST_F(Calibration, AllBadAsksRetryOrCancel) {
    struct Case {
        const char* what;
        int answer;
        bool changeButtons;
        int channels;
        bool calibratingAfter;
        const char* captionAfter;
    };
    const Case cases[] = {
        {"retry resumes", IDRETRY, true, 4, true, "Stop"},
        {"cancel restores the buttons", IDCANCEL, true, 4, false, "Start"},
        {"cancel without ChangeButtons leaves them", IDCANCEL, false, 4, false, "Stop"},
        {"no channels reads all bad", IDCANCEL, true, 0, false, "Start"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        Readings({});
        answer = c.answer;
        sup->Channels = std::uint8_t(c.channels);
        sup->StartCalibration();
        sup->ChangeButtons = c.changeButtons;
        sup->Timer().Tick();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text,
                  "Total A/D failure. The card may not be installed, or it may be installed at a different base address.");
        EXPECT_EQ(boxes[0].caption, "Total A/D failure");
        EXPECT_EQ(boxes[0].flags, 0x50135u);
        EXPECT_EQ(sup->Calibrating(), c.calibratingAfter);
        EXPECT_EQ(sup->Timer().Active(), c.calibratingAfter);
        EXPECT_EQ(buttons[0]->Caption(), c.captionAfter);
        EXPECT_EQ(int(queried.size()), c.channels);
    }
    buttons[0]->Click();  // restored: the page's start handler
    EXPECT_EQ(startClicks, 1);
}

TEST_F(Calibration, WithoutAReadingHandlerTheCalibrationEnds) {
    sup->StartCalibration();
    sup->Timer().Tick();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Error: calibration begun, but OnGetCalibString isn't assigned.");
    EXPECT_EQ(boxes[0].caption, "OnGetCalibString Not Assigned");
    EXPECT_EQ(boxes[0].flags, 0x50030u);
    EXPECT_EQ(passes, 1);
    EXPECT_FALSE(sup->Calibrating());
    EXPECT_EQ(buttons[1]->Caption(), "Start");
}

TEST_F(Calibration, WithoutGroupsThePassStillAsks) {
    TSetupSupporter lone(form.get());
    lone.Channels = 2;
    int asked = 0;
    lone.OnGetCalibString = [&](TObject*, std::uint8_t, bool&) -> String {
        ++asked;
        return "bad";
    };
    lone.StartCalibration();
    lone.Timer().Tick();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(Calibration, AnErrorInATickIsReportedAndTheTimerGoesOn) {
    sup->OnGetCalibString = [](TObject*, std::uint8_t, bool&) -> String { throw std::runtime_error("A/D busy"); };
    sup->StartCalibration();
    sup->Timer().Tick();
    Settle();  // the report waits until the current event is done
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "A/D busy");
    EXPECT_TRUE(sup->Calibrating());
    EXPECT_TRUE(sup->Timer().Active());
}

}  // namespace
