#pragma once
// Windowed controls: each has a real Qt widget. A custom-painted one paints
// into a back buffer, first itself and then its windowless children, and
// turns Qt's mouse events into enter, leave and click notifications for them.

#include <memory>
#include <vector>

#include "toolkit/control.h"

class QEvent;
class QImage;
class QWidget;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    String ClassName() const override { return "TWinControl"; }

    // Child controls in z-order: the first is drawn first, the last is on top.
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const { return FControls.at(std::size_t(index)); }
    int IndexOfControl(const TControl* control) const;

    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    TPoint ClientToScreen(TPoint p) const override;

    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int order);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool tabStop);
    virtual void SetFocus();
    bool Focused() const;
    bool CanFocus() const;

    void Invalidate() override;
    void Loaded() override;
    void Repaint() override;

    // Places the aligned children and, after a client resize, the anchored ones.
    void AlignControls();

    // The topmost visible, enabled windowless child at a client position.
    TControl* ControlAtPos(TPoint p) const;
    // The windowless child the mouse is over, if any.
    TControl* MouseControl() const { return FMouseControl; }

    // Toolkit plumbing: the widget and the one place its events arrive.
    QWidget* Widget() const { return FWidget; }
    virtual QWidget* ClientWidget() const { return FWidget; }
    virtual bool HandleWidgetEvent(QWidget* widget, QEvent* event);

protected:
    // Makes the control's widget once the control itself exists (a bridge,
    // see widget_bridge_p.h); the control owns it.
    using TWidgetFactory = QWidget* (*)(TWinControl* control);
    TWinControl(TComponent* owner, TWidgetFactory makeWidget);

    // Custom-painted controls paint themselves and their windowless children.
    void SetCustomPainted(bool custom);
    bool CustomPainted() const { return FCustomPainted; }
    // Draws part of the client area into an image whose top-left corner
    // stands at `offset`: own paint, then the windowless children.
    void PaintClient(QImage& buffer, TPoint offset);
    // The dirty rectangle grown to hold every windowless child it touches.
    TRect PaintArea(const TRect& dirty) const;
    virtual void PaintWindow(TCanvas&) {}

    void FontChanged() override;
    void ColorChanged() override;
    void CaptionChanged() override;

    // Re-reads the bounds after Qt moved or resized the widget on its own.
    virtual void SyncBoundsFromWidget();
    void ApplyTabOrder();

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void RouteMouse(QEvent* event);
    void SetMouseControl(TControl* control);
    void ApplyWidgetFont();
    void ApplyWidgetColor();

    QWidget* FWidget = nullptr;
    std::vector<TControl*> FControls;
    TControl* FMouseControl = nullptr;
    TControl* FPressedControl = nullptr;
    bool FPressedSelf = false;
    int FTabOrder = -1;
    bool FTabStop = false;
    bool FCustomPainted = false;
    int FLastClientWidth = -1, FLastClientHeight = -1;
};

// A windowed control that paints itself through a canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner);
    String ClassName() const override { return "TCustomControl"; }

    // The back buffer's canvas while the control paints.
    TCanvas& Canvas();

protected:
    virtual void Paint() {}
    void PaintWindow(TCanvas& canvas) override;

private:
    TCanvas* FCanvas = nullptr;
    TCanvas FIdleCanvas;
};
