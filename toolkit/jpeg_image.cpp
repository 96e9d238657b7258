#include "toolkit/jpeg_image.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void OnJpegError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

extern "C" void OnJpegMessage(j_common_ptr, int) {}  // warnings stay silent

// Decodes into `pixels` (RGB, 3 bytes a pixel). No C++ object with a
// destructor lives between setjmp and the calls that may jump back to it.
bool Decode(const unsigned char* data, unsigned long size, std::vector<unsigned char>& pixels, int& width,
            int& height, char* message) {
    jpeg_decompress_struct info;
    ErrorManager err;
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnJpegError;
    err.base.emit_message = OnJpegMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;  // defaults otherwise: integer IDCT, smooth upsampling
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    pixels.resize(std::size_t(width) * std::size_t(height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &pixels[std::size_t(info.output_scanline) * std::size_t(width) * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

TJPEGImage::TJPEGImage() : FImage(std::make_unique<QImage>()) {}
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromBytes(std::string_view bytes) {
    std::vector<unsigned char> pixels;
    int width = 0, height = 0;
    char message[JMSG_LENGTH_MAX];
    if (bytes.empty()) throw std::runtime_error("JPEG error: empty data");
    if (!Decode(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()),
                pixels, width, height, message))
        throw std::runtime_error(std::string("JPEG error: ") + message);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const unsigned char* in = &pixels[std::size_t(y) * std::size_t(width) * 3];
        for (int x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[0], in[1], in[2]);
    }
    *FImage = std::move(image);
}

int TJPEGImage::Width() const { return FImage->width(); }
int TJPEGImage::Height() const { return FImage->height(); }
const QImage& TJPEGImage::Image() const { return *FImage; }

std::unique_ptr<TGraphic> TJPEGImage::Clone() const {
    auto copy = std::make_unique<TJPEGImage>();
    *copy->FImage = *FImage;  // implicitly shared, never written
    copy->SetTransparent(Transparent());
    return copy;
}
