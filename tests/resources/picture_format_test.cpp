// Format checks for the committed pictures. The window embeds them as they
// are, so a regenerated file that drifts from the expected format would only
// show up as a broken picture at run time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#ifndef RESOURCE_DIR
#error "RESOURCE_DIR must name the folder holding the committed pictures"
#endif

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes readResource(const std::string& name)
{
    std::ifstream in(std::string(RESOURCE_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t be16(const Bytes& d, std::size_t at) { return static_cast<std::uint32_t>(d.at(at) << 8 | d.at(at + 1)); }
std::uint32_t be32(const Bytes& d, std::size_t at) { return be16(d, at) << 16 | be16(d, at + 2); }
std::uint32_t le16(const Bytes& d, std::size_t at) { return static_cast<std::uint32_t>(d.at(at) | d.at(at + 1) << 8); }
std::uint32_t le32(const Bytes& d, std::size_t at) { return le16(d, at) | le16(d, at + 2) << 16; }
std::int32_t le32s(const Bytes& d, std::size_t at) { return static_cast<std::int32_t>(le32(d, at)); }

std::string text(const Bytes& d, std::size_t at, std::size_t n)
{
    return std::string(d.begin() + static_cast<std::ptrdiff_t>(at), d.begin() + static_cast<std::ptrdiff_t>(at + n));
}

// ---------------------------------------------------------------- JPEG

struct Segment {
    std::uint8_t marker;
    Bytes payload;
};

struct JpegLayout {
    std::vector<Segment> segments;   // every marker segment, in file order
    bool wellFormed = false;         // the walk reached EOI at the very end
};

// Walks the marker segments, stepping over the entropy-coded data after each SOS.
JpegLayout walkJpeg(const Bytes& d)
{
    JpegLayout out;
    if (d.size() < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return out;
    std::size_t i = 2;
    while (i + 1 < d.size()) {
        if (d[i] != 0xFF)
            return out;
        const std::uint8_t marker = d[i + 1];
        if (marker == 0xFF) {   // fill byte
            ++i;
            continue;
        }
        if (marker == 0xD9) {
            out.wellFormed = i + 2 == d.size();
            return out;
        }
        if (i + 4 > d.size())
            return out;
        const std::size_t len = be16(d, i + 2);
        if (len < 2 || i + 2 + len > d.size())
            return out;
        out.segments.push_back({marker, Bytes(d.begin() + static_cast<std::ptrdiff_t>(i + 4),
                                              d.begin() + static_cast<std::ptrdiff_t>(i + 2 + len))});
        i += 2 + len;
        if (marker == 0xDA) {
            // Entropy-coded data ends at the first marker that is neither stuffing nor a restart.
            while (i + 1 < d.size() && !(d[i] == 0xFF && d[i + 1] != 0x00 && (d[i + 1] < 0xD0 || d[i + 1] > 0xD7)))
                ++i;
        }
    }
    return out;
}

std::vector<const Segment*> segmentsWith(const JpegLayout& j, std::uint8_t marker)
{
    std::vector<const Segment*> out;
    for (const Segment& s : j.segments)
        if (s.marker == marker)
            out.push_back(&s);
    return out;
}

// Joins the ICC_PROFILE chunks of the APP2 segments in sequence order.
Bytes iccProfile(const JpegLayout& j)
{
    const std::string tag("ICC_PROFILE", 12);
    std::map<int, Bytes> chunks;
    for (const Segment* s : segmentsWith(j, 0xE2)) {
        if (s->payload.size() < 14 || text(s->payload, 0, 12) != tag)
            continue;
        chunks[s->payload[12]] = Bytes(s->payload.begin() + 14, s->payload.end());
    }
    Bytes out;
    for (const auto& [seq, data] : chunks)
        out.insert(out.end(), data.begin(), data.end());
    return out;
}

class BoardPhoto : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = readResource("board_photo.jpg");
        ASSERT_FALSE(data.empty()) << "board_photo.jpg missing from " << RESOURCE_DIR;
        layout = walkJpeg(data);
    }
    Bytes data;
    JpegLayout layout;
};

TEST_F(BoardPhoto, IsACompleteJpegStream)
{
    ASSERT_GE(data.size(), 4u);
    EXPECT_EQ(data[0], 0xFF);
    EXPECT_EQ(data[1], 0xD8);
    EXPECT_EQ(data[data.size() - 2], 0xFF);
    EXPECT_EQ(data[data.size() - 1], 0xD9);
    EXPECT_TRUE(layout.wellFormed) << "marker walk did not end at a final EOI";
}

TEST_F(BoardPhoto, StartsWithJfif101At72Dpi)
{
    ASSERT_FALSE(layout.segments.empty());
    const Segment& app0 = layout.segments.front();
    ASSERT_EQ(app0.marker, 0xE0) << "JFIF APP0 must directly follow SOI";
    ASSERT_GE(app0.payload.size(), 12u);
    EXPECT_EQ(text(app0.payload, 0, 5), std::string("JFIF", 5));
    EXPECT_EQ(app0.payload[5], 1) << "major version";
    EXPECT_EQ(app0.payload[6], 1) << "minor version";
    EXPECT_EQ(app0.payload[7], 1) << "density unit must be dots per inch";
    EXPECT_EQ(be16(app0.payload, 8), 72u);
    EXPECT_EQ(be16(app0.payload, 10), 72u);
}

TEST_F(BoardPhoto, IsOneProgressiveColourFrameOfTheWindowSize)
{
    std::vector<std::uint8_t> frames;
    for (const Segment& s : layout.segments)
        if (s.marker >= 0xC0 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 && s.marker != 0xCC)
            frames.push_back(s.marker);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames.front(), 0xC2) << "expected a progressive Huffman frame (SOF2)";

    const Segment* sof = segmentsWith(layout, 0xC2).front();
    ASSERT_GE(sof->payload.size(), 6u);
    EXPECT_EQ(sof->payload[0], 8) << "sample precision";
    EXPECT_EQ(be16(sof->payload, 1), 446u) << "height";
    EXPECT_EQ(be16(sof->payload, 3), 600u) << "width";
    EXPECT_EQ(sof->payload[5], 3) << "components";
    EXPECT_GT(segmentsWith(layout, 0xDA).size(), 1u) << "a progressive image is sent in several scans";
}

TEST_F(BoardPhoto, CarriesAnRgbDisplayIccProfile)
{
    const Bytes icc = iccProfile(layout);
    ASSERT_GE(icc.size(), 132u) << "no ICC_PROFILE APP2 segment";
    EXPECT_EQ(be32(icc, 0), icc.size()) << "profile size field";
    EXPECT_EQ(text(icc, 12, 4), "mntr");
    EXPECT_EQ(text(icc, 16, 4), "RGB ");
    EXPECT_EQ(text(icc, 20, 4), "XYZ ");
    EXPECT_EQ(text(icc, 36, 4), "acsp");

    // Every tag lies inside the profile and has the type a colour engine expects.
    std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> tags;
    const std::uint32_t count = be32(icc, 128);
    ASSERT_LE(132u + 12u * count, icc.size());
    for (std::uint32_t t = 0; t < count; ++t) {
        const std::size_t at = 132 + 12 * t;
        const std::uint32_t offset = be32(icc, at + 4);
        const std::uint32_t size = be32(icc, at + 8);
        EXPECT_EQ(offset % 4, 0u) << text(icc, at, 4) << " is not 4-byte aligned";
        ASSERT_LE(std::uint64_t(offset) + size, icc.size()) << text(icc, at, 4) << " runs past the end";
        tags[text(icc, at, 4)] = {offset, size};
    }
    const std::map<std::string, std::vector<std::string>> required = {
        {"desc", {"desc", "mluc"}}, {"cprt", {"text", "mluc"}}, {"wtpt", {"XYZ "}},
        {"rXYZ", {"XYZ "}},         {"gXYZ", {"XYZ "}},         {"bXYZ", {"XYZ "}},
        {"rTRC", {"curv", "para"}}, {"gTRC", {"curv", "para"}}, {"bTRC", {"curv", "para"}},
    };
    for (const auto& [sig, types] : required) {
        ASSERT_TRUE(tags.count(sig)) << "missing tag " << sig;
        const std::string type = text(icc, tags[sig].first, 4);
        EXPECT_NE(std::find(types.begin(), types.end(), type), types.end()) << sig << " has type " << type;
    }

    // The three primaries of an RGB display add up to its (D50) white.
    auto xyz = [&](const std::string& sig, int k) {
        return static_cast<std::int32_t>(be32(icc, tags[sig].first + 8 + 4 * k)) / 65536.0;
    };
    const double d50[3] = {0.9642, 1.0, 0.8249};
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(xyz("wtpt", k), d50[k], 0.002);
        EXPECT_NEAR(xyz("rXYZ", k) + xyz("gXYZ", k) + xyz("bXYZ", k), d50[k], 0.003);
    }
}

// ---------------------------------------------------------------- BMP

constexpr int kBmpWidth = 112;
constexpr int kBmpHeight = 48;
constexpr std::size_t kPaletteOffset = 14 + 40;
constexpr std::size_t kPixelOffset = kPaletteOffset + 256 * 4;

class DcJackSymbol : public ::testing::Test {
protected:
    void SetUp() override
    {
        data = readResource("dc_jack.bmp");
        ASSERT_EQ(data.size(), kPixelOffset + std::size_t(kBmpWidth) * kBmpHeight);
    }

    // Colour of the pixel at (x, y) counted from the top left, as 0xRRGGBB.
    std::uint32_t pixel(int x, int y) const
    {
        const std::size_t row = static_cast<std::size_t>(kBmpHeight - 1 - y);   // stored bottom-up
        const std::uint8_t index = data.at(kPixelOffset + row * kBmpWidth + static_cast<std::size_t>(x));
        return paletteEntry(index);
    }
    std::uint32_t paletteEntry(int index) const
    {
        const std::size_t at = kPaletteOffset + 4 * static_cast<std::size_t>(index);
        return std::uint32_t(data.at(at + 2)) << 16 | std::uint32_t(data.at(at + 1)) << 8 | data.at(at);
    }
    Bytes data;
};

TEST_F(DcJackSymbol, HeadersDescribeAn8BitPalettedBottomUpImage)
{
    EXPECT_EQ(text(data, 0, 2), "BM");
    struct Field {
        const char* name;
        std::size_t offset;
        int bytes;
        std::int64_t expected;
    };
    const Field fields[] = {
        {"bfSize", 2, 4, 6454},     {"bfOffBits", 10, 4, 1078}, {"biSize", 14, 4, 40},
        {"biWidth", 18, 4, 112},    {"biHeight", 22, 4, 48},    {"biPlanes", 26, 2, 1},
        {"biBitCount", 28, 2, 8},   {"biCompression", 30, 4, 0}, {"biSizeImage", 34, 4, 5376},
    };
    for (const Field& f : fields) {
        const std::int64_t value = f.bytes == 2 ? le16(data, f.offset) : le32s(data, f.offset);
        EXPECT_EQ(value, f.expected) << f.name;
    }
    const std::int32_t ppmX = le32s(data, 38);
    const std::int32_t ppmY = le32s(data, 42);
    EXPECT_TRUE(ppmX == 2835 || ppmX == 3780) << "biXPelsPerMeter " << ppmX;
    EXPECT_EQ(ppmY, ppmX) << "pixels must be square";
    const std::uint32_t used = le32(data, 46);
    EXPECT_TRUE(used == 0 || used == 256) << "biClrUsed " << used;
}

TEST_F(DcJackSymbol, PaletteHoldsBlackAndWhite)
{
    EXPECT_EQ(paletteEntry(0), 0x000000u);
    EXPECT_EQ(paletteEntry(255), 0xFFFFFFu);
}

TEST_F(DcJackSymbol, IsCrispBlackOnWhite)
{
    int black = 0;
    for (int y = 0; y < kBmpHeight; ++y)
        for (int x = 0; x < kBmpWidth; ++x) {
            const std::uint32_t c = pixel(x, y);
            ASSERT_TRUE(c == 0x000000u || c == 0xFFFFFFu) << "grey pixel at " << x << "," << y;
            black += c == 0 ? 1 : 0;
        }
    // Enough ink for the two labels and the jack, still mostly background.
    EXPECT_GT(black, 250);
    EXPECT_LT(black, kBmpWidth * kBmpHeight / 4);
}

TEST_F(DcJackSymbol, CentrePinIsInsideTheSleeveAndCornersAreBlank)
{
    struct Probe {
        int x;
        int y;
        std::uint32_t colour;
        const char* what;
    };
    const Probe probes[] = {
        {0, 0, 0xFFFFFF, "top left corner"},
        {111, 0, 0xFFFFFF, "top right corner"},
        {0, 47, 0xFFFFFF, "bottom left corner"},
        {111, 47, 0xFFFFFF, "bottom right corner"},
        {56, 24, 0x000000, "centre pin"},
        {56, 12, 0x000000, "top of the sleeve"},
        {50, 18, 0xFFFFFF, "gap between pin and sleeve"},
        {75, 24, 0x000000, "lead from the centre pin"},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(pixel(p.x, p.y), p.colour) << p.what << " at " << p.x << "," << p.y;
}

} // namespace
