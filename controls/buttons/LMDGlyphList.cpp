#include "LMDGlyphList.h"

#include <TypInfo.h>

#include <algorithm>

TAWO_IMPLEMENT_CLASS(TLMDGlyphList)

TLMDGlyphList::TLMDGlyphList(int32_t width, int32_t height) : TLMDImageListItem(width, height) { SetMasked(true); }

int32_t TLMDGlyphList::AllocateSlot() {
  const auto free = std::find(FInUse.begin(), FInUse.end(), false);
  int32_t slot = static_cast<int32_t>(free - FInUse.begin());
  if (free == FInUse.end()) {
    slot = TLMDImageListItem::Add(nullptr, nullptr);
    FInUse.resize(static_cast<size_t>(slot) + 1, false);
  }
  FInUse[static_cast<size_t>(slot)] = true;
  ++FUsedCount;
  return slot;
}

template <class Fill>
int32_t TLMDGlyphList::Store(const Fill& fill) {
  const int32_t slot = AllocateSlot();
  try {
    fill(slot);
  } catch (...) {
    Delete(slot);
    throw;
  }
  return slot;
}

int32_t TLMDGlyphList::Add(TBitmap* image, TBitmap* mask) {
  return Store([&](int32_t slot) { Replace(slot, image, mask); });
}

int32_t TLMDGlyphList::AddMasked(TBitmap* image, TColor transparent) {
  return Store([&](int32_t slot) { ReplaceMasked(slot, image, transparent); });
}

void TLMDGlyphList::Delete(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(FInUse.size()) || !FInUse[static_cast<size_t>(index)]) return;
  FInUse[static_cast<size_t>(index)] = false;
  --FUsedCount;
}
