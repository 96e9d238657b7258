#include "toolkit/application.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "support/widget_test.h"
#include "toolkit/panel.h"

namespace {

TEST(Application, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
    std::vector<String> reports;
    Application->MessageBoxHook = [&](const String& text, const String&, unsigned flags) {
        EXPECT_EQ(flags & 0xF0, unsigned(MB_ICONERROR));
        reports.push_back(text);
        return IDOK;
    };
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 200);
    auto* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    int clicks = 0;
    panel->OnClick = [&](TObject*) {
        ++clicks;
        throw std::runtime_error("Not enough timers available");
    };
    form->Show();
    Settle();
    ClickAt(*panel, 10, 10);
    ClickAt(*panel, 10, 10);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(reports, (std::vector<String>{"Not enough timers available", "Not enough timers available"}));
    Application->MessageBoxHook = nullptr;
}

}  // namespace
