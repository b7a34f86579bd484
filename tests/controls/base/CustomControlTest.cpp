// The windowed control base on a shown form (headless display): defaults, window styles after
// a change of Transparent, the focus follow-up events, the flat border, background erasing,
// background changes passed to the children, and sub-object repaints.
#include <gtest/gtest.h>

#include <LMDCustomControl.h>
#include <LMDGraphicControl.h>

#include "../../framework/ControlTestSupport.h"
#include "../paint/FormTextSupport.h"

#include <string>
#include <vector>

using enum TControlStyleItem;

namespace {

class TWindowedProbe : public TLMDCustomControl {
  TAWO_CLASS(TWindowedProbe, TLMDCustomControl)

 public:
  explicit TWindowedProbe(TComponent* owner) : TLMDCustomControl(owner) {}
  using TLMDCustomControl::SetBoolean;

  int Paints = 0;
  bool KeepsBackground = false;
  bool BackBitmapCheck() override { return KeepsBackground; }
  // A stream property whose setter tells of a background change while the form loads.
  int32_t BackChangedWhileLoading() const { return 0; }
  void SetBackChangedWhileLoading(int32_t) { Perform(CM_LMDBACKCHANGED, 0, 0); }

 protected:
  void Paint() override {
    ++Paints;
    TLMDCustomControl::Paint();
  }
  // The sunken client edge that descendants with a border give their window.
  void CreateParams(TCreateParams& params) override {
    TLMDCustomControl::CreateParams(params);
    params.ExStyle |= WS_EX_CLIENTEDGE;
  }
};

TAWO_PUBLISHED(TWindowedProbe, published) {
  published.Property("BackChangedWhileLoading", &TWindowedProbe::BackChangedWhileLoading,
                     &TWindowedProbe::SetBackChangedWhileLoading);
}

class TChildProbe : public TLMDGraphicControl {
  TAWO_CLASS(TChildProbe, TLMDGraphicControl)

 public:
  explicit TChildProbe(TComponent* owner) : TLMDGraphicControl(owner) {}
  int Changes = 0;
  void GetChange(TObject* sender) override {
    ++Changes;
    TLMDGraphicControl::GetChange(sender);
  }
};
TAWO_IMPLEMENT_CLASS(TChildProbe)

class CustomControlTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 300, 200);
    probe_ = new TWindowedProbe(form_);
    probe_->SetName("Probe");
    probe_->SetParent(form_);
    probe_->SetBounds(10, 10, 80, 40);
    probe_->SetColor(clWhite);
    other_ = new TWindowedProbe(form_);
    other_->SetParent(form_);
    other_->SetBounds(10, 100, 80, 40);
    Settle();
    probe_->Paints = 0;
  }
  static void Settle() { WinportDispatchPending(); }
  // The colour of a pixel of the probe's whole window, border included.
  COLORREF WindowPixel(int x, int y) {
    HDC dc = GetWindowDC(probe_->Handle());
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(probe_->Handle(), dc);
    return pixel;
  }
  // The top-left outer pixel is the shadow of the sunken edge in the normal look and the face
  // colour in the flat one.
  bool BorderIsFlat() { return WindowPixel(0, 0) == GetSysColor(COLOR_BTNFACE); }

  TForm* form_ = nullptr;
  TWindowedProbe* probe_ = nullptr;
  TWindowedProbe* other_ = nullptr;
};

TEST_F(CustomControlTest, ANewControlIsAnOpaqueHundredByFortyControlOutOfTheTabOrder) {
  TWindowedProbe fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 100);
  EXPECT_EQ(fresh.Height(), 40);
  EXPECT_FALSE(fresh.TabStop());
  EXPECT_FALSE(fresh.Transparent());
  EXPECT_FALSE(fresh.Flat());
  EXPECT_TRUE(fresh.RepaintOnChange());
  EXPECT_EQ(fresh.TransparentMode(), 0);
}

TEST_F(CustomControlTest, ChangingTransparentRecreatesTheWindowWithItsStyles) {
  const LONG style = GetWindowLongA(probe_->Handle(), GWL_STYLE);
  EXPECT_NE(style & WS_CLIPCHILDREN, 0);
  const DWORD classStyle = GetClassLongA(probe_->Handle(), GCL_STYLE);
  EXPECT_EQ(classStyle & (CS_HREDRAW | CS_VREDRAW), 0u);

  probe_->SetTransparentMode(1);
  HWND before = probe_->Handle();
  probe_->SetTransparent(true);
  Settle();
  EXPECT_FALSE(probe_->ControlStyle().Contains(csOpaque));
  EXPECT_NE(probe_->Handle(), before);
  EXPECT_NE(GetWindowLongA(probe_->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);

  probe_->SetTransparent(false);
  EXPECT_TRUE(probe_->ControlStyle().Contains(csOpaque));
  EXPECT_EQ(GetWindowLongA(probe_->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
}

TEST_F(CustomControlTest, AfterEnterAndAfterExitFollowTheWholeFocusChange) {
  std::vector<std::string> seen;
  struct Recorder : TObject {
    std::vector<std::string>* Seen;
    void Enter(TObject*) { Seen->push_back("enter"); }
    void AfterEnter(TObject*) { Seen->push_back("after enter"); }
    void Exit(TObject*) { Seen->push_back("exit"); }
    void AfterExit(TObject*) { Seen->push_back("after exit"); }
  } recorder;
  recorder.Seen = &seen;
  probe_->OnEnter = TNotifyEvent(&recorder, &Recorder::Enter);
  probe_->OnAfterEnter = TNotifyEvent(&recorder, &Recorder::AfterEnter);
  probe_->OnExit = TNotifyEvent(&recorder, &Recorder::Exit);
  probe_->OnAfterExit = TNotifyEvent(&recorder, &Recorder::AfterExit);

  probe_->SetFocus();
  EXPECT_EQ(seen, std::vector<std::string>{"enter"}) << "the follow-up is posted, not sent";
  EXPECT_TRUE(probe_->Entered());
  Settle();
  other_->SetFocus();
  Settle();
  EXPECT_FALSE(probe_->Entered());
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "after enter", "exit", "after exit"}));
}

TEST_F(CustomControlTest, AFlatBorderIsFaceColouredWhileIdleAndSunkenWhileFocused) {
  EXPECT_FALSE(BorderIsFlat());
  probe_->SetFlat(true);
  EXPECT_TRUE(BorderIsFlat());
  probe_->Repaint();
  EXPECT_TRUE(BorderIsFlat()) << "every paint flattens an idle border again";

  probe_->SetFocus();
  Settle();
  EXPECT_FALSE(BorderIsFlat());
  probe_->Perform(CM_MOUSEENTER, 0, 0);
  probe_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(BorderIsFlat()) << "the mouse leaving a focused control keeps its border";

  other_->SetFocus();
  Settle();
  EXPECT_TRUE(BorderIsFlat());
  probe_->SetFlat(false);
  EXPECT_FALSE(BorderIsFlat());
}

TEST_F(CustomControlTest, TheMouseAboveKeepsTheBorderUntilItLeaves) {
  std::vector<std::string> seen;
  struct Recorder : TObject {
    TWindowedProbe* Probe;
    std::vector<std::string>* Seen;
    void Enter(TObject*) { Seen->push_back(Probe->MouseAbove() ? "enter above" : "enter"); }
    void Exit(TObject*) { Seen->push_back(Probe->MouseAbove() ? "exit above" : "exit"); }
  } recorder;
  recorder.Probe = probe_;
  recorder.Seen = &seen;
  probe_->OnMouseEnter = TNotifyEvent(&recorder, &Recorder::Enter);
  probe_->OnMouseExit = TNotifyEvent(&recorder, &Recorder::Exit);
  probe_->SetFlat(true);
  probe_->SetEnabled(false);
  probe_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(probe_->MouseAbove());
  probe_->RestoreBorderFront();
  probe_->Repaint();
  EXPECT_FALSE(BorderIsFlat()) << "no flattening while the mouse is above";
  probe_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(BorderIsFlat());
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "exit"})) << "disabled controls report crossings too";
}

TEST_F(CustomControlTest, ABackgroundThatIsNotErasedIsAnsweredAsErased) {
  HDC dc = GetDC(probe_->Handle());
  probe_->SetTransparent(true);
  EXPECT_EQ(probe_->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(probe_->Paints, 0);
  probe_->SetTransparent(false);
  probe_->KeepsBackground = true;
  EXPECT_EQ(probe_->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  ReleaseDC(probe_->Handle(), dc);
}

TEST_F(CustomControlTest, BackgroundChangesReachTheChildrenOnlyWhenTheyCopyTheBackground) {
  auto* child = new TChildProbe(form_);
  child->SetParent(probe_);
  Settle();
  child->Changes = 0;

  probe_->Perform(CM_LMDBACKCHANGED, 0, 0);
  EXPECT_EQ(child->Changes, 0);
  Settle();
  EXPECT_GE(probe_->Paints, 1) << "without a background bitmap the control repaints later";

  probe_->KeepsBackground = true;
  probe_->SetTransparent(true);
  Settle();
  probe_->Paints = 0;
  child->Changes = 0;
  probe_->Perform(CM_LMDBACKCHANGED, 0, 0);
  EXPECT_EQ(probe_->Paints, 1) << "repainted at once";
  EXPECT_EQ(child->Changes, 1);
  probe_->Perform(CM_LMDSCROLLBOXSCROLLEVENT, 0, 0);
  EXPECT_EQ(child->Changes, 2);
}

TEST_F(CustomControlTest, ResizingPassesTheNewBackgroundToTheChildrenOfACopyingControl) {
  auto* child = new TChildProbe(form_);
  child->SetParent(probe_);
  Settle();
  child->Changes = 0;
  probe_->SetWidth(90);
  Settle();
  EXPECT_EQ(child->Changes, 0);

  probe_->KeepsBackground = true;
  probe_->SetTransparent(true);
  Settle();
  child->Changes = 0;
  probe_->SetWidth(100);
  EXPECT_EQ(child->Changes, 1);
}

TEST_F(CustomControlTest, ABackgroundChangeWhileLoadingIsIgnored) {
  auto* child = new TChildProbe(form_);
  child->SetParent(probe_);
  probe_->KeepsBackground = true;
  probe_->SetTransparent(true);
  Settle();
  probe_->Paints = 0;
  child->Changes = 0;
  LoadFormText("object Probe: TWindowedProbe\n  BackChangedWhileLoading = 1\nend\n", probe_);
  EXPECT_EQ(probe_->Paints, 0);
  EXPECT_EQ(child->Changes, 0);
}

TEST_F(CustomControlTest, SubObjectChangesRepaintOnlyWhileRepaintOnChangeIsSet) {
  probe_->SetRepaintOnChange(false);
  probe_->GetChange(nullptr);
  Settle();
  EXPECT_EQ(probe_->Paints, 0);
  probe_->SetRepaintOnChange(true);
  probe_->GetChange(nullptr);
  Settle();
  EXPECT_EQ(probe_->Paints, 1);
}

TEST_F(CustomControlTest, AnOpaqueControlFillsItselfWithItsColour) {
  probe_->SetColor(clRed);
  probe_->Repaint();
  // In client coordinates.
  HDC dc = GetDC(probe_->Handle());
  EXPECT_EQ(GetPixel(dc, 5, 5), static_cast<COLORREF>(clRed));
  ReleaseDC(probe_->Handle(), dc);
}

}  // namespace
