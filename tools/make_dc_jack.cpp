// Draws the polarity symbol of the DC power jack (centre pin positive) as an
// 8-bit palettised BMP, black on white, without anti-aliasing so that it stays
// crisp at 1:1.
//
//   make_dc_jack <output.bmp>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 112;
constexpr int kHeight = 48;
constexpr int kCentreX = 56;
constexpr int kCentreY = 24;
constexpr std::uint32_t kPixelsPerMetre = 2835;   // 72 dpi

QImage drawSymbol()
{
    QImage img(kWidth, kHeight, QImage::Format_Grayscale8);
    img.fill(255);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);

    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const int gndRight = 1 + metrics.horizontalAdvance("GND");
    const int plusLeft = kWidth - 1 - metrics.horizontalAdvance("+5V");
    p.drawText(QRect(1, kCentreY - 8, gndRight, 16), Qt::AlignLeft | Qt::AlignVCenter, "GND");
    p.drawText(QRect(plusLeft, kCentreY - 8, kWidth - plusLeft, 16), Qt::AlignLeft | Qt::AlignVCenter, "+5V");

    // Sleeve contact: a C open towards the positive side.
    const int r = 12;
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(kCentreX - r, kCentreY - r, 2 * r, 2 * r), 40 * 16, 280 * 16);
    // Lead from GND into the back of the C.
    const int gap = 3;
    p.fillRect(QRect(gndRight + gap, kCentreY - 1, kCentreX - r - gndRight - gap, 2), Qt::black);
    // Lead from the centre pin out through the opening.
    p.fillRect(QRect(kCentreX, kCentreY - 1, plusLeft - gap - kCentreX, 2), Qt::black);
    p.end();
    // The pin is set pixel by pixel: an aliased QPainter ellipse is not placed
    // symmetrically about the two-pixel lead.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double dx = x + 0.5 - kCentreX;
            const double dy = y + 0.5 - kCentreY;
            if (dx * dx + dy * dy <= 4.3 * 4.3)
                img.scanLine(y)[x] = 0;
        }
    return img;
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

// 8 bits per pixel with a grey-ramp palette, so index 0 is black and 255 white.
std::vector<std::uint8_t> encodeBmp(const QImage& grey)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(grey.width()) + 3u) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(grey.height());
    const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;

    std::vector<std::uint8_t> out;
    out.reserve(pixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageBytes);
    put32(out, 0);
    put32(out, pixelOffset);

    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(grey.width()));
    put32(out, static_cast<std::uint32_t>(grey.height()));   // positive: bottom-up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);                                           // BI_RGB
    put32(out, imageBytes);
    put32(out, kPixelsPerMetre);
    put32(out, kPixelsPerMetre);
    put32(out, 256);
    put32(out, 0);

    for (int i = 0; i < 256; ++i) {
        const auto v = static_cast<std::uint8_t>(i);
        out.insert(out.end(), {v, v, v, 0});   // blue, green, red, reserved
    }
    for (int y = grey.height() - 1; y >= 0; --y) {
        const std::uint8_t* line = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            out.push_back(line[x] < 128 ? 0 : 255);
        out.insert(out.end(), rowBytes - static_cast<std::uint32_t>(grey.width()), 0);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    // Needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const std::vector<std::uint8_t> bmp = encodeBmp(drawSymbol());
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::fprintf(stderr, "cannot open %s for writing\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bmp.data(), 1, bmp.size(), f) == bmp.size();
    if (std::fclose(f) != 0 || !written) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
