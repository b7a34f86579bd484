// The windowless buttons on a shown form, driven by injected mouse input and the virtual clock:
// state sequences, toggle groups, repeated clicks, the combo area, see-through pictures, the
// faces per style and state, and form text.
#include <gtest/gtest.h>

#include "../../framework/ControlTestSupport.h"
#include "../../platform/user32/IdleScript.h"
#include "../paint/FormTextSupport.h"
#include "LMDBitmapList.h"
#include "LMDContainer.h"
#include "LMDCustomMMButton.h"
#include "LMDOfficeButton.h"
#include "LMDSpeedButton.h"
#include "Menus.h"

#include <string>
#include <vector>

using enum TLMDButtonState;
using enum TLMDUserButtonStyle;

namespace {

struct ClickCounter : TObject {
  void Clicked(TObject*) { ++Count; }
  int Count = 0;
};

class GraphicButtonTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 200, 80);
    first_ = AddSpeedButton(10, 10);
    second_ = AddSpeedButton(60, 10);
    WinportMouseMove(0, 0);
    WinportDispatchPending();
  }

  TLMDSpeedButton* AddSpeedButton(int x, int y) {
    auto* button = new TLMDSpeedButton(form_);
    button->SetParent(form_);
    button->SetBounds(x, y, 23, 22);
    button->OnClick = TNotifyEvent(&clicks_, &ClickCounter::Clicked);
    return button;
  }

  // The pointer moves, and the application has its idle moment, in which it tells controls
  // that the mouse entered or left them.
  static void MoveTo(TControl* control, int x, int y) {
    const POINT at = ScreenPointOf(control, x, y);
    WinportMouseMove(at.x, at.y);
    WinportDispatchPending();
    IdleScript wake([] { return PostMessageA(nullptr, WM_NULL, 0, 0) != FALSE; });
    Application->HandleMessage();
    WinportDispatchPending();
  }
  static void Press(TControl* control, int x = 5, int y = 5) {
    MoveTo(control, x, y);
    const POINT at = ScreenPointOf(control, x, y);
    WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportDispatchPending();
  }
  static void Release(TControl* control, int x = 5, int y = 5) {
    const POINT at = ScreenPointOf(control, x, y);
    WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportDispatchPending();
  }
  static void ClickOn(TControl* control) {
    Press(control);
    Release(control);
  }
  COLORREF Pixel(TControl* control, int x, int y) const {
    const POINT at = ScreenPointOf(control, x, y);
    return WinportScreenPixel(at.x, at.y);
  }

  TForm* form_ = nullptr;
  TLMDSpeedButton* first_ = nullptr;
  TLMDSpeedButton* second_ = nullptr;
  ClickCounter clicks_;
};

TEST_F(GraphicButtonTest, UpHotDownUpFollowsThePointer) {
  struct Step {
    const char* what;
    void (*act)(TControl*);
    TLMDButtonState state;
    int clicks;
  };
  const Step steps[] = {
      {"enter", [](TControl* b) { MoveTo(b, 5, 5); }, bsMouseOver, 0},
      {"press", [](TControl* b) { Press(b); }, bsDown, 0},
      {"drag off", [](TControl* b) { MoveTo(b, 40, 40); }, bsUp, 0},
      {"drag back", [](TControl* b) { MoveTo(b, 5, 5); }, bsDown, 0},
      {"release", [](TControl* b) { Release(b); }, bsMouseOver, 1},
      {"leave", [](TControl* b) { MoveTo(b, 60, 60); }, bsUp, 1},
      {"press and release off it", [](TControl* b) {
         Press(b);
         MoveTo(b, 60, 60);
         Release(b, 60, 60);
       }, bsUp, 1},
  };
  for (const Step& step : steps) {
    step.act(first_);
    EXPECT_EQ(first_->State(), step.state) << step.what;
    EXPECT_EQ(clicks_.Count, step.clicks) << step.what;
  }
}

TEST_F(GraphicButtonTest, ThePointerLeavingUnnoticedEndsTheHotStateOnTheHoverTimer) {
  MoveTo(first_, 5, 5);
  ASSERT_EQ(first_->State(), bsMouseOver);
  SetCursorPos(0, 0);  // no mouse message reaches the form
  WinportAdvanceClock(150, TRUE);
  EXPECT_EQ(first_->State(), bsUp);
}

TEST_F(GraphicButtonTest, GroupsKeepOneButtonDown) {
  struct Case {
    bool allowAllUp;
    bool secondPressedAfterItsSecondClick;
  };
  for (const Case c : {Case{false, true}, Case{true, false}}) {
    SCOPED_TRACE(c.allowAllUp);
    for (TLMDSpeedButton* button : {first_, second_}) {
      button->SetAllowAllUp(true);
      button->SetPressed(false);
      button->SetGroupIndex(1);
      button->SetAllowAllUp(c.allowAllUp);
    }
    ClickOn(first_);
    EXPECT_TRUE(first_->Pressed());
    ClickOn(second_);
    EXPECT_TRUE(second_->Pressed());
    EXPECT_FALSE(first_->Pressed()) << "pressing the second releases the first";
    EXPECT_EQ(first_->State(), bsUp);
    ClickOn(second_);
    EXPECT_EQ(second_->Pressed(), c.secondPressedAfterItsSecondClick);
    MoveTo(form_, 150, 70);
    EXPECT_EQ(second_->State(), c.secondPressedAfterItsSecondClick ? bsOptionSet : bsUp);
  }
}

TEST_F(GraphicButtonTest, HeldDownItClicksAtOnceThenAfterTheDelayThenAtTheInterval) {
  first_->SetRepeatedClick(true);
  Press(first_);
  EXPECT_EQ(clicks_.Count, 1) << "at the press";
  WinportAdvanceClock(499, TRUE);
  EXPECT_EQ(clicks_.Count, 1);
  WinportAdvanceClock(1, TRUE);
  EXPECT_EQ(clicks_.Count, 2) << "after 500 ms";
  WinportAdvanceClock(300, TRUE);
  EXPECT_EQ(clicks_.Count, 5) << "every 100 ms";
  MoveTo(form_, 150, 70);
  WinportAdvanceClock(300, TRUE);
  EXPECT_EQ(clicks_.Count, 5) << "paused off the button";
  MoveTo(first_, 5, 5);
  WinportAdvanceClock(100, TRUE);
  EXPECT_EQ(clicks_.Count, 6);
  Release(first_);
  WinportAdvanceClock(500, TRUE);
  EXPECT_EQ(clicks_.Count, 6) << "none at the release, none after";
}

struct RecordingMenu : TPopupMenu {
  explicit RecordingMenu(TComponent* owner) : TPopupMenu(owner) {}
  void Popup(int x, int y) override {
    At = POINT{x, y};
    ++Opened;
  }
  POINT At{-1, -1};
  int Opened = 0;
};

TEST_F(GraphicButtonTest, TheComboAreaOpensTheMenuAndTheRestPresses) {
  auto* menu = new RecordingMenu(form_);
  first_->SetDropDownMenu(menu);
  first_->SetDropDownCombo(true);
  EXPECT_EQ(first_->Width(), 35) << "widened by the combo area";
  Press(first_, 30, 5);
  EXPECT_EQ(menu->Opened, 1);
  EXPECT_EQ(menu->At.x, ScreenPointOf(first_, 0, 0).x);
  EXPECT_EQ(menu->At.y, ScreenPointOf(first_, 0, 22).y);
  Release(first_, 30, 5);
  EXPECT_EQ(clicks_.Count, 0);
  ClickOn(first_);
  EXPECT_EQ(menu->Opened, 1);
  EXPECT_EQ(clicks_.Count, 1);
  first_->SetDropDownCombo(false);
  EXPECT_EQ(first_->Width(), 23);
  Press(first_);
  EXPECT_EQ(menu->Opened, 2) << "without the combo area the whole button opens the menu";
  Release(first_);
}

TEST_F(GraphicButtonTest, AcceleratorsClickAndToggle) {
  first_->SetCaption("&Nowy");
  form_->Perform(CM_DIALOGCHAR, 'n', 0);
  EXPECT_EQ(clicks_.Count, 1);
  second_->SetCaption("&Gruby");
  second_->SetGroupIndex(2);
  form_->Perform(CM_DIALOGCHAR, 'g', 0);
  EXPECT_TRUE(second_->Pressed());
  EXPECT_EQ(clicks_.Count, 2);
  EXPECT_EQ(second_->State(), bsOptionSet);
}

// A 20 × 20 picture: a blue disc on fuchsia, the fuchsia being its transparent colour.
TBitmap* Disc(TLMDBitmapList& list) {
  auto* item = list.Item(list.Add());
  TBitmap picture;
  picture.SetSize(20, 20);
  picture.Canvas()->Brush()->SetColor(clFuchsia);
  picture.Canvas()->FillRect(RECT{0, 0, 20, 20});
  picture.Canvas()->Brush()->SetColor(clBlue);
  picture.Canvas()->Pen()->SetColor(clBlue);
  picture.Canvas()->Ellipse(0, 0, 20, 20);
  item->SetBitmap(&picture);
  return item->Bitmap();
}

TEST_F(GraphicButtonTest, APictureButtonTakesClicksOnlyOnItsVisiblePixels) {
  auto* list = new TLMDBitmapList(form_);
  Disc(*list);
  auto* below = AddSpeedButton(100, 30);
  below->SetBounds(100, 30, 30, 30);
  ClickCounter belowClicks;
  below->OnClick = TNotifyEvent(&belowClicks, &ClickCounter::Clicked);
  auto* picture = new TLMDCustomMMButton(form_);
  picture->SetParent(form_);
  picture->SetBounds(100, 30, 20, 20);
  picture->SetButtonFaceImageList(list);
  ClickCounter pictureClicks;
  picture->OnClick = TNotifyEvent(&pictureClicks, &ClickCounter::Clicked);
  form_->Repaint();
  WinportDispatchPending();

  EXPECT_EQ(Pixel(picture, 10, 10), RGB(0, 0, 255));
  EXPECT_EQ(Pixel(picture, 0, 0), ColorToRGB(clBtnFace)) << "the fuchsia corner shows the button's colour";
  ClickOn(picture);  // (5, 5) lies on the disc
  EXPECT_EQ(pictureClicks.Count, 1);
  Press(picture, 1, 1);
  Release(picture, 1, 1);
  EXPECT_EQ(pictureClicks.Count, 1) << "a see-through pixel";
  EXPECT_EQ(belowClicks.Count, 1) << "goes to the button beneath";
}

TEST_F(GraphicButtonTest, APictureButtonShowsTheUpPictureForAMissingHotOne) {
  auto* list = new TLMDBitmapList(form_);
  Disc(*list);
  auto* picture = new TLMDCustomMMButton(form_);
  picture->SetParent(form_);
  picture->SetBounds(100, 30, 20, 20);
  picture->SetButtonFaceImageList(list);
  picture->SetAllowMouseOver(true);
  picture->SetButtonFaceIndex(bsMouseOver, LMDFaceIndex(5, 0));
  form_->Repaint();  // hits are tested against the picture where the last paint put it
  MoveTo(picture, 10, 10);
  EXPECT_EQ(picture->State(), bsMouseOver);
  EXPECT_EQ(Pixel(picture, 10, 10), RGB(0, 0, 255));
  picture->SetButtonFaceStyle(TLMDBitmapStyle::sbAutosize);
  list->Item(0)->Bitmap()->SetSize(40, 30);
  picture->Repaint();
  EXPECT_EQ(picture->Width(), 40);
  EXPECT_EQ(picture->Height(), 30);
}

TEST_F(GraphicButtonTest, SpeedButtonFacesPerStyleAndState) {
  // Pixels of a 23 × 22 button: the top-left corner, the edge one pixel in, and the middle.
  struct Case {
    TLMDUserButtonStyle style;
    TLMDButtonState state;
    COLORREF corner, inner;
  };
  const COLORREF face = ColorToRGB(clBtnFace);
  const COLORREF light = ColorToRGB(clBtnHighlight);
  const COLORREF shadow = ColorToRGB(clBtnShadow);
  const COLORREF dark = ColorToRGB(cl3DDkShadow);
  const Case cases[] = {
      {ubsFlat, bsUp, face, face},           {ubsFlat, bsMouseOver, light, face},
      {ubsFlat, bsDown, shadow, face},       {ubsWin40, bsUp, light, face},
      {ubsWin40, bsDown, dark, shadow},  // a soft sunken edge      {ubsWin31, bsUp, face, light},
      {ubsDelphi, bsUp, RGB(0, 0, 0), light}, {ubsFlat, bsDisabledUp, face, face},
      {ubsIntegrated, bsUp, face, RGB(255, 255, 255)}, {ubsIntegrated, bsDown, RGB(128, 128, 128), face},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.style)) + "/" + std::to_string(static_cast<int>(c.state)));
    first_->SetStyle(c.style);
    first_->SetEnabled(c.state != bsDisabledUp);
    if (c.state == bsMouseOver) MoveTo(first_, 5, 5);
    if (c.state == bsDown) Press(first_);
    form_->Repaint();
    WinportDispatchPending();
    EXPECT_EQ(first_->State(), c.state);
    EXPECT_EQ(Pixel(first_, 0, 0), c.corner);
    EXPECT_EQ(Pixel(first_, 1, 1), c.inner);
    if (c.state == bsDown) Release(first_);
    MoveTo(form_, 150, 70);
  }
}

TEST_F(GraphicButtonTest, ExplorerStylesAreTransparentAndOfficeButtonsFlat) {
  first_->SetStyle(ubsExplorer);
  EXPECT_TRUE(first_->Transparent());
  EXPECT_TRUE(first_->UnColorMain());
  first_->SetStyle(ubsFlat);
  EXPECT_FALSE(first_->Transparent());
  EXPECT_FALSE(first_->UnColorMain());
  TLMDOfficeButton office(nullptr);
  EXPECT_EQ(office.Style(), ubsFlat);
  EXPECT_FALSE(office.ControlStyle().Contains(TControlStyleItem::csOpaque));
  EXPECT_EQ(FormText(&office).find("  Style = "), std::string::npos) << "ubsFlat is the office button's default";
}

TEST(GraphicButtonForms, FormTextRoundTripsEveryButton) {
  TLMDSpeedButton speed(nullptr);
  speed.SetStyle(ubsWin31);
  speed.SetGroupIndex(3);
  speed.SetPressed(true);
  speed.SetDropDownComboWidth(16);
  speed.SetGlyphKind(TLMDGlyphKind::gkFolder);
  TLMDSpeedButton speedCopy(nullptr);
  LoadFormText(FormText(&speed), &speedCopy);
  EXPECT_EQ(FormBinary(&speedCopy), FormBinary(&speed));
  EXPECT_TRUE(speedCopy.Pressed());
  EXPECT_EQ(speedCopy.Glyph()->Width(), 13) << "the kind's picture is stored as the glyph";

  TLMDCustomMMButton picture(nullptr);
  for (int state = 0; state < 8; ++state) {
    picture.SetButtonFaceIndex(static_cast<TLMDButtonState>(state), LMDFaceIndex(state, 10 + state));
  }
  picture.SetFaceTransparentColor(clLime);
  picture.SetCaptionDown(2);
  const std::string text = FormText(&picture);
  // The image indices of the states in order, then the list indices from the last state down.
  const size_t images = text.find("0A0000000B0000000C0000000D0000000E0000000F0000001000000011000000");
  EXPECT_NE(images, std::string::npos) << text;
  EXPECT_GT(text.find("0700000006000000050000000400000003000000020000000100000000000000}"), images) << text;
  TLMDCustomMMButton pictureCopy(nullptr);
  LoadFormText(text, &pictureCopy);
  EXPECT_EQ(pictureCopy.GetButtonFaceIndices(), picture.GetButtonFaceIndices());
  EXPECT_EQ(pictureCopy.FaceTransparentColor(), clLime);
  EXPECT_EQ(FormBinary(&pictureCopy), FormBinary(&picture));
}

TEST(GraphicButtonForms, AGlobalFaceListIsStoredByItsSignature) {
  TLMDCustomMMButton picture(nullptr);
  picture.SetButtonFaceImageList(LMDContainer->ImageList());
  const std::string text = FormText(&picture);
  EXPECT_NE(text.find("ButtonFace = 'LMDIML30'"), std::string::npos) << text;
  EXPECT_EQ(text.find("ButtonFaceImageList"), std::string::npos) << text;
  TLMDCustomMMButton copy(nullptr);
  LoadFormText(text, &copy);
  EXPECT_EQ(copy.ButtonFaceImageList(), LMDContainer->ImageList());
}

TEST(GraphicButtonForms, OlderFaceIndexLayoutsStillLoad) {
  const std::string text =
      "object B: TLMDCustomMMButton\n"
      "  ButtonFaceIndicesNew = {\n"
      "    0100000002000000030000000400000005000000060000000700000008000000\n"
      "    090000000A0000000B0000000C0000000D0000000E000000}\n"
      "end\n";
  TLMDCustomMMButton button(nullptr);
  LoadFormText(text, &button);
  EXPECT_EQ(button.GetButtonFaceIndex(bsUp), LMDFaceIndex(1, 8));
  EXPECT_EQ(button.GetButtonFaceIndex(bsDragOver), LMDFaceIndex(6, 13));
}

}  // namespace
