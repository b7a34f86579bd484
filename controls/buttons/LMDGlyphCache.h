// Unit lmdglyph: TLMDGlyphCache, the program's glyph lists, one per image size in use.
#pragma once

#include "LMDGlyphList.h"

#include <memory>
#include <vector>

class TLMDGlyphCache : public TObject {
  TAWO_CLASS(TLMDGlyphCache, TObject)

 public:
  // The first list of that size, made (masks on) and appended when there is none.
  TLMDGlyphList* GetList(int32_t width, int32_t height);
  // Removes and frees the list when it holds no image any more.
  void FreeList(TLMDGlyphList* list);
  bool Empty() const { return FLists.empty(); }

  // The one cache of the program: the first glyph makes it, the last one frees it when empty.
  static TLMDGlyphCache* Shared();
  static void Acquire();
  static void Release();

 private:
  std::vector<std::unique_ptr<TLMDGlyphList>> FLists;
};
