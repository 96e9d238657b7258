#pragma once
// Top-level windows. Left, Top, Width and Height are the outer frame
// (title bar and menu bar included); the client area is what lies inside.

#include <any>
#include <functional>
#include <map>
#include <string_view>

#include "toolkit/win_control.h"

class QVBoxLayout;
class TMainMenu;

enum class TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;

// The frame around a client area, in pixels.
struct TFrameMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    String ClassName() const override { return "TForm"; }

    void SetBounds(int left, int top, int width, int height) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetVisible(bool visible) override;
    // Brings the window to the front and activates it.
    void SetFocus() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition position) { FPosition = position; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState state);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool on) { FAutoScroll = on; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);
    // Smallest outer size the user can shrink the window to; 0 for none.
    void SetMinimumSize(int width, int height);
    int MinWidth() const { return FMinWidth; }
    int MinHeight() const { return FMinHeight; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int ppi) { FPixelsPerInch = ppi; }
    int TextHeight() const { return FTextHeight; }
    void SetTextHeight(int height) { FTextHeight = height; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool old) { FOldCreateOrder = old; }
    bool Active() const { return FActive; }

    // Shows the window, brings it to the front and activates it.
    void ShowForm();
    // Runs OnClose; the main form then ends the application, any other form
    // hides (the default action) and is kept.
    void Close();
    // Gives the client area the size of the visible children's bounding box,
    // moving the children so the box starts at the client origin.
    void FitToChildren();

    TNotifyEvent OnCreate;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;

    // Reads the window's content from a definition text (see definition_loader.h).
    void LoadDefinition(std::string_view text);
    void LoadDefinitionResource(const String& name);
    // Runs OnCreate; the application calls it once the definition is read.
    void DoCreate();

    // Published handlers, by name, for the definition's events.
    const std::any* FindHandler(const String& name) const;

    // Frame margins: measured once the window is shown, taken from the
    // default table before that.
    TFrameMargins FrameMargins() const;
    int MenuBarHeight() const;

    QWidget* ClientWidget() const override;
    bool HandleWidgetEvent(QWidget* widget, QEvent* event) override;

protected:
    template <class F, class... A>
    void Publish(const String& name, void (F::*method)(A...)) {
        FHandlers[name] = Bind(static_cast<F*>(this), method);
    }
    // Binds a field to the component of the same name once the definition is read.
    template <class C>
    void Field(const String& name, C*& field) {
        FFields.push_back({name, [&field](TComponent* c) {
                               field = dynamic_cast<C*>(c);
                               return field != nullptr;
                           }});
    }
    virtual void Activated(bool active);
    void CaptionChanged() override;
    void SyncBoundsFromWidget() override;

private:
    void ApplyWindowFlags();
    // Enter presses the focused or the default button, Esc the cancel button.
    bool HandleDialogKey(int key);
    void FocusFirstControl();
    void ApplyGeometry();
    void BindFields();

    QWidget* FClient = nullptr;
    QVBoxLayout* FLayout = nullptr;
    TMainMenu* FMenu = nullptr;
    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    TPosition FPosition = TPosition::poDesigned;
    TWindowState FWindowState = TWindowState::wsNormal;
    bool FAutoScroll = true;
    int FMinWidth = 0, FMinHeight = 0;
    int FPixelsPerInch = 96;
    int FTextHeight = 13;
    bool FOldCreateOrder = false;
    bool FActive = false;
    bool FPainted = false;
    bool FShownOnce = false;
    bool FApplyingGeometry = false;
    std::map<String, std::any> FHandlers;
    std::vector<std::pair<String, std::function<bool(TComponent*)>>> FFields;
};
