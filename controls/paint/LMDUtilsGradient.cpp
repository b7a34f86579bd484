// The gradient routines of unit LMDUtils: colour tables, palettes and the painting of every
// gradient style.
#include "LMDUtils.h"

#include "LMDApplication.h"
#include "LMDClipRegion.h"

#include <TBitmap.h>

#include <memory>
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

// Paints the shape of colour i of n; larger indices give larger shapes, painted first.
class TGradientShapes {
 public:
  TGradientShapes(TCanvas* canvas, const RECT& seed, int32_t width, int32_t height, int32_t count)
      : FCanvas(canvas), FSeed(seed), FWidth(width), FHeight(height), FCount(count) {}

  void Paint(TLMDGradientStyle style, int32_t i) {
    const RECT& s = FSeed;
    const int32_t dx = MulDiv(i + 1, FWidth, FCount);
    const int32_t dy = MulDiv(i + 1, FHeight, FCount);
    switch (style) {
      case gstHorizontal:
        FCanvas->FillRect(RECT{s.left + MulDiv(i, FWidth, FCount), s.top, s.left + dx, s.bottom});
        break;
      case gstVertical:
        FCanvas->FillRect(RECT{s.left, s.top + MulDiv(i, FHeight, FCount), s.right, s.top + dy});
        break;
      case gstSquare: {
        const int32_t hx = dx / 2;
        const int32_t hy = dy / 2;
        FCanvas->Rectangle(s.left - hx, s.top - hy, s.left + hx + 2, s.top + hy + 2);
        break;
      }
      case gstElliptic: {
        const auto ex = static_cast<int32_t>(Round(dx / 1.4L));
        const auto ey = static_cast<int32_t>(Round(dy / 1.4L));
        FCanvas->Ellipse(s.left - ex, s.top - ey, s.left + ex, s.top + ey);
        break;
      }
      case gstTopLeft: FCanvas->Rectangle(s.left, s.top, s.right + dx, s.bottom + dy); break;
      case gstTopRight: FCanvas->Rectangle(s.left - dx, s.top + dy, s.right, s.bottom); break;
      case gstBottomLeft: FCanvas->Rectangle(s.left + dx, s.top - dy, s.right, s.bottom); break;
      case gstBottomRight: FCanvas->Rectangle(s.left - dx, s.top - dy, s.right, s.bottom); break;
      case gstTopLeftDiagonal:
        FCanvas->Polygon({{s.left, s.top}, {s.left + 2 * dx, s.top}, {s.left, s.bottom + 2 * dy},
                          {s.left - 2 * dx, s.bottom + 2 * dy}});
        break;
      case gstTopRightDiagonal:
        FCanvas->Polygon({{s.right, s.top}, {s.right - 2 * dx, s.top}, {s.right, s.bottom + 2 * dy},
                          {s.right + 2 * dx, s.bottom + 2 * dy}});
        break;
    }
  }

 private:
  TCanvas* FCanvas;
  RECT FSeed;
  int32_t FWidth;
  int32_t FHeight;
  int32_t FCount;
};

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

void PaintShapes(TCanvas* target, const RECT& seed, int32_t width, int32_t height, TLMDGradientStyle style,
                 const TLMDColorList& colors, bool usePalette) {
  target->Brush()->SetStyle(bsSolid);
  target->Pen()->SetStyle(psClear);
  const auto n = static_cast<int32_t>(colors.size());
  TGradientShapes shapes(target, seed, width, height, n);
  auto paint = [&](int32_t i) {
    target->Brush()->SetColor(BrushColor(colors[i], usePalette));
    shapes.Paint(style, i);
  };
  if (style == gstHorizontal) {
    for (int32_t i = 0; i < n; ++i) paint(i);
  } else {
    for (int32_t i = n - 1; i >= 0; --i) paint(i);
  }
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
  RECT seed = SeedRect(style, width, height);

  std::unique_ptr<TBitmap> buffer;
  std::unique_ptr<TLMDClipRegion> clip;
  TCanvas* target = canvas;
  if (buffered) {
    buffer = std::make_unique<TBitmap>();
    buffer->SetSize(width, height);
    target = buffer->Canvas();
  } else {
    OffsetRect(&seed, rect.left, rect.top);
    if ((flags & LMD_GRADIENT_CLIP) != 0) clip = std::make_unique<TLMDClipRegion>(canvas->Handle(), rect, offset);
  }
  if (usePalette) RealizeIn(target->Handle(), palette);
  PaintShapes(target, seed, width, height, style, *colors, usePalette);
  if (usePalette) RealizeIn(canvas->Handle(), palette);
  if (buffered) canvas->Draw(rect.left, rect.top, buffer.get());
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
