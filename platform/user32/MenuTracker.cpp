#include "MenuTracker.h"

#include <algorithm>
#include <cctype>

namespace {

thread_local bool cancelRequested = false;
thread_local HWND runningPopup = nullptr;

}  // namespace

bool MenuTracker::Cancel() {
  if (!runningPopup) return false;
  cancelRequested = true;
  PostMessageA(runningPopup, WM_NULL, 0, 0);
  return true;
}

POINT MenuTracker::Place(UINT flags, POINT at, SIZE size) {
  POINT p = at;
  if (flags & TPM_RIGHTALIGN) {
    p.x -= size.cx;
  } else if (flags & TPM_CENTERALIGN) {
    p.x -= size.cx / 2;
  }
  if (flags & TPM_BOTTOMALIGN) {
    p.y -= size.cy;
  } else if (flags & TPM_VCENTERALIGN) {
    p.y -= size.cy / 2;
  }
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  p.x = std::clamp<LONG>(p.x, 0, std::max<LONG>(0, screenWidth - size.cx));
  p.y = std::clamp<LONG>(p.y, 0, std::max<LONG>(0, screenHeight - size.cy));
  return p;
}

HWND MenuTracker::CreatePopup(PopupMenuState& state, UINT flags, POINT at, HWND owner) {
  PopupMenuWindow::Layout(state);
  const DWORD style = WS_POPUP | WS_DLGFRAME;
  const DWORD exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
  RECT frame{0, 0, state.clientSize.cx, state.clientSize.cy};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  const POINT p = Place(flags, at, size);
  HWND popup = CreateWindowExA(exStyle, PopupMenuWindow::kClassName, "", style, p.x, p.y, size.cx, size.cy, owner,
                               nullptr, nullptr, nullptr);
  if (!popup) return nullptr;
  SetWindowLongPtrA(popup, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  ShowWindow(popup, SW_SHOWNOACTIVATE);
  UpdateWindow(popup);
  return popup;
}

bool MenuTracker::Choosable(const PopupMenuState& state, int item) {
  if (item < 0 || item >= static_cast<int>(state.items.size())) return false;
  const MenuItem& chosen = state.items[static_cast<size_t>(item)];
  return !chosen.IsSeparator() && chosen.IsEnabled() && !(chosen.flags & MF_POPUP);
}

// The next item that is not a separator, wrapping around.
int MenuTracker::Step(const PopupMenuState& state, int from, int direction) {
  const int count = static_cast<int>(state.items.size());
  int item = from;
  for (int tried = 0; tried < count; ++tried) {
    item = item < 0 ? (direction > 0 ? 0 : count - 1) : (item + direction + count) % count;
    if (!state.items[static_cast<size_t>(item)].IsSeparator()) return item;
  }
  return from;
}

int MenuTracker::MnemonicItem(const PopupMenuState& state, char key) {
  const int lower = std::tolower(static_cast<unsigned char>(key));
  for (size_t i = 0; i < state.items.size(); ++i) {
    const std::string& text = state.items[i].text;
    for (size_t at = text.find('&'); at != std::string::npos && at + 1 < text.size(); at = text.find('&', at + 2)) {
      if (text[at + 1] == '&') continue;
      if (std::tolower(static_cast<unsigned char>(text[at + 1])) == lower) return static_cast<int>(i);
      break;
    }
  }
  return -1;
}

UINT_PTR MenuTracker::Track(HMENU menu, UINT flags, POINT at, HWND owner) {
  PopupMenuState state;
  SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
  SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  state.items = MenuTable::Instance().Items(menu).value_or(std::vector<MenuItem>{});
  HWND popup = state.items.empty() ? nullptr : CreatePopup(state, flags, at, owner);
  int chosen = -1;
  if (popup) {
    runningPopup = popup;
    cancelRequested = false;
    SetCapture(popup);
    bool done = false;
    MSG msg;
    while (!done && !cancelRequested && GetCapture() == popup) {
      if (!GetMessageA(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      POINT client = msg.pt;
      ScreenToClient(popup, &client);
      const int under = PopupMenuWindow::ItemAt(state, client);
      switch (msg.message) {
        case WM_MOUSEMOVE:
          PopupMenuWindow::SetHighlight(popup, state, under);
          continue;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
          RECT bounds;
          GetWindowRect(popup, &bounds);
          done = !PtInRect(&bounds, msg.pt);  // a press outside the menu cancels it
          continue;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
          if (Choosable(state, under)) {
            chosen = under;
            done = true;
          }
          continue;
        case WM_KEYDOWN:
          if (msg.wParam == VK_ESCAPE) {
            done = true;
          } else if (msg.wParam == VK_UP || msg.wParam == VK_DOWN) {
            PopupMenuWindow::SetHighlight(popup, state, Step(state, state.highlighted, msg.wParam == VK_DOWN ? 1 : -1));
          } else if (msg.wParam == VK_RETURN && Choosable(state, state.highlighted)) {
            chosen = state.highlighted;
            done = true;
          }
          TranslateMessage(&msg);
          continue;
        case WM_CHAR:
          if (const int item = MnemonicItem(state, static_cast<char>(msg.wParam)); Choosable(state, item)) {
            chosen = item;
            done = true;
          }
          continue;
        default:
          if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) continue;
          if (msg.message == WM_KEYUP || msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP) continue;
          break;
      }
      DispatchMessageA(&msg);
    }
    if (GetCapture() == popup) ReleaseCapture();
    runningPopup = nullptr;
    DestroyWindow(popup);
  }
  SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
  return chosen >= 0 ? state.items[static_cast<size_t>(chosen)].id : 0;
}
