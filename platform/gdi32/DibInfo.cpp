#include "DibInfo.h"

#include <cstring>

namespace {

constexpr PALETTEENTRY kDefaultPalette[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

template <typename T>
T ReadAt(const uint8_t* base, size_t offset) {
  T value;
  std::memcpy(&value, base + offset, sizeof(T));
  return value;
}

// Expands RLE4/RLE8 data into `surface`, a zeroed top-down 8-bit surface of the DIB's size,
// one index per pixel; false on malformed data.
bool DecodeRle(const uint8_t* data, size_t size, int bitsPerPixel, PixelSurface& surface) {
  const int width = surface.Width();
  const int height = surface.Height();
  int x = 0;
  int y = 0;  // from the bottom
  size_t i = 0;
  auto put = [&](uint8_t value) {
    if (x < width && y < height) surface.Row(height - 1 - y)[x] = value;
    ++x;
  };
  while (i + 1 < size) {
    const uint8_t count = data[i];
    const uint8_t value = data[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) {
        put(bitsPerPixel == 8 ? value : static_cast<uint8_t>((k & 1) ? (value & 0xF) : (value >> 4)));
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // delta
        if (i + 1 >= size) return false;
        x += data[i];
        y += data[i + 1];
        i += 2;
        break;
      default: {  // literal run of `value` pixels, padded to a 16-bit boundary
        const size_t bytes = bitsPerPixel == 8 ? value : (value + 1u) / 2;
        if (i + bytes > size) return false;
        for (int k = 0; k < value; ++k) {
          const uint8_t byte = data[i + (bitsPerPixel == 8 ? k : k / 2)];
          put(bitsPerPixel == 8 ? byte : static_cast<uint8_t>((k & 1) ? (byte & 0xF) : (byte >> 4)));
        }
        i += bytes + (bytes & 1);
        break;
      }
    }
    if (y > height) return false;
  }
  return true;  // a missing end marker leaves the rest black, as lenient readers do
}

}  // namespace

std::optional<DibInfo> DibInfo::Parse(const BITMAPINFO* info, size_t available, UINT usage,
                                      const std::vector<PALETTEENTRY>& palette) {
  if (!info || available < sizeof(BITMAPCOREHEADER)) return std::nullopt;
  if (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS) return std::nullopt;
  const auto* base = reinterpret_cast<const uint8_t*>(info);
  const DWORD headerSize = ReadAt<DWORD>(base, 0);
  DibInfo dib;
  int64_t width;
  int64_t height;
  int bitCount;
  size_t colorsUsed = 0;
  size_t entrySize;
  size_t offset;
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    width = ReadAt<WORD>(base, 4);
    height = ReadAt<WORD>(base, 6);
    if (ReadAt<WORD>(base, 8) != 1) return std::nullopt;
    bitCount = ReadAt<WORD>(base, 10);
    entrySize = sizeof(RGBTRIPLE);
    offset = headerSize;
  } else if (headerSize >= sizeof(BITMAPINFOHEADER) && headerSize <= 124) {
    if (available < headerSize) return std::nullopt;
    width = ReadAt<LONG>(base, 4);
    height = ReadAt<LONG>(base, 8);
    if (ReadAt<WORD>(base, 12) != 1) return std::nullopt;
    bitCount = ReadAt<WORD>(base, 14);
    dib.compression_ = ReadAt<DWORD>(base, 16);
    dib.sizeImage_ = ReadAt<DWORD>(base, 20);
    colorsUsed = ReadAt<DWORD>(base, 32);
    entrySize = sizeof(RGBQUAD);
    offset = headerSize;
  } else {
    return std::nullopt;
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
      break;
    case BI_RLE8:
    case BI_RLE4:
      if (bitCount != (dib.compression_ == BI_RLE8 ? 8 : 4) || !dib.bottomUp_ || dib.sizeImage_ == 0) {
        return std::nullopt;
      }
      break;
    case BI_BITFIELDS: {
      if (bitCount != 16 && bitCount != 32) return std::nullopt;
      // The masks follow a 40-byte header; later headers hold them inside.
      const size_t masksAt = headerSize == sizeof(BITMAPINFOHEADER) ? headerSize : 40;
      if (available < masksAt + 12) return std::nullopt;
      dib.format_.redMask = ReadAt<DWORD>(base, masksAt);
      dib.format_.greenMask = ReadAt<DWORD>(base, masksAt + 4);
      dib.format_.blueMask = ReadAt<DWORD>(base, masksAt + 8);
      if (headerSize == sizeof(BITMAPINFOHEADER)) offset += 12;
      const uint32_t limit = bitCount == 16 ? 0xFFFF : 0xFFFFFFFF;
      for (uint32_t mask : {dib.format_.redMask, dib.format_.greenMask, dib.format_.blueMask}) {
        if (mask == 0 || mask > limit) return std::nullopt;
        const uint32_t shifted = mask >> __builtin_ctz(mask);
        if ((shifted & (shifted + 1)) != 0) return std::nullopt;  // not contiguous
      }
      break;
    }
    default:
      return std::nullopt;
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
