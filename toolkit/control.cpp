#include "toolkit/control.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "toolkit/win_control.h"

TControl::TControl(TComponent* owner) : TComponent(owner) {
    FFont.OnChange = [this] {
        if (!FAssigningFont) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    EndGuards();
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this) throw std::invalid_argument("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    ParentFontChanged();
    ParentColorChanged();
    RecordAnchorOrigin();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    TRect old = BoundsRect();
    StoreBounds(left, top, width, height);
    if (!FAnchoring) RecordAnchorOrigin();
    if (FParent && FVisible && !dynamic_cast<TWinControl*>(this)) {
        // A windowless control leaves its old place and shows at its new one.
        if (QWidget* w = FParent->ClientWidget()) {
            w->update(QRect(old.Left, old.Top, old.Width(), old.Height()));
            w->update(QRect(left, top, width, height));
        }
    }
    BoundsChanged();
}

void TControl::SetClientWidth(int width) { SetWidth(Width() - ClientWidth() + width); }
void TControl::SetClientHeight(int height) { SetHeight(Height() - ClientHeight() + height); }

TPoint TControl::ClientToScreen(TPoint p) const {
    if (!FParent) return p;
    return FParent->ClientToScreen({p.X + FLeft, p.Y + FTop});
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint origin = ClientToScreen({0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    if (FParent) Invalidate();
    VisibleChanged();
}

bool TControl::Showing() const {
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : true;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Invalidate();
    EnabledChanged();
}

void TControl::SetAlign(TAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    if (FParent) FParent->AlignControls();
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == FAnchors) return;
    FAnchors = anchors;
    RecordAnchorOrigin();
}

void TControl::RecordAnchorOrigin() {
    if (!FParent) {
        FAnchorParentWidth = FAnchorParentHeight = -1;
        return;
    }
    FAnchorRect = BoundsRect();
    FAnchorParentWidth = FParent->ClientWidth();
    FAnchorParentHeight = FParent->ClientHeight();
}

void TControl::ApplyAnchors(int parentWidth, int parentHeight) {
    if (FAlign != TAlign::alNone) return;
    if (FAnchorParentWidth <= 0 || FAnchorParentHeight <= 0) {
        RecordAnchorOrigin();
        return;
    }
    // Each axis: anchored to both sides stretches, to the far side follows
    // it, to neither keeps its centre at the same fraction of the parent.
    auto axis = [](bool nearSide, bool farSide, int start, int size, int oldParent, int newParent, int& outStart,
                   int& outSize) {
        outStart = start;
        outSize = size;
        int delta = newParent - oldParent;
        if (nearSide && farSide) {
            outSize = size + delta;
        } else if (farSide) {
            outStart = start + delta;
        } else if (!nearSide) {
            double centre = (start + size / 2.0) * newParent / oldParent;
            outStart = int(std::trunc(centre - size / 2.0));
        }
    };
    int left, width, top, height;
    axis(FAnchors & akLeft, FAnchors & akRight, FAnchorRect.Left, FAnchorRect.Width(), FAnchorParentWidth,
         parentWidth, left, width);
    axis(FAnchors & akTop, FAnchors & akBottom, FAnchorRect.Top, FAnchorRect.Height(), FAnchorParentHeight,
         parentHeight, top, height);
    FAnchoring = true;
    SetBounds(left, top, width, height);
    FAnchoring = false;
}

void TControl::SetColor(TColor color) {
    FParentColor = false;
    if (color == FColor) return;
    FColor = color;
    Invalidate();
    ColorChanged();
}

void TControl::SetParentColor(bool parentColor) {
    if (parentColor == FParentColor) return;
    FParentColor = parentColor;
    ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!FParentColor || !FParent || FParent->Color() == FColor) return;
    FColor = FParent->Color();
    Invalidate();
    ColorChanged();
}

void TControl::SetParentFont(bool parentFont) {
    if (parentFont == FParentFont) return;
    FParentFont = parentFont;
    ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    FAssigningFont = true;
    FFont.Assign(FParent->Font());
    FAssigningFont = false;
}

void TControl::SetCaption(const String& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    Invalidate();
    CaptionChanged();
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
    if (!FParent || !FParent->ClientWidget()) return;
    FParent->ClientWidget()->update(QRect(FLeft, FTop, FWidth, FHeight));
}

void TControl::Repaint() {
    if (!FParent || !FParent->ClientWidget()) return;
    FParent->ClientWidget()->repaint(QRect(FLeft, FTop, FWidth, FHeight));
}

void TControl::BringToFront() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(it, it + 1, list.end());
    if (auto* win = dynamic_cast<TWinControl*>(this); win && win->Widget()) win->Widget()->raise();
    Invalidate();
}

void TControl::SendToBack() {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(list.begin(), it, it + 1);
    if (auto* win = dynamic_cast<TWinControl*>(this); win && win->Widget()) win->Widget()->lower();
    Invalidate();
}

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage&) {}

void TControl::MouseEntered() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::MouseLeft() {
    if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::MouseDown(TMouseButton button, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, button, x, y);
}

void TControl::MouseUp(TMouseButton button, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, button, x, y);
}

void TControl::MouseMove(int x, int y) {
    if (OnMouseMove) OnMouseMove(this, x, y);
}

// ---- TGraphicControl ---------------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}
TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() { return FCanvas ? *FCanvas : FIdleCanvas; }

void TGraphicControl::PaintOn(TCanvas& canvas) {
    TCanvas* saved = FCanvas;
    FCanvas = &canvas;
    struct Restore {
        TGraphicControl* self;
        TCanvas* saved;
        ~Restore() { self->FCanvas = saved; }
    } restore{this, saved};
    Paint();
}
