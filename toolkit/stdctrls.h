#pragma once
// Standard windowed controls: push buttons and multi-line text boxes.

#include "toolkit/strings.h"
#include "toolkit/win_control.h"

#include <vector>

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    String ClassName() const override { return "TButton"; }

    // Enter presses the default button of the window, Esc its cancel button.
    bool Default() const { return FDefault; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool cancel) { FCancel = cancel; }

protected:
    void CaptionChanged() override;

private:
    bool FDefault = false;
    bool FCancel = false;
};

// A radio button: the buttons of one parent exclude each other. Checking
// one from code raises OnClick exactly once, as a user's click does; checking
// the one already checked raises nothing.
class TRadioButton : public TWinControl {
public:
    explicit TRadioButton(TComponent* owner);
    String ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);

protected:
    void CaptionChanged() override;

private:
    friend class TRadioButtonAccess;
    void UserToggled(bool on);
    bool FChecked = false;
    bool FSetting = false;
};

// A captioned box of radio items laid out in columns. Setting ItemIndex to a
// new value raises OnClick exactly once; the current value raises nothing.
class TRadioGroup : public TCustomControl {
public:
    explicit TRadioGroup(TComponent* owner);
    String ClassName() const override { return "TRadioGroup"; }

    const TStrings& Items() const { return FItems; }
    void SetItems(const TStrings& items);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return FColumns; }
    void SetColumns(int columns);
    // The item buttons, for keyboard focus and tests.
    int ButtonCount() const { return int(FButtons.size()); }
    TRadioButton* Button(int index) const { return FButtons.at(std::size_t(index)); }

protected:
    void Paint() override;
    void BoundsChanged() override { ArrangeButtons(); }
    void FontChanged() override;
    void CaptionChanged() override;
    void Loaded() override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    void ButtonClicked(TObject* sender);
    TStrings FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    std::vector<TRadioButton*> FButtons;
    bool FSetting = false;
};

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    String ClassName() const override { return "TMemo"; }

    // A copy of the text, one string a line.
    TStrings Lines() const;
    void SetLines(const TStrings& lines);
    // The whole text; CR LF or LF end a line.
    void SetText(const String& text);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wrap);

protected:
    void ColorChanged() override;

private:
    bool FReadOnly = false;
    TScrollStyle FScrollBars = TScrollStyle::ssNone;
    bool FWordWrap = true;
};
