#include "ImageFile.h"

#include <zlib.h>

#include <algorithm>
#include <cctype>
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

bool ImageFile::Write(const std::string& path, const PixelSurface& surface, const RECT& area, Format format) {
  const std::vector<uint8_t> bytes = format == Format::Bmp ? EncodeBmp(surface, area) : EncodePng(surface, area);
  if (bytes.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}
