// Bitmaps: device-dependent bitmaps, DIB sections, and transfers between DIB memory and
// bitmaps or DCs.
#include "Blitter.h"
#include "DeviceContext.h"
#include "DibInfo.h"
#include "GdiBitmap.h"
#include "GdiHandleTable.h"
#include "GdiPalette.h"
#include "StockObjects.h"

#include <algorithm>
#include <cstring>

namespace {

GdiHandleTable& Table() { return GdiHandleTable::Instance(); }

GdiBitmap* BitmapFrom(HBITMAP handle) {
  auto* bitmap = Table().Get<GdiBitmap>(handle);
  if (!bitmap) SetLastError(ERROR_INVALID_HANDLE);
  return bitmap;
}

HBITMAP Publish(std::shared_ptr<PixelSurface> surface, bool dibSection) {
  return static_cast<HBITMAP>(Table().Add(std::make_unique<GdiBitmap>(std::move(surface), dibSection)));
}

// The colours a DIB of this depth gets when the bitmap has no table of its own: black and
// white, the 16 VGA colours, or the 20 default colours around a 6x6x6 colour cube.
std::vector<RGBQUAD> DefaultColorTable(int bitsPerPixel) {
  static constexpr BYTE kVga[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},   {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
                                       {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  std::vector<RGBQUAD> table;
  if (bitsPerPixel == 1) return {{0, 0, 0, 0}, {255, 255, 255, 0}};
  if (bitsPerPixel == 4) {
    for (const auto& c : kVga) table.push_back({c[2], c[1], c[0], 0});
    return table;
  }
  std::vector<PALETTEENTRY> defaults(20);
  GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, 20, defaults.data());
  table.resize(256);
  for (int i = 0; i < 10; ++i) {
    table[i] = {defaults[i].peBlue, defaults[i].peGreen, defaults[i].peRed, 0};
    table[246 + i] = {defaults[10 + i].peBlue, defaults[10 + i].peGreen, defaults[10 + i].peRed, 0};
  }
  for (int i = 0; i < 216; ++i) {
    table[10 + i] = {static_cast<BYTE>((i % 6) * 51), static_cast<BYTE>((i / 6 % 6) * 51), static_cast<BYTE>(i / 36 * 51), 0};
  }
  return table;
}

std::shared_ptr<PixelSurface> NewDdb(int width, int height, int bitsPerPixel) {
  PixelSurface::Format format;
  format.bitsPerPixel = bitsPerPixel;
  format.alignment = PixelSurface::RowAlignment::Word;
  if (bitsPerPixel == 4 || bitsPerPixel == 8) format.colorTable = DefaultColorTable(bitsPerPixel);
  return PixelSurface::Create(width, height, format);
}

std::vector<PALETTEENTRY> SelectedPalette(HDC hdc) {
  DeviceContext* dc = hdc ? Table().Get<DeviceContext>(hdc) : nullptr;
  const auto* palette = dc ? Table().Get<GdiPalette>(dc->State().palette) : nullptr;
  return palette ? palette->Entries() : std::vector<PALETTEENTRY>{};
}

// Copies rows between surfaces of possibly different formats, by colour. An indexed source
// is converted through a table made once per index; a source's alpha goes into the unused top
// byte of a 32-bit target.
class RowConverter {
 public:
  RowConverter(const PixelSurface& from, PixelSurface& to)
      : from_(from), to_(to), raw_(from.SameFormatAs(to)) {
    carryAlpha_ = from.GetFormat().alphaMask != 0 && to.BitsPerPixel() == 32 && (to.ColorMask() & 0xFF000000) == 0;
    if (!raw_ && from.IsIndexed()) {
      for (uint32_t index = 0; index <= from.PixelMask(); ++index) byIndex_.push_back(Convert(index));
    }
  }

  void Copy(int fromY, int toY, int width) {
    row_.resize(width);
    from_.ReadRow(fromY, 0, width, row_.data());
    if (!raw_) {
      for (uint32_t& p : row_) p = byIndex_.empty() ? Convert(p) : byIndex_[p];
    }
    to_.WriteRow(toY, 0, width, row_.data());
  }

 private:
  uint32_t Convert(uint32_t pixel) const {
    const uint32_t converted = to_.PixelFromColor(from_.ColorFromPixel(pixel));
    return carryAlpha_ ? converted | (uint32_t{from_.AlphaFromPixel(pixel)} << 24) : converted;
  }

  const PixelSurface& from_;
  PixelSurface& to_;
  bool raw_;
  bool carryAlpha_ = false;
  std::vector<uint32_t> byIndex_;
  std::vector<uint32_t> row_;
};

// A DIB description for GetDIBits output with the given header fields.
PixelSurface::Format OutputFormat(const BITMAPINFOHEADER& header, const PixelSurface& bitmap,
                                  const DWORD* bitFields) {
  PixelSurface::Format format;
  format.bitsPerPixel = header.biBitCount;
  format.bottomUp = header.biHeight > 0;
  if (header.biBitCount <= 8) {
    const auto& own = bitmap.GetFormat().colorTable;
    if (bitmap.BitsPerPixel() == header.biBitCount && !own.empty()) {
      format.colorTable = own;
    } else {
      format.colorTable = DefaultColorTable(header.biBitCount);
    }
  }
  if (header.biCompression == BI_BITFIELDS && bitFields) {
    format.redMask = bitFields[0];
    format.greenMask = bitFields[1];
    format.blueMask = bitFields[2];
  }
  return format;
}

}  // namespace

extern "C" {

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
  if (nWidth < 0 || nHeight < 0 || nPlanes > 32 || nBitCount > 32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (nWidth == 0 || nHeight == 0) return StockBitmap();
  const UINT depth = nPlanes * nBitCount;
  const int bitsPerPixel = depth == 1 ? 1 : depth <= 4 ? 4 : depth <= 8 ? 8 : depth <= 16 ? 16 : depth <= 24 ? 24 : 32;
  auto surface = NewDdb(nWidth, nHeight, bitsPerPixel);
  if (!surface) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (lpBits) std::memcpy(surface->Bits(), lpBits, surface->SizeInBytes());
  return Publish(std::move(surface), false);
}

HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* pbm) {
  if (!pbm) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateBitmap(pbm->bmWidth, pbm->bmHeight, pbm->bmPlanes, pbm->bmBitsPixel, pbm->bmBits);
}

// Takes the format of the bitmap selected in a memory DC (monochrome on a fresh one) or the
// display's format for other DCs.
HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return nullptr;
  if (cx < 0 || cy < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (cx == 0 || cy == 0) return StockBitmap();
  std::shared_ptr<PixelSurface> surface;
  bool dibSection = false;
  if (dc->GetKind() == DeviceContext::Kind::Memory) {
    const GdiBitmap* selected = Table().Get<GdiBitmap>(dc->Bitmap());
    const PixelSurface& model = *selected->Surface();
    dibSection = selected->IsDibSection();
    if (dibSection) {
      PixelSurface::Format format = model.GetFormat();
      surface = PixelSurface::Create(cx, cy, format);
    } else {
      surface = NewDdb(cx, cy, model.BitsPerPixel());
    }
  } else {
    surface = NewDdb(cx, cy, 32);
  }
  if (!surface) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return Publish(std::move(surface), dibSection);
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection, DWORD) {
  if (ppvBits) *ppvBits = nullptr;
  if (hSection) {
    SetLastError(ERROR_INVALID_PARAMETER);  // file-mapping sections are not supported
    return nullptr;
  }
  const std::optional<DibInfo> dib = DibInfo::Parse(pbmi, SIZE_MAX, usage, SelectedPalette(hdc));
  if (!dib || (dib->Compression() != BI_RGB && dib->Compression() != BI_BITFIELDS)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  PixelSurface::Format format = dib->SurfaceFormat();
  format.alignment = PixelSurface::RowAlignment::DoubleWord;
  auto surface = PixelSurface::Create(dib->Width(), dib->Height(), format);
  if (!surface) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  if (ppvBits) *ppvBits = surface->Bits();
  return Publish(std::move(surface), true);
}

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                              const BITMAPINFO* pbmi, UINT iUsage) {
  if (!pbmih || pbmih->biSize < sizeof(BITMAPCOREHEADER)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  int width;
  int height;
  int bitCount;
  if (pbmih->biSize == sizeof(BITMAPCOREHEADER)) {
    const auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(pbmih);
    width = core->bcWidth;
    height = core->bcHeight;
    bitCount = core->bcBitCount;
  } else {
    width = pbmih->biWidth;
    height = pbmih->biHeight == INT32_MIN ? 0 : std::abs(pbmih->biHeight);
    bitCount = pbmih->biBitCount;
  }
  if (width <= 0 || height <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // Compatible with the DC: colour for a screen or colour DC, monochrome for a fresh memory DC
  // or a 1-bit request.
  HBITMAP bitmap = bitCount == 1 ? CreateBitmap(width, height, 1, 1, nullptr)
                                 : (hdc ? CreateCompatibleBitmap(hdc, width, height) : CreateBitmap(width, height, 1, 32, nullptr));
  if (!bitmap) return nullptr;
  if ((flInit & CBM_INIT) && pjBits && pbmi && !SetDIBits(hdc, bitmap, 0, height, pjBits, pbmi, iUsage)) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

int WINAPI SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, const void* lpBits, const BITMAPINFO* lpbmi,
                     UINT ColorUse) {
  GdiBitmap* bitmap = BitmapFrom(hbm);
  if (!bitmap || !lpBits) return 0;
  const std::optional<DibInfo> dib = DibInfo::Parse(lpbmi, SIZE_MAX, ColorUse, SelectedPalette(hdc));
  if (!dib || start >= static_cast<UINT>(dib->Height())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const bool rle = dib->IsCompressed();
  const int lines = rle ? dib->Height() : static_cast<int>(std::min<UINT>(cLines, dib->Height() - start));
  const size_t available = rle ? dib->DataSize() : static_cast<size_t>(dib->Stride()) * lines;
  auto decoded = dib->Decode(lpBits, available, lines);
  if (!decoded) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  PixelSurface& target = *bitmap->Surface();
  const int width = std::min(target.Width(), dib->Width());
  const int firstScan = rle ? 0 : static_cast<int>(start);
  RowConverter converter(*decoded, target);
  for (int row = 0; row < decoded->Height(); ++row) {
    // Scan lines count from the bottom of a bottom-up DIB.
    const int scan = dib->BottomUp() ? firstScan + (decoded->Height() - 1 - row) : firstScan + row;
    const int y = dib->BottomUp() ? dib->Height() - 1 - scan : scan;
    if (y < 0 || y >= target.Height()) continue;
    converter.Copy(row, y, width);
  }
  return decoded->Height();
}

int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi, UINT usage) {
  GdiBitmap* bitmap = BitmapFrom(hbm);
  if (!bitmap || !DeviceContext::FromHandle(hdc) || !lpbmi || lpbmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) ||
      usage != DIB_RGB_COLORS) {
    if (bitmap) SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const PixelSurface& surface = *bitmap->Surface();
  BITMAPINFOHEADER& header = lpbmi->bmiHeader;
  if (header.biBitCount == 0) {  // the caller asks for the bitmap's own description
    header.biWidth = surface.Width();
    header.biHeight = surface.Height();
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(surface.BitsPerPixel());
    header.biCompression = surface.BitsPerPixel() == 16 ? BI_BITFIELDS : BI_RGB;
    header.biSizeImage = static_cast<DWORD>(PixelSurface::StrideFor(surface.Width(), surface.BitsPerPixel(),
                                                                     PixelSurface::RowAlignment::DoubleWord)) *
                         surface.Height();
    header.biClrUsed = 0;
    return 1;
  }
  const WORD depth = header.biBitCount;
  if ((depth != 1 && depth != 4 && depth != 8 && depth != 16 && depth != 24 && depth != 32) ||
      (header.biCompression != BI_RGB && header.biCompression != BI_BITFIELDS) || header.biWidth <= 0 ||
      header.biHeight == 0 || header.biHeight == INT32_MIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto* masks = reinterpret_cast<DWORD*>(lpbmi->bmiColors);
  if (header.biCompression == BI_BITFIELDS && depth != 16 && depth != 32) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const PixelSurface::Format format = OutputFormat(header, surface, header.biCompression == BI_BITFIELDS ? masks : nullptr);
  const int height = std::abs(header.biHeight);
  const int stride = PixelSurface::StrideFor(header.biWidth, depth, PixelSurface::RowAlignment::DoubleWord);
  header.biSizeImage = static_cast<DWORD>(stride) * height;
  if (depth <= 8) {
    std::copy(format.colorTable.begin(), format.colorTable.end(), lpbmi->bmiColors);
    header.biClrUsed = 0;
  }
  if (!lpvBits) return 1;
  if (start >= static_cast<UINT>(height)) return 0;
  const int lines = static_cast<int>(std::min<UINT>(cLines, height - start));
  auto staging = PixelSurface::Create(header.biWidth, 1, format);
  if (!staging) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  const int width = std::min(header.biWidth, surface.Width());
  RowConverter converter(surface, *staging);
  auto* out = static_cast<uint8_t*>(lpvBits);
  for (int i = 0; i < lines; ++i) {
    const int scan = static_cast<int>(start) + i;
    const int y = header.biHeight > 0 ? height - 1 - scan : scan;
    std::memset(staging->Row(0), 0, stride);
    if (y >= 0 && y < surface.Height()) converter.Copy(y, 0, width);
    std::memcpy(out + static_cast<size_t>(i) * stride, staging->Row(0), stride);
  }
  return lines;
}

int WINAPI StretchDIBits(HDC hdc, int xDest, int yDest, int DestWidth, int DestHeight, int xSrc, int ySrc,
                         int SrcWidth, int SrcHeight, const void* lpBits, const BITMAPINFO* lpbmi, UINT iUsage,
                         DWORD rop) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lpBits) return 0;
  const std::optional<DibInfo> dib = DibInfo::Parse(lpbmi, SIZE_MAX, iUsage, SelectedPalette(hdc));
  if (!dib) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  auto decoded = dib->Decode(lpBits, dib->DataSize());
  if (!decoded) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HDC memory = CreateCompatibleDC(hdc);
  HBITMAP holder = Publish(decoded, false);
  HGDIOBJ previous = SelectObject(memory, holder);
  // The source rectangle of a bottom-up DIB is measured from its bottom-left corner.
  const int sourceTop = dib->BottomUp() ? dib->Height() - ySrc - SrcHeight : ySrc;
  const BOOL ok = StretchBlt(hdc, xDest, yDest, DestWidth, DestHeight, memory, xSrc, sourceTop, SrcWidth, SrcHeight, rop);
  SelectObject(memory, previous);
  DeleteObject(holder);
  DeleteDC(memory);
  return ok ? dib->Height() : 0;
}

int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan,
                             UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lpvBits || w > INT32_MAX || h > INT32_MAX) return 0;
  const std::optional<DibInfo> dib = DibInfo::Parse(lpbmi, SIZE_MAX, ColorUse, SelectedPalette(hdc));
  if (!dib || dib->IsCompressed() || StartScan >= static_cast<UINT>(dib->Height())) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int lines = static_cast<int>(std::min<UINT>(cLines, dib->Height() - StartScan));
  auto band = dib->Decode(lpvBits, static_cast<size_t>(dib->Stride()) * lines, lines);
  if (!band) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  HDC memory = CreateCompatibleDC(hdc);
  HBITMAP holder = Publish(band, false);
  HGDIOBJ previous = SelectObject(memory, holder);
  // Source rows are scan lines: from the bottom for a bottom-up DIB. The band holds scans
  // StartScan .. StartScan + lines - 1.
  const int height = static_cast<int>(h);
  const int width = static_cast<int>(w);
  if (dib->BottomUp()) {
    const int bandTopScan = static_cast<int>(StartScan) + lines - 1;
    const int sourceTopScan = ySrc + height - 1;
    BitBlt(hdc, xDest, yDest, width, height, memory, xSrc, bandTopScan - sourceTopScan, SRCCOPY);
  } else {
    BitBlt(hdc, xDest, yDest, width, height, memory, xSrc, ySrc - static_cast<int>(StartScan), SRCCOPY);
  }
  SelectObject(memory, previous);
  DeleteObject(holder);
  DeleteDC(memory);
  return lines;
}

LONG WINAPI GetBitmapBits(HBITMAP hbit, LONG cb, LPVOID lpvBits) {
  GdiBitmap* bitmap = BitmapFrom(hbit);
  if (!bitmap || cb < 0) return 0;
  PixelSurface& surface = *bitmap->Surface();
  const int stride = PixelSurface::StrideFor(surface.Width(), surface.BitsPerPixel(), PixelSurface::RowAlignment::Word);
  const LONG total = stride * surface.Height();
  if (!lpvBits) return total;
  const LONG count = std::min(cb, total);
  auto* out = static_cast<uint8_t*>(lpvBits);
  for (LONG done = 0, y = 0; done < count; ++y, done += stride) {
    std::memcpy(out + done, surface.Row(y), std::min<LONG>(stride, count - done));
  }
  return count;
}

LONG WINAPI SetBitmapBits(HBITMAP hbm, DWORD cb, const void* pvBits) {
  GdiBitmap* bitmap = BitmapFrom(hbm);
  if (!bitmap || !pvBits || bitmap->IsStock()) return 0;
  PixelSurface& surface = *bitmap->Surface();
  const int stride = PixelSurface::StrideFor(surface.Width(), surface.BitsPerPixel(), PixelSurface::RowAlignment::Word);
  const LONG total = stride * surface.Height();
  const LONG count = std::min<LONG>(static_cast<LONG>(std::min<DWORD>(cb, INT32_MAX)), total);
  const auto* in = static_cast<const uint8_t*>(pvBits);
  for (LONG done = 0, y = 0; done < count; ++y, done += stride) {
    std::memcpy(surface.Row(y), in + done, std::min<LONG>(stride, count - done));
  }
  return count;
}

UINT WINAPI GetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, RGBQUAD* prgbq) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !prgbq) return 0;
  const auto* bitmap = Table().Get<GdiBitmap>(dc->Bitmap());
  if (!bitmap || !bitmap->IsDibSection()) return 0;
  const auto& table = bitmap->Surface()->GetFormat().colorTable;
  if (iStart >= table.size()) return 0;
  const UINT count = std::min<UINT>(cEntries, static_cast<UINT>(table.size()) - iStart);
  std::copy_n(table.begin() + iStart, count, prgbq);
  return count;
}

UINT WINAPI SetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, const RGBQUAD* prgbq) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !prgbq) return 0;
  auto* bitmap = Table().Get<GdiBitmap>(dc->Bitmap());
  if (!bitmap || !bitmap->IsDibSection() || !bitmap->Surface()->IsIndexed()) return 0;
  PixelSurface& surface = *bitmap->Surface();
  const UINT capacity = 1u << surface.BitsPerPixel();
  if (iStart >= capacity) return 0;
  const UINT count = std::min(cEntries, capacity - iStart);
  surface.SetColorTable(iStart, prgbq, count);
  return count;
}

}  // extern "C"
