#include "toolkit/menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>

#include "toolkit/exceptions.h"

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FAction(std::make_unique<QAction>()) {
    QObject::connect(FAction.get(), &QAction::triggered, [this] { CallSafely([this] { Click(); }); });
}

TMenuItem::~TMenuItem() {
    MarkDestroying();
    for (TMenuItem* child : FItems) child->FParent = nullptr;
    FItems.clear();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMainMenu*>(parent)) menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this) return;
    if (item->FParent) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    bool becameMenu = FItems.empty();
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    Rebuild();
    // Gaining a first sub-item turns this item into a sub-menu in its parent.
    if (becameMenu && FParent) FParent->Rebuild();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    item->FParent = nullptr;
    if (IsDestroying()) return;
    Rebuild();
    if (FItems.empty() && FParent) FParent->Rebuild();
}

QAction* TMenuItem::QtAction() const {
    return FSubMenu && !FItems.empty() ? FSubMenu->menuAction() : FAction.get();
}

void TMenuItem::Rebuild() {
    QWidget* container = FContainer;
    if (!container) {
        if (FItems.empty()) return;
        if (!FSubMenu) FSubMenu = std::make_unique<QMenu>();
        SyncAction();
        container = FSubMenu.get();
    }
    for (QAction* a : container->actions()) container->removeAction(a);
    for (TMenuItem* child : FItems) container->addAction(child->QtAction());
}

void TMenuItem::SyncAction() {
    QString text = QString::fromStdString(FCaption);
    FAction->setText(text);
    FAction->setCheckable(FChecked);
    FAction->setChecked(FChecked);
    FAction->setEnabled(FEnabled);
    FAction->setVisible(FVisible);
    if (FSubMenu) {
        FSubMenu->setTitle(text);
        FSubMenu->menuAction()->setEnabled(FEnabled);
        FSubMenu->menuAction()->setVisible(FVisible);
    }
}

void TMenuItem::SetCaption(const String& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    SyncAction();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == FChecked) return;
    FChecked = checked;
    SyncAction();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    SyncAction();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    SyncAction();
}

void TMenuItem::Click() {
    // Qt flips a checkable action on its own; the check mark is ours to set.
    FAction->setChecked(FChecked);
    if (OnClick) OnClick(this);
}

// ---- TMainMenu ---------------------------------------------------------

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner), FMenuBar(std::make_unique<QMenuBar>()), FRoot(std::make_unique<TMenuItem>(nullptr)) {
    FMenuBar->setNativeMenuBar(false);
    FRoot->FContainer = FMenuBar.get();
}

TMainMenu::~TMainMenu() {
    MarkDestroying();
    FRoot.reset();
    // A form that shows the bar holds it as a child widget; deleting it here
    // takes it out of the form.
    FMenuBar.reset();
}

QMenuBar* TMainMenu::MenuBar() const { return FMenuBar.get(); }
