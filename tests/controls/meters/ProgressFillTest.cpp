// The progress fill on a shown form (headless display): how often the bar is drawn, where the
// bar lies for each direction, what the installer's bar looks like, the percentage and caption
// texts, and that a hidden meter leaves its parent alone.
#include <gtest/gtest.h>
#include <winport.h>

#include <Forms.h>
#include <LMDBitmapList.h>
#include <TForm.h>
#include <TPanel.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "../paint/FormTextSupport.h"
#include "../paint/PaintTestSupport.h"
#include "LMDProgressFill.h"

using enum TAlignment;
using enum TFormBorderStyle;
using enum TLMDBevelMode;
using enum TLMDBorderStyle;
using enum TLMDFillStyle;
using enum TLMDMeterDirection;
using enum TLMDMeterTextOptions;
using enum TLMDThreeDStyle;
using enum TLMDTileMode;

namespace {

class CountingFill : public TLMDProgressFill {
 public:
  explicit CountingFill(TComponent* owner) : TLMDProgressFill(owner) {}
  int Bars = 0;
  RECT Bar{}, Rest{}, Whole{};

 protected:
  void DrawBar(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole) override {
    ++Bars;
    Bar = bar;
    Rest = rest;
    Whole = whole;
    TLMDProgressFill::DrawBar(canvas, bar, rest, whole);
  }
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ProgressFillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WinportSetDisplay("headless");
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(100, 100, 240, 60);
    form_->SetColor(clBtnFace);
    fill_ = new CountingFill(form_.get());
    fill_->SetParent(form_.get());
    fill_->SetBounds(3, 20, 218, 17);
    fill_->SetBar3D(lsRaised);
    fill_->Bevel()->SetMode(bmCustom);
    fill_->SetColor(clBtnFace);
    fill_->FillObject()->SetStyle(sfGradient);
    fill_->FillObject()->Gradient()->SetColor(clGreen);
    form_->Show();
    form_->Update();
  }

  // The colour of a pixel of the bar, in its own coordinates.
  COLORREF Pixel(int x, int y) const { return WinportScreenPixel(100 + 3 + x, 100 + 20 + y); }
  // How many pixels of the control's rectangle, in its own coordinates, have the colour.
  int Count(const RECT& area, TColor color) const {
    auto shown = Snapshot();
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += shown->Canvas()->Pixel(x, y) == color ? 1 : 0;
    }
    return count;
  }
  // The control as it shows on the screen.
  std::unique_ptr<TBitmap> Snapshot() const {
    auto bitmap = MakeSurface(fill_->Width(), fill_->Height(), clBlack);
    HDC dc = GetDC(form_->Handle());
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, fill_->Width(), fill_->Height(), dc, fill_->Left(), fill_->Top(),
           SRCCOPY);
    ReleaseDC(form_->Handle(), dc);
    return bitmap;
  }

  std::unique_ptr<TForm> form_;
  CountingFill* fill_ = nullptr;
};

TEST_F(ProgressFillTest, AnInstallationOfManyFilesDrawsTheBarOncePerPercent) {
  fill_->SetMaxValue(3290);
  fill_->SetUserValue(81);
  fill_->Bars = 0;
  fill_->SetUserValue(0);
  for (int file = 1; file <= 3290; ++file) fill_->SetUserValue(fill_->UserValue() + 1);
  EXPECT_EQ(fill_->Bars, 101);  // the empty bar once, then every whole percent
  EXPECT_EQ(fill_->Position(), 100);
  fill_->SetUserValue(3291);
  EXPECT_EQ(fill_->Bars, 101);
  EXPECT_EQ(fill_->UserValue(), 3290);
}

TEST_F(ProgressFillTest, TheBarGrowsFromTheLeftInsideTheLoweredBevel) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  fill_->SetUserValue(50);
  // Lowered one-pixel bevel: shadow on the top-left, highlight on the bottom-right.
  EXPECT_EQ(Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(217, 16), GetSysColor(COLOR_BTNHIGHLIGHT));
  // The bar covers half of the 216 pixels inside: the green gradient, darkening downwards,
  // inside a raised two-pixel edge, then the face.
  EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(3, 3), RGB(0, 111, 0));
  EXPECT_EQ(Pixel(50, 8), RGB(0, 68, 0));
  EXPECT_EQ(Pixel(1 + 106, 8), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(1 + 107, 8), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(Pixel(1 + 108, 8), face);
  EXPECT_EQ(Pixel(200, 8), face);
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  WinportWindowScreenshot(form_->Handle(), TAWO_TEST_OUTPUT_DIR "/progress-fill-half.png");
}

TEST_F(ProgressFillTest, AHiddenMeterDrawsNothingOnItsParent) {
  fill_->Hide();
  form_->Update();
  const COLORREF before = Pixel(50, 8);
  fill_->Bars = 0;
  fill_->SetUserValue(60);
  EXPECT_EQ(fill_->Bars, 0);
  EXPECT_EQ(Pixel(50, 8), before);
  fill_->Show();
  form_->Update();
  EXPECT_EQ(Pixel(50, 8), RGB(0, 68, 0));
}

TEST_F(ProgressFillTest, AListPictureBarShowsTheListItemUntilTheListIsFreed) {
  auto* list = new TLMDBitmapList(form_.get());
  list->Item(list->Add())->SetBitmap(MakeSurface(4, 4, clRed).get());
  fill_->SetBar3D(lsNone);
  fill_->FillObject()->SetStyle(sfBitmapList);
  fill_->SetImageList(list);
  fill_->SetUserValue(50);
  form_->Update();
  EXPECT_EQ(Pixel(10, 8), RGB(255, 0, 0)) << "the tiled item";
  EXPECT_EQ(Pixel(200, 8), GetSysColor(COLOR_BTNFACE));

  delete list;
  form_->Update();
  EXPECT_EQ(fill_->ImageList(), nullptr);
  EXPECT_TRUE(fill_->FillObject()->ListBitmap()->Empty());
  EXPECT_EQ(Pixel(10, 8), GetSysColor(COLOR_BTNFACE)) << "only the bar's back colour is left";
}

TEST_F(ProgressFillTest, SettingBar3DOrTheBackColourToTheirValueRepaintsNothing) {
  form_->Update();
  fill_->Bars = 0;
  fill_->SetBar3D(lsRaised);
  fill_->SetBack(clBtnFace);
  EXPECT_EQ(fill_->Bars, 0);
  fill_->SetBar3D(lsLowered);
  EXPECT_EQ(fill_->Bars, 1);
}

TEST_F(ProgressFillTest, TheInstallersBarMatchesThePaintedPartsPixelForPixel) {
  fill_->SetUserValue(81);
  const std::string shown = ReadFile(WritePicture(*Snapshot(), "progress-fill-81.png"));
  ASSERT_FALSE(shown.empty());
  EXPECT_TRUE(shown == ReadFile(TAWO_SOURCE_DIR "/tests/golden/progress-bar-parts.png"));
}

TEST_F(ProgressFillTest, TheBarStartsAtTheEdgeTheDirectionNames) {
  struct Case {
    TLMDMeterDirection direction;
    RECT bar;
    RECT rest;
  };
  // 50 % of the 216 × 15 pixels inside the bevel.
  const Case cases[] = {
      {mdHorizontal, {0, 0, 108, 15}, {108, 0, 216, 15}},
      {mdVertical, {0, 0, 216, 7}, {0, 7, 216, 15}},
      {mdHorizontalReverse, {108, 0, 216, 15}, {0, 0, 108, 15}},
      {mdVerticalReverse, {0, 8, 216, 15}, {0, 0, 216, 8}},
  };
  fill_->SetPercentValue(50);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.direction)));
    fill_->SetDirection(c.direction);
    EXPECT_TRUE(SameRect(fill_->Bar, c.bar)) << RectText(fill_->Bar);
    EXPECT_TRUE(SameRect(fill_->Rest, c.rest)) << RectText(fill_->Rest);
    EXPECT_TRUE(SameRect(fill_->Whole, RECT{0, 0, 216, 15}));
  }
  fill_->SetPercentValue(0);
  EXPECT_TRUE(IsRectEmpty(&fill_->Bar));
  EXPECT_TRUE(SameRect(fill_->Rest, fill_->Whole)) << "an empty bar leaves the whole meter as the rest";
  EXPECT_EQ(Count(RECT{1, 1, 217, 16}, GetSysColor(COLOR_BTNFACE)), 216 * 15) << "no edge around an empty bar";
  fill_->SetPercentValue(100);
  EXPECT_TRUE(IsRectEmpty(&fill_->Rest));
}

TEST_F(ProgressFillTest, SmallMovesBelowDeltaAreSkippedUnlessThePercentageIsShown) {
  fill_->SetDelta(5);
  fill_->Bars = 0;
  for (int percent = 1; percent <= 10; ++percent) fill_->SetPercentValue(static_cast<TLMDPercent>(percent));
  EXPECT_EQ(fill_->Bars, 2) << "at 5 and 10 %";
  fill_->SetTextOptions(toPercent);
  fill_->Bars = 0;
  for (int percent = 11; percent <= 15; ++percent) fill_->SetPercentValue(static_cast<TLMDPercent>(percent));
  EXPECT_EQ(fill_->Bars, 5) << "a percentage text shows every change";
}

TEST_F(ProgressFillTest, LookChangesRepaintOnlyWhenTheValueDiffers) {
  fill_->Bars = 0;
  fill_->SetAlignment(taCenter);
  fill_->SetTextOptions(toNoText);
  fill_->SetUseFontColor(false);
  fill_->SetDirection(mdHorizontal);
  EXPECT_EQ(fill_->Bars, 0);
  fill_->SetAlignment(taLeftJustify);
  fill_->SetTextOptions(toCaption);
  fill_->SetUseFontColor(true);
  fill_->Font3D()->SetStyle(tdRaised);
  fill_->SetCaption("Kopiowanie");
  fill_->FillObject()->Gradient()->SetColor(clNavy);
  EXPECT_EQ(fill_->Bars, 6);
}

TEST(ProgressFillStreaming, TheInstallersSettingsAndTheTextSettingsRoundTrip) {
  TLMDProgressFill original(nullptr);
  original.SetName("LMDProgressFill1");
  original.SetBar3D(lsRaised);
  original.FillObject()->SetStyle(sfGradient);
  original.FillObject()->Gradient()->SetColor(clGreen);
  original.FillObject()->SetTileMode(tmCenter);
  original.SetTextOptions(toPercent);
  original.SetAlignment(taRightJustify);
  original.SetUseFontColor(true);
  original.Font3D()->SetStyle(tdShadow);
  original.SetIndex(1, 2);
  original.SetAbout("TAWO");
  original.SetMaxValue(3290);
  original.SetUserValue(81);

  const AnsiString text = FormText(&original);
  for (const char* line : {"  Bar3D = lsRaised\n", "  FillObject.Style = sfGradient\n",
                           "  FillObject.Gradient.Color = clGreen\n", "  FillObject.TileMode = tmCenter\n",
                           "  OptionsText = toPercent\n", "  Alignment = taRightJustify\n", "  UseFontColor = True\n",
                           "  Font3D.Style = tdShadow\n", "  ListIndex = 2\n", "  About = 'TAWO'\n"}) {
    EXPECT_NE(text.find(Crlf(line)), std::string::npos) << line << text;
  }
  EXPECT_EQ(text.find("ImageIndex"), std::string::npos) << "defaults are not stored";

  TLMDProgressFill copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_EQ(copy.UserValue(), 81);
  copy.SetIndex(0, -1);
  EXPECT_EQ(copy.GetIndex(0), 0) << "a negative index is ignored";
}

// The framework's panel bevels and the library's share the names bvNone, bvLowered and bvRaised;
// in one form text each property reads the name as a value of its own type.
TEST(ProgressFillStreaming, APanelAndAFillInsideStreamBevelsOfTheSameNames) {
  RegisterClass(TLMDProgressFill::ClassInfo());
  auto original = std::make_unique<TPanel>(nullptr);  // deleted as a whole with its child
  original->SetBevelInner(TBevelCut::bvRaised);
  original->SetBevelOuter(TBevelCut::bvLowered);
  auto* fill = new TLMDProgressFill(original.get());
  fill->SetName("Fill1");
  fill->SetParent(original.get());
  fill->Bevel()->SetBevelStyleOuter(TLMDBevelStyle::bvRaised);

  const AnsiString text = FormText(original.get());
  for (const char* line : {"  BevelInner = bvRaised\n", "  BevelOuter = bvLowered\n", "    Bevel.StyleOuter = bvRaised\n"}) {
    EXPECT_NE(text.find(Crlf(line)), std::string::npos) << line << text;
  }
  auto copy = std::make_unique<TPanel>(nullptr);
  LoadFormText(text, copy.get());
  EXPECT_EQ(copy->BevelInner(), TBevelCut::bvRaised);
  EXPECT_EQ(copy->BevelOuter(), TBevelCut::bvLowered);
  auto* copiedFill = dynamic_cast<TLMDProgressFill*>(copy->FindComponent("Fill1"));
  ASSERT_NE(copiedFill, nullptr);
  EXPECT_EQ(copiedFill->Bevel()->StyleOuter(), TLMDBevelStyle::bvRaised);
}

// "50%" centred on a half-full bar lies over both parts of the meter.
class PercentTextTest : public ProgressFillTest {
 protected:
  void SetUp() override {
    ProgressFillTest::SetUp();
    fill_->SetBar3D(lsNone);
    fill_->SetColor(clWhite);
    fill_->Font()->SetColor(clBlack);
    fill_->SetTextOptions(toPercent);
    fill_->SetPercentValue(50);
  }
  const RECT barPart_{1, 1, 109, 16};
  const RECT restPart_{109, 1, 217, 16};
};

TEST_F(PercentTextTest, ABrushFillShowsTheTextInTheBackgroundOverTheBarAndInTheBrushElsewhere) {
  fill_->FillObject()->SetStyle(sfBrush);
  fill_->FillObject()->Brush()->SetColor(clRed);
  EXPECT_GT(Count(barPart_, RGB(255, 255, 255)), 0) << "text over the bar";
  EXPECT_GT(Count(restPart_, RGB(255, 0, 0)), 0) << "text over the rest";
  EXPECT_EQ(Count(RECT{1, 1, 217, 16}, RGB(0, 0, 0)), 0) << "the font colour is not used";
  EXPECT_EQ(Count(barPart_, RGB(255, 0, 0)) + Count(barPart_, RGB(255, 255, 255)), 108 * 15);
  WritePicture(*Snapshot(), "progress-fill-percent.png");
}

TEST_F(PercentTextTest, PictureFillsShowTheRestOfTheTextInTheFontColour) {
  fill_->FillObject()->Gradient()->SetEndColor(clLime);
  EXPECT_GT(Count(restPart_, RGB(0, 0, 0)), 0);
  EXPECT_GT(Count(barPart_, RGB(255, 255, 255)), 0);
  EXPECT_EQ(Count(barPart_, RGB(0, 0, 0)), 0);

  fill_->SetUseFontColor(true);
  EXPECT_GT(Count(barPart_, RGB(0, 0, 0)), 0) << "one pass in the font colour across the meter";
  EXPECT_EQ(Count(barPart_, RGB(255, 255, 255)), 0);
}

TEST_F(PercentTextTest, TheCaptionIsAlignedAsAsked) {
  fill_->SetPercentValue(0);
  fill_->SetCaption("Kopiowanie");
  fill_->SetTextOptions(toCaption);
  fill_->SetAlignment(taLeftJustify);
  EXPECT_GT(Count(RECT{1, 1, 60, 16}, RGB(0, 0, 0)), 0);
  EXPECT_EQ(Count(RECT{160, 1, 217, 16}, RGB(0, 0, 0)), 0);
  fill_->SetAlignment(taRightJustify);
  EXPECT_EQ(Count(RECT{1, 1, 60, 16}, RGB(0, 0, 0)), 0);
  EXPECT_GT(Count(RECT{160, 1, 217, 16}, RGB(0, 0, 0)), 0);
}

}  // namespace
