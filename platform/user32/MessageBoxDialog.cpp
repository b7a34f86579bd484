#include "MessageBoxDialog.h"

#include "DialogWindow.h"
#include "MessageBoxIcons.h"
#include "MessageBoxLayout.h"
#include "ModalLoop.h"

#include <algorithm>

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
constexpr UINT kCancelTryContinue = 6;
constexpr int kTryAgain = 10;  // IDTRYAGAIN
constexpr int kContinue = 11;  // IDCONTINUE

HFONT MessageFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

}  // namespace

std::vector<MessageBoxDialog::ButtonSpec> MessageBoxDialog::Buttons(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK:
      return {{IDOK, "OK"}};
    case MB_OKCANCEL:
      return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE:
      return {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
    case MB_YESNOCANCEL:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO:
      return {{IDYES, "&Yes"}, {IDNO, "&No"}};
    case MB_RETRYCANCEL:
      return {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
    case kCancelTryContinue:
      return {{IDCANCEL, "Cancel"}, {kTryAgain, "&Try Again"}, {kContinue, "&Continue"}};
    default:
      return {};
  }
}

int MessageBoxDialog::EscapeResult(UINT type) {
  const std::vector<ButtonSpec> buttons = Buttons(type);
  if (std::any_of(buttons.begin(), buttons.end(), [](const ButtonSpec& b) { return b.id == IDCANCEL; })) {
    return IDCANCEL;
  }
  return (type & MB_TYPEMASK) == MB_OK ? IDOK : 0;
}

// An owned box disables its owner's top-level window; a task-modal box without an owner
// disables every top-level window of the thread.
std::vector<HWND> MessageBoxDialog::BlockedWindows(HWND owner, UINT type) {
  if (owner) return {GetAncestor(owner, GA_ROOT)};
  std::vector<HWND> windows;
  if (!(type & MB_TASKMODAL)) return windows;
  const DWORD thread = GetCurrentThreadId();
  for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
    if (GetWindowThreadProcessId(hwnd, nullptr) == thread) windows.push_back(hwnd);
  }
  return windows;
}

SIZE MessageBoxDialog::MeasureText(const std::string& text) {
  HDC hdc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(hdc, MessageFont());
  RECT rect{0, 0, MessageBoxLayout::MaxTextWidth(GetSystemMetrics(SM_CXSCREEN)), 0};
  DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &rect, kTextFormat | DT_CALCRECT);
  TEXTMETRICA metrics{};
  GetTextMetricsA(hdc, &metrics);
  SelectObject(hdc, previous);
  ReleaseDC(nullptr, hdc);
  return SIZE{rect.right - rect.left, std::max<LONG>(rect.bottom - rect.top, metrics.tmHeight)};
}

HWND MessageBoxDialog::CreateBox(HWND owner, LPCSTR caption, UINT type, SIZE client) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | ((type & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0);
  RECT frame{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExA(exStyle, DialogWindow::kClassName, caption ? caption : "Error", style, x, y, width, height,
                         owner, nullptr, nullptr, nullptr);
}

void MessageBoxDialog::Paint(HWND hwnd, const Box& box) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (hdc) {
    MessageBoxIcons::Draw(hdc, box.iconRect, box.type);
    const HGDIOBJ previous = SelectObject(hdc, MessageFont());
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    RECT text = box.textRect;
    DrawTextA(hdc, box.text.c_str(), static_cast<int>(box.text.size()), &text, kTextFormat);
    SelectObject(hdc, previous);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MessageBoxDialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (box && message == WM_PAINT) {
    Paint(hwnd, *box);
    return 0;
  }
  if (box && message == WM_COMMAND) {
    const int id = LOWORD(wParam);
    const std::vector<ButtonSpec> buttons = Buttons(box->type);
    const bool isButton = std::any_of(buttons.begin(), buttons.end(), [id](const ButtonSpec& b) { return b.id == id; });
    if (isButton) {
      ModalLoop::End(hwnd, id);
    } else if (id == IDCANCEL && EscapeResult(box->type)) {
      ModalLoop::End(hwnd, EscapeResult(box->type));
    }
    return 0;
  }
  return DialogWindow::Procedure(hwnd, message, wParam, lParam);
}

int MessageBoxDialog::Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  const std::vector<ButtonSpec> buttons = Buttons(type);
  if (buttons.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (owner && !IsWindow(owner)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const HWND topOwner = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  Box box{text ? text : "", type, {}, {}};
  const bool hasIcon = (type & MB_ICONMASK) >= MB_ICONHAND && (type & MB_ICONMASK) <= MB_ICONASTERISK;
  const MessageBoxLayout layout(MeasureText(box.text), hasIcon, static_cast<int>(buttons.size()));
  box.iconRect = layout.IconRect();
  box.textRect = layout.TextRect();

  const std::vector<HWND> blocked = BlockedWindows(topOwner, type);
  HWND hwnd = CreateBox(topOwner, caption, type, layout.ClientSize());
  if (!hwnd) return 0;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));

  const size_t defaultIndex = std::min<size_t>((type & MB_DEFMASK) >> 8, buttons.size() - 1);
  for (size_t i = 0; i < buttons.size(); ++i) {
    const RECT& r = layout.ButtonRects()[i];
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                        (i == defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    HWND button = CreateWindowExA(0, "BUTTON", buttons[i].label, style, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].id)),
                                  nullptr, nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
    if (i == defaultIndex) DialogWindow::RememberFocus(hwnd, button);
  }
  SendMessageA(hwnd, DM_SETDEFID, static_cast<WPARAM>(buttons[defaultIndex].id), 0);
  if (type & MB_ICONMASK) MessageBeep(type & MB_ICONMASK);

  const INT_PTR result = ModalLoop::Run(hwnd, blocked);
  if (IsWindow(hwnd)) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
  }
  return static_cast<int>(result);
}

extern "C" int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return MessageBoxDialog::Show(hWnd, lpText, lpCaption, uType);
}

// No sound device: the beep is accepted and nothing plays.
extern "C" BOOL WINAPI MessageBeep(UINT) { return TRUE; }
