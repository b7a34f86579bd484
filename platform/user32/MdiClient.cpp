#include "MdiClient.h"

namespace {

constexpr int kStateOffset = 0;
constexpr int kCascadeStep = 20;
constexpr DWORD kChildStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX |
                              WS_MAXIMIZEBOX | WS_VISIBLE;

}  // namespace

MdiClient::State* MdiClient::StateOf(HWND client) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(client, kStateOffset));
}

// The active child, forgetting one that was destroyed behind the client's back.
HWND MdiClient::Active(HWND client) {
  State* state = StateOf(client);
  if (!state) return nullptr;
  if (state->active && (!IsWindow(state->active) || GetParent(state->active) != client)) state->active = nullptr;
  return state->active;
}

HWND MdiClient::CreateChild(HWND client, const MDICREATESTRUCTA& request) {
  State* state = StateOf(client);
  const int cascade = (state->created % 8) * kCascadeStep;
  RECT area;
  GetClientRect(client, &area);
  const int x = request.x == CW_USEDEFAULT ? cascade : request.x;
  const int y = request.y == CW_USEDEFAULT ? cascade : request.y;
  const int cx = request.cx == CW_USEDEFAULT ? area.right * 3 / 4 : request.cx;
  const int cy = request.cy == CW_USEDEFAULT ? area.bottom * 3 / 4 : request.cy;
  const auto id = static_cast<UINT_PTR>(state->idFirstChild + static_cast<UINT>(state->created));
  HWND child = CreateWindowExA(WS_EX_MDICHILD, request.szClass, request.szTitle, kChildStyle | request.style, x, y,
                               cx, cy, client, reinterpret_cast<HMENU>(id), static_cast<HINSTANCE>(request.hOwner),
                               reinterpret_cast<LPVOID>(request.lParam));
  if (!child) return nullptr;
  ++state->created;
  Activate(client, child);
  return child;
}

void MdiClient::Activate(HWND client, HWND child) {
  State* state = StateOf(client);
  const HWND previous = Active(client);
  if (!state || previous == child) return;
  state->active = child;
  if (previous) {
    SendMessageA(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessageA(previous, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
  }
  if (!child) return;
  SetWindowPos(child, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(child, WM_NCACTIVATE, TRUE, 0);
  SendMessageA(child, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(previous), reinterpret_cast<LPARAM>(child));
  if (GetFocus() && IsChild(GetAncestor(client, GA_ROOT), GetFocus())) SetFocus(child);
}

void MdiClient::DestroyChild(HWND client, HWND child) {
  if (!IsWindow(child) || GetParent(child) != client) return;
  const bool wasActive = Active(client) == child;
  DestroyWindow(child);
  if (!wasActive) return;
  StateOf(client)->active = nullptr;
  Activate(client, GetWindow(client, GW_CHILD));
}

LRESULT CALLBACK MdiClient::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      const auto* settings = static_cast<const CLIENTCREATESTRUCT*>(create->lpCreateParams);
      auto* state = new State;
      if (settings) state->idFirstChild = settings->idFirstChild;
      SetWindowLongPtrA(hwnd, kStateOffset, reinterpret_cast<LONG_PTR>(state));
      return 0;
    }
    case WM_NCDESTROY:
      delete StateOf(hwnd);
      SetWindowLongPtrA(hwnd, kStateOffset, 0);
      break;
    case WM_MDICREATE:
      if (!lParam || !StateOf(hwnd)) return 0;
      return reinterpret_cast<LRESULT>(CreateChild(hwnd, *reinterpret_cast<const MDICREATESTRUCTA*>(lParam)));
    case WM_MDIDESTROY:
      DestroyChild(hwnd, reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_MDIACTIVATE: {
      const auto child = reinterpret_cast<HWND>(wParam);
      if (IsWindow(child) && GetParent(child) == hwnd) Activate(hwnd, child);
      return 0;
    }
    case WM_MDIGETACTIVE: {
      const HWND active = Active(hwnd);
      if (lParam) *reinterpret_cast<BOOL*>(lParam) = active && IsZoomed(active);
      return reinterpret_cast<LRESULT>(active);
    }
    case WM_SETFOCUS:
      if (const HWND active = Active(hwnd)) SetFocus(active);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT MdiClient::FrameProcedure(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (client) MoveWindow(client, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      break;
    case WM_SETFOCUS:
      if (client) {
        SetFocus(client);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(frame, message, wParam, lParam);
}

LRESULT MdiClient::ChildProcedure(HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND client = GetParent(child);
  switch (message) {
    case WM_CHILDACTIVATE:
    case WM_MOUSEACTIVATE:
      if (client) SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
      break;
    case WM_CLOSE:
      if (client) SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(child, message, wParam, lParam);
}

extern "C" LRESULT WINAPI DefFrameProcA(HWND hWnd, HWND hWndMDIClient, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return MdiClient::FrameProcedure(hWnd, hWndMDIClient, uMsg, wParam, lParam);
}

extern "C" LRESULT WINAPI DefMDIChildProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  return MdiClient::ChildProcedure(hWnd, uMsg, wParam, lParam);
}
