#include "HostWindowSync.h"

#include "Activation.h"
#include "Display.h"
#include "Icons.h"
#include "MessageQueue.h"
#include "WindowClass.h"
#include "WindowPositioner.h"
#include "WindowTable.h"

void HostWindowSync::TellTitle(const Window& w) {
  if (w.HasHostSurface()) Display::Backend().SetSurfaceTitle(reinterpret_cast<SurfaceId>(w.handle), w.text);
}

void HostWindowSync::TellIcon(const Window& w) {
  if (!w.HasHostSurface()) return;
  HICON icon = w.bigIcon ? w.bigIcon : w.smallIcon;
  if (!icon && w.windowClass) icon = w.windowClass->icon;
  std::shared_ptr<const PixelSurface> pixels = icon ? Icons::PixelsOf(icon) : nullptr;
  if (!pixels) pixels = Icons::PixelsOf(Icons::System(IDI_APPLICATION));
  if (pixels) Display::Backend().SetSurfaceIcon(reinterpret_cast<SurfaceId>(w.handle), *pixels);
}

void HostWindowSync::Apply(const InputEvent& event) {
  std::shared_ptr<Window> w = WindowTable::Instance().Find(reinterpret_cast<HWND>(event.surface));
  if (!w || !w->IsAlive() || !w->HasHostSurface() || w->threadId != MessageQueue::Current().ThreadId()) return;
  switch (event.kind) {
    case InputEvent::Kind::Moved:
      Moved(*w, event.origin);
      break;
    case InputEvent::Kind::FocusGained:
      FocusGained(*w);
      break;
    case InputEvent::Kind::FocusLost:
      FocusLost(*w);
      break;
    default:
      break;
  }
}

void HostWindowSync::Moved(Window& w, POINT origin) {
  if (w.IsMinimized()) return;
  WindowPositioner::SetWindowPos(w.handle, nullptr, origin.x, origin.y, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HostWindowSync::FocusGained(const Window& w) {
  if (!(w.style & WS_VISIBLE)) return;
  // A window disabled by its dialog passes the activation to the dialog, as a click on it would;
  // an enabled one keeps it (its menus and hints are never activated).
  const HWND target = IsWindowEnabled(w.handle) ? w.handle : GetWindow(w.handle, GW_ENABLEDPOPUP);
  if (IsWindowEnabled(target) && MessageQueue::Current().active != target) Activation::Activate(target, WA_ACTIVE);
}

// Focus moving between two of our own windows arrives as a loss and a gain; only the loss of
// the active window's focus (to another program) deactivates.
void HostWindowSync::FocusLost(const Window& w) {
  if (MessageQueue::Current().active == w.handle) Activation::Activate(nullptr, WA_INACTIVE);
}
