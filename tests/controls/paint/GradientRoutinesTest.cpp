#include <gtest/gtest.h>

#include <LMDUtils.h>

#include "PaintTestSupport.h"

#include <winport.h>

#include <array>
#include <set>
#include <vector>

using enum TLMDGradientStyle;

namespace {

constexpr TColor kBack = 0xFF00FF;

std::vector<int> GreenChannels(const TLMDColorList& colors) {
  std::vector<int> greens;
  for (TColor color : colors) {
    EXPECT_EQ(color & 0xFF00FF, 0) << "red and blue stay 0";
    greens.push_back((color >> 8) & 0xFF);
  }
  return greens;
}

// Distinct colours whose index can be read back from a pixel.
TLMDColorList IndexColors(int count) {
  TLMDColorList colors;
  for (int i = 0; i < count; ++i) colors.push_back(0x100000 + i);
  return colors;
}

std::vector<int> RowIndices(TBitmap& bitmap, int x) {
  std::vector<int> rows;
  for (int y = 0; y < bitmap.Height(); ++y) rows.push_back(bitmap.Canvas()->Pixel(x, y) - 0x100000);
  return rows;
}

// Paints on (10, 10, 30, 30) of a 40 × 40 surface; true when a pixel outside it changed.
bool PaintsOutside(TLMDGradientStyle style, uint16_t flags) {
  auto surface = MakeSurface(40, 40, kBack);
  const TLMDColorList colors = IndexColors(8);
  const RECT rect{10, 10, 30, 30};
  LMDGradientPaintExt(surface->Canvas(), rect, style, &colors, nullptr, flags, 0);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (!PtInRect(&rect, POINT{x, y}) && surface->Canvas()->Pixel(x, y) != kBack) return true;
    }
  }
  return false;
}

TEST(LMDGradientCreateColorList, GreenToBlackInSixteenSteps) {
  TLMDColorList colors{0x123456};
  LMDGradientCreateColorList(clGreen, clBlack, 16, &colors, true);
  EXPECT_EQ(GreenChannels(colors),
            (std::vector<int>{128, 119, 111, 102, 94, 85, 77, 68, 60, 51, 43, 34, 26, 17, 9, 0}));
}

TEST(LMDGradientCreateColorList, AppendingLeavesOutTheStartColourAndResolvesSystemColours) {
  TLMDColorList colors{0x111111};
  LMDGradientCreateColorList(clBlack, 0x0000FF, 3, &colors, false);
  EXPECT_EQ(colors, (TLMDColorList{0x111111, 0x000080, 0x0000FF})) << "127.5 rounds away from zero";

  colors.clear();
  LMDGradientCreateColorList(clBtnFace, clBtnShadow, 2, &colors, true);
  EXPECT_EQ(colors, (TLMDColorList{0xC8D0D4, 0x808080}));

  LMDGradientCreateColorList(0x0000FF, clWhite, 1, &colors, true);
  EXPECT_EQ(colors, (TLMDColorList{0x0000FF})) << "a single step is the start colour";
  LMDGradientCreateColorList(0x0000FF, clWhite, 1, &colors, false);
  EXPECT_EQ(colors.size(), 1u) << "appending one step adds nothing";
  LMDGradientCreateColorList(0x0000FF, clWhite, 0, &colors, true);
  EXPECT_EQ(colors.size(), 1u) << "count 0 does not even clear";
  LMDGradientCreateColorList(0x0000FF, clWhite, 5, nullptr, true);  // no list: nothing happens
}

TEST(LMDGradientGetColor, TruncatesEachChannel) {
  EXPECT_EQ(LMDGradientGetColor(clBlack, clWhite, 1, 3), 0x555555);
  EXPECT_EQ(LMDGradientGetColor(clWhite, clBlack, 1, 3), 0xAAAAAA) << "255 − 85";
  EXPECT_EQ(LMDGradientGetColor(0x000064, 0x000000, 1, 3), 0x000042) << "66.67 truncated, not rounded";
  EXPECT_EQ(LMDGradientGetColor(clBtnFace, clBlack, 0, 2), 0x00000F) << "system colours are taken as they are";
  EXPECT_THROW(LMDGradientGetColor(clBlack, clWhite, 1, 0), EZeroDivide);
}

TEST(LMDGradientCreatePalette, OneNoCollapseEntryPerColour) {
  EXPECT_EQ(LMDGradientCreatePalette(nullptr), nullptr);
  TLMDColorList empty;
  EXPECT_EQ(LMDGradientCreatePalette(&empty), nullptr);

  const TLMDColorList colors{0x030201, 0x0A0B0C};
  HPALETTE palette = LMDGradientCreatePalette(&colors);
  ASSERT_NE(palette, nullptr);
  PALETTEENTRY entries[3] = {};
  EXPECT_EQ(GetPaletteEntries(palette, 0, 3, entries), 2u);
  EXPECT_EQ(entries[0].peRed, 1);
  EXPECT_EQ(entries[0].peGreen, 2);
  EXPECT_EQ(entries[0].peBlue, 3);
  EXPECT_EQ(entries[1].peRed, 0x0C);
  EXPECT_EQ(entries[1].peFlags, PC_NOCOLLAPSE);
  EXPECT_TRUE(DeleteObject(palette));
}

TEST(LMDGradientPaintExt, VerticalRowBoundariesLeaveSomeColoursOut) {
  auto surface = MakeSurface(3, 13, kBack);
  const TLMDColorList colors = IndexColors(16);
  LMDGradientPaintExt(surface->Canvas(), RECT{0, 0, 3, 13}, gstVertical, &colors, nullptr, 0, 0);
  // Boundaries 0, 1, 2, 2, 3, 4, 5, 6, 7, 7, 8, 9, 10, 11, 11, 12, 13: colours 2, 8 and 13 get no row.
  EXPECT_EQ(RowIndices(*surface, 0), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 9, 10, 11, 12, 14, 15}));
  EXPECT_EQ(RowIndices(*surface, 2), RowIndices(*surface, 0));
}

TEST(LMDGradientPaintExt, HorizontalColumnsAndTheBufferGiveTheSamePixels) {
  auto direct = MakeSurface(12, 4, kBack);
  auto buffered = MakeSurface(12, 4, kBack);
  const TLMDColorList colors = IndexColors(5);
  const RECT rect{1, 1, 11, 3};
  LMDGradientPaintExt(direct->Canvas(), rect, gstHorizontal, &colors, nullptr, 0, 0);
  LMDGradientPaintExt(buffered->Canvas(), rect, gstHorizontal, &colors, nullptr, LMD_GRADIENT_BUFFER, 0);
  std::vector<int> columns;
  for (int x = 0; x < 12; ++x) columns.push_back(direct->Canvas()->Pixel(x, 1) - 0x100000);
  const int back = kBack - 0x100000;
  EXPECT_EQ(columns, (std::vector<int>{back, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, back}));
  const std::map<TColor, char> legend{{kBack, '.'}, {0x100000, '0'}, {0x100001, '1'},
                                      {0x100002, '2'}, {0x100003, '3'}, {0x100004, '4'}};
  EXPECT_EQ(PixelMap(*buffered, legend), PixelMap(*direct, legend));
}

TEST(LMDGradientPaintExt, OnlyCentredDiagonalAndSquareShapesReachBeyondWithoutFlags) {
  const std::set<TLMDGradientStyle> outside{gstSquare, gstElliptic, gstTopLeftDiagonal, gstTopRightDiagonal};
  for (int value = static_cast<int>(gstHorizontal); value <= static_cast<int>(gstTopRightDiagonal); ++value) {
    const auto style = static_cast<TLMDGradientStyle>(value);
    EXPECT_EQ(PaintsOutside(style, 0), outside.count(style) == 1) << "style " << value;
    EXPECT_FALSE(PaintsOutside(style, LMD_GRADIENT_CLIP)) << "style " << value << " clipped";
    EXPECT_FALSE(PaintsOutside(style, LMD_GRADIENT_BUFFER)) << "style " << value << " buffered";
  }
}

// Compares every pixel, whatever origin and clipping the surfaces' DCs were left with.
bool SamePixels(TBitmap& a, TBitmap& b) {
  for (TBitmap* bitmap : {&a, &b}) {
    SelectClipRgn(bitmap->Canvas()->Handle(), nullptr);
    SetWindowOrgEx(bitmap->Canvas()->Handle(), 0, 0, nullptr);
  }
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Canvas()->Pixel(x, y) != b.Canvas()->Pixel(x, y)) return false;
    }
  }
  return true;
}

// The gradient as its shapes painted one over another, largest first (bands in order): the
// pixels the run painting must reproduce.
void PaintShapeByShape(TCanvas* canvas, const RECT& rect, TLMDGradientStyle style, const TLMDColorList& colors) {
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const int n = static_cast<int>(colors.size());
  const int cx = rect.left + w / 2;
  const int cy = rect.top + h / 2;
  const int l = rect.left;
  const int t = rect.top;
  canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
  canvas->Pen()->SetStyle(TPenStyle::psClear);
  for (int k = 0; k < n; ++k) {
    const int i = style == gstHorizontal ? k : n - 1 - k;
    const int dx = MulDiv(i + 1, w, n);
    const int dy = MulDiv(i + 1, h, n);
    const int ex = static_cast<int>(Round(dx / 1.4L));
    const int ey = static_cast<int>(Round(dy / 1.4L));
    canvas->Brush()->SetColor(colors[i]);
    switch (style) {
      case gstHorizontal: canvas->FillRect(RECT{l + MulDiv(i, w, n), t, l + dx, rect.bottom}); break;
      case gstVertical: canvas->FillRect(RECT{l, t + MulDiv(i, h, n), rect.right, t + dy}); break;
      case gstSquare: canvas->Rectangle(cx - dx / 2, cy - dy / 2, cx + dx / 2 + 2, cy + dy / 2 + 2); break;
      case gstElliptic: canvas->Ellipse(cx - ex, cy - ey, cx + ex, cy + ey); break;
      case gstTopLeft: canvas->Rectangle(l, t, l + 1 + dx, t + 1 + dy); break;
      case gstTopRight: canvas->Rectangle(l + w - dx, t + 1 + dy, l + w + 1, t); break;
      case gstBottomLeft: canvas->Rectangle(l + 1 + dx, t + h - dy, l, t + h + 1); break;
      case gstBottomRight: canvas->Rectangle(l + w - dx, t + h - dy, l + w + 1, t + h + 1); break;
      case gstTopLeftDiagonal: canvas->Polygon({{l, t}, {l + 2 * dx, t}, {l, t + 1 + 2 * dy}, {l - 2 * dx, t + 1 + 2 * dy}}); break;
      case gstTopRightDiagonal:
        canvas->Polygon({{l + w + 1, t}, {l + w + 1 - 2 * dx, t}, {l + w + 1, t + 2 * dy}, {l + w + 1 + 2 * dx, t + 2 * dy}});
        break;
    }
  }
}

// A surface of the pixel format with a hatched background, so that a pixel left alone and a
// pixel copied from elsewhere differ.
std::unique_ptr<TBitmap> MakePatternedSurface(int width, int height, TPixelFormat format) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(width, height);
  HDC dc = bitmap->Canvas()->Handle();
  SetBkColor(dc, kBack);
  HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, 0x123456);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, hatch);
  DeleteObject(hatch);
  return bitmap;
}

// How the canvas is set up before painting: pixel format, origin and clipping. 24-bit surfaces
// and complex clipping go through a copy, the others are written in place.
struct TCanvasSetup {
  const char* Name;
  TPixelFormat Format;
  void (*Prepare)(HDC dc);
};

const TCanvasSetup kSetups[] = {
    {"24-bit", TPixelFormat::pf24bit, [](HDC) {}},
    {"32-bit", TPixelFormat::pf32bit, [](HDC) {}},
    {"32-bit, moved origin", TPixelFormat::pf32bit, [](HDC dc) { SetWindowOrgEx(dc, 7, -5, nullptr); }},
    {"32-bit, clip rectangle", TPixelFormat::pf32bit, [](HDC dc) { IntersectClipRect(dc, 33, 31, 61, 60); }},
    {"32-bit, clip region with a hole", TPixelFormat::pf32bit,
     [](HDC dc) {
       HRGN clip = CreateEllipticRgn(20, 25, 90, 70);
       HRGN hole = CreateRectRgn(40, 38, 52, 45);
       CombineRgn(clip, clip, hole, RGN_DIFF);
       SelectClipRgn(dc, clip);
       DeleteObject(hole);
       DeleteObject(clip);
     }},
};

TEST(LMDGradientPaintExt, PaintsEveryPixelAsTheShapesPaintedOneOverAnother) {
  const std::array<SIZE, 6> sizes{{{1, 1}, {2, 3}, {7, 5}, {20, 13}, {33, 40}, {64, 9}}};
  for (const TCanvasSetup& setup : kSetups) {
    for (int value = static_cast<int>(gstHorizontal); value <= static_cast<int>(gstTopRightDiagonal); ++value) {
      const auto style = static_cast<TLMDGradientStyle>(value);
      for (const SIZE& size : sizes) {
        for (int count : {1, 2, 7, 64, 255}) {
          auto expected = MakePatternedSurface(size.cx + 60, size.cy + 60, setup.Format);
          auto actual = MakePatternedSurface(size.cx + 60, size.cy + 60, setup.Format);
          setup.Prepare(expected->Canvas()->Handle());
          setup.Prepare(actual->Canvas()->Handle());
          const RECT rect{30, 30, 30 + size.cx, 30 + size.cy};
          const TLMDColorList colors = IndexColors(count);
          const std::string where = std::string(setup.Name) + ", style " + std::to_string(value) + ", " +
                                    std::to_string(size.cx) + " x " + std::to_string(size.cy) + ", " +
                                    std::to_string(count) + " colours";
          PaintShapeByShape(expected->Canvas(), rect, style, colors);
          LMDGradientPaintExt(actual->Canvas(), rect, style, &colors, nullptr, 0, 0);
          EXPECT_TRUE(SamePixels(*expected, *actual)) << where;
          // Buffered: the shapes painted on a bitmap of the gradient's size, which is then drawn.
          TBitmap buffer;
          buffer.SetSize(size.cx, size.cy);
          PaintShapeByShape(buffer.Canvas(), RECT{0, 0, size.cx, size.cy}, style, colors);
          expected->Canvas()->Draw(rect.left, rect.top, &buffer);
          LMDGradientPaintExt(actual->Canvas(), rect, style, &colors, nullptr, LMD_GRADIENT_BUFFER, 0);
          EXPECT_TRUE(SamePixels(*expected, *actual)) << "buffered, " << where;
        }
      }
    }
  }
}

TEST(LMDGradientPaintExt, NothingForAnEmptyRectangleOrTable) {
  auto surface = MakeSurface(6, 6, kBack);
  const TLMDColorList colors = IndexColors(3);
  const TLMDColorList none;
  LMDGradientPaintExt(surface->Canvas(), RECT{4, 4, 2, 6}, gstVertical, &colors, nullptr, LMD_GRADIENT_BUFFER, 0);
  LMDGradientPaintExt(surface->Canvas(), RECT{0, 0, 6, 6}, gstVertical, &none, nullptr, 0, 0);
  LMDGradientPaintExt(surface->Canvas(), RECT{0, 0, 6, 6}, gstVertical, nullptr, nullptr, 0, 0);
  LMDGradientPaintExt(surface->Canvas(), RECT{0, 0, 6, 6}, static_cast<TLMDGradientStyle>(10), &colors, nullptr, 0, 0);
  EXPECT_EQ(PixelMap(*surface, {{kBack, '.'}}).find_first_not_of(".\n"), std::string::npos);
}

TEST(LMDGradientPaintExt, ClipRegionMovesByTheOffsetWordsAndIsRemovedAfterwards) {
  auto surface = MakeSurface(40, 40, kBack);
  const TLMDColorList colors{0x000001};
  HDC dc = surface->Canvas()->Handle();
  HRGN earlier = CreateRectRgn(0, 0, 40, 40);
  SelectClipRgn(dc, earlier);
  LMDGradientPaintExt(surface->Canvas(), RECT{10, 10, 30, 30}, gstVertical, &colors, nullptr, LMD_GRADIENT_CLIP,
                      5 | (3 << 16));
  EXPECT_EQ(PixelMap(*surface, RECT{14, 12, 31, 14}, {{kBack, '.'}, {0x000001, '#'}}),
            ".................\n"
            ".###############.\n")
      << "painted where the rectangle meets (15, 13, 35, 33)";
  EXPECT_EQ(surface->Canvas()->Pixel(30, 20), kBack);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc, probe), 0) << "the clip region is removed, not restored";
  DeleteObject(probe);
  DeleteObject(earlier);
}

TEST(LMDGradientPaint, PaletteRelativeColoursPaintTheSamePixelsOnTrueColour) {
  auto plain = MakeSurface(4, 16, kBack);
  auto realized = MakeSurface(4, 16, kBack);
  LMDGradientPaint(plain->Canvas(), RECT{0, 0, 4, 16}, clGreen, clBlack, 16, gstVertical, 0, 0);
  LMDGradientPaint(realized->Canvas(), RECT{0, 0, 4, 16}, clGreen, clBlack, 16, gstVertical,
                   LMD_GRADIENT_PALETTE | LMD_GRADIENT_BUFFER, 0);
  TLMDColorList rows;
  for (int y = 0; y < 16; ++y) rows.push_back(plain->Canvas()->Pixel(1, y));
  TLMDColorList table;
  LMDGradientCreateColorList(clGreen, clBlack, 16, &table, true);
  EXPECT_EQ(rows, table) << "one row per colour";
  for (int y = 0; y < 16; ++y) EXPECT_EQ(realized->Canvas()->Pixel(1, y), rows[y]) << "row " << y;
}

TEST(LMDGradientPaint, RegionsBuffersAndPalettesAreReleased) {
  auto surface = MakeSurface(30, 30, kBack);
  const uint16_t everything = LMD_GRADIENT_CLIP | LMD_GRADIENT_PALETTE;
  LMDGradientPaint(surface->Canvas(), RECT{0, 0, 30, 30}, clRed, clBlue, 8, gstElliptic, everything, 0);
  const UINT live = WinportLiveGdiObjectCount();
  for (int i = 0; i < 4; ++i) {
    LMDGradientPaint(surface->Canvas(), RECT{0, 0, 30, 30}, clRed, clBlue, 8, gstElliptic, everything, 0);
    LMDGradientPaint(surface->Canvas(), RECT{0, 0, 30, 30}, clRed, clBlue, 8, gstSquare,
                     LMD_GRADIENT_BUFFER | LMD_GRADIENT_PALETTE, 0);
  }
  EXPECT_EQ(WinportLiveGdiObjectCount(), live);
}

TEST(LMDSuperGradientPaint, EverySegmentLeavesOutItsStartColour) {
  auto surface = MakeSurface(6, 1, kBack);
  const TLMDColorList stops{0x0000FF, 0x00FF00, 0xFF0000};
  LMDSuperGradientPaint(surface->Canvas(), RECT{0, 0, 6, 1}, stops, 8, gstHorizontal, 0, 0);
  TLMDColorList expected;
  LMDGradientCreateColorList(0x0000FF, 0x00FF00, 4, &expected, false);
  LMDGradientCreateColorList(0x00FF00, 0xFF0000, 4, &expected, false);
  ASSERT_EQ(expected.size(), 6u);
  for (int x = 0; x < 6; ++x) EXPECT_EQ(surface->Canvas()->Pixel(x, 0), expected[x]) << "column " << x;
  EXPECT_NE(surface->Canvas()->Pixel(0, 0), 0x0000FF) << "the first stop is not painted";

  auto single = MakeSurface(6, 1, kBack);
  LMDSuperGradientPaint(single->Canvas(), RECT{0, 0, 6, 1}, TLMDColorList{0x0000FF}, 8, gstHorizontal, 0, 0);
  EXPECT_EQ(single->Canvas()->Pixel(0, 0), kBack);
}

}  // namespace
