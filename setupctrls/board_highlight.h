#pragma once
// A hot spot over the board photograph: a tinted ellipse whose look follows
// the mouse and the spot's popup. Highlights with the same parent, Title and
// type are linked: they share one popup, one menu entry and one look.

#include <functional>

#include "setupctrls/highlight_type.h"
#include "toolkit/bitmap.h"
#include "toolkit/control.h"
#include "toolkit/form.h"

class TMainMenu;
class TMenuItem;
class TPopupForm;
class TRadioPanel;

// Blends an ellipse inscribed in the bitmap towards a colour: a faint inner
// disc and a ring that peaks at 0.875 of the half-axes; with the glint the
// ring gets a white core. Bitmaps narrower or lower than 2 pixels stay as
// they are.
void TintEllipse(TBitmap& image, float level, TColor color, bool glint);

// Title reductions: every "&" removed; and the title cut down to an identifier.
String StripAccelerators(const String& title);
String MakeIdentifier(const String& title);

class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* owner);
    ~TBoardHighlight() override;
    String ClassName() const override { return "TBoardHighlight"; }

    bool CreatePopup = true;

    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType type);
    const String& Title() const { return FTitle; }
    void SetTitle(const String& title);
    const String& PlainTitle() const { return FPlainTitle; }
    const String& TitleIdent() const { return FTitleIdent; }
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refused (silently at run time) when a highlight that is not linked to
    // this one already uses the panel.
    void SetRadioPanel(TRadioPanel* panel);
    // Sets the reference without any check.
    void LinkRadioPanel(TRadioPanel* panel);

    TColor RingColor() const { return FRingColor; }
    float RestLevel() const { return FRestLevel; }
    float LitLevel() const { return FLitLevel; }
    float PeakLevel() const { return FPeakLevel; }
    const TBitmap& RestImage() const { return FRestImage; }
    const TBitmap& LitImage() const { return FLitImage; }
    const TBitmap& PeakImage() const { return FPeakImage; }
    // The look the flags choose: rest, lit or peak.
    const TBitmap& CurrentLook() const;

    bool Lit() const { return FLit; }
    bool PopupActive() const { return FPopupActive; }
    bool Pinned() const { return FPinned; }
    bool Prepared() const { return FPrepared; }
    TPopupForm* Popup() const { return FPopup; }
    TMainMenu* BoardMenu() const { return FBoardMenu; }

    // Same parent board, exact class, Title and type; a highlight is linked to itself.
    bool IsLinkedTo(const TBoardHighlight& other) const;

    void MouseEnter(bool relayed);
    void MouseLeave(bool relayed);
    void Click() override;
    void Pin();
    void SetPopupActive(bool active, bool propagate);
    void ClearLit();

    // The three looks, tinted over what the parent has drawn under the control.
    void RenderImages();

    // Shows the group's popup, building it the first time.
    void ShowPopup();
    // The popup's close event: unchecks the entry and unlights the group.
    void PopupClosed(TObject* sender, TCloseAction& action);
    void DoneClick(TObject* sender);
    // Close this popup and open the previous or next spot of the same kind.
    void PreviousClick(TObject* sender);
    void NextClick(TObject* sender);

    // The group's entry in the board's menu, under its kind's section.
    void AddMenuEntry();
    void CheckMenuEntry(bool checked);
    // From the menu: opens the popup pinned, or closes it when the entry is
    // checked. From Previous or Next (a highlight as sender): always opens.
    void MenuEntryClick(TObject* sender);

    void MouseEntered() override { MouseEnter(false); }
    void MouseLeft() override { MouseLeave(false); }

protected:
    void Paint() override;

private:
    bool ParentIsBoardImage() const;
    // Linked highlights in the parent's order (itself included), only under a board image.
    std::vector<TBoardHighlight*> LinkedHighlights() const;
    void Prepare();
    void BuildPopup();
    void Walk(int step);
    // This highlight's entry: the first in its kind's sections whose caption is Title.
    bool FindMenuEntry(TMenuItem*& section, int& index) const;

    THighlightType FHighlightType = THighlightType::htOptions;
    String FTitle;
    String FPlainTitle;
    String FTitleIdent;
    TRadioPanel* FRadioPanel = nullptr;
    TColor FRingColor = 0;
    float FRestLevel = 0, FLitLevel = 0, FPeakLevel = 0;
    TBitmap FRestImage, FLitImage, FPeakImage;
    bool FLit = false;
    bool FPopupActive = false;
    bool FPinned = false;
    bool FPrepared = false;
    TPopupForm* FPopup = nullptr;
    TMainMenu* FBoardMenu = nullptr;
};
