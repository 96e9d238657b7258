// Popups and menu entries of highlights on a small board of their own.

#include <gtest/gtest.h>

#include "board_view_fixture.h"
#include "setupctrls/popup_form.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

namespace {

struct Menus : BoardFixture {
    void SetUp() override {
        BoardFixture::SetUp();
        menu = new TMainMenu(form.get());
        for (const char* caption : {"&File", "&Options", "&Help"}) {
            auto* item = new TMenuItem(form.get());
            item->SetCaption(caption);
            menu->Items()->Add(item);
        }
        auto* taken = new TComponent(form.get());
        taken->SetName("Settings1");
        board->SetMenu(menu);
    }
    std::vector<String> Bar() const {
        std::vector<String> captions;
        for (int i = 0; i < menu->Items()->Count(); ++i)
            captions.push_back(menu->Items()->Items(i)->Caption() + " " + menu->Items()->Items(i)->Name());
        return captions;
    }
    TMainMenu* menu = nullptr;
};

TEST_F(Menus, ANewSectionGoesBeforeTheSectionsThatFollowIt) {
    auto* power0 = AddHighlight("P0", Bounds(0, 0, 20, 20), "&Power");
    auto* power1 = AddHighlight("P1", Bounds(30, 0, 20, 20), "&Power");
    AddHighlight("Digits", Bounds(60, 0, 20, 20), "123");
    AddHighlight("Untitled", Bounds(90, 0, 20, 20), "", THighlightType::htCalibration);
    ShowBoard();
    EXPECT_EQ(Bar(), (std::vector<String>{"&File ", "&Settings Settings2", "&Calibration Calibration1", "&Options ",
                                          "&Help "}));
    TMenuItem* settings = menu->Items()->Items(1);
    ASSERT_EQ(settings->Count(), 2);  // the linked "&Power" pair has one entry
    EXPECT_EQ(settings->Items(0)->Name(), "Power1");
    EXPECT_EQ(settings->Items(1)->Name(), "Entry1");  // a title without letters
    EXPECT_EQ(menu->Items()->Items(2)->Count(), 0);    // an empty title adds only the section

    // The entry's handler is the first-painted highlight's: it opens the group.
    settings->Items(0)->Click();
    EXPECT_NE(power0->Popup(), nullptr);
    EXPECT_EQ(power1->Popup(), nullptr);
    EXPECT_TRUE(power1->Lit());
    EXPECT_TRUE(settings->Items(0)->Checked());
}

TEST_F(Menus, ATitleChangedAfterTheFirstPaintLosesItsEntry) {
    auto* h = AddHighlight("H", Bounds(0, 0, 20, 20), "&Power");
    ShowBoard();
    h->SetTitle("&Other");
    h->MouseEnter(false);
    h->Pin();
    TMenuItem* settings = menu->Items()->Items(1);
    EXPECT_EQ(settings->Items(0)->Caption(), "&Power");
    EXPECT_FALSE(settings->Items(0)->Checked());
    TPopupForm* popup = h->Popup();
    static_cast<TButton*>(popup->FindComponent("NextButton"))->Click();
    EXPECT_TRUE(popup->Widget()->isVisible());  // no entry found: the walk does nothing
}

using NoMenu = BoardFixture;

TEST_F(NoMenu, APopupWithoutPanelOrMenuStillWorks) {
    auto* h = AddHighlight("H", Bounds(10, 10, 20, 20), "&Lone");
    ShowBoard();
    MoveMouse(*board, 20, 20);
    TPopupForm* popup = h->Popup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    // At the board's left edge, 38 pixels below its bottom edge.
    EXPECT_EQ(popup->Left(), board->Left());
    EXPECT_EQ(popup->Top(), board->Top() + board->Height() + 38);
    auto* done = static_cast<TButton*>(popup->FindComponent("DoneButton"));
    EXPECT_TRUE(done->Focused());
    EXPECT_EQ(static_cast<TMemo*>(popup->FindComponent("StatusMemo"))->Lines().Count(), 0);

    h->Pin();
    static_cast<TButton*>(popup->FindComponent("PreviousButton"))->Click();
    EXPECT_TRUE(popup->Widget()->isVisible());  // no menu: Previous does nothing
    done->Click();
    EXPECT_FALSE(popup->Widget()->isVisible());
    EXPECT_FALSE(h->Lit());
}

TEST_F(NoMenu, AWindowWithTheSameCaptionAndTagStandsForTheGroupsPopup) {
    auto* h = AddHighlight("H", Bounds(10, 10, 20, 20), "&Power");
    TForm stranger(nullptr);
    stranger.SetCaption("Power");
    stranger.SetTag(long(THighlightType::htSettings));
    h->ShowPopup();
    EXPECT_EQ(h->Popup(), nullptr);
    stranger.SetTag(long(THighlightType::htOptions));
    h->ShowPopup();
    EXPECT_NE(h->Popup(), nullptr);
}

}  // namespace
