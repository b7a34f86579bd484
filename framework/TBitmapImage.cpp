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

// A memory DC with a bitmap selected, for as long as it lives.
class TSelection {
 public:
  explicit TSelection(HBITMAP bitmap) : FDC(CreateCompatibleDC(nullptr)), FOld(SelectObject(FDC, bitmap)) {}
  ~TSelection() {
    SelectObject(FDC, FOld);
    DeleteDC(FDC);
  }
  TSelection(const TSelection&) = delete;
  TSelection& operator=(const TSelection&) = delete;
  HDC DC() const { return FDC; }

 private:
  HDC FDC;
  HGDIOBJ FOld;
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

std::shared_ptr<TBitmapImage> TBitmapImage::Allocate(int width, int height, TPixelFormat format,
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

  TDibInfo& info = image->FInfo;
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
  image->FHandle = CreateDIBSection(nullptr, image->Info(), DIB_RGB_COLORS, &bitsPointer, nullptr, 0);
  if (image->FHandle == nullptr || bitsPointer == nullptr) throw EOutOfResources();
  image->FBits = static_cast<uint8_t*>(bitsPointer);
  return image;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Create(int width, int height, TPixelFormat format,
                                                   std::vector<RGBQUAD> palette) {
  auto image = Allocate(width, height, format, std::move(palette));
  image->Fill(kWhite);  // the colour of a new bitmap's canvas brush
  return image;
}

TBitmapImage::~TBitmapImage() {
  if (FPalette != nullptr) DeleteObject(FPalette);
  if (FHandle != nullptr) DeleteObject(FHandle);
}

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

void TBitmapImage::Fill(COLORREF color) {
  const TSelection selection(FHandle);
  HBRUSH brush = CreateSolidBrush(color);
  const RECT area{0, 0, FWidth, FHeight};
  FillRect(selection.DC(), &area, brush);
  DeleteObject(brush);
}

void TBitmapImage::CopyFrom(const TBitmapImage& source) {
  GdiFlush();
  SetDIBits(nullptr, FHandle, 0, static_cast<UINT>(source.FHeight), source.FBits, source.Info(), DIB_RGB_COLORS);
}

std::shared_ptr<TBitmapImage> TBitmapImage::Clone() const {
  GdiFlush();
  auto copy = Allocate(FWidth, FHeight, FFormat, FColorTable);
  std::memcpy(copy->FBits, FBits, ImageSize());
  return copy;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Converted(TPixelFormat format) const {
  if (format == FFormat) return Clone();
  std::vector<RGBQUAD> palette;
  if (format == pf8bit && IsIndexed(FFormat)) palette = FColorTable;
  auto copy = Allocate(FWidth, FHeight, format, std::move(palette));
  copy->CopyFrom(*this);
  return copy;
}

std::shared_ptr<TBitmapImage> TBitmapImage::Resized(int width, int height, COLORREF fill) const {
  auto copy = Allocate(width, height, FFormat, FColorTable);
  copy->Fill(fill);
  copy->CopyFrom(*this);
  return copy;
}

// The source's background colour picks the pixels that become 1 in a monochrome device
// bitmap; drawn onto the black and white DIB, 0 takes its text colour (black) and 1 its
// background colour (white).
std::shared_ptr<TBitmapImage> TBitmapImage::Monochrome(HDC source, COLORREF color) const {
  auto image = Allocate(FWidth, FHeight, pf1bit, {});
  HBITMAP device = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
  if (device == nullptr) throw EOutOfResources();
  {
    const TSelection mask(device);
    const COLORREF oldBackground = SetBkColor(source, color);
    BitBlt(mask.DC(), 0, 0, FWidth, FHeight, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBackground);
    const TSelection target(image->FHandle);
    BitBlt(target.DC(), 0, 0, FWidth, FHeight, mask.DC(), 0, 0, SRCCOPY);
  }
  DeleteObject(device);
  return image;
}

HBITMAP TBitmapImage::DetachHandle() {
  HBITMAP handle = FHandle;
  FHandle = nullptr;
  FBits = nullptr;
  return handle;
}
