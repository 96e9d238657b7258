#pragma once
// The small always-on-top tool window a highlight group shows: the group's
// radio panel, its description, Previous, Next and Done, and a status bar.
// Built once per group, then only shown and hidden.

#include "toolkit/form.h"

class TBoardHighlight;
class TStatusBar;

class TPopupForm : public TForm {
public:
    explicit TPopupForm(TComponent* owner);
    String ClassName() const override { return "TPopupForm"; }

    TStatusBar* PopupStatus = nullptr;
    TBoardHighlight* Highlight = nullptr;  // the highlight that built it; not owned
    // Set when the mouse went from the highlight into the popup: the popup
    // then closes itself when the mouse leaves it.
    bool CloseOnLeave = false;

    // The window became or stopped being the active window.
    void ActivationChanged(bool active);
    // The mouse left the window (or moved between its controls).
    void PopupMouseLeave();
    // The outer rectangle (frame and caption included) holds the point.
    bool OuterContains(TPoint screenPoint) const;

protected:
    void Activated(bool active) override;
    void MouseLeft() override;
};

// Where the popup's own controls stand in a client area of the given size.
struct TPopupLayout {
    TRect Memo, Previous, Next, Done, Status;
};
TPopupLayout LayOutPopup(int clientWidth, int clientHeight, int memoHeight);

// Moves a window into an area, left and top edges first; never shrinks it,
// so a window larger than the area may still start outside it.
TPoint ClampToArea(const TRect& window, const TRect& area);
