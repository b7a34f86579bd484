// Graphic controls on their parent's window: painting order and extent, opaque repaints, and
// mouse enter/leave as the pointer crosses controls.
#include "ControlTestSupport.h"

#include <algorithm>

using enum TControlStyleItem;

namespace {

using Controls = VisualTest;

COLORREF PixelAt(TControl* parent, int x, int y) {
  const POINT at = parent->ClientToScreen(POINT{x, y});
  return WinportScreenPixel(at.x, at.y);
}

TTestGraphic* AddGraphic(TWinControl* parent, const char* name, RECT bounds, TColor color) {
  auto* control = new TTestGraphic(parent->Owner() != nullptr ? parent->Owner() : parent);
  control->SetName(name);
  control->FillColor = color;
  control->SetBoundsRect(bounds);
  control->SetParent(parent);
  return control;
}

TEST_F(Controls, GraphicChildrenPaintInZOrderAndOnlyWhereInvalid) {
  TForm* form = ShowForm(50, 50, 200, 100);
  TTestGraphic* a = AddGraphic(form, "A", RECT{10, 10, 50, 50}, clRed);
  TTestGraphic* b = AddGraphic(form, "B", RECT{30, 30, 70, 70}, clLime);
  TTestGraphic* c = AddGraphic(form, "C", RECT{150, 10, 170, 30}, clBlue);
  WinportDispatchPending();
  EXPECT_EQ(PixelAt(form, 35, 35), RGB(0, 255, 0)) << "B lies above A";
  EXPECT_EQ(PixelAt(form, 15, 15), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(form, 155, 15), RGB(0, 0, 255));

  EventLog().clear();
  b->Invalidate();
  WinportDispatchPending();
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"paint A", "paint B"}))
      << "A shares B's area and paints first; C lies outside it";

  EventLog().clear();
  b->BringToFront();
  a->BringToFront();
  WinportDispatchPending();
  EXPECT_EQ(PixelAt(form, 35, 35), RGB(255, 0, 0)) << "A is on top now";

  EventLog().clear();
  c->SetVisible(false);
  WinportDispatchPending();
  EXPECT_TRUE(EventLog().empty()) << "nothing else shares C's area";
  EXPECT_EQ(PixelAt(form, 155, 15), static_cast<COLORREF>(ColorToRGB(clBtnFace))) << "the form's background is back";
}

TEST_F(Controls, AnOpaqueGraphicControlRepaintsAtOnceWithoutItsParent) {
  TForm* form = ShowForm(50, 50, 200, 100);
  bool formPainted = false;
  struct Recorder : TObject {
    bool* Flag;
    void Painted(TObject*) { *Flag = true; }
  } recorder;
  recorder.Flag = &formPainted;
  form->OnPaint = TNotifyEvent(&recorder, &Recorder::Painted);
  TTestGraphic* opaque = AddGraphic(form, "O", RECT{10, 10, 40, 40}, clRed);
  opaque->SetOpaque(true);
  TTestGraphic* clear = AddGraphic(form, "T", RECT{100, 10, 130, 40}, clRed);
  WinportDispatchPending();

  formPainted = false;
  EventLog().clear();
  opaque->FillColor = clYellow;
  opaque->Repaint();
  EXPECT_EQ(EventLog(), std::vector<std::string>{"paint O"});
  EXPECT_FALSE(formPainted);
  EXPECT_EQ(PixelAt(form, 20, 20), RGB(255, 255, 0)) << "painted before any message is handled";
  RECT pending{};
  EXPECT_FALSE(GetUpdateRect(form->Handle(), &pending, FALSE)) << "nothing left to repaint";

  EventLog().clear();
  clear->FillColor = clYellow;
  clear->Repaint();
  EXPECT_TRUE(formPainted) << "a transparent control needs its parent's background first";
  EXPECT_EQ(EventLog(), std::vector<std::string>{"paint T"});
  EXPECT_EQ(PixelAt(form, 110, 20), RGB(255, 255, 0));
}

TEST_F(Controls, MouseEnterAndLeaveFollowThePointerAcrossControls) {
  TForm* form = ShowForm(100, 100, 300, 120);
  AddGraphic(form, "G", RECT{10, 10, 40, 40}, clRed);
  TTestGraphic* disabledGraphic = AddGraphic(form, "DG", RECT{10, 60, 40, 90}, clRed);
  disabledGraphic->SetEnabled(false);
  auto* windowed = new TTestWindowed(form);
  windowed->SetName("W");
  windowed->SetBounds(100, 10, 40, 40);
  windowed->SetParent(form);
  auto* disabledWindowed = new TTestWindowed(form);
  disabledWindowed->SetName("DW");
  disabledWindowed->SetBounds(200, 10, 40, 40);
  disabledWindowed->SetEnabled(false);
  disabledWindowed->SetParent(form);
  WinportDispatchPending();

  const std::vector<POINT> path = {ScreenPointOf(form, 20, 20),  ScreenPointOf(form, 110, 20),
                                   ScreenPointOf(form, 70, 20),  ScreenPointOf(form, 20, 70),
                                   ScreenPointOf(form, 210, 20), POINT{10, 10}};
  std::size_t next = 0;
  IdleScript script([&] {
    if (next == path.size()) return true;
    WinportMouseMove(path[next].x, path[next].y);
    ++next;
    return false;
  });
  EventLog().clear();
  while (!script.Done()) Application->HandleMessage();
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"enter G", "leave G", "enter W", "leave W", "enter DG",
                                                  "leave DG"}))
      << "a disabled window passes the mouse to its parent; a disabled graphic control does not";
  EXPECT_EQ(Application->MouseControl(), nullptr) << "outside every window of the application";
}

TEST_F(Controls, WhileCapturedOnlyTheCapturingControlHearsOfItself) {
  TForm* form = ShowForm(100, 100, 200, 100);
  TTestGraphic* pressed = AddGraphic(form, "P", RECT{10, 10, 40, 40}, clRed);
  AddGraphic(form, "N", RECT{60, 10, 90, 40}, clRed);
  WinportDispatchPending();
  const POINT inside = ScreenPointOf(form, 20, 20);
  const POINT neighbour = ScreenPointOf(form, 70, 20);
  int step = 0;
  IdleScript script([&] {
    switch (step++) {
      case 0: WinportMouseMove(inside.x, inside.y); return false;
      case 1: WinportMouseDown(WINPORT_BUTTON_LEFT, inside.x, inside.y); return false;
      case 2: WinportMouseMove(neighbour.x, neighbour.y); return false;
      case 3: WinportMouseUp(WINPORT_BUTTON_LEFT, neighbour.x, neighbour.y); return false;
      default: return true;
    }
  });
  EventLog().clear();
  while (!script.Done()) Application->HandleMessage();
  EXPECT_FALSE(pressed->MouseCapture());
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"enter P", "leave P"}))
      << "the pressed control hears that it was left; its neighbour hears nothing";
}

}  // namespace

namespace {

// Stands between a control and its own window procedure, counting erases.
struct EraseSpy : TObject {
  TWndMethod Original;
  int Erases = 0;
  void Proc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) ++Erases;
    Original(message);
  }
};

TEST_F(Controls, ATransparentControlAsksForAnEraseUnlessAnOpaqueSiblingBelowCoversIt) {
  TForm* form = ShowForm(50, 50, 200, 100);
  TTestGraphic* base = AddGraphic(form, "Base", RECT{10, 10, 60, 60}, clRed);
  base->SetOpaque(true);
  TTestGraphic* covered = AddGraphic(form, "Covered", RECT{20, 20, 40, 40}, clLime);
  TTestGraphic* loose = AddGraphic(form, "Loose", RECT{100, 10, 120, 30}, clLime);
  WinportDispatchPending();
  EraseSpy spy;
  spy.Original = form->WindowProc;
  form->WindowProc = TWndMethod(&spy, &EraseSpy::Proc);

  covered->Invalidate();
  WinportDispatchPending();
  EXPECT_EQ(spy.Erases, 0) << "the opaque control beneath paints its background";
  loose->Invalidate();
  WinportDispatchPending();
  EXPECT_EQ(spy.Erases, 1);
  form->WindowProc = spy.Original;
}

// A windowed control that asks its parent for a 3D frame.
class TFramedControl : public TTestWindowed {
 public:
  explicit TFramedControl(TComponent* owner) : TTestWindowed(owner) { FControlStyle.Include(csFramed); }
};

TEST_F(Controls, AFramedWindowedChildGetsA3DFrameFromItsParent) {
  TForm* form = ShowForm(50, 50, 200, 100);
  auto* framed = new TFramedControl(form);
  framed->SetBounds(20, 20, 40, 30);
  framed->SetParent(form);
  WinportDispatchPending();
  const POINT topLeft = form->ClientToScreen(POINT{19, 19});
  const POINT bottomRight = form->ClientToScreen(POINT{60, 50});
  EXPECT_EQ(WinportScreenPixel(topLeft.x, topLeft.y), static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(WinportScreenPixel(bottomRight.x, bottomRight.y), static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
  framed->SetCtl3D(false);
  form->Repaint();
  EXPECT_EQ(WinportScreenPixel(topLeft.x, topLeft.y), static_cast<COLORREF>(ColorToRGB(clBtnFace)));
}

}  // namespace
