#include "ExposureTracker.h"

#include "Painting.h"
#include "VisibleRegion.h"
#include "WindowTable.h"

namespace {

POINT SurfaceOffset(Window& w) {
  const POINT origin = w.WindowOriginOnScreen();
  const POINT top = w.TopLevel()->WindowOriginOnScreen();
  return POINT{origin.x - top.x, origin.y - top.y};
}

void CollectVisible(const std::shared_ptr<Window>& w, std::vector<std::shared_ptr<Window>>& out) {
  if (!(w->style & WS_VISIBLE)) return;
  out.push_back(w);
  for (const auto& child : w->children) CollectVisible(child, out);
}

}  // namespace

ExposureTracker::ExposureTracker() : before_(Capture()) {}

std::vector<ExposureTracker::Shown> ExposureTracker::Capture() {
  std::vector<std::shared_ptr<Window>> windows;
  for (const auto& top : WindowTable::Instance().Desktop().children) CollectVisible(top, windows);
  std::vector<Shown> shown;
  shown.reserve(windows.size());
  for (const auto& w : windows) {
    Region owned = VisibleRegion::Owned(*w);
    const POINT origin = w->WindowOriginOnScreen();
    owned.Offset(-origin.x, -origin.y);
    shown.push_back(Shown{w, std::move(owned), SurfaceOffset(*w)});
  }
  return shown;
}

std::vector<std::shared_ptr<Window>> ExposureTracker::InvalidateExposed() {
  std::vector<std::shared_ptr<Window>> touched;
  for (const Shown& now : Capture()) {
    Region exposed = now.owned;
    for (const Shown& old : before_) {
      if (old.window != now.window) continue;
      const bool sameSpot = now.window->IsTopLevel() ||
                            (old.surfaceOffset.x == now.surfaceOffset.x && old.surfaceOffset.y == now.surfaceOffset.y);
      if (sameSpot) exposed = Region::Combine(exposed, old.owned, RGN_DIFF);
      break;
    }
    if (exposed.IsEmpty()) continue;
    Window& w = *now.window;
    exposed.Offset(w.windowRect.left - w.clientRect.left, w.windowRect.top - w.clientRect.top);
    Painting::Apply(w, exposed, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_NOCHILDREN);
    touched.push_back(now.window);
  }
  return touched;
}
