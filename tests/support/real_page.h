#pragma once
// A fresh main window built from the program's own definition, torn down
// after each test, with the application's slots left empty.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "support/widget_test.h"
#include "toolkit/application.h"

struct RealPage : ::testing::Test {
    void SetUp() override {
        ParkCursor();
        Application->CreateForm(MainForm, MainFormDefinition);
    }
    void TearDown() override {
        delete MainForm;
        MainForm = nullptr;
        Application->OnIdle = nullptr;
        Application->MessageBoxHook = nullptr;
        ParkCursor();
    }
    // Shown, painted, and past the first idle moment.
    static void ShowPage() {
        MainForm->Show();
        Settle();
    }
};
