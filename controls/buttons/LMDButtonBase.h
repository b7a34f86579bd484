// Unit LMDButtonBase: the button styles and states shared by the library's buttons, and the
// border width each style takes.
#pragma once

#include <TypInfo.h>

#include <cstdint>

TAWO_ENUM(TLMDUserButtonStyle, ubsAutoDetect, ubsWin31, ubsWin40, ubsDelphi, ubsDelphiFlat, ubsFlat,
          ubsFlatUnColored, ubsNavigator, ubsExplorer, ubsExplorerColored, ubsIntegrated)
// The windowed button's styles; each is passed on as the user style of the same number.
TAWO_ENUM(TLMDNormalButtonStyle, nbsAutoDetect, nbsWin31, nbsWin40)
// A predefined picture a button can show instead of its own glyph.
TAWO_ENUM(TLMDGlyphKind, gkCustom, gkEllipsis, gkFile, gkFolder, gkCalculator, gkCalender, gkSearch, gkColor, gkFont)
TAWO_ENUM(TLMDButtonState, bsUp, bsDisabledUp, bsMouseOver, bsOptionSet, bsDown, bsDragOver, bsDropDownOpen,
          bsDisabledDown)

// Whether the Windows 95 look is on: true on platform version 4 and later. ubsAutoDetect
// follows it.
extern bool NewStyleControls;

// The style a button shows: ubsAutoDetect becomes ubsWin40 with new-style controls, ubsWin31
// without; every other style stays. A value outside the enumeration raises ERangeError.
TLMDUserButtonStyle LMDActualButtonStyle(TLMDUserButtonStyle style);

// The border width of a style: 3 for ubsWin31, 2 for the bevelled styles, 1 for the others.
// The state does not change it.
int32_t LMDGetButtonBevel(TLMDUserButtonStyle style, TLMDButtonState state = TLMDButtonState::bsUp);
