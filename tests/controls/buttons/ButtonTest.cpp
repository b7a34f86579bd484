// TLMDButton on a shown form (headless display): an owner-drawn BUTTON window that clicks, and
// its plain face in the parent's colour with the caption in its own font.
#include <gtest/gtest.h>

#include "../../framework/ControlTestSupport.h"
#include "ExtCtrls.h"
#include "LMDButton.h"

namespace {

struct ClickCounter : TObject {
  void Clicked(TObject*) { ++Count; }
  int Count = 0;
};

class ButtonTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 200, 80);
    panel_ = new TPanel(form_);
    panel_->SetParent(form_);
    panel_->SetBounds(0, 0, 200, 80);
    panel_->SetColor(static_cast<TColor>(0x0093AAB5));
    button_ = new TLMDButton(form_);
    button_->SetParent(panel_);
    button_->SetBounds(10, 20, 70, 25);
    button_->SetCaption("Instaluj");
    button_->Font()->SetColor(static_cast<TColor>(0x00DAEEF3));
    button_->Font()->SetStyle(TFontStyles{fsBold});
    button_->OnClick = TNotifyEvent(&clicks_, &ClickCounter::Clicked);
    WinportDispatchPending();
  }

  COLORREF Pixel(int x, int y) const {
    POINT p = button_->ClientToScreen(POINT{x, y});
    return WinportScreenPixel(p.x, p.y);
  }

  TForm* form_ = nullptr;
  TPanel* panel_ = nullptr;
  TLMDButton* button_ = nullptr;
  ClickCounter clicks_;
};

TEST_F(ButtonTest, IsAnOwnerDrawnPushButtonOfTheDocumentedSize) {
  TLMDButton fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 75);
  EXPECT_EQ(fresh.Height(), 25);
  EXPECT_TRUE(fresh.ParentColor());
  const LONG style = GetWindowLongA(button_->Handle(), GWL_STYLE);
  EXPECT_EQ(style & 0x0F, BS_OWNERDRAW);
  char className[32] = {};
  GetClassNameA(button_->Handle(), className, sizeof className);
  EXPECT_STRCASEEQ(className, "TLMDButton");
}

TEST_F(ButtonTest, AClickRunsOnClickOnceAndADoubleClickTwice) {
  const POINT centre = ScreenPointOf(button_, 35, 12);
  WinportMouseClick(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_EQ(clicks_.Count, 1);
  WinportMouseClick(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_EQ(clicks_.Count, 2);
}

TEST_F(ButtonTest, TheFaceIsRaisedInTheParentColourWithTheCaptionInItsFont) {
  const COLORREF face = RGB(0xB5, 0xAA, 0x93);
  EXPECT_EQ(Pixel(0, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(69, 24), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(Pixel(4, 4), face);
  int captionPixels = 0;
  for (int y = 2; y < 23; ++y) {
    for (int x = 2; x < 68; ++x) captionPixels += Pixel(x, y) == RGB(0xF3, 0xEE, 0xDA);
  }
  EXPECT_GT(captionPixels, 40) << "the bold caption in the font colour";
}

TEST_F(ButtonTest, PressedItPaintsSunkenAndFocused) {
  const POINT centre = ScreenPointOf(button_, 35, 12);
  WinportMouseDown(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  // Focused by the press: a black frame, inside it the sunken edge.
  EXPECT_EQ(Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNSHADOW));
  WinportMouseUp(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_NE(Pixel(1, 1), GetSysColor(COLOR_BTNSHADOW)) << "raised again";
  EXPECT_EQ(GetWindowLongA(button_->Handle(), GWL_STYLE) & 0x0F, BS_OWNERDRAW) << "focus keeps it owner-drawn";
  EXPECT_EQ(clicks_.Count, 1);
}

}  // namespace
