// The standard controls one by one: bitmap button kinds and what descriptions store, push
// buttons' default and cancel roles, label sizing, image placement, panel bevels and the
// status bar's parts.
#include <gtest/gtest.h>
#include <winport.h>

#include "ActnList.h"
#include "ControlTestSupport.h"
#include "Buttons.h"
#include "Classes.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "StdActns.h"
#include "StdCtrls.h"
#include "TApplication.h"
#include "TBitmap.h"
#include "TForm.h"
#include "TMemoryStream.h"
#include "TStringStream.h"

#include <memory>
#include <string>

using enum TAlign;
using enum TAlignment;
using enum TBevelCut;
using enum TBitBtnKind;
using enum TControlStyleItem;
using enum TFormBorderStyle;
using enum TPixelFormat;

namespace {

class StandardControls : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    FForm = new TForm(Application);
    FForm->SetBounds(100, 100, 300, 200);
  }

  template <class C>
  C* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* control = new C(FForm);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent != nullptr ? parent : FForm);
    return control;
  }

  void ShowTheForm() {
    FForm->Show();
    WinportDispatchPending();
  }

  COLORREF ScreenAt(TControl* control, int x, int y) {
    const POINT at = control->ClientToScreen(POINT{x, y});
    return WinportScreenPixel(at.x, at.y);
  }

  // The text form of the form's description.
  AnsiString Described() {
    TMemoryStream binary;
    binary.WriteComponent(FForm);
    binary.SetPosition(0);
    TStringStream text("");
    ObjectBinaryToText(binary, text);
    return text.DataString();
  }

  TForm* FForm = nullptr;
};

TEST_F(StandardControls, BitBtnKindsBringTheirCaptionResultAndRole) {
  auto* button = Add<TBitBtn>(0, 0, 75, 25);
  button->SetKind(bkYes);
  EXPECT_EQ(button->Caption(), "&Yes");
  EXPECT_EQ(button->ModalResult(), mrYes);
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(button->NumGlyphs(), 2);
  button->SetKind(bkNo);
  EXPECT_FALSE(button->Default()) << "the other role is reset";
  EXPECT_TRUE(button->Cancel());
  EXPECT_EQ(button->Kind(), bkNo);
  button->SetModalResult(mrAbort);
  EXPECT_EQ(button->Kind(), bkCustom) << "no longer what the kind gives";
  EXPECT_EQ(TBitBtn::KindCaption(bkClose), "&Close");
  EXPECT_EQ(TBitBtn::KindModalResult(bkAll), mrAll);
}

TEST_F(StandardControls, DescriptionsStoreOnlyWhatDiffersFromTheKind) {
  auto* ok = Add<TBitBtn>(0, 0, 75, 25);
  ok->SetName("OkButton");
  ok->SetKind(bkOK);
  auto* abort = Add<TBitBtn>(0, 30, 75, 25);
  abort->SetName("AbortButton");
  abort->SetKind(bkAbort);
  abort->SetCaption("Anuluj");
  const AnsiString text = Described();
  const auto okPart = text.substr(text.find("object OkButton"), text.find("object AbortButton") - text.find("object OkButton"));
  EXPECT_NE(okPart.find("Kind = bkOK"), AnsiString::npos);
  EXPECT_EQ(okPart.find("Caption"), AnsiString::npos);
  EXPECT_EQ(okPart.find("Default"), AnsiString::npos);
  EXPECT_EQ(okPart.find("ModalResult"), AnsiString::npos);
  EXPECT_EQ(okPart.find("Glyph"), AnsiString::npos);
  EXPECT_NE(text.find("Caption = 'Anuluj'"), AnsiString::npos);
}

TEST_F(StandardControls, BitBtnClickSetsTheFormsModalResultAndCloseKindCloses) {
  auto* abort = Add<TBitBtn>(0, 0, 75, 25);
  abort->SetKind(bkAbort);
  abort->Click();
  EXPECT_EQ(FForm->ModalResult(), mrAbort);
  auto* close = Add<TBitBtn>(0, 30, 75, 25);
  close->SetKind(bkClose);
  ShowTheForm();
  close->Click();
  EXPECT_FALSE(FForm->Visible());
}

TEST_F(StandardControls, FocusedButtonIsTheActiveDefaultAndEnterOrEscClicks) {
  auto* edit = Add<TPanel>(0, 60, 50, 20);
  edit->SetTabStop(true);
  auto* first = Add<TButton>(0, 0, 75, 25);
  auto* ok = Add<TButton>(80, 0, 75, 25);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = Add<TButton>(160, 0, 75, 25);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  ShowTheForm();

  first->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(ok->Active());
  EXPECT_EQ(GetWindowLongA(first->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(ok->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  edit->SetFocus();
  Application->ProcessMessages();
  EXPECT_TRUE(ok->Active()) << "focus on a non-button: the default button";
  EXPECT_FALSE(first->Active());
  WinportKeyPress(VK_RETURN);
  Application->ProcessMessages();
  EXPECT_EQ(FForm->ModalResult(), mrOk);
  WinportKeyPress(VK_ESCAPE);
  Application->ProcessMessages();
  EXPECT_EQ(FForm->ModalResult(), mrCancel);
}

TEST_F(StandardControls, APressedBitBtnShowsAFlatFrameAndClicksOnRelease) {
  auto* button = Add<TBitBtn>(10, 10, 75, 25);
  button->SetKind(bkOK);
  ShowTheForm();
  const POINT at = button->ClientToScreen(POINT{30, 12});
  WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
  WinportDispatchPending();
  EXPECT_EQ(ScreenAt(button, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << "the focused button's dark frame";
  EXPECT_EQ(ScreenAt(button, 1, 1), GetSysColor(COLOR_BTNSHADOW)) << "pressed: flat shadow frame";
  EXPECT_EQ(ScreenAt(button, 2, 2), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(FForm->ModalResult(), mrNone);
  WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
  WinportDispatchPending();
  EXPECT_EQ(FForm->ModalResult(), mrOk);
  EXPECT_EQ(ScreenAt(button, 1, 1), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised again";
}

TEST_F(StandardControls, AcceleratorsClickButtonsAndFocusTheLabelsControl) {
  struct TClicks : TObject {
    int Count = 0;
    void Clicked(TObject*) { ++Count; }
  } clicks;
  auto* button = Add<TButton>(0, 0, 75, 25);
  button->SetCaption("&Run");
  button->OnClick = TNotifyEvent(&clicks, &TClicks::Clicked);
  auto* target = Add<TButton>(0, 30, 75, 25);
  auto* label = Add<TLabel>(80, 30, 40, 13);
  label->SetCaption("&Name");
  label->SetFocusControl(target);
  ShowTheForm();
  EXPECT_NE(FForm->Perform(CM_DIALOGCHAR, 'r', 0), 0);
  EXPECT_EQ(clicks.Count, 1);
  EXPECT_EQ(FForm->Perform(CM_DIALOGCHAR, 'x', 0), 0) << "no control claims it";
  EXPECT_NE(FForm->Perform(CM_DIALOGCHAR, 'N', 0), 0);
  EXPECT_TRUE(target->Focused());
  EXPECT_FALSE(IsAccel('&', "A && B")) << "'&&' is a literal ampersand";
  EXPECT_TRUE(IsAccel('b', "A && &B"));
}

TEST_F(StandardControls, LabelSizeFollowsItsLinesAndRightAlignedLabelsKeepTheirRightEdge) {
  auto* label = Add<TLabel>(10, 10, 65, 17);
  label->SetCaption("One\r\nTwo lines");
  const int twoLines = label->Height();
  EXPECT_EQ(twoLines, 26) << "two lines of 13 pixels";
  const int width = label->Width();
  EXPECT_GT(width, 20);
  label->SetCaption("One");
  EXPECT_EQ(label->Height(), 13);
  EXPECT_LT(label->Width(), width);

  auto* right = Add<TLabel>(100, 10, 65, 17);
  right->SetAlignment(taRightJustify);
  const int rightEdge = right->Left() + right->Width();
  right->SetCaption("a longer text");
  EXPECT_EQ(right->Left() + right->Width(), rightEdge);
  EXPECT_LT(right->Left(), 90);

  auto* wrapped = Add<TLabel>(10, 50, 40, 17);
  wrapped->SetAutoSize(false);
  wrapped->SetWordWrap(true);
  wrapped->SetAutoSize(true);
  wrapped->SetCaption("many words in a narrow label");
  EXPECT_LE(wrapped->Width(), 40);
  EXPECT_GE(wrapped->Height(), 39);
}

TEST_F(StandardControls, ImageIsOpaqueOnlyWhenItsPictureCoversIt) {
  auto* image = Add<TImage>(0, 0, 20, 20);
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(10, 8);
  image->Picture()->SetBitmap(&bitmap);
  EXPECT_FALSE(image->ControlStyle().Contains(csOpaque));
  image->SetStretch(true);
  EXPECT_TRUE(image->ControlStyle().Contains(csOpaque));
  image->SetTransparent(true);
  EXPECT_FALSE(image->ControlStyle().Contains(csOpaque));
  EXPECT_TRUE(image->Picture()->Graphic()->Transparent());
  image->SetStretch(false);
  image->SetCenter(true);
  const RECT dest = image->DestRect();
  EXPECT_EQ(dest.left, 5);
  EXPECT_EQ(dest.top, 6);
  image->SetAutoSize(true);
  EXPECT_EQ(image->Width(), 10);
  EXPECT_EQ(image->Height(), 8);
}

TEST_F(StandardControls, PanelBevelsAndAlignedChildrenInsideThem) {
  auto* panel = Add<TPanel>(10, 10, 100, 60);
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(2);
  auto* inner = Add<TPanel>(0, 0, 10, 10, panel);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->Left(), 4) << "outer bevel, border, inner bevel";
  EXPECT_EQ(inner->Width(), 100 - 8);
  ShowTheForm();
  EXPECT_EQ(ScreenAt(panel, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(ScreenAt(panel, 99, 59), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(ScreenAt(panel, 3, 3), GetSysColor(COLOR_BTNSHADOW)) << "the lowered inner bevel";
  EXPECT_THROW(panel->SetBevelWidth(0), EInvalidOperation);
}

TEST_F(StandardControls, StatusBarPanelsTakeTheHintUnlessOnHintIsAssigned) {
  auto* bar = Add<TStatusBar>(0, 0, 0, 19);
  bar->SetAutoHint(true);
  TStatusPanel* first = bar->Panels()->Add();
  first->SetWidth(80);
  bar->Panels()->Add();
  ShowTheForm();
  Application->SetHint("");
  Application->SetHint("Saves the file");
  EXPECT_EQ(first->Text(), "Saves the file");
  EXPECT_EQ(bar->SimpleText(), "");
  struct THintLog : TObject {
    int Calls = 0;
    void Hinted(TObject*) { ++Calls; }
  } log;
  bar->OnHint = TNotifyEvent(&log, &THintLog::Hinted);
  Application->SetHint("Other");
  EXPECT_EQ(log.Calls, 1);
  EXPECT_EQ(first->Text(), "Saves the file");
}

TEST_F(StandardControls, StatusBarPanelsSurviveADescription) {
  auto* bar = Add<TStatusBar>(0, 0, 0, 19);
  bar->SetName("Bar");
  TStatusPanel* panel = bar->Panels()->Add();
  panel->SetText("Ready");
  panel->SetWidth(120);
  bar->Panels()->Add()->SetAlignment(taCenter);
  TMemoryStream stream;
  stream.WriteComponent(bar);
  stream.SetPosition(0);
  auto* copy = Add<TStatusBar>(0, 0, 0, 19);
  stream.ReadComponent(copy);
  ASSERT_EQ(copy->Panels()->Count(), 2);
  EXPECT_EQ(copy->Panels()->Items(0)->Text(), "Ready");
  EXPECT_EQ(copy->Panels()->Items(0)->Width(), 120);
  EXPECT_EQ(copy->Panels()->Items(1)->Alignment(), taCenter);
}

TEST_F(StandardControls, StatusBarDrawsSunkenFieldsAndTheGripOnlyOnSizeableForms) {
  auto* bar = Add<TStatusBar>(0, 0, 0, 19);
  bar->SetSimpleText("Ready");
  ShowTheForm();
  EXPECT_EQ(bar->Top(), FForm->ClientHeight() - 19);
  EXPECT_EQ(bar->Width(), FForm->ClientWidth());
  EXPECT_EQ(ScreenAt(bar, 5, 2), GetSysColor(COLOR_BTNSHADOW)) << "top of the sunken field";
  EXPECT_EQ(ScreenAt(bar, 5, 18), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_TRUE(bar->ShowsSizeGrip());
  const int right = bar->Width() - 1;
  EXPECT_EQ(ScreenAt(bar, right - 2, 17), GetSysColor(COLOR_BTNSHADOW)) << "a grip ridge";
  EXPECT_EQ(ScreenAt(bar, right - 4, 17), GetSysColor(COLOR_BTNHIGHLIGHT));
  FForm->SetBorderStyle(bsDialog);
  EXPECT_FALSE(bar->ShowsSizeGrip());
}

TEST_F(StandardControls, ActionLinkedControlsFollowTheActionUntilChangedThemselves) {
  TAction action(nullptr);
  action.SetCaption("Run");
  action.SetHint("Runs it");
  auto* button = Add<TButton>(0, 0, 75, 25);
  button->SetAction(&action);
  EXPECT_EQ(button->Caption(), "Run");
  EXPECT_EQ(button->Hint(), "Runs it");
  action.SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  button->SetCaption("Mine");
  action.SetCaption("Start");
  EXPECT_EQ(button->Caption(), "Mine") << "no longer linked";
  struct TRunLog : TObject {
    int Runs = 0;
    void Run(TObject*) { ++Runs; }
  } log;
  action.OnExecute = TNotifyEvent(&log, &TRunLog::Run);
  action.SetEnabled(true);
  button->Click();
  EXPECT_EQ(log.Runs, 1);
  struct TOwnClick : TObject {
    int Clicks = 0;
    void Clicked(TObject*) { ++Clicks; }
  } own;
  button->OnClick = TNotifyEvent(&own, &TOwnClick::Clicked);
  button->Click();
  EXPECT_EQ(own.Clicks, 1) << "a handler of the control's own wins";
  EXPECT_EQ(log.Runs, 1);
  button->SetAction(nullptr);
  EXPECT_EQ(action.ClientCount(), 0);
}

}  // namespace
