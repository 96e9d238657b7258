#pragma once
// Controls: the common base, and windowless (graphic) controls that paint on
// their parent's surface and get the mouse through it.

#include <cstdint>
#include <memory>

#include "toolkit/component.h"
#include "toolkit/events.h"
#include "toolkit/graphics.h"

class TWinControl;

// A numbered message, answered by a control's WndProc (see Perform).
struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

constexpr unsigned WM_USER = 0x400;

using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, int x, int y)>;

// Tells a caller whether a control survived a callback that might destroy it.
class TControlGuard {
public:
    explicit TControlGuard(std::weak_ptr<bool> alive) : FAlive(std::move(alive)) {}
    bool Alive() const { return !FAlive.expired(); }

private:
    std::weak_ptr<bool> FAlive;
};

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    String ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    virtual int Width() const { return FWidth; }
    virtual int Height() const { return FHeight; }
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    // Positions are relative to the parent's client area. Setting the current
    // bounds does nothing.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(Left(), Top(), Width(), Height()); }
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    virtual TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown window visible too.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool enabled);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors anchors);

    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool parentColor);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool parentFont);

    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    const String& Hint() const { return FHint; }
    void SetHint(const String& hint) { FHint = hint; }

    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Raises OnClick, as a user's click does.
    virtual void Click();
    // Schedules a repaint of the control's area.
    virtual void Invalidate();
    // Paints the control's area at once.
    virtual void Repaint();
    // Moves the control to the end of its parent's list: drawn last, hit first.
    void BringToFront();
    void SendToBack();

    // Answers a numbered message at once, through WndProc.
    std::intptr_t Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam);

    TControlGuard Guard() const { return TControlGuard(FAlive); }

    // Called by the parent window on the GUI thread.
    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void MouseDown(TMouseButton button, int x, int y);
    virtual void MouseUp(TMouseButton button, int x, int y);
    virtual void MouseMove(int x, int y);

protected:
    virtual void WndProc(TMessage& message);
    // Hooks for subclasses, run after the stored value changed.
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    virtual void CaptionChanged() {}
    // The parent's client size changed; anchors and alignment have been applied.
    virtual void ParentResized() {}

    // Stores bounds without any side effect (used when the platform moved the control).
    void StoreBounds(int left, int top, int width, int height);
    // Applies the anchors for a parent client area that changed size.
    void ApplyAnchors(int parentWidth, int parentHeight);
    void RecordAnchorOrigin();
    // Ends every guard on this control; run first thing in teardown.
    void EndGuards() { FAlive.reset(); }

private:
    friend class TWinControl;
    void ParentFontChanged();
    void ParentColorChanged();

    TWinControl* FParent = nullptr;
    int FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors = DefaultAnchors;
    TColor FColor = clBtnFace;
    bool FParentColor = false;
    TFont FFont;
    bool FParentFont = true;
    bool FAssigningFont = false;
    String FCaption;
    String FHint;
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
    // Bounds and parent client size when the anchors last took their measure.
    TRect FAnchorRect;
    int FAnchorParentWidth = -1, FAnchorParentHeight = -1;
    bool FAnchoring = false;
};

// A control without a window of its own: its parent paints it (after its own
// paint, in list order) and routes the mouse to it.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    String ClassName() const override { return "TGraphicControl"; }

    // The parent's canvas, moved and clipped to this control, while it paints.
    TCanvas& Canvas();

    // Run by the parent with a canvas prepared for this control.
    void PaintOn(TCanvas& canvas);

protected:
    virtual void Paint() {}

private:
    TCanvas* FCanvas = nullptr;
    TCanvas FIdleCanvas;  // draws nowhere; stands in outside painting
};
