#include "WindowLifecycle.h"

#include <algorithm>

#include "Activation.h"
#include "ClassRegistry.h"
#include "Display.h"
#include "HostWindowSync.h"
#include "MessageQueue.h"
#include "NonClient.h"
#include "ThreadIdentity.h"
#include "WindowDcs.h"
#include "WindowPositioner.h"
#include "WindowTable.h"
#include "ZOrder.h"

namespace {

// CW_USEDEFAULT for overlapped windows: a cascade of positions and three quarters of the
// screen as the size [?].
constexpr int kCascadeStep = 26;
constexpr int kCascadeCount = 10;

POINT NextDefaultPosition() {
  static int next = 0;
  const int step = (next++ % kCascadeCount) * kCascadeStep;
  return POINT{step, step};
}

// Captionless tool windows (menus, hints) are popups to the host; every other top-level
// window, the borderless main form included, is a window of its own there.
SurfaceRole SurfaceRoleOf(const Window& w) {
  const bool captionless = (w.style & WS_CAPTION) != WS_CAPTION;
  return (w.style & WS_POPUP) && captionless && (w.exStyle & WS_EX_TOOLWINDOW) ? SurfaceRole::Popup
                                                                               : SurfaceRole::Window;
}

}  // namespace

bool WindowLifecycle::ResolveParent(HWND parentHandle, DWORD style, Window*& parent, HWND& owner) {
  WindowTable& table = WindowTable::Instance();
  if (parentHandle == HWND_MESSAGE) {
    parent = &table.MessageRoot();
    return true;
  }
  if (style & WS_CHILD) {
    if (!parentHandle) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return false;
    }
    std::shared_ptr<Window> p = table.Get(parentHandle);
    if (!p) return false;
    parent = p.get();
    return true;
  }
  parent = &table.Desktop();
  if (parentHandle) {
    std::shared_ptr<Window> p = table.Get(parentHandle);
    if (!p) return false;
    Window* top = p->IsRoot() ? nullptr : p->TopLevel();
    owner = top ? top->handle : nullptr;
  }
  return true;
}

RECT WindowLifecycle::InitialRect(const Window& w, int x, int y, int width, int height) {
  const bool overlapped = w.IsTopLevel() && !(w.style & (WS_POPUP | WS_CHILD));
  if (x == CW_USEDEFAULT) {
    const POINT at = overlapped ? NextDefaultPosition() : POINT{0, 0};
    x = at.x;
    y = at.y;
  }
  if (width == CW_USEDEFAULT) {
    width = overlapped ? GetSystemMetrics(SM_CXSCREEN) * 3 / 4 : 0;
    height = overlapped ? GetSystemMetrics(SM_CYSCREEN) * 3 / 4 : 0;
  }
  width = std::max(width, 0);
  height = std::max(height, 0);
  return RECT{x, y, x + width, y + height};
}

MINMAXINFO WindowLifecycle::QueryMinMax(Window& w) {
  const int frame = NonClient::FrameWidth(NonClient::FrameOf(w.style, w.exStyle));
  MINMAXINFO info{};
  info.ptMaxSize = POINT{GetSystemMetrics(SM_CXSCREEN) + 2 * frame, GetSystemMetrics(SM_CYSCREEN) + 2 * frame};
  info.ptMaxPosition = POINT{-frame, -frame};
  info.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageA(w.handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

void WindowLifecycle::NotifyParents(Window& window, WPARAM wParam,
                                    const std::function<LPARAM(Window& parent)>& lParamFor) {
  std::shared_ptr<Window> current = WindowTable::Instance().Find(window.handle);
  while (current && current->IsChildStyle() && !(current->exStyle & WS_EX_NOPARENTNOTIFY)) {
    Window* parent = current->parent;
    if (!parent || parent->IsRoot()) break;
    std::shared_ptr<Window> next = WindowTable::Instance().Find(parent->handle);
    if (!next) break;
    SendMessageA(next->handle, WM_PARENTNOTIFY, wParam, lParamFor(*next));
    current = next;
  }
}

HWND WindowLifecycle::Create(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                             int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param) {
  std::shared_ptr<WindowClass> cls = ClassRegistry::Instance().Find(className, instance);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Window* parent = nullptr;
  HWND owner = nullptr;
  if (!ResolveParent(parentHandle, style, parent, owner)) return nullptr;

  MessageQueue& queue = MessageQueue::Current();  // posting to the window needs its thread's queue
  auto w = std::make_shared<Window>();
  w->windowClass = cls;
  w->threadId = ThreadIdentity::Current();
  w->parent = parent;
  w->owner = owner;
  const bool visible = (style & WS_VISIBLE) != 0;
  w->style = style & ~WS_VISIBLE;
  if (w->IsTopLevel() && !(style & (WS_CHILD | WS_POPUP))) w->style |= WS_CLIPSIBLINGS | WS_CAPTION;
  w->exStyle = exStyle;
  if (NonClient::NeedsWindowEdge(w->style, exStyle)) {
    w->exStyle |= WS_EX_WINDOWEDGE;
  } else {
    w->exStyle &= ~WS_EX_WINDOWEDGE;
  }
  std::shared_ptr<Window> ownerWindow = WindowTable::Instance().Find(owner);
  if (ownerWindow && (ownerWindow->exStyle & WS_EX_TOPMOST)) w->exStyle |= WS_EX_TOPMOST;
  if (w->IsChildStyle()) {
    w->id = reinterpret_cast<UINT_PTR>(menu);
  } else {
    w->menu = menu;
  }
  w->procedure = cls->procedure;
  w->instance = instance;
  w->extraBytes.assign(static_cast<size_t>(cls->windowExtraBytes), 0);
  w->windowRect = w->clientRect = InitialRect(*w, x, y, width, height);

  w->handle = WindowTable::Instance().Add(w);
  if (!w->handle) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  const HWND hwnd = w->handle;
  ZOrder::InsertNew(*parent, w);
  ++cls->windowCount;
  if (w->IsTopLevel()) {
    WindowPositioner::ResizeSurface(*w);
    if (parent->root == Window::Root::Desktop) {
      queue.PumpDisplay();
      Display::Backend().CreateSurface(reinterpret_cast<SurfaceId>(hwnd), w->windowRect, SurfaceRoleOf(*w));
      HostWindowSync::TellIcon(*w);
    }
  }
  if (cls->style & CS_OWNDC) WindowDcs::CreatePrivateDc(*w);

  CREATESTRUCTA cs{param,      instance,  menu,   parentHandle, height, width, y, x, static_cast<LONG>(style),
                   windowName, className, exStyle};
  const bool tracksSize = (w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD));
  if (tracksSize) {
    const MINMAXINFO info = QueryMinMax(*w);
    if (!w->IsAlive()) return nullptr;
    RECT& r = w->windowRect;
    const int cx = std::clamp<int>(r.right - r.left, info.ptMinTrackSize.x,
                                   std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    const int cy = std::clamp<int>(r.bottom - r.top, info.ptMinTrackSize.y,
                                   std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    r.right = r.left + cx;
    r.bottom = r.top + cy;
    w->clientRect = r;
    cs.cx = cx;
    cs.cy = cy;
    WindowPositioner::ResizeSurface(*w);
  }
  if (!SendMessageA(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (w->life != Window::Life::Destroyed) Free(w);
    return nullptr;
  }
  if (!w->IsAlive()) return nullptr;
  RECT client = w->windowRect;
  SendMessageA(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  if (!w->IsAlive()) return nullptr;
  const RECT& wr = w->windowRect;
  client.left = std::clamp(client.left, wr.left, wr.right);
  client.top = std::clamp(client.top, wr.top, wr.bottom);
  client.right = std::clamp(client.right, client.left, wr.right);
  client.bottom = std::clamp(client.bottom, client.top, wr.bottom);
  w->clientRect = client;

  w->life = Window::Life::Alive;
  if (SendMessageA(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    Destroy(hwnd);
    return nullptr;
  }
  if (!w->IsAlive()) return nullptr;
  // Child and popup windows hear their size and place now, overlapped ones on first show [?].
  if (w->style & (WS_CHILD | WS_POPUP)) {
    WindowPositioner::SendInitialSizeAndMove(hwnd);
  } else {
    w->sizeMessagesOnFirstShow = true;
  }
  if (!w->IsAlive()) return nullptr;
  NotifyParents(*w, MAKEWPARAM(WM_CREATE, w->id), [hwnd](Window&) { return reinterpret_cast<LPARAM>(hwnd); });
  if (!w->IsAlive()) return nullptr;
  if (visible) {
    const int command = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
    WindowPositioner::ShowWindow(hwnd, command);
  }
  return w->IsAlive() ? hwnd : nullptr;
}

bool WindowLifecycle::Destroy(HWND hwnd) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w) return false;
  if (w->IsRoot() || w->threadId != ThreadIdentity::Current()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (w->destroyRequested) return true;
  w->destroyRequested = true;

  NotifyParents(*w, MAKEWPARAM(WM_DESTROY, w->id), [hwnd](Window&) { return reinterpret_cast<LPARAM>(hwnd); });
  if (w->life == Window::Life::Destroyed) return true;
  if (w->style & WS_VISIBLE) {
    if (w->IsChildStyle()) {
      WindowPositioner::ShowWindow(hwnd, SW_HIDE);
    } else {
      WindowPositioner::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
  }
  if (w->life == Window::Life::Destroyed) return true;
  if (MessageQueue::Current().active == hwnd) Activation::ActivateOther(*w);

  const auto tops = WindowTable::Instance().Desktop().children;
  for (const auto& top : tops) {
    if (top->owner == hwnd && top->IsAlive()) Destroy(top->handle);
  }
  if (w->life == Window::Life::Destroyed) return true;

  SendDestroyMessages(w);
  if (w->life == Window::Life::Destroyed) return true;
  Activation::ForgetSubtree(*w);
  Free(w);
  return true;
}

void WindowLifecycle::SendDestroyMessages(const std::shared_ptr<Window>& w) {
  MessageQueue& queue = MessageQueue::Current();
  if (queue.capture == w->handle) {
    queue.capture = nullptr;
    SendMessageA(w->handle, WM_CAPTURECHANGED, 0, 0);
  }
  w->destroyRequested = true;
  w->life = Window::Life::Destroying;
  SendMessageA(w->handle, WM_DESTROY, 0, 0);
  const auto children = w->children;
  for (const auto& child : children) {
    if (child->life == Window::Life::Alive || child->life == Window::Life::Creating) SendDestroyMessages(child);
  }
}

void WindowLifecycle::Free(const std::shared_ptr<Window>& w) {
  const auto children = w->children;
  for (const auto& child : children) {
    if (child->life != Window::Life::Destroyed) Free(child);
  }
  MessageQueue& queue = MessageQueue::Current();
  queue.timers.KillAllOf(w->handle);
  if (queue.tracking.window == w->handle) queue.tracking = MouseTracking{};
  if (queue.capture == w->handle) queue.capture = nullptr;
  if (queue.focus == w->handle) queue.focus = nullptr;
  if (queue.active == w->handle) queue.active = nullptr;
  w->life = Window::Life::Destroying;
  SendMessageA(w->handle, WM_NCDESTROY, 0, 0);
  w->life = Window::Life::Destroyed;
  ZOrder::Remove(*w);
  if (w->windowClass) --w->windowClass->windowCount;
  WindowDcs::DestroyPrivateDc(*w);
  if (w->HasHostSurface()) {
    Display::Backend().DestroySurface(reinterpret_cast<SurfaceId>(w->handle));
  }
  WindowTable::Instance().Remove(w->handle);
  w->children.clear();
  w->surface.reset();
  w->parent = nullptr;
}
