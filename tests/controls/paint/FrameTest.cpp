#include <gtest/gtest.h>

#include <LMDUtils.h>

#include "PaintTestSupport.h"

using enum TLMDBevelStyle;
using enum TLMDBorderStyle;

namespace {

constexpr TColor kBack = 0x00FF00;
constexpr TColor kLight = 0x00FFFF;
constexpr TColor kShadow = 0x800000;
constexpr TColor kCorner = 0x0000FF;

const std::map<TColor, char> kLegend{{kBack, '.'},   {kLight, 'L'},    {kShadow, 'S'},   {kCorner, 'C'},
                                     {clBlack, 'K'}, {0xFFFFFF, 'W'}, {0x404040, 'D'}, {0xC8D0D4, 'F'},
                                     {0x808080, 'G'}};

TEST(LMDDrawFrame3D, NothingForWidthZeroNoneAndShadow) {
  auto surface = MakeSurface(6, 6, kBack);
  for (auto [style, width] : {std::pair{bvLowered, 0}, {bvNone, 2}, {bvShadow, 2}}) {
    RECT r{0, 0, 6, 6};
    EXPECT_FALSE(LMDDrawFrame3D(surface->Canvas(), r, style, kLight, kShadow, width));
    EXPECT_EQ(RectText(r), "(0, 0, 6, 6)");
  }
  EXPECT_EQ(PixelMap(*surface, kLegend).find_first_not_of(".\n"), std::string::npos) << "nothing painted";
}

TEST(LMDDrawFrame3D, OnePixelBevelOwnsTheCornersByTheLineRule) {
  auto surface = MakeSurface(8, 7, kBack);
  RECT r{1, 1, 7, 6};
  EXPECT_TRUE(LMDDrawFrame3D(surface->Canvas(), r, bvLowered, kLight, kShadow, 1));
  EXPECT_EQ(RectText(r), "(2, 2, 6, 5)");
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "........\n"
            ".SSSSSL.\n"
            ".S....L.\n"
            ".S....L.\n"
            ".S....L.\n"
            ".SLLLLL.\n"
            "........\n");

  r = RECT{1, 1, 7, 6};
  LMDDrawFrame3D(surface->Canvas(), r, bvNormal, kLight, kShadow, 1);
  EXPECT_EQ(PixelMap(*surface, RECT{1, 1, 7, 6}, kLegend),
            "KKKKKK\n"
            "K....K\n"
            "K....K\n"
            "K....K\n"
            "KKKKKK\n")
      << "bvNormal is black whatever the colours";
}

TEST(LMDDrawFrame3D, FrameStylesTakeOneMorePixel) {
  auto surface = MakeSurface(6, 6, kBack);
  RECT r{0, 0, 6, 6};
  EXPECT_TRUE(LMDDrawFrame3D(surface->Canvas(), r, bvFrameRaised, kLight, kShadow, 1));
  EXPECT_EQ(RectText(r), "(2, 2, 4, 4)");
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "LLLLL.\n"
            "LSSSLS\n"
            "LS..LS\n"
            "LS..LS\n"
            "LLLLLS\n"
            ".SSSSS\n");

  r = RECT{0, 0, 10, 10};
  LMDDrawFrame3D(surface->Canvas(), r, bvFrameLowered, kLight, kShadow, 2);
  EXPECT_EQ(RectText(r), "(3, 3, 7, 7)");
}

TEST(LMDDrawFrame3D, WideBevelsAreTwoMitredPolygons) {
  auto surface = MakeSurface(8, 8, kBack);
  RECT r{0, 0, 8, 8};
  EXPECT_TRUE(LMDDrawFrame3D(surface->Canvas(), r, bvRaised, kLight, kShadow, 2));
  EXPECT_EQ(RectText(r), "(2, 2, 6, 6)");
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "LLLLLLL.\n"
            "LLLLLL.S\n"
            "LL....SS\n"
            "LL....SS\n"
            "LL....SS\n"
            "LLSSSSSS\n"
            "L.SSSSSS\n"
            ".SSSSSSS\n")
      << "the bottom band reaches up to B − 1 − w; the mitres stay unpainted by the polygon rule";
}

TEST(LMDDrawStdFrame, ReturnedRectanglesAndNominalWidths) {
  struct Case {
    TLMDBorderStyle style;
    const char* inside;
    int nominal;
  };
  const Case cases[] = {
      {lsNone, "(10, 10, 30, 30)", 0},         {lsSingle, "(11, 11, 30, 30)", 1},
      {lsLowered, "(12, 12, 28, 28)", 2},      {lsRaised, "(12, 12, 28, 28)", 2},
      {lsRaisedspb, "(11, 11, 28, 28)", 2},    {lsLoweredspb, "(12, 12, 29, 29)", 2},
      {lsRaisedExt, "(12, 12, 28, 28)", 2},    {lsLoweredExt, "(12, 12, 28, 28)", 2},
      {lsFrameInset, "(12, 12, 28, 28)", 2},   {lsFrameOffset, "(12, 12, 28, 28)", 2},
      {lsWindowBorder, "(12, 12, 28, 28)", 2}, {lsSingleRaised, "(11, 11, 29, 29)", 1},
      {lsSingleLowered, "(11, 11, 29, 29)", 1}, {lsDoubleRaised, "(12, 12, 28, 28)", 2},
      {lsDoubleLowered, "(12, 12, 28, 28)", 2},
  };
  auto surface = MakeSurface(40, 40, kBack);
  for (const Case& c : cases) {
    RECT r{10, 10, 30, 30};
    EXPECT_TRUE(LMDDrawStdFrame(surface->Canvas(), r, c.style, 0));
    EXPECT_EQ(RectText(r), c.inside) << "style " << int(c.style);
    EXPECT_EQ(LMDDrawStdFrameExt(c.style), c.nominal) << "style " << int(c.style);
  }
}

TEST(LMDDrawStdFrame, RaisedIsTheSoftRaisedEdgeAndSingleTakesCallerFlagsOnlyOnItsFirstEdge) {
  auto surface = MakeSurface(7, 5, kBack);
  RECT r{0, 0, 7, 5};
  LMDDrawStdFrame(surface->Canvas(), r, lsRaised, 0);
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "WWWWWWD\n"
            "WFFFFGD\n"
            "WF...GD\n"
            "WGGGGGD\n"
            "DDDDDDD\n");

  auto plain = MakeSurface(5, 4, kBack);
  auto flagged = MakeSurface(5, 4, kBack);
  RECT a{0, 0, 5, 4};
  RECT b{0, 0, 5, 4};
  LMDDrawStdFrame(plain->Canvas(), a, lsSingle, 0);
  LMDDrawStdFrame(flagged->Canvas(), b, lsSingle, BF_RECT);
  EXPECT_EQ(PixelMap(*plain, kLegend),
            "DDDDD\n"
            "D...D\n"
            "D...D\n"
            "DDDDD\n");
  EXPECT_EQ(RectText(a), "(1, 1, 5, 4)") << "the right and bottom edge does not adjust";
  EXPECT_EQ(PixelMap(*flagged, kLegend),
            "DDDDW\n"
            "D..DW\n"
            "DDDDW\n"
            "WWWWW\n");
  EXPECT_EQ(RectText(b), "(1, 1, 4, 3)") << "BF_RECT from the caller widens only the first edge";
}

TEST(LMDDrawFrameShadow, ShadowCornersAndTheRectangleInside) {
  auto surface = MakeSurface(10, 8, kBack);
  RECT r{0, 0, 10, 8};
  EXPECT_TRUE(LMDDrawFrameShadow(surface->Canvas(), r, kLight, kShadow, kCorner, 2, 1, false, 0));
  EXPECT_EQ(RectText(r), "(1, 1, 7, 5)");
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "LLLLLLLLCC\n"
            "L......LCC\n"
            "L......LSS\n"
            "L......LSS\n"
            "L......LSS\n"
            "LLLLLLLLSS\n"
            "CCSSSSSSSS\n"
            "CCSSSSSSSS\n");

  auto transparent = MakeSurface(10, 8, kBack);
  r = RECT{0, 0, 10, 8};
  LMDDrawFrameShadow(transparent->Canvas(), r, kLight, kShadow, kCorner, 2, 2, true, 0);
  EXPECT_EQ(RectText(r), "(2, 2, 6, 4)");
  EXPECT_EQ(PixelMap(*transparent, kLegend),
            "LLLLLLLL..\n"
            "LLLLLLLL..\n"
            "LL....LLSS\n"
            "LL....LLSS\n"
            "LLLLLLLLSS\n"
            "LLLLLLLLSS\n"
            "..SSSSSSSS\n"
            "..SSSSSSSS\n");
}

TEST(LMDDrawBorder, TopLeftThenBottomRightLeavesTheRectangle) {
  auto surface = MakeSurface(6, 5, kBack);
  const RECT r{1, 1, 5, 4};
  LMDDrawBorder(surface->Canvas(), r, kLight, kShadow);
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "......\n"
            ".LLLS.\n"
            ".L..S.\n"
            ".LSSS.\n"
            "......\n");
}

TEST(LMDDrawTriangle, SizesDirectionsAndTheDisabledLook) {
  auto surface = MakeSurface(10, 5, kBack);
  LMDDrawTriangle(surface->Canvas(), 1, 1, 1, kShadow, true, true);
  LMDDrawTriangle(surface->Canvas(), 1, 1, 16, kShadow, true, true);
  EXPECT_EQ(PixelMap(*surface, kLegend).find_first_not_of(".\n"), std::string::npos) << "sizes 1 and 16 paint nothing";

  LMDDrawTriangle(surface->Canvas(), 0, 0, 3, kShadow, true, true);
  LMDDrawTriangle(surface->Canvas(), 5, 0, 3, kLight, false, true);
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "SSSSS.L...\n"
            ".SSS.LLL..\n"
            "..S.LLLLL.\n"
            "..........\n"
            "..........\n")
      << "down spans x to x + 2·size − 2; up is centred on x + size / 2";

  auto disabled = MakeSurface(5, 3, kBack);
  LMDDrawTriangle(disabled->Canvas(), 0, 0, 2, kShadow, true, false);
  EXPECT_EQ(PixelMap(*disabled, kLegend),
            "GGG..\n"
            ".GWW.\n"
            "..W..\n");
}

TEST(LMDGetCtrlBorderWidth, OnlySingleBordersHaveAWidth) {
  const auto none = static_cast<TFormBorderStyle>(0);
  const auto single = static_cast<TFormBorderStyle>(1);
  const auto sizeable = static_cast<TFormBorderStyle>(2);
  EXPECT_EQ(LMDGetCtrlBorderWidth(true, single), 2);
  EXPECT_EQ(LMDGetCtrlBorderWidth(false, single), 1);
  EXPECT_EQ(LMDGetCtrlBorderWidth(true, none), 0);
  EXPECT_EQ(LMDGetCtrlBorderWidth(true, sizeable), 0);
}

}  // namespace
