#include <gtest/gtest.h>

#include <LMDBevel.h>
#include <LMDSimpleBevel.h>

#include "FormTextSupport.h"
#include "PaintObjectsHolder.h"
#include "PaintTestSupport.h"

using enum TLMDBevelMode;
using enum TLMDBevelStyle;
using enum TLMDBorderStyle;
using enum TLMDEdgeStyle;
using enum TLMDFrameSide;
using enum TLMDSimpleBevelStyle;

namespace {

constexpr TColor kBack = 0x00FF00;
const std::map<TColor, char> kLegend{{kBack, '.'},    {0xFFFFFF, 'W'}, {0x808080, 'G'},
                                     {0xC8D0D4, 'F'}, {0x404040, 'D'}, {0x0000FF, 'R'}};

TEST(TLMDBevel, InstallersProgressBarBevelIsOneSunkenPixel) {
  TLMDBevel bevel;
  bevel.SetBevelStyleOuter(bvLowered);
  EXPECT_EQ(bevel.Extend(), 1);
  EXPECT_EQ(bevel.FarExtend(), 1);
  const RECT client{0, 0, 10, 6};
  EXPECT_EQ(RectText(bevel.ClientRect(client)), "(1, 1, 9, 5)");

  auto surface = MakeSurface(10, 6, kBack);
  EXPECT_EQ(RectText(bevel.PaintBevel(surface->Canvas(), client, false)), "(1, 1, 9, 5)");
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "GGGGGGGGGW\n"
            "G........W\n"
            "G........W\n"
            "G........W\n"
            "G........W\n"
            "GWWWWWWWWW\n");
}

TEST(TLMDBevel, ShadowStylesTravelTogether) {
  TLMDBevel bevel;
  bevel.SetBevelStyleOuter(bvShadow);
  EXPECT_EQ(bevel.StyleInner(), bvShadow);
  bevel.SetBevelStyleOuter(bvLowered);
  EXPECT_EQ(bevel.StyleInner(), bvNone);
  bevel.SetBevelStyleInner(bvRaised);
  bevel.SetBevelStyleInner(bvShadow);
  EXPECT_EQ(bevel.StyleOuter(), bvShadow);
  bevel.SetBevelStyleInner(bvFrameRaised);
  EXPECT_EQ(bevel.StyleOuter(), bvNone);
}

TEST(TLMDBevel, ShadowExtentsAndClientRectangle) {
  TLMDBevel bevel;
  bevel.SetBevelStyleOuter(bvShadow);
  bevel.SetBevelWidthOuter(4);
  bevel.SetBevelWidthInner(1);
  EXPECT_EQ(bevel.Extend(), 1);
  EXPECT_EQ(bevel.FarExtend(), 5);
  const RECT rect{0, 0, 100, 50};
  EXPECT_EQ(RectText(bevel.ClientRect(rect)), "(1, 1, 95, 45)");
  auto surface = MakeSurface(100, 50, kBack);
  EXPECT_EQ(RectText(bevel.PaintBevel(surface->Canvas(), rect, false)), "(1, 1, 95, 45)");
  EXPECT_EQ(surface->Canvas()->Pixel(97, 1), ColorToRGB(clBtnFace)) << "corner square in BorderColor";
  EXPECT_EQ(surface->Canvas()->Pixel(97, 10), ColorToRGB(clBtnShadow));

  bevel.SetBorderSpace(2);
  EXPECT_EQ(bevel.Extend(), 3);
  EXPECT_EQ(bevel.FarExtend(), 7);
  EXPECT_EQ(RectText(bevel.ClientRect(rect)), "(3, 3, 93, 43)");

  auto transparent = MakeSurface(100, 50, kBack);
  EXPECT_EQ(RectText(bevel.PaintBevel(transparent->Canvas(), rect, true)), "(3, 3, 93, 43)");
  EXPECT_EQ(transparent->Canvas()->Pixel(97, 1), kBack) << "transparent: no corner squares";
  EXPECT_EQ(transparent->Canvas()->Pixel(2, 2), kBack) << "transparent: no spacing ring";
}

TEST(TLMDBevel, CustomExtentsAddEveryRingAndMatchThePaintedInterior) {
  TLMDBevel bevel;
  bevel.SetBevelStyleOuter(bvFrameRaised);
  bevel.SetBevelWidthOuter(2);
  EXPECT_EQ(bevel.Extend(), 3) << "frame styles add one pixel";

  bevel.SetBevelStyleOuter(bvRaised);
  bevel.SetBorderWidth(3);
  bevel.SetBorderSpace(1);
  bevel.SetBevelStyleInner(bvFrameLowered);
  EXPECT_EQ(bevel.Extend(), 2 + 3 + 1 + 2);

  const RECT rect{0, 0, 30, 24};
  auto surface = MakeSurface(30, 24, kBack);
  const RECT inside = bevel.PaintBevel(surface->Canvas(), rect, false);
  EXPECT_EQ(RectText(inside), RectText(bevel.ClientRect(rect)));
  EXPECT_EQ(surface->Canvas()->Pixel(3, 12), ColorToRGB(clBtnFace)) << "border ring in BorderColor";
  EXPECT_EQ(surface->Canvas()->Pixel(8, 12), kBack) << "the interior is left alone";

  TLMDBevel none;
  none.SetBorderWidth(2);
  EXPECT_EQ(none.Extend(), 2) << "no bevels: the border ring alone";
}

TEST(TLMDBevel, EveryModePaintsExactlyItsExtent) {
  struct Case {
    TLMDBevelMode mode;
    TLMDBorderStyle standard;
    int spacing;
  };
  const Case cases[] = {{bmStandard, lsSingleLowered, 0}, {bmStandard, lsDoubleRaised, 1}, {bmStandard, lsRaisedExt, 0},
                        {bmStandard, lsNone, 2},          {bmEdge, lsNone, 0},             {bmEdge, lsNone, 3},
                        {bmWindows, lsNone, 0},           {bmWindows, lsNone, 1}};
  for (const Case& c : cases) {
    TLMDBevel bevel;
    bevel.SetMode(c.mode);
    bevel.SetStyle(c.standard);
    bevel.SetBorderSpace(c.spacing);
    const RECT rect{0, 0, 20, 16};
    auto surface = MakeSurface(20, 16, kBack);
    const RECT inside = bevel.PaintBevel(surface->Canvas(), rect, false);
    EXPECT_EQ(RectText(inside), RectText(bevel.ClientRect(rect))) << "mode " << int(c.mode) << " style " << int(c.standard);
  }
}

TEST(TLMDBevel, EdgeModeWithoutSidesAndPartialSides) {
  TLMDBevel bevel;
  bevel.SetMode(bmEdge);
  EXPECT_EQ(bevel.Extend(), 2);
  bevel.SetBorderSides(TLMDFrameSides{});
  EXPECT_EQ(bevel.Extend(), 0);
  auto surface = MakeSurface(8, 6, kBack);
  EXPECT_EQ(RectText(bevel.PaintBevel(surface->Canvas(), RECT{0, 0, 8, 6}, false)), "(0, 0, 8, 6)");
  EXPECT_EQ(PixelMap(*surface, kLegend).find_first_not_of(".\n"), std::string::npos);

  bevel.SetBorderSides(TLMDFrameSides{fsTop});
  bevel.SetEdgeStyle(etSunken);
  EXPECT_EQ(RectText(bevel.PaintBevel(surface->Canvas(), RECT{0, 0, 8, 6}, false)), "(2, 2, 6, 4)")
      << "two pixels off every side, whichever sides are drawn";
  EXPECT_EQ(PixelMap(*surface, kLegend),
            "GGGGGGGG\n"
            "DDDDDDDD\n"
            "........\n"
            "........\n"
            "........\n"
            "........\n");
}

TEST(TLMDBevel, WindowsModeAndWindowRecreation) {
  TLMDBevel bevel;
  bevel.SetMode(bmWindows);
  EXPECT_EQ(bevel.Extend(), 2);
  EXPECT_FALSE(bevel.GetRecreateWnd());

  TLMDBevel native;
  native.SetSupportNativeBorder(true);
  native.SetMode(bmWindows);
  EXPECT_EQ(native.Extend(), 0);
  EXPECT_TRUE(native.GetRecreateWnd());
  EXPECT_TRUE(native.GetRecreateWnd()) << "keeps answering true while the mode stays bmWindows";
  native.SetMode(bmCustom);
  EXPECT_TRUE(native.GetRecreateWnd()) << "leaving bmWindows asks once";
  EXPECT_FALSE(native.GetRecreateWnd());
  native.SetMode(bmStandard);
  EXPECT_FALSE(native.GetRecreateWnd());
}

TEST(TLMDBevel, StandardStyleNotifiesOnlyInStandardMode) {
  TPaintObjectsHolder holder(nullptr);
  TLMDBevel& bevel = *holder.Bevel();
  bevel.SetBevelStyleOuter(bvLowered);
  const int before = holder.Changes;
  bevel.SetStyle(lsDoubleRaised);
  EXPECT_EQ(holder.Changes, before);
  EXPECT_EQ(bevel.Extend(), 1);
  bevel.SetMode(bmStandard);
  EXPECT_EQ(holder.Changes, before + 1);
  EXPECT_EQ(bevel.Extend(), 2);
  bevel.SetStyle(lsSingle);
  EXPECT_EQ(holder.Changes, before + 2);
  EXPECT_EQ(bevel.Extend(), 1);

  bevel.SetColor(1, clBtnHighlight);
  EXPECT_EQ(holder.Changes, before + 2) << "same colour";
  bevel.SetColor(3, clRed);
  EXPECT_EQ(holder.Changes, before + 3) << "an unknown index only notifies";
  EXPECT_THROW(bevel.SetBevelWidthOuter(51), ERangeError);
}

TEST(TLMDBevel, AssignCopiesEverythingWithOneNotification) {
  TLMDBevel source;
  source.SetMode(bmEdge);
  source.SetBevelStyleOuter(bvRaised);
  source.SetBevelStyleInner(bvFrameLowered);
  source.SetBevelWidthOuter(3);
  source.SetBevelWidthInner(2);
  source.SetBorderWidth(4);
  source.SetBorderSpace(5);
  source.SetBorderSides(TLMDFrameSides{fsLeft, fsTop});
  source.SetEdgeStyle(etBump);
  source.SetColor(0, clRed);
  source.SetColor(1, clYellow);
  source.SetColor(2, clNavy);
  source.SetStyle(lsFrameInset);
  source.SetSupportNativeBorder(true);

  TPaintObjectsHolder holder(nullptr);
  holder.SetBevel(&source);
  EXPECT_EQ(holder.Changes, 1);
  const TLMDBevel& copy = *holder.Bevel();
  EXPECT_EQ(copy.Mode(), bmEdge);
  EXPECT_EQ(copy.StyleOuter(), bvRaised);
  EXPECT_EQ(copy.StyleInner(), bvFrameLowered);
  EXPECT_EQ(copy.WidthOuter(), 3);
  EXPECT_EQ(copy.WidthInner(), 2);
  EXPECT_EQ(copy.BorderWidth(), 4);
  EXPECT_EQ(copy.BorderInnerWidth(), 5);
  EXPECT_EQ(copy.BorderSides(), (TLMDFrameSides{fsLeft, fsTop}));
  EXPECT_EQ(copy.EdgeStyle(), etBump);
  EXPECT_EQ(copy.BorderColor(), clRed);
  EXPECT_EQ(copy.LightColor(), clYellow);
  EXPECT_EQ(copy.ShadowColor(), clNavy);
  EXPECT_EQ(copy.StandardStyle(), lsFrameInset);
  EXPECT_TRUE(copy.SupportNativeBorder());
  EXPECT_EQ(copy.Extend(), 2 + 5);
}

TEST(TLMDBevel, SummaryNamesTheMode) {
  TLMDBevel bevel;
  EXPECT_EQ(bevel.GetSetStr(), "{Custom style}");
  bevel.SetMode(bmStandard);
  EXPECT_EQ(bevel.GetSetStr(), "{Standard style}");
  bevel.SetMode(bmEdge);
  EXPECT_EQ(bevel.GetSetStr(), "{Etged style}");
  bevel.SetMode(bmWindows);
  EXPECT_EQ(bevel.GetSetStr(), "{Windows style}");
}

TEST(TLMDSimpleBevel, SettersSummaryAndAssign) {
  TPaintObjectsHolder holder(nullptr);
  TLMDSimpleBevel& bevel = *holder.SimpleBevel();
  EXPECT_EQ(bevel.GetSetStr(), "{Normal}");
  bevel.SetWidth(2);
  bevel.SetColor(2, clBlack);
  EXPECT_EQ(holder.Changes, 0);
  bevel.SetStyle(sbOffset);
  EXPECT_EQ(bevel.GetSetStr(), "{Offset}");
  bevel.SetColor(0, clRed);
  bevel.SetColor(5, clRed);
  EXPECT_EQ(holder.Changes, 3);
  EXPECT_EQ(bevel.LightColor(), clRed);
  EXPECT_THROW(bevel.SetWidth(-1), ERangeError);

  TLMDSimpleBevel source;
  source.SetWidth(7);
  source.SetStyle(sbInset);
  source.SetColor(1, clGreen);
  source.SetColor(2, clBlue);
  holder.SetSimpleBevel(&source);
  EXPECT_EQ(holder.Changes, 4);
  EXPECT_EQ(bevel.GetSetStr(), "{Inset}");
  EXPECT_EQ(bevel.Width(), 7);
  EXPECT_EQ(bevel.ShadowColor(), clGreen);
  EXPECT_EQ(bevel.Color(), clBlue);
  EXPECT_EQ(bevel.LightColor(), clBtnHighlight);
}

TEST(TLMDBevel, FormDescriptionRoundTripWithSimpleBevel) {
  TPaintObjectsHolder original(nullptr);
  original.SetName("Holder");
  TLMDBevel& bevel = *original.Bevel();
  bevel.SetMode(bmStandard);
  bevel.SetBevelStyleOuter(bvShadow);
  bevel.SetBevelWidthOuter(4);
  bevel.SetBorderSides(TLMDFrameSides{fsBottom, fsRight});
  bevel.SetBorderSpace(2);
  bevel.SetEdgeStyle(etSunkenOuter);
  bevel.SetColor(2, clNavy);
  bevel.SetStyle(lsDoubleLowered);
  original.SimpleBevel()->SetStyle(sbInset);
  original.SimpleBevel()->SetColor(0, clWhite);

  const AnsiString text = FormText(&original);
  EXPECT_EQ(text, Crlf("object Holder: TPaintObjectsHolder\n"
                       "  Bevel.StyleInner = bvShadow\n"
                       "  Bevel.StyleOuter = bvShadow\n"
                       "  Bevel.WidthOuter = 4\n"
                       "  Bevel.BorderSides = [fsBottom, fsRight]\n"
                       "  Bevel.BorderInnerWidth = 2\n"
                       "  Bevel.EdgeStyle = etSunkenOuter\n"
                       "  Bevel.Mode = bmStandard\n"
                       "  Bevel.ShadowColor = clNavy\n"
                       "  Bevel.StandardStyle = lsDoubleLowered\n"
                       "  SimpleBevel.Style = sbInset\n"
                       "  SimpleBevel.LightColor = clWhite\n"
                       "end\n"));

  TPaintObjectsHolder copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_EQ(copy.Bevel()->Extend(), 2 + 2) << "extents follow the loaded properties";
}

}  // namespace
