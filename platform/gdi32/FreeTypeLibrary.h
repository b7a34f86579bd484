// The process's FreeType library: opens faces and counts glyph loads, so tests and benchmarks
// can check that cached text never reaches FreeType again.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

class FreeTypeLibrary {
 public:
  static FreeTypeLibrary& Instance();

  // A new face of the file, or null when it cannot be opened. Release it with CloseFace.
  FT_Face OpenFace(const std::string& path, long index);
  void CloseFace(FT_Face face);

  // Loads a glyph into the face's slot; every FreeType glyph load goes through here.
  FT_Error LoadGlyph(FT_Face face, FT_UInt glyphIndex, FT_Int32 flags);
  uint64_t GlyphLoads() const { return glyphLoads_.load(std::memory_order_relaxed); }

  FT_Library Handle() const { return library_; }

 private:
  FreeTypeLibrary();

  FT_Library library_ = nullptr;
  std::mutex mutex_;  // FT_New_Face and FT_Done_Face use the library's shared state
  std::atomic<uint64_t> glyphLoads_{0};
};
