#include "Compositor.h"

#include <algorithm>
#include <cstring>

#include "ImageFile.h"
#include "ScreenSurface.h"
#include "WindowTable.h"

void Compositor::ComposeScreen() {
  std::shared_ptr<PixelSurface> screen = ScreenSurface::Get();
  const uint32_t desktop = screen->PixelFromColor(GetSysColor(COLOR_BACKGROUND));
  for (int y = 0; y < screen->Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(screen->Row(y));
    std::fill(row, row + screen->Width(), desktop);
  }
  const auto& tops = WindowTable::Instance().Desktop().children;
  for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
    const Window& w = **it;
    if (!((w.style & WS_VISIBLE) || w.redrawOff) || !w.surface) continue;
    const RECT r = w.windowRect;
    const int left = std::max<int>(r.left, 0);
    const int right = std::min<int>({r.right, screen->Width(), r.left + w.surface->Width()});
    const int top = std::max<int>(r.top, 0);
    const int bottom = std::min<int>({r.bottom, screen->Height(), r.top + w.surface->Height()});
    if (right <= left) continue;
    for (int y = top; y < bottom; ++y) {
      std::memcpy(screen->Row(y) + static_cast<size_t>(left) * 4,
                  w.surface->Row(y - r.top) + static_cast<size_t>(left - r.left) * 4,
                  static_cast<size_t>(right - left) * 4);
    }
  }
}

bool Compositor::ScreenshotScreen(const std::string& path) {
  ComposeScreen();
  std::shared_ptr<PixelSurface> screen = ScreenSurface::Get();
  return ImageFile::Write(path, *screen, screen->Bounds(), ImageFile::FormatForPath(path));
}

bool Compositor::ScreenshotWindow(HWND hwnd, const std::string& path) {
  std::shared_ptr<Window> w = WindowTable::Instance().Get(hwnd);
  if (!w || w->IsRoot()) return false;
  Window* top = w->TopLevel();
  if (!top || !top->surface) return false;
  const POINT origin = w->WindowOriginOnScreen();
  const POINT topOrigin = top->WindowOriginOnScreen();
  const RECT area{origin.x - topOrigin.x, origin.y - topOrigin.y, origin.x - topOrigin.x + w->Width(),
                  origin.y - topOrigin.y + w->Height()};
  return ImageFile::Write(path, *top->surface, area, ImageFile::FormatForPath(path));
}
