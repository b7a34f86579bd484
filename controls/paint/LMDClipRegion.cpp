#include "LMDClipRegion.h"

TLMDClipRegion::TLMDClipRegion(HDC dc, const RECT& rect, int32_t offset) : FDC(dc) {
  const auto dx = static_cast<int32_t>(static_cast<uint32_t>(offset) & 0xFFFF);
  const auto dy = static_cast<int32_t>(static_cast<uint32_t>(offset) >> 16);
  FRegion = CreateRectRgn(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy);
  SelectClipRgn(FDC, FRegion);
}

TLMDClipRegion::~TLMDClipRegion() {
  if (DeleteObject(FRegion)) SelectClipRgn(FDC, nullptr);
}
