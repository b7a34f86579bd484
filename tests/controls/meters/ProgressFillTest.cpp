// The progress fill on a shown form (headless display): how often the bar is drawn, what it
// looks like, and that a hidden meter leaves its parent alone.
#include <gtest/gtest.h>
#include <winport.h>

#include <Forms.h>
#include <TForm.h>

#include <filesystem>
#include <memory>

#include "LMDProgressFill.h"

namespace {

class CountingFill : public TLMDProgressFill {
 public:
  explicit CountingFill(TComponent* owner) : TLMDProgressFill(owner) {}
  int Bars = 0;

 protected:
  void DrawBar(TCanvas* canvas, const RECT& bar, const RECT& rest, const RECT& whole) override {
    ++Bars;
    TLMDProgressFill::DrawBar(canvas, bar, rest, whole);
  }
};

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
  // The bar covers half of the 216 pixels inside: green inside a raised two-pixel edge, then
  // the face.
  EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(3, 3), RGB(0, 128, 0));
  EXPECT_EQ(Pixel(50, 8), RGB(0, 128, 0));
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
  EXPECT_EQ(Pixel(50, 8), RGB(0, 128, 0));
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

}  // namespace
