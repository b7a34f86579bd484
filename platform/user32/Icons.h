// Icons: the shared system icons (LoadIcon with a null instance) and icons made from a colour
// and a mask bitmap. Each is kept as 32-bit pixels with alpha (where the mask is white, the
// icon is transparent), the form the host takes for a window's icon.
#pragma once

#include <windows.h>

#include <memory>

#include "PixelSurface.h"

class Icons {
 public:
  // The shared handle for an IDI_ ordinal; null for ordinals that are not system icons.
  static HICON System(LPCSTR name);
  // Null when the colour or mask bitmap cannot be read.
  static HICON Create(const ICONINFO& info);
  // False for shared icons and handles that are not icons.
  static bool Destroy(HICON icon);
  // Null for a handle that is not an icon.
  static std::shared_ptr<const PixelSurface> PixelsOf(HICON icon);
};
