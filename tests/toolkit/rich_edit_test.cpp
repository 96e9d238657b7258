// The rich-text box shows loaded RTF on its own background, wraps at its
// width and refuses typing while read-only.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <memory>

#include "support/help_rtf.h"
#include "support/widget_test.h"
#include "toolkit/form.h"
#include "toolkit/rich_edit.h"

namespace {

struct RichEdit : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 500, 400);
        edit = new TRichEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(8, 8, 400, 300);
        edit->LoadRtf(kHelp);
        form->Show();
        Settle();
    }
    QTextEdit* Box() const { return static_cast<QTextEdit*>(edit->Widget()); }
    // Corners of the viewport inside the document margin, where no text goes.
    std::vector<TColor> MarginPixels() const {
        QImage image = Grab(*edit);
        QRect viewport = Box()->viewport()->geometry();
        return {PixelAt(image, viewport.left() + 1, viewport.top() + 1),
                PixelAt(image, viewport.right() - 1, viewport.bottom() - 1)};
    }
    std::unique_ptr<TForm> form;
    TRichEdit* edit = nullptr;
};

TEST_F(RichEdit, ShowsTheLoadedTextOnItsBackgroundColour) {
    EXPECT_NE(edit->PlainText().find("Yellow circles provide information."), String::npos);
    const TColor grey = RGB(221, 221, 221);
    for (TColor c : MarginPixels()) ASSERT_NE(c, grey);  // or the check below proves nothing

    edit->SetColor(grey);
    Settle();
    for (TColor c : MarginPixels()) EXPECT_EQ(c, grey);

    // The text is drawn: dark pixels on the light background.
    QImage image = Grab(*edit);
    QRect viewport = Box()->viewport()->geometry();
    int dark = 0;
    for (int y = viewport.top(); y <= viewport.bottom(); ++y)
        for (int x = viewport.left(); x <= viewport.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);
}

TEST_F(RichEdit, LoadingReplacesTheContent) {
    edit->LoadRtf("{\\rtf1 first}");
    edit->LoadRtf("{\\rtf1 second\\par}");
    EXPECT_EQ(edit->PlainText(), "second\n");
}

TEST_F(RichEdit, WrapsAtItsWidth) {
    edit->SetBounds(8, 8, 120, 300);
    Settle();
    QTextBlock block = edit->Document()->findBlock(0);
    ASSERT_TRUE(block.isValid());
    EXPECT_GT(block.layout()->lineCount(), 1);  // the title
    EXPECT_LE(edit->Document()->size().width(), Box()->viewport()->width());
}

TEST_F(RichEdit, ReadOnlyRefusesTyping) {
    edit->SetReadOnly(true);
    edit->SetFocus();
    Settle();
    const String before = edit->PlainText();
    QTest::keyClicks(Box(), "xyz");
    QTest::keyClick(Box(), Qt::Key_Delete);
    QTest::keyClick(Box(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(edit->PlainText(), before);
    EXPECT_TRUE(edit->ReadOnly());

    edit->SetReadOnly(false);  // the same keys do change a writable box
    QTest::keyClicks(Box(), "xyz");
    Settle();
    EXPECT_NE(edit->PlainText(), before);
}

}  // namespace
