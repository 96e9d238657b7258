#pragma once
// Pictures: the graphic base, bitmaps with row access, and the picture
// holder with its change notification.

#include <cstdint>
#include <memory>
#include <string_view>

#include "toolkit/graphics.h"

class QImage;

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual String ClassName() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent) { FTransparent = transparent; }
    // Palettes only matter on palette displays, which this toolkit does not drive.
    bool PaletteModified() const { return false; }
    // The pixels to draw, as a 32-bit image.
    virtual const QImage& Image() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

private:
    bool FTransparent = false;
};

// A 32-bit bitmap. Each row is Width() pixels of 0x00RRGGBB
// (bytes blue, green, red, unused), top row first.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    String ClassName() const override { return "TBitmap"; }

    int Width() const override;
    int Height() const override;
    void SetSize(int width, int height);  // new pixels are white
    std::uint32_t* ScanLine(int row);
    const std::uint32_t* ScanLine(int row) const;
    // A canvas on the whole bitmap; painting through it ends with Canvas().Flush().
    TCanvas& Canvas();

    // Windows bitmap files (any depth Qt reads); throws on bad data.
    void LoadFromBytes(std::string_view bytes);

    const QImage& Image() const override;
    std::unique_ptr<TGraphic> Clone() const override;

private:
    std::unique_ptr<QImage> FImage;
    std::unique_ptr<TCanvas> FCanvas;
};

class TPicture {
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    // Copies the other picture's graphic; always raises OnChange.
    void Assign(const TPicture& other);
    // Recognises JPEG and Windows bitmap data by their signatures; throws on
    // anything else or on damaged data.
    void LoadFromBytes(std::string_view bytes);

    std::function<void(TObject*)> OnChange;

private:
    void Changed();
    std::unique_ptr<TGraphic> FGraphic;
};
