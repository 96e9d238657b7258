// Radio choices raise their click once per change, whether code or the user
// makes it, and nothing for the choice already made.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <memory>

#include "support/widget_test.h"
#include "toolkit/form.h"
#include "toolkit/stdctrls.h"

namespace {

struct Radios : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        group = new TRadioGroup(form.get());
        group->SetParent(form.get());
        group->SetBounds(8, 8, 241, 41);
        group->SetColumns(3);
        group->SetItems({"Pull Up", "Unbiased", "Pull Down"});
        group->SetItemIndex(0);
        group->OnClick = [this](TObject*) { groupClicks.push_back(group->ItemIndex()); };
        usb = new TRadioButton(form.get());
        usb->SetParent(form.get());
        usb->SetBounds(8, 60, 129, 17);
        usb->SetChecked(true);
        external = new TRadioButton(form.get());
        external->SetParent(form.get());
        external->SetBounds(8, 84, 129, 17);
        usb->OnClick = [this](TObject*) { buttonClicks.push_back("usb"); };
        external->OnClick = [this](TObject*) { buttonClicks.push_back("external"); };
        form->Show();
        Settle();
    }
    void UserClick(TWinControl& c) {
        QTest::mouseClick(c.Widget(), Qt::LeftButton, {}, QPoint(6, c.Height() / 2));
        Settle();
    }
    std::unique_ptr<TForm> form;
    TRadioGroup* group = nullptr;
    TRadioButton* usb = nullptr;
    TRadioButton* external = nullptr;
    std::vector<int> groupClicks;
    std::vector<String> buttonClicks;
};

TEST_F(Radios, GroupIndexFromCodeAndFromTheUser) {
    group->SetItemIndex(2);
    group->SetItemIndex(2);  // the current value: nothing
    UserClick(*group->Button(2));  // the selected item: nothing
    UserClick(*group->Button(1));
    group->SetItemIndex(-1);
    EXPECT_EQ(groupClicks, (std::vector<int>{2, 1, -1}));
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(group->Button(i)->Checked());
}

TEST_F(Radios, ButtonsOfOneParentExcludeEachOther) {
    external->SetChecked(true);
    EXPECT_FALSE(usb->Checked());
    EXPECT_FALSE(static_cast<QRadioButton*>(usb->Widget())->isChecked());
    external->SetChecked(true);
    UserClick(*external);
    UserClick(*usb);
    EXPECT_TRUE(usb->Checked());
    EXPECT_FALSE(external->Checked());
    EXPECT_EQ(buttonClicks, (std::vector<String>{"external", "usb"}));
    usb->SetChecked(false);  // unchecking raises nothing and leaves none checked
    EXPECT_FALSE(static_cast<QRadioButton*>(usb->Widget())->isChecked());
    EXPECT_EQ(buttonClicks.size(), 2u);
}

TEST_F(Radios, ItemsFitTheirColumnsInTheSubstituteFont) {
    group->Font().SetName("Tahoma");
    group->Font().SetHeight(-11);
    for (int i = 0; i < group->ButtonCount(); ++i) {
        TRadioButton* b = group->Button(i);
        QStyle* style = b->Widget()->style();
        int needed = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                     style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) +
                     QFontMetrics(b->Font().ToQFont()).horizontalAdvance(QString::fromStdString(b->Caption()));
        EXPECT_LE(b->Left() + b->Width(), group->Width()) << b->Caption();
        EXPECT_LE(needed, b->Width()) << b->Caption();
    }
}

}  // namespace
