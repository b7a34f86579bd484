#include "LMDGlyphCache.h"

#include <TypInfo.h>

#include <algorithm>

TAWO_IMPLEMENT_CLASS(TLMDGlyphCache)

namespace {

std::unique_ptr<TLMDGlyphCache> gCache;
int gUsers = 0;

}  // namespace

TLMDGlyphList* TLMDGlyphCache::GetList(int32_t width, int32_t height) {
  for (const auto& list : FLists) {
    if (list->Width() == width && list->Height() == height) return list.get();
  }
  FLists.push_back(std::make_unique<TLMDGlyphList>(width, height));
  return FLists.back().get();
}

void TLMDGlyphCache::FreeList(TLMDGlyphList* list) {
  if (list == nullptr || list->UsedCount() != 0) return;
  const auto found = std::find_if(FLists.begin(), FLists.end(), [list](const auto& held) { return held.get() == list; });
  if (found != FLists.end()) FLists.erase(found);
}

TLMDGlyphCache* TLMDGlyphCache::Shared() { return gCache.get(); }

void TLMDGlyphCache::Acquire() {
  if (gUsers++ == 0 && gCache == nullptr) gCache = std::make_unique<TLMDGlyphCache>();
}

void TLMDGlyphCache::Release() {
  if (--gUsers == 0 && gCache != nullptr && gCache->Empty()) gCache.reset();
}
