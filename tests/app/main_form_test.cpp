// The real main window, built from the embedded definition and shown on the
// offscreen platform (one 1280 x 1024 screen, no frame margins).

#include "app/main_form.h"

#include <gtest/gtest.h>

#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/radio_panel.h"
#include "support/real_page.h"
#include "toolkit/application.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/menus.h"
#include "toolkit/resources.h"

namespace {

struct MainWindow : RealPage {
    std::vector<TBoardHighlight*> Highlights() const {
        std::vector<TBoardHighlight*> list;
        for (int i = 0; i < MainForm->BoardImage1->ControlCount(); ++i)
            list.push_back(dynamic_cast<TBoardHighlight*>(MainForm->BoardImage1->Controls(i)));
        return list;
    }
};

TEST_F(MainWindow, TheDefinitionBuildsThePage) {
    TMainForm& f = *MainForm;
    EXPECT_EQ(f.Caption(), "Setup");
    EXPECT_EQ(f.Color(), clWhite);
    EXPECT_EQ(f.WindowState(), TWindowState::wsMaximized);
    EXPECT_EQ(f.Font().Name(), "Tahoma");
    EXPECT_EQ(f.Font().Height(), -11);
    EXPECT_EQ(f.Menu(), f.MainMenu1);
    EXPECT_EQ(Application->MainForm(), &f);

    TBoardImage& board = *f.BoardImage1;
    EXPECT_EQ(board.BoundsRect(), Bounds(150, 186, 600, 446));
    EXPECT_EQ(board.First(), f.AnalogRangeHighlight0);
    EXPECT_EQ(board.Menu(), f.MainMenu1);
    EXPECT_FALSE(board.AutoSize());
    EXPECT_TRUE(board.Stretch());
    EXPECT_EQ(board.Picture().Width(), 600);
    EXPECT_EQ(board.Picture().Height(), 446);

    struct Row {
        TBoardHighlight* h;
        TRect bounds;
        THighlightType type;
        TRadioPanel* panel;
        const char* title;
    };
    using enum THighlightType;
    const Row rows[] = {
        {f.USBHighlight, Bounds(0, 160, 97, 72), htOptions, f.USBPanel, "&USB Connector"},
        {f.AnalogRangeHighlight0, Bounds(352, 320, 57, 41), htSettings, f.AnalogRangePanel, "&Analog Range"},
        {f.PullHighlight, Bounds(400, 19, 52, 38), htSettings, f.PullPanel, "&DIO Bias(Pull)"},
        {f.PowerJumperHighlight, Bounds(16, 240, 53, 29), htSettings, f.PowerPanel, "&Power"},
        {f.PowerDCInHighlight, Bounds(0, 324, 81, 57), htSettings, f.PowerPanel, "&Power"},
        {f.SubUSBHighlight, Bounds(16, 112, 55, 29), htOptions, f.SubUSBPanel, "&Sub USB Connector"},
        {f.LedHighlight, Bounds(0, 84, 97, 27), htOptions, f.LEDPanel, "&LED Light"},
        {f.DIOGateConnHighlight, Bounds(480, 48, 57, 153), htOptions, f.ConnPanel, "&Connectors"},
        {f.GateConnHighlight, Bounds(415, 222, 185, 81), htOptions, f.ConnPanel, "&Connectors"},
        {f.AnalogConnHighlight, Bounds(415, 320, 185, 81), htOptions, f.ConnPanel, "&Connectors"},
        {f.AnalogRangeHighlight1, Bounds(360, 376, 41, 25), htSettings, f.AnalogRangePanel, "&Analog Range"},
    };
    ASSERT_EQ(Highlights().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        SCOPED_TRACE(r.title);
        EXPECT_EQ(Highlights()[i], r.h);  // definition order
        EXPECT_EQ(r.h->BoundsRect(), r.bounds);
        EXPECT_EQ(r.h->HighlightType(), r.type);
        EXPECT_EQ(r.h->RadioPanel(), r.panel);  // shared panels were accepted
        EXPECT_EQ(r.h->Title(), r.title);
        EXPECT_TRUE(r.h->CreatePopup);
    }

    struct PanelRow {
        TRadioPanel* p;
        TRect bounds;
        int tabOrder;
    };
    const PanelRow panels[] = {
        {f.USBPanel, Bounds(-56, 456, 186, 9), 1},      {f.LEDPanel, Bounds(-56, 168, 186, 9), 2},
        {f.PowerPanel, Bounds(240, 504, 249, 129), 3},  {f.SubUSBPanel, Bounds(-56, 312, 186, 9), 4},
        {f.ConnPanel, Bounds(696, 224, 186, 9), 5},     {f.PullPanel, Bounds(272, 24, 257, 161), 6},
        {f.AnalogRangePanel, Bounds(584, 624, 193, 121), 7},
    };
    for (const PanelRow& p : panels) {
        SCOPED_TRACE(p.p->Name());
        EXPECT_EQ(p.p->BoundsRect(), p.bounds);
        EXPECT_EQ(p.p->TabOrder(), p.tabOrder);
        EXPECT_FALSE(p.p->Visible());
        EXPECT_EQ(p.p->Parent(), &f);
        EXPECT_EQ(p.p->Lines().Count(), 1);
        EXPECT_EQ(p.p->MemoHeight(), 58);
    }
    EXPECT_EQ(f.AnalogRangePanel->Lines()[0], "These jumpers set the analog range.");

    TMenuItem* bar = f.MainMenu1->Items();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Items(0), f.File1);
    EXPECT_EQ(f.File1->Caption(), "&File");
    EXPECT_EQ(f.File1->Items(0), f.Exit2);
    EXPECT_EQ(f.Exit2->Caption(), "&Exit");
    EXPECT_EQ(f.Help1->Caption(), "&Help");
    EXPECT_EQ(f.Help1->Items(0)->Caption(), "H&ow to use this program");
    EXPECT_EQ(f.Help1->Items(1)->Caption(), "&Technical Support");
}

TEST_F(MainWindow, ShownMaximisedTheBoardIsCentredAndEveryCircleRests) {
    ShowPage();
    TBoardImage& board = *MainForm->BoardImage1;
    EXPECT_EQ(MainForm->Width(), 1280);
    EXPECT_EQ(MainForm->Height(), 1024);
    EXPECT_EQ(board.Left(), (1280 - 600) / 2);
    EXPECT_EQ(board.Top(), (1024 - 446) / 2);
    EXPECT_EQ(board.InitialLeft(), 150);
    EXPECT_EQ(board.InitialTop(), 186);
    for (TControl* c : {static_cast<TControl*>(MainForm->USBPanel), static_cast<TControl*>(MainForm->PullPanel)})
        EXPECT_FALSE(c->Showing());

    // What the screen must show: the photo as libjpeg decodes it, each circle
    // tinted over the photo and the circles drawn before it.
    TJPEGImage photo;
    photo.LoadFromBytes(ReadResource("board_photo.jpg"));
    TBitmap expected(600, 446);
    expected.Canvas().Draw(0, 0, photo);
    for (TBoardHighlight* h : Highlights()) {
        ASSERT_TRUE(h->Prepared());
        TBitmap look(h->Width(), h->Height());
        look.Canvas().Draw(-h->Left(), -h->Top(), expected);
        look.Canvas().Flush();
        TintEllipse(look, h->RestLevel(), h->RingColor(), false);
        expected.Canvas().Draw(h->Left(), h->Top(), look);
    }
    expected.Canvas().Flush();
    QImage shot = Grab(board);
    int differing = 0;
    for (int y = 0; y < 446; ++y)
        for (int x = 0; x < 600; ++x)
            if ((expected.ScanLine(y)[x] & 0xFFFFFF) != (shot.pixel(x, y) & 0xFFFFFF)) ++differing;
    EXPECT_EQ(differing, 0);
}

TEST_F(MainWindow, HoveringACircleLightsItsGroupAndShowsItsPopup) {
    ShowPage();
    TMainForm& f = *MainForm;
    TRect r = f.AnalogRangeHighlight1->BoundsRect();
    MoveMouse(*f.BoardImage1, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    EXPECT_TRUE(f.AnalogRangeHighlight1->Lit());
    EXPECT_TRUE(f.AnalogRangeHighlight0->Lit());
    EXPECT_FALSE(f.PullHighlight->Lit());
    // The popup just shown is the active window: the group peaks.
    TBoardHighlight& other = *f.AnalogRangeHighlight0;
    ASSERT_TRUE(other.PopupActive());
    QImage shot = Grab(*f.BoardImage1);
    std::uint32_t peak = other.PeakImage().ScanLine(20)[3];
    EXPECT_EQ(shot.pixel(other.Left() + 3, other.Top() + 20) & 0xFFFFFF, peak & 0xFFFFFF);
    EXPECT_NE(peak & 0xFFFFFF, other.RestImage().ScanLine(20)[3] & 0xFFFFFF);
}

TEST_F(MainWindow, ExitEndsTheProgram) {
    ShowPage();
    MainForm->Exit2->Click();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(MainForm->Widget()->isVisible());
}

}  // namespace
