// TLMDButton on a shown form (headless display): an owner-drawn BUTTON window that clicks, and
// its face per state, its caption placement, its repeated clicks and its form text.
#include <gtest/gtest.h>

#include "../../framework/ControlTestSupport.h"
#include "../paint/FormTextSupport.h"
#include "ActnList.h"
#include "ImgList.h"
#include "LMDBitmapList.h"
#include "LMDButton.h"
#include "LMDButtonBase.h"
#include "LMDButtonLayout.h"
#include "LMDFXCaption.h"
#include "Menus.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using enum TFontStyle;
using enum TLMDBoundsChangeState;
using enum TLMDButtonState;
using enum TLMDGlyphKind;
using enum TLMDNormalButtonStyle;

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
    form_->SetColor(static_cast<TColor>(0x0093AAB5));
    button_ = new TLMDButton(form_);
    button_->SetParent(form_);
    button_->SetBounds(10, 20, 70, 25);
    button_->SetCaption("Instaluj");
    button_->Font()->SetColor(static_cast<TColor>(0x00DAEEF3));
    button_->Font()->SetStyle(TFontStyles{fsBold});
    button_->OnClick = TNotifyEvent(&clicks_, &ClickCounter::Clicked);
    WinportDispatchPending();
  }

  static constexpr COLORREF kFace = RGB(0xB5, 0xAA, 0x93);
  static constexpr COLORREF kCaption = RGB(0xF3, 0xEE, 0xDA);

  RECT BoxOf(COLORREF colour) const;
  COLORREF Pixel(int x, int y) const {
    POINT p = button_->ClientToScreen(POINT{x, y});
    return WinportScreenPixel(p.x, p.y);
  }

  TForm* form_ = nullptr;
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

// The bounding box of the pixels in `colour` inside the button.
RECT ButtonTest::BoxOf(COLORREF colour) const {
  RECT box{70, 25, -1, -1};
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 70; ++x) {
      if (Pixel(x, y) != colour) continue;
      box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                 std::max<LONG>(box.bottom, y + 1)};
    }
  }
  return box;
}

TEST_F(ButtonTest, UpItIsRaisedInTheParentColourWithTheCaptionCentred) {
  EXPECT_EQ(Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(Pixel(69, 24), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(Pixel(68, 23), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(Pixel(1, 1), kFace);
  const RECT caption = BoxOf(kCaption);
  ASSERT_LT(caption.left, caption.right) << "the caption in the font colour";
  // Centred in the content rectangle (3, 3, 67, 22); the ink of a line sits a little high in
  // its text cell.
  EXPECT_LE(std::abs((caption.left - 3) - (67 - caption.right)), 1);
  EXPECT_LE(std::abs((caption.top - 3) - (22 - caption.bottom)), 2);
  EXPECT_EQ(button_->State(), bsUp);
}

TEST_F(ButtonTest, PressedItIsOutlinedAndFocusedItKeepsTheDarkFrame) {
  const POINT centre = ScreenPointOf(button_, 35, 12);
  WinportMouseDown(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_EQ(button_->State(), bsDown);
  EXPECT_EQ(Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(Pixel(1, 1), RGB(0x80, 0x80, 0x80));
  const RECT pressedCaption = BoxOf(kCaption);
  WinportMouseUp(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_EQ(button_->State(), bsUp);
  EXPECT_EQ(Pixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised inside the dark frame";
  EXPECT_NE(Pixel(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_NE(Pixel(4, 4), kFace) << "the focus rectangle";
  EXPECT_EQ(Pixel(5, 5), kFace);
  const RECT upCaption = BoxOf(kCaption);
  EXPECT_EQ(pressedCaption.left, upCaption.left + 1) << "the pressed caption moves by one pixel";
  EXPECT_EQ(GetWindowLongA(button_->Handle(), GWL_STYLE) & 0x0F, BS_OWNERDRAW) << "focus keeps it owner-drawn";
  EXPECT_EQ(clicks_.Count, 1);
}

TEST_F(ButtonTest, DisabledTheCaptionIsSunkenAndTheMouseIsNotGreeted) {
  ClickCounter entered;
  button_->OnMouseEnter = TNotifyEvent(&entered, &ClickCounter::Clicked);
  button_->SetEnabled(false);
  WinportDispatchPending();
  EXPECT_EQ(button_->State(), bsDisabledUp);
  EXPECT_EQ(BoxOf(kCaption).right, -1);
  int sunken = 0;
  for (int y = 3; y < 21; ++y) {
    for (int x = 3; x < 66; ++x) {
      sunken += Pixel(x, y) == GetSysColor(COLOR_GRAYTEXT) && Pixel(x + 1, y + 1) == GetSysColor(COLOR_BTNHIGHLIGHT);
    }
  }
  EXPECT_GT(sunken, 20) << "gray text over a highlight copy one pixel down and right";
  button_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(entered.Count, 0);
  button_->SetEnabled(true);
  WinportDispatchPending();
  button_->Perform(CM_MOUSELEAVE, 0, 0);
  button_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(entered.Count, 1);
}

TEST_F(ButtonTest, WithoutUseCaptionOnlyTheFaceIsPainted) {
  button_->SetUseCaption(false);
  WinportDispatchPending();
  EXPECT_EQ(button_->PaintedCaption(), "");
  EXPECT_EQ(BoxOf(kCaption).right, -1);
}

TEST(LMDButton, ARotatedCaptionKeepsATrueTypeFont) {
  TLMDButton button(nullptr);
  button.FontFX()->SetAngle(45);
  EXPECT_EQ(button.Font()->Name(), "Arial");
  EXPECT_EQ(button.FontFX()->Angle(), 45);
  EXPECT_FALSE(button.ParentFont());
  button.Font()->SetName("MS Sans Serif");
  EXPECT_EQ(button.FontFX()->Angle(), 0);
}

TEST_F(ButtonTest, HeldDownItClicksRepeatedlyWhileThePointerIsOnIt) {
  button_->SetRepeatedClick(true);
  const POINT centre = ScreenPointOf(button_, 35, 12);
  button_->Perform(CM_MOUSEENTER, 0, 0);
  WinportMouseDown(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  WinportAdvanceClock(1000, TRUE);
  EXPECT_EQ(clicks_.Count, 6) << "at 500, 600, ... 1000 ms";
  button_->Perform(CM_MOUSELEAVE, 0, 0);
  WinportAdvanceClock(300, TRUE);
  EXPECT_EQ(clicks_.Count, 6) << "paused off the button";
  button_->Perform(CM_MOUSEENTER, 0, 0);
  WinportMouseUp(WINPORT_BUTTON_LEFT, centre.x, centre.y);
  WinportDispatchPending();
  EXPECT_EQ(clicks_.Count, 7) << "the release clicks once more";
  WinportAdvanceClock(500, TRUE);
  EXPECT_EQ(clicks_.Count, 7) << "the timer stopped";
}

struct RecordingMenu : TPopupMenu {
  explicit RecordingMenu(TComponent* owner) : TPopupMenu(owner) {}
  void Popup(int x, int y) override {
    At = POINT{x, y};
    PushedWhileOpen = (SendMessageA(Button->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  }
  TLMDButton* Button = nullptr;
  POINT At{-1, -1};
  bool PushedWhileOpen = false;
};

TEST_F(ButtonTest, WithADropDownMenuAClickOpensItBelowOrBesideTheButton) {
  auto* menu = new RecordingMenu(form_);
  menu->Button = button_;
  ClickCounter droppedDown;
  button_->OnDropDown = TNotifyEvent(&droppedDown, &ClickCounter::Clicked);
  button_->SetModalResult(mrOk);
  button_->SetDropDownMenu(menu);
  button_->SetDropDownIndent(5);
  button_->Click();
  const POINT origin = ScreenPointOf(button_, 0, 0);
  EXPECT_EQ(menu->At.x, origin.x + 5);
  EXPECT_EQ(menu->At.y, origin.y + 25);
  EXPECT_TRUE(menu->PushedWhileOpen);
  EXPECT_FALSE(SendMessageA(button_->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
  EXPECT_EQ(clicks_.Count, 1);
  EXPECT_EQ(droppedDown.Count, 1);
  EXPECT_EQ(form_->ModalResult(), mrNone) << "a menu button does not close the form";
  button_->SetDropDownRight(true);
  button_->Click();
  EXPECT_EQ(menu->At.x, origin.x + 70);
  EXPECT_EQ(menu->At.y, origin.y + 5);
  menu->Free();
  EXPECT_EQ(button_->DropDownMenu(), nullptr);
}

TEST(LMDButton, TheGlyphFollowsTheImageListUntilOneIsSetDirectly) {
  TLMDButton button(nullptr);
  auto* list = new TLMDBitmapList(nullptr);
  for (int width : {16, 32}) {
    TBitmap picture;
    picture.SetWidth(width);
    picture.SetHeight(16);
    list->Item(list->Add())->SetBitmap(&picture);
  }
  button.SetImageList(list);
  EXPECT_EQ(button.Glyph()->Width(), 16);
  button.SetIndex(1, 1);
  EXPECT_EQ(button.Glyph()->Width(), 32);
  EXPECT_EQ(button.NumGlyphs(), 2);
  button.SetIndex(1, -1);
  EXPECT_EQ(button.GetIndex(1), 1) << "a negative index is ignored";
  button.SetIndex(1, 7);
  EXPECT_TRUE(button.Glyph()->Empty()) << "no item there";
  EXPECT_FALSE(button.GlyphStored());
  delete list;
  EXPECT_EQ(button.ImageList(), nullptr);
  auto* second = new TLMDBitmapList(nullptr);
  button.SetImageList(second);
  TBitmap own;
  own.SetWidth(8);
  own.SetHeight(8);
  button.SetGlyph(&own);
  EXPECT_EQ(button.ImageList(), nullptr) << "a glyph of its own detaches the list";
  EXPECT_EQ(button.Glyph()->Width(), 8);
  EXPECT_TRUE(button.GlyphStored());
  delete second;
}

TEST(LMDButton, GlyphKindsShowTheirOwnPictureInsteadOfTheList) {
  TLMDButton button(nullptr);
  TLMDBitmapList list(nullptr);
  TBitmap wide;
  wide.SetSize(16, 16);
  list.Item(list.Add())->SetBitmap(&wide);
  button.SetImageList(&list);
  std::set<std::string> pictures;
  for (int kind = static_cast<int>(gkEllipsis); kind <= static_cast<int>(gkFont); ++kind) {
    SCOPED_TRACE(kind);
    button.SetGlyphKind(static_cast<TLMDGlyphKind>(kind));
    TBitmap* glyph = button.Glyph();
    ASSERT_EQ(glyph->Width(), 13);
    ASSERT_EQ(glyph->Height(), 14);
    EXPECT_EQ(button.NumGlyphs(), 1);
    EXPECT_EQ(glyph->Canvas()->Pixel(0, 13), clFuchsia) << "the background is the transparent colour";
    EXPECT_TRUE(button.GlyphStored()) << "the picture is stored although a list is set";
    std::string pixels;
    for (int y = 0; y < 14; ++y) {
      for (int x = 0; x < 13; ++x) pixels += std::to_string(glyph->Canvas()->Pixel(x, y)) + ",";
    }
    pictures.insert(pixels);
    list.Change();
    EXPECT_EQ(button.Glyph()->Width(), 13) << "the list does not replace a predefined picture";
  }
  EXPECT_EQ(pictures.size(), 8u) << "every kind has a picture of its own";
  button.SetGlyphKind(gkCustom);
  EXPECT_EQ(button.Glyph()->Width(), 16) << "back to the list's item";
  EXPECT_FALSE(button.GlyphStored());
  button.SetImageList(nullptr);
}

TEST(LMDButton, SetBoundsReportsWhatChanged) {
  struct Recorder : TLMDButton {
    using TLMDButton::TLMDButton;
    void BoundsChange(TLMDBoundsChangeStates state) override { reports.push_back(state); }
    std::vector<TLMDBoundsChangeStates> reports;
  };
  struct Case {
    RECT bounds;
    std::vector<TLMDBoundsChangeStates> reports;
  };
  const Case cases[] = {
      {RECT{0, 0, 75, 25}, {}},
      {RECT{5, 0, 80, 25}, {TLMDBoundsChangeStates{bcPos}}},
      {RECT{0, 0, 60, 25}, {TLMDBoundsChangeStates{bcSize}}},
      {RECT{1, 2, 31, 42}, {TLMDBoundsChangeStates{bcPos, bcSize}}},
  };
  for (const Case& c : cases) {
    Recorder button(nullptr);
    button.SetBounds(c.bounds.left, c.bounds.top, c.bounds.right - c.bounds.left, c.bounds.bottom - c.bounds.top);
    EXPECT_EQ(button.reports, c.reports) << c.bounds.left << "," << c.bounds.right;
  }
}

TEST(LMDButton, AnEmptyGlyphTakesTheActionsImageOnFuchsia) {
  TComponent owner(nullptr);
  auto* images = new TImageList(&owner);
  images->SetWidth(4);
  images->SetHeight(4);
  TBitmap picture;
  picture.SetWidth(4);
  picture.SetHeight(4);
  picture.Canvas()->SetPixel(1, 1, clRed);
  images->AddMasked(&picture, clWhite);
  auto* actions = new TActionList(&owner);
  actions->SetImages(images);
  auto* action = new TAction(&owner);
  action->SetActionList(actions);
  action->SetImageIndex(0);
  TLMDButton button(nullptr);
  button.SetAction(action);
  ASSERT_EQ(button.Glyph()->Width(), 4);
  EXPECT_EQ(button.Glyph()->Canvas()->Pixel(1, 1), clRed);
  EXPECT_EQ(button.Glyph()->Canvas()->Pixel(0, 0), clFuchsia);
  action->SetEnabled(false);
  EXPECT_EQ(button.Glyph()->Width(), 4) << "another change of the action keeps the glyph";
  button.SetAction(nullptr);
}

TEST(LMDButton, FormTextStoresOnlyWhatDiffersFromTheDefaults) {
  TLMDButton original(nullptr);
  original.SetAbout("TAWO");
  EXPECT_EQ(FormText(&original).find("About"), std::string::npos);
  for (const char* property : {"RepeatingDelay", "HideHint", "UseCaption", "  Style", "NumGlyphs", "MultiLine"}) {
    EXPECT_EQ(FormText(&original).find(property), std::string::npos) << property;
  }
  original.SetRepeatedClick(true);
  original.SetRepeatingDelay(300);
  original.SetMultiLine(true);
  original.SetUseCaption(false);
  original.SetHideHint(false);
  original.SetStyle(nbsWin31);
  original.FontFX()->SetAngle(90);
  original.ButtonLayout()->SetSpacing(6);
  TLMDButton copy(nullptr);
  LoadFormText(FormText(&original), &copy);
  EXPECT_EQ(FormBinary(&copy), FormBinary(&original));
  EXPECT_TRUE(copy.RepeatedClick());
  EXPECT_EQ(copy.RepeatingDelay(), 300);
  EXPECT_EQ(copy.Style(), nbsWin31);
  EXPECT_EQ(copy.ButtonLayout()->Spacing(), 6);
}

}  // namespace
