#include "LMDButtonBase.h"

#include <LMDGraph.h>

#include <windows.h>

using enum TLMDUserButtonStyle;

bool NewStyleControls = LOBYTE(LOWORD(GetVersion())) >= 4;

TLMDUserButtonStyle LMDActualButtonStyle(TLMDUserButtonStyle style) {
  LMDCheckRange(style, ubsAutoDetect, ubsIntegrated);
  if (style != ubsAutoDetect) return style;
  return NewStyleControls ? ubsWin40 : ubsWin31;
}

int32_t LMDGetButtonBevel(TLMDUserButtonStyle style, TLMDButtonState) {
  switch (LMDActualButtonStyle(style)) {
    case ubsWin31: return 3;
    case ubsWin40:
    case ubsDelphi:
    case ubsDelphiFlat:
    case ubsNavigator:
    case ubsIntegrated: return 2;
    default: return 1;
  }
}
