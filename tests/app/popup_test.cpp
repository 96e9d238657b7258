// The hover, click and pin state machine of a highlight group and its popup,
// and the highlight menus, driven on the real page.

#include <gtest/gtest.h>

#include <QWindow>
#include <functional>

#include "app/main_form.h"
#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/popup_form.h"
#include "setupctrls/radio_panel.h"
#include "support/real_page.h"
#include "toolkit/application.h"
#include "toolkit/comctrls.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

namespace {

enum class State { Closed, Hovering, Entered, Pinned, Inconsistent };

const char* Name(State s) {
    switch (s) {
    case State::Closed: return "Closed";
    case State::Hovering: return "Hovering";
    case State::Entered: return "Entered";
    case State::Pinned: return "Pinned";
    default: return "Inconsistent";
    }
}

struct Page : RealPage {
    void SetUp() override {
        RealPage::SetUp();
        ShowPage();
    }

    TBoardImage& Board() const { return *MainForm->BoardImage1; }
    TMenuItem* Section(const String& caption) const {
        TMenuItem* bar = MainForm->MainMenu1->Items();
        for (int i = 0; i < bar->Count(); ++i)
            if (bar->Items(i)->Caption() == caption) return bar->Items(i);
        return nullptr;
    }
    TMenuItem* Entry(const String& section, const String& title) const {
        TMenuItem* s = Section(section);
        for (int j = 0; s && j < s->Count(); ++j)
            if (s->Items(j)->Caption() == title) return s->Items(j);
        return nullptr;
    }
    TPoint Centre(const TBoardHighlight& h) const { return {h.Left() + h.Width() / 2, h.Top() + h.Height() / 2}; }

    // The group's state as the popup, the flags and the menu entry show it.
    State StateOf(TBoardHighlight& h, const String& section) const {
        TBoardHighlight* owner = h.Popup() ? &h : nullptr;
        for (int i = 0; !owner && i < Board().ControlCount(); ++i) {
            auto* other = dynamic_cast<TBoardHighlight*>(Board().Controls(i));
            if (other && other->IsLinkedTo(h) && other->Popup()) owner = other;
        }
        bool shown = owner && owner->Popup()->Widget()->isVisible();
        bool pinned = owner && owner->Pinned();
        bool leave = owner && owner->Popup()->CloseOnLeave;
        bool checked = Entry(section, h.Title())->Checked();
        if (!shown && !leave && !h.Lit() && !checked) return State::Closed;
        if (shown && !pinned && !leave && h.Lit() && !checked) return State::Hovering;
        if (shown && pinned && leave && h.Lit() && checked) return State::Entered;
        if (shown && pinned && !leave && h.Lit() && checked) return State::Pinned;
        return State::Inconsistent;
    }
};

// What a person does, on the "&Analog Range" group.
struct Action {
    const char* name;
    std::function<void(Page&)> run;
};

TBoardHighlight& Gain() { return *MainForm->AnalogRangeHighlight1; }

TPopupForm* AnyPopup() {
    if (TPopupForm* p = MainForm->AnalogRangeHighlight0->Popup()) return p;
    return Gain().Popup();
}

void EnterCircle(Page& p) {
    TPoint c = p.Centre(Gain());
    MoveMouse(p.Board(), c.X, c.Y);
}
void LeaveToBoard(Page& p) { MoveMouse(p.Board(), 250, 150); }
void LeaveIntoPopup(Page&) {
    TPopupForm* popup = AnyPopup();
    QCursor::setPos(popup->Left() + popup->Width() / 2, popup->Top() + popup->Height() / 2);
    Settle();
}
void LeavePopup(Page& p) {
    // The offscreen platform sends the pointer to the first window under it;
    // go to the popup's window directly, then away.
    TPopupForm* popup = AnyPopup();
    QTest::mouseMove(popup->Widget()->windowHandle(), QPoint(20, 20));
    Settle();
    TPoint away = p.Board().ClientToScreen({250, 150});
    QCursor::setPos(away.X, away.Y);
    Settle();
}
void ClickCircle(Page& p) {
    TPoint c = p.Centre(Gain());
    ClickAt(p.Board(), c.X, c.Y);
}
void ChooseEntry(Page& p) {
    p.Entry("&Settings", "&Analog Range")->Click();
    Settle();
}
void PressDone(Page&) {
    static_cast<TButton*>(AnyPopup()->FindComponent("DoneButton"))->Click();
    Settle();
}
void CloseBox(Page&) {
    AnyPopup()->Widget()->close();
    Settle();
}
void OpenFirst(Page& p) {
    p.Board().Perform(WM_OPENFIRSTHIGHLIGHT, 0, 0);
    Settle();
}

TEST_F(Page, EveryTransitionOfTheStateTable) {
    const std::vector<std::pair<State, std::vector<Action>>> reach = {
        {State::Closed, {}},
        {State::Hovering, {{"enter", EnterCircle}}},
        {State::Entered, {{"enter", EnterCircle}, {"into popup", LeaveIntoPopup}}},
        {State::Pinned, {{"enter", EnterCircle}, {"click", ClickCircle}}},
    };
    struct Row {
        State from;
        Action event;
        State to;
    };
    const Row rows[] = {
        {State::Closed, {"enter a circle", EnterCircle}, State::Hovering},
        {State::Hovering, {"leave into the popup", LeaveIntoPopup}, State::Entered},
        {State::Hovering, {"leave elsewhere", LeaveToBoard}, State::Closed},
        {State::Hovering, {"click the circle", ClickCircle}, State::Pinned},
        {State::Hovering, {"choose the unchecked entry", ChooseEntry}, State::Pinned},
        {State::Entered, {"leave the popup", LeavePopup}, State::Closed},
        {State::Pinned, {"leave the circle", LeaveToBoard}, State::Pinned},
        {State::Pinned, {"click the circle again", ClickCircle}, State::Pinned},
        {State::Hovering, {"Done", PressDone}, State::Closed},
        {State::Entered, {"close box", CloseBox}, State::Closed},
        {State::Pinned, {"choose the checked entry", ChooseEntry}, State::Closed},
        {State::Pinned, {"Done", PressDone}, State::Closed},
        {State::Closed, {"choose the entry", ChooseEntry}, State::Pinned},
        {State::Closed, {"open-first-highlight message", OpenFirst}, State::Pinned},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(Name(row.from)) + " + " + row.event.name);
        TearDown();
        SetUp();
        for (const auto& [state, actions] : reach) {
            if (state != row.from) continue;
            for (const Action& a : actions) a.run(*this);
        }
        ASSERT_EQ(Name(StateOf(Gain(), "&Settings")), Name(row.from));
        row.event.run(*this);
        EXPECT_EQ(Name(StateOf(Gain(), "&Settings")), Name(row.to));
    }
}

TEST_F(Page, LinkedHighlightsShareOnePopupThatKeepsItsPlace) {
    EnterCircle(*this);
    TPopupForm* popup = Gain().Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Caption(), "Analog Range");
    EXPECT_EQ(popup->Tag(), 1);
    EXPECT_EQ(popup->Highlight, &Gain());
    EXPECT_TRUE(MainForm->AnalogRangeHighlight0->Lit());
    LeaveToBoard(*this);
    EXPECT_FALSE(popup->Widget()->isVisible());
    EXPECT_FALSE(MainForm->AnalogRangeHighlight0->Lit());

    popup->SetBounds(popup->Left() - 30, popup->Top() - 20, popup->Width() + 40, popup->Height());
    TRect moved = popup->BoundsRect();
    TPoint other = Centre(*MainForm->AnalogRangeHighlight0);
    MoveMouse(Board(), other.X, other.Y);  // the other circle of the group
    EXPECT_EQ(MainForm->AnalogRangeHighlight0->Popup(), nullptr);
    EXPECT_TRUE(popup->Widget()->isVisible());
    EXPECT_EQ(popup->BoundsRect(), moved);
    EXPECT_TRUE(Gain().Lit());
}

TEST_F(Page, APopupBesideItsFeatureHostsThePanel) {
    TRadioPanel& panel = *MainForm->AnalogRangePanel;
    EnterCircle(*this);
    TPopupForm& popup = *Gain().Popup();
    EXPECT_EQ(panel.Parent(), &popup);
    EXPECT_TRUE(panel.Hosted());
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(panel.BoundsRect(), Bounds(0, 0, 193, 121));
    EXPECT_EQ(popup.ClientWidth(), 194);  // 193 wide, then the minimum outer width
    EXPECT_EQ(popup.ClientHeight(), 121 + 58 + 51);
    // The panel's place in the page (584, 624), moved as far as the board has
    // moved (from 150, 186), in screen coordinates.
    TPoint client = MainForm->ClientToScreen({0, 0});
    EXPECT_EQ(popup.Left(), 584 + Board().Left() - 150 + client.X);
    EXPECT_EQ(popup.Top(), 624 + Board().Top() - 186 + client.Y);
    auto* memo = static_cast<TMemo*>(popup.FindComponent("StatusMemo"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(panel.Memo(), memo);
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->Lines(), panel.Lines());
    EXPECT_EQ(popup.PopupStatus, popup.FindComponent("PopupStatus"));
    EXPECT_EQ(popup.PopupStatus->PanelCount(), 1);
}

TEST(PopupLayout, ForA186By9Panel) {
    // Client 186 x (9 + 58 + 51): panel rows 0-8, memo 10-67, buttons 74-98, status 99-117.
    TPopupLayout l = LayOutPopup(186, 118, 58);
    EXPECT_EQ(l.Memo, Bounds(6, 10, 174, 58));
    EXPECT_EQ(l.Previous, Bounds(6, 74, 58, 25));
    EXPECT_EQ(l.Next, Bounds(64, 74, 58, 25));
    EXPECT_EQ(l.Done, Bounds(122, 74, 58, 25));
    EXPECT_EQ(l.Status, Bounds(0, 99, 186, 19));
}

TEST(PopupLayout, ClampingMovesButNeverShrinks) {
    const TRect screen{0, 0, 1280, 1024};
    struct Case {
        TRect window;
        TPoint expected;
    };
    const Case cases[] = {
        {Bounds(-72, 10, 194, 141), {0, 10}},
        {Bounds(1200, -5, 194, 141), {1086, 0}},
        {Bounds(100, 950, 194, 141), {100, 883}},
        {Bounds(50, 50, 1400, 141), {-120, 50}},  // wider than the screen: only moved
        {Bounds(-10, 50, 1400, 141), {0, 50}},
        {Bounds(10, 10, 194, 141), {10, 10}},
    };
    for (const Case& c : cases) EXPECT_EQ(ClampToArea(c.window, screen), c.expected);
}

TEST_F(Page, ExplanationOnlyPopupsMeetTheMinimumSize) {
    MoveMouse(Board(), Centre(*MainForm->USBHighlight).X, Centre(*MainForm->USBHighlight).Y);
    TPopupForm& popup = *MainForm->USBHighlight->Popup();
    EXPECT_EQ(popup.Width(), 194);
    EXPECT_EQ(popup.Height(), 122);
    EXPECT_EQ(popup.MinWidth(), 194);
    EXPECT_EQ(popup.MinHeight(), 122);
    // Measured against the 194 x 122 client the minimum gave it.
    EXPECT_EQ(popup.FindComponent("DoneButton") ? static_cast<TControl*>(popup.FindComponent("DoneButton"))->BoundsRect()
                                                : TRect{},
              Bounds(130, 78, 58, 25));
    EXPECT_EQ(static_cast<TControl*>(popup.FindComponent("NextButton"))->Left(), 68);
    EXPECT_EQ(static_cast<TControl*>(popup.FindComponent("StatusMemo"))->BoundsRect(), Bounds(6, 14, 182, 58));
    // -56 in the page, 206 left of the board's current left edge.
    EXPECT_EQ(popup.Left(), Board().Left() - 206 + MainForm->ClientToScreen({0, 0}).X);

    // Resizing keeps Next's centre at the same fraction and Done at the right.
    popup.SetBounds(popup.Left(), popup.Top(), 388, 122);
    Settle();
    EXPECT_EQ(static_cast<TControl*>(popup.FindComponent("DoneButton"))->Left(), 388 - 64);
    EXPECT_EQ(static_cast<TControl*>(popup.FindComponent("NextButton"))->Left(), 165);  // centre 97 -> 194
    EXPECT_EQ(static_cast<TControl*>(popup.FindComponent("StatusMemo"))->Width(), 388 - 12);
}

TEST_F(Page, MenuSectionsAndEntriesInPageOrder) {
    TMenuItem* bar = MainForm->MainMenu1->Items();
    std::vector<String> captions;
    for (int i = 0; i < bar->Count(); ++i) captions.push_back(bar->Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<String>{"&File", "&Settings", "&Options", "&Help"}));
    auto entries = [&](const String& section) {
        std::vector<String> list;
        for (int j = 0; j < Section(section)->Count(); ++j)
            list.push_back(Section(section)->Items(j)->Caption() + " " + Section(section)->Items(j)->Name());
        return list;
    };
    EXPECT_EQ(Section("&Settings")->Name(), "Settings1");
    EXPECT_EQ(Section("&Options")->Name(), "Options1");
    EXPECT_EQ(entries("&Settings"),
              (std::vector<String>{"&Analog Range AnalogRange1", "&DIO Bias(Pull) DIOBiasPull1", "&Power Power1"}));
    EXPECT_EQ(entries("&Options"), (std::vector<String>{"&USB Connector USBConnector1",
                                                        "&Sub USB Connector SubUSBConnector1",
                                                        "&LED Light LEDLight1", "&Connectors Connectors1"}));
    EXPECT_EQ(MainForm->FindComponent("Power1")->Owner(), MainForm);
}

TEST_F(Page, NextAndPreviousWalkTheSectionWithWrapAround) {
    Entry("&Settings", "&Power")->Click();
    Settle();
    TPopupForm* power = MainForm->PowerJumperHighlight->Popup();
    ASSERT_NE(power, nullptr);
    static_cast<TButton*>(power->FindComponent("NextButton"))->Click();
    Settle();
    EXPECT_FALSE(power->Widget()->isVisible());
    EXPECT_FALSE(Entry("&Settings", "&Power")->Checked());
    EXPECT_TRUE(Entry("&Settings", "&Analog Range")->Checked());
    EXPECT_TRUE(AnyPopup()->Widget()->isVisible());

    static_cast<TButton*>(AnyPopup()->FindComponent("PreviousButton"))->Click();
    Settle();
    EXPECT_TRUE(power->Widget()->isVisible());
    EXPECT_TRUE(MainForm->PowerJumperHighlight->Pinned());
    EXPECT_FALSE(Entry("&Settings", "&Analog Range")->Checked());
}

TEST_F(Page, AnEntryOwnedByOneHighlightOpensThePopupAnotherBuilt) {
    // The "&Connectors" entry belongs to the first-painted of three highlights.
    TPoint c = Centre(*MainForm->AnalogConnHighlight);
    MoveMouse(Board(), c.X, c.Y);
    TPopupForm* popup = MainForm->AnalogConnHighlight->Popup();
    ASSERT_NE(popup, nullptr);
    Entry("&Options", "&Connectors")->Click();  // hovering: pins it
    Settle();
    EXPECT_TRUE(MainForm->AnalogConnHighlight->Pinned());
    EXPECT_TRUE(Entry("&Options", "&Connectors")->Checked());
    Entry("&Options", "&Connectors")->Click();  // checked: closes it
    Settle();
    EXPECT_FALSE(popup->Widget()->isVisible());
    EXPECT_FALSE(Entry("&Options", "&Connectors")->Checked());
    EXPECT_EQ(MainForm->DIOGateConnHighlight->Popup(), nullptr);
}

TEST_F(Page, ChoicesInAPopupSurviveClosing) {
    Entry("&Settings", "&Analog Range")->Click();
    Settle();
    TPopupForm* popup = AnyPopup();
    TRadioPanel* panel = MainForm->AnalogRangePanel;
    popup->Close();
    Entry("&Settings", "&Analog Range")->Click();
    Settle();
    EXPECT_EQ(AnyPopup(), popup);
    EXPECT_EQ(panel->Parent(), popup);
    EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 193, 121));
}

}  // namespace
