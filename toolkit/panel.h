#pragma once
// Panels: a flat or bevelled area with an optional centred caption.

#include "toolkit/win_control.h"

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* owner);
    String ClassName() const override { return "TCustomPanel"; }

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    bool FullRepaint() const { return FFullRepaint; }
    void SetFullRepaint(bool full) { FFullRepaint = full; }

protected:
    void Paint() override;

private:
    TBevelCut FBevelOuter = TBevelCut::bvRaised;
    TBevelCut FBevelInner = TBevelCut::bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TAlignment FAlignment = TAlignment::taCenter;
    bool FFullRepaint = true;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
    String ClassName() const override { return "TPanel"; }
};
