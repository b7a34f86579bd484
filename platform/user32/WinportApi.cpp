// The display and input section of winport.h.
#include <winport.h>

#include "UserClock.h"
#include "Compositor.h"
#include "Display.h"
#include "GdiHandleTable.h"
#include "MessagePump.h"
#include "MessageQueue.h"
#include "ScreenSurface.h"
#include "SystemInput.h"
#include "WindowDcs.h"
#include "WindowTable.h"

namespace {

InputEvent::Button ButtonOf(int button) {
  switch (button) {
    case WINPORT_BUTTON_RIGHT:
      return InputEvent::Button::Right;
    case WINPORT_BUTTON_MIDDLE:
      return InputEvent::Button::Middle;
    default:
      return InputEvent::Button::Left;
  }
}

void Mouse(InputEvent::Kind kind, int button, int x, int y) {
  InputEvent event;
  event.kind = kind;
  event.button = ButtonOf(button);
  event.screen = POINT{x, y};
  SystemInput::Instance().Deliver(event);
}

// Scan codes of a PC keyboard for the keys that have a fixed one; others get 0.
UINT ScanCode(UINT vk) {
  static const struct {
    UINT vk;
    UINT scan;
  } table[] = {{VK_ESCAPE, 0x01}, {VK_BACK, 0x0E}, {VK_TAB, 0x0F},   {VK_RETURN, 0x1C},  {VK_CONTROL, 0x1D},
               {VK_SHIFT, 0x2A},  {VK_MENU, 0x38}, {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B},
               {VK_F10, 0x44},    {VK_HOME, 0x47}, {VK_UP, 0x48},    {VK_PRIOR, 0x49},   {VK_LEFT, 0x4B},
               {VK_RIGHT, 0x4D},  {VK_END, 0x4F},  {VK_DOWN, 0x50},  {VK_NEXT, 0x51},    {VK_INSERT, 0x52},
               {VK_DELETE, 0x53}};
  for (const auto& entry : table) {
    if (entry.vk == vk) return entry.scan;
  }
  return 0;
}

bool IsExtended(UINT vk) {
  return (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE || vk == VK_DIVIDE;
}

void Key(UINT vk, bool down) {
  InputEvent event;
  event.kind = down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
  event.virtualKey = vk;
  event.scanCode = ScanCode(vk);
  event.extendedKey = IsExtended(vk);
  SystemInput::Instance().Deliver(event);
}

}  // namespace

extern "C" {

BOOL WINAPI WinportSetDisplay(LPCSTR backendName) { return backendName && Display::Choose(backendName) ? TRUE : FALSE; }

LPCSTR WINAPI WinportDisplayName(void) { return Display::Backend().Name(); }

VOID WINAPI WinportMouseMove(int x, int y) { Mouse(InputEvent::Kind::MouseMove, 0, x, y); }

VOID WINAPI WinportMouseDown(int button, int x, int y) { Mouse(InputEvent::Kind::ButtonDown, button, x, y); }

VOID WINAPI WinportMouseUp(int button, int x, int y) { Mouse(InputEvent::Kind::ButtonUp, button, x, y); }

VOID WINAPI WinportMouseClick(int button, int x, int y) {
  WinportMouseMove(x, y);
  WinportMouseDown(button, x, y);
  WinportMouseUp(button, x, y);
}

VOID WINAPI WinportMouseWheel(int delta, int x, int y) {
  InputEvent event;
  event.kind = InputEvent::Kind::Wheel;
  event.wheelDelta = delta;
  event.screen = POINT{x, y};
  SystemInput::Instance().Deliver(event);
}

VOID WINAPI WinportKeyDown(UINT virtualKey) { Key(virtualKey, true); }

VOID WINAPI WinportKeyUp(UINT virtualKey) { Key(virtualKey, false); }

VOID WINAPI WinportKeyPress(UINT virtualKey) {
  Key(virtualKey, true);
  Key(virtualKey, false);
}

VOID WINAPI WinportTypeText(LPCSTR text) {
  for (const char* c = text; c && *c; ++c) {
    InputEvent event;
    event.kind = InputEvent::Kind::Char;
    event.character = static_cast<unsigned char>(*c);
    SystemInput::Instance().Deliver(event);
  }
}

DWORD WINAPI WinportClockNow(void) { return UserClock::Now(); }

VOID WINAPI WinportUseVirtualClock(BOOL enable) { UserClock::SetVirtual(enable != FALSE); }

BOOL WINAPI WinportIsVirtualClock(void) { return UserClock::IsVirtual() ? TRUE : FALSE; }

VOID WINAPI WinportAdvanceClock(DWORD milliseconds, BOOL dispatch) {
  const DWORD target = UserClock::Now() + milliseconds;
  MessageQueue& queue = MessageQueue::Current();
  if (dispatch) {
    // Stop at every moment a timer falls due before the target, so that each period fires.
    while (!queue.quitPending) {
      const std::optional<DWORD> next = queue.timers.NextDue();
      if (!next || !UserClock::IsDue(*next, target)) break;
      UserClock::AdvanceVirtual(UserClock::Until(*next, UserClock::Now()));
      MessagePump::DispatchPending();
      // A timer that did not move on was never reached (endless painting, or the host clock).
      if (queue.timers.NextDue() == next) break;
    }
  }
  UserClock::AdvanceVirtual(UserClock::Until(target, UserClock::Now()));
  if (dispatch) MessagePump::DispatchPending();
}

int WINAPI WinportDispatchPending(void) { return MessagePump::DispatchPending(); }

VOID WINAPI WinportSetIdleHandler(WINPORT_IDLEPROC handler, LPVOID context) {
  MessagePump::SetIdleHandler(handler, context);
}

VOID WINAPI WinportSetIdleLimit(DWORD milliseconds) { MessagePump::SetIdleLimit(milliseconds); }

BOOL WINAPI WinportScreenshot(LPCSTR path) { return path && Compositor::ScreenshotScreen(path) ? TRUE : FALSE; }

BOOL WINAPI WinportWindowScreenshot(HWND hwnd, LPCSTR path) {
  return path && Compositor::ScreenshotWindow(hwnd, path) ? TRUE : FALSE;
}

COLORREF WINAPI WinportScreenPixel(int x, int y) {
  Compositor::ComposeScreen();
  std::shared_ptr<PixelSurface> screen = ScreenSurface::Get();
  if (x < 0 || y < 0 || x >= screen->Width() || y >= screen->Height()) return CLR_INVALID;
  return screen->ColorFromPixel(screen->ReadPixel(x, y));
}

UINT WINAPI WinportLiveWindowCount(void) { return static_cast<UINT>(WindowTable::Instance().LiveCount()); }

UINT WINAPI WinportLiveWindowDcCount(void) { return static_cast<UINT>(WindowDcs::LiveCount()); }

UINT WINAPI WinportLiveGdiObjectCount(void) { return static_cast<UINT>(GdiHandleTable::Instance().LiveCount()); }

}  // extern "C"
