#include "PixelSurface.h"

#include <cstring>
#include <limits>

namespace {

constexpr int kMaxDimension = 1 << 20;
constexpr uint32_t kDefaultMasks16[3] = {0x7C00, 0x03E0, 0x001F};
constexpr uint32_t kDefaultMasks32[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};

int ShiftOf(uint32_t mask) { return mask ? __builtin_ctz(mask) : 0; }
int WidthOf(uint32_t mask) { return mask ? __builtin_popcount(mask) : 0; }

uint32_t ScaleToMask(uint8_t channel, uint32_t mask) {
  const int width = WidthOf(mask);
  if (width == 0) return 0;
  const uint32_t value = width >= 8 ? (uint32_t{channel} << (width - 8)) : (channel >> (8 - width));
  return (value << ShiftOf(mask)) & mask;
}

uint8_t ScaleFromMask(uint32_t pixel, uint32_t mask) {
  const int width = WidthOf(mask);
  if (width == 0) return 0;
  uint32_t value = (pixel & mask) >> ShiftOf(mask);
  if (width >= 8) return static_cast<uint8_t>(value >> (width - 8));
  // Replicate the high bits so that full intensity maps to 255.
  uint32_t scaled = value << (8 - width);
  for (int filled = width; filled < 8; filled += width) scaled |= value << (8 - width) >> filled;
  return static_cast<uint8_t>(scaled);
}

}  // namespace

int PixelSurface::StrideFor(int width, int bitsPerPixel, RowAlignment alignment) {
  const int64_t bits = static_cast<int64_t>(width) * bitsPerPixel;
  if (alignment == RowAlignment::Word) return static_cast<int>((bits + 15) / 16 * 2);
  return static_cast<int>((bits + 31) / 32 * 4);
}

std::shared_ptr<PixelSurface> PixelSurface::Create(int width, int height, Format format) {
  switch (format.bitsPerPixel) {
    case 1: case 4: case 8: case 16: case 24: case 32:
      break;
    default:
      return nullptr;
  }
  if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) return nullptr;
  const uint64_t bytes = static_cast<uint64_t>(StrideFor(width, format.bitsPerPixel, format.alignment)) * height;
  if (bytes > kMaxBytes) return nullptr;
  if ((format.bitsPerPixel == 16 || format.bitsPerPixel == 32) && format.redMask == 0) {
    const uint32_t* masks = format.bitsPerPixel == 16 ? kDefaultMasks16 : kDefaultMasks32;
    format.redMask = masks[0];
    format.greenMask = masks[1];
    format.blueMask = masks[2];
  }
  if (format.bitsPerPixel <= 8 && format.colorTable.size() > (size_t{1} << format.bitsPerPixel)) {
    format.colorTable.resize(size_t{1} << format.bitsPerPixel);
  }
  std::shared_ptr<PixelSurface> surface(new PixelSurface(width, height, std::move(format)));
  return surface->bits_ ? surface : nullptr;
}

std::shared_ptr<PixelSurface> PixelSurface::Clone() const {
  std::shared_ptr<PixelSurface> copy = Create(width_, height_, format_);
  if (copy) std::memcpy(copy->Bits(), bits_.get(), sizeInBytes_);
  return copy;
}

PixelSurface::PixelSurface(int width, int height, Format format)
    : width_(width),
      height_(height),
      stride_(StrideFor(width, format.bitsPerPixel, format.alignment)),
      format_(std::move(format)),
      sizeInBytes_(static_cast<size_t>(stride_) * height),
      bits_(static_cast<uint8_t*>(std::calloc(sizeInBytes_, 1))) {}

uint32_t PixelSurface::PixelMask() const {
  return format_.bitsPerPixel == 32 ? 0xFFFFFFFFu : (1u << format_.bitsPerPixel) - 1;
}

uint32_t PixelSurface::ColorMask() const {
  switch (format_.bitsPerPixel) {
    case 16:
    case 32: return format_.redMask | format_.greenMask | format_.blueMask;
    case 24: return 0xFFFFFF;
    default: return PixelMask();
  }
}

bool PixelSurface::HasCustomMasks() const {
  if (format_.bitsPerPixel != 16 && format_.bitsPerPixel != 32) return false;
  const uint32_t* masks = format_.bitsPerPixel == 16 ? kDefaultMasks16 : kDefaultMasks32;
  return format_.redMask != masks[0] || format_.greenMask != masks[1] || format_.blueMask != masks[2];
}

uint32_t PixelSurface::ReadPixel(int x, int y) const {
  const uint8_t* row = Row(y);
  switch (format_.bitsPerPixel) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
      return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF;
    case 8:
      return row[x];
    case 16:
      return row[2 * x] | (row[2 * x + 1] << 8);
    case 24:
      return row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
    default: {
      uint32_t v;
      std::memcpy(&v, row + 4 * x, 4);
      return v;
    }
  }
}

void PixelSurface::WritePixel(int x, int y, uint32_t value) {
  uint8_t* row = Row(y);
  switch (format_.bitsPerPixel) {
    case 1: {
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = (value & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit);
      break;
    }
    case 4: {
      uint8_t& byte = row[x >> 1];
      byte = (x & 1) ? static_cast<uint8_t>((byte & 0xF0) | (value & 0xF))
                     : static_cast<uint8_t>((byte & 0x0F) | ((value & 0xF) << 4));
      break;
    }
    case 8:
      row[x] = static_cast<uint8_t>(value);
      break;
    case 16:
      row[2 * x] = static_cast<uint8_t>(value);
      row[2 * x + 1] = static_cast<uint8_t>(value >> 8);
      break;
    case 24:
      row[3 * x] = static_cast<uint8_t>(value);
      row[3 * x + 1] = static_cast<uint8_t>(value >> 8);
      row[3 * x + 2] = static_cast<uint8_t>(value >> 16);
      break;
    default:
      std::memcpy(row + 4 * x, &value, 4);
      break;
  }
}

void PixelSurface::ReadRow(int y, int x, int count, uint32_t* out) const {
  if (format_.bitsPerPixel == 32) {
    std::memcpy(out, Row(y) + 4 * static_cast<size_t>(x), 4 * static_cast<size_t>(count));
    return;
  }
  for (int i = 0; i < count; ++i) out[i] = ReadPixel(x + i, y);
}

void PixelSurface::WriteRow(int y, int x, int count, const uint32_t* values) {
  if (format_.bitsPerPixel == 32) {
    std::memcpy(Row(y) + 4 * static_cast<size_t>(x), values, 4 * static_cast<size_t>(count));
    return;
  }
  for (int i = 0; i < count; ++i) WritePixel(x + i, y, values[i]);
}

uint32_t PixelSurface::PixelFromColor(COLORREF color) const {
  const uint8_t r = GetRValue(color);
  const uint8_t g = GetGValue(color);
  const uint8_t b = GetBValue(color);
  switch (format_.bitsPerPixel) {
    case 24:
      return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
    case 16:
    case 32:
      return ScaleToMask(r, format_.redMask) | ScaleToMask(g, format_.greenMask) |
             ScaleToMask(b, format_.blueMask);
    default:
      break;
  }
  if (format_.colorTable.empty()) {  // monochrome DDB: nearest of black and white
    return (r * 30 + g * 59 + b * 11) >= 128 * 100 ? 1u : 0u;
  }
  uint32_t best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (size_t i = 0; i < format_.colorTable.size(); ++i) {
    const RGBQUAD& q = format_.colorTable[i];
    const int dr = q.rgbRed - r;
    const int dg = q.rgbGreen - g;
    const int db = q.rgbBlue - b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<uint32_t>(i);
      if (distance == 0) break;
    }
  }
  return best;
}

COLORREF PixelSurface::ColorFromPixel(uint32_t pixel) const {
  switch (format_.bitsPerPixel) {
    case 24:
      return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    case 16:
    case 32:
      return RGB(ScaleFromMask(pixel, format_.redMask), ScaleFromMask(pixel, format_.greenMask),
                 ScaleFromMask(pixel, format_.blueMask));
    default:
      break;
  }
  if (format_.colorTable.empty()) return (pixel & 1) ? RGB(255, 255, 255) : RGB(0, 0, 0);
  if (pixel >= format_.colorTable.size()) return RGB(0, 0, 0);
  const RGBQUAD& q = format_.colorTable[pixel];
  return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

uint8_t PixelSurface::AlphaFromPixel(uint32_t pixel) const { return ScaleFromMask(pixel, format_.alphaMask); }

void PixelSurface::SetColorTable(UINT start, const RGBQUAD* colors, UINT count) {
  if (!IsIndexed()) return;
  const size_t capacity = size_t{1} << format_.bitsPerPixel;
  if (format_.colorTable.size() < capacity) format_.colorTable.resize(capacity);
  for (UINT i = 0; i < count && start + i < capacity; ++i) format_.colorTable[start + i] = colors[i];
}

bool PixelSurface::SameFormatAs(const PixelSurface& other) const {
  const Format& a = format_;
  const Format& b = other.format_;
  if (a.bitsPerPixel != b.bitsPerPixel) return false;
  if (a.bitsPerPixel == 16 || a.bitsPerPixel == 32) {
    return a.redMask == b.redMask && a.greenMask == b.greenMask && a.blueMask == b.blueMask;
  }
  if (a.bitsPerPixel == 24) return true;
  if (a.colorTable.size() != b.colorTable.size()) return false;
  return std::memcmp(a.colorTable.data(), b.colorTable.data(), a.colorTable.size() * sizeof(RGBQUAD)) == 0;
}
