#pragma once
// A small board: a form holding a board image with a gradient picture.

#include <gtest/gtest.h>

#include <memory>

#include "setupctrls/board_highlight.h"
#include "setupctrls/board_image.h"
#include "setupctrls/radio_panel.h"
#include "support/widget_test.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

inline std::unique_ptr<TBitmap> Gradient(int w, int h) {
    auto b = std::make_unique<TBitmap>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->ScanLine(y)[x] = std::uint32_t(x % 256) << 16 | std::uint32_t(y % 256) << 8 | std::uint32_t((x + y) % 256);
    return b;
}

struct BoardFixture : ::testing::Test {
    void SetUp() override {
        ParkCursor();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 928, 818);
        board = new TBoardImage(form.get());
        board->SetParent(form.get());
        board->SetAutoSize(false);
        board->SetBounds(150, 186, 300, 200);
        board->SetStretch(true);
        board->Picture().SetGraphic(Gradient(300, 200));
    }
    void TearDown() override {
        form.reset();
        Application->MessageBoxHook = nullptr;
    }

    TBoardHighlight* AddHighlight(const String& name, TRect r, const String& title,
                                  THighlightType type = THighlightType::htSettings, TWinControl* parent = nullptr) {
        auto* h = new TBoardHighlight(form.get());
        h->SetName(name);
        h->SetParent(parent ? parent : board);
        h->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        h->SetTitle(title);
        h->SetHighlightType(type);
        return h;
    }
    void ShowBoard() {
        form->Show();
        Settle();
    }

    std::unique_ptr<TForm> form;
    TBoardImage* board = nullptr;
};
