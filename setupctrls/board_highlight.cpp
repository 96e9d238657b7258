#include "setupctrls/board_highlight.h"

#include <cmath>

#include "setupctrls/board_image.h"
#include "setupctrls/radio_panel.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

namespace {

struct TypeLook {
    TColor ring;
    float rest, lit, peak;
};

TypeLook LookOf(THighlightType type) {
    switch (type) {
    case THighlightType::htOptions: return {RGB(0, 0, 255), 0.25f, 0.5f, 1.0f};
    case THighlightType::htCalibration: return {RGB(255, 0, 0), 0.5f, 0.75f, 1.0f};
    case THighlightType::htSettings: break;
    }
    return {RGB(255, 255, 0), 0.5f, 0.75f, 1.0f};
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// Each step is computed exactly in double, then rounded once to single
// precision, which is what "a single-precision step" means here.
float Single(double value) { return static_cast<float>(value); }

}  // namespace

void TintEllipse(TBitmap& image, float level, TColor color, bool glint) {
    const int w = image.Width(), h = image.Height();
    if (w < 2 || h < 2) return;  // the normalisation below would divide by zero
    const float sx = Single(2.0 / (w - 1));
    const float sy = Single(2.0 / (h - 1));
    const int kr = GetRValue(color), kg = GetGValue(color), kb = GetBValue(color);
    for (int r = 0; r < h; ++r) {
        std::uint32_t* row = image.ScanLine(r);
        const float y = Single(double(r) * sy - 1.0);
        for (int c = 0; c < w; ++c) {
            const float x = Single(double(c) * sx - 1.0);
            const float q = Single(double(x) * x + double(y) * y);
            if (q >= 1.0) continue;
            std::uint32_t pixel = row[c];
            float s;
            if (q < 0.5929) {
                s = 0.16f;
            } else {
                const float d = Single(std::sqrt(double(q)));
                s = Single(1.0 - 8.0 * std::fabs(double(d) - 0.875));
                if (glint) {
                    s = Single(2.0 * s);
                    if (s > 1.0f) {
                        pixel = 0x00FFFFFF;
                        s = Single(2.0 - s);
                    }
                }
            }
            const float wgt = Single(double(s) * level);
            const float m = Single(1.0 - wgt);
            auto blend = [&](int p, int k) { return RoundHalfEven(p * double(m) + k * double(wgt)); };
            const int pr = int((pixel >> 16) & 0xFF), pg = int((pixel >> 8) & 0xFF), pb = int(pixel & 0xFF);
            row[c] = (std::uint32_t(blend(pr, kr)) << 16) | (std::uint32_t(blend(pg, kg)) << 8) |
                     std::uint32_t(blend(pb, kb));
        }
    }
}

String StripAccelerators(const String& title) {
    String plain;
    for (char ch : title)
        if (ch != '&') plain += ch;
    return plain;
}

String MakeIdentifier(const String& title) {
    bool valid = title.empty() || IsIdentStart(title[0]);
    for (std::size_t i = 1; valid && i < title.size(); ++i) valid = IsIdentChar(title[i]);
    if (valid) return title;
    std::size_t start = 0;
    while (start < title.size() && !IsIdentStart(title[start])) ++start;
    if (start == title.size()) return {};
    String ident(1, title[start]);
    for (std::size_t i = start + 1; i < title.size(); ++i)
        if (IsIdentChar(title[i])) ident += title[i];
    return ident;
}

// ---- TBoardHighlight ---------------------------------------------------

TBoardHighlight::TBoardHighlight(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(Left(), Top(), 65, 65);
    SetHighlightType(THighlightType::htSettings);
}

TBoardHighlight::~TBoardHighlight() = default;

void TBoardHighlight::SetHighlightType(THighlightType type) {
    if (type == FHighlightType) return;
    FHighlightType = type;
    TypeLook look = LookOf(type);
    FRingColor = look.ring;
    FRestLevel = look.rest;
    FLitLevel = look.lit;
    FPeakLevel = look.peak;
    Invalidate();
}

void TBoardHighlight::SetTitle(const String& title) {
    if (title == FTitle) return;
    FTitle = title;
    FPlainTitle = StripAccelerators(title);
    FTitleIdent = MakeIdentifier(title);
}

bool TBoardHighlight::ParentIsBoardImage() const { return Parent() && Parent()->ClassName() == "TBoardImage"; }

bool TBoardHighlight::IsLinkedTo(const TBoardHighlight& other) const {
    return Parent() == other.Parent() && ClassName() == "TBoardHighlight" && other.ClassName() == "TBoardHighlight" &&
           FTitle == other.FTitle && FHighlightType == other.FHighlightType;
}

std::vector<TBoardHighlight*> TBoardHighlight::LinkedHighlights() const {
    std::vector<TBoardHighlight*> linked;
    if (!ParentIsBoardImage()) return linked;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c->ClassName() != "TBoardHighlight") continue;
        auto* h = static_cast<TBoardHighlight*>(c);
        if (IsLinkedTo(*h)) linked.push_back(h);
    }
    return linked;
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* panel) {
    if (panel == FRadioPanel) return;
    if (!panel) {
        FRadioPanel = nullptr;
        return;
    }
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* c = parent->Controls(i);
            if (c == this || c->ClassName() != "TBoardHighlight") continue;
            auto* other = static_cast<TBoardHighlight*>(c);
            if (other->FRadioPanel != panel) continue;
            if (other->FTitle == FTitle && other->FHighlightType == FHighlightType) continue;
            // A panel is hosted by the single popup of one group.
            if (parent->IsDesigning() && Application)
                Application->MessageBox(panel->Name() + " has already been assigned to " + other->Name() + ".",
                                        "Error", MB_OK | MB_ICONERROR);
            return;
        }
    }
    FRadioPanel = panel;
    if (!IsDesigning() || IsLoading() || !Application) return;
    for (TBoardHighlight* other : LinkedHighlights()) {
        if (other == this || other->FRadioPanel == panel) continue;
        String question = Name() + "'s RadioPanel property changed. Synchronize linked component " + other->Name() + "?";
        if (Application->MessageBox(question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
            other->LinkRadioPanel(panel);
    }
}

void TBoardHighlight::LinkRadioPanel(TRadioPanel* panel) {
    if (panel != FRadioPanel) FRadioPanel = panel;
}

const TBitmap& TBoardHighlight::CurrentLook() const {
    if (FLit && FPopupActive) return FPeakImage;
    if (FLit || FPopupActive) return FLitImage;
    return FRestImage;
}

void TBoardHighlight::RenderImages() {
    const int w = Width(), h = Height();
    TCanvas& under = Canvas();
    struct Look {
        TBitmap& image;
        float level;
        bool glint;
    };
    for (Look look : {Look{FRestImage, FRestLevel, false}, Look{FLitImage, FLitLevel, false},
                      Look{FPeakImage, FPeakLevel, true}}) {
        look.image.SetSize(w, h);
        if (w <= 0 || h <= 0) continue;
        look.image.Canvas().CopyRect({0, 0, w, h}, under, {0, 0, w, h});
        look.image.Canvas().Flush();
        TintEllipse(look.image, look.level, FRingColor, look.glint);
    }
}

void TBoardHighlight::Prepare() {
    RenderImages();
    FBoardMenu = Parent() && Parent()->ClassName() == "TBoardImage" ? static_cast<TBoardImage*>(Parent())->Menu()
                                                                     : nullptr;
}

void TBoardHighlight::Paint() {
    if (IsDesigning()) {
        RenderImages();
    } else if (!FPrepared) {
        Prepare();
        FPrepared = true;
    }
    const TBitmap& look = CurrentLook();
    if (!look.Empty()) Canvas().Draw(0, 0, look);
}

void TBoardHighlight::MouseEnter(bool relayed) {
    if (FLit) return;
    FLit = true;
    Invalidate();
    if (relayed) return;
    // A snapshot: the relays may reorder the parent's list as they go.
    for (TBoardHighlight* h : LinkedHighlights()) h->MouseEnter(true);
}

void TBoardHighlight::MouseLeave(bool relayed) {
    if (!FLit) return;
    if (relayed) return;
    for (TBoardHighlight* h : LinkedHighlights()) h->MouseLeave(true);
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    Pin();
}

void TBoardHighlight::Pin() {
    if (FPopup) FPinned = true;
    if (!ParentIsBoardImage()) return;
    for (TBoardHighlight* h : LinkedHighlights()) {
        if (!h->FPopup) continue;
        h->FPinned = true;
        h->FPopup->SetFocus();
    }
}

void TBoardHighlight::SetPopupActive(bool active, bool propagate) {
    FPopupActive = active;
    BringToFront();
    Invalidate();
    if (!propagate || !ParentIsBoardImage()) return;
    TWinControl* parent = Parent();
    int i = 0, end = parent->ControlCount();
    while (i < end) {
        TControl* c = parent->Controls(i);
        if (c != this && c->ClassName() == "TBoardHighlight" && IsLinkedTo(*static_cast<TBoardHighlight*>(c))) {
            static_cast<TBoardHighlight*>(c)->SetPopupActive(active, false);
            // It moved to the end of the list: the next control now stands at i.
            if (parent->Controls(i) != c) {
                --end;
                continue;
            }
        }
        ++i;
    }
}

void TBoardHighlight::ClearLit() {
    FLit = false;
    Invalidate();
}
