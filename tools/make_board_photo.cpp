// Renders the board photograph shown in the main window and writes it as a
// progressive JPEG with an embedded sRGB profile.
//
//   make_board_photo <output.jpg>

#include "jpeg_export.h"
#include "srgb_icc.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 446;
constexpr double kPitch = 8.0;   // 0.1 inch at the scale of the photo
constexpr int kJpegQuality = 90;

// Own generator so the picture does not depend on the standard library's distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Roughly normal, unit variance.
    double gauss() { return (uniform() + uniform() + uniform() + uniform() - 2.0) * 1.7320508; }

private:
    std::uint64_t state_;
};

const QColor kLaminate(27, 92, 52);
const QColor kCopper(44, 116, 60);
const QColor kSilk(238, 240, 232);

QColor grey(int v, int alpha = 255) { return QColor(v, v, v, alpha); }

QFont silkFont(int pixelSize, bool bold = false)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// ---------------------------------------------------------------- blur and shadow

void boxBlur(std::vector<float>& buf, int w, int h, int radius)
{
    if (radius <= 0)
        return;
    std::vector<float> tmp(buf.size());
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    auto pass = [&](const std::vector<float>& src, std::vector<float>& dst, bool horizontal) {
        const int lines = horizontal ? h : w;
        const int len = horizontal ? w : h;
        for (int l = 0; l < lines; ++l) {
            auto at = [&](int i) -> float {
                i = std::clamp(i, 0, len - 1);
                return horizontal ? src[static_cast<std::size_t>(l * w + i)] : src[static_cast<std::size_t>(i * w + l)];
            };
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += at(i);
            for (int i = 0; i < len; ++i) {
                const std::size_t idx = horizontal ? static_cast<std::size_t>(l * w + i) : static_cast<std::size_t>(i * w + l);
                dst[idx] = sum * norm;
                sum += at(i + radius + 1) - at(i - radius);
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(buf, tmp, true);
        pass(tmp, buf, false);
    }
}

// Soft shadow of a shape, cast by a light above the top-left of the board.
void dropShadow(QPainter& p, const QPainterPath& shape, double blur, QPointF offset, double opacity)
{
    const QPainterPath dev = p.worldTransform().map(shape);
    const int margin = static_cast<int>(std::ceil(blur * 3)) + 2;
    const QRect box = dev.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage mask(box.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter mp(&mask);
        mp.setRenderHint(QPainter::Antialiasing);
        mp.translate(-box.topLeft());
        mp.fillPath(dev, Qt::black);
    }
    const int w = box.width();
    const int h = box.height();
    std::vector<float> a(static_cast<std::size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            a[static_cast<std::size_t>(y * w + x)] = mask.constScanLine(y)[x] / 255.0f;
    boxBlur(a, w, h, std::max(1, static_cast<int>(std::lround(blur / 1.7))));
    QImage shadow(box.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int alpha = std::clamp(static_cast<int>(a[static_cast<std::size_t>(y * w + x)] * opacity * 255.0 + 0.5), 0, 255);
            line[x] = qRgba(0, 8, 0, alpha);
        }
    }
    p.save();
    p.resetTransform();
    p.drawImage(QPointF(box.topLeft()) + offset, shadow);
    p.restore();
}

QPainterPath rectPath(const QRectF& r, double radius = 0)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

QPainterPath circlePath(QPointF c, double r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// ---------------------------------------------------------------- layers

// Everything on the board is drawn layer by layer so that silkscreen never
// covers a pad and a tall part's shadow falls over its lower neighbours.
struct Layers {
    using Step = std::function<void(QPainter&)>;
    std::vector<Step> silk;
    std::vector<Step> pads;
    std::vector<Step> low;
    std::vector<Step> high;
};

struct Trace {
    double width;
    std::vector<QPointF> points;
};

// Inserts 45 degree bends so that every segment is horizontal, vertical or diagonal.
std::vector<QPointF> octilinear(std::initializer_list<QPointF> waypoints)
{
    std::vector<QPointF> out;
    for (QPointF b : waypoints) {
        if (out.empty()) {
            out.push_back(b);
            continue;
        }
        const QPointF a = out.back();
        const double dx = b.x() - a.x();
        const double dy = b.y() - a.y();
        const double adx = std::abs(dx);
        const double ady = std::abs(dy);
        if (adx > 0.01 && ady > 0.01 && std::abs(adx - ady) > 0.01) {
            const double straight = std::abs(adx - ady);
            if (adx > ady)
                out.emplace_back(a.x() + std::copysign(straight, dx), a.y());
            else
                out.emplace_back(a.x(), a.y() + std::copysign(straight, dy));
        }
        out.push_back(b);
    }
    return out;
}

QPainterPath polyline(const std::vector<QPointF>& pts)
{
    QPainterPath path;
    path.moveTo(pts.front());
    for (std::size_t i = 1; i < pts.size(); ++i)
        path.lineTo(pts[i]);
    return path;
}

// ---------------------------------------------------------------- small drawing helpers

void tinnedPad(QPainter& p, const QRectF& r, double radius = 0.5)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, QColor(236, 236, 230));
    g.setColorAt(0.45, QColor(196, 197, 192));
    g.setColorAt(1.0, QColor(142, 143, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// A solder joint or round pad: a shallow silver dome.
void solderDome(QPainter& p, QPointF c, double r)
{
    QRadialGradient g(c, r, c + QPointF(-r * 0.35, -r * 0.4));
    g.setColorAt(0.0, QColor(252, 252, 248));
    g.setColorAt(0.35, QColor(206, 207, 202));
    g.setColorAt(0.85, QColor(140, 141, 138));
    g.setColorAt(1.0, QColor(105, 106, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void silkText(QPainter& p, QPointF at, const QString& text, int px, Qt::Alignment align, bool bold = false,
              double angle = 0)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setFont(silkFont(px, bold));
    p.setPen(kSilk);
    const QRectF box(-200, -50, 400, 100);
    QRectF target = box;
    if (align & Qt::AlignLeft)
        target = QRectF(0, -50, 400, 100);
    else if (align & Qt::AlignRight)
        target = QRectF(-400, -50, 400, 100);
    p.drawText(target, static_cast<int>((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), text);
    p.restore();
}

QPen silkPen(double width = 1.1)
{
    QPen pen(kSilk, width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Black moulded plastic seen from above, lit from the top left.
void plasticBlock(QPainter& p, const QRectF& r, double radius, int base = 34)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, grey(base + 22));
    g.setColorAt(0.5, grey(base));
    g.setColorAt(1.0, grey(std::max(0, base - 16)));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
    // Bevel: lit upper edge, dark lower edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(grey(140, 90), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.top() + 0.5), QPointF(r.right() - radius, r.top() + 0.5));
    p.drawLine(QPointF(r.left() + 0.5, r.top() + radius), QPointF(r.left() + 0.5, r.bottom() - radius));
    p.setPen(QPen(grey(0, 120), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.bottom() - 0.5), QPointF(r.right() - radius, r.bottom() - 0.5));
    p.drawLine(QPointF(r.right() - 0.5, r.top() + radius), QPointF(r.right() - 0.5, r.bottom() - radius));
}

// Square gold-plated header post seen end-on.
void headerPost(QPainter& p, QPointF c)
{
    const double s = 3.0;
    QRectF outer(c.x() - s / 2, c.y() - s / 2, s, s);
    QLinearGradient g(outer.topLeft(), outer.bottomRight());
    g.setColorAt(0.0, QColor(255, 240, 170));
    g.setColorAt(0.5, QColor(212, 170, 72));
    g.setColorAt(1.0, QColor(120, 88, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRect(outer.translated(0.8, 0.9));
    p.setBrush(g);
    p.drawRect(outer);
    p.setBrush(QColor(255, 246, 200, 200));
    p.drawRect(QRectF(c.x() - 0.7, c.y() - 0.7, 1.2, 1.2));
}

// Single row pin header along x, centred on c.
void pinHeader(Layers& L, QPointF c, int pins, double angle = 0)
{
    const double len = pins * kPitch;
    const QRectF body(-len / 2, -kPitch / 2 - 0.3, len, kPitch + 0.6);
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        dropShadow(p, rectPath(body, 0.8), 1.6, {1.6, 2.2}, 0.6);
        plasticBlock(p, body, 0.8, 36);
        // Moulding notches between the pin positions.
        p.setPen(QPen(grey(8, 200), 1.0));
        for (int i = 1; i < pins; ++i) {
            const double x = body.left() + i * kPitch;
            p.drawLine(QPointF(x, body.top() + 0.2), QPointF(x, body.top() + 1.4));
            p.drawLine(QPointF(x, body.bottom() - 1.4), QPointF(x, body.bottom() - 0.2));
        }
        for (int i = 0; i < pins; ++i)
            headerPost(p, QPointF(body.left() + (i + 0.5) * kPitch, 0));
        p.restore();
    });
}

// Jumper shunt covering two neighbouring posts; centre is between the two posts.
void jumperCap(Layers& L, QPointF c, double angle = 0)
{
    const QRectF body(-kPitch - 1.0, -kPitch / 2 - 0.9, 2 * kPitch + 2.0, kPitch + 1.8);
    L.high.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        dropShadow(p, rectPath(body, 1.4), 2.8, {3.4, 4.4}, 0.75);
        // Sloped sides.
        QLinearGradient side(body.topLeft(), body.bottomLeft());
        side.setColorAt(0.0, grey(92));
        side.setColorAt(0.25, grey(40));
        side.setColorAt(0.75, grey(22));
        side.setColorAt(1.0, grey(6));
        p.setPen(Qt::NoPen);
        p.setBrush(side);
        p.drawRoundedRect(body, 1.4, 1.4);
        // Glossy top face reflecting the lamp.
        const QRectF top = body.adjusted(1.5, 1.4, -1.5, -1.6);
        QLinearGradient g(top.topLeft(), top.bottomRight());
        g.setColorAt(0.0, grey(104));
        g.setColorAt(0.45, grey(52));
        g.setColorAt(1.0, grey(30));
        p.setBrush(g);
        p.drawRoundedRect(top, 0.8, 0.8);
        p.setPen(QPen(grey(190, 150), 0.8));
        p.drawLine(QPointF(top.left() + 1, top.top() + 0.4), QPointF(top.right() - 1, top.top() + 0.4));
        // Open end with a post tip inside.
        p.setPen(Qt::NoPen);
        p.setBrush(grey(6));
        p.drawRoundedRect(QRectF(top.right() - 5.0, -1.9, 3.8, 3.8), 0.6, 0.6);
        p.setBrush(QColor(196, 156, 66));
        p.drawRect(QRectF(top.right() - 3.9, -0.8, 1.6, 1.6));
        p.restore();
    });
}

// ---------------------------------------------------------------- surface-mount parts

enum class Chip { Resistor, Capacitor };

void chipPart(Layers& L, QPointF c, double angle, Chip kind, const QString& refdes = {}, int labelSide = 1,
              double len = 7.6, double wid = 4.4)
{
    if (!refdes.isEmpty()) {
        const bool vertical = std::abs(std::remainder(angle, 180.0)) > 45;
        const QPointF at = vertical ? c + QPointF(labelSide * 5.5, 0) : c + QPointF(0, labelSide * 8.0);
        const Qt::Alignment align = vertical ? (labelSide > 0 ? Qt::AlignLeft : Qt::AlignRight) : Qt::AlignHCenter;
        L.silk.push_back([=](QPainter& p) { silkText(p, at, refdes, 6, align); });
    }
    L.pads.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        tinnedPad(p, QRectF(-len / 2 - 1.2, -wid / 2 - 0.6, 3.4, wid + 1.2));
        tinnedPad(p, QRectF(len / 2 - 2.2, -wid / 2 - 0.6, 3.4, wid + 1.2));
        p.restore();
    });
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        const QRectF body(-len / 2, -wid / 2, len, wid);
        dropShadow(p, rectPath(body), 0.9, {0.7, 0.9}, 0.55);
        if (kind == Chip::Resistor) {
            p.fillRect(body, grey(24));
            p.fillRect(QRectF(body.left() + 1.6, body.top() + 0.3, len - 3.2, wid - 0.6), grey(18));
        } else {
            QLinearGradient g(body.topLeft(), body.bottomLeft());
            g.setColorAt(0.0, QColor(196, 160, 110));
            g.setColorAt(1.0, QColor(138, 104, 66));
            p.fillRect(body, g);
        }
        QLinearGradient cap(body.topLeft(), body.bottomLeft());
        cap.setColorAt(0.0, QColor(236, 236, 232));
        cap.setColorAt(1.0, QColor(150, 150, 146));
        p.fillRect(QRectF(body.left(), body.top(), 1.6, wid), cap);
        p.fillRect(QRectF(body.right() - 1.6, body.top(), 1.6, wid), cap);
        p.restore();
    });
}

// Gull-wing IC with leads on the two long sides; the long axis runs along x before rotation.
void soic(Layers& L, QPointF c, double angle, int perSide, double pitch, double bodyLen, double bodyWid,
          const QString& mark1, const QString& mark2, const QString& refdes)
{
    const double span = (perSide - 1) * pitch;
    L.silk.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        p.setPen(silkPen(1.0));
        const double x0 = -bodyLen / 2 - 2.0;
        p.drawLine(QPointF(x0, -bodyWid / 2), QPointF(x0, bodyWid / 2));
        p.drawLine(QPointF(-x0, -bodyWid / 2), QPointF(-x0, bodyWid / 2));
        p.setBrush(kSilk);
        p.drawEllipse(QPointF(x0 - 1.5, bodyWid / 2 + 6.5), 1.0, 1.0);
        p.restore();
        if (!refdes.isEmpty()) {
            const QTransform t = QTransform().translate(c.x(), c.y()).rotate(angle);
            silkText(p, t.map(QPointF(0, -bodyWid / 2 - 11.5)), refdes, 7, Qt::AlignHCenter);
        }
    });
    L.pads.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        for (int i = 0; i < perSide; ++i) {
            const double x = -span / 2 + i * pitch;
            tinnedPad(p, QRectF(x - pitch * 0.3, bodyWid / 2 + 0.4, pitch * 0.6, 5.6));
            tinnedPad(p, QRectF(x - pitch * 0.3, -bodyWid / 2 - 6.0, pitch * 0.6, 5.6));
        }
        p.restore();
    });
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        const QRectF body(-bodyLen / 2, -bodyWid / 2, bodyLen, bodyWid);
        dropShadow(p, rectPath(body, 0.8), 1.8, {1.4, 1.8}, 0.6);
        for (int i = 0; i < perSide; ++i) {
            const double x = -span / 2 + i * pitch;
            for (int side : {-1, 1}) {
                const QRectF lead(x - pitch * 0.2, side > 0 ? bodyWid / 2 - 0.5 : -bodyWid / 2 - 4.3, pitch * 0.4, 4.8);
                QLinearGradient g(QPointF(0, side * bodyWid / 2), QPointF(0, side * (bodyWid / 2 + 4.5)));
                g.setColorAt(0.0, grey(150));
                g.setColorAt(0.45, grey(240));
                g.setColorAt(1.0, grey(170));
                p.fillRect(lead, g);
            }
        }
        plasticBlock(p, body, 0.8, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(grey(24));
        p.drawEllipse(QPointF(body.left() + 2.8, body.bottom() - 2.8), 1.4, 1.4);
        p.setFont(silkFont(5));
        p.setPen(grey(150, 200));
        p.drawText(body.adjusted(1, 0.5, 0, -body.height() / 2 + 0.5), Qt::AlignCenter, mark1);
        p.drawText(body.adjusted(1, body.height() / 2 - 0.5, 0, -0.5), Qt::AlignCenter, mark2);
        p.restore();
    });
}

void qfp(Layers& L, QPointF c, double body, int perSide, double pitch, const QString& mark1,
         const QString& mark2, const QString& refdes)
{
    const double span = (perSide - 1) * pitch;
    L.silk.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.setPen(silkPen(1.0));
        const double e = body / 2 + 1.5;
        const double k = 3.5;
        for (int s = 0; s < 4; ++s) {
            p.drawLine(QPointF(-e, -e), QPointF(-e + k, -e));
            p.drawLine(QPointF(-e, -e), QPointF(-e, -e + k));
            p.rotate(90);
        }
        p.setBrush(kSilk);
        p.drawEllipse(QPointF(-e - 4, -e - 4), 1.3, 1.3);
        p.restore();
        silkText(p, c + QPointF(body / 2 + 14, -body / 2 - 10), refdes, 7, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < perSide; ++i) {
                const double y = -span / 2 + i * pitch;
                tinnedPad(p, QRectF(body / 2 + 0.6, y - pitch * 0.3, 6.4, pitch * 0.6), 0.3);
            }
            p.rotate(90);
        }
        p.restore();
    });
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        const QRectF r(-body / 2, -body / 2, body, body);
        dropShadow(p, rectPath(r, 1.2), 2.2, {1.8, 2.3}, 0.6);
        for (int s = 0; s < 4; ++s) {
            for (int i = 0; i < perSide; ++i) {
                const double y = -span / 2 + i * pitch;
                QLinearGradient g(QPointF(body / 2, 0), QPointF(body / 2 + 5, 0));
                g.setColorAt(0.0, grey(140));
                g.setColorAt(0.4, grey(238));
                g.setColorAt(1.0, grey(175));
                p.fillRect(QRectF(body / 2 - 0.5, y - pitch * 0.2, 5.4, pitch * 0.4), g);
            }
            p.rotate(90);
        }
        plasticBlock(p, r, 1.2, 40);
        p.setPen(Qt::NoPen);
        QRadialGradient dimple(QPointF(-body / 2 + 5, -body / 2 + 5), 2.4);
        dimple.setColorAt(0.0, grey(18));
        dimple.setColorAt(0.8, grey(28));
        dimple.setColorAt(1.0, grey(70));
        p.setBrush(dimple);
        p.drawEllipse(QPointF(-body / 2 + 5, -body / 2 + 5), 2.4, 2.4);
        p.setPen(grey(160, 210));
        p.setFont(silkFont(6, true));
        p.drawText(QRectF(-body / 2, -8, body, 8), Qt::AlignCenter, mark1);
        p.setFont(silkFont(5));
        p.drawText(QRectF(-body / 2, 1, body, 7), Qt::AlignCenter, mark2);
        p.restore();
    });
}

// ---------------------------------------------------------------- larger parts

void mountingHole(Layers& L, QPointF c)
{
    L.pads.push_back([=](QPainter& p) {
        QRadialGradient ring(c, 11.5, c + QPointF(-4, -4));
        ring.setColorAt(0.0, QColor(246, 246, 240));
        ring.setColorAt(0.55, QColor(200, 201, 196));
        ring.setColorAt(1.0, QColor(150, 151, 148));
        p.setPen(Qt::NoPen);
        p.setBrush(ring);
        p.drawEllipse(c, 11.5, 11.5);
        // Looking down the plated bore: the far, lit wall shows at the lower right.
        QRadialGradient bore(c + QPointF(1.6, 1.6), 6.5, c + QPointF(3.0, 3.0));
        bore.setColorAt(0.0, QColor(10, 12, 10));
        bore.setColorAt(0.7, QColor(16, 18, 16));
        bore.setColorAt(1.0, QColor(110, 108, 96));
        p.setBrush(bore);
        p.drawEllipse(c, 6.2, 6.2);
        p.setBrush(QColor(0, 0, 0, 200));
        p.drawEllipse(c + QPointF(-0.8, -0.8), 4.8, 4.8);
    });
}

void led3mm(Layers& L, QPointF c)
{
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath outline;
        outline.arcMoveTo(QRectF(c.x() - 9, c.y() - 9, 18, 18), 60);
        outline.arcTo(QRectF(c.x() - 9, c.y() - 9, 18, 18), 60, 240);
        outline.closeSubpath();
        p.drawPath(outline);
    });
    L.high.push_back([=](QPainter& p) {
        // Flange with the flat on the cathode side, then the domed lens.
        QPainterPath flange;
        flange.addEllipse(c, 7.0, 7.0);
        QPainterPath cut;
        cut.addRect(QRectF(c.x() + 5.6, c.y() - 8, 4, 16));
        flange = flange.subtracted(cut);
        dropShadow(p, flange, 2.4, {2.6, 3.2}, 0.6);
        QRadialGradient fg(c, 7.0, c + QPointF(-2, -2));
        fg.setColorAt(0.0, QColor(120, 230, 120, 235));
        fg.setColorAt(0.8, QColor(30, 150, 50, 235));
        fg.setColorAt(1.0, QColor(10, 80, 25, 240));
        p.setPen(Qt::NoPen);
        p.setBrush(fg);
        p.drawPath(flange);
        QRadialGradient lens(c, 5.6, c + QPointF(-1.8, -2.0));
        lens.setColorAt(0.0, QColor(190, 255, 190));
        lens.setColorAt(0.35, QColor(70, 215, 90));
        lens.setColorAt(0.9, QColor(20, 140, 45));
        lens.setColorAt(1.0, QColor(12, 100, 35));
        p.setBrush(lens);
        p.drawEllipse(c, 5.6, 5.6);
        // Lead frame seen through the lens.
        p.setBrush(QColor(30, 70, 30, 110));
        p.drawRect(QRectF(c.x() - 3.0, c.y() - 0.8, 2.6, 1.8));
        p.drawRect(QRectF(c.x() + 0.8, c.y() - 0.6, 2.0, 1.2));
        p.setBrush(QColor(255, 255, 255, 210));
        p.drawEllipse(c + QPointF(-2.0, -2.2), 1.5, 1.1);
    });
}

void crystal(Layers& L, QPointF c)
{
    const QRectF can(c.x() - 17, c.y() - 6.5, 34, 13);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(can.adjusted(-2.5, -2.5, 2.5, 2.5), 8, 8);
        silkText(p, QPointF(can.left() - 9, c.y()), "Y1", 7, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        tinnedPad(p, QRectF(can.left() - 1.5, c.y() - 4, 9, 8));
        tinnedPad(p, QRectF(can.right() - 7.5, c.y() - 4, 9, 8));
    });
    L.high.push_back([=](QPainter& p) {
        const QPainterPath shape = rectPath(can, 6.5);
        dropShadow(p, shape, 2.6, {2.6, 3.4}, 0.6);
        QLinearGradient g(can.topLeft(), can.bottomLeft());
        g.setColorAt(0.0, grey(120));
        g.setColorAt(0.22, grey(244));
        g.setColorAt(0.5, grey(196));
        g.setColorAt(0.85, grey(120));
        g.setColorAt(1.0, grey(80));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(shape);
        QLinearGradient top(can.topLeft(), can.bottomRight());
        top.setColorAt(0.0, grey(230));
        top.setColorAt(1.0, grey(170));
        p.setBrush(top);
        p.drawRoundedRect(can.adjusted(2.2, 2.2, -2.2, -2.2), 4.5, 4.5);
        p.setPen(grey(110, 170));
        p.setFont(silkFont(5));
        p.drawText(can, Qt::AlignCenter, "16.000");
    });
}

void radialElectrolytic(Layers& L, QPointF c, double r)
{
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r + 2.5, r + 2.5);
        silkText(p, c + QPointF(-r - 2, -r - 3), "+", 9, Qt::AlignHCenter, true);
        silkText(p, c + QPointF(r + 10, r - 2), "C1", 7, Qt::AlignHCenter);
    });
    L.high.push_back([=](QPainter& p) {
        dropShadow(p, circlePath(c, r), 4.0, {5.0, 6.5}, 0.65);
        QRadialGradient sleeve(c, r, c + QPointF(-r * 0.3, -r * 0.3));
        sleeve.setColorAt(0.0, QColor(60, 70, 120));
        sleeve.setColorAt(0.8, QColor(24, 30, 70));
        sleeve.setColorAt(1.0, QColor(10, 12, 30));
        p.setPen(Qt::NoPen);
        p.setBrush(sleeve);
        p.drawEllipse(c, r, r);
        // Negative marking stripe on the sleeve.
        p.setBrush(QColor(180, 190, 215));
        p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), -30 * 16, 60 * 16);
        const double t = r * 0.82;
        QRadialGradient top(c, t, c + QPointF(-t * 0.4, -t * 0.45));
        top.setColorAt(0.0, grey(250));
        top.setColorAt(0.5, grey(196));
        top.setColorAt(1.0, grey(140));
        p.setBrush(top);
        p.drawEllipse(c, t, t);
        // Pressure vent scored into the can top.
        p.setPen(QPen(grey(95), 1.0));
        p.drawLine(c + QPointF(-t * 0.55, 0), c + QPointF(t * 0.55, 0));
        p.drawLine(c + QPointF(0, -t * 0.55), c + QPointF(0, t * 0.55));
        p.setPen(QPen(grey(255, 160), 0.8));
        p.drawLine(c + QPointF(-t * 0.55, 1.0), c + QPointF(t * 0.55, 1.0));
        p.drawLine(c + QPointF(1.0, -t * 0.55), c + QPointF(1.0, t * 0.55));
    });
}

void smdElectrolytic(Layers& L, QPointF c, double s)
{
    const QRectF base(c.x() - s / 2, c.y() - s / 2, s, s);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        const QRectF o = base.adjusted(-2.5, -2.5, 2.5, 2.5);
        QPolygonF poly;
        poly << QPointF(o.left() + 4, o.top()) << QPointF(o.right(), o.top()) << QPointF(o.right(), o.bottom())
             << QPointF(o.left() + 4, o.bottom()) << QPointF(o.left(), o.bottom() - 4) << QPointF(o.left(), o.top() + 4);
        p.drawPolygon(poly);
        silkText(p, QPointF(c.x(), o.bottom() + 6), "C2", 7, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        tinnedPad(p, QRectF(base.left() - 3.5, c.y() - 2.5, 6, 5));
        tinnedPad(p, QRectF(base.right() - 2.5, c.y() - 2.5, 6, 5));
    });
    L.high.push_back([=](QPainter& p) {
        QPainterPath sq;
        sq.moveTo(base.left() + 3, base.top());
        sq.lineTo(base.right(), base.top());
        sq.lineTo(base.right(), base.bottom());
        sq.lineTo(base.left() + 3, base.bottom());
        sq.lineTo(base.left(), base.bottom() - 3);
        sq.lineTo(base.left(), base.top() + 3);
        sq.closeSubpath();
        dropShadow(p, sq, 3.2, {4.0, 5.0}, 0.62);
        p.setPen(Qt::NoPen);
        p.setBrush(grey(30));
        p.drawPath(sq);
        const double r = s / 2 - 0.6;
        QRadialGradient can(c, r, c + QPointF(-r * 0.4, -r * 0.45));
        can.setColorAt(0.0, grey(250));
        can.setColorAt(0.45, grey(200));
        can.setColorAt(1.0, grey(120));
        p.setBrush(can);
        p.drawEllipse(c, r, r);
        p.setBrush(QColor(20, 20, 24, 230));
        p.drawChord(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 135 * 16, 90 * 16);
        p.setPen(QPen(grey(110), 0.9));
        p.drawLine(c + QPointF(-r * 0.45, 0), c + QPointF(r * 0.45, 0));
        p.drawLine(c + QPointF(0, -r * 0.45), c + QPointF(0, r * 0.45));
    });
}

// Moulded tantalum capacitor; the band marks the positive end (towards -x before rotation).
void tantalum(Layers& L, QPointF c, double angle, const QString& refdes)
{
    const QRectF body(-6, -3.5, 12, 7);
    L.silk.push_back([=](QPainter& p) {
        const QTransform t = QTransform().translate(c.x(), c.y()).rotate(angle);
        p.setPen(silkPen(1.0));
        p.drawLine(t.map(QLineF(-10.5, -4.5, -10.5, 4.5)));
        silkText(p, t.map(QPointF(0, -9.5)), refdes, 6, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        tinnedPad(p, QRectF(-9.5, -3, 5.5, 6));
        tinnedPad(p, QRectF(4, -3, 5.5, 6));
        p.restore();
    });
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        dropShadow(p, rectPath(body, 0.8), 1.8, {1.5, 2.0}, 0.6);
        p.fillRect(QRectF(-8, -2, 2.5, 4), grey(205));
        p.fillRect(QRectF(5.5, -2, 2.5, 4), grey(205));
        QLinearGradient g(body.topLeft(), body.bottomRight());
        g.setColorAt(0.0, QColor(244, 198, 70));
        g.setColorAt(0.5, QColor(222, 164, 38));
        g.setColorAt(1.0, QColor(170, 118, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(body, 0.8, 0.8);
        p.fillRect(QRectF(-4.8, -3.0, 2.0, 6.0), QColor(120, 72, 24));
        p.restore();
    });
}

void sot223(Layers& L, QPointF c)
{
    const QRectF body(c.x() - 10.5, c.y() - 5.5, 21, 11);
    L.silk.push_back([=](QPainter& p) { silkText(p, QPointF(c.x() + 19, c.y() - 3), "U6", 7, Qt::AlignHCenter); });
    L.pads.push_back([=](QPainter& p) {
        tinnedPad(p, QRectF(c.x() - 11, c.y() - 15, 22, 8));
        for (int i = -1; i <= 1; ++i)
            tinnedPad(p, QRectF(c.x() + i * 7.2 - 2.3, c.y() + 6.5, 4.6, 7));
    });
    L.low.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(body, 0.8), 2.0, {1.6, 2.0}, 0.6);
        QLinearGradient tab(QPointF(c.x(), c.y() - 12), QPointF(c.x(), c.y() - 5));
        tab.setColorAt(0.0, grey(235));
        tab.setColorAt(1.0, grey(160));
        p.fillRect(QRectF(c.x() - 8, c.y() - 12.5, 16, 8), tab);
        for (int i = -1; i <= 1; ++i)
            p.fillRect(QRectF(c.x() + i * 7.2 - 1.2, c.y() + 5, 2.4, 6), tab);
        plasticBlock(p, body, 0.8, 40);
        p.setPen(grey(155, 200));
        p.setFont(silkFont(5));
        p.drawText(body, Qt::AlignCenter, "ZR33");
    });
}

void smaDiode(Layers& L, QPointF c)
{
    const QRectF body(c.x() - 7, c.y() - 4.5, 14, 9);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.drawLine(QPointF(body.right() + 4, body.top() - 1.5), QPointF(body.right() + 4, body.bottom() + 1.5));
        silkText(p, QPointF(c.x(), body.top() - 6), "D2", 7, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        tinnedPad(p, QRectF(body.left() - 4, c.y() - 3.5, 6, 7));
        tinnedPad(p, QRectF(body.right() - 2, c.y() - 3.5, 6, 7));
    });
    L.low.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(body, 0.8), 1.6, {1.4, 1.8}, 0.6);
        p.fillRect(QRectF(body.left() - 2, c.y() - 2, 3, 4), grey(200));
        p.fillRect(QRectF(body.right() - 1, c.y() - 2, 3, 4), grey(200));
        plasticBlock(p, body, 0.8, 40);
        p.fillRect(QRectF(body.right() - 3.8, body.top() + 0.6, 1.8, body.height() - 1.2), grey(170));
    });
}

void sot23(Layers& L, QPointF c, double angle)
{
    L.pads.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        tinnedPad(p, QRectF(-5.0, 2.2, 3.0, 3.6));
        tinnedPad(p, QRectF(2.0, 2.2, 3.0, 3.6));
        tinnedPad(p, QRectF(-1.5, -5.8, 3.0, 3.6));
        p.restore();
    });
    L.low.push_back([=](QPainter& p) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        const QRectF body(-4.5, -2.2, 9, 4.4);
        dropShadow(p, rectPath(body, 0.5), 1.0, {0.9, 1.2}, 0.55);
        p.fillRect(QRectF(-4.0, 2.0, 2.0, 2.6), grey(205));
        p.fillRect(QRectF(2.0, 2.0, 2.0, 2.6), grey(205));
        p.fillRect(QRectF(-1.0, -4.6, 2.0, 2.6), grey(205));
        plasticBlock(p, body, 0.5, 40);
        p.restore();
    });
}

void unpopulatedHeader(Layers& L, QPointF firstPin, int cols, int rows, const QString& refdes)
{
    const QRectF outline(firstPin.x() - kPitch / 2 - 1, firstPin.y() - kPitch / 2 - 1, cols * kPitch + 2, rows * kPitch + 2);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(outline);
        silkText(p, QPointF(outline.right() + 3, outline.center().y()), refdes, 7, Qt::AlignLeft);
    });
    L.pads.push_back([=](QPainter& p) {
        for (int r = 0; r < rows; ++r)
            for (int col = 0; col < cols; ++col) {
                const QPointF c = firstPin + QPointF(col * kPitch, r * kPitch);
                if (r == 0 && col == 0)
                    tinnedPad(p, QRectF(c.x() - 3.1, c.y() - 3.1, 6.2, 6.2), 0.4);
                else
                    solderDome(p, c, 3.1);
                QRadialGradient hole(c, 1.5, c + QPointF(0.5, 0.5));
                hole.setColorAt(0.0, QColor(12, 14, 12));
                hole.setColorAt(0.75, QColor(20, 22, 20));
                hole.setColorAt(1.0, QColor(120, 118, 104));
                p.setPen(Qt::NoPen);
                p.setBrush(hole);
                p.drawEllipse(c, 1.5, 1.5);
            }
    });
}

// Bare copper target for the placement machine, in a clear window of the mask.
void fiducial(Layers& L, QPointF c)
{
    L.pads.push_back([=](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(78, 88, 52));
        p.drawEllipse(c, 4.8, 4.8);
        solderDome(p, c, 1.8);
    });
}

void tactSwitch(Layers& L, QPointF c, const QString& label)
{
    const QRectF body(c.x() - 10, c.y() - 10, 20, 20);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(body.adjusted(-2, -2, 2, 2));
        silkText(p, QPointF(body.right() + 5, c.y()), label, 7, Qt::AlignLeft, true);
    });
    L.pads.push_back([=](QPainter& p) {
        for (QPointF d : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
            tinnedPad(p, QRectF(c.x() + d.x() * 11.5 - 3, c.y() + d.y() * 7 - 2.5, 6, 5));
    });
    L.high.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(body, 1), 3.0, {3.0, 4.0}, 0.65);
        p.setPen(Qt::NoPen);
        for (QPointF d : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
            p.fillRect(QRectF(c.x() + d.x() * 11 - 1.8, c.y() + d.y() * 7 - 1.2, 3.6, 2.4), grey(210));
        plasticBlock(p, body, 1, 40);
        const QRectF plate = body.adjusted(1.5, 1.5, -1.5, -1.5);
        QLinearGradient g(plate.topLeft(), plate.bottomRight());
        g.setColorAt(0.0, grey(238));
        g.setColorAt(0.5, grey(190));
        g.setColorAt(1.0, grey(140));
        p.setBrush(g);
        p.drawRect(plate);
        QRadialGradient knob(c, 5.5, c + QPointF(-2, -2));
        knob.setColorAt(0.0, grey(92));
        knob.setColorAt(0.6, grey(40));
        knob.setColorAt(1.0, grey(14));
        p.setBrush(knob);
        p.drawEllipse(c, 5.5, 5.5);
    });
}

void testPoint(Layers& L, QPointF c, const QString& label)
{
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 5.5, 5.5);
        silkText(p, c + QPointF(0, 11), label, 6, Qt::AlignHCenter);
    });
    L.pads.push_back([=](QPainter& p) {
        solderDome(p, c, 3.8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 22, 20));
        p.drawEllipse(c + QPointF(0.4, 0.4), 1.2, 1.2);
    });
}

// ---------------------------------------------------------------- connectors

void usbTypeB(Layers& L, Rng& rng)
{
    const QRectF shell(-4, 172, 72, 48);
    std::vector<QLineF> brush;
    for (int i = 0; i < 70; ++i) {
        const double y = rng.range(shell.top() + 1, shell.bottom() - 1);
        const double x = rng.range(shell.left(), shell.right() - 20);
        brush.emplace_back(x, y, x + rng.range(8, 40), y);
    }
    std::vector<int> brushShade;
    for (std::size_t i = 0; i < brush.size(); ++i)
        brushShade.push_back(rng.uniform() < 0.5 ? 0 : 255);

    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-2, 169.5, 85.5, 53));
        silkText(p, QPointF(82, 164), "USB", 7, Qt::AlignHCenter, true);
    });
    L.pads.push_back([=](QPainter& p) {
        for (QPointF pin : {QPointF(74, 191.5), QPointF(74, 200.5), QPointF(80, 187), QPointF(80, 205)})
            solderDome(p, pin, 3.0);
        tinnedPad(p, QRectF(22, 165, 16, 8), 3);
        tinnedPad(p, QRectF(22, 219, 16, 8), 3);
    });
    L.high.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(shell, 1.5), 4.5, {5.0, 6.5}, 0.7);
        // Side tabs bent down into the board.
        for (double y : {168.0, 219.0}) {
            QLinearGradient tg(QPointF(0, y), QPointF(0, y + 5));
            tg.setColorAt(0.0, grey(225));
            tg.setColorAt(1.0, grey(150));
            p.fillRect(QRectF(25, y, 10, 5), tg);
        }
        QLinearGradient g(shell.topLeft(), QPointF(shell.left() + 30, shell.bottom() + 10));
        g.setColorAt(0.0, grey(238));
        g.setColorAt(0.35, grey(205));
        g.setColorAt(0.6, grey(226));
        g.setColorAt(1.0, grey(160));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(shell, 1.5, 1.5);
        for (std::size_t i = 0; i < brush.size(); ++i) {
            p.setPen(QPen(grey(brushShade[i], 22), 0.8));
            p.drawLine(brush[i]);
        }
        // Rolled front lip and folded rear cover.
        QLinearGradient lip(QPointF(shell.left(), 0), QPointF(shell.left() + 5, 0));
        lip.setColorAt(0.0, grey(120));
        lip.setColorAt(1.0, grey(215));
        p.fillRect(QRectF(shell.left(), shell.top(), 5, shell.height()), lip);
        QLinearGradient rear(QPointF(56, 0), QPointF(68, 0));
        rear.setColorAt(0.0, grey(190));
        rear.setColorAt(1.0, grey(150));
        p.fillRect(QRectF(57, shell.top() + 1, 11, shell.height() - 2), rear);
        p.setPen(QPen(grey(90), 1.0));
        p.drawLine(QPointF(57, shell.top() + 1), QPointF(57, shell.bottom() - 1));
        p.setPen(QPen(grey(250, 200), 1.0));
        p.drawLine(QPointF(58, shell.top() + 1), QPointF(58, shell.bottom() - 1));
        // Grounding springs stamped into the top.
        for (double y : {181.0, 205.0}) {
            QPainterPath cut;
            cut.moveTo(22, y - 3);
            cut.lineTo(8, y - 3);
            cut.lineTo(8, y + 3);
            cut.lineTo(22, y + 3);
            QLinearGradient tg(QPointF(8, 0), QPointF(22, 0));
            tg.setColorAt(0.0, grey(160));
            tg.setColorAt(1.0, grey(230));
            p.setPen(Qt::NoPen);
            p.setBrush(tg);
            p.drawRect(QRectF(9, y - 2, 13, 4));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(grey(60), 1.0));
            p.drawPath(cut);
            p.setPen(QPen(grey(255, 180), 0.8));
            p.drawLine(QPointF(8.5, y + 3.8), QPointF(22, y + 3.8));
        }
        // Embossed dimples.
        for (QPointF d : {QPointF(40, 186), QPointF(40, 206)}) {
            QRadialGradient dg(d, 3.0, d + QPointF(1.0, 1.0));
            dg.setColorAt(0.0, grey(250));
            dg.setColorAt(0.7, grey(200));
            dg.setColorAt(1.0, grey(130));
            p.setPen(Qt::NoPen);
            p.setBrush(dg);
            p.drawEllipse(d, 3.0, 3.0);
        }
        // Edge highlights.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(grey(255, 200), 1.0));
        p.drawLine(QPointF(shell.left() + 2, shell.top() + 0.5), QPointF(shell.right() - 2, shell.top() + 0.5));
        p.setPen(QPen(grey(70, 220), 1.0));
        p.drawLine(QPointF(shell.left() + 2, shell.bottom() - 0.5), QPointF(shell.right() - 2, shell.bottom() - 0.5));
        p.drawLine(QPointF(shell.right() - 0.5, shell.top() + 2), QPointF(shell.right() - 0.5, shell.bottom() - 2));
    });
}

void dcJack(Layers& L)
{
    const double cy = 352.5;
    const QRectF flange(-3, cy - 19, 13, 38);
    const QRectF body(10, cy - 16, 47, 32);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(-1, cy - 21.5, 61, 43));
        silkText(p, QPointF(5, cy - 29), "DC IN", 7, Qt::AlignLeft, true);
    });
    L.pads.push_back([=](QPainter& p) {
        tinnedPad(p, QRectF(56, cy - 6, 14, 12), 3);
        tinnedPad(p, QRectF(30, cy + 15, 12, 10), 3);
    });
    L.high.push_back([=](QPainter& p) {
        QPainterPath shape = rectPath(flange, 1.5).united(rectPath(body, 2.5));
        dropShadow(p, shape, 4.5, {5.5, 7.0}, 0.72);
        // Contact lugs leaving the body.
        QLinearGradient lug(QPointF(0, cy - 4), QPointF(0, cy + 4));
        lug.setColorAt(0.0, grey(240));
        lug.setColorAt(1.0, grey(140));
        p.fillRect(QRectF(55, cy - 3.5, 11, 7), lug);
        p.fillRect(QRectF(33, cy + 14, 6, 8), lug);
        for (const QRectF& r : {body, flange}) {
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            g.setColorAt(0.0, grey(78));
            g.setColorAt(0.12, grey(52));
            g.setColorAt(0.5, grey(36));
            g.setColorAt(0.9, grey(22));
            g.setColorAt(1.0, grey(12));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(r, 2, 2);
        }
        p.setPen(QPen(grey(120, 150), 1.0));
        p.drawLine(QPointF(flange.left() + 1, flange.top() + 0.5), QPointF(flange.right() - 1, flange.top() + 0.5));
        p.drawLine(QPointF(body.left() + 1, body.top() + 0.5), QPointF(body.right() - 2, body.top() + 0.5));
        p.setPen(QPen(grey(8), 1.0));
        p.drawLine(QPointF(flange.right(), body.top()), QPointF(flange.right(), body.bottom()));
        // Moulded recess on top.
        const QRectF recess(22, cy - 9, 28, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(grey(26));
        p.drawRoundedRect(recess, 1.5, 1.5);
        p.setPen(QPen(grey(6), 1.0));
        p.drawLine(recess.topLeft() + QPointF(1, 0.5), recess.topRight() + QPointF(-1, 0.5));
        p.drawLine(recess.topLeft() + QPointF(0.5, 1), recess.bottomLeft() + QPointF(0.5, -1));
        p.setPen(QPen(grey(90, 180), 1.0));
        p.drawLine(recess.bottomLeft() + QPointF(1, -0.5), recess.bottomRight() + QPointF(-1, -0.5));
        p.drawLine(recess.topRight() + QPointF(-0.5, 1), recess.bottomRight() + QPointF(-0.5, -1));
    });
}

void bncSocket(Layers& L, double cy, const QString& label)
{
    const QRectF base(470, cy - 25, 50, 50);
    const QRectF nut(520, cy - 20, 12, 40);
    const QRectF collar(532, cy - 17, 5, 34);
    const QRectF barrel(537, cy - 15, 58, 30);
    const QRectF rim(592, cy - 16, 6, 32);
    auto cylinder = [](double top, double bottom, int bright) {
        QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
        g.setColorAt(0.0, grey(bright * 30 / 100));
        g.setColorAt(0.08, grey(bright * 60 / 100));
        g.setColorAt(0.26, grey(bright));
        g.setColorAt(0.4, grey(bright * 80 / 100));
        g.setColorAt(0.65, grey(bright * 52 / 100));
        g.setColorAt(0.88, grey(bright * 36 / 100));
        g.setColorAt(1.0, grey(bright * 22 / 100));
        return g;
    };
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(base.adjusted(-3, -3, 3, 3));
        silkText(p, QPointF(445, cy), label, 9, Qt::AlignHCenter, true);
    });
    L.pads.push_back([=](QPainter& p) { solderDome(p, QPointF(463.5, cy), 3.4); });
    L.high.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(base, 2), 4.0, {4.5, 6.0}, 0.7);
        QPainterPath front = rectPath(nut).united(rectPath(collar)).united(rectPath(barrel, 2)).united(rectPath(rim, 2));
        dropShadow(p, front, 5.0, {7.0, 9.0}, 0.62);

        // Nickel-plated body block.
        QLinearGradient bg(base.topLeft(), base.bottomRight());
        bg.setColorAt(0.0, grey(214));
        bg.setColorAt(0.5, grey(168));
        bg.setColorAt(1.0, grey(112));
        p.setPen(Qt::NoPen);
        p.setBrush(bg);
        p.drawRoundedRect(base, 2, 2);
        const QRectF topFace = base.adjusted(4, 4, -4, -4);
        QLinearGradient tg(topFace.topLeft(), topFace.bottomRight());
        tg.setColorAt(0.0, grey(200));
        tg.setColorAt(0.55, grey(178));
        tg.setColorAt(1.0, grey(150));
        p.setBrush(tg);
        p.drawRect(topFace);
        p.setPen(QPen(grey(250, 200), 1.0));
        p.drawLine(topFace.topLeft() + QPointF(0, 0.5), topFace.topRight() + QPointF(0, 0.5));
        p.drawLine(topFace.topLeft() + QPointF(0.5, 0), topFace.bottomLeft() + QPointF(0.5, 0));
        p.setPen(QPen(grey(80, 200), 1.0));
        p.drawLine(topFace.bottomLeft() + QPointF(0, -0.5), topFace.bottomRight() + QPointF(0, -0.5));
        p.drawLine(topFace.topRight() + QPointF(-0.5, 0), topFace.bottomRight() + QPointF(-0.5, 0));

        // Hex nut seen across its flats: three faces.
        const double h = nut.height();
        const QRectF faces[3] = {QRectF(nut.left(), nut.top(), nut.width(), h * 0.25),
                                 QRectF(nut.left(), nut.top() + h * 0.25, nut.width(), h * 0.5),
                                 QRectF(nut.left(), nut.top() + h * 0.75, nut.width(), h * 0.25)};
        const int faceShade[3] = {196, 236, 110};
        for (int i = 0; i < 3; ++i) {
            QLinearGradient fg(faces[i].topLeft(), faces[i].bottomLeft());
            fg.setColorAt(0.0, grey(std::min(255, faceShade[i] + 12)));
            fg.setColorAt(1.0, grey(faceShade[i] - 30));
            p.fillRect(faces[i], fg);
        }
        p.setPen(QPen(grey(60, 160), 0.8));
        p.drawLine(QPointF(nut.right() - 0.4, nut.top()), QPointF(nut.right() - 0.4, nut.bottom()));

        p.setPen(Qt::NoPen);
        p.setBrush(cylinder(collar.top(), collar.bottom(), 235));
        p.drawRect(collar);
        p.setBrush(cylinder(barrel.top(), barrel.bottom(), 252));
        p.drawRoundedRect(barrel, 2, 2);
        // Groove behind the bayonet studs.
        for (double x : {548.0, 583.0}) {
            p.fillRect(QRectF(x, barrel.top() + 0.5, 1.2, barrel.height() - 1), QColor(40, 40, 44, 160));
            p.fillRect(QRectF(x + 1.2, barrel.top() + 0.5, 1.0, barrel.height() - 1), QColor(255, 255, 255, 90));
        }
        // Bayonet studs.
        for (double y : {barrel.top() - 3.5, barrel.bottom() - 1.0}) {
            const QRectF stud(565, y, 7, 4.5);
            QLinearGradient sg(stud.topLeft(), stud.topRight());
            sg.setColorAt(0.0, grey(120));
            sg.setColorAt(0.35, grey(245));
            sg.setColorAt(1.0, grey(110));
            p.setBrush(sg);
            p.drawRoundedRect(stud, 1.5, 1.5);
        }
        p.setBrush(cylinder(rim.top(), rim.bottom(), 245));
        p.drawRoundedRect(rim, 2, 2);
        p.setPen(QPen(grey(50, 180), 0.8));
        p.drawLine(QPointF(rim.left(), rim.top() + 2), QPointF(rim.left(), rim.bottom() - 2));
    });
}

void boxHeader(Layers& L, QPointF c)
{
    // 2x8 shrouded header standing vertically; pin 1 at the top left.
    const QRectF shroud(c.x() - 14, c.y() - 48, 28, 96);
    L.silk.push_back([=](QPainter& p) {
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(shroud.adjusted(-2.5, -2.5, 2.5, 2.5));
        QPolygonF tri;
        tri << QPointF(shroud.left() - 9, c.y() - 31) << QPointF(shroud.left() - 5, c.y() - 28)
            << QPointF(shroud.left() - 9, c.y() - 25);
        p.setBrush(kSilk);
        p.drawPolygon(tri);
        silkText(p, QPointF(c.x(), shroud.top() - 11), "J5", 7, Qt::AlignHCenter);
        silkText(p, QPointF(c.x(), shroud.bottom() + 11), "DIO", 7, Qt::AlignHCenter, true);
    });
    L.high.push_back([=](QPainter& p) {
        dropShadow(p, rectPath(shroud, 1.5), 4.0, {4.5, 6.0}, 0.7);
        plasticBlock(p, shroud, 1.5, 38);
        const QRectF well = shroud.adjusted(3.2, 3.2, -3.2, -3.2);
        QLinearGradient wg(well.topLeft(), well.topRight());
        wg.setColorAt(0.0, grey(8));
        wg.setColorAt(0.2, grey(20));
        wg.setColorAt(1.0, grey(28));
        p.setPen(Qt::NoPen);
        p.setBrush(wg);
        p.drawRect(well);
        // Inner walls: the one facing the light is lit.
        p.fillRect(QRectF(well.left(), well.bottom() - 1.6, well.width(), 1.6), grey(70));
        p.fillRect(QRectF(well.right() - 1.6, well.top(), 1.6, well.height()), grey(62));
        p.fillRect(QRectF(well.left(), well.top(), well.width(), 1.4), grey(4));
        // Polarising key slot in the right wall.
        const QRectF key(shroud.right() - 3.4, c.y() - 8, 3.4, 16);
        p.fillRect(key, grey(14));
        p.fillRect(QRectF(key.left(), key.bottom() - 1.2, key.width(), 1.2), grey(80));
        for (int row = 0; row < 8; ++row)
            for (int col = 0; col < 2; ++col)
                headerPost(p, QPointF(c.x() + (col - 0.5) * kPitch, c.y() + (row - 3.5) * kPitch));
        // Pin 1 arrow moulded into the shroud.
        QPolygonF arrow;
        arrow << QPointF(shroud.left() + 0.6, c.y() - 30.5) << QPointF(shroud.left() + 2.8, c.y() - 28.5)
              << QPointF(shroud.left() + 0.6, c.y() - 26.5);
        p.setBrush(grey(110));
        p.drawPolygon(arrow);
    });
}

// ---------------------------------------------------------------- board-level passes

void drawCopper(QPainter& p, const std::vector<Trace>& traces, const std::vector<QPolygonF>& pours,
                const std::vector<QPointF>& vias)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kCopper);
    for (const QPolygonF& poly : pours)
        p.drawPolygon(poly);
    // Isolation gap around traces inside the pours.
    for (const Trace& t : traces) {
        QPen pen(kLaminate, t.width + 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(polyline(t.points));
    }
    for (QPointF v : vias) {
        p.setPen(Qt::NoPen);
        p.setBrush(kLaminate);
        p.drawEllipse(v, 4.6, 4.6);
    }
    for (const Trace& t : traces) {
        QPen pen(kCopper, t.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(polyline(t.points));
    }
    // Mask ridge over the copper edge catches the light on the upper side.
    for (const Trace& t : traces) {
        QPen pen(QColor(120, 200, 130, 40), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        QPainterPath path = polyline(t.points);
        path.translate(-t.width * 0.3, -t.width * 0.3);
        p.drawPath(path);
    }
    // Tented vias: mask over a copper ring with the plugged hole in the middle.
    for (QPointF v : vias) {
        p.setPen(Qt::NoPen);
        QRadialGradient g(v, 2.8, v + QPointF(-0.8, -0.8));
        g.setColorAt(0.0, QColor(96, 160, 96));
        g.setColorAt(1.0, kCopper);
        p.setBrush(g);
        p.drawEllipse(v, 2.8, 2.8);
        p.setBrush(QColor(18, 56, 30));
        p.drawEllipse(v, 1.2, 1.2);
    }
}

double smoothNoise(const std::vector<double>& grid, int gw, double x, double y)
{
    const int x0 = static_cast<int>(x);
    const int y0 = static_cast<int>(y);
    const double fx = x - x0;
    const double fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    auto g = [&](int i, int j) { return grid[static_cast<std::size_t>(j * gw + i)]; };
    const double a = g(x0, y0) + (g(x0 + 1, y0) - g(x0, y0)) * sx;
    const double b = g(x0, y0 + 1) + (g(x0 + 1, y0 + 1) - g(x0, y0 + 1)) * sx;
    return a + (b - a) * sy;
}

// Uneven mask thickness: low-frequency blotches in brightness.
void mottleMask(QImage& img, Rng& rng)
{
    struct Octave {
        double cell;
        double amount;
    };
    const Octave octaves[] = {{60.0, 0.05}, {14.0, 0.035}, {4.0, 0.02}};
    std::vector<double> field(static_cast<std::size_t>(kWidth * kHeight), 0.0);
    for (const Octave& o : octaves) {
        const int gw = static_cast<int>(kWidth / o.cell) + 3;
        const int gh = static_cast<int>(kHeight / o.cell) + 3;
        std::vector<double> grid(static_cast<std::size_t>(gw * gh));
        for (double& v : grid)
            v = rng.range(-1.0, 1.0);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                field[static_cast<std::size_t>(y * kWidth + x)] += o.amount * smoothNoise(grid, gw, x / o.cell, y / o.cell);
    }
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double f = 1.0 + field[static_cast<std::size_t>(y * kWidth + x)];
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(static_cast<int>(qRed(c) * f), 0, 255),
                           std::clamp(static_cast<int>(qGreen(c) * f), 0, 255),
                           std::clamp(static_cast<int>(qBlue(c) * f), 0, 255));
        }
    }
}

// What the camera adds: uneven lighting, a soft reflection of the lamp in
// the glossy mask, vignetting, a little softness and sensor grain.
void photographicFinish(QImage& img, Rng& rng)
{
    const QImage src = img.copy();
    for (int y = 0; y < kHeight; ++y) {
        auto* out = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            // Light 3x3 softening, mixed in partly.
            double acc[3] = {0, 0, 0};
            double wsum = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                const int yy = std::clamp(y + dy, 0, kHeight - 1);
                const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(yy));
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = std::clamp(x + dx, 0, kWidth - 1);
                    const double w = (dx == 0 ? 2.0 : 1.0) * (dy == 0 ? 2.0 : 1.0);
                    acc[0] += w * qRed(in[xx]);
                    acc[1] += w * qGreen(in[xx]);
                    acc[2] += w * qBlue(in[xx]);
                    wsum += w;
                }
            }
            const QRgb c = reinterpret_cast<const QRgb*>(src.constScanLine(y))[x];
            const double soft = 0.45;
            double rgb[3] = {qRed(c) * (1 - soft) + acc[0] / wsum * soft, qGreen(c) * (1 - soft) + acc[1] / wsum * soft,
                             qBlue(c) * (1 - soft) + acc[2] / wsum * soft};

            const double u = static_cast<double>(x) / kWidth;
            const double v = static_cast<double>(y) / kHeight;
            const double gradient = 1.09 - 0.2 * (0.6 * u + 0.4 * v);
            const double du = u - 0.5;
            const double dv = v - 0.5;
            const double vignette = 1.0 - 0.22 * (du * du + dv * dv) * 2.0;
            const double gain = gradient * vignette;
            const double hx = x - 190.0;
            const double hy = y - 120.0;
            const double sheen = 16.0 * std::exp(-(hx * hx + hy * hy * 1.6) / (2.0 * 150.0 * 150.0));
            const double grain = rng.gauss() * 1.6;
            for (int k = 0; k < 3; ++k) {
                const double chroma = rng.gauss() * 0.6;
                const double warmth[3] = {1.0, 0.97, 0.82};
                rgb[k] = rgb[k] * gain + sheen * warmth[k] + grain + chroma;
            }
            out[x] = qRgb(std::clamp(static_cast<int>(std::lround(rgb[0])), 0, 255),
                          std::clamp(static_cast<int>(std::lround(rgb[1])), 0, 255),
                          std::clamp(static_cast<int>(std::lround(rgb[2])), 0, 255));
        }
    }
}

// ---------------------------------------------------------------- the board

std::vector<Trace> boardTraces()
{
    std::vector<Trace> t;
    auto add = [&](double w, std::initializer_list<QPointF> pts) { t.push_back({w, octilinear(pts)}); };

    // Power: DC jack -> reverse-protection diode -> regulator -> VEXT jumper post.
    add(5.0, {{62, 352.5}, {96, 352.5}});
    add(5.0, {{114, 352.5}, {136, 352.5}, {142.8, 345.5}});
    add(5.0, {{150, 313}, {150, 300}, {40, 300}, {34.5, 294.5}, {34.5, 254.5}});
    add(4.0, {{166, 325}, {180, 325}, {190, 335}});
    // VUSB from the USB socket to the other end of the power jumper.
    add(4.0, {{80, 205}, {90, 215}, {90, 238}, {73, 254.5}, {50.5, 254.5}});
    // Jumper common to the logic supply.
    add(4.0, {{42.5, 254.5}, {42.5, 282}, {50, 289.5}, {170, 289.5}, {182, 277.5}, {182, 230}, {213, 212}});
    // USB data pair.
    add(1.6, {{74, 191.5}, {100, 191.5}, {106, 188}, {130, 188}});
    add(1.6, {{74, 200.5}, {100, 200.5}, {110, 192}, {130, 192}});
    // USB bridge to the MCU.
    for (int i = 0; i < 4; ++i)
        add(1.5, {{150, 184.0 + i * 4}, {170, 178.0 + i * 4 * 0.75}, {193, 170 + i * 3.0}, {204, 170 + i * 3.0}});
    // Programming header to the MCU.
    for (int i = 0; i < 5; ++i) {
        const double x = 27.5 + i * 8;
        add(1.5, {{x, 126.5}, {x, 134}, {x + 12 - i * 0.5, 146 + i * 3.5}, {160, 146 + i * 3.5},
                  {180, 152 + i * 3.5}, {186, 152 + i * 3.5}});
    }
    // LED and its resistor.
    add(1.6, {{52, 97.5}, {108, 97.5}});
    add(1.6, {{116, 97.5}, {140, 97.5}, {152, 109.5}, {152, 120}});
    // Crystal to the MCU.
    add(1.5, {{213, 128}, {205, 136}, {205, 150}, {216, 158}});
    add(1.5, {{243, 128}, {252, 137}, {252, 148}, {240, 158}});
    // EEPROM.
    for (int i = 0; i < 4; ++i)
        add(1.4, {{246 + i * 3.0, 158}, {262 + i * 3.0, 142}, {262 + i * 3.0, 130 - i * 2.0}, {294 + i * 4.0, 118 - i * 2.0}, {294 + i * 4.0, 110.5}});
    // MCU to the line buffer and on to the 16-pin connector.
    for (int i = 0; i < 7; ++i) {
        const double y = 170 + i * 3;
        add(1.4, {{252, y}, {300 + i * 3.0, y}, {338 + i * 3.0, y - 38 - i * 1.0}, {380, 113 + i * 4.0}, {410, 113 + i * 4.0}});
    }
    for (int i = 0; i < 7; ++i) {
        const double y = 113 + i * 4;
        const double target = 96.5 + i * 8;
        add(1.4, {{430, y}, {440, y}, {452, target}, {500, target}});
    }
    add(1.4, {{430, 141}, {444, 155}, {470, 155}, {478, 160.5}, {500, 160.5}});
    // Bias jumpers.
    add(1.6, {{418, 32}, {406, 44}, {406, 70}});
    add(1.6, {{434, 44}, {446, 56}, {446, 70}});
    add(1.6, {{406, 80}, {406, 92}, {396, 102}, {300, 102}, {292, 94}, {292, 88}});
    add(1.6, {{446, 80}, {446, 100}});
    // Analog inputs: BNC centre pins to the front-end amplifiers.
    add(2.0, {{463.5, 262.5}, {412, 262.5}});
    add(2.0, {{396, 262.5}, {360, 262.5}, {346, 248.5}, {338, 248.5}});
    add(2.0, {{463.5, 360.5}, {440, 360.5}, {424, 376.5}, {416, 376.5}, {410, 370.5}, {410, 350}, {400, 340}});
    add(1.6, {{372.5, 334.5}, {358, 320}, {345, 320}, {338, 327.5}});
    add(1.6, {{372.5, 346.5}, {356, 362}, {336, 362}, {330, 357.5}});
    add(1.6, {{372.5, 388.5}, {352, 388.5}, {345, 381.5}, {345, 374}});
    add(1.6, {{388.5, 388.5}, {400, 400}, {400, 412}, {330, 412}, {326, 408}, {326, 402}});
    // Amplifiers to the converter.
    add(1.6, {{326, 272.5}, {326, 284}, {292, 284}, {276, 290}});
    add(1.6, {{330, 357.5}, {330, 364}, {300, 334}, {284, 334}, {276, 326}, {276, 310}});
    // Converter to the MCU.
    for (int i = 0; i < 6; ++i)
        add(1.4, {{248 + i * 4.0, 290}, {248 + i * 4.0, 262}, {216 + i * 3.0, 230}, {216 + i * 3.0, 206}});
    // Expansion footprint and reset.
    for (int i = 0; i < 5; ++i) {
        const double x = 160 + i * 8.0;
        const double y = 70 - i * 3.5;
        add(1.4, {{x, 48}, {x, y}, {268 + i * 6.0, y}, {294 + i * 4.0, y + 20 - i * 2.0}, {294 + i * 4.0, 90.5}});
    }
    add(1.4, {{160, 40}, {160, 28}, {120, 28}, {111.5, 38}});
    add(1.4, {{111.5, 52}, {132, 52}, {150, 70}, {150, 84}, {178, 84}});
    add(1.4, {{190, 84}, {196, 90}, {196, 100}});
    add(1.6, {{88.5, 38}, {76, 38}});
    add(1.4, {{192, 40}, {208, 24}, {380, 24}, {396, 40}, {396, 56}});
    add(1.4, {{176, 40}, {192, 24}});
    // Ground return and decoupling around the power section.
    add(4.0, {{137, 392}, {186, 392}, {200, 378}, {216, 378}});
    add(2.0, {{146, 262}, {146, 283}, {152, 289.5}});
    add(1.4, {{110, 226}, {110, 216}, {100, 206}, {90, 206}});
    add(1.4, {{104, 238}, {104, 246}, {110, 248}});
    add(1.4, {{130, 224}, {120, 224}, {116, 228}});
    add(1.4, {{150, 224}, {156, 218}});
    add(3.0, {{434, 412}, {380, 412}, {376, 416}, {160, 416}, {150, 406}, {150, 404}});
    add(1.4, {{486, 412}, {560, 412}, {574, 398}, {574, 330}});
    add(1.4, {{552, 200}, {566, 186}, {566, 120}, {570, 116}});
    add(1.4, {{540, 200}, {530, 210}, {490, 210}, {478, 198}, {478, 172}, {500, 168.5}});
    // Reference.
    add(1.6, {{320, 398.5}, {300, 398.5}, {290, 388.5}, {264, 388.5}, {256, 380.5}, {256, 310}});
    return t;
}

std::vector<QPolygonF> boardPours()
{
    QPolygonF analog;
    analog << QPointF(196, 242) << QPointF(352, 242) << QPointF(368, 226) << QPointF(412, 226)
           << QPointF(412, 318) << QPointF(350, 318) << QPointF(340, 406) << QPointF(196, 406) << QPointF(186, 396)
           << QPointF(186, 252);
    QPolygonF digital;
    digital << QPointF(268, 62) << QPointF(392, 62) << QPointF(404, 50) << QPointF(470, 50) << QPointF(470, 206)
            << QPointF(280, 206) << QPointF(268, 194);
    QPolygonF power;
    power << QPointF(92, 312) << QPointF(176, 312) << QPointF(176, 404) << QPointF(96, 404) << QPointF(90, 398);
    return {analog, digital, power};
}

std::vector<QPointF> boardVias()
{
    std::vector<QPointF> v = {
        {152, 120}, {292, 88},  {446, 100}, {345, 374}, {326, 402}, {190, 335}, {186, 152}, {186, 155.5},
        {186, 159}, {186, 162.5}, {186, 166}, {232, 142}, {200, 226}, {260, 226}, {300, 150}, {360, 300},
        {230, 380}, {210, 300}, {310, 220}, {120, 300}, {120, 280}, {450, 200}, {392, 90}, {160, 60},
        {340, 60}, {104, 140}, {110, 248}, {140, 420}, {470, 420}, {520, 200}, {580, 200}, {570, 60},
        {380, 440}, {250, 60}, {275, 355}, {130, 250}, {196, 100}, {76, 38}, {396, 56}, {110, 248}, {574, 330}, {318, 300}, {318, 310},
        {240, 330}, {250, 340}, {200, 260}, {272, 230}, {340, 200}, {360, 140}, {390, 200}, {440, 190},
        {100, 420}, {60, 420}, {30, 300}, {30, 210}, {560, 60}, {540, 30}, {520, 60}, {230, 60},
    };
    // Stitching rings around the mounting holes.
    for (QPointF c : {QPointF(14, 14), QPointF(586, 14), QPointF(14, 432), QPointF(586, 432)})
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4 + M_PI / 8;
            v.push_back(c + QPointF(std::cos(a) * 18, std::sin(a) * 18));
        }
    return v;
}

void populate(Layers& L, Rng& rng)
{
    // Silkscreen-only artwork.
    L.silk.push_back([](QPainter& p) {
        silkText(p, QPointF(136, 428), "ZK-WAVE-410", 13, Qt::AlignLeft, true);
        silkText(p, QPointF(236, 428), "REV B", 9, Qt::AlignLeft);
        // Blank field for the serial number sticker.
        p.setPen(Qt::NoPen);
        p.setBrush(kSilk);
        p.drawRect(QRectF(292, 420, 52, 15));
        p.setPen(grey(40));
        p.setFont(silkFont(7));
        p.drawText(QRectF(294, 420, 20, 15), Qt::AlignVCenter | Qt::AlignLeft, "S/N");
        // Labels of the user-settable parts.
        silkText(p, QPointF(30, 97.5), "PWR", 7, Qt::AlignRight, true);
        silkText(p, QPointF(60, 97.5), "LED", 7, Qt::AlignLeft, true);
        silkText(p, QPointF(27, 254.5), "VEXT", 7, Qt::AlignRight, true);
        silkText(p, QPointF(58, 254.5), "VUSB", 7, Qt::AlignLeft, true);
        silkText(p, QPointF(410, 38), "5V", 7, Qt::AlignRight, true);
        silkText(p, QPointF(442, 38), "GND", 7, Qt::AlignLeft, true);
        silkText(p, QPointF(364.5, 340.5), "UNI", 7, Qt::AlignRight, true);
        silkText(p, QPointF(396.5, 340.5), "BIP", 7, Qt::AlignLeft, true);
        silkText(p, QPointF(364.5, 388.5), "2.5V", 7, Qt::AlignRight, true);
        silkText(p, QPointF(396.5, 388.5), "10V", 7, Qt::AlignLeft, true);
        silkText(p, QPointF(380.5, 377.5), "5V", 6, Qt::AlignHCenter, true);
        silkText(p, QPointF(43.5, 144), "J2", 6, Qt::AlignHCenter);
        silkText(p, QPointF(80, 246), "JP1", 6, Qt::AlignHCenter);
        silkText(p, QPointF(426, 62), "JP2", 6, Qt::AlignHCenter);
        silkText(p, QPointF(380.5, 316), "JP3", 6, Qt::AlignHCenter);
        p.setPen(silkPen(1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(22.5, 121, 42, 11));
        p.drawRect(QRectF(29.5, 249, 26, 11));
        p.drawRect(QRectF(413.5, 26.5, 25, 23));
        p.drawRect(QRectF(367.5, 329, 26, 23));
        p.drawRect(QRectF(367.5, 383, 26, 11));
    });

    // Filler first, low parts.
    qfp(L, {228, 182}, 38, 11, 3.0, "ZKM48", "2231 A1", "U1");
    soic(L, {140, 196}, 90, 8, 4.0, 33, 13, "ZU20", "E 2230", "U3");
    soic(L, {300, 100}, 0, 4, 4.0, 17, 13, "ZE8", "K64", "U4");
    soic(L, {420, 125}, 90, 7, 4.0, 29, 13, "ZB24", "4", "U5");
    soic(L, {330, 262}, 0, 4, 4.0, 17, 13, "ZA2", "07", "U7");
    soic(L, {330, 347}, 0, 4, 4.0, 17, 13, "ZA2", "07", "U8");
    soic(L, {262, 300}, 0, 8, 4.0, 33, 13, "ZC16", "B 21", "U9");
    sot23(L, {322, 395}, 90);
    sot223(L, {150, 330});
    smaDiode(L, {105, 352.5});

    chipPart(L, {112, 97.5}, 0, Chip::Resistor, "R1", -1);
    chipPart(L, {196, 164}, 90, Chip::Capacitor);
    chipPart(L, {262, 212}, 0, Chip::Capacitor, "C9");
    chipPart(L, {196, 206}, 90, Chip::Capacitor);
    chipPart(L, {262, 152}, 0, Chip::Capacitor, "C6", -1);
    chipPart(L, {204, 110}, 0, Chip::Capacitor, "C7", -1);
    chipPart(L, {252, 110}, 0, Chip::Capacitor, "C8", -1);
    chipPart(L, {406, 75}, 90, Chip::Resistor, "R20", -1);
    chipPart(L, {446, 75}, 90, Chip::Resistor, "R21");
    chipPart(L, {404, 262.5}, 0, Chip::Resistor, "R30", -1);
    chipPart(L, {404, 284}, 0, Chip::Capacitor, "C30");
    chipPart(L, {404, 360.5}, 90, Chip::Resistor);
    chipPart(L, {300, 244}, 0, Chip::Resistor, "ZR33");
    chipPart(L, {300, 230}, 0, Chip::Capacitor, "C31", -1);
    chipPart(L, {358, 286}, 90, Chip::Capacitor, "C32", -1);
    chipPart(L, {300, 372}, 0, Chip::Resistor, "R34");
    chipPart(L, {345, 376}, 90, Chip::Resistor, "R35", -1);
    chipPart(L, {296, 330}, 0, Chip::Capacitor, "C33", -1);
    chipPart(L, {464, 100}, 90, Chip::Resistor);
    chipPart(L, {464, 116}, 90, Chip::Resistor);
    chipPart(L, {464, 132}, 90, Chip::Resistor);
    chipPart(L, {464, 148}, 90, Chip::Resistor);
    chipPart(L, {112, 158}, 90, Chip::Capacitor, "C10");
    chipPart(L, {164, 218}, 0, Chip::Capacitor, "C11");
    chipPart(L, {128, 313}, 0, Chip::Capacitor, "C12", -1);
    chipPart(L, {180, 300}, 90, Chip::Capacitor, "C13");
    chipPart(L, {556, 110}, 90, Chip::Resistor);
    chipPart(L, {570, 110}, 90, Chip::Resistor, "R40");
    chipPart(L, {556, 140}, 90, Chip::Capacitor, "C40", -1);
    chipPart(L, {328, 82}, 0, Chip::Capacitor, "C14", -1);
    chipPart(L, {232, 244}, 0, Chip::Resistor, "R5", -1);
    chipPart(L, {232, 256}, 0, Chip::Resistor, "R6");
    chipPart(L, {448, 150}, 90, Chip::Capacitor, "C15", -1);
    chipPart(L, {306, 290}, 0, Chip::Capacitor);
    chipPart(L, {356, 262}, 90, Chip::Resistor);
    chipPart(L, {356, 347}, 90, Chip::Resistor);
    chipPart(L, {140, 224}, 0, Chip::Resistor, "R3");
    chipPart(L, {140, 168}, 0, Chip::Resistor, "R2", -1);
    chipPart(L, {72, 40}, 90, Chip::Capacitor, "C17", -1);
    chipPart(L, {184, 84}, 0, Chip::Resistor, "R4");
    chipPart(L, {546, 200}, 0, Chip::Resistor);
    chipPart(L, {244, 404}, 0, Chip::Capacitor);
    chipPart(L, {216, 380}, 90, Chip::Capacitor, "C16", -1);
    chipPart(L, {440, 412}, 0, Chip::Resistor, "R41");
    chipPart(L, {480, 412}, 0, Chip::Resistor, "R42");
    tantalum(L, {160, 244}, 0, "C18");
    tantalum(L, {385, 300}, 90, "C34");
    testPoint(L, {120, 262}, "GND");
    testPoint(L, {146, 262}, "3V3");
    sot23(L, {110, 232}, 0);
    tactSwitch(L, {100, 45}, "RST");
    unpopulatedHeader(L, {160, 40}, 5, 2, "J4");
    fiducial(L, {56, 70});
    fiducial(L, {562, 212});
    fiducial(L, {520, 430});
    testPoint(L, {370, 240}, "AIN");

    // Parts the user sets or plugs into.
    pinHeader(L, {43.5, 126.5}, 5);
    pinHeader(L, {42.5, 254.5}, 3);
    pinHeader(L, {426, 32}, 3);
    pinHeader(L, {426, 44}, 3);
    pinHeader(L, {380.5, 334.5}, 3);
    pinHeader(L, {380.5, 346.5}, 3);
    pinHeader(L, {380.5, 388.5}, 3);
    jumperCap(L, {38.5, 254.5});
    jumperCap(L, {422, 32});
    jumperCap(L, {430, 44});
    jumperCap(L, {376.5, 334.5});
    jumperCap(L, {376.5, 346.5});
    jumperCap(L, {384.5, 388.5});

    for (QPointF c : {QPointF(14, 14), QPointF(586, 14), QPointF(14, 432), QPointF(586, 432)})
        mountingHole(L, c);

    // Tall parts last so that their shadows fall over the rest.
    crystal(L, {228, 128});
    smdElectrolytic(L, {196, 346}, 20);
    radialElectrolytic(L, {124, 392}, 13);
    led3mm(L, {48, 97.5});
    boxHeader(L, {508.5, 124.5});
    dcJack(L);
    usbTypeB(L, rng);
    bncSocket(L, 262.5, "BNC2");
    bncSocket(L, 360.5, "BNC1");
}

// Screen-printed ink is never razor sharp and lets a little of the green through.
QImage renderSilkscreen(const Layers& layers)
{
    QImage ink(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter p(&ink);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        for (const auto& step : layers.silk)
            step(p);
    }
    std::vector<float> ch[4];
    for (auto& c : ch)
        c.resize(static_cast<std::size_t>(kWidth * kHeight));
    for (int y = 0; y < kHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * kWidth + x);
            ch[0][i] = qRed(line[x]);
            ch[1][i] = qGreen(line[x]);
            ch[2][i] = qBlue(line[x]);
            ch[3][i] = qAlpha(line[x]);
        }
    }
    QImage out(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            float v[4];
            for (int k = 0; k < 4; ++k) {
                float sum = 0;
                float wsum = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int xx = std::clamp(x + dx, 0, kWidth - 1);
                        const int yy = std::clamp(y + dy, 0, kHeight - 1);
                        const float w = (dx == 0 ? 2.0f : 1.0f) * (dy == 0 ? 2.0f : 1.0f);
                        sum += w * ch[k][static_cast<std::size_t>(yy * kWidth + xx)];
                        wsum += w;
                    }
                const float centre = ch[k][static_cast<std::size_t>(y * kWidth + x)];
                v[k] = (0.5f * centre + 0.5f * sum / wsum) * 0.9f;
            }
            line[x] = qRgba(static_cast<int>(v[0] + 0.5f), static_cast<int>(v[1] + 0.5f), static_cast<int>(v[2] + 0.5f),
                            static_cast<int>(v[3] + 0.5f));
        }
    }
    return out;
}

// A board that has been handled: a few specks of dust and faint scuffs.
void sprinkleDust(QPainter& p, Rng& rng)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(rng.range(0, kWidth), rng.range(0, kHeight));
        const double r = rng.range(0.35, 0.9);
        p.setBrush(QColor(230, 232, 220, static_cast<int>(rng.range(40, 110))));
        p.drawEllipse(c, r, r);
    }
    for (int i = 0; i < 5; ++i) {
        const QPointF a(rng.range(80, kWidth - 80), rng.range(60, kHeight - 60));
        const double angle = rng.range(0, 2 * M_PI);
        const double len = rng.range(15, 45);
        QPainterPath scuff;
        scuff.moveTo(a);
        scuff.quadTo(a + QPointF(std::cos(angle + 0.3) * len / 2, std::sin(angle + 0.3) * len / 2),
                     a + QPointF(std::cos(angle) * len, std::sin(angle) * len));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(220, 240, 220, 22), 0.7));
        p.drawPath(scuff);
        p.setPen(Qt::NoPen);
    }
}

QImage renderBoard()
{
    Rng rng(0x5A4B574156453431ull);
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(kLaminate);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        drawCopper(p, boardTraces(), boardPours(), boardVias());
    }
    mottleMask(img, rng);

    Layers layers;
    populate(layers, rng);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(0, 0, renderSilkscreen(layers));
        for (const auto& step : layers.pads)
            step(p);
        for (const auto& step : layers.low)
            step(p);
        for (const auto& step : layers.high)
            step(p);
        sprinkleDust(p, rng);
    }
    photographicFinish(img, rng);
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.jpg>\n", argv[0]);
        return 2;
    }
    // Rendering only; never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QImage board = renderBoard();
    std::string error;
    if (!writeProgressiveJpeg(board, argv[1], kJpegQuality, buildSrgbIccProfile(), &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
