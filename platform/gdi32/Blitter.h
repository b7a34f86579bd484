// BitBlt and StretchBlt between DCs: source pixels converted to the destination's format
// (monochrome through the DCs' text and background colours), scaled by the stretch mode and
// combined with the destination brush by the ROP3.
#pragma once

#include "DeviceContext.h"

class Blitter {
 public:
  struct Area {
    int x;
    int y;
    int width;
    int height;
  };

  // Areas are in device coordinates; negative extents mirror that axis. `source` may be null
  // for operations that do not use a source.
  static bool Blit(DeviceContext& destination, Area to, DeviceContext* source, Area from, DWORD rop);
};
