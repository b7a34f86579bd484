// A picture of every button face for looking at: one row per style (ubsAutoDetect to
// ubsIntegrated), one column per state (bsUp to bsDisabledDown), painted with the speed
// button's option word; a last row shows the windowed button's look up, focused, default,
// down and focused, default with a filled frame, and Win31 focused. Written to
// button-faces.png in the test output folder.
#include <gtest/gtest.h>

#include <LMDUtilsButtonFace.h>
#include <winport.h>

#include "../paint/PaintTestSupport.h"

#include <filesystem>
#include <utility>

using enum TLMDButtonState;
using enum TLMDUserButtonStyle;

namespace {

constexpr int kCellWidth = 64;
constexpr int kCellHeight = 24;
constexpr int kGap = 6;
constexpr int kColumns = 8;
constexpr int kRows = 12;
constexpr uint16_t kSpeedButtonOptions = 5;

RECT Cell(int column, int row) {
  const int left = kGap + column * (kCellWidth + kGap);
  const int top = kGap + row * (kCellHeight + kGap);
  return RECT{left, top, left + kCellWidth, top + kCellHeight};
}

std::unique_ptr<TBitmap> PaintAllFaces() {
  auto picture = MakeSurface(kGap + kColumns * (kCellWidth + kGap), kGap + kRows * (kCellHeight + kGap), clBtnFace);
  TCanvas* canvas = picture->Canvas();
  for (int style = static_cast<int>(ubsAutoDetect); style <= static_cast<int>(ubsIntegrated); ++style) {
    for (int state = static_cast<int>(bsUp); state <= static_cast<int>(bsDisabledDown); ++state) {
      RECT rect = Cell(state, style);
      LMDDrawBtnFace(canvas, false, rect, static_cast<TLMDUserButtonStyle>(style),
                     static_cast<TLMDButtonState>(state), kSpeedButtonOptions, clBtnFace);
    }
  }
  const std::pair<TLMDButtonState, uint16_t> windowed[] = {{bsUp, 1},    {bsUp, 3},    {bsUp, 0x21},
                                                           {bsDown, 3},  {bsUp, 0x31}, {bsDown, 1}};
  int column = 0;
  for (const auto& [state, options] : windowed) {
    RECT rect = Cell(column++, kRows - 1);
    LMDDrawBtnFace(canvas, false, rect, ubsAutoDetect, state, options, clBtnFace);
  }
  RECT win31 = Cell(column, kRows - 1);
  LMDDrawBtnFace(canvas, false, win31, ubsWin31, bsUp, 3, clBtnFace);
  return picture;
}

TEST(ButtonFacePicture, EveryStyleInEveryState) {
  auto picture = PaintAllFaces();
  const std::string path = WritePicture(*picture, "button-faces.png");
  ASSERT_FALSE(path.empty());
  EXPECT_GT(std::filesystem::file_size(path), 0u);
}

}  // namespace
