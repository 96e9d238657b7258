#pragma once
// Standard windowed controls: push buttons and multi-line text boxes.

#include "toolkit/strings.h"
#include "toolkit/win_control.h"

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

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    String ClassName() const override { return "TMemo"; }

    // A copy of the text, one string a line.
    TStrings Lines() const;
    void SetLines(const TStrings& lines);
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
