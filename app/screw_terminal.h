#pragma once
// A two-way screw terminal block seen from above, drawn pixel by pixel
// (no smoothing): dark body, lighter strip on the left, black wire opening
// on the right, and two slotted screw heads at a quarter and three quarters
// of the height.

#include "toolkit/graphics.h"

void DrawScrewTerminal(TCanvas& canvas, const TRect& box);

// One slotted screw head centred on (x, y); leaves the pen grey and the brush silver.
void DrawScrewHead(TCanvas& canvas, int x, int y, float radius);
