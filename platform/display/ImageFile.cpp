#include "ImageFile.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

namespace {

RECT ClipToSurface(const PixelSurface& surface, const RECT& area) {
  return RECT{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0), std::min<LONG>(area.right, surface.Width()),
              std::min<LONG>(area.bottom, surface.Height())};
}

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

void PutBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutPngChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  const size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
  PutBigEndian32(out, static_cast<uint32_t>(crc));
}

// Row-major RGB bytes of `area`, each PNG row preceded by filter type 0.
std::vector<uint8_t> PngScanlines(const PixelSurface& surface, const RECT& area) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(area.bottom - area.top) * (1 + 3 * (area.right - area.left)));
  for (int y = area.top; y < area.bottom; ++y) {
    raw.push_back(0);
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF color = surface.ColorFromPixel(surface.ReadPixel(x, y));
      raw.push_back(GetRValue(color));
      raw.push_back(GetGValue(color));
      raw.push_back(GetBValue(color));
    }
  }
  return raw;
}

uint32_t GetBigEndian32(const uint8_t* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

// The Paeth predictor of the PNG row filters.
uint8_t Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<uint8_t>(left);
  return static_cast<uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

// Undoes the filter of one row of RGB bytes in place; false for an unknown filter.
bool Unfilter(uint8_t filter, uint8_t* row, const uint8_t* previous, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    const int left = i >= 3 ? row[i - 3] : 0;
    const int up = previous != nullptr ? previous[i] : 0;
    const int upLeft = previous != nullptr && i >= 3 ? previous[i - 3] : 0;
    int predicted = 0;
    switch (filter) {
      case 0: break;
      case 1: predicted = left; break;
      case 2: predicted = up; break;
      case 3: predicted = (left + up) / 2; break;
      case 4: predicted = Paeth(left, up, upLeft); break;
      default: return false;
    }
    row[i] = static_cast<uint8_t>(row[i] + predicted);
  }
  return true;
}

}  // namespace

ImageFile::Format ImageFile::FormatForPath(const std::string& path) {
  if (path.size() < 4) return Format::Png;
  std::string extension = path.substr(path.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".bmp" ? Format::Bmp : Format::Png;
}

std::vector<uint8_t> ImageFile::EncodePng(const PixelSurface& surface, const RECT& requested) {
  const RECT area = ClipToSurface(surface, requested);
  if (IsEmpty(area)) return {};
  const std::vector<uint8_t> raw = PngScanlines(surface, area);
  uLongf compressedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> compressed(compressedSize);
  if (compress2(compressed.data(), &compressedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED) != Z_OK) {
    return {};
  }
  compressed.resize(compressedSize);

  std::vector<uint8_t> header;
  PutBigEndian32(header, static_cast<uint32_t>(area.right - area.left));
  PutBigEndian32(header, static_cast<uint32_t>(area.bottom - area.top));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit depth, RGB, deflate, no filter method, no interlace

  std::vector<uint8_t> out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutPngChunk(out, "IHDR", header);
  PutPngChunk(out, "IDAT", compressed);
  PutPngChunk(out, "IEND", {});
  return out;
}

std::vector<uint8_t> ImageFile::EncodeBmp(const PixelSurface& surface, const RECT& requested) {
  const RECT area = ClipToSurface(surface, requested);
  if (IsEmpty(area)) return {};
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const uint32_t stride = static_cast<uint32_t>((width * 3 + 3) & ~3);
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  constexpr uint32_t kHeadersSize = 14 + 40;

  std::vector<uint8_t> out;
  out.reserve(kHeadersSize + imageSize);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, kHeadersSize + imageSize, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kHeadersSize, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(height), 4);  // positive: bottom-up rows
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);  // BI_RGB
  PutLittleEndian(out, imageSize, 4);
  PutLittleEndian(out, 3780, 4);  // 96 DPI in pixels per metre
  PutLittleEndian(out, 3780, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int y = area.bottom - 1; y >= area.top; --y) {
    const size_t rowStart = out.size();
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF color = surface.ColorFromPixel(surface.ReadPixel(x, y));
      out.push_back(GetBValue(color));
      out.push_back(GetGValue(color));
      out.push_back(GetRValue(color));
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::shared_ptr<PixelSurface> ImageFile::DecodePng(const std::vector<uint8_t>& png) {
  static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || !std::equal(kSignature, kSignature + 8, png.begin())) return nullptr;
  uint32_t width = 0;
  uint32_t height = 0;
  std::vector<uint8_t> compressed;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = GetBigEndian32(&png[at]);
    if (length > png.size() - at - 12) return nullptr;
    const std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
    const uint8_t* data = &png[at + 8];
    if (type == "IHDR") {
      static constexpr uint8_t kRgb8[5] = {8, 2, 0, 0, 0};
      if (length != 13 || !std::equal(kRgb8, kRgb8 + 5, data + 8)) return nullptr;
      width = GetBigEndian32(data);
      height = GetBigEndian32(data + 4);
    } else if (type == "IDAT") {
      compressed.insert(compressed.end(), data, data + length);
    }
    at += 12 + length;
  }
  if (width == 0 || height == 0 || width > 0x7FFF || height > 0x7FFF) return nullptr;
  const size_t rowBytes = size_t{width} * 3;
  std::vector<uint8_t> raw(size_t{height} * (rowBytes + 1));
  uLongf rawSize = static_cast<uLongf>(raw.size());
  if (uncompress(raw.data(), &rawSize, compressed.data(), static_cast<uLong>(compressed.size())) != Z_OK ||
      rawSize != raw.size()) {
    return nullptr;
  }
  auto surface = PixelSurface::Create(static_cast<int>(width), static_cast<int>(height), PixelSurface::Format{});
  if (surface == nullptr) return nullptr;
  const uint8_t* previous = nullptr;
  for (uint32_t y = 0; y < height; ++y) {
    uint8_t* row = &raw[y * (rowBytes + 1)];
    if (!Unfilter(row[0], row + 1, previous, rowBytes)) return nullptr;
    for (uint32_t x = 0; x < width; ++x) {
      const uint8_t* rgb = row + 1 + 3 * x;
      surface->WritePixel(static_cast<int>(x), static_cast<int>(y), surface->PixelFromColor(RGB(rgb[0], rgb[1], rgb[2])));
    }
    previous = row + 1;
  }
  return surface;
}

bool ImageFile::Write(const std::string& path, const PixelSurface& surface, const RECT& area, Format format) {
  const std::vector<uint8_t> bytes = format == Format::Bmp ? EncodeBmp(surface, area) : EncodePng(surface, area);
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}
