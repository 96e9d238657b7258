#include "srgb_icc.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v >> 8));
        u8(static_cast<std::uint8_t>(v));
    }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v >> 16));
        u16(static_cast<std::uint16_t>(v));
    }
    void sig(const char (&s)[5]) { bytes_.insert(bytes_.end(), s, s + 4); }
    void s15Fixed16(double v) { u32(static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(v * 65536.0)))); }
    void zeros(std::size_t n) { bytes_.insert(bytes_.end(), n, 0); }
    void text(const std::string& s) { bytes_.insert(bytes_.end(), s.begin(), s.end()); }
    void padTo4()
    {
        while (bytes_.size() % 4 != 0)
            u8(0);
    }
    void put32At(std::size_t pos, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_[pos + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

std::vector<std::uint8_t> descTag(const std::string& name)
{
    ByteWriter w;
    w.sig("desc");
    w.zeros(4);
    w.u32(static_cast<std::uint32_t>(name.size() + 1));
    w.text(name);
    w.u8(0);
    w.u32(0);   // Unicode language
    w.u32(0);   // Unicode count
    w.u16(0);   // ScriptCode code
    w.u8(0);    // ScriptCode count
    w.zeros(67);
    return w.bytes();
}

std::vector<std::uint8_t> textTag(const std::string& s)
{
    ByteWriter w;
    w.sig("text");
    w.zeros(4);
    w.text(s);
    w.u8(0);
    return w.bytes();
}

std::vector<std::uint8_t> xyzTag(double x, double y, double z)
{
    ByteWriter w;
    w.sig("XYZ ");
    w.zeros(4);
    w.s15Fixed16(x);
    w.s15Fixed16(y);
    w.s15Fixed16(z);
    return w.bytes();
}

std::vector<std::uint8_t> srgbCurveTag()
{
    // A sampled table rather than a parametric curve: 'para' is v4 only.
    constexpr int kEntries = 1024;
    ByteWriter w;
    w.sig("curv");
    w.zeros(4);
    w.u32(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        const double v = static_cast<double>(i) / (kEntries - 1);
        const double lin = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        w.u16(static_cast<std::uint16_t>(std::lround(lin * 65535.0)));
    }
    return w.bytes();
}

struct Tag {
    char sig[5];
    int dataIndex;
};

} // namespace

std::vector<std::uint8_t> buildSrgbIccProfile()
{
    const std::vector<std::vector<std::uint8_t>> data = {
        descTag("sRGB IEC61966-2.1"),
        textTag("No copyright, use freely"),
        xyzTag(0.9642, 1.0, 0.8249),
        // Bradford-adapted sRGB primaries, as found in common sRGB profiles.
        xyzTag(0.4360657, 0.2224884, 0.0139160),
        xyzTag(0.3851471, 0.7168732, 0.0970764),
        xyzTag(0.1430664, 0.0606079, 0.7140961),
        srgbCurveTag(),
    };
    // The three TRC tags share one curve, which the format allows.
    const Tag tags[] = {
        {"desc", 0}, {"cprt", 1}, {"wtpt", 2}, {"rXYZ", 3}, {"gXYZ", 4},
        {"bXYZ", 5}, {"rTRC", 6}, {"gTRC", 6}, {"bTRC", 6},
    };
    constexpr std::uint32_t kTagCount = sizeof(tags) / sizeof(tags[0]);

    std::vector<std::uint32_t> offsets(data.size());
    std::uint32_t pos = 128 + 4 + 12 * kTagCount;
    for (std::size_t i = 0; i < data.size(); ++i) {
        offsets[i] = pos;
        pos += static_cast<std::uint32_t>((data[i].size() + 3) / 4 * 4);
    }

    ByteWriter w;
    w.u32(0);                 // size, patched below
    w.u32(0);                 // preferred CMM
    w.u32(0x02100000);        // version 2.1
    w.sig("mntr");
    w.sig("RGB ");
    w.sig("XYZ ");
    // Fixed creation date so that regenerated files are identical.
    for (std::uint16_t v : {2024, 1, 1, 0, 0, 0})
        w.u16(v);
    w.sig("acsp");
    w.u32(0);                 // platform
    w.u32(0);                 // flags
    w.u32(0);                 // device manufacturer
    w.u32(0);                 // device model
    w.zeros(8);               // device attributes
    w.u32(0);                 // perceptual intent
    w.s15Fixed16(0.9642);     // PCS illuminant D50
    w.s15Fixed16(1.0);
    w.s15Fixed16(0.8249);
    w.u32(0);                 // creator
    w.zeros(44);
    w.u32(kTagCount);
    for (const Tag& t : tags) {
        w.text(std::string(t.sig, 4));
        w.u32(offsets[t.dataIndex]);
        w.u32(static_cast<std::uint32_t>(data[t.dataIndex].size()));
    }
    for (const auto& d : data) {
        w.bytes().insert(w.bytes().end(), d.begin(), d.end());
        w.padTo4();
    }
    w.put32At(0, static_cast<std::uint32_t>(w.size()));
    return std::move(w.bytes());
}
