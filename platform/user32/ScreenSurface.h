// The pixels of the whole screen, in the display's size and 32-bit format.
#pragma once

#include "PixelSurface.h"

#include <memory>

class ScreenSurface {
 public:
  static std::shared_ptr<PixelSurface> Get();
};
