#include <gtest/gtest.h>

#include "board_view_fixture.h"

namespace {

TEST(HighlightTitle, PlainAndIdentifierForms) {
    struct Case {
        const char* title;
        const char* plain;
        const char* ident;
    };
    const Case cases[] = {
        {"&DIO Bias(Pull)", "DIO Bias(Pull)", "DIOBiasPull"},
        {"&USB Connector", "USB Connector", "USBConnector"},
        {"Abc", "Abc", "Abc"},
        {"_a b", "_a b", "_ab"},
        {"123", "123", ""},
        {"a&&b", "ab", "ab"},
        {"", "", ""},
    };
    TBoardHighlight h(nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        h.SetTitle(c.title);
        EXPECT_EQ(h.Title(), c.title);
        EXPECT_EQ(h.PlainTitle(), c.plain);
        EXPECT_EQ(h.TitleIdent(), c.ident);
    }
}

TEST(HighlightType, ChoosesColourAndLevels) {
    TBoardHighlight h(nullptr);
    EXPECT_EQ(h.HighlightType(), THighlightType::htSettings);
    EXPECT_EQ(h.RingColor(), RGB(255, 255, 0));
    EXPECT_EQ(h.Width(), 65);
    h.SetHighlightType(THighlightType::htOptions);
    EXPECT_EQ(h.RingColor(), RGB(0, 0, 255));
    EXPECT_EQ(h.RestLevel(), 0.25f);
    EXPECT_EQ(h.LitLevel(), 0.5f);
    EXPECT_EQ(h.PeakLevel(), 1.0f);
    h.SetHighlightType(THighlightType::htCalibration);
    EXPECT_EQ(h.RingColor(), RGB(255, 0, 0));
    EXPECT_EQ(h.RestLevel(), 0.5f);
    EXPECT_EQ(h.LitLevel(), 0.75f);
}

using HighlightOnBoard = BoardFixture;

TEST_F(HighlightOnBoard, FirstPaintRendersTheLooksOverWhatLiesBelow) {
    auto* low = AddHighlight("Low", Bounds(10, 10, 40, 30), "&Low");
    auto* high = AddHighlight("High", Bounds(30, 20, 41, 31), "&High", THighlightType::htOptions);
    ShowBoard();
    ASSERT_TRUE(low->Prepared());
    ASSERT_TRUE(high->Prepared());

    // The lower highlight was drawn over the plain picture...
    TBitmap expected(40, 30);
    const TGraphic& picture = *board->Picture().Graphic();
    expected.Canvas().Draw(-10, -10, picture);
    expected.Canvas().Flush();
    TintEllipse(expected, low->RestLevel(), low->RingColor(), false);
    for (int y : {0, 15, 29})
        for (int x : {0, 20, 39}) EXPECT_EQ(low->RestImage().ScanLine(y)[x] & 0xFFFFFF, expected.ScanLine(y)[x] & 0xFFFFFF);

    // ...and the later one over the picture and the lower one's look.
    QImage shot = Grab(*board);
    for (int y = 0; y < 31; y += 5)
        for (int x = 0; x < 41; x += 5) {
            TColor onScreen = PixelAt(shot, 30 + x, 20 + y);
            std::uint32_t look = high->RestImage().ScanLine(y)[x];
            EXPECT_EQ(onScreen, RGB(int(look >> 16 & 0xFF), int(look >> 8 & 0xFF), int(look & 0xFF)));
        }
    TBitmap under(41, 31);
    under.Canvas().Draw(-30, -20, picture);
    under.Canvas().Draw(-20, -10, low->RestImage());
    under.Canvas().Flush();
    TintEllipse(under, high->RestLevel(), high->RingColor(), false);
    EXPECT_EQ(high->RestImage().ScanLine(15)[5] & 0xFFFFFF, under.ScanLine(15)[5] & 0xFFFFFF);
}

TEST_F(HighlightOnBoard, TheFlagsChooseTheLook) {
    auto* h = AddHighlight("H", Bounds(10, 10, 40, 30), "&H");
    h->CreatePopup = false;
    ShowBoard();
    struct Case {
        bool lit, active;
        const TBitmap* look;
    };
    const Case cases[] = {{false, false, &h->RestImage()},
                          {true, false, &h->LitImage()},
                          {false, true, &h->LitImage()},
                          {true, true, &h->PeakImage()}};
    for (const Case& c : cases) {
        h->ClearLit();
        if (c.lit) h->MouseEnter(true);
        h->SetPopupActive(c.active, false);
        EXPECT_EQ(&h->CurrentLook(), c.look);
        Settle();
        std::uint32_t want = c.look->ScanLine(15)[3];
        EXPECT_EQ(PixelAt(Grab(*board), 13, 25), RGB(int(want >> 16 & 0xFF), int(want >> 8 & 0xFF), int(want & 0xFF)));
    }
}

TEST_F(HighlightOnBoard, EnteringOneLightsItsLinkedHighlightsOnly) {
    auto* a = AddHighlight("A", Bounds(0, 0, 20, 20), "&Connectors", THighlightType::htOptions);
    auto* b = AddHighlight("B", Bounds(30, 0, 20, 20), "&Connectors", THighlightType::htOptions);
    auto* c = AddHighlight("C", Bounds(60, 0, 20, 20), "&Connectors", THighlightType::htOptions);
    auto* otherType = AddHighlight("D", Bounds(90, 0, 20, 20), "&Connectors", THighlightType::htSettings);
    auto* otherTitle = AddHighlight("E", Bounds(120, 0, 20, 20), "&connectors", THighlightType::htOptions);
    for (auto* h : {a, b, c, otherType, otherTitle}) h->CreatePopup = false;  // lighting alone
    ShowBoard();
    MoveMouse(*board, 40, 10);
    EXPECT_TRUE(a->Lit() && b->Lit() && c->Lit());
    EXPECT_FALSE(otherType->Lit() || otherTitle->Lit());
    // Without a popup, leaving keeps the group lit: only a popup's closing clears it.
    MoveMouse(*board, 200, 150);
    EXPECT_TRUE(a->Lit() && b->Lit() && c->Lit());
    EXPECT_TRUE(a->IsLinkedTo(*c));
    EXPECT_FALSE(a->IsLinkedTo(*otherType));
}

TEST_F(HighlightOnBoard, UnderAnotherParentAHighlightActsAlone) {
    auto* panel = new TRadioPanel(form.get());
    panel->SetParent(form.get());
    panel->Show();
    auto* a = AddHighlight("A", Bounds(0, 0, 20, 20), "&Same", THighlightType::htSettings, panel);
    auto* b = AddHighlight("B", Bounds(30, 0, 20, 20), "&Same", THighlightType::htSettings, panel);
    a->CreatePopup = b->CreatePopup = false;
    a->MouseEnter(false);
    EXPECT_TRUE(a->Lit());
    EXPECT_FALSE(b->Lit());
}

TEST_F(HighlightOnBoard, PopupActiveLookReachesTheGroupAndBringsItToTheFront) {
    auto* a1 = AddHighlight("A1", Bounds(0, 0, 20, 20), "&A");
    auto* x = AddHighlight("X", Bounds(30, 0, 20, 20), "&X");
    auto* a2 = AddHighlight("A2", Bounds(60, 0, 20, 20), "&A");
    auto* y = AddHighlight("Y", Bounds(90, 0, 20, 20), "&Y");
    auto* a3 = AddHighlight("A3", Bounds(120, 0, 20, 20), "&A");
    a2->SetPopupActive(true, true);
    std::vector<TControl*> order;
    for (int i = 0; i < board->ControlCount(); ++i) order.push_back(board->Controls(i));
    EXPECT_EQ(order, (std::vector<TControl*>{x, y, a2, a1, a3}));
    EXPECT_TRUE(a1->PopupActive() && a2->PopupActive() && a3->PopupActive());
    EXPECT_FALSE(x->PopupActive() || y->PopupActive());
}

TEST_F(HighlightOnBoard, APanelServesOnlyOneGroup) {
    int boxes = 0;
    String boxText;
    Application->MessageBoxHook = [&](const String& text, const String&, unsigned) {
        ++boxes;
        boxText = text;
        return IDOK;
    };
    auto* power0 = AddHighlight("Power0", Bounds(0, 0, 20, 20), "&Power");
    auto* power1 = AddHighlight("Power1", Bounds(30, 0, 20, 20), "&Power");
    auto* conn = AddHighlight("Conn", Bounds(60, 0, 20, 20), "&Connectors", THighlightType::htOptions);
    auto* powerOption = AddHighlight("PowerOpt", Bounds(90, 0, 20, 20), "&Power", THighlightType::htOptions);
    auto* powerPanel = new TRadioPanel(form.get());
    powerPanel->SetName("PowerPanel");
    auto* connPanel = new TRadioPanel(form.get());

    power0->SetRadioPanel(powerPanel);
    power1->SetRadioPanel(powerPanel);
    EXPECT_EQ(power1->RadioPanel(), powerPanel);
    conn->SetRadioPanel(connPanel);
    conn->SetRadioPanel(powerPanel);
    EXPECT_EQ(conn->RadioPanel(), connPanel);
    powerOption->SetRadioPanel(powerPanel);
    EXPECT_EQ(powerOption->RadioPanel(), nullptr);
    conn->SetRadioPanel(nullptr);
    EXPECT_EQ(conn->RadioPanel(), nullptr);
    EXPECT_EQ(boxes, 0);  // refusals are silent at run time

    board->SetDesigning(true);
    conn->SetRadioPanel(powerPanel);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(boxText, "PowerPanel has already been assigned to Power0.");
}

}  // namespace
