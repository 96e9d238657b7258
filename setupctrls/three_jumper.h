#pragma once
// A drawn three-pin jumper header: a base with rounded ends, three pins in a
// row and a cap on the left pair, the right pair, or nowhere. A click moves
// the cap on and raises OnClick; code moves it through JumperState.

#include <cstdint>

#include "toolkit/bitmap.h"
#include "toolkit/control.h"

enum class TJumperState : std::uint8_t { jsOpen, jsLeft, jsRight };
// The side the top of the drawing faces.
enum class TOrientationType : std::uint8_t { otUp, otDown, otLeft, otRight };

// The drawing's measures for a work bitmap W wide (along the pins) and H high.
struct TJumperGeometry {
    int PinInset;   // x of the left pin's centre; the right one is at W - PinInset
    int CX, CY;     // the centre pin's centre
    int PinRadius;
    int CapReach;   // how far the cap reaches past the centre pin
};
TJumperGeometry JumperGeometry(int w, int h);

class TThreeJumper : public TGraphicControl {
public:
    explicit TThreeJumper(TComponent* owner);
    String ClassName() const override { return "TThreeJumper"; }

    TJumperState JumperState() const { return FJumperState; }
    // jsOpen is refused, silently, while AllowOpen is False.
    void SetJumperState(TJumperState state);
    bool AllowOpen() const { return FAllowOpen; }
    void SetAllowOpen(bool allow);
    TOrientationType Orientation() const { return FOrientation; }
    // Marks a change between the upright and the lying pair; the next paint
    // of a painted jumper then exchanges Width and Height.
    void SetOrientation(TOrientationType orientation);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor color);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor color);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor color);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);

    bool SwapPending() const { return FSwapPending; }
    bool PaintedOnce() const { return FPaintedOnce; }
    const TBitmap& OutputBitmap() const { return FOutputBitmap; }

    // Moves the cap on (open, left, right, open; or left, right, left
    // without the open state), then raises OnClick.
    void Click() override;

protected:
    void Paint() override;

private:
    void DrawWork();
    void Turn();

    TOrientationType FOrientation = TOrientationType::otUp;
    TJumperState FJumperState = TJumperState::jsOpen;
    TBitmap FOutputBitmap;
    TBitmap FWorkBitmap;
    bool FSwapPending = false;
    bool FPaintedOnce = false;
    TColor FBaseColor = 0x808080;
    TColor FPinColor = 0x00FFFF;
    TColor FJumperColor = 0x000080;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FAllowOpen = true;
};
