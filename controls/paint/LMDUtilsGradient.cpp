// The gradient routines of unit LMDUtils: colour tables, palettes and the painting of every
// gradient style.
#include "LMDUtils.h"

#include "LMDApplication.h"
#include "LMDClipRegion.h"
#include "LMDGradientRuns.h"

#include <TBitmap.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

using enum TBrushStyle;
using enum TLMDApplicationOption;
using enum TLMDGradientStyle;
using enum TPenStyle;

namespace {

int32_t Channel(TColor color, int shift) { return (static_cast<uint32_t>(color) >> shift) & 0xFF; }

TColor MakeRGB(int32_t red, int32_t green, int32_t blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// s + MulDiv(i, e − s, n − 1), kept to 8 bits; a single step is the start value itself.
int32_t InterpolateChannel(int32_t start, int32_t end, int32_t index, int32_t count) {
  if (count == 1) return start;
  return start + MulDiv(index, end - start, count - 1);
}

// The rectangle the shapes grow from, relative to the painted rectangle's top-left corner.
RECT SeedRect(TLMDGradientStyle style, int32_t width, int32_t height) {
  switch (style) {
    case gstSquare:
    case gstElliptic: return RECT{width / 2, height / 2, width / 2, height / 2};
    case gstTopLeft:
    case gstTopLeftDiagonal: return RECT{0, 0, 1, 1};
    case gstTopRight: return RECT{width, 1, width + 1, 0};
    case gstBottomLeft: return RECT{1, height, 0, height + 1};
    case gstBottomRight: return RECT{width, height, width + 1, height + 1};
    case gstTopRightDiagonal: return RECT{width, 0, width + 1, 0};
    default: return RECT{0, 0, width, height};
  }
}

// With automatic palette realisation, a display of at most 8 bits per pixel gets plain colours.
bool PaletteSwitchedOff() {
  if (LMDApplication == nullptr || !LMDApplication->Options().Contains(aoAutoRealizePalette)) return false;
  HDC screen = GetDC(nullptr);
  const int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return depth < 9;
}

void RealizeIn(HDC dc, HPALETTE palette) {
  SelectPalette(dc, palette, FALSE);
  RealizePalette(dc);
}

TColor BrushColor(TColor color, bool usePalette) {
  return usePalette ? static_cast<TColor>(0x02000000 | (static_cast<uint32_t>(color) & 0xFFFFFF)) : color;
}

// The bands of a vertical gradient are whole rows: each is filled once, in its colour.
void PaintRows(TCanvas* target, const RECT& seed, int32_t height, const TLMDColorList& colors, bool usePalette) {
  const auto n = static_cast<int32_t>(colors.size());
  target->Brush()->SetStyle(bsSolid);
  target->Pen()->SetStyle(psClear);
  for (int32_t i = 0; i < n; ++i) {
    target->Brush()->SetColor(BrushColor(colors[static_cast<std::size_t>(i)], usePalette));
    target->FillRect(RECT{seed.left, seed.top + MulDiv(i, height, n), seed.right, seed.top + MulDiv(i + 1, height, n)});
  }
}

// The 32-bit pixel of each colour of the table.
std::vector<uint32_t> PixelsOf(const TLMDColorList& colors) {
  std::vector<uint32_t> pixels(colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    const TColor color = ColorToRGB(colors[i]);
    pixels[i] = static_cast<uint32_t>((Channel(color, 0) << 16) | (Channel(color, 8) << 8) | Channel(color, 16));
  }
  return pixels;
}

// Where drawing on the DC goes straight into 32-bit pixels: a memory DC holding a 32-bit DIB
// section, logical units that are pixels, and at most one rectangle of clipping.
struct TDirectPixels {
  uint32_t* Row0;  // the pixel at device (0, 0)
  std::ptrdiff_t Stride;
  SIZE Size;
};

bool IsOneRectangleClip(HDC dc) {
  HRGN clip = CreateRectRgn(0, 0, 0, 0);
  if (clip == nullptr) return false;
  RECT box;
  const int kind = GetClipRgn(dc, clip);
  const bool simple = kind == 0 || (kind == 1 && GetRgnBox(clip, &box) != COMPLEXREGION);
  DeleteObject(clip);
  return simple;
}

std::optional<TDirectPixels> DirectPixelsOf(HDC dc) {
  if (GetObjectType(dc) != OBJ_MEMDC || GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE) {
    return std::nullopt;
  }
  DIBSECTION section{};
  if (GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof(section), &section) != sizeof(section)) return std::nullopt;
  const BITMAP& bitmap = section.dsBm;
  const bool standardMasks = section.dsBmih.biCompression == BI_RGB ||
                             (section.dsBmih.biCompression == BI_BITFIELDS && section.dsBitfields[0] == 0xFF0000 &&
                              section.dsBitfields[1] == 0xFF00 && section.dsBitfields[2] == 0xFF);
  if (bitmap.bmBits == nullptr || bitmap.bmBitsPixel != 32 || !standardMasks || !IsOneRectangleClip(dc)) {
    return std::nullopt;
  }
  auto* bits = static_cast<uint32_t*>(bitmap.bmBits);
  const std::ptrdiff_t stride = bitmap.bmWidthBytes / 4;
  const bool bottomUp = section.dsBmih.biHeight > 0;
  return TDirectPixels{bottomUp ? bits + (bitmap.bmHeight - 1) * stride : bits, bottomUp ? -stride : stride,
                       SIZE{bitmap.bmWidth, bitmap.bmHeight}};
}

// Writes the runs straight into the DC's pixels when it has them; otherwise into a 32-bit copy
// of the bounds, which goes back in one blit (the canvas is read first only where the shapes
// leave gaps). The copy is a DIB section of our own: a TBitmap would clear its pixels first,
// a pass over the area that costs as much as a fill of it.
void PaintRuns(TCanvas* canvas, TLMDGradientRuns& runs, POINT origin, const TLMDColorList& colors) {
  RECT area = runs.Bounds();
  if (IsRectEmpty(&area)) return;
  OffsetRect(&area, origin.x, origin.y);
  HDC dc = canvas->Handle();
  const std::vector<uint32_t> pixels = PixelsOf(colors);
  if (const std::optional<TDirectPixels> direct = DirectPixelsOf(dc)) {
    POINT corner{area.left, area.top};
    LPtoDP(dc, &corner, 1);
    const RECT device{corner.x, corner.y, corner.x + (area.right - area.left), corner.y + (area.bottom - area.top)};
    if (device.left >= 0 && device.top >= 0 && device.right <= direct->Size.cx && device.bottom <= direct->Size.cy) {
      GdiFlush();
      runs.Write(direct->Row0 + device.top * direct->Stride + device.left, direct->Stride, pixels);
      return;
    }
  }
  const int32_t width = area.right - area.left;
  const int32_t height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP copy = memory != nullptr ? CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (copy == nullptr) {
    if (memory != nullptr) DeleteDC(memory);
    throw EOutOfResources();
  }
  HGDIOBJ old = SelectObject(memory, copy);
  if (!runs.CoversBounds()) BitBlt(memory, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
  GdiFlush();
  runs.Write(static_cast<uint32_t*>(bits), width, pixels);
  BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(copy);
  DeleteDC(memory);
}

struct TPaletteDeleter {
  void operator()(HPALETTE palette) const { DeleteObject(palette); }
};
using TPaletteHandle = std::unique_ptr<std::remove_pointer_t<HPALETTE>, TPaletteDeleter>;

}  // namespace

TColor LMDGradientGetColor(TColor startColor, TColor endColor, int32_t index, int32_t count) {
  if (count == 0) throw EZeroDivide();
  auto channel = [&](int shift) {
    const int32_t s = Channel(startColor, shift);
    const int32_t e = Channel(endColor, shift);
    return static_cast<int32_t>(Trunc(s + static_cast<long double>((e - s) * index) / count));
  };
  return MakeRGB(channel(0), channel(8), channel(16));
}

void LMDGradientCreateColorList(TColor startColor, TColor endColor, uint8_t count, TLMDColorList* list,
                                bool clearFirst) {
  if (list == nullptr || count == 0) return;
  if (clearFirst) list->clear();
  const TColor start = ColorToRGB(startColor);
  const TColor end = ColorToRGB(endColor);
  for (int32_t i = clearFirst ? 0 : 1; i < count; ++i) {
    auto channel = [&](int shift) { return InterpolateChannel(Channel(start, shift), Channel(end, shift), i, count); };
    list->push_back(MakeRGB(channel(0), channel(8), channel(16)));
  }
}

HPALETTE LMDGradientCreatePalette(const TLMDColorList* list) {
  if (list == nullptr || list->empty()) return nullptr;
  std::vector<uint8_t> storage(sizeof(LOGPALETTE) + list->size() * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(storage.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = static_cast<WORD>(list->size());
  for (std::size_t i = 0; i < list->size(); ++i) {
    const TColor color = (*list)[i];
    logical->palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(Channel(color, 0)), static_cast<BYTE>(Channel(color, 8)),
                                           static_cast<BYTE>(Channel(color, 16)), PC_NOCOLLAPSE};
  }
  return CreatePalette(logical);
}

void LMDGradientPaintExt(TCanvas* canvas, const RECT& rect, TLMDGradientStyle style, const TLMDColorList* colors,
                         HPALETTE palette, uint16_t flags, int32_t offset) {
  if (colors == nullptr || colors->empty() || IsRectEmpty(&rect)) return;
  const bool usePalette = (flags & LMD_GRADIENT_PALETTE) != 0 && !PaletteSwitchedOff();
  const bool buffered = (flags & LMD_GRADIENT_BUFFER) != 0;
  const int32_t width = rect.right - rect.left;
  const int32_t height = rect.bottom - rect.top;
  const RECT seed = SeedRect(style, width, height);

  const auto count = static_cast<int32_t>(colors->size());
  const bool rows = style == gstVertical;
  if (buffered) {
    TBitmap buffer;
    if (!rows) buffer.SetPixelFormat(TPixelFormat::pf32bit);
    buffer.SetSize(width, height);
    if (usePalette) RealizeIn(buffer.Canvas()->Handle(), palette);
    if (rows) {
      PaintRows(buffer.Canvas(), seed, height, *colors, usePalette);
    } else {
      TLMDGradientRuns runs(style, seed, width, height, count, RECT{0, 0, width, height});
      PaintRuns(buffer.Canvas(), runs, POINT{0, 0}, *colors);
    }
    if (usePalette) RealizeIn(canvas->Handle(), palette);
    canvas->Draw(rect.left, rect.top, &buffer);
    return;
  }
  std::unique_ptr<TLMDClipRegion> clip;
  if ((flags & LMD_GRADIENT_CLIP) != 0) clip = std::make_unique<TLMDClipRegion>(canvas->Handle(), rect, offset);
  if (usePalette) RealizeIn(canvas->Handle(), palette);
  RECT visible;
  if (rows) {
    RECT placed = seed;
    OffsetRect(&placed, rect.left, rect.top);
    PaintRows(canvas, placed, height, *colors, usePalette);
  } else if (GetClipBox(canvas->Handle(), &visible) != ERROR) {
    OffsetRect(&visible, -rect.left, -rect.top);
    TLMDGradientRuns runs(style, seed, width, height, count, visible);
    PaintRuns(canvas, runs, POINT{rect.left, rect.top}, *colors);
  }
  // The canvas is left as painting the shapes one by one leaves it.
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(BrushColor((*colors)[style == gstHorizontal ? colors->size() - 1 : 0], usePalette));
  canvas->Pen()->SetStyle(psClear);
  if (usePalette) RealizeIn(canvas->Handle(), palette);
}

void LMDGradientPaint(TCanvas* canvas, const RECT& rect, TColor startColor, TColor endColor, uint8_t count,
                      TLMDGradientStyle style, uint16_t flags, int32_t offset) {
  TLMDColorList colors;
  LMDGradientCreateColorList(startColor, endColor, count, &colors, true);
  const TPaletteHandle palette((flags & LMD_GRADIENT_PALETTE) != 0 ? LMDGradientCreatePalette(&colors) : nullptr);
  LMDGradientPaintExt(canvas, rect, style, &colors, palette.get(), flags, offset);
}

void LMDSuperGradientPaint(TCanvas* canvas, const RECT& rect, const TLMDColorList& colors, uint8_t count,
                           TLMDGradientStyle style, uint16_t flags, int32_t offset) {
  if (colors.size() < 2) return;
  const auto segments = static_cast<int32_t>(colors.size() - 1);
  const auto perSegment = static_cast<uint8_t>(count / segments);
  TLMDColorList table;
  for (int32_t j = 0; j < segments; ++j) LMDGradientCreateColorList(colors[j], colors[j + 1], perSegment, &table, false);
  LMDGradientPaintExt(canvas, rect, style, &table, nullptr, flags, offset);
}
