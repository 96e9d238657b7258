#pragma once
// The option panel a highlight's popup shows: its options as child controls
// and a description text. Hidden until a popup takes it in; its anchors take
// effect only from then on.

#include "toolkit/panel.h"
#include "toolkit/strings.h"

class TMemo;

using TRadioPanelChangeEvent = std::function<void(TObject* sender)>;

class TRadioPanel : public TCustomPanel {
public:
    explicit TRadioPanel(TComponent* owner);
    String ClassName() const override { return "TRadioPanel"; }

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool enabled) { FRadioEnabled = enabled; }
    const TStrings& Lines() const { return FLines; }
    // Copies the strings; the panel keeps its own list.
    void SetLines(const TStrings& lines) { FLines.Assign(lines); }
    TMemo* Memo() const { return FMemo; }
    void SetMemo(TMemo* memo) { FMemo = memo; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int height) { FMemoHeight = height; }
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    // Applies at once only while a popup hosts the panel; always stored.
    void SetFinalAnchors(TAnchors anchors);
    bool Hosted() const { return FHosted; }
    void SetHosted(bool hosted) { FHosted = hosted; }
    bool DesignHidden() const { return FDesignHidden; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TRadioPanelChangeEvent OnRadioChange;  // stored; the panel never raises it

protected:
    void Paint() override;

private:
    bool FRadioEnabled = false;
    TStrings FLines;
    TMemo* FMemo = nullptr;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = DefaultAnchors;
    bool FHosted = false;
    bool FDesignHidden = false;
};
