#include "setupctrls/board_image.h"

#include "setupctrls/board_highlight.h"

TBoardImage::TBoardImage(TComponent* owner) : TCustomPanel(owner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBevelOuter(TBevelCut::bvNone);
    SetBounds(Left(), Top(), 105, 105);
}

TBoardImage::~TBoardImage() = default;

void TBoardImage::SetStretch(bool stretch) {
    if (stretch == FStretch) return;
    FStretch = stretch;
    PictureChanged();
}

void TBoardImage::SetCenter(bool center) {
    if (center == FCenter) return;
    FCenter = center;
    PictureChanged();
}

void TBoardImage::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    PictureChanged();
}

void TBoardImage::SetScale(bool scale) {
    if (scale == FScale) return;
    FScale = scale;
    PictureChanged();
}

void TBoardImage::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    int w = Width(), h = Height();
    if (FAutoSize && CanAutoSize(w, h)) SetBounds(Left(), Top(), w, h);
}

TRect TBoardImage::DestinationRect() const {
    if (FStretch) return ClientRect();
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (FCenter) {
        // Integer division truncates toward zero, as the layout expects.
        int left = (Width() - pw) / 2, top = (Height() - ph) / 2;
        return Bounds(left, top, pw, ph);
    }
    return {0, 0, pw, ph};
}

bool TBoardImage::CanAutoSize(int& width, int& height) const {
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (IsDesigning() && (pw <= 0 || ph <= 0)) return false;
    if (Align() == TAlign::alClient) return false;
    if (Align() == TAlign::alNone || Align() == TAlign::alLeft || Align() == TAlign::alRight) width = pw;
    if (Align() == TAlign::alNone || Align() == TAlign::alTop || Align() == TAlign::alBottom) height = ph;
    return true;
}

void TBoardImage::PictureChanged() {
    int pw = FPicture->Width(), ph = FPicture->Height();
    if (pw > 0 && ph > 0) FAspectRatio = double(static_cast<long double>(ph) / static_cast<long double>(pw));
    if (FAutoSize && pw > 0 && ph > 0) SetBounds(Left(), Top(), pw, ph);
    if (TGraphic* graphic = FPicture->Graphic()) {
        graphic->SetTransparent(FTransparent);
        FOpaque = !graphic->Transparent() && (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height()));
        // Palette realisation only matters on palette displays, which are not driven here.
    } else {
        FOpaque = false;
    }
    if (!FDrawing) Invalidate();
}

void TBoardImage::KeepCentred() {
    if (!FPositionRecorded) {
        FInitialLeft = Left();
        FInitialTop = Top();
        FPositionRecorded = true;
    }
    if (!FCenterOnForm || IsDesigning() || !Parent()) return;
    // The parent's full outer size (a window's frame and menu bar included).
    SetLeft((Parent()->Width() - Width()) / 2);
    SetTop((Parent()->Height() - Height()) / 2);
}

void TBoardImage::ParentResized() {
    // Centring before the parent shows its new size keeps the photo from
    // flashing at its old place; the paint would otherwise do it a frame late.
    if (FPositionRecorded || Showing()) KeepCentred();
}

void TBoardImage::Paint() {
    KeepCentred();
    TCanvas& canvas = Canvas();
    if (IsDesigning()) {
        if (FScale) SetHeight(RoundHalfEven(Width() * FAspectRatio));
        canvas.Pen.Style = TPenStyle::psDash;
        canvas.Pen.Color = clBlack;
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
        canvas.Pen.Style = TPenStyle::psSolid;
        canvas.Brush.Style = TBrushStyle::bsSolid;
    }
    bool saved = FDrawing;
    FDrawing = true;
    struct Restore {
        bool& flag;
        bool saved;
        ~Restore() { flag = saved; }
    } restore{FDrawing, saved};
    if (TGraphic* graphic = FPicture->Graphic()) canvas.StretchDraw(DestinationRect(), *graphic);
}

void TBoardImage::WndProc(TMessage& message) {
    if (message.Msg != WM_OPENFIRSTHIGHLIGHT) {
        TCustomPanel::WndProc(message);
        return;
    }
    if (!FFirst) return;
    // The first parameter is handed on as the relay mark.
    bool relayed = message.WParam != 0;
    FFirst->MouseEnter(relayed);
    FFirst->Click();
    FFirst->MouseLeave(relayed);
}
