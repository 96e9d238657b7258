#pragma once
// Windowless picture controls: an image showing a picture, and a paint box
// whose owner draws it.

#include "toolkit/bitmap.h"
#include "toolkit/control.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);
    String ClassName() const override { return "TImage"; }

    TPicture& Picture() { return FPicture; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);

protected:
    void Paint() override;

private:
    void PictureChanged();
    TPicture FPicture;
    bool FAutoSize = false;
    bool FStretch = false;
    bool FCenter = false;
};

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* owner);
    String ClassName() const override { return "TPaintBox"; }

    // Draws the box through Canvas(); runs at every paint.
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
