#include "toolkit/bitmap.h"

#include <QImage>
#include <stdexcept>

#include "toolkit/jpeg_image.h"

// ---- TBitmap -----------------------------------------------------------

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return FImage->width(); }
int TBitmap::Height() const { return FImage->height(); }

void TBitmap::SetSize(int width, int height) {
    if (width == Width() && height == Height()) return;
    if (FCanvas) FCanvas->Flush();
    if (width <= 0 || height <= 0) {
        *FImage = QImage();
        return;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    *FImage = std::move(image);
}

std::uint32_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= Height()) throw std::out_of_range("scan line out of range");
    if (FCanvas) FCanvas->Flush();
    return reinterpret_cast<std::uint32_t*>(FImage->scanLine(row));
}

const std::uint32_t* TBitmap::ScanLine(int row) const {
    if (row < 0 || row >= Height()) throw std::out_of_range("scan line out of range");
    if (FCanvas) FCanvas->Flush();
    return reinterpret_cast<const std::uint32_t*>(FImage->constScanLine(row));
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(FImage.get());
    return *FCanvas;
}

void TBitmap::LoadFromBytes(std::string_view bytes) {
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "BMP"))
        throw std::runtime_error("Bitmap image is not valid");
    if (FCanvas) FCanvas->Flush();
    *FImage = image.convertToFormat(QImage::Format_RGB32);
}

const QImage& TBitmap::Image() const {
    if (FCanvas) FCanvas->Flush();
    return *FImage;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const {
    auto copy = std::make_unique<TBitmap>();
    *copy->FImage = Image().copy();
    copy->SetTransparent(Transparent());
    return copy;
}

// ---- TPicture ----------------------------------------------------------

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed() {
    if (OnChange) OnChange(nullptr);
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    Changed();
}

void TPicture::Assign(const TPicture& other) {
    if (&other == this) {
        Changed();
        return;
    }
    FGraphic = other.FGraphic ? other.FGraphic->Clone() : nullptr;
    Changed();
}

void TPicture::LoadFromBytes(std::string_view bytes) {
    auto starts = [&](std::string_view sig) { return bytes.substr(0, sig.size()) == sig; };
    if (starts("\xFF\xD8")) {
        auto jpeg = std::make_unique<TJPEGImage>();
        jpeg->LoadFromBytes(bytes);
        SetGraphic(std::move(jpeg));
    } else if (starts("BM")) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->LoadFromBytes(bytes);
        SetGraphic(std::move(bitmap));
    } else {
        throw std::runtime_error("Unknown picture file format");
    }
}
