// Building components from a window definition: values, references, events
// and the errors a bad definition gets.

#include "toolkit/definition_loader.h"

#include <gtest/gtest.h>

#include <memory>

#include "toolkit/label.h"
#include "toolkit/menus.h"
#include "toolkit/panel.h"

namespace {

// A form with published handlers and a component that refers to another.
class TSampleForm : public TForm {
public:
    explicit TSampleForm(TComponent* owner) : TForm(owner) {
        Publish("LabelClick", &TSampleForm::LabelClick);
        Publish("FormClose", &TSampleForm::FormClose);
    }
    String ClassName() const override { return "TSampleForm"; }
    void LabelClick(TObject* sender) { clicked = sender; }
    void FormClose(TObject*, TCloseAction&) {}
    TObject* clicked = nullptr;
};

class TPointer : public TComponent {
public:
    using TComponent::TComponent;
    String ClassName() const override { return "TPointer"; }
    void SetTarget(TLabel* target) {
        target_ = target;
        targetCaptionWhenSet = target ? target->Caption() : "";
    }
    TLabel* target_ = nullptr;
    String targetCaptionWhenSet;
};

struct Loader : ::testing::Test {
    static void SetUpTestSuite() {
        TPublisher<TSampleForm>("TSampleForm", "TForm", false);
        TPublisher<TPointer>("TPointer", "TComponent").Ref("Target", &TPointer::SetTarget);
    }
    std::unique_ptr<TSampleForm> form = std::make_unique<TSampleForm>(nullptr);
    void Load(const std::string& text) { form->LoadDefinition(text); }
};

TEST_F(Loader, AppliesValuesOfEveryKind) {
    Load(R"(object Sample: TSampleForm
  Caption = "Setup"
  Color = clWhite
  Font.Name = "Tahoma"
  Font.Height = -11
  Font.Style = [fsBold]
  object Panel1: TPanel
    Left = -56
    Top = 8
    Width = 249
    Height = 73
    Anchors = [akLeft, akBottom]
    BevelOuter = bvNone
    Visible = False
    Color = 0x00FF0000
    object Label1: TLabel
      Caption = "\u00B110V"
      Alignment = taRightJustify
      AutoSize = False
      OnClick = LabelClick
    end
  end
end
)");
    EXPECT_EQ(form->Name(), "Sample");
    EXPECT_EQ(form->Caption(), "Setup");
    EXPECT_EQ(form->Color(), clWhite);
    EXPECT_EQ(form->Font().Style(), fsBold);
    auto* panel = dynamic_cast<TPanel*>(form->FindComponent("Panel1"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->BoundsRect(), Bounds(-56, 8, 249, 73));
    EXPECT_EQ(panel->Anchors(), akLeft | akBottom);
    EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvNone);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(panel->Color(), clBlue);
    auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), panel);
    EXPECT_EQ(label->Owner(), form.get());
    EXPECT_EQ(label->Caption(), "\xC2\xB1" "10V");
    EXPECT_EQ(label->Font().Name(), "Tahoma");  // inherited through the panel
    EXPECT_FALSE(label->IsLoading());
    label->Click();
    EXPECT_EQ(form->clicked, label);
}

TEST_F(Loader, ReferencesToLaterComponentsWaitForTheWholeTree) {
    Load(R"(object Sample: TSampleForm
  object Pointer1: TPointer
    Target = Label9
  end
  object Label9: TLabel
    Caption = "late"
  end
end
)");
    auto* pointer = dynamic_cast<TPointer*>(form->FindComponent("Pointer1"));
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(pointer->target_, form->FindComponent("Label9"));
    EXPECT_EQ(pointer->targetCaptionWhenSet, "late");
}

TEST_F(Loader, MenuItemsNestUnderTheirMenu) {
    Load(R"(object Sample: TSampleForm
  object MainMenu1: TMainMenu
    object File1: TMenuItem
      Caption = "&File"
      object Exit2: TMenuItem
        Caption = "&Exit"
      end
    end
    object Help1: TMenuItem
      Caption = "&Help"
    end
  end
end
)");
    auto* menu = dynamic_cast<TMainMenu*>(form->FindComponent("MainMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), "&File");
    EXPECT_EQ(menu->Items()->Items(0)->Items(0)->Name(), "Exit2");
    EXPECT_EQ(menu->Items()->Items(1)->Caption(), "&Help");
}

TEST_F(Loader, ABadDefinitionNamesItsLine) {
    struct Case {
        const char* text;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"object Sample: TOtherForm\nend\n", 1, "not a TSampleForm"},
        {"object Sample: TSampleForm\n  object X: TNoSuchClass\n  end\nend\n", 2, "unknown class TNoSuchClass"},
        {"object Sample: TSampleForm\n  object X: TLabel\n    Colour = clRed\n  end\nend\n", 3, "no published property 'Colour'"},
        {"object Sample: TSampleForm\n  object X: TLabel\n    Left = \"ten\"\n  end\nend\n", 3, "whole number"},
        {"object Sample: TSampleForm\n  object X: TLabel\n    Alignment = taMiddle\n  end\nend\n", 3, "unknown value 'taMiddle'"},
        {"object Sample: TSampleForm\n  object X: TLabel\n    OnClick = Nothing\n  end\nend\n", 3, "no handler named Nothing"},
        {"object Sample: TSampleForm\n  object X: TLabel\n    OnClick = FormClose\n  end\nend\n", 3, "shape"},
        {"object Sample: TSampleForm\n  object P: TPointer\n    Target = Nobody\n  end\nend\n", 3, "no component named Nobody"},
        {"object Sample: TSampleForm\n  object P: TPointer\n    Target = P\n  end\nend\n", 3, "does not fit"},
        {"object Sample: TSampleForm\n  object X: TLabel\n  end\n  object X: TLabel\n  end\nend\n", 4, "already exists"},
        {"object Sample: TSampleForm\n  object X: TPanel\n    Left = 1\n", 3, "missing 'end'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto fresh = std::make_unique<TSampleForm>(nullptr);
        try {
            fresh->LoadDefinition(c.text);
            ADD_FAILURE() << "no error";
        } catch (const definition::Error& e) {
            EXPECT_EQ(e.line(), c.line);
            EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
        }
    }
}

}  // namespace
