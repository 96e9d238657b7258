// The installed-cards window on the real page, with a card-listing handler
// assigned. Runs with the stand-in driver on the loader's path; its card
// count comes from TRAXDRV_TEST_CARDS.

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "app/main_form.h"
#include "driver/lltraxdrv.h"
#include "setupctrls/help_form.h"
#include "setupctrls/pci_form.h"
#include "toolkit/rich_edit.h"
#include "setupctrls/setup_supporter.h"
#include "support/real_page.h"
#include "toolkit/application.h"
#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/timer.h"

namespace {

struct Cards : RealPage {
    void SetUp() override {
        RealPage::SetUp();
        sup = MainForm->SetSup;
        Application->MessageBoxHook = [this](const String& text, const String&, unsigned) {
            reports.push_back(text);
            return IDOK;
        };
    }
    void TearDown() override {
        RealPage::TearDown();
        unsetenv("TRAXDRV_TEST_CARDS");
    }
    // The handler names cards by a table; the driver reports `count` cards.
    void Build(int count, std::vector<String> names) {
        setenv("TRAXDRV_TEST_CARDS", std::to_string(count).c_str(), 1);
        sup->OnGetCardString = [names](TObject*, std::int32_t index) -> String {
            return index < std::int32_t(names.size()) ? names[std::size_t(index)] : String();
        };
        ShowPage();
    }
    TStrings List() const { return static_cast<TPCIForm*>(sup->PCIForm)->PCIMemo->Lines(); }
    std::vector<String> FileEntries() const {
        std::vector<String> captions;
        for (int i = 0; i < MainForm->File1->Count(); ++i) captions.push_back(MainForm->File1->Items(i)->Caption());
        return captions;
    }
    TSetupSupporter* sup = nullptr;
    std::vector<String> reports;
};

TEST_F(Cards, TheListHoldsTheNamedCards) {
    struct Case {
        const char* what;
        int count;
        std::vector<String> names;
        TStrings list;
        bool series;
        const char* header;
    };
    const Case cases[] = {
        {"three cards, one unnamed", 3, {"A", "", "C"}, {"A", "C"}, true, "ZK-WAVE-410 Series Settings Program"},
        {"two unnamed cards", 2, {"", ""}, {"No Card Found"}, true, "No ZK-WAVE-410 Series Card Found"},
        {"unnamed, no series", 2, {"", ""}, {"No Card Found"}, false, "No ZK-WAVE-410 Found"},
        {"a negative count", -3, {"A"}, {"No Card Found"}, true, "No ZK-WAVE-410 Series Card Found"},
        {"a name over two lines", 1, {"Slot 1\r\nBase 0x300"}, {"Slot 1", "Base 0x300"}, true,
         "ZK-WAVE-410 Series Settings Program"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        sup->bSeries = c.series;
        Build(c.count, c.names);
        ASSERT_NE(sup->PCIForm, nullptr);
        EXPECT_TRUE(DriverBound);
        EXPECT_EQ(List(), c.list);
        EXPECT_EQ(sup->HeaderLabel()->Caption(), c.header);
        EXPECT_TRUE(sup->PCIForm->Widget()->isVisible());  // opens at once, during start-up
    }
}

TEST_F(Cards, TheWindowAndTheMenuEntry) {
    sup->UseCardNameB = true;
    sup->CardNameB = "ZK-B";
    Build(1, {"A"});
    TPCIForm& form = *static_cast<TPCIForm*>(sup->PCIForm);
    EXPECT_EQ(form.Caption(), "ZK-B Cards installed");
    EXPECT_EQ(form.ClientWidth(), 305);
    EXPECT_EQ(form.ClientHeight(), 122);
    EXPECT_EQ(form.PCIMemo->BoundsRect(), Bounds(0, 0, 305, 89));
    EXPECT_EQ(form.CloseButton->BoundsRect(), Bounds(115, 97, 73, 25));  // one left of centre, as built
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "ZK-B Series Settings Program");
    EXPECT_NE(sup->HelpForm->HelpRich->PlainText().find("click \"Display ZK-B Cards Installed\" under the File menu"),
              String::npos);

    EXPECT_EQ(FileEntries(), (std::vector<String>{"Display ZK-B Cards Installed", "&Exit"}));
    TMenuItem* entry = MainForm->File1->Items(0);
    EXPECT_EQ(entry->Name(), "DisplayPCI");
    EXPECT_EQ(entry->Owner(), MainForm->File1);
    form.CloseButton->Click();
    EXPECT_FALSE(form.Widget()->isVisible());
    entry->Click();
    EXPECT_TRUE(form.Widget()->isVisible());
    form.Close();
    MainForm->DisplayClick(nullptr);
    EXPECT_TRUE(form.Widget()->isVisible());
}

TEST_F(Cards, NoEntryWithoutAFileMenuToHoldIt) {
    MainForm->File1->SetCaption("File");
    Build(1, {"A"});
    EXPECT_EQ(FileEntries(), (std::vector<String>{"&Exit"}));
    EXPECT_NE(sup->PCIForm, nullptr);  // the window is built all the same

    TearDown();
    SetUp();
    MainForm->SetMenu(nullptr);
    Build(1, {"A"});
    EXPECT_EQ(FileEntries(), (std::vector<String>{"&Exit"}));
    EXPECT_EQ(List(), (TStrings{"A"}));
}

TEST_F(Cards, AnErrorFromTheHandlerLeavesTheRestUndoneAndIsReported) {
    setenv("TRAXDRV_TEST_CARDS", "2", 1);
    sup->OnGetCardString = [](TObject*, std::int32_t) -> String { throw std::runtime_error("Card 0 does not answer"); };
    MainForm->Show();
    Settle();
    EXPECT_EQ(reports, (std::vector<String>{"Card 0 does not answer"}));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), "");
    EXPECT_FALSE(sup->ShowHelpPending());
    EXPECT_FALSE(sup->Timer().Active());
}

}  // namespace
