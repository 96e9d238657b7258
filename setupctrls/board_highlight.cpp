#include "setupctrls/board_highlight.h"

#include <cmath>

#include "setupctrls/board_image.h"
#include "setupctrls/popup_form.h"
#include "setupctrls/radio_panel.h"
#include "toolkit/application.h"
#include "toolkit/comctrls.h"
#include "toolkit/menus.h"
#include "toolkit/stdctrls.h"

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

struct MenuSection {
    const char* caption;
    const char* stem;
    std::vector<const char*> before;  // goes in front of the first of these
};

MenuSection SectionOf(THighlightType type) {
    switch (type) {
    case THighlightType::htSettings: return {"&Settings", "Settings", {"&Calibration", "&Options", "&Help"}};
    case THighlightType::htCalibration: return {"&Calibration", "Calibration", {"&Options", "&Help"}};
    case THighlightType::htOptions: break;
    }
    return {"&Options", "Options", {"&Help"}};
}

// Popup sizes, outer: the smallest a popup may be, and one without a panel.
constexpr int MinPopupWidth = 194;
constexpr int MinPopupHeight = 122;
constexpr int DefaultMemoHeight = 58;

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

TBoardHighlight::~TBoardHighlight() {
    // The popup goes with us (we own it); it must not call back meanwhile.
    if (FPopup) FPopup->Highlight = nullptr;
}

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
    FBoardMenu = ParentIsBoardImage() ? static_cast<TBoardImage*>(Parent())->Menu() : nullptr;
    AddMenuEntry();
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
    if (CreatePopup) ShowPopup();
    if (relayed) return;
    // A snapshot: the relays may reorder the parent's list as they go.
    for (TBoardHighlight* h : LinkedHighlights()) h->MouseEnter(true);
}

void TBoardHighlight::MouseLeave(bool relayed) {
    if (!FLit) return;
    if (FPopup && !FPinned) {
        if (FPopup->OuterContains(GetCursorPos())) {
            // Into the popup: it stays, and closes when the mouse leaves it.
            FPopup->CloseOnLeave = true;
            Pin();
        } else {
            FPopup->Close();
        }
    }
    if (relayed) return;
    for (TBoardHighlight* h : LinkedHighlights()) h->MouseLeave(true);
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    Pin();
}

void TBoardHighlight::Pin() {
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    if (!ParentIsBoardImage()) return;
    for (TBoardHighlight* h : LinkedHighlights()) {
        if (!h->FPopup) continue;
        h->FPinned = true;
        h->CheckMenuEntry(true);
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

// ---- the popup ---------------------------------------------------------

void TBoardHighlight::ShowPopup() {
    if (FPopup) {
        if (!FPopup->Visible()) FPinned = false;
        FPopup->ShowForm();
        return;
    }
    // A linked highlight's popup is shown through the relayed enter to it.
    const long tag = long(FHighlightType);
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if (form->Caption() == FPlainTitle && form->Tag() == tag) return;
    }
    BuildPopup();
}

void TBoardHighlight::BuildPopup() {
    auto* popup = new TPopupForm(this);
    FPopup = popup;
    popup->Highlight = this;
    popup->SetAutoScroll(false);
    popup->SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
    popup->SetFormStyle(TFormStyle::fsStayOnTop);
    FPinned = false;

    TRadioPanel* panel = FRadioPanel;
    int memoHeight = DefaultMemoHeight;
    int panelLeft = 0, panelTop = 0;
    if (panel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate;
        popup->OnDeactivate = panel->OnDeactivate;
        panelLeft = panel->Left();
        panelTop = panel->Top();
        panel->SetBounds(0, 0, panel->Width(), panel->Height());
        panel->SetVisible(true);
        popup->SetClientWidth(panel->Width());
        popup->SetClientHeight(panel->Height() + 32 + memoHeight + 19);
        panel->SetParent(popup);
        panel->SetAnchors(panel->FinalAnchors());
        panel->SetHosted(true);
    } else {
        popup->SetWidth(MinPopupWidth);
        popup->SetHeight(memoHeight + 64 + 19);
    }

    popup->SetCaption(FPlainTitle);
    popup->SetBounds(popup->Left(), popup->Top(), std::max(MinPopupWidth, popup->Width()),
                     std::max(MinPopupHeight, popup->Height()));
    popup->SetMinimumSize(popup->Width(), popup->Height());
    popup->SetTag(long(FHighlightType));

    // Where the panel stood in the page, moved as far as the board has moved
    // since its first paint; without a panel, below the board.
    TWinControl* board = Parent();
    int dx = 0, dy = 0;
    if (ParentIsBoardImage()) {
        dx = static_cast<TBoardImage*>(board)->InitialLeft() - panelLeft;
        dy = static_cast<TBoardImage*>(board)->InitialTop() - panelTop;
    }
    if (!panel) {
        dx = 0;
        dy = -((board ? board->Height() : 0) + 38);
    }
    TPoint place{board ? board->Left() - dx : -dx, board ? board->Top() - dy : -dy};
    // Those are positions in the window's client area: take them to the screen.
    if (board && board->Parent()) place = board->Parent()->ClientToScreen(place);

    popup->OnClose = Bind(this, &TBoardHighlight::PopupClosed);

    const int cw = popup->ClientWidth(), ch = popup->ClientHeight();
    TPopupLayout layout = LayOutPopup(cw, ch, memoHeight);

    auto* status = new TStatusBar(popup);
    popup->PopupStatus = status;
    status->SetName("PopupStatus");
    status->SetAlign(TAlign::alNone);
    status->SetParent(popup);
    status->SetBounds(layout.Status.Left, layout.Status.Top, layout.Status.Width(), layout.Status.Height());
    status->SetAnchors(akLeft | akRight | akBottom);
    status->AddPanel().Bevel = TStatusPanelBevel::pbNone;

    struct ButtonPlan {
        const char* name;
        const char* caption;
        TRect bounds;
        TAnchors anchors;
        void (TBoardHighlight::*click)(TObject*);
    };
    TButton* done = nullptr;
    for (const ButtonPlan& plan : {ButtonPlan{"PreviousButton", "Previous", layout.Previous, akLeft | akBottom,
                                              &TBoardHighlight::PreviousClick},
                                   ButtonPlan{"NextButton", "Next", layout.Next, akBottom, &TBoardHighlight::NextClick},
                                   ButtonPlan{"DoneButton", "Done", layout.Done, akRight | akBottom,
                                              &TBoardHighlight::DoneClick}}) {
        auto* button = new TButton(popup);
        button->SetName(plan.name);
        button->SetCaption(plan.caption);
        button->SetParent(popup);
        button->SetBounds(plan.bounds.Left, plan.bounds.Top, plan.bounds.Width(), plan.bounds.Height());
        button->SetAnchors(plan.anchors);
        button->OnClick = Bind(this, plan.click);
        done = button;
    }

    auto* memo = new TMemo(popup);
    memo->SetName("StatusMemo");
    memo->SetParent(popup);
    memo->SetBounds(layout.Memo.Left, layout.Memo.Top, layout.Memo.Width(), layout.Memo.Height());
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    memo->SetReadOnly(true);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    if (panel) {
        memo->SetLines(panel->Lines());
        panel->SetMemo(memo);
    }

    TForm* main = Application ? Application->MainForm() : nullptr;
    TRect area = Screen->MonitorRect(main ? TPoint{main->Left() + main->Width() / 2, main->Top() + main->Height() / 2}
                                          : place);
    TPoint clamped = ClampToArea(Bounds(place.X, place.Y, popup->Width(), popup->Height()), area);
    popup->SetBounds(clamped.X, clamped.Y, popup->Width(), popup->Height());

    popup->ShowForm();
    if (panel) panel->SetFocus();
    else done->SetFocus();
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&) {
    CheckMenuEntry(false);
    if (FPopup) FPopup->CloseOnLeave = false;
    ClearLit();
    if (!ParentIsBoardImage()) return;
    for (TBoardHighlight* h : LinkedHighlights()) h->ClearLit();
}

void TBoardHighlight::DoneClick(TObject*) {
    if (FPopup) FPopup->Close();
}

// ---- the menu ----------------------------------------------------------

namespace {

TMenuItem* FindSection(TMainMenu* menu, const String& caption, int from = 0) {
    TMenuItem* bar = menu->Items();
    for (int i = from; i < bar->Count(); ++i)
        if (bar->Items(i)->Caption() == caption) return bar->Items(i);
    return nullptr;
}

int FindEntry(const TMenuItem* section, const String& title) {
    for (int j = 0; j < section->Count(); ++j)
        if (section->Items(j)->Caption() == title) return j;
    return -1;
}

}  // namespace

void TBoardHighlight::AddMenuEntry() {
    if (!FBoardMenu) return;
    MenuSection s = SectionOf(FHighlightType);
    TComponent* owner = FBoardMenu->Owner();
    TMenuItem* section = FindSection(FBoardMenu, s.caption);
    if (section && FindEntry(section, FTitle) >= 0) return;
    if (!section) {
        TMenuItem* bar = FBoardMenu->Items();
        int index = bar->Count();
        for (int i = 0; i < bar->Count() && index == bar->Count(); ++i)
            for (const char* before : s.before)
                if (bar->Items(i)->Caption() == before) {
                    index = i;
                    break;
                }
        section = new TMenuItem(owner);
        section->SetName(owner ? owner->UniqueName(s.stem) : String(s.stem) + "1");
        section->SetCaption(s.caption);
        bar->Insert(index, section);
    }
    if (FTitle.empty()) return;
    auto* entry = new TMenuItem(owner);
    // A title without letters gives no stem of its own.
    String stem = FTitleIdent.empty() ? "Entry" : FTitleIdent;
    entry->SetName(owner ? owner->UniqueName(stem) : stem + "1");
    entry->SetCaption(FTitle);
    entry->OnClick = Bind(this, &TBoardHighlight::MenuEntryClick);
    section->Add(entry);
}

bool TBoardHighlight::FindMenuEntry(TMenuItem*& section, int& index) const {
    if (!FBoardMenu) return false;
    const String caption = SectionOf(FHighlightType).caption;
    TMenuItem* bar = FBoardMenu->Items();
    for (int i = 0; i < bar->Count(); ++i) {
        if (bar->Items(i)->Caption() != caption) continue;
        index = FindEntry(bar->Items(i), FTitle);
        if (index < 0) continue;
        section = bar->Items(i);
        return true;
    }
    return false;
}

void TBoardHighlight::CheckMenuEntry(bool checked) {
    TMenuItem* section = nullptr;
    int index = 0;
    if (FindMenuEntry(section, index)) section->Items(index)->SetChecked(checked);
}

void TBoardHighlight::MenuEntryClick(TObject* sender) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    bool fromMenu = item && item->ClassName() == "TMenuItem";
    if (!fromMenu || !item->Checked()) {
        MouseEnter(false);
        Pin();
        MouseLeave(false);
        return;
    }
    if (FPopup) {
        FPopup->Close();
        return;
    }
    for (TBoardHighlight* h : LinkedHighlights())
        if (h->FPopup) h->MenuEntryClick(sender);
}

void TBoardHighlight::PreviousClick(TObject*) { Walk(-1); }
void TBoardHighlight::NextClick(TObject*) { Walk(+1); }

void TBoardHighlight::Walk(int step) {
    TMenuItem* section = nullptr;
    int index = 0;
    if (!FindMenuEntry(section, index)) return;
    const int n = section->Count();
    TMenuItem* target = section->Items((index + step + n) % n);
    if (FPopup) FPopup->Close();
    // Entries added by the page itself may have no handler; they are skipped.
    if (target->OnClick) target->OnClick(this);
}
