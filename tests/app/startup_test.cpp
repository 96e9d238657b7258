// Start-up on the real page: the supporter's one-time build at the first
// idle moment, the help shown once by the timer, the Help menu commands.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "driver/lltraxdrv.h"
#include "setupctrls/pci_form.h"
#include "setupctrls/board_highlight.h"
#include "setupctrls/help_form.h"
#include "setupctrls/popup_form.h"
#include "setupctrls/setup_supporter.h"
#include "setupctrls/tech_form.h"
#include "support/real_page.h"
#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/rich_edit.h"
#include "toolkit/stdctrls.h"
#include "toolkit/timer.h"

namespace {

struct Startup : RealPage {
    void SetUp() override {
        RealPage::SetUp();
        sup = MainForm->SetSup;
    }
    int Named(const String& name) const {
        int n = 0;
        for (int i = 0; i < MainForm->ComponentCount(); ++i) n += MainForm->Components(i)->Name() == name;
        return n;
    }
    TSetupSupporter* sup = nullptr;
};

// Watches the main window's own creation handler run.
class TWatchedMainForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    static TWatchedMainForm* reference;
    bool referenceSetDuringCreate = false;
    bool applicationKnewItDuringCreate = true;
    void Loaded() override {
        TMainForm::Loaded();
        TNotifyEvent formCreate = OnCreate;
        OnCreate = [this, formCreate](TObject* sender) {
            referenceSetDuringCreate = reference == this;
            applicationKnewItDuringCreate = Application->MainForm() == this;
            formCreate(sender);
        };
    }
};
TWatchedMainForm* TWatchedMainForm::reference = nullptr;

TEST(Creation, TheReferenceIsSetBeforeFormCreateAndTheApplicationLearnsOfItAfter) {
    TForm* previous = Application->MainForm();
    ASSERT_EQ(previous, nullptr);
    Application->CreateForm(TWatchedMainForm::reference, MainFormDefinition);
    TWatchedMainForm* form = TWatchedMainForm::reference;
    EXPECT_TRUE(form->referenceSetDuringCreate);
    EXPECT_FALSE(form->applicationKnewItDuringCreate);
    EXPECT_EQ(Application->MainForm(), form);
    EXPECT_TRUE(bool(Application->OnIdle));  // FormCreate ran
    delete form;
    Application->OnIdle = nullptr;
}

TEST_F(Startup, TheSupporterBuildsOnceAtTheFirstIdleMoment) {
    EXPECT_EQ(sup->CompanyName, "ZELKOR");
    EXPECT_EQ(sup->CardName(), "ZK-WAVE-410");
    EXPECT_EQ(sup->Channels, 4);
    EXPECT_TRUE(bool(Application->OnIdle));  // armed by FormCreate
    MainForm->Howtousethisprogram1->Click();  // nothing built yet: nothing happens
    MainForm->DisplayClick(nullptr);

    const int loads = DriverLoadAttempts();
    ShowPage();
    EXPECT_EQ(DriverLoadAttempts(), loads);  // no card-listing handler: the driver stays unloaded
    EXPECT_FALSE(bool(Application->OnIdle));
    ASSERT_NE(sup->HelpForm, nullptr);
    ASSERT_NE(sup->TechForm, nullptr);
    EXPECT_EQ(sup->PCIForm, nullptr);
    ASSERT_NE(sup->HeaderLabel(), nullptr);
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "ZK-WAVE-410 Series Settings Program");
    EXPECT_EQ(sup->HeaderLabel()->Align(), TAlign::alTop);
    EXPECT_EQ(sup->HeaderLabel()->Width(), MainForm->ClientWidth());
    EXPECT_TRUE(sup->HeaderLabel()->Font().Style() & fsBold);
    EXPECT_TRUE(sup->ShowHelpPending());
    EXPECT_TRUE(sup->Timer().Active());

    for (int i = 0; i < 5; ++i) {
        Application->DoIdle();
        QTest::qWait(5);
    }
    EXPECT_EQ(Named("HelpForm"), 1);
    EXPECT_EQ(Named("HeaderLabel"), 1);
    MainForm->DisplayClick(nullptr);  // no installed-cards window on this page
}

TEST_F(Startup, WithoutTheDriverTheCardListSaysNoCard) {
    sup->OnGetCardString = [](TObject*, std::int32_t) -> String { return "never asked"; };
    ShowPage();
    EXPECT_FALSE(DriverBound);
    EXPECT_EQ(GetNumCards, nullptr);
    ASSERT_NE(sup->PCIForm, nullptr);
    EXPECT_EQ(static_cast<TPCIForm*>(sup->PCIForm)->PCIMemo->Lines(), (TStrings{"No Card Found"}));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "No ZK-WAVE-410 Series Card Found");
}

TEST_F(Startup, WithoutSeriesTheHeaderNamesTheCardAlone) {
    sup->bSeries = false;
    ShowPage();
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "ZK-WAVE-410 Settings Program");
}

TEST_F(Startup, TheTimerShowsTheHelpOnceAndTheMenuAgain) {
    ShowPage();
    THelpForm& help = *sup->HelpForm;
    EXPECT_FALSE(help.Widget()->isVisible());
    sup->Timer().Tick();
    EXPECT_TRUE(help.Widget()->isVisible());
    EXPECT_FALSE(sup->ShowHelpPending());
    EXPECT_FALSE(sup->Timer().Active());
    // Centred on the main window at its first showing.
    EXPECT_EQ(help.Left(), MainForm->Left() + (MainForm->Width() - help.Width()) / 2);
    EXPECT_EQ(help.Top(), MainForm->Top() + (MainForm->Height() - help.Height()) / 2);
    Settle();
    EXPECT_TRUE(help.StartButton->Focused());

    help.SetBounds(10, 20, help.Width(), help.Height());
    help.Close();
    EXPECT_FALSE(help.Widget()->isVisible());
    MainForm->Howtousethisprogram1->Click();
    EXPECT_TRUE(help.Widget()->isVisible());
    EXPECT_EQ(help.Left(), 10);  // it keeps its place
    MainForm->Closehelpdialog1Click(nullptr);
    EXPECT_FALSE(help.Widget()->isVisible());
}

TEST_F(Startup, StartEnterAndEscOpenTheFirstSpotPinned) {
    ShowPage();
    THelpForm& help = *sup->HelpForm;
    for (int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape)}) {
        SCOPED_TRACE(key);
        MainForm->Howtousethisprogram1->Click();
        Settle();
        if (key) QTest::keyClick(help.StartButton->Widget(), Qt::Key(key));
        else help.StartButton->Click();
        Settle();
        EXPECT_FALSE(help.Widget()->isVisible());
        TBoardHighlight& first = *MainForm->AnalogRangeHighlight0;
        ASSERT_NE(first.Popup(), nullptr);
        EXPECT_TRUE(first.Popup()->Widget()->isVisible());
        EXPECT_TRUE(first.Pinned());
        EXPECT_TRUE(MainForm->AnalogRangeHighlight1->Lit());
        first.Popup()->Close();
    }
}

TEST_F(Startup, HelpAndSupportWindowGeometry) {
    ShowPage();
    THelpForm& help = *sup->HelpForm;
    EXPECT_EQ(help.Caption(), "Instructions for Settings utility");
    EXPECT_EQ(help.FormStyle(), TFormStyle::fsStayOnTop);
    // The test screen is 1280 x 1024: scaled by 1.6 from 305 x 138.
    EXPECT_EQ(help.ClientWidth(), 488);
    EXPECT_EQ(help.ClientHeight(), 221);
    EXPECT_EQ(help.HelpRich->BoundsRect(), Bounds(0, 24, 488, 73 + 83));
    EXPECT_EQ(help.StartButton->BoundsRect(), Bounds(157, 105 + 83, 173, 25));  // still centred
    EXPECT_LE(help.HelpLabel->Height(), 24);
    EXPECT_EQ(help.HelpLabel->Caption(), "How to use this program");
    EXPECT_NE(help.HelpRich->PlainText().find("ZELKOR ZK-WAVE-410 Series Settings Program"), String::npos);

    TTechForm& tech = *sup->TechForm;
    EXPECT_EQ(tech.Caption(), "Technical Support");
    EXPECT_EQ(tech.ClientWidth(), 305);
    EXPECT_EQ(tech.ClientHeight(), 122);
    EXPECT_EQ(tech.TechMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(tech.CloseButton->BoundsRect(), Bounds(116, 97, 73, 25));
    TStrings lines = tech.TechMemo->Lines();
    ASSERT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[1], "");
    EXPECT_NE(lines[0].find("and ZELKOR stands ready"), String::npos);
    EXPECT_NE(lines[0].find("You can call us " + sup->CallHow + " for any of your product questions."), String::npos);
    EXPECT_NE(sup->CallHow.find("555-01"), String::npos);
    EXPECT_EQ(lines[2].rfind("In order to provide", 0), 0u);

    MainForm->TechnicalSupport1->Click();
    EXPECT_TRUE(tech.Widget()->isVisible());
    tech.CloseButton->Click();
    EXPECT_FALSE(tech.Widget()->isVisible());
}

}  // namespace
