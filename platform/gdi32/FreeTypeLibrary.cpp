#include "FreeTypeLibrary.h"

#include FT_DRIVER_H
#include FT_MODULE_H

FreeTypeLibrary& FreeTypeLibrary::Instance() {
  static FreeTypeLibrary* library = new FreeTypeLibrary();  // lives for the whole process
  return *library;
}

FreeTypeLibrary::FreeTypeLibrary() {
  if (FT_Init_FreeType(&library_) != 0) {
    library_ = nullptr;
    return;
  }
  // The hinting engine Wine draws GDI text with (FreeType's default, set here so that a
  // differently configured FreeType does not change our glyphs); the older one places some
  // accents of composite glyphs a pixel apart.
  FT_UInt interpreter = TT_INTERPRETER_VERSION_40;
  FT_Property_Set(library_, "truetype", "interpreter-version", &interpreter);
}

FT_Face FreeTypeLibrary::OpenFace(const std::string& path, long index) {
  if (!library_) return nullptr;
  std::lock_guard lock(mutex_);
  FT_Face face = nullptr;
  if (FT_New_Face(library_, path.c_str(), index, &face) != 0) return nullptr;
  return face;
}

void FreeTypeLibrary::CloseFace(FT_Face face) {
  if (!face) return;
  std::lock_guard lock(mutex_);
  FT_Done_Face(face);
}

FT_Error FreeTypeLibrary::LoadGlyph(FT_Face face, FT_UInt glyphIndex, FT_Int32 flags) {
  glyphLoads_.fetch_add(1, std::memory_order_relaxed);
  return FT_Load_Glyph(face, glyphIndex, flags);
}
