#pragma once
// The photograph of the board and the container of the highlight circles
// over it. It keeps itself centred on its parent, remembers where the
// definition placed it (the popups are placed relative to that), names the
// menu the highlights add their entries to, and opens its First highlight's
// popup on request.

#include "toolkit/bitmap.h"
#include "toolkit/panel.h"

class TBoardHighlight;
class TMainMenu;

// Sent (not posted) to a board image; both parameters 0.
constexpr unsigned WM_OPENFIRSTHIGHLIGHT = WM_USER + 0xA2;

class TBoardImage : public TCustomPanel {
public:
    explicit TBoardImage(TComponent* owner);
    ~TBoardImage() override;
    String ClassName() const override { return "TBoardImage"; }

    TPicture& Picture() { return *FPicture; }
    // Copies the given picture in.
    void SetPicture(const TPicture& picture) { FPicture->Assign(picture); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);
    bool Center() const { return FCenter; }
    void SetCenter(bool center);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool transparent);
    bool Scale() const { return FScale; }
    void SetScale(bool scale);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool autoSize);
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu) { FMenu = menu; }
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool on) { FCenterOnForm = on; }
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* first) { FFirst = first; }

    // Left and Top as they were at the first paint, before any centring.
    int InitialLeft() const { return FInitialLeft; }
    int InitialTop() const { return FInitialTop; }
    bool PositionRecorded() const { return FPositionRecorded; }

    double AspectRatio() const { return FAspectRatio; }
    bool Drawing() const { return FDrawing; }
    // The picture covers the control, so a repaint needs no background first.
    bool Opaque() const { return FOpaque; }

    // Where the picture is drawn, in the control's coordinates.
    TRect DestinationRect() const;
    // The size the control wants for its picture; false proposes no change.
    bool CanAutoSize(int& width, int& height) const;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void ParentResized() override;

private:
    void PictureChanged();
    // Records the defined position once, then centres on the parent.
    void KeepCentred();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FDrawing = false;
    double FAspectRatio = 1.0;
    bool FScale = true;
    bool FAutoSize = true;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FPositionRecorded = false;
    TBoardHighlight* FFirst = nullptr;
    int FInitialLeft = 0;
    int FInitialTop = 0;
    bool FOpaque = false;
};
