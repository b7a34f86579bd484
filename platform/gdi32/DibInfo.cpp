#include "DibInfo.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr PALETTEENTRY kDefaultPalette[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
constexpr DWORD kAlphaBitFields = 6;  // BI_ALPHABITFIELDS: red, green, blue and alpha masks
constexpr DWORD kMasksAt = sizeof(BITMAPINFOHEADER);  // after a 40-byte header, inside longer ones

template <typename T>
T ReadAt(const uint8_t* base, size_t offset) {
  T value;
  std::memcpy(&value, base + offset, sizeof(T));
  return value;
}

// Core (12), OS/2 2.x (16 to 64), info (40), V2 (52), V3 (56), V4 (108) and V5 (124) headers.
bool IsKnownHeader(DWORD size) { return size == 12 || (size >= 16 && size <= 64) || size == 108 || size == 124; }

// OS/2 2.x headers are laid out like the info header as far as they go, but their
// compressions 3 and 4 are Huffman and RLE24, not bit fields.
bool IsOs2Header(DWORD size) { return size >= 16 && size <= 64 && size != 40 && size != 52 && size != 56; }

bool ContiguousMask(uint32_t mask) {
  const uint32_t shifted = mask >> __builtin_ctz(mask);
  return (shifted & (shifted + 1)) == 0;
}

// Red, green and blue masks non-zero, alpha optional; each a contiguous run inside the pixel,
// none overlapping another.
bool ValidMasks(const PixelSurface::Format& format, int bitCount) {
  const uint32_t limit = bitCount == 16 ? 0xFFFF : 0xFFFFFFFF;
  const uint32_t masks[4] = {format.redMask, format.greenMask, format.blueMask, format.alphaMask};
  uint32_t seen = 0;
  for (size_t i = 0; i < 4; ++i) {
    if (masks[i] == 0 && i == 3) continue;  // no alpha
    if (masks[i] == 0 || masks[i] > limit || !ContiguousMask(masks[i]) || (masks[i] & seen) != 0) return false;
    seen |= masks[i];
  }
  return true;
}

// Expands RLE4/RLE8 data into `surface`, a zeroed top-down 8-bit surface of the DIB's size,
// one index per pixel. False on malformed data: a run, delta or line end that leaves the
// picture, a block cut short, or a lone byte at the end.
bool DecodeRle(const uint8_t* data, size_t size, int bitsPerPixel, PixelSurface& surface) {
  const int width = surface.Width();
  const int height = surface.Height();
  int x = 0;
  int y = 0;  // from the bottom
  size_t i = 0;
  auto nibbleOrByte = [&](uint8_t byte, int k) {
    return bitsPerPixel == 8 ? byte : static_cast<uint8_t>((k & 1) ? (byte & 0xF) : (byte >> 4));
  };
  auto fits = [&](int count) { return y < height && count <= width - x; };
  while (i < size) {
    if (size - i < 2) return false;
    const uint8_t count = data[i];
    const uint8_t value = data[i + 1];
    i += 2;
    if (count > 0) {
      if (!fits(count)) return false;
      uint8_t* row = surface.Row(height - 1 - y);
      for (int k = 0; k < count; ++k) row[x++] = nibbleOrByte(value, k);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        if (++y > height) return false;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // delta
        if (size - i < 2) return false;
        x += data[i];
        y += data[i + 1];
        i += 2;
        if (x > width || y > height) return false;
        break;
      default: {  // literal run of `value` pixels, padded to a 16-bit boundary
        const size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2;
        if (size - i < bytes || !fits(value)) return false;
        uint8_t* row = surface.Row(height - 1 - y);
        for (int k = 0; k < value; ++k) row[x++] = nibbleOrByte(data[i + (bitsPerPixel == 8 ? k : k / 2)], k);
        i += std::min(bytes + (bytes & 1), size - i);
        break;
      }
    }
  }
  return true;  // a missing end marker leaves the rest at index 0, as lenient readers do
}

}  // namespace

std::optional<DibInfo> DibInfo::Parse(const BITMAPINFO* info, size_t available, UINT usage,
                                      const std::vector<PALETTEENTRY>& palette) {
  if (!info || available < sizeof(BITMAPCOREHEADER)) return std::nullopt;
  if (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS) return std::nullopt;
  const auto* base = reinterpret_cast<const uint8_t*>(info);
  const DWORD headerSize = ReadAt<DWORD>(base, 0);
  if (!IsKnownHeader(headerSize) || available < headerSize) return std::nullopt;
  DibInfo dib;
  int64_t width;
  int64_t height;
  int bitCount;
  size_t colorsUsed = 0;
  size_t entrySize;
  size_t offset = headerSize;
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    width = ReadAt<WORD>(base, 4);
    height = ReadAt<WORD>(base, 6);
    if (ReadAt<WORD>(base, 8) != 1) return std::nullopt;
    bitCount = ReadAt<WORD>(base, 10);
    entrySize = sizeof(RGBTRIPLE);
  } else {
    width = ReadAt<LONG>(base, 4);
    height = ReadAt<LONG>(base, 8);
    if (ReadAt<WORD>(base, 12) != 1) return std::nullopt;
    bitCount = ReadAt<WORD>(base, 14);
    // Short OS/2 headers end before some fields; those read as zero.
    if (headerSize >= 20) dib.compression_ = ReadAt<DWORD>(base, 16);
    if (headerSize >= 24) dib.sizeImage_ = ReadAt<DWORD>(base, 20);
    if (headerSize >= 36) colorsUsed = ReadAt<DWORD>(base, 32);
    entrySize = sizeof(RGBQUAD);
  }
  if (width <= 0 || height == 0 || height == INT32_MIN) return std::nullopt;
  dib.bottomUp_ = height > 0;
  dib.width_ = static_cast<int>(width);
  dib.height_ = static_cast<int>(height > 0 ? height : -height);
  dib.format_.bitsPerPixel = bitCount;
  dib.format_.bottomUp = dib.bottomUp_;

  switch (dib.compression_) {
    case BI_RGB:
      if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
        return std::nullopt;
      }
      if (headerSize == sizeof(BITMAPCOREHEADER) && (bitCount == 16 || bitCount == 32)) return std::nullopt;
      break;
    case BI_RLE8:
    case BI_RLE4:
      if (bitCount != (dib.compression_ == BI_RLE8 ? 8 : 4) || !dib.bottomUp_ || dib.sizeImage_ == 0) {
        return std::nullopt;
      }
      break;
    case BI_BITFIELDS:
    case kAlphaBitFields: {
      if (IsOs2Header(headerSize) || (bitCount != 16 && bitCount != 32)) return std::nullopt;
      const size_t count = dib.compression_ == kAlphaBitFields ? 4 : 3;
      if (headerSize == kMasksAt) {
        offset += 4 * count;
      } else if (count == 4 && headerSize < 56) {
        return std::nullopt;  // a V2 header has no room for an alpha mask
      }
      if (available < kMasksAt + 4 * count) return std::nullopt;
      dib.format_.redMask = ReadAt<DWORD>(base, kMasksAt);
      dib.format_.greenMask = ReadAt<DWORD>(base, kMasksAt + 4);
      dib.format_.blueMask = ReadAt<DWORD>(base, kMasksAt + 8);
      // V3 and later headers hold an alpha mask whichever bit-field compression they name.
      if (count == 4 || headerSize >= 56) dib.format_.alphaMask = ReadAt<DWORD>(base, kMasksAt + 12);
      if (!ValidMasks(dib.format_, bitCount)) return std::nullopt;
      break;
    }
    default:
      return std::nullopt;  // JPEG, PNG, CMYK, and the OS/2 Huffman and RLE24 codings
  }

  if (bitCount <= 8) {
    const size_t capacity = size_t{1} << bitCount;
    const size_t count = colorsUsed == 0 ? capacity : colorsUsed;
    if (count > capacity) return std::nullopt;
    const size_t tableEntry = usage == DIB_PAL_COLORS ? sizeof(WORD) : entrySize;
    if (available != SIZE_MAX && offset + count * tableEntry > available) return std::nullopt;
    dib.format_.colorTable.resize(count);
    for (size_t i = 0; i < count; ++i) {
      RGBQUAD& q = dib.format_.colorTable[i];
      if (usage == DIB_PAL_COLORS) {
        const WORD index = ReadAt<WORD>(base, offset + i * 2);
        const PALETTEENTRY* entries = palette.empty() ? kDefaultPalette : palette.data();
        const size_t size = palette.empty() ? 2 : palette.size();
        const PALETTEENTRY& e = entries[index < size ? index : 0];
        q = {e.peBlue, e.peGreen, e.peRed, 0};
      } else {
        const uint8_t* entry = base + offset + i * entrySize;
        q = {entry[0], entry[1], entry[2], 0};
      }
    }
    offset += count * tableEntry;
  } else if (colorsUsed > 0 && dib.compression_ == BI_RGB) {
    if (colorsUsed > 256) return std::nullopt;
    offset += colorsUsed * entrySize;  // an optimisation palette that true-colour DIBs may carry
  }
  if (available != SIZE_MAX && offset > available) return std::nullopt;
  dib.headerBytes_ = offset;

  if (dib.DecodedBytes() > PixelSurface::kMaxBytes) return std::nullopt;
  return dib;
}

uint64_t DibInfo::DecodedBytes() const {
  const int bitsPerPixel = IsCompressed() ? 8 : BitsPerPixel();
  return static_cast<uint64_t>(PixelSurface::StrideFor(width_, bitsPerPixel, PixelSurface::RowAlignment::DoubleWord)) *
         height_;
}

std::shared_ptr<PixelSurface> DibInfo::Decode(const void* bits, size_t bitsSize, int lines) const {
  PixelSurface::Format topDown = format_;
  topDown.bottomUp = false;
  const bool rle = IsCompressed();
  if (rle) topDown.bitsPerPixel = 8;
  const int rows = lines < 0 || lines > height_ || rle ? height_ : lines;
  auto surface = rows > 0 ? PixelSurface::Create(width_, rows, topDown) : nullptr;
  if (!surface || !bits) return nullptr;
  const auto* data = static_cast<const uint8_t*>(bits);
  if (rle) {
    return DecodeRle(data, bitsSize, BitsPerPixel(), *surface) ? surface : nullptr;
  }
  const int stride = Stride();
  if (bitsSize < static_cast<size_t>(stride) * rows) return nullptr;
  for (int y = 0; y < rows; ++y) {
    const int sourceRow = bottomUp_ ? rows - 1 - y : y;
    std::memcpy(surface->Row(y), data + static_cast<size_t>(sourceRow) * stride, stride);
  }
  return surface;
}
