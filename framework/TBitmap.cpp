#include "TBitmap.h"

#include "Classes.h"
#include "RTLConsts.h"
#include "SysUtils.h"
#include "TBitmapCanvas.h"
#include "TBmpFile.h"
#include "TMemoryStream.h"

#include <algorithm>
#include <cstdint>

using enum TBitmapHandleType;
using enum TPixelFormat;
using enum TTransparentMode;

TAWO_IMPLEMENT_CLASS(TBitmap)

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FCanvas.reset();
  FreeMask();
}

void TBitmap::Assign(TPersistent* source) {
  if (source == nullptr) {
    ReplaceImage(nullptr, FFormat, 0, 0);
    Changed();
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(source);
  if (bitmap == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (bitmap == this) return;
  ReplaceImage(bitmap->FImage, bitmap->FFormat, bitmap->FWidth, bitmap->FHeight);
  FTransparent = bitmap->FTransparent;
  FTransparentColor = bitmap->FTransparentColor;
  FTransparentMode = bitmap->FTransparentMode;
  Changed();
}

void TBitmap::ReplaceImage(std::shared_ptr<TBitmapImage> image, TPixelFormat format, int32_t width,
                           int32_t height) {
  FreeMask();
  std::shared_ptr<TBitmapImage> old = std::move(FImage);
  FImage = std::move(image);
  FFormat = format;
  FWidth = width;
  FHeight = height;
  if (FCanvas != nullptr) FCanvas->ImageChanged();
}

void TBitmap::Unshare() {
  if (FImage != nullptr && FImage.use_count() > 1) ReplaceImage(FImage->Clone(), FFormat, FWidth, FHeight);
  FreeMask();
}

void TBitmap::SetSize(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == FWidth && height == FHeight) return;
  std::shared_ptr<TBitmapImage> image;
  if (width > 0 && height > 0) {
    const COLORREF fill = FCanvas != nullptr ? static_cast<COLORREF>(ColorToRGB(FCanvas->Brush()->Color())) : kWhite;
    image = FImage != nullptr ? FImage->Resized(width, height, fill) : TBitmapImage::Create(width, height, FFormat);
  }
  ReplaceImage(std::move(image), FFormat, width, height);
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (FCanvas == nullptr) FCanvas = std::make_unique<TBitmapCanvas>(this);
  return FCanvas.get();
}

HBITMAP TBitmap::Handle() {
  Unshare();
  return ImageHandle();
}

HBITMAP TBitmap::ReleaseHandle() {
  if (FImage == nullptr) return nullptr;
  return FImage->Clone()->DetachHandle();
}

HBITMAP TBitmap::MaskHandle() {
  if (FImage == nullptr) return nullptr;
  const auto color = static_cast<COLORREF>(ColorToRGB(TransparentColor())) & 0xFFFFFF;
  if (FMask != nullptr && FMaskColor == color) return FMask;
  FreeMask();
  TBitmapCanvas::WithImage(FImage->Handle(),
                           [&](HDC source) { FMask = FImage->Monochrome(source, color)->DetachHandle(); });
  FMaskColor = color;
  return FMask;
}

void TBitmap::FreeMask() {
  if (FMask == nullptr) return;
  DeleteObject(FMask);
  FMask = nullptr;
}

HPALETTE TBitmap::Palette() { return FImage != nullptr ? FImage->Palette() : nullptr; }

void TBitmap::SetHandleType(TBitmapHandleType type) {
  if (type == HandleType()) return;
  SetPixelFormat(type == bmDDB ? pfDevice : pf32bit);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FFormat) return;
  if (format == pfCustom) throw EInvalidGraphic(SInvalidPixelFormat);
  ReplaceImage(FImage != nullptr ? Converted(*FImage, format) : nullptr, format, FWidth, FHeight);
  Changed();
}

// Monochrome rule: only the background colour (white) becomes white.
std::shared_ptr<TBitmapImage> TBitmap::Converted(const TBitmapImage& image, TPixelFormat format) {
  if (format != pf1bit) return image.Converted(format);
  std::shared_ptr<TBitmapImage> converted;
  TBitmapCanvas::WithImage(image.Handle(), [&](HDC source) { converted = image.Monochrome(source, kWhite); });
  return converted;
}

bool TBitmap::Monochrome() const {
  if (FFormat != pf1bit) return false;
  if (FImage == nullptr) return true;
  const auto& table = FImage->ColorTable();
  auto color = [&](std::size_t i) { return RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue); };
  return table.size() == 2 && color(0) == kBlack && color(1) == kWhite;
}

void TBitmap::SetMonochrome(bool monochrome) {
  if (monochrome == Monochrome()) return;
  if (!monochrome) {
    SetPixelFormat(pfDevice);
  } else if (FFormat == pf1bit) {  // two colours other than black and white
    ReplaceImage(Converted(*FImage->Converted(pf24bit), pf1bit), pf1bit, FWidth, FHeight);
    Changed();
  } else {
    SetPixelFormat(pf1bit);
  }
}

void* TBitmap::ScanLine(int32_t row) {
  if (FImage == nullptr || row < 0 || row >= FHeight) throw EInvalidGraphicOperation(SScanLine);
  if (FFormat == pfDevice) SetPixelFormat(pf32bit);
  Unshare();
  GdiFlush();
  return FImage->Row(row);
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (FImage == nullptr) return clNone;
  if (Monochrome()) return clWhite;
  COLORREF color = 0;
  TBitmapCanvas::WithImage(FImage->Handle(), [&](HDC source) { color = GetPixel(source, 0, FHeight - 1); });
  return static_cast<TColor>(color);
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == FTransparentMode) return;
  FTransparentMode = mode;
  if (mode == tmAuto) FTransparentColor = clDefault;
  Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
  if (stream.Remaining() <= 0) {
    ReplaceImage(nullptr, FFormat, 0, 0);
  } else {
    auto image = TBmpFile::Read(stream);
    const TPixelFormat format = image->Format();
    const int32_t width = image->Width();
    const int32_t height = image->Height();
    ReplaceImage(std::move(image), format, width, height);
  }
  Changed();
}

namespace {

// The offset of the bits behind a packed BITMAPINFO: the header, the masks of an info header
// with bit fields, and the colour table.
uint64_t PackedBitsOffset(const uint8_t* info, std::size_t size) {
  auto field = [&](std::size_t at, std::size_t bytes) -> uint64_t {
    uint64_t value = 0;
    for (std::size_t i = 0; i < bytes && at + i < size; ++i) value |= uint64_t{info[at + i]} << (8 * i);
    return value;
  };
  const uint64_t headerSize = field(0, 4);
  if (headerSize == sizeof(BITMAPCOREHEADER)) {
    const uint64_t bits = field(10, 2);
    return headerSize + (bits <= 8 ? (uint64_t{1} << bits) * sizeof(RGBTRIPLE) : 0);
  }
  const uint64_t bits = field(14, 2);
  const uint64_t compression = field(16, 4);
  const uint64_t used = headerSize >= 36 ? field(32, 4) : 0;
  const uint64_t colors = used != 0 ? used : (bits <= 8 ? uint64_t{1} << bits : 0);
  uint64_t masks = 0;
  if (headerSize == sizeof(BITMAPINFOHEADER) && compression == BI_BITFIELDS) masks = 3 * sizeof(DWORD);
  return headerSize + masks + colors * sizeof(RGBQUAD);
}

}  // namespace

void TBitmap::LoadFromResourceID(HINSTANCE instance, int32_t resourceId) {
  HRSRC resource = FindResourceA(instance, MAKEINTRESOURCEA(resourceId), RT_BITMAP);
  if (resource == nullptr) throw EResNotFound(Format(SResNotFound, {IntToStr(resourceId)}));
  const auto* info = static_cast<const uint8_t*>(LockResource(LoadResource(instance, resource)));
  const std::size_t size = SizeofResource(instance, resource);
  // The file header a BMP file puts in front; an offset past the data makes the reader refuse.
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfSize = static_cast<DWORD>(sizeof header + size);
  header.bfOffBits = static_cast<DWORD>(std::min<uint64_t>(sizeof header + PackedBitsOffset(info, size), UINT32_MAX));
  TMemoryStream file;
  file.WriteBuffer(&header, sizeof header);
  if (size > 0) file.WriteBuffer(info, static_cast<int64_t>(size));
  file.SetPosition(0);
  LoadFromStream(file);
}

void TBitmap::SaveToStream(TStream& stream) {
  if (FImage != nullptr) TBmpFile::Write(stream, *FImage);
}

void TBitmap::ReadData(TStream& stream) {
  uint32_t size = 0;
  stream.ReadBuffer(&size, sizeof size);
  if (size > stream.Remaining()) throw EInvalidGraphic(SInvalidBitmap);
  TMemoryStream image;
  image.CopyFrom(stream, size);
  image.SetPosition(0);
  LoadFromStream(image);
}

void TBitmap::WriteData(TStream& stream) {
  const uint32_t size = FImage != nullptr ? static_cast<uint32_t>(TBmpFile::FileSize(*FImage)) : 0;
  stream.WriteBuffer(&size, sizeof size);
  SaveToStream(stream);
}

void TBitmap::Changed() {
  FreeMask();
  inherited::Changed();
}

// ---------------------------------------------------------------------------------------------
// Drawing.

void TBitmap::Draw(TCanvas* canvas, const RECT& rect) {
  if (FImage == nullptr) return;
  HDC dest = canvas->Handle();
  if (FTransparent) MaskHandle();  // made from the image's own colours, before they are changed below
  TBitmapCanvas::WithImage(FImage->Handle(), [&](HDC source) {
    const int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
    {
      const TMonochromeColors colors(this, source, dest);
      if (FTransparent) {
        DrawTransparent(dest, source, rect);
      } else {
        StretchBlt(dest, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, source, 0, 0,
                   FWidth, FHeight, static_cast<DWORD>(canvas->CopyMode()));
      }
    }
    SetStretchBltMode(dest, oldMode);
  });
}

// dest = source where the mask is 0, dest where it is 1: XOR the source in, AND with the
// mask (which keeps the XORed pixels only where transparent, clearing the rest), XOR the
// source again.
void TBitmap::DrawTransparent(HDC dest, HDC source, const RECT& rect) {
  HDC maskDc = CreateCompatibleDC(dest);
  HGDIOBJ oldMask = SelectObject(maskDc, MaskHandle());
  const int x = rect.left;
  const int y = rect.top;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  StretchBlt(dest, x, y, width, height, source, 0, 0, FWidth, FHeight, SRCINVERT);
  const COLORREF oldBk = SetBkColor(dest, kWhite);
  const COLORREF oldText = SetTextColor(dest, kBlack);
  StretchBlt(dest, x, y, width, height, maskDc, 0, 0, FWidth, FHeight, SRCAND);
  SetBkColor(dest, oldBk);
  SetTextColor(dest, oldText);
  StretchBlt(dest, x, y, width, height, source, 0, 0, FWidth, FHeight, SRCINVERT);
  SelectObject(maskDc, oldMask);
  DeleteDC(maskDc);
}

TBitmap::TMonochromeColors::TMonochromeColors(TBitmap* bitmap, HDC source, HDC dest) {
  if (bitmap == nullptr || !bitmap->Monochrome() || bitmap->Empty()) return;
  const COLORREF text = GetTextColor(dest);
  const COLORREF background = GetBkColor(dest);
  const RGBQUAD colors[2] = {{GetBValue(text), GetGValue(text), GetRValue(text), 0},
                             {GetBValue(background), GetGValue(background), GetRValue(background), 0}};
  if (SetDIBColorTable(source, 0, 2, colors) == 2) FSource = source;
}

TBitmap::TMonochromeColors::~TMonochromeColors() {
  if (FSource == nullptr) return;
  const RGBQUAD blackAndWhite[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
  SetDIBColorTable(FSource, 0, 2, blackAndWhite);
}
