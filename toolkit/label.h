#pragma once
// A windowless text label.

#include "toolkit/control.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);
    String ClassName() const override { return "TLabel"; }

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout layout);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wrap);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);

    // The size the caption needs in the current font.
    TPoint TextExtent() const;
    void Loaded() override;

protected:
    void Paint() override;
    void CaptionChanged() override { AdjustSize(); }
    void FontChanged() override;

private:
    void AdjustSize();
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TTextLayout FLayout = TTextLayout::tlTop;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
};
