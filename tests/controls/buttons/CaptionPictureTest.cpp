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

namespace {

constexpr int kRowHeight = 30;
constexpr int kNameWidth = 100;
constexpr int kWidth = 360;

const char* const kStyleNames[] = {"tdNone",         "tdSunken",       "tdRaised", "tdSunkenShadow",
                                   "tdRaisedShadow", "tdPColorSunken", "tdPColorRaised",
                                   "tdShadow",       "tdOutline",      "tdExtrude", "tdExtrudeEnh"};

std::unique_ptr<TFont> MakeFont(const char* name, int height) {
  auto font = std::make_unique<TFont>();
  font->SetName(name);
  font->SetHeight(height);
  font->SetStyle(TFontStyles{fsBold});
  font->SetColor(clWindowText);
  return font;
}

// Draws one cell and tells whether it received any text pixel.
bool DrawCell(TCanvas& canvas, TFont* font, const AnsiString& text, const TLMD3DCaption* effect, const RECT& cell,
              TLMDDrawTextStyles styles) {
  canvas.SetFont(font);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(cell);
  LMDDrawTextExt(&canvas, text, effect, cell, DT_SINGLELINE | DT_VCENTER | DT_CENTER, styles, nullptr);
  for (int y = cell.top; y < cell.bottom; ++y) {
    for (int x = cell.left; x < cell.right; ++x) {
      if (canvas.Pixel(x, y) != ColorToRGB(clBtnFace)) return true;
    }
  }
  return false;
}

class CaptionPicture : public VisualTest {};

TEST_F(CaptionPicture, EveryStyleInTheButtonColours) {
  const int rows = 11 + 1;
  const int rotatedHeight = 90;
  auto bitmap = MakeSurface(kWidth, rows * kRowHeight + rotatedHeight, clBtnFace);
  TCanvas& canvas = *bitmap->Canvas();
  auto label = std::make_unique<TFont>();
  auto sansSerif = MakeFont("MS Sans Serif", -11);
  auto arial = MakeFont("Arial", -20);

  TLMDFxCaption effect;
  effect.SetDepth(1, 2);
  for (int style = tdNone; style <= tdExtrudeEnh; ++style) {
    SCOPED_TRACE(kStyleNames[style]);
    effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
    const int top = style * kRowHeight;
    DrawCell(canvas, label.get(), kStyleNames[style], nullptr, RECT{0, top, kNameWidth, top + kRowHeight},
             TLMDDrawTextStyles{dtEnabled});
    // A raster font has no glyph outlines to stroke.
    EXPECT_EQ(DrawCell(canvas, sansSerif.get(), "Instaluj", &effect,
                       RECT{kNameWidth, top, kNameWidth + 100, top + kRowHeight}, TLMDDrawTextStyles{dtEnabled}),
              style != tdOutline);
    EXPECT_TRUE(DrawCell(canvas, arial.get(), "Instaluj", &effect, RECT{kNameWidth + 100, top, kWidth, top + kRowHeight},
                         TLMDDrawTextStyles{dtEnabled}));
  }

  const int disabledTop = 11 * kRowHeight;
  effect.SetStyle(tdNone);
  DrawCell(canvas, label.get(), "disabled", nullptr, RECT{0, disabledTop, kNameWidth, disabledTop + kRowHeight},
           TLMDDrawTextStyles{dtEnabled});
  const TLMDDrawTextStyles disabled{dtDisabled, dt3DDisabled};
  EXPECT_TRUE(DrawCell(canvas, sansSerif.get(), "Usuń"_a, &effect,
                       RECT{kNameWidth, disabledTop, kNameWidth + 100, disabledTop + kRowHeight}, disabled));
  EXPECT_TRUE(DrawCell(canvas, arial.get(), "Usuń"_a, &effect,
                       RECT{kNameWidth + 100, disabledTop, kWidth, disabledTop + kRowHeight}, disabled));

  const int rotatedTop = 12 * kRowHeight;
  DrawCell(canvas, label.get(), "rotated", nullptr, RECT{0, rotatedTop, kNameWidth, rotatedTop + kRowHeight},
           TLMDDrawTextStyles{dtEnabled});
  effect.SetStyle(tdRaisedShadow);
  int left = kNameWidth;
  for (int angle : {90, 45, 315}) {
    effect.SetAngle(angle);
    RECT box{0, 0, 0, 0};
    LMDDrawTextCalc("TAWO", &effect, box, arial.get(), false, true, 0, 0);
    OffsetRect(&box, left, rotatedTop);
    EXPECT_TRUE(DrawCell(canvas, arial.get(), "TAWO", &effect, box, TLMDDrawTextStyles{dtEnabled})) << angle;
    left = box.right + 10;
  }

  TForm* form = ShowForm(0, 0, bitmap->Width(), bitmap->Height());
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(0, 0, bitmap->Width(), bitmap->Height());
  image->Picture()->SetBitmap(bitmap.get());
  WinportDispatchPending();
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  EXPECT_TRUE(WinportWindowScreenshot(form->Handle(), TAWO_TEST_OUTPUT_DIR "/caption-effects.png"));
}

}  // namespace
