// One picture of every caption effect in the button colours, for looking at: the installer's
// bold MS Sans Serif and a bold Arial side by side, then the disabled look and rotated text.
// Shown on a form and written to caption-effects.png in the test output folder.
#include <gtest/gtest.h>

#include <LMDFXCaption.h>
#include <TImage.h>
#include <winport.h>

#include "../../framework/ControlTestSupport.h"
#include "CaptionTestSupport.h"

#include <filesystem>

using enum TBrushStyle;
using enum TFontStyle;
using enum TLMDDrawTextStyle;
using enum TLMDThreeDStyle;

namespace {

class CaptionPicture : public VisualTest {
 protected:
  // Draws one cell on the button face; true when it received any text pixel.
  bool DrawCell(const AnsiString& text, const TLMD3DCaption* effect, TFont* font, const RECT& cell,
                TLMDDrawTextStyles styles = {dtEnabled}) {
    TCanvas& canvas = *picture_->Canvas();
    canvas.SetFont(font);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(cell);
    LMDDrawTextExt(&canvas, text, effect, cell, DT_SINGLELINE | DT_VCENTER | DT_CENTER, styles, nullptr);
    auto copy = MakeSurface(cell.right - cell.left, cell.bottom - cell.top, clBtnFace);
    copy->Canvas()->CopyRect(RECT{0, 0, copy->Width(), copy->Height()}, &canvas, cell);
    return !PaintedPixels(*copy, ColorToRGB(clBtnFace)).empty();
  }

  std::unique_ptr<TBitmap> picture_ = MakeSurface(360, 12 * 30 + 90, clBtnFace);
  TFont label_;
};

std::unique_ptr<TFont> BoldFont(const char* name, int height) {
  auto font = std::make_unique<TFont>();
  font->SetName(name);
  font->SetHeight(height);
  font->SetStyle(TFontStyles{fsBold});
  return font;
}

TEST_F(CaptionPicture, EveryStyleInTheButtonColours) {
  const char* const names[] = {"tdNone",         "tdSunken",       "tdRaised", "tdSunkenShadow",
                               "tdRaisedShadow", "tdPColorSunken", "tdPColorRaised",
                               "tdShadow",       "tdOutline",      "tdExtrude", "tdExtrudeEnh"};
  auto sansSerif = BoldFont("MS Sans Serif", -11);
  auto arial = BoldFont("Arial", -20);
  TLMDFxCaption effect;
  effect.SetDepth(1, 2);
  for (int style = static_cast<int>(tdNone); style <= static_cast<int>(tdExtrudeEnh); ++style) {
    effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
    const int top = style * 30;
    DrawCell(names[style], nullptr, &label_, RECT{0, top, 100, top + 30});
    // A raster font has no glyph outlines to stroke.
    EXPECT_EQ(DrawCell("Instaluj", &effect, sansSerif.get(), RECT{100, top, 200, top + 30}), style != static_cast<int>(tdOutline));
    EXPECT_TRUE(DrawCell("Instaluj", &effect, arial.get(), RECT{200, top, 360, top + 30})) << names[style];
  }
  effect.SetStyle(tdNone);
  DrawCell("disabled", nullptr, &label_, RECT{0, 330, 100, 360});
  EXPECT_TRUE(DrawCell("Usuń"_a, &effect, sansSerif.get(), RECT{100, 330, 200, 360}, {dtDisabled, dt3DDisabled}));
  EXPECT_TRUE(DrawCell("Usuń"_a, &effect, arial.get(), RECT{200, 330, 360, 360}, {dtDisabled, dt3DDisabled}));

  DrawCell("rotated", nullptr, &label_, RECT{0, 360, 100, 390});
  effect.SetStyle(tdRaisedShadow);
  int left = 100;
  for (int angle : {90, 45, 315}) {
    effect.SetAngle(angle);
    RECT box{0, 0, 0, 0};
    LMDDrawTextCalc("TAWO", &effect, box, arial.get(), false, true, 0, 0);
    OffsetRect(&box, left, 360);
    EXPECT_TRUE(DrawCell("TAWO", &effect, arial.get(), box)) << angle;
    left = box.right + 10;
  }

  TForm* form = ShowForm(0, 0, picture_->Width(), picture_->Height());
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(0, 0, picture_->Width(), picture_->Height());
  image->Picture()->SetBitmap(picture_.get());
  WinportDispatchPending();
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  EXPECT_TRUE(WinportWindowScreenshot(form->Handle(), TAWO_TEST_OUTPUT_DIR "/caption-effects.png"));
}

}  // namespace
