#include "jpeg_export.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

bool writeProgressiveJpeg(const QImage& image, const std::string& path, int quality,
                          const std::vector<std::uint8_t>& iccProfile, std::string* error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    // Encode to memory first so a failure never leaves a truncated file behind.
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr jerr {};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&cinfo, &buffer, &bufferSize);

    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1;
    cinfo.X_density = 72;
    cinfo.Y_density = 72;
    cinfo.optimize_coding = TRUE;
    jpeg_simple_progression(&cinfo);

    jpeg_start_compress(&cinfo, TRUE);
    jpeg_write_icc_profile(&cinfo, iccProfile.data(), static_cast<unsigned int>(iccProfile.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::unique_ptr<unsigned char, decltype(&std::free)> owned(buffer, &std::free);

    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        if (error)
            *error = "cannot open " + path + " for writing";
        return false;
    }
    const bool ok = std::fwrite(buffer, 1, bufferSize, f) == bufferSize;
    if (std::fclose(f) != 0 || !ok) {
        if (error)
            *error = "cannot write " + path;
        return false;
    }
    return true;
}
