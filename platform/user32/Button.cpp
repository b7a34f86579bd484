#include "Button.h"

namespace {

constexpr int kStateOffset = 0;
constexpr int kFontOffset = sizeof(LONG_PTR);

bool Inside(HWND hwnd, LPARAM lParam) {
  RECT client;
  GetClientRect(hwnd, &client);
  const POINT p{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
  return PtInRect(&client, p) != FALSE;
}

// Text centred in `rect`, embossed when disabled.
void DrawLabel(HWND hwnd, HDC hdc, RECT rect) {
  char text[256];
  const int length = GetWindowTextA(hwnd, text, sizeof text);
  if (length <= 0) return;
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  SetBkMode(hdc, TRANSPARENT);
  if (!IsWindowEnabled(hwnd)) {
    RECT emboss = rect;
    OffsetRect(&emboss, 1, 1);
    SetTextColor(hdc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextA(hdc, text, length, &emboss, format);
    SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
  }
  DrawTextA(hdc, text, length, &rect, format);
}

}  // namespace

UINT Button::Type(HWND hwnd) { return static_cast<UINT>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK; }

LONG Button::State(HWND hwnd) { return GetWindowLongA(hwnd, kStateOffset); }

void Button::SetState(HWND hwnd, LONG state) { SetWindowLongA(hwnd, kStateOffset, state); }

HFONT Button::Font(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kFontOffset)); }

void Button::Notify(HWND hwnd, WORD code) {
  if (HWND parent = GetParent(hwnd)) {
    SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
  }
}

LRESULT Button::DialogCode(HWND hwnd) {
  switch (Type(hwnd)) {
    case BS_PUSHBUTTON:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

void Button::SetPushed(HWND hwnd, bool pushed) { SendMessageA(hwnd, BM_SETSTATE, pushed, 0); }

void Button::Press(HWND hwnd) {
  SetState(hwnd, State(hwnd) | kStatePressed);
  SetPushed(hwnd, true);
}

// Ends a press begun by the mouse or the space key; a release inside clicks.
void Button::Release(HWND hwnd, bool inside) {
  const LONG state = State(hwnd);
  if (!(state & kStatePressed)) return;
  SetState(hwnd, state & ~kStatePressed);
  if (!(state & BST_PUSHED)) {
    ReleaseCapture();
    return;
  }
  SetPushed(hwnd, false);
  ReleaseCapture();
  if (inside) Notify(hwnd, BN_CLICKED);
}

HBRUSH Button::ControlColour(HWND hwnd, HDC hdc) {
  HWND parent = GetParent(hwnd);
  const auto brush = parent ? SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                           reinterpret_cast<LPARAM>(hwnd))
                            : DefWindowProcA(hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc),
                                             reinterpret_cast<LPARAM>(hwnd));
  return reinterpret_cast<HBRUSH>(brush);
}

void Button::DrawOwnerDrawn(HWND hwnd, HDC hdc, UINT action) {
  ControlColour(hwnd, hdc);
  const LONG state = State(hwnd);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  item.itemAction = action;
  item.itemState = ((state & BST_PUSHED) ? ODS_SELECTED : 0) | ((state & BST_FOCUS) ? ODS_FOCUS : 0) |
                   (IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
  item.hwndItem = hwnd;
  item.hDC = hdc;
  GetClientRect(hwnd, &item.rcItem);
  if (HWND parent = GetParent(hwnd)) {
    SendMessageA(parent, WM_DRAWITEM, static_cast<WPARAM>(item.CtlID), reinterpret_cast<LPARAM>(&item));
  }
}

// The classic push button: a dark frame around the default button, a raised face (sunken and
// flat while pushed), the centred label moved one pixel while pushed, and the focus rectangle.
void Button::DrawPushButton(HWND hwnd, HDC hdc) {
  ControlColour(hwnd, hdc);
  const LONG state = State(hwnd);
  const bool pushed = (state & BST_PUSHED) != 0;
  const bool isDefault = Type(hwnd) == BS_DEFPUSHBUTTON;
  RECT face;
  GetClientRect(hwnd, &face);
  if (isDefault) {
    FrameRect(hdc, &face, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&face, -1, -1);
  }
  if (pushed && isDefault) {
    FrameRect(hdc, &face, GetSysColorBrush(COLOR_3DSHADOW));
    RECT inner = face;
    InflateRect(&inner, -1, -1);
    FillRect(hdc, &inner, GetSysColorBrush(COLOR_3DFACE));
  } else {
    RECT edge = face;
    DrawFrameControl(hdc, &edge, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  }
  RECT label = face;
  if (pushed) OffsetRect(&label, 1, 1);
  const HFONT font = Font(hwnd);
  const HGDIOBJ previous = SelectObject(hdc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  DrawLabel(hwnd, hdc, label);
  SelectObject(hdc, previous);
  if (state & BST_FOCUS) {
    RECT focus = face;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(hdc, &focus);
  }
}

void Button::Redraw(HWND hwnd, UINT action, HDC hdc) {
  if (!IsWindowVisible(hwnd)) return;
  const bool ownDc = hdc == nullptr;
  if (ownDc) hdc = GetDC(hwnd);
  if (!hdc) return;
  if (Type(hwnd) == BS_OWNERDRAW) {
    DrawOwnerDrawn(hwnd, hdc, action);
  } else {
    DrawPushButton(hwnd, hdc);
  }
  if (ownDc) ReleaseDC(hwnd, hdc);
}

void Button::Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (hdc) Redraw(hwnd, ODA_DRAWENTIRE, hdc);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK Button::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_ERASEBKGND:
      if (Type(hwnd) == BS_OWNERDRAW) {
        RECT client;
        GetClientRect(hwnd, &client);
        const auto hdc = reinterpret_cast<HDC>(wParam);
        if (HBRUSH brush = ControlColour(hwnd, hdc)) FillRect(hdc, &client, brush);
      }
      return 1;
    case WM_NCHITTEST:
      if (Type(hwnd) == BS_GROUPBOX) return HTTRANSPARENT;
      break;
    case WM_GETDLGCODE:
      return DialogCode(hwnd);
    case WM_LBUTTONDBLCLK:
      if (Type(hwnd) == BS_OWNERDRAW || Type(hwnd) == BS_RADIOBUTTON || Type(hwnd) == BS_USERBUTTON ||
          (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY)) {
        Notify(hwnd, BN_DOUBLECLICKED);
        return 0;
      }
      [[fallthrough]];
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      SetFocus(hwnd);
      Press(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if ((wParam & MK_LBUTTON) && GetCapture() == hwnd && (State(hwnd) & kStatePressed)) {
        const bool inside = Inside(hwnd, lParam);
        if (inside != ((State(hwnd) & BST_PUSHED) != 0)) SetPushed(hwnd, inside);
      }
      return 0;
    case WM_LBUTTONUP:
      Release(hwnd, Inside(hwnd, lParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !(State(hwnd) & kStatePressed)) {
        SetCapture(hwnd);
        Press(hwnd);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) Release(hwnd, true);
      return 0;
    case WM_CAPTURECHANGED:
      if (State(hwnd) & kStatePressed) {
        SetState(hwnd, State(hwnd) & ~kStatePressed);
        if (State(hwnd) & BST_PUSHED) SetPushed(hwnd, false);
      }
      return 0;
    case WM_SETFOCUS:
      SetState(hwnd, State(hwnd) | BST_FOCUS);
      Redraw(hwnd, ODA_FOCUS);
      if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) Notify(hwnd, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      SetState(hwnd, State(hwnd) & ~BST_FOCUS);
      Redraw(hwnd, ODA_FOCUS);
      if ((State(hwnd) & kStatePressed) && GetCapture() == hwnd) ReleaseCapture();
      if (GetWindowLongA(hwnd, GWL_STYLE) & BS_NOTIFY) Notify(hwnd, BN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      Redraw(hwnd, ODA_DRAWENTIRE);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      Redraw(hwnd, ODA_DRAWENTIRE);
      return result;
    }
    case WM_SETFONT:
      SetWindowLongPtrA(hwnd, kFontOffset, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) Redraw(hwnd, ODA_DRAWENTIRE);
      return 0;
    case WM_GETFONT:
      return static_cast<LRESULT>(GetWindowLongPtrA(hwnd, kFontOffset));
    case BM_GETSTATE:
      return State(hwnd) & (BST_CHECKED | BST_INDETERMINATE | BST_PUSHED | BST_FOCUS);
    case BM_SETSTATE:
      SetState(hwnd, wParam ? (State(hwnd) | BST_PUSHED) : (State(hwnd) & ~BST_PUSHED));
      Redraw(hwnd, ODA_SELECT);
      return 0;
    case BM_SETSTYLE: {
      const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
      SetWindowLongA(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | static_cast<LONG>(wParam & BS_TYPEMASK));
      if (lParam) Redraw(hwnd, ODA_DRAWENTIRE);
      return 0;
    }
    case BM_CLICK:
      SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}
