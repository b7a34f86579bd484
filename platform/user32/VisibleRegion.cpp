#include "VisibleRegion.h"

#include "Display.h"

namespace {

void Subtract(Region& region, const RECT& rect) { region = Region::Combine(region, Region::FromRect(rect), RGN_DIFF); }

}  // namespace

VisibleRegion::Options VisibleRegion::ForStyle(const Window& window, bool wholeWindow) {
  Options options;
  options.wholeWindow = wholeWindow;
  options.clipChildren = (window.style & WS_CLIPCHILDREN) != 0;
  options.clipSiblings = (window.style & WS_CLIPSIBLINGS) != 0 || window.IsTopLevel();
  options.parentClip = !wholeWindow && (window.ClassStyle() & CS_PARENTDC) && !window.IsTopLevel();
  return options;
}

void VisibleRegion::ExcludeSiblingsAbove(Region& region, const Window& window) {
  for (const auto& sibling : window.parent->children) {
    if (sibling.get() == &window) break;
    if (sibling->style & WS_VISIBLE) Subtract(region, sibling->WindowRectOnScreen());
  }
}

void VisibleRegion::ExcludeChildren(Region& region, const Window& window) {
  for (const auto& child : window.children) {
    if (child->style & WS_VISIBLE) Subtract(region, child->WindowRectOnScreen());
  }
}

Region VisibleRegion::Of(const Window& window, const Options& options) {
  if (window.IsRoot() || !window.IsVisibleOnScreen()) return Region();
  Region region;
  const Window* level = &window;
  if (options.parentClip) {
    region = Region::FromRect(window.parent->ClientRectOnScreen());
    level = window.parent;
  } else {
    region = Region::FromRect(options.wholeWindow ? window.WindowRectOnScreen() : window.ClientRectOnScreen());
    if (options.clipChildren) ExcludeChildren(region, window);
    if (options.clipSiblings && !window.IsTopLevel()) ExcludeSiblingsAbove(region, window);
  }
  for (const Window* w = level; !w->IsTopLevel(); w = w->parent) {
    const Window& parent = *w->parent;
    region = region.Intersected(parent.ClientRectOnScreen());
    if (!parent.IsTopLevel() && (parent.style & WS_CLIPSIBLINGS)) ExcludeSiblingsAbove(region, parent);
  }
  if (Display::ComposesScreen()) {
    const Window* top = window.IsTopLevel() ? &window : const_cast<Window&>(window).TopLevel();
    ExcludeSiblingsAbove(region, *top);
  }
  return region;
}

Region VisibleRegion::Owned(const Window& window) {
  Options options;
  options.wholeWindow = true;
  options.clipChildren = true;
  options.clipSiblings = true;
  return Of(window, options);
}
