// Button faces painted on memory bitmaps: the pixels of every face family, the content and
// focus rectangles, the background rules of the checked and explorer faces, and the border
// widths of the styles.
#include <gtest/gtest.h>

#include <LMDUtilsButtonFace.h>

#include "../paint/PaintTestSupport.h"

#include <vector>

using enum TLMDButtonState;
using enum TLMDUserButtonStyle;

namespace {

constexpr TColor kGreen = 0x00FF00;  // the surface before painting: shows what a face leaves alone
constexpr TColor kRed = 0x0000FF;

const std::map<TColor, char>& Legend() {
  static const std::map<TColor, char> legend{
      {ColorToRGB(clBtnFace), 'F'}, {ColorToRGB(clBtnHighlight), 'W'}, {ColorToRGB(clBtnShadow), 'S'},
      {ColorToRGB(cl3DDkShadow), 'D'}, {clBlack, 'K'}, {kGreen, 'g'}, {kRed, 'r'}};
  return legend;
}

struct Face {
  std::unique_ptr<TBitmap> Bitmap;
  RECT Content;
};

Face Paint(int width, int height, TLMDUserButtonStyle style, TLMDButtonState state, uint16_t options,
           TColor color = clBtnFace, bool plainChecked = false) {
  Face face{MakeSurface(width, height, kGreen), RECT{0, 0, width, height}};
  LMDDrawBtnFace(face.Bitmap->Canvas(), plainChecked, face.Content, style, state, options, color);
  return face;
}

std::string Map(const Face& face) { return PixelMap(*face.Bitmap, Legend()); }

std::vector<TColor> Pixels(TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas()->Pixel(x, y));
  }
  return pixels;
}

// True when the focused face carries its focus rectangle exactly at `focus`: drawing the
// rectangle there once more removes it, and the face equals the one painted without it.
bool FocusRectangleAt(Face& focused, const Face& unfocused, const RECT& focus) {
  focused.Bitmap->Canvas()->DrawFocusRect(focus);
  return Pixels(*focused.Bitmap) == Pixels(*unfocused.Bitmap);
}

const char* const kRaisedFace =
    "WWWWWWWD\n"
    "WFFFFFSD\n"
    "WFFFFFSD\n"
    "WFFFFFSD\n"
    "WSSSSSSD\n"
    "DDDDDDDD\n";

TEST(ButtonFaceStyles, BorderWidthAndFlatness) {
  EXPECT_EQ(LMDGetButtonBevel(ubsWin31, bsUp), 3);
  for (auto style : {ubsWin40, ubsDelphi, ubsDelphiFlat, ubsNavigator, ubsIntegrated}) {
    EXPECT_EQ(LMDGetButtonBevel(style, bsDown), 2) << int(style);
  }
  for (auto style : {ubsFlat, ubsFlatUnColored, ubsExplorer, ubsExplorerColored}) {
    EXPECT_EQ(LMDGetButtonBevel(style, bsUp), 1) << int(style);
  }
  for (auto style : {ubsDelphiFlat, ubsFlat, ubsFlatUnColored, ubsNavigator, ubsExplorer, ubsExplorerColored}) {
    EXPECT_TRUE(LMDDrawBtnIsFlat(style)) << int(style);
  }
  for (auto style : {ubsAutoDetect, ubsWin31, ubsWin40, ubsDelphi, ubsIntegrated}) {
    EXPECT_FALSE(LMDDrawBtnIsFlat(style)) << int(style);
  }
}

TEST(ButtonFaceStyles, AutoDetectFollowsNewStyleControls) {
  ASSERT_TRUE(NewStyleControls) << "the platform reports version 4 or later";
  EXPECT_EQ(LMDGetButtonBevel(ubsAutoDetect, bsUp), 2);
  NewStyleControls = false;
  const int oldStyleBevel = LMDGetButtonBevel(ubsAutoDetect, bsUp);
  const std::string oldStyleFace = Map(Paint(10, 8, ubsAutoDetect, bsUp, 1));
  NewStyleControls = true;
  EXPECT_EQ(oldStyleBevel, 3);
  EXPECT_EQ(oldStyleFace, Map(Paint(10, 8, ubsWin31, bsUp, 1)));
}

TEST(ButtonFaceStyles, ValuesOutsideTheEnumerationsAreRefused) {
  auto bitmap = MakeSurface(10, 10, kGreen);
  RECT rect{0, 0, 10, 10};
  EXPECT_THROW(LMDDrawBtnFace(bitmap->Canvas(), false, rect, static_cast<TLMDUserButtonStyle>(11), bsUp, 0, clRed),
               ERangeError);
  EXPECT_THROW(LMDDrawBtnFace(bitmap->Canvas(), false, rect, ubsWin40, static_cast<TLMDButtonState>(8), 0, clRed),
               ERangeError);
  EXPECT_THROW(LMDGetButtonBevel(static_cast<TLMDUserButtonStyle>(200)), ERangeError);
  EXPECT_EQ(PixelMap(*bitmap, RECT{0, 0, 2, 1}, Legend()), "gg\n") << "nothing painted before the error";
}

// The windowed button's look: ubsAutoDetect with new-style controls, without bevelled faces.
TEST(PlainWin40Face, UpIsTheRaisedFrameOverTheFilledFace) {
  EXPECT_EQ(Map(Paint(8, 6, ubsAutoDetect, bsUp, 1)), kRaisedFace);
  EXPECT_EQ(RectText(Paint(70, 25, ubsAutoDetect, bsUp, 1).Content), "(3, 3, 67, 22)");
}

TEST(PlainWin40Face, FocusedAddsTheDarkFrameAndTheFocusRectangle) {
  Face focused = Paint(70, 25, ubsAutoDetect, bsUp, 3);
  const Face framed = Paint(70, 25, ubsAutoDetect, bsUp, 1 | 32);
  EXPECT_EQ(RectText(focused.Content), "(4, 4, 66, 21)");
  EXPECT_EQ(RectText(framed.Content), "(4, 4, 66, 21)");
  EXPECT_TRUE(FocusRectangleAt(focused, framed, RECT{4, 4, 66, 21}));
  const std::string corners = PixelMap(*framed.Bitmap, RECT{0, 0, 3, 3}, Legend()) +
                              PixelMap(*framed.Bitmap, RECT{67, 22, 70, 25}, Legend());
  EXPECT_EQ(corners,
            "DDD\n"
            "DWW\n"
            "DWF\n"
            "SDD\n"
            "DDD\n"
            "DDD\n");
}

TEST(PlainWin40Face, DownIsABlackAndAGrayOutlineWithoutTheDarkFrame) {
  EXPECT_EQ(Map(Paint(8, 6, ubsWin40, bsDown, 1)),
            "KKKKKKKK\n"
            "KSSSSSSK\n"
            "KSFFFFSK\n"
            "KSFFFFSK\n"
            "KSSSSSSK\n"
            "KKKKKKKK\n");
  Face focused = Paint(70, 25, ubsWin40, bsDown, 3);
  const Face unfocused = Paint(70, 25, ubsWin40, bsDown, 1);
  EXPECT_EQ(RectText(focused.Content), "(4, 4, 68, 23)") << "shrunk by 3, moved by (1, 1)";
  EXPECT_TRUE(FocusRectangleAt(focused, unfocused, RECT{4, 4, 66, 21}));
}

TEST(PlainWin40Face, FillingTheDarkFrameUsesTheFaceColour) {
  const Face filled = Paint(12, 10, ubsWin40, bsUp, 32 | 16, kRed);
  const Face plain = Paint(12, 10, ubsWin40, bsUp, 32, kRed);
  EXPECT_EQ(PixelMap(*filled.Bitmap, RECT{5, 5, 6, 6}, Legend()), "F\n");
  EXPECT_EQ(PixelMap(*plain.Bitmap, RECT{5, 5, 6, 6}, Legend()), "r\n");
}

TEST(BevelledWin40Face, UpRaisedDownLoweredOrSunken) {
  EXPECT_EQ(Map(Paint(8, 6, ubsWin40, bsUp, 4)), kRaisedFace);
  EXPECT_EQ(Map(Paint(8, 6, ubsWin40, bsDown, 4)),
            "DDDDDDDW\n"
            "DSSSSSFW\n"
            "DSFFFFFW\n"
            "DSFFFFFW\n"
            "DFFFFFFW\n"
            "WWWWWWWW\n");
  EXPECT_EQ(Map(Paint(8, 6, ubsWin40, bsDropDownOpen, 4 | 8)),
            "SSSSSSSW\n"
            "SDDDDDFW\n"
            "SDFFFFFW\n"
            "SDFFFFFW\n"
            "SFFFFFFW\n"
            "WWWWWWWW\n");
  EXPECT_EQ(RectText(Paint(70, 25, ubsWin40, bsDisabledDown, 4).Content), "(4, 4, 68, 23)");
}

TEST(Win31Face, RoundedCornersAndTwoRaisedRings) {
  EXPECT_EQ(Map(Paint(10, 8, ubsWin31, bsUp, 1)),
            "FDDDDDDDDF\n"
            "DWWWWWWWSD\n"
            "DWWWWWWSSD\n"
            "DWWFFFFSSD\n"
            "DWWFFFFSSD\n"
            "DWSSSSSSSD\n"
            "DSSSSSSSSD\n"
            "FDDDDDDDDF\n");
  EXPECT_EQ(RectText(Paint(70, 25, ubsWin31, bsUp, 1).Content), "(4, 4, 66, 21)");
}

TEST(Win31Face, DownShadowsTopAndLeftOnly) {
  EXPECT_EQ(Map(Paint(10, 8, ubsWin31, bsDown, 0)),
            "DDDDDDDDDD\n"
            "DDDDDDDDDD\n"
            "DDFFFFFFFD\n"
            "DDFFFFFFFD\n"
            "DDFFFFFFFD\n"
            "DDFFFFFFFD\n"
            "DDFFFFFFFD\n"
            "DDDDDDDDDD\n");
  EXPECT_EQ(RectText(Paint(70, 25, ubsWin31, bsDown, 0).Content), "(5, 5, 67, 22)");
}

TEST(Win31Face, FocusedRoundsTheDarkFrameOnce) {
  const Face face = Paint(12, 10, ubsWin31, bsUp, 1 | 32);
  EXPECT_EQ(PixelMap(*face.Bitmap, RECT{0, 0, 3, 3}, Legend()),
            "FDD\n"
            "DDD\n"
            "DDW\n")
      << "the outer corners are rounded, the ring inside keeps its corners";
  EXPECT_EQ(RectText(face.Content), "(5, 5, 7, 5)");
}

TEST(FlatFaces, NoBorderUntilTheMouseIsOverOrTheButtonIsDown) {
  EXPECT_EQ(Map(Paint(6, 4, ubsFlat, bsUp, 0, kRed)),
            "rrrrrr\n"
            "rrrrrr\n"
            "rrrrrr\n"
            "rrrrrr\n");
  EXPECT_EQ(Map(Paint(6, 4, ubsFlat, bsMouseOver, 0, kRed)),
            "WWWWWS\n"
            "WrrrrS\n"
            "WrrrrS\n"
            "SSSSSS\n");
  EXPECT_EQ(Map(Paint(6, 4, ubsFlatUnColored, bsDown, 0, kRed)),
            "SSSSSW\n"
            "SrrrrW\n"
            "SrrrrW\n"
            "WWWWWW\n");
}

TEST(FlatFaces, DelphiFlatAndNavigatorOutlineWithTheCanvasPen) {
  for (auto style : {ubsDelphiFlat, ubsNavigator}) {
    EXPECT_EQ(Map(Paint(7, 5, style, bsMouseOver, 0, kRed)),
              "KKKKKKK\n"
              "KWWWWSK\n"
              "KWrrrSK\n"
              "KSSSSSK\n"
              "KKKKKKK\n")
        << int(style);
  }
  EXPECT_EQ(Map(Paint(7, 5, ubsDelphiFlat, bsUp, 0, kRed)).find('K'), std::string::npos);
}

TEST(FlatFaces, OptionSetIsCheckeredUnlessPlainCheckedIsAsked) {
  const Face checkered = Paint(8, 6, ubsFlat, bsOptionSet, 0, kRed);
  EXPECT_EQ(PixelMap(*checkered.Bitmap, RECT{1, 1, 7, 5}, Legend()),
            "WrWrWr\n"
            "rWrWrW\n"
            "WrWrWr\n"
            "rWrWrW\n")
      << "inside the sunken ring";
  EXPECT_EQ(RectText(checkered.Content), "(4, 4, 6, 4)") << "option set counts as down";
  EXPECT_EQ(checkered.Bitmap->Canvas()->Brush()->Bitmap(), nullptr) << "the shared pattern is not kept";

  const Face plain = Paint(8, 6, ubsFlat, bsOptionSet, 0, kRed, true);
  EXPECT_EQ(PixelMap(*plain.Bitmap, RECT{1, 1, 7, 5}, Legend()), 
            "rrrrrr\nrrrrrr\nrrrrrr\nrrrrrr\n");
  const Face bevelled = Paint(8, 6, ubsWin40, bsOptionSet, 4, kRed, true);
  EXPECT_EQ(PixelMap(*bevelled.Bitmap, RECT{2, 2, 4, 3}, Legend()), "Wr\n") << "plain checking is for flat faces";
}

TEST(ExplorerFaces, LeaveTheBackgroundAlone) {
  const Face up = Paint(70, 25, ubsExplorer, bsUp, 0, kRed);
  EXPECT_EQ(Pixels(*up.Bitmap), Pixels(*MakeSurface(70, 25, kGreen))) << "nothing painted";
  EXPECT_EQ(RectText(up.Content), "(3, 3, 67, 22)");
  EXPECT_EQ(Map(Paint(6, 4, ubsExplorerColored, bsMouseOver, 0, kRed)),
            "WWWWWS\n"
            "WggggS\n"
            "WggggS\n"
            "SSSSSS\n");
  EXPECT_EQ(Map(Paint(6, 4, ubsExplorer, bsOptionSet, 0, kRed)),
            "SSSSSW\n"
            "SggggW\n"
            "SggggW\n"
            "WWWWWW\n");
}

TEST(DelphiFace, BlackOutlineAroundARaisedRingOrGrayLines) {
  EXPECT_EQ(Map(Paint(8, 6, ubsDelphi, bsUp, 0)),
            "KKKKKKKK\n"
            "KWWWWWSK\n"
            "KWFFFFSK\n"
            "KWFFFFSK\n"
            "KSSSSSSK\n"
            "KKKKKKKK\n");
  EXPECT_EQ(Map(Paint(8, 6, ubsDelphi, bsDown, 0)),
            "KKKKKKKK\n"
            "KSSSSSSK\n"
            "KSFFFFFK\n"
            "KSFFFFFK\n"
            "KSFFFFFK\n"
            "KKKKKKKK\n");
}

TEST(IntegratedFace, LightTopLeftDarkBottomRightOrAGrayOutline) {
  EXPECT_EQ(Map(Paint(8, 6, ubsIntegrated, bsUp, 0)),
            "FFFFFFFK\n"
            "FWWWWWSK\n"
            "FWFFFFSK\n"
            "FWFFFFSK\n"
            "FSSSSSSK\n"
            "KKKKKKKK\n");
  EXPECT_EQ(Map(Paint(8, 6, ubsIntegrated, bsDown, 0)),
            "SSSSSSSS\n"
            "SFFFFFFS\n"
            "SFFFFFFS\n"
            "SFFFFFFS\n"
            "SFFFFFFS\n"
            "SSSSSSSS\n");
}

}  // namespace
