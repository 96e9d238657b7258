#include "toolkit/win_control.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "toolkit/exceptions.h"
#include "toolkit/widget_bridge_p.h"

namespace {

TMouseButton ToButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TWinControl(owner, nullptr) {}

TWinControl::TWinControl(TComponent* owner, TWidgetFactory makeWidget) : TControl(owner) {
    FWidget = makeWidget ? makeWidget(this) : new TWidgetBridge<QWidget>(this, nullptr);
    FWidget->setAttribute(Qt::WA_DeleteOnClose, false);
    FWidget->hide();
}

TWinControl::~TWinControl() {
    MarkDestroying();
    EndGuards();
    // Children are owned elsewhere: take their widgets out of ours so Qt's
    // parent/child deletion never deletes a component's widget.
    while (!FControls.empty()) FControls.back()->SetParent(nullptr);
    if (Parent()) Parent()->RemoveControl(this);
    delete FWidget;
    FWidget = nullptr;
}

int TWinControl::IndexOfControl(const TControl* control) const {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    return it == FControls.end() ? -1 : int(it - FControls.begin());
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    control->FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        win->FWidget->setParent(ClientWidget());
        win->FWidget->setGeometry(win->Left(), win->Top(), win->Width(), win->Height());
        win->FWidget->setVisible(win->Visible());
        win->FWidget->raise();
    } else {
        control->Invalidate();
    }
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(FControls.begin(), FControls.end(), control);
    if (it == FControls.end()) return;
    control->Invalidate();
    FControls.erase(it);
    control->FParent = nullptr;
    if (FMouseControl == control) FMouseControl = nullptr;
    if (FPressedControl == control) FPressedControl = nullptr;
    // Out of our widget: Qt must never delete it along with ours.
    if (auto* win = dynamic_cast<TWinControl*>(control); win && win->FWidget) win->FWidget->setParent(nullptr);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    TControl::SetParent(parent);
    if (!parent && FWidget && FWidget->parentWidget()) FWidget->setParent(nullptr);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    TControl::SetBounds(left, top, width, height);
    if (FWidget && FWidget->parentWidget()) FWidget->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (ClientWidth() != FLastClientWidth || ClientHeight() != FLastClientHeight) AlignControls();
}

int TWinControl::ClientWidth() const { return Width(); }

TPoint TWinControl::ClientToScreen(TPoint p) const {
    QWidget* client = ClientWidget();
    if (!client) return TControl::ClientToScreen(p);
    QPoint global = client->mapToGlobal(QPoint(p.X, p.Y));
    return {global.x(), global.y()};
}
int TWinControl::ClientHeight() const { return Height(); }

void TWinControl::SetVisible(bool visible) {
    if (visible == Visible()) return;
    TControl::SetVisible(visible);
    if (FWidget && Parent()) FWidget->setVisible(visible);
}

void TWinControl::SetEnabled(bool enabled) {
    TControl::SetEnabled(enabled);
    if (FWidget) FWidget->setEnabled(enabled);
}

void TWinControl::SetTabOrder(int order) {
    if (order == FTabOrder) return;
    FTabOrder = order;
    if (Parent() && !IsLoading()) Parent()->ApplyTabOrder();
}

void TWinControl::SetTabStop(bool tabStop) {
    FTabStop = tabStop;
    if (FWidget) FWidget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TWinControl::ApplyTabOrder() {
    std::vector<TWinControl*> order;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) order.push_back(w);
    std::stable_sort(order.begin(), order.end(), [](TWinControl* a, TWinControl* b) {
        auto key = [](TWinControl* w) { return w->FTabOrder < 0 ? 1 << 30 : w->FTabOrder; };
        return key(a) < key(b);
    });
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1]->FWidget, order[i]->FWidget);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    ApplyTabOrder();
}

void TWinControl::SetFocus() {
    if (!FWidget) return;
    if (FWidget->focusPolicy() == Qt::NoFocus) FWidget->setFocusPolicy(Qt::ClickFocus);
    FWidget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const { return FWidget && FWidget->hasFocus(); }

bool TWinControl::CanFocus() const { return FWidget && Showing() && Enabled(); }

void TWinControl::Invalidate() {
    if (FWidget) FWidget->update();
}

void TWinControl::Repaint() {
    if (FWidget) FWidget->repaint();
}

TControl* TWinControl::ControlAtPos(TPoint p) const {
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (dynamic_cast<TWinControl*>(c) || !c->Visible() || !c->Enabled()) continue;
        if (c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::SetCustomPainted(bool custom) {
    FCustomPainted = custom;
    if (!FWidget) return;
    FWidget->setAttribute(Qt::WA_OpaquePaintEvent, custom);
    FWidget->setMouseTracking(custom);
}

void TWinControl::FontChanged() {
    ApplyWidgetFont();
    for (TControl* c : FControls) c->ParentFontChanged();
    Invalidate();
}

void TWinControl::ColorChanged() {
    ApplyWidgetColor();
    for (TControl* c : FControls) c->ParentColorChanged();
}

void TWinControl::CaptionChanged() { Invalidate(); }

void TWinControl::ApplyWidgetFont() {
    if (FWidget) FWidget->setFont(Font().ToQFont());
}

void TWinControl::ApplyWidgetColor() {}

void TWinControl::AlignControls() {
    int cw = ClientWidth(), ch = ClientHeight();
    bool resized = FLastClientWidth >= 0 && (cw != FLastClientWidth || ch != FLastClientHeight);
    FLastClientWidth = cw;
    FLastClientHeight = ch;
    TRect rest{0, 0, cw, ch};
    auto place = [&](TAlign align) {
        for (TControl* c : std::vector<TControl*>(FControls)) {
            if (c->Align() != align || !c->Visible()) continue;
            switch (align) {
            case TAlign::alTop:
                c->SetBounds(rest.Left, rest.Top, rest.Width(), c->Height());
                rest.Top += c->Height();
                break;
            case TAlign::alBottom:
                c->SetBounds(rest.Left, rest.Bottom - c->Height(), rest.Width(), c->Height());
                rest.Bottom -= c->Height();
                break;
            case TAlign::alLeft:
                c->SetBounds(rest.Left, rest.Top, c->Width(), rest.Height());
                rest.Left += c->Width();
                break;
            case TAlign::alRight:
                c->SetBounds(rest.Right - c->Width(), rest.Top, c->Width(), rest.Height());
                rest.Right -= c->Width();
                break;
            case TAlign::alClient: c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height()); break;
            case TAlign::alNone: break;
            }
        }
    };
    for (TAlign a : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) place(a);
    for (TControl* c : std::vector<TControl*>(FControls)) {
        if (resized) c->ApplyAnchors(cw, ch);
        c->ParentResized();
    }
}

void TWinControl::SyncBoundsFromWidget() {
    if (!FWidget || !FWidget->parentWidget()) return;
    QRect g = FWidget->geometry();
    StoreBounds(g.x(), g.y(), g.width(), g.height());
}

namespace {

bool Intersects(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRect Union(const TRect& a, const TRect& b) {
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

TRect Intersection(const TRect& a, const TRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

}  // namespace

TRect TWinControl::PaintArea(const TRect& dirty) const {
    // A windowless child is always drawn whole, so one that reads what lies
    // under it (a highlight rendering its looks) sees all of it.
    TRect area = dirty;
    for (bool grown = true; grown;) {
        grown = false;
        for (TControl* c : FControls) {
            if (dynamic_cast<const TWinControl*>(c) || !c->Visible()) continue;
            TRect r = c->BoundsRect();
            if (!Intersects(r, area)) continue;
            TRect joined = Union(area, r);
            if (joined == area) continue;
            area = joined;
            grown = true;
        }
    }
    return Intersection(area, ClientRect());
}

void TWinControl::PaintClient(QImage& buffer, TPoint offset) {
    TColor back = ColorToRGB(Color());
    buffer.fill(qRgb(GetRValue(back), GetGValue(back), GetBValue(back)));
    TCanvas canvas(&buffer);
    canvas.SetOrigin({-offset.X, -offset.Y});
    canvas.Font.Assign(Font());
    canvas.Brush.Color = Color();
    CallSafely([&] { PaintWindow(canvas); });
    canvas.Flush();
    const TRect area = Bounds(offset.X, offset.Y, buffer.width(), buffer.height());
    for (TControl* c : std::vector<TControl*>(FControls)) {
        auto* graphic = dynamic_cast<TGraphicControl*>(c);
        if (!graphic || !graphic->Visible()) continue;
        const TRect r = graphic->BoundsRect();
        if (!Intersects(r, area)) continue;
        TCanvas childCanvas(&buffer);
        childCanvas.SetOrigin({r.Left - offset.X, r.Top - offset.Y});
        TRect visible = Intersection(r, area);
        childCanvas.SetClip({visible.Left - r.Left, visible.Top - r.Top, visible.Right - r.Left, visible.Bottom - r.Top});
        childCanvas.Font.Assign(graphic->Font());
        childCanvas.Brush.Color = graphic->Color();
        CallSafely([&] { graphic->PaintOn(childCanvas); });
    }
}

void TWinControl::SetMouseControl(TControl* control) {
    if (control == FMouseControl) return;
    auto guard = Guard();
    TControl* old = FMouseControl;
    FMouseControl = control;
    // The old control hears its leave before the new one hears its enter.
    if (old) old->MouseLeft();
    if (!guard.Alive()) return;
    if (control && FMouseControl == control && IndexOfControl(control) >= 0) control->MouseEntered();
}

void TWinControl::RouteMouse(QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    TPoint p{int(me->position().x()), int(me->position().y())};
    auto guard = Guard();
    TControl* hit = ControlAtPos(p);
    switch (event->type()) {
    case QEvent::MouseMove:
        SetMouseControl(hit);
        if (!guard.Alive()) return;
        if (hit && hit == FMouseControl) hit->MouseMove(p.X - hit->Left(), p.Y - hit->Top());
        else if (!hit) MouseMove(p.X, p.Y);
        break;
    case QEvent::MouseButtonPress:
        SetMouseControl(hit);
        if (!guard.Alive()) return;
        FPressedControl = hit;
        FPressedSelf = hit == nullptr;
        if (hit) hit->MouseDown(ToButton(me->button()), p.X - hit->Left(), p.Y - hit->Top());
        else MouseDown(ToButton(me->button()), p.X, p.Y);
        break;
    case QEvent::MouseButtonRelease: {
        TControl* pressed = FPressedControl;
        bool pressedSelf = FPressedSelf;
        FPressedControl = nullptr;
        FPressedSelf = false;
        if (pressed) {
            auto pressedGuard = pressed->Guard();
            pressed->MouseUp(ToButton(me->button()), p.X - pressed->Left(), p.Y - pressed->Top());
            if (!guard.Alive() || !pressedGuard.Alive()) return;
            if (pressed == hit && me->button() == Qt::LeftButton) pressed->Click();
        } else if (pressedSelf) {
            MouseUp(ToButton(me->button()), p.X, p.Y);
            if (!guard.Alive()) return;
            if (!hit && me->button() == Qt::LeftButton && ClientRect().Contains(p)) Click();
        }
        break;
    }
    default: break;
    }
}

bool TWinControl::HandleWidgetEvent(QWidget* widget, QEvent* event) {
    if (widget != ClientWidget()) return false;
    switch (event->type()) {
    case QEvent::Paint:
        if (!FCustomPainted) return false;
        CallSafely([&] {
            // Only the part that needs it is composed: a highlight changing
            // its look repaints its own small rectangle, not the whole photo.
            QRect dirty = static_cast<QPaintEvent*>(event)->rect();
            TRect area = PaintArea({dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1});
            if (area.Width() <= 0 || area.Height() <= 0) return;
            QImage buffer(area.Width(), area.Height(), QImage::Format_RGB32);
            if (buffer.isNull()) return;
            PaintClient(buffer, {area.Left, area.Top});
            QPainter painter(widget);
            painter.drawImage(area.Left, area.Top, buffer);
        });
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (!FCustomPainted) return false;
        CallSafely([&] { RouteMouse(event); });
        return true;
    case QEvent::Enter:
        if (widget == FWidget) CallSafely([&] { MouseEntered(); });
        return false;
    case QEvent::Leave:
        CallSafely([&] {
            auto guard = Guard();
            SetMouseControl(nullptr);
            if (guard.Alive() && widget == FWidget) MouseLeft();
        });
        return false;
    case QEvent::Resize:
        CallSafely([&] {
            if (ClientWidth() != FLastClientWidth || ClientHeight() != FLastClientHeight) AlignControls();
        });
        return false;
    default: return false;
    }
}

// ---- TCustomControl ----------------------------------------------------

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) { SetCustomPainted(true); }

TCanvas& TCustomControl::Canvas() { return FCanvas ? *FCanvas : FIdleCanvas; }

void TCustomControl::PaintWindow(TCanvas& canvas) {
    TCanvas* saved = FCanvas;
    FCanvas = &canvas;
    struct Restore {
        TCustomControl* self;
        TCanvas* saved;
        ~Restore() { self->FCanvas = saved; }
    } restore{this, saved};
    Paint();
}
