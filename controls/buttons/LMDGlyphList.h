// Unit lmdglyph: TLMDGlyphList, the masked image strip the glyphs of one image size share.
// Freed slots are reused; the strip itself never shrinks.
#pragma once

#include <LMDImageListItem.h>

#include <vector>

class TLMDGlyphList : public TLMDImageListItem {
  TAWO_CLASS(TLMDGlyphList, TLMDImageListItem)

 public:
  TLMDGlyphList(int32_t width, int32_t height);

  // Store the image in the first free slot (a new one when all are used); the slot's number.
  int32_t Add(TBitmap* image, TBitmap* mask);
  int32_t AddMasked(TBitmap* image, TColor transparent);
  // Frees a used slot; its image stays for reuse.
  void Delete(int32_t index);
  // Number of used slots.
  int32_t UsedCount() const { return FUsedCount; }

 private:
  int32_t AllocateSlot();
  // A slot filled by `fill`; given back when filling fails.
  template <class Fill>
  int32_t Store(const Fill& fill);

  std::vector<bool> FInUse;
  int32_t FUsedCount = 0;
};
