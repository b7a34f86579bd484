// Unit ExtCtrls: panels and images, and the unit's drawing routines. The classes have their
// own headers.
#pragma once

#include "TCanvas.h"
#include "TImage.h"
#include "TPanel.h"

inline constexpr const char* SInvalidBevelWidth = "Bevel width must be at least 1";
inline constexpr const char* SInvalidBorderWidth = "Border width must not be negative";

// Draws `width` nested one-pixel frames inside `rect`, the top and left sides in `topColor`
// and the bottom and right sides in `bottomColor`, and shrinks `rect` to what lies inside.
void Frame3D(TCanvas* canvas, RECT& rect, TColor topColor, TColor bottomColor, int width);
// The colours of a bevel's light and dark sides: raised is light above, lowered dark above.
TColor BevelTopColor(TBevelCut bevel);
TColor BevelBottomColor(TBevelCut bevel);
