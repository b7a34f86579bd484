// The fill object: defaults, which changes notify, assignment, transparency and the summary by
// style, the pixels of every style on memory bitmaps, clipping, and form-description streaming.
#include <gtest/gtest.h>

#include <LMDFillObject.h>
#include <LMDUtils.h>

#include "FormTextSupport.h"
#include "PaintObjectsHolder.h"
#include "PaintTestSupport.h"

#include <map>
#include <memory>
#include <string>

using enum TBrushStyle;
using enum TLMDAlignment;
using enum TLMDFillOption;
using enum TLMDFillStyle;
using enum TLMDGradientStyle;
using enum TLMDTileMode;

namespace {

const std::map<TColor, char> kLegend{{clWhite, '.'}, {clRed, 'R'}, {clBlue, 'B'}, {clLime, 'G'}, {clYellow, 'Y'}};

// A bitmap of two columns: red on the left, blue on the right; the bottom row yellow.
std::unique_ptr<TBitmap> TwoColumns(int width, int height) {
  auto bitmap = MakeSurface(width, height, clRed);
  bitmap->Canvas()->Brush()->SetColor(clBlue);
  bitmap->Canvas()->FillRect(RECT{width / 2, 0, width, height});
  bitmap->Canvas()->Brush()->SetColor(clYellow);
  bitmap->Canvas()->FillRect(RECT{0, height - 1, width, height});
  return bitmap;
}

// A fill of `style` with the two-column picture as its bitmap.
void UseBitmap(TLMDFillObject& fill, TLMDTileMode mode, int width, int height) {
  fill.SetBitmap(TwoColumns(width, height).get());
  fill.SetStyle(sfBitmap);
  fill.SetTileMode(mode);
}

// A clip region over the whole bitmap, as a caller may have left one.
void ClipToWholeBitmap(TBitmap& bitmap) {
  HRGN earlier = CreateRectRgn(0, 0, bitmap.Width(), bitmap.Height());
  SelectClipRgn(bitmap.Canvas()->Handle(), earlier);
  DeleteObject(earlier);
}

bool HasClipRegion(HDC dc) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const int result = GetClipRgn(dc, region);
  DeleteObject(region);
  return result == 1;
}

TEST(TLMDFillObject, ANewFillPaintsNothingAndIsTransparent) {
  TLMDFillObject fill;
  EXPECT_EQ(fill.Style(), sfNone);
  EXPECT_EQ(fill.TileMode(), tmTile);
  EXPECT_EQ(fill.Options(), (TLMDFillOptions{foFillInner, foGrUseBitmap}));
  EXPECT_EQ(fill.Alignment(), agTopLeft);
  EXPECT_EQ(fill.Brush()->Color(), clWhite);
  EXPECT_TRUE(fill.GetTransparent());
  EXPECT_TRUE(fill.GetEmpty());
  auto surface = MakeSurface(4, 2, clWhite);
  EXPECT_FALSE(fill.FillCanvas(surface->Canvas(), RECT{0, 0, 4, 2}, clRed));
  EXPECT_EQ(PixelMap(*surface, kLegend), "....\n....\n");
}

TEST(TLMDFillObject, PlacementChangesNotifyOnlyForAnUntiledBitmap) {
  TPaintObjectsHolder holder(nullptr);
  TLMDFillObject& fill = *holder.FillObject();
  fill.SetAlignment(agCenter);
  fill.SetOffset(0, 5);
  EXPECT_EQ(holder.Changes, 0) << "a tiled fill does not use the placement";
  EXPECT_EQ(fill.Alignment(), agCenter);
  EXPECT_EQ(fill.OffsetX(), 5);

  fill.SetStyle(sfBitmapList);
  fill.SetTileMode(tmNone);
  holder.Changes = 0;
  fill.SetAlignment(agBottomRight);
  fill.SetOffset(1, -3);
  fill.SetOffset(1, -3);
  EXPECT_EQ(holder.Changes, 2);
  EXPECT_EQ(fill.OffsetY(), -3);

  fill.SetOptions(TLMDFillOptions{foQuickDraw});
  fill.Brush()->SetColor(clRed);
  fill.Bitmap()->SetSize(2, 2);
  EXPECT_EQ(holder.Changes, 5) << "options, brush and bitmap notify";
  fill.SetListBitmap(fill.Bitmap());
  EXPECT_EQ(holder.Changes, 5) << "the list bitmap notifies no one";
}

TEST(TLMDFillObject, AssignCopiesAllButThePlacementWithOneNotification) {
  TLMDFillObject source;
  source.Brush()->SetColor(clRed);
  source.SetOptions(TLMDFillOptions{foQuickDraw});
  source.SetBitmap(TwoColumns(4, 2).get());
  source.SetListBitmap(TwoColumns(2, 2).get());
  source.Gradient()->SetColor(clGreen);
  source.SetStyle(sfBitmap);
  source.SetTileMode(tmStretch);
  source.SetAlignment(agCenter);
  source.SetOffset(0, 4);

  TPaintObjectsHolder holder(nullptr);
  TLMDFillObject& target = *holder.FillObject();
  target.SetAlignment(agBottomRight);
  target.SetOffset(1, 7);
  holder.SetFillObject(&source);
  EXPECT_EQ(holder.Changes, 1);
  EXPECT_EQ(target.Brush()->Color(), clRed);
  EXPECT_EQ(target.Options(), TLMDFillOptions{foQuickDraw});
  EXPECT_EQ(target.Bitmap()->Width(), 4);
  EXPECT_EQ(target.ListBitmap()->Width(), 2);
  EXPECT_EQ(target.Gradient()->Color(), clGreen);
  EXPECT_EQ(target.Style(), sfBitmap);
  EXPECT_EQ(target.TileMode(), tmStretch);
  EXPECT_EQ(target.Alignment(), agBottomRight);
  EXPECT_EQ(target.OffsetX(), 0);
  EXPECT_EQ(target.OffsetY(), 7);

  TLMDShapeFill shape;
  shape.Assign(&source);
  EXPECT_EQ(shape.Style(), sfBitmap);
  EXPECT_EQ(shape.TileMode(), tmStretch);
  EXPECT_EQ(shape.ListBitmap()->Width(), 2);
}

TEST(TLMDFillObject, WhatEachStyleReportsAboutItself) {
  struct Case {
    TLMDFillStyle style;
    TLMDTileMode mode;
    const char* summary;
    bool empty;        // with empty bitmaps
    bool mustRedraw;
  };
  const Case cases[] = {
      {sfNone, tmTile, "{Disabled}", true, true},        {sfBrushBitmap, tmTile, "{}", false, false},
      {sfBrush, tmNone, "{Brush}", false, false},         {sfBitmap, tmTile, "{Bitmap}", true, false},
      {sfBitmap, tmCenter, "{Bitmap}", true, true},       {sfBitmapList, tmTile, "{BitmapList}", true, false},
      {sfBitmapList, tmStretch, "{BitmapList}", true, true}, {sfGradient, tmTile, "{Gradient}", false, true},
  };
  for (const Case& c : cases) {
    TLMDFillObject fill;
    fill.SetStyle(c.style);
    fill.SetTileMode(c.mode);
    SCOPED_TRACE(c.summary);
    EXPECT_EQ(fill.GetSetStr(), c.summary);
    EXPECT_EQ(fill.GetEmpty(), c.empty);
    EXPECT_EQ(fill.GetMustRedraw(), c.mustRedraw);
  }
  TLMDFillObject fill;
  fill.SetStyle(sfBitmapList);
  EXPECT_EQ(fill.GetBitmap(), fill.ListBitmap());
  fill.SetListBitmap(TwoColumns(2, 2).get());
  EXPECT_FALSE(fill.GetEmpty());
  fill.SetListBitmap(nullptr);
  EXPECT_TRUE(fill.GetEmpty()) << "a missing list image empties the list bitmap";
  fill.SetStyle(sfGradient);
  EXPECT_EQ(fill.GetBitmap(), nullptr);
}

TEST(TLMDFillObject, TransparencyFollowsStyleTileModeAndInnerFill) {
  struct Case {
    TLMDFillStyle style;
    TLMDTileMode mode;
    TBrushStyle brush;
    bool transparentWithInner;
    bool transparentWithout;
  };
  const Case cases[] = {
      {sfBrush, tmTile, bsSolid, false, false},      {sfBrush, tmTile, bsCross, false, true},
      {sfBitmap, tmNone, bsSolid, false, true},      {sfBitmap, tmCenter, bsSolid, false, true},
      {sfBitmapList, tmStretch, bsSolid, false, false}, {sfBitmapList, tmTile, bsSolid, false, false},
      {sfBrushBitmap, tmNone, bsClear, false, false}, {sfGradient, tmNone, bsClear, false, false},
      {sfNone, tmTile, bsSolid, true, true},
  };
  for (const Case& c : cases) {
    TLMDFillObject fill;
    fill.SetStyle(c.style);
    fill.SetTileMode(c.mode);
    fill.Brush()->SetStyle(c.brush);
    SCOPED_TRACE(fill.GetSetStr() + " tile mode " + std::to_string(static_cast<int>(c.mode)));
    EXPECT_EQ(fill.GetTransparent(), c.transparentWithInner);
    fill.SetOptions(TLMDFillOptions{foGrUseBitmap});
    EXPECT_EQ(fill.GetTransparent(), c.transparentWithout);
  }
}

TEST(TLMDFillObject, BrushFillsPaintTheBrushOverTheBackColour) {
  TLMDFillObject fill;
  fill.SetStyle(sfBrush);
  fill.Brush()->SetColor(clRed);
  auto surface = MakeSurface(5, 3, clWhite);
  EXPECT_TRUE(fill.FillCanvas(surface->Canvas(), RECT{1, 1, 4, 3}, clBlue));
  EXPECT_EQ(PixelMap(*surface, kLegend), ".....\n.RRR.\n.RRR.\n");

  fill.Brush()->SetStyle(bsHorizontal);
  auto hatched = MakeSurface(8, 8, clWhite);
  EXPECT_TRUE(fill.FillCanvas(hatched->Canvas(), RECT{0, 0, 8, 8}, clBlue));
  const std::string map = PixelMap(*hatched, kLegend);
  EXPECT_NE(map.find("RRRRRRRR"), std::string::npos) << map;
  EXPECT_EQ(map.find_first_not_of("RB\n"), std::string::npos) << "the gaps show the back colour\n" << map;

  fill.SetOptions(TLMDFillOptions{});
  auto transparent = MakeSurface(8, 8, clWhite);
  fill.FillCanvas(transparent->Canvas(), RECT{0, 0, 8, 8}, clBlue);
  EXPECT_EQ(PixelMap(*transparent, kLegend), [&] {
    std::string gaps = map;
    for (char& c : gaps) c = c == 'B' ? '.' : c;
    return gaps;
  }()) << "without the inner fill the gaps keep what was there";
}

TEST(TLMDFillObject, BrushBitmapRepeatsThePictureAsPattern) {
  TLMDFillObject fill;
  fill.SetStyle(sfBrushBitmap);
  fill.SetBitmap(TwoColumns(2, 2).get());
  auto surface = MakeSurface(5, 4, clWhite);
  EXPECT_TRUE(fill.FillCanvas(surface->Canvas(), RECT{0, 0, 5, 4}, clBlue));
  EXPECT_EQ(PixelMap(*surface, kLegend), "RBRBR\nYYYYY\nRBRBR\nYYYYY\n");
  EXPECT_EQ(surface->Canvas()->Brush()->Bitmap(), nullptr) << "the pattern is not left on the canvas";
}

TEST(TLMDFillObject, BitmapsArePlacedByTileMode) {
  struct Case {
    TLMDTileMode mode;
    const char* map;
  };
  // A 4 × 2 picture in a 6 × 4 area at (1, 1) of a 8 × 6 surface; the inner fill is lime.
  const Case cases[] = {
      {tmNone, "........\n.GGGGGG.\n.GGGGGG.\n.GGGRRB.\n.GGGYYY.\n........\n"},
      {tmCenter, "........\n.GGGGGG.\n.GRRBBG.\n.GYYYYG.\n.GGGGGG.\n........\n"},
      {tmStretch, "........\n.RRRBBB.\n.RRRBBB.\n.YYYYYY.\n.YYYYYY.\n........\n"},
      {tmTile, "........\n.RRBBRR.\n.YYYYYY.\n.RRBBRR.\n.YYYYYY.\n........\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.mode)));
    TLMDFillObject fill;
    UseBitmap(fill, c.mode, 4, 2);
    fill.SetAlignment(agBottomRight);
    fill.SetOffset(0, 1);  // pushed past the right edge: ClipFill cuts it
    auto surface = MakeSurface(8, 6, clWhite);
    EXPECT_TRUE(fill.ClipFill(surface->Canvas(), RECT{1, 1, 7, 5}, clLime, 0));
    EXPECT_EQ(PixelMap(*surface, kLegend), c.map);
  }
}

TEST(TLMDFillObject, FillBitmapsAreCopiedPlainlyAndNothingGoesIntoAnEmptyArea) {
  for (const TLMDTileMode mode : {tmNone, tmCenter, tmStretch, tmTile}) {
    SCOPED_TRACE(std::to_string(static_cast<int>(mode)));
    TLMDFillObject fill;
    UseBitmap(fill, mode, 2, 2);
    fill.SetOptions(TLMDFillOptions{});
    fill.Bitmap()->SetTransparentColor(clRed);
    fill.Bitmap()->SetTransparent(true);
    auto surface = MakeSurface(2, 2, clWhite);
    fill.FillCanvas(surface->Canvas(), RECT{0, 0, 2, 2}, clLime);
    EXPECT_EQ(PixelMap(*surface, kLegend), "RB\nYY\n") << "the bitmap's own transparency plays no part";

    auto untouched = MakeSurface(2, 2, clWhite);
    fill.FillCanvas(untouched->Canvas(), RECT{1, 0, 1, 2}, clLime);
    if (mode != tmNone) EXPECT_EQ(PixelMap(*untouched, kLegend), "..\n..\n") << "an empty area";
  }
}

TEST(TLMDFillObject, AnEmptyBitmapPaintsOnlyTheInnerFill) {
  TLMDFillObject fill;
  fill.SetStyle(sfBitmap);
  fill.SetTileMode(tmStretch);
  auto surface = MakeSurface(3, 1, clWhite);
  EXPECT_FALSE(fill.FillCanvas(surface->Canvas(), RECT{0, 0, 2, 1}, clLime));
  EXPECT_EQ(PixelMap(*surface, kLegend), "GG.\n");
  fill.SetOptions(TLMDFillOptions{});
  EXPECT_FALSE(fill.FillCanvas(surface->Canvas(), RECT{2, 0, 3, 1}, clLime));
  EXPECT_EQ(PixelMap(*surface, kLegend), "GG.\n");
}

TEST(TLMDFillObject, ClipFillKeepsThePictureInsideAndLeavesNoClipRegion) {
  TLMDFillObject fill;
  UseBitmap(fill, tmNone, 4, 2);
  fill.SetOptions(TLMDFillOptions{});
  fill.SetOffset(0, 2);
  auto unclipped = MakeSurface(6, 2, clWhite);
  fill.FillCanvas(unclipped->Canvas(), RECT{0, 0, 4, 2}, clLime);
  EXPECT_EQ(PixelMap(*unclipped, kLegend), "..RRBB\n..YYYY\n");

  auto clipped = MakeSurface(6, 2, clWhite);
  ClipToWholeBitmap(*clipped);
  EXPECT_TRUE(fill.ClipFill(clipped->Canvas(), RECT{0, 0, 4, 2}, clLime, 0));
  EXPECT_EQ(PixelMap(*clipped, kLegend), "..RR..\n..YY..\n");
  EXPECT_FALSE(HasClipRegion(clipped->Canvas()->Handle())) << "the clip region is removed, not restored";

  auto moved = MakeSurface(6, 2, clWhite);
  fill.ClipFill(moved->Canvas(), RECT{0, 0, 4, 2}, clLime, MAKELONG(1, 1));
  EXPECT_EQ(PixelMap(*moved, kLegend), "......\n..YYY.\n") << "the offset moves the clip region";
}

TEST(TLMDFillObject, GradientsPaintTheGradientsColourTable) {
  TLMDFillObject fill;
  fill.SetStyle(sfGradient);
  fill.Gradient()->SetColor(clGreen);
  auto expected = MakeSurface(20, 16, clWhite);
  LMDGradientPaintExt(expected->Canvas(), RECT{2, 0, 12, 16}, gstVertical, &fill.Gradient()->ColorTable(), nullptr,
                      LMD_GRADIENT_BUFFER, 0);
  auto painted = MakeSurface(20, 16, clWhite);
  ClipToWholeBitmap(*painted);
  EXPECT_TRUE(fill.ClipFill(painted->Canvas(), RECT{2, 0, 12, 16}, clRed, 0));
  EXPECT_TRUE(HasClipRegion(painted->Canvas()->Handle())) << "the buffered gradient needs no clip region";
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 20; ++x) {
      ASSERT_EQ(painted->Canvas()->Pixel(x, y), expected->Canvas()->Pixel(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(painted->Canvas()->Pixel(3, 0), 0x008000);
  EXPECT_EQ(painted->Canvas()->Pixel(12, 0), clWhite);

  fill.SetOptions(TLMDFillOptions{});
  auto unbuffered = MakeSurface(20, 16, clWhite);
  EXPECT_TRUE(fill.ClipFill(unbuffered->Canvas(), RECT{2, 0, 12, 16}, clRed, 0));
  EXPECT_EQ(unbuffered->Canvas()->Pixel(3, 15), painted->Canvas()->Pixel(3, 15));
  EXPECT_EQ(unbuffered->Canvas()->Pixel(12, 15), clWhite);
}

TEST(TLMDFillObject, FormDescriptionRoundTrip) {
  TPaintObjectsHolder original(nullptr);
  original.SetName("Holder");
  TLMDFillObject& fill = *original.FillObject();
  fill.SetStyle(sfGradient);
  fill.Gradient()->SetColor(clGreen);
  fill.SetTileMode(tmCenter);
  fill.SetAlignment(agBottomCenter);
  fill.SetOffset(1, -2);
  fill.SetOptions(TLMDFillOptions{foQuickDraw});
  fill.Brush()->SetColor(clRed);
  fill.Bitmap()->Assign(TwoColumns(2, 2).get());

  const AnsiString text = FormText(&original);
  for (const char* line : {"  FillObject.Style = sfGradient\n", "  FillObject.TileMode = tmCenter\n",
                           "  FillObject.Gradient.Color = clGreen\n", "  FillObject.Alignment = agBottomCenter\n",
                           "  FillObject.OffsetY = -2\n", "  FillObject.Options = [foQuickDraw]\n",
                           "  FillObject.Brush.Color = clRed\n", "  FillObject.Bitmap.Data = {"}) {
    EXPECT_NE(text.find(Crlf(line)), std::string::npos) << line << text;
  }
  EXPECT_EQ(text.find("OffsetX"), std::string::npos) << "defaults are not stored";

  TPaintObjectsHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_EQ(copy.FillObject()->Bitmap()->Canvas()->Pixel(1, 0), clBlue);

  TPaintObjectsHolder defaults(nullptr);
  defaults.SetName("Holder");
  EXPECT_EQ(FormText(&defaults).find("FillObject"), std::string::npos)
      << "a new fill object's sfNone is its stored default";
}

}  // namespace
