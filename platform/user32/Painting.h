// Update regions and the paint messages that follow from them: what RedrawWindow,
// InvalidateRect and ValidateRect change, which window WM_PAINT goes to next, and the
// synchronous WM_NCPAINT / WM_ERASEBKGND / WM_PAINT of RDW_ERASENOW and RDW_UPDATENOW.
#pragma once

#include <memory>
#include <optional>

#include "MessageFilter.h"
#include "Region.h"
#include "Window.h"

class Painting {
 public:
  // Applies the RDW_INVALIDATE / RDW_VALIDATE family of flags to the window and, as the flags
  // and WS_CLIPCHILDREN say, its descendants. `area` is in client coordinates; none means the
  // whole client area (the whole window with RDW_FRAME). Hidden windows keep no update region.
  static void Apply(Window& window, const std::optional<Region>& area, UINT flags);
  // Then RDW_UPDATENOW / RDW_ERASENOW, in the same order as painting: parents first.
  static void Flush(const std::shared_ptr<Window>& window, UINT flags);

  static bool NeedsPaint(const Window& window);
  // The non-client part of the window, in client coordinates.
  static Region FrameArea(const Window& window);
  // The window of `threadId` that WM_PAINT goes to next (parents before children), if any.
  static std::shared_ptr<Window> NextToPaint(const MessageFilter& filter, DWORD threadId);

  // Sends WM_NCPAINT if the frame is invalid and WM_ERASEBKGND if an erase is pending; returns
  // true when the background still needs erasing (PAINTSTRUCT.fErase).
  static bool SendFrameAndErase(const std::shared_ptr<Window>& window, HDC paintDc);

 private:
  static void ApplyToChildren(Window& window, const Region& area, UINT flags);
  static bool AffectsChildren(const Window& window, UINT flags);
  static void FlushOne(const std::shared_ptr<Window>& window, UINT flags);
};
