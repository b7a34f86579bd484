#include "TBitmapImage.h"

#include <algorithm>
#include <array>
#include <cstring>

using enum TPixelFormat;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    default: return 32;
  }
}

bool IsIndexed(TPixelFormat format) { return format == pf1bit || format == pf4bit || format == pf8bit; }

RGBQUAD Quad(uint8_t red, uint8_t green, uint8_t blue) { return RGBQUAD{blue, green, red, 0}; }

COLORREF QuadColor(const RGBQUAD& quad) { return RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue); }

uint8_t Expand5(uint32_t value) { return static_cast<uint8_t>((value << 3) | (value >> 2)); }
uint8_t Expand6(uint32_t value) { return static_cast<uint8_t>((value << 2) | (value >> 4)); }

int Distance(COLORREF a, COLORREF b) {
  const int red = GetRValue(a) - GetRValue(b);
  const int green = GetGValue(a) - GetGValue(b);
  const int blue = GetBValue(a) - GetBValue(b);
  return red * red + green * green + blue * blue;
}

struct TDibHeader {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

}  // namespace

std::vector<RGBQUAD> StandardColorTable(TPixelFormat format) {
  static constexpr std::array<std::array<uint8_t, 3>, 16> kVga{{
      {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
      {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},
      {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};
  std::vector<RGBQUAD> table;
  if (format == pf1bit) return {Quad(0, 0, 0), Quad(255, 255, 255)};
  for (const auto& [red, green, blue] : kVga) table.push_back(Quad(red, green, blue));
  if (format == pf4bit) return table;
  for (int red = 0; red < 6; ++red) {
    for (int green = 0; green < 6; ++green) {
      for (int blue = 0; blue < 6; ++blue) {
        table.push_back(Quad(static_cast<uint8_t>(red * 51), static_cast<uint8_t>(green * 51),
                             static_cast<uint8_t>(blue * 51)));
      }
    }
  }
  for (int grey = 1; grey <= 24; ++grey) {
    const auto level = static_cast<uint8_t>(grey * 10);
    table.push_back(Quad(level, level, level));
  }
  return table;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Create(int width, int height, TPixelFormat format,
                                                   std::vector<RGBQUAD> palette) {
  if (format == pfCustom) throw EInvalidGraphic(SInvalidPixelFormat);
  std::shared_ptr<TBitmapImage> image(new TBitmapImage());
  image->FWidth = width;
  image->FHeight = height;
  image->FFormat = format;
  const int bits = BitsPerPixel(format);
  image->FStride = static_cast<int>((static_cast<int64_t>(width) * bits + 31) / 32 * 4);
  if (IsIndexed(format)) {
    image->FColorTable = palette.empty() ? StandardColorTable(format) : std::move(palette);
    image->FColorTable.resize(std::min<std::size_t>(image->FColorTable.size(), std::size_t{1} << bits));
  }

  TDibHeader info{};
  info.Header.biSize = sizeof(BITMAPINFOHEADER);
  info.Header.biWidth = width;
  info.Header.biHeight = height;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(bits);
  info.Header.biCompression = BI_RGB;
  if (format == pf16bit) {
    info.Header.biCompression = BI_BITFIELDS;
    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    std::memcpy(info.Colors, masks, sizeof masks);
  }
  info.Header.biClrUsed = static_cast<DWORD>(image->FColorTable.size());
  std::copy(image->FColorTable.begin(), image->FColorTable.end(), info.Colors);
  void* bitsPointer = nullptr;
  image->FHandle = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bitsPointer, nullptr, 0);
  if (image->FHandle == nullptr || bitsPointer == nullptr) throw EOutOfResources();
  image->FBits = static_cast<uint8_t*>(bitsPointer);

  // White, the colour of a new bitmap's canvas brush.
  if (height > 0) {
    const uint32_t white = image->RawFor(kWhite);
    for (int x = 0; x < width; ++x) image->SetRawPixel(x, 0, white);
    for (int y = 1; y < height; ++y) std::memcpy(image->Row(y), image->Row(0), image->FStride);
  }
  return image;
}

TBitmapImage::~TBitmapImage() {
  if (FPalette != nullptr) DeleteObject(FPalette);
  if (FHandle != nullptr) DeleteObject(FHandle);
}

int TBitmapImage::BitCount() const { return BitsPerPixel(FFormat); }

HPALETTE TBitmapImage::Palette() {
  if (FPalette != nullptr || FColorTable.empty()) return FPalette;
  std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + FColorTable.size() * sizeof(PALETTEENTRY));
  auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(FColorTable.size());
  for (std::size_t i = 0; i < FColorTable.size(); ++i) {
    const RGBQUAD& quad = FColorTable[i];
    palette->palPalEntry[i] = PALETTEENTRY{quad.rgbRed, quad.rgbGreen, quad.rgbBlue, 0};
  }
  FPalette = CreatePalette(palette);
  return FPalette;
}

uint32_t TBitmapImage::RawPixel(int x, int y) const {
  const uint8_t* row = Row(y);
  switch (BitCount()) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF;
    case 8: return row[x];
    case 16: return row[2 * x] | (row[2 * x + 1] << 8);
    case 24: return row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
    default: {
      uint32_t value = 0;
      std::memcpy(&value, row + 4 * x, 4);
      return value;
    }
  }
}

void TBitmapImage::SetRawPixel(int x, int y, uint32_t value) {
  uint8_t* row = Row(y);
  switch (BitCount()) {
    case 1: {
      const auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
      row[x / 8] = static_cast<uint8_t>(value & 1 ? row[x / 8] | bit : row[x / 8] & ~bit);
      break;
    }
    case 4: {
      const int shift = x % 2 == 0 ? 4 : 0;
      row[x / 2] = static_cast<uint8_t>((row[x / 2] & ~(0xF << shift)) | ((value & 0xF) << shift));
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

COLORREF TBitmapImage::PixelColor(int x, int y) const {
  const uint32_t raw = RawPixel(x, y);
  if (IsIndexed(FFormat)) return QuadColor(FColorTable[raw < FColorTable.size() ? raw : 0]);
  if (FFormat == pf15bit) return RGB(Expand5((raw >> 10) & 0x1F), Expand5((raw >> 5) & 0x1F), Expand5(raw & 0x1F));
  if (FFormat == pf16bit) return RGB(Expand5((raw >> 11) & 0x1F), Expand6((raw >> 5) & 0x3F), Expand5(raw & 0x1F));
  return RGB((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF);
}

uint32_t TBitmapImage::RawFor(COLORREF color) const {
  const uint32_t red = GetRValue(color);
  const uint32_t green = GetGValue(color);
  const uint32_t blue = GetBValue(color);
  switch (FFormat) {
    case pf1bit:
    case pf4bit:
    case pf8bit: {
      uint32_t best = 0;
      int bestDistance = INT32_MAX;
      for (std::size_t i = 0; i < FColorTable.size() && bestDistance > 0; ++i) {
        const int distance = Distance(color, QuadColor(FColorTable[i]));
        if (distance < bestDistance) {
          bestDistance = distance;
          best = static_cast<uint32_t>(i);
        }
      }
      return best;
    }
    case pf15bit: return ((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3);
    case pf16bit: return ((red >> 3) << 11) | ((green >> 2) << 5) | (blue >> 3);
    default: return (red << 16) | (green << 8) | blue;
  }
}

std::shared_ptr<TBitmapImage> TBitmapImage::Clone() const {
  GdiFlush();
  auto copy = Create(FWidth, FHeight, FFormat, FColorTable);
  std::memcpy(copy->FBits, FBits, ImageSize());
  return copy;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Converted(TPixelFormat format) const {
  if (format == FFormat) return Clone();
  GdiFlush();
  std::vector<RGBQUAD> palette;
  if (format == pf8bit && IsIndexed(FFormat)) palette = FColorTable;
  auto copy = Create(FWidth, FHeight, format, std::move(palette));
  const bool sameLayout = BitCount() == 32 && copy->BitCount() == 32;  // pfDevice and pf32bit
  if (sameLayout) {
    std::memcpy(copy->FBits, FBits, ImageSize());
    return copy;
  }
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) {
      const COLORREF color = PixelColor(x, y);
      // Monochrome rule: only the background colour (white) becomes white.
      const uint32_t raw = format == pf1bit ? (color == kWhite ? 1 : 0) : copy->RawFor(color);
      copy->SetRawPixel(x, y, raw);
    }
  }
  return copy;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Resized(int width, int height, COLORREF fill) const {
  GdiFlush();
  auto copy = Create(width, height, FFormat, FColorTable);
  const uint32_t fillRaw = copy->RawFor(fill);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      copy->SetRawPixel(x, y, x < FWidth && y < FHeight ? RawPixel(x, y) : fillRaw);
    }
  }
  return copy;
}

HBITMAP TBitmapImage::CreateMask(COLORREF color) const {
  GdiFlush();
  auto mask = Create(FWidth, FHeight, pf1bit);
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) mask->SetRawPixel(x, y, PixelColor(x, y) == color ? 1 : 0);
  }
  return mask->DetachHandle();
}

HBITMAP TBitmapImage::DetachHandle() {
  HBITMAP handle = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  return handle;
}
