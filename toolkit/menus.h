#pragma once
// Main menus and menu items. Captions use "&" for the mnemonic, as Qt does.

#include <memory>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/events.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class TMainMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    String ClassName() const override { return "TMenuItem"; }

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);

    TMenuItem* Parent() const { return FParent; }
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(std::size_t(index)); }
    int IndexOf(const TMenuItem* item) const;
    void Insert(int index, TMenuItem* item);
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Remove(TMenuItem* item);

    TNotifyEvent OnClick;
    // Raises OnClick, as choosing the item does.
    virtual void Click();

    void SetParentComponent(TComponent* parent) override;

    // Toolkit plumbing: what stands for this item in its parent's Qt menu.
    QAction* QtAction() const;

private:
    friend class TMainMenu;
    void Rebuild();
    void SyncAction();

    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    std::unique_ptr<QAction> FAction;
    std::unique_ptr<QMenu> FSubMenu;
    QWidget* FContainer = nullptr;  // the menu bar, for a main menu's root item
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    String ClassName() const override { return "TMainMenu"; }

    // The top-level items are the root item's sub-items.
    TMenuItem* Items() const { return FRoot.get(); }

    // Toolkit plumbing: the menu bar widget a form shows.
    QMenuBar* MenuBar() const;

private:
    std::unique_ptr<QMenuBar> FMenuBar;
    std::unique_ptr<TMenuItem> FRoot;
};
