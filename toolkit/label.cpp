#include "toolkit/label.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "toolkit/win_control.h"

namespace {

int TextFlags(TAlignment alignment, TTextLayout layout, bool wrap) {
    int flags = Qt::TextShowMnemonic;
    flags |= alignment == TAlignment::taRightJustify ? Qt::AlignRight
             : alignment == TAlignment::taCenter     ? Qt::AlignHCenter
                                                     : Qt::AlignLeft;
    flags |= layout == TTextLayout::tlCenter   ? Qt::AlignVCenter
             : layout == TTextLayout::tlBottom ? Qt::AlignBottom
                                               : Qt::AlignTop;
    if (wrap) flags |= Qt::TextWordWrap;
    return flags;
}

}  // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    StoreBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment) return;
    FAlignment = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    if (layout == FLayout) return;
    FLayout = layout;
    Invalidate();
}

void TLabel::SetAutoSize(bool autoSize) {
    if (autoSize == FAutoSize) return;
    FAutoSize = autoSize;
    AdjustSize();
}

void TLabel::SetWordWrap(bool wrap) {
    if (wrap == FWordWrap) return;
    FWordWrap = wrap;
    AdjustSize();
    Invalidate();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustSize();
}

TPoint TLabel::TextExtent() const {
    QFontMetrics m(Font().ToQFont());
    QString text = QString::fromStdString(Caption());
    int flags = TextFlags(FAlignment, FLayout, FWordWrap);
    QRect r = FWordWrap ? m.boundingRect(QRect(0, 0, Width(), 1 << 20), flags, text)
                        : m.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), flags, text);
    return {r.width(), std::max(r.height(), m.height())};
}

void TLabel::AdjustSize() {
    if (!FAutoSize || IsLoading()) return;
    TPoint extent = TextExtent();
    // An aligned label keeps the length its alignment gives it.
    bool keepWidth = FWordWrap || Align() == TAlign::alTop || Align() == TAlign::alBottom || Align() == TAlign::alClient;
    bool keepHeight = Align() == TAlign::alLeft || Align() == TAlign::alRight || Align() == TAlign::alClient;
    SetBounds(Left(), Top(), keepWidth ? Width() : extent.X, keepHeight ? Height() : extent.Y);
    if (Parent() && Align() != TAlign::alNone) Parent()->AlignControls();
}

void TLabel::Paint() {
    TCanvas& c = Canvas();
    if (!c.HasTarget()) return;
    TRect r = ClientRect();
    if (!FTransparent) {
        c.Brush.Style = TBrushStyle::bsSolid;
        c.Brush.Color = Color();
        c.FillRect(r);
    }
    c.Flush();
    QPainter p(c.Target());
    TPoint o = c.Origin();
    TRect clip = c.ClipRect();
    p.translate(o.X, o.Y);
    p.setClipRect(QRect(clip.Left, clip.Top, clip.Width(), clip.Height()));
    p.setFont(Font().ToQFont());
    TColor rgb = ColorToRGB(Enabled() ? Font().Color() : clGrayText);
    p.setPen(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
    p.drawText(QRect(r.Left, r.Top, r.Width(), r.Height()), TextFlags(FAlignment, FLayout, FWordWrap),
               QString::fromStdString(Caption()));
}
