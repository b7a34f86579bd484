// Unit LMDClipRegion: TLMDClipRegion, a rectangular clip region selected into a device context
// for the time of one painting. On the way out the region is deleted and, when that succeeds,
// the device context is left without any clip region (the previous one is not restored).
#pragma once

#include <windows.h>

#include <cstdint>

class TLMDClipRegion {
 public:
  // The offset's low and high words (each unsigned) move the rectangle into device coordinates.
  TLMDClipRegion(HDC dc, const RECT& rect, int32_t offset);
  ~TLMDClipRegion();
  TLMDClipRegion(const TLMDClipRegion&) = delete;
  TLMDClipRegion& operator=(const TLMDClipRegion&) = delete;

 private:
  HDC FDC;
  HRGN FRegion;
};
