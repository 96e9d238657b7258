// Windowless controls get enter, leave and click from their windowed parent.

#include <gtest/gtest.h>

#include <memory>

#include "support/widget_test.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"

namespace {

class TProbe : public TGraphicControl {
public:
    TProbe(TComponent* owner, std::vector<String>& log, String tag) : TGraphicControl(owner), FLog(log), FTag(tag) {}
    void MouseEntered() override { FLog.push_back("enter " + FTag); }
    void MouseLeft() override { FLog.push_back("leave " + FTag); }
    void Click() override { FLog.push_back("click " + FTag); }

protected:
    void Paint() override {
        Canvas().Brush.Color = FTag == "A" ? clRed : clBlue;
        Canvas().FillRect(ClientRect());
    }

private:
    std::vector<String>& FLog;
    String FTag;
};

struct Fixture : ::testing::Test {
    void SetUp() override {
        ParkCursor();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 200, 200);
        panel = new TPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(0, 0, 100, 100);
        a = new TProbe(form.get(), log, "A");
        a->SetParent(panel);
        a->SetBounds(0, 0, 20, 20);
        b = new TProbe(form.get(), log, "B");
        b->SetParent(panel);
        b->SetBounds(10, 10, 20, 20);
        form->Show();
        Settle();
    }
    std::vector<String> log;
    std::unique_ptr<TForm> form;
    TPanel* panel = nullptr;
    TProbe* a = nullptr;
    TProbe* b = nullptr;
};

TEST_F(Fixture, TheTopmostChildGetsEnterAfterTheOldOneGotLeave) {
    MoveMouse(*panel, 5, 5);
    MoveMouse(*panel, 15, 15);
    a->BringToFront();
    MoveMouse(*panel, 16, 16);
    MoveMouse(*panel, 60, 60);
    EXPECT_EQ(log, (std::vector<String>{"enter A", "leave A", "enter B", "leave B", "enter A", "leave A"}));
    EXPECT_EQ(panel->MouseControl(), nullptr);
}

TEST_F(Fixture, LeavingTheWindowedParentEndsTheCurrentChild) {
    MoveMouse(*panel, 5, 5);
    MoveMouse(*form, 150, 150);
    EXPECT_EQ(log, (std::vector<String>{"enter A", "leave A"}));
}

TEST_F(Fixture, AClickNeedsPressAndReleaseOnTheSameChild) {
    QTest::mousePress(panel->ClientWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(panel->ClientWidget(), Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mousePress(panel->ClientWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(panel->ClientWidget(), Qt::LeftButton, {}, QPoint(25, 25));
    Settle();
    std::vector<String> clicks;
    for (auto& entry : log)
        if (entry.rfind("click", 0) == 0) clicks.push_back(entry);
    EXPECT_EQ(clicks, (std::vector<String>{"click A"}));
}

TEST_F(Fixture, ChildrenPaintOverTheParentInListOrder) {
    QImage shot = Grab(*panel);
    EXPECT_EQ(PixelAt(shot, 5, 5), clRed);
    EXPECT_EQ(PixelAt(shot, 15, 15), clBlue);
    a->BringToFront();
    Settle();
    EXPECT_EQ(PixelAt(Grab(*panel), 15, 15), clRed);
}

TEST_F(Fixture, AChildDestroyedWhileUnderTheMouseIsForgotten) {
    MoveMouse(*panel, 5, 5);
    delete a;
    MoveMouse(*panel, 15, 15);
    EXPECT_EQ(log, (std::vector<String>{"enter A", "enter B"}));
}

}  // namespace
