// The installer's progress bar parts painted on a 218 × 17 bitmap: the client filled with
// clBtnFace, the lowered one-pixel custom bevel, the green vertical gradient over the bar of
// 81 % (buffered, as the fill object paints it) and the lsRaised edge around the bar.
// Compared byte for byte with tests/golden/progress-bar-parts.png; TAWO_UPDATE_GOLDEN=1
// rewrites the golden file instead.
#include <gtest/gtest.h>

#include <LMDBevel.h>
#include <LMDGradient.h>
#include <LMDUtils.h>
#include <winport.h>

#include "PaintTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

using enum TLMDBevelStyle;
using enum TLMDBorderStyle;

namespace {

const char* const kGolden = TAWO_SOURCE_DIR "/tests/golden/progress-bar-parts.png";
constexpr int kWidth = 218;
constexpr int kHeight = 17;
constexpr int kBarLength = 174;  // 81 % of the 216 pixels inside the bevel

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<TBitmap> PaintProgressBar() {
  auto control = MakeSurface(kWidth, kHeight, clBtnFace);
  TLMDBevel bevel;
  bevel.SetBevelStyleOuter(bvLowered);
  const RECT inside = bevel.PaintBevel(control->Canvas(), RECT{0, 0, kWidth, kHeight}, false);

  auto bar = MakeSurface(inside.right - inside.left, inside.bottom - inside.top, clBtnFace);
  TLMDGradient gradient;
  gradient.SetColor(clGreen);
  RECT barRect{0, 0, kBarLength, bar->Height()};
  LMDGradientPaintExt(bar->Canvas(), barRect, gradient.Style(), &gradient.ColorTable(), gradient.GetPalette(),
                      LMD_GRADIENT_BUFFER, 0);
  LMDDrawStdFrame(bar->Canvas(), barRect, lsRaised, 0);
  control->Canvas()->Draw(inside.left, inside.top, bar.get());
  return control;
}

TEST(ProgressBarParts, PixelsOfTheBevelTheBarAndItsEdge) {
  auto bitmap = PaintProgressBar();
  TCanvas& canvas = *bitmap->Canvas();
  EXPECT_EQ(canvas.Pixel(0, 0), ColorToRGB(clBtnShadow)) << "bevel: shadow at the top left";
  EXPECT_EQ(canvas.Pixel(217, 16), ColorToRGB(clBtnHighlight)) << "bevel: light at the bottom right";
  EXPECT_EQ(canvas.Pixel(1, 1), ColorToRGB(clBtnHighlight)) << "bar edge: outer top left";
  EXPECT_EQ(canvas.Pixel(174, 8), 0x404040) << "bar edge: outer right, the dark shadow";
  EXPECT_EQ(canvas.Pixel(3, 3), 0x006F00) << "gradient row 2 of 15: colour 2 of 16 (green 111)";
  EXPECT_EQ(canvas.Pixel(175, 8), ColorToRGB(clBtnFace)) << "the rest of the meter";
}

TEST(ProgressBarParts, GoldenImage) {
  auto bitmap = PaintProgressBar();
  const std::string actual = ReadFile(WritePicture(*bitmap, "progress-bar-parts.png"));
  ASSERT_FALSE(actual.empty());
  if (const char* update = std::getenv("TAWO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::ofstream(kGolden, std::ios::binary) << actual;
    GTEST_SKIP() << "golden image rewritten: " << kGolden;
  }
  EXPECT_TRUE(actual == ReadFile(kGolden)) << "the progress bar differs from " << kGolden
                                           << " (TAWO_UPDATE_GOLDEN=1 rewrites the golden image)";
}

}  // namespace
