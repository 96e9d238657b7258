#include "setupctrls/radio_panel.h"

TRadioPanel::TRadioPanel(TComponent* owner) : TCustomPanel(owner) {
    SetAnchors(akLeft | akTop);
    SetBevelOuter(TBevelCut::bvNone);
    SetBounds(Left(), Top(), 194, 100);
    SetVisible(false);
}

void TRadioPanel::SetFinalAnchors(TAnchors anchors) {
    if (FHosted) SetAnchors(anchors);
    FFinalAnchors = anchors;
}

void TRadioPanel::Paint() {
    // A designer shows the panel once so it can be laid out, then hides it.
    if (IsDesigning() && !FDesignHidden) {
        SetVisible(false);
        FDesignHidden = true;
    }
    TCustomPanel::Paint();
}
