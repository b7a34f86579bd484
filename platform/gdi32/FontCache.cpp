#include "FontCache.h"

#include "FaceNames.h"
#include "GdiFont.h"
#include "GdiHandleTable.h"

#include <cstddef>
#include <cstring>

namespace {

// Every field but the face name byte for byte, then the name in lower case: requests that
// differ only in the case of the name or in bytes after its end realise alike.
std::string KeyOf(const LOGFONTA& request) {
  std::string key(reinterpret_cast<const char*>(&request), offsetof(LOGFONTA, lfFaceName));
  const size_t length = strnlen(request.lfFaceName, LF_FACESIZE);
  for (size_t i = 0; i < length; ++i) key += face_names::Lower(request.lfFaceName[i]);
  return key;
}

std::unique_ptr<FontFace> OpenWithFallback(const LOGFONTA& request) {
  if (auto face = FontFace::Open(FontMapper::Map(request), request)) return face;
  LOGFONTA fallback = request;
  std::strcpy(fallback.lfFaceName, "DejaVu Sans");
  return FontFace::Open(FontMapper::Map(fallback), fallback);
}

}  // namespace

FontCache& FontCache::Instance() {
  static FontCache* cache = new FontCache();  // lives for the whole process
  return *cache;
}

FontFace* FontCache::Realize(const LOGFONTA& request) {
  std::lock_guard lock(mutex_);
  const std::string key = KeyOf(request);
  auto found = faces_.find(key);
  if (found == faces_.end()) {
    std::unique_ptr<FontFace> face = OpenWithFallback(request);
    if (!face) return nullptr;
    found = faces_.emplace(key, std::move(face)).first;
  }
  return found->second.get();
}

FontFace* FontCache::ForDc(const DeviceContext& dc) {
  const auto* font = GdiHandleTable::Instance().Get<GdiFont>(dc.State().font);
  return font ? Realize(font->LogFont()) : nullptr;
}

uint64_t FontCache::GlyphLoads() { return FreeTypeLibrary::Instance().GlyphLoads(); }
