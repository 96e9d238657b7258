#pragma once
// JPEG pictures, decoded with libjpeg's default (accurate) settings so the
// pixels are what any viewer shows.

#include <string_view>

#include "toolkit/bitmap.h"

class TJPEGImage : public TGraphic {
public:
    TJPEGImage();
    ~TJPEGImage() override;
    String ClassName() const override { return "TJPEGImage"; }

    // Throws std::runtime_error with libjpeg's message on damaged data.
    void LoadFromBytes(std::string_view bytes);

    int Width() const override;
    int Height() const override;
    const QImage& Image() const override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    std::unique_ptr<QImage> FImage;
};
