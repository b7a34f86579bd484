// Realised fonts, one per distinct logical font, kept for the life of the process so that
// their glyph caches survive between calls.
#pragma once

#include "DeviceContext.h"
#include "FontFace.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

class FontCache {
 public:
  static FontCache& Instance();

  // The face a logical font realises to; null only when not even the last-resort face opens.
  FontFace* Realize(const LOGFONTA& request);
  // The face of the font selected into the DC.
  FontFace* ForDc(const DeviceContext& dc);

  // How many glyphs FreeType has loaded in this process.
  static uint64_t GlyphLoads();

 private:
  std::mutex mutex_;
  std::map<std::string, std::unique_ptr<FontFace>> faces_;
};
