// Turns raw input into messages for the calling thread's windows, as Windows does when a
// message is retrieved: mouse input goes to the capture window, or to the window under the
// pointer after WM_NCHITTEST (HTTRANSPARENT passes through, disabled children pass to their
// parent), with WM_MOUSEACTIVATE and activation for a click on an inactive window and
// WM_SETCURSOR before every mouse message; double clicks for CS_DBLCLKS classes; keys go to
// the focus window (WM_SYSKEY* with Alt, for F10, or to the active window without focus); the
// host's close, iconify and restore requests become WM_SYSCOMMAND, its moves and focus changes
// go to HostWindowSync.
#pragma once

#include <memory>
#include <optional>
#include <set>

#include "MessageQueue.h"
#include "SystemInput.h"
#include "Window.h"

class InputRouter {
 public:
  // The message for one raw event, or none when it is swallowed (nothing under the pointer,
  // a disabled window, an "and eat" activation, no focus window).
  static std::optional<RoutedInput> Route(const RawInput& raw);
  // The window under a screen point as mouse input finds it; `hitTest` receives its
  // WM_NCHITTEST answer. Null over no window.
  static std::shared_ptr<Window> WindowAt(POINT screen, LRESULT* hitTest);

 private:
  static std::optional<RoutedInput> RouteMouse(const RawInput& raw);
  static std::optional<RoutedInput> RouteWheel(const RawInput& raw);
  static std::optional<RoutedInput> RouteKey(const RawInput& raw);
  static std::optional<RoutedInput> RouteChar(const RawInput& raw);
  static std::optional<RoutedInput> RouteSystemCommand(const RawInput& raw);
  static std::shared_ptr<Window> Deepest(POINT screen, const std::set<const Window*>& skip);
  static UINT ClientMessage(const RawInput& raw);
  static bool IsDoubleClick(const RawInput& raw, HWND target, bool nonClient);
  static void TrackLeave(HWND target, LRESULT hitTest);
};
