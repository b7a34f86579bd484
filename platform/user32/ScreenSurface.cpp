#include "ScreenSurface.h"

#include "DisplayMode.h"

#include <mutex>

std::shared_ptr<PixelSurface> ScreenSurface::Get() {
  static std::mutex mutex;
  static std::shared_ptr<PixelSurface> screen;
  std::lock_guard lock(mutex);
  const DisplayMode mode = DisplayMode::Current();
  if (!screen || screen->Width() != mode.width || screen->Height() != mode.height) {
    PixelSurface::Format format;
    format.bitsPerPixel = 32;
    screen = PixelSurface::Create(mode.width, mode.height, format);
  }
  return screen;
}
