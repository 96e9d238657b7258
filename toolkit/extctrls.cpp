#include "toolkit/extctrls.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    StoreBounds(0, 0, 105, 105);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
}

void TImage::PictureChanged() {
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), FPicture.Width(), FPicture.Height());
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    PictureChanged();
}

void TImage::SetStretch(bool stretch) {
    if (stretch == FStretch) return;
    FStretch = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center) {
    if (center == FCenter) return;
    FCenter = center;
    Invalidate();
}

void TImage::Paint() {
    const TGraphic* graphic = FPicture.Graphic();
    if (!graphic || graphic->Empty()) return;
    if (FStretch) {
        Canvas().StretchDraw(ClientRect(), *graphic);
    } else if (FCenter) {
        Canvas().Draw((Width() - graphic->Width()) / 2, (Height() - graphic->Height()) / 2, *graphic);
    } else {
        Canvas().Draw(0, 0, *graphic);
    }
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) { StoreBounds(0, 0, 105, 105); }

void TPaintBox::Paint() {
    if (OnPaint) OnPaint(this);
}
