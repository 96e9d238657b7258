#include "toolkit/form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"
#include "toolkit/widget_bridge_p.h"

namespace {

// Frame margins before the window manager has framed a window: openbox's
// default theme (title bar 20, borders 1, bottom handle 5, as measured on a
// tool window). The real ones replace them as soon as the window is shown.
TFrameMargins DefaultMargins(TFormBorderStyle style) {
    if (QGuiApplication::platformName() == "offscreen" || style == TFormBorderStyle::bsNone) return {};
    return {1, 20, 1, 5};
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner, nullptr) {
    QWidget* frame = Widget();
    FClient = new TWidgetBridge<QWidget>(this, frame);
    FLayout = new QVBoxLayout(frame);
    FLayout->setContentsMargins(0, 0, 0, 0);
    FLayout->setSpacing(0);
    FLayout->addWidget(FClient);
    FClient->setAttribute(Qt::WA_OpaquePaintEvent);
    FClient->setMouseTracking(true);
    frame->setFocusPolicy(Qt::NoFocus);
    SetCustomPainted(true);
    StoreBounds(0, 0, 320, 240);
    TControl::SetVisible(false);
    SetColor(clBtnFace);
    SetParentFont(false);
    ApplyGeometry();
    if (Screen) Screen->AddForm(this);
}

TForm::~TForm() {
    MarkDestroying();
    // No activation or leave notice reaches a form that is being taken down.
    EndGuards();
    if (Screen) Screen->RemoveForm(this);
    if (Application) Application->FormDestroyed(this);
    // Owned components first, while our widgets still stand; then the window.
    DestroyComponents();
    if (FMenu) FLayout->setMenuBar(nullptr);
}

QWidget* TForm::ClientWidget() const { return FClient; }

TFrameMargins TForm::FrameMargins() const {
    QWidget* frame = Widget();
    if (frame && frame->isVisible()) {
        QRect outer = frame->frameGeometry(), inner = frame->geometry();
        TFrameMargins m{inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom()};
        if (m.Left || m.Top || m.Right || m.Bottom) return m;
    }
    return DefaultMargins(FBorderStyle);
}

int TForm::MenuBarHeight() const {
    if (!FMenu || !FMenu->MenuBar()) return 0;
    QMenuBar* bar = FMenu->MenuBar();
    return bar->isVisible() ? bar->height() : bar->sizeHint().height();
}

int TForm::ClientWidth() const {
    TFrameMargins m = FrameMargins();
    return std::max(0, Width() - m.Left - m.Right);
}

int TForm::ClientHeight() const {
    TFrameMargins m = FrameMargins();
    return std::max(0, Height() - m.Top - m.Bottom - MenuBarHeight());
}

void TForm::ApplyGeometry() {
    QWidget* frame = Widget();
    TFrameMargins m = FrameMargins();
    FApplyingGeometry = true;
    frame->move(Left(), Top());
    frame->resize(std::max(1, Width() - m.Left - m.Right), std::max(1, Height() - m.Top - m.Bottom));
    FApplyingGeometry = false;
}

void TForm::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    TControl::SetBounds(left, top, width, height);
    ApplyGeometry();
    AlignControls();
}

void TForm::SyncBoundsFromWidget() {
    if (FApplyingGeometry) return;
    QWidget* frame = Widget();
    QRect g = frame->geometry();
    TFrameMargins m = FrameMargins();
    StoreBounds(g.x() - m.Left, g.y() - m.Top, g.width() + m.Left + m.Right, g.height() + m.Top + m.Bottom);
}

void TForm::SetMinimumSize(int width, int height) {
    FMinWidth = width;
    FMinHeight = height;
    TFrameMargins m = FrameMargins();
    Widget()->setMinimumSize(std::max(0, width - m.Left - m.Right), std::max(0, height - m.Top - m.Bottom));
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == FBorderStyle) return;
    FBorderStyle = style;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle style) {
    if (style == FFormStyle) return;
    FFormStyle = style;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window;
    switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: flags |= Qt::FramelessWindowHint; break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
        break;
    case TFormBorderStyle::bsDialog: flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint; break;
    default: break;
    }
    if (FFormStyle == TFormStyle::fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
    QWidget* frame = Widget();
    bool shown = frame->isVisible();
    frame->setWindowFlags(flags);
    if (shown) frame->show();
}

void TForm::SetWindowState(TWindowState state) {
    if (state == FWindowState) return;
    FWindowState = state;
    QWidget* frame = Widget();
    if (!frame->isVisible()) return;
    switch (state) {
    case TWindowState::wsMaximized: frame->showMaximized(); break;
    case TWindowState::wsMinimized: frame->showMinimized(); break;
    case TWindowState::wsNormal: frame->showNormal(); break;
    }
}

void TForm::SetMenu(TMainMenu* menu) {
    if (menu == FMenu) return;
    if (FMenu && FMenu->MenuBar()) {
        FLayout->setMenuBar(nullptr);
        FMenu->MenuBar()->hide();
        FMenu->MenuBar()->setParent(nullptr);
    }
    FMenu = menu;
    if (FMenu) {
        FLayout->setMenuBar(FMenu->MenuBar());
        FMenu->MenuBar()->show();
    }
    AlignControls();
}

void TForm::SetVisible(bool visible) {
    if (visible == Visible() && visible == Widget()->isVisible()) return;
    TControl::SetVisible(visible);
    QWidget* frame = Widget();
    if (!visible) {
        frame->hide();
        return;
    }
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main != this && main->Widget()->isVisible()) {
        // Keeps secondary windows above the main one and out of the task list,
        // without giving Qt a parent that could delete them.
        frame->createWinId();
        main->Widget()->createWinId();
        if (frame->windowHandle() && main->Widget()->windowHandle())
            frame->windowHandle()->setTransientParent(main->Widget()->windowHandle());
    }
    auto centreOn = [&](TRect area) {
        SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
                  Height());
    };
    // The placement applies at the first showing; afterwards the window
    // keeps the place it had, wherever the user put it.
    if (!FShownOnce) {
        if (FPosition == TPosition::poScreenCenter) {
            centreOn({0, 0, Screen->Width(), Screen->Height()});
        } else if ((FPosition == TPosition::poMainFormCenter || FPosition == TPosition::poOwnerFormCenter) && main &&
                   main != this) {
            centreOn(main->BoundsRect());
        }
    }
    bool first = !FShownOnce;
    FShownOnce = true;
    switch (FWindowState) {
    case TWindowState::wsMaximized: frame->showMaximized(); break;
    case TWindowState::wsMinimized: frame->showMinimized(); break;
    case TWindowState::wsNormal: frame->show(); break;
    }
    if (first) FocusFirstControl();
    if (OnShow) OnShow(this);
}

void TForm::ShowForm() {
    SetVisible(true);
    Widget()->raise();
    Widget()->activateWindow();
}

void TForm::SetFocus() {
    if (!Widget()->isVisible()) return;
    Widget()->raise();
    Widget()->activateWindow();
}

void TForm::Close() {
    bool isMain = Application && Application->MainForm() == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (isMain) {
        Application->Terminate();
        return;
    }
    if (action == TCloseAction::caMinimize) Widget()->showMinimized();
    else SetVisible(false);
    if (OnHide) OnHide(this);
}

void TForm::FitToChildren() {
    bool any = false;
    TRect box;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!c->Visible()) continue;
        TRect r = c->BoundsRect();
        box = any ? TRect{std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right),
                          std::max(box.Bottom, r.Bottom)}
                  : r;
        any = true;
    }
    if (!any) return;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Visible() && c->Align() == TAlign::alNone)
            c->SetBounds(c->Left() - box.Left, c->Top() - box.Top, c->Width(), c->Height());
    }
    SetClientWidth(box.Width());
    SetClientHeight(box.Height());
}

void TForm::FocusFirstControl() {
    TWinControl* first = nullptr;
    for (int i = 0; i < ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(Controls(i));
        if (!w || !w->TabStop() || !w->CanFocus()) continue;
        auto order = [](TWinControl* c) { return c->TabOrder() < 0 ? 1 << 30 : c->TabOrder(); };
        if (!first || order(w) < order(first)) first = w;
    }
    if (first) first->SetFocus();
}

bool TForm::HandleDialogKey(int key) {
    TButton* focused = nullptr;
    TButton* wanted = nullptr;
    for (int i = 0; i < ComponentCount(); ++i) {
        auto* b = dynamic_cast<TButton*>(Components(i));
        if (!b || !b->Showing() || !b->Enabled()) continue;
        if (b->Focused()) focused = b;
        if (key == Qt::Key_Escape ? b->Cancel() : b->Default()) wanted = wanted ? wanted : b;
    }
    if (key != Qt::Key_Escape && focused) wanted = focused;
    if (!wanted) return false;
    wanted->Click();
    return true;
}

void TForm::Activated(bool active) {
    if (active == FActive) return;
    FActive = active;
    if (active && OnActivate) OnActivate(this);
    if (!active && OnDeactivate) OnDeactivate(this);
}

void TForm::CaptionChanged() { Widget()->setWindowTitle(QString::fromStdString(Caption())); }

void TForm::DoCreate() {
    if (OnCreate) OnCreate(this);
}

const std::any* TForm::FindHandler(const String& name) const {
    auto it = FHandlers.find(name);
    return it == FHandlers.end() ? nullptr : &it->second;
}

void TForm::BindFields() {
    for (auto& [name, bind] : FFields) {
        TComponent* c = FindComponent(name);
        if (!c) throw std::runtime_error("The window definition has no component named " + name);
        if (!bind(c)) throw std::runtime_error("Component " + name + " is a " + c->ClassName() + ", not the expected class");
    }
}

bool TForm::HandleWidgetEvent(QWidget* widget, QEvent* event) {
    if (widget == FClient) {
        if (event->type() == QEvent::Resize) SyncBoundsFromWidget();
        bool handled = TWinControl::HandleWidgetEvent(widget, event);
        if (event->type() == QEvent::Paint && !FPainted) {
            FPainted = true;
            if (Application && Application->MainForm() == this) Application->MainFormPainted();
        }
        return handled;
    }
    if (widget != Widget()) return false;
    switch (event->type()) {
    case QEvent::Close:
        event->ignore();
        CallSafely([this] { Close(); });
        return true;
    case QEvent::WindowActivate:
        CallSafely([this] { Activated(true); });
        return false;
    case QEvent::WindowDeactivate:
        CallSafely([this] { Activated(false); });
        return false;
    case QEvent::Move:
    case QEvent::Resize:
        SyncBoundsFromWidget();
        return false;
    case QEvent::WindowTitleChange: return false;
    case QEvent::KeyPress: {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
        bool handled = false;
        CallSafely([&] { handled = HandleDialogKey(key); });
        return handled;
    }
    case QEvent::Leave:
        CallSafely([this] { MouseLeft(); });
        return false;
    case QEvent::Enter:
        CallSafely([this] { MouseEntered(); });
        return false;
    default: return false;
    }
}
