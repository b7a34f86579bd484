// The push-button faces of unit LMDUtils: background and border of a button in any of the
// library's styles and states, the focus rectangle, and the rectangle left for the content.
#pragma once

#include "LMDButtonBase.h"

#include <TCanvas.h>

#include <windows.h>

#include <cstdint>

// Bits of the option word of LMDDrawBtnFace.
inline constexpr uint16_t LMD_BTNFACE_ROUNDED = 0x0001;      // ubsWin31: corner pixels in clBtnFace
inline constexpr uint16_t LMD_BTNFACE_FOCUSED = 0x0002;      // dark outer frame and focus rectangle
inline constexpr uint16_t LMD_BTNFACE_BEVELLED = 0x0004;     // ubsWin40: the bevelled 3D face
inline constexpr uint16_t LMD_BTNFACE_SUNKEN = 0x0008;       // bevelled ubsWin40 pressed: a sunken edge
inline constexpr uint16_t LMD_BTNFACE_FILLFRAME = 0x0010;    // fill inside the dark outer frame too
inline constexpr uint16_t LMD_BTNFACE_DEFAULT = 0x0020;      // dark outer frame, no focus rectangle

// Paints the face of a button in `rect` and leaves there the rectangle for its text and
// glyph: the face shrunk by 3 on every side, moved by (1, 1) while the button is down.
// `plainChecked` fills a flat button in bsOptionSet with `color` instead of the checkered
// pattern. The explorer styles leave the background untouched. Always true.
bool LMDDrawBtnFace(TCanvas* canvas, bool plainChecked, RECT& rect, TLMDUserButtonStyle style,
                    TLMDButtonState state, uint16_t options, TColor color);

// True for the styles without a border of their own while the button is up.
bool LMDDrawBtnIsFlat(TLMDUserButtonStyle style);
