#include "setupctrls/popup_form.h"

#include "setupctrls/board_highlight.h"
#include "toolkit/application.h"

TPopupForm::TPopupForm(TComponent* owner) : TForm(owner) {}

void TPopupForm::Activated(bool active) {
    bool changed = active != Active();
    TForm::Activated(active);
    if (changed) ActivationChanged(active);
}

void TPopupForm::ActivationChanged(bool active) {
    if (Highlight && !IsDestroying()) Highlight->SetPopupActive(active, true);
}

void TPopupForm::MouseLeft() {
    TForm::MouseLeft();
    PopupMouseLeave();
}

void TPopupForm::PopupMouseLeave() {
    if (CloseOnLeave && !OuterContains(GetCursorPos())) Close();
}

bool TPopupForm::OuterContains(TPoint p) const { return BoundsRect().Contains(p); }

TPopupLayout LayOutPopup(int cw, int ch, int mh) {
    TPopupLayout layout;
    const int buttonTop = ch - 44;
    layout.Previous = Bounds(6, buttonTop, 58, 25);
    layout.Next = Bounds((cw - 58) / 2, buttonTop, 58, 25);
    layout.Done = Bounds(cw - 64, buttonTop, 58, 25);
    layout.Status = Bounds(0, ch - 19, cw, 19);
    layout.Memo = Bounds(6, buttonTop - 6 - mh, cw - 12, mh);
    return layout;
}

TPoint ClampToArea(const TRect& w, const TRect& area) {
    TPoint p{w.Left, w.Top};
    if (p.X < area.Left) p.X = area.Left;
    else if (p.X + w.Width() > area.Right) p.X = area.Right - w.Width();
    if (p.Y < area.Top) p.Y = area.Top;
    else if (p.Y + w.Height() > area.Bottom) p.Y = area.Bottom - w.Height();
    return p;
}
