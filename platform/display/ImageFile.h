// Writes part of a pixel surface to an image file: PNG (8-bit RGB, zlib-compressed) or BMP
// (24-bit, bottom-up). Used for screenshots, and by picture tests, which read PNGs back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PixelSurface.h"

class ImageFile {
 public:
  enum class Format { Png, Bmp };

  // The format a file name asks for: ".bmp" (any case) is BMP, anything else PNG.
  static Format FormatForPath(const std::string& path);
  // False when `area` is empty or the file cannot be written. `area` is clipped to the surface.
  static bool Write(const std::string& path, const PixelSurface& surface, const RECT& area, Format format);

  // The encoded bytes, for tests and for writing.
  static std::vector<uint8_t> EncodePng(const PixelSurface& surface, const RECT& area);
  static std::vector<uint8_t> EncodeBmp(const PixelSurface& surface, const RECT& area);
  // A 32-bit surface from a PNG of 8-bit RGB rows without interlacing (what EncodePng makes,
  // with any of the five row filters); null for other or damaged files.
  static std::shared_ptr<PixelSurface> DecodePng(const std::vector<uint8_t>& png);
};
