// System colours and system metrics.
#include "DisplayMode.h"
#include "SystemColors.h"

namespace {

constexpr int kBorder = 1;
constexpr int kDialogFrame = 3;
constexpr int kCaptionHeight = 18;
constexpr int kMenuHeight = 18;

}  // namespace

extern "C" {

DWORD WINAPI GetSysColor(int nIndex) { return SystemColors::IsValidIndex(nIndex) ? SystemColors::Color(nIndex) : 0; }

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  return SystemColors::IsValidIndex(nIndex) ? SystemColors::Brush(nIndex) : nullptr;
}

BOOL WINAPI SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) {
  if (cElements < 0 || (cElements > 0 && (!lpaElements || !lpaRgbValues))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  for (int i = 0; i < cElements; ++i) {
    if (SystemColors::IsValidIndex(lpaElements[i])) SystemColors::SetColor(lpaElements[i], lpaRgbValues[i]);
  }
  return TRUE;
}

// Classic 96-DPI values; related metrics are derived from each other.
int WINAPI GetSystemMetrics(int nIndex) {
  const DisplayMode mode = DisplayMode::Current();
  const int frame = kDialogFrame + kBorder;
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN:
      return mode.width;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
      return mode.height;
    case SM_CYFULLSCREEN:
      return mode.height - (kCaptionHeight + kBorder);
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYCAPTION:
      return kCaptionHeight + kBorder;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return kDialogFrame;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CYMENU:
      return kMenuHeight + kBorder;
    case SM_MOUSEPRESENT:
    case SM_MOUSEWHEELPRESENT:
    case SM_CMONITORS:
      return 1;
    case SM_CMOUSEBUTTONS:
      return 3;
    case SM_CXMIN:
    case SM_CXMINTRACK:
      return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK:
      return kCaptionHeight + kBorder + 2 * frame;
    case SM_CXSIZE:
    case SM_CYSIZE:
    case SM_CXMENUSIZE:
    case SM_CYMENUSIZE:
      return kCaptionHeight;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return frame;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CXICONSPACING:
    case SM_CYICONSPACING:
      return 75;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CYSMCAPTION:
      return 16;
    case SM_CXSMSIZE:
      return 12;
    case SM_CYSMSIZE:
      return 15;
    case SM_CXMINIMIZED:
      return 160;
    case SM_CYMINIMIZED:
      return 24;
    case SM_CXMAXTRACK:
      return mode.width + 12;
    case SM_CYMAXTRACK:
      return mode.height + 12;
    case SM_CXMAXIMIZED:
      return mode.width + 2 * frame;
    case SM_CYMAXIMIZED:
      return mode.height + 2 * frame;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return 13;
    default:
      return 0;
  }
}

}  // extern "C"
