#pragma once
// What the support and installed-cards windows share: a read-only,
// word-wrapped text box with a vertical scroll bar at (8, 8, 305, 89) and a
// Close button under it that Esc presses; the window then fits them.

#include "toolkit/form.h"

class TButton;
class TMemo;

struct TTextWindowParts {
    TMemo* Text = nullptr;
    TButton* Close = nullptr;
};

// Adds the two controls to a bare window; the button stands at `closeLeft`, 105.
TTextWindowParts AddTextAndClose(TForm& form, const String& textName, int closeLeft, TNotifyEvent closeClick);

// Fits the window to the two, optionally centres the button, then lets the
// text follow every edge and the button the bottom edge.
void FitTextWindow(TForm& form, const TTextWindowParts& parts, bool centreClose);
