#pragma once
// The one event bridge: a Qt widget class whose events go to its control
// first. Once the control has begun to be destroyed it forwards nothing.

#include <QEvent>
#include <QWidget>
#include <utility>

#include "toolkit/win_control.h"

template <class Base>
class TWidgetBridge : public Base {
public:
    template <class... Args>
    explicit TWidgetBridge(TWinControl* control, Args&&... args)
        : Base(std::forward<Args>(args)...), FControl(control), FGuard(control->Guard()) {}

    TWinControl* Control() const { return FGuard.Alive() ? FControl : nullptr; }

protected:
    bool event(QEvent* event) override {
        if (FGuard.Alive() && FControl->HandleWidgetEvent(this, event)) return true;
        return Base::event(event);
    }

private:
    TWinControl* FControl;
    TControlGuard FGuard;
};

// A widget factory for TWinControl's constructor.
template <class Base>
QWidget* MakeBridge(TWinControl* control) {
    return new TWidgetBridge<Base>(control);
}
