// Dragging and docking driven by injected input through the application's message loop.
#include "ControlTestSupport.h"

#include "ExtCtrls.h"
#include "TCustomDockForm.h"
#include "TDragDockObject.h"
#include "TMouse.h"
#include "TScreen.h"

using enum TAlign;
using enum TDragKind;
using enum TDragMode;
using enum TDragState;

namespace {

// Records the drag events of every control it is hooked to; consecutive repeats count once.
class TDragRecorder : public TObject {
 public:
  bool Accept = true;
  bool AllowUnDock = true;
  std::vector<std::string> Log;

  void Hook(TControl* control) {
    control->OnStartDrag = TStartDragEvent(this, &TDragRecorder::StartDrag);
    control->OnEndDrag = TEndDragEvent(this, &TDragRecorder::EndDrag);
    control->OnDragOver = TDragOverEvent(this, &TDragRecorder::DragOver);
    control->OnDragDrop = TDragDropEvent(this, &TDragRecorder::DragDrop);
    control->OnClick = TNotifyEvent(this, &TDragRecorder::Click);
    control->OnEndDock = TEndDragEvent(this, &TDragRecorder::EndDock);
  }
  void HookSite(TWinControl* site) {
    site->OnUnDock = TUnDockEvent(this, &TDragRecorder::UnDock);
    site->OnDockDrop = TDockDropEvent(this, &TDragRecorder::DockDrop);
  }

 private:
  static std::string NameOf(TObject* object) {
    auto* component = dynamic_cast<TComponent*>(object);
    return component != nullptr ? std::string(component->Name().c_str()) : "nil";
  }
  void Add(const std::string& entry) {
    if (Log.empty() || Log.back() != entry) Log.push_back(entry);
  }
  void StartDrag(TObject* sender, TDragObject*&) { Add("start " + NameOf(sender)); }
  void EndDrag(TObject* sender, TObject* target, int, int) { Add("end " + NameOf(sender) + " " + NameOf(target)); }
  void DragOver(TObject* sender, TObject* source, int, int, TDragState state, bool& accept) {
    static const char* const kStates[] = {"enter", "leave", "move"};
    Add(std::string(kStates[static_cast<int>(state)]) + " " + NameOf(sender) + " from " + NameOf(source));
    accept = Accept;
  }
  void DragDrop(TObject* sender, TObject* source, int, int) { Add("drop " + NameOf(source) + " on " + NameOf(sender)); }
  void Click(TObject* sender) { Add("click " + NameOf(sender)); }
  void EndDock(TObject* sender, TObject* target, int, int) { Add("end dock " + NameOf(sender) + " " + NameOf(target)); }
  void UnDock(TObject* sender, TControl* client, TWinControl*, bool& allow) {
    Add("undock " + NameOf(client) + " from " + NameOf(sender));
    allow = AllowUnDock;
  }
  void DockDrop(TObject* sender, TDragDockObject* source, int, int) {
    Add("dock " + NameOf(source->Control()) + " into " + NameOf(sender));
  }
};

using DragDock = VisualTest;

void Pump() { Application->ProcessMessages(); }

void Press(POINT at) {
  WinportMouseMove(at.x, at.y);
  WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
  Pump();
}

void MoveTo(POINT at) {
  WinportMouseMove(at.x, at.y);
  Pump();
}

void Release(POINT at) {
  WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
  Pump();
}

// Restores the global Mouse's drag settings.
struct MouseSettings {
  MouseSettings() : immediate(Mouse->DragImmediate()) {}
  ~MouseSettings() { Mouse->SetDragImmediate(immediate); }
  bool immediate;
};

enum class Ending { Drop, Escape, RightButton };

struct DragCase {
  const char* name;
  bool windowedSource;
  bool targetAccepts;
  bool immediate;
  int firstMove;  // pixels the pointer moves right of the press before heading for the target
  bool reachTarget;
  Ending ending;
  TCursor cursorOverTarget;  // 0: not checked
  std::vector<std::string> log;
};

TControl* AddControl(TForm* form, bool windowed, const char* name, int left) {
  TControl* control = windowed ? static_cast<TControl*>(new TTestWindowed(form)) : new TTestGraphic(form);
  control->SetName(name);
  control->SetBounds(left, 10, 40, 40);
  control->SetParent(form);
  return control;
}

TEST_F(DragDock, DragScenarios) {
  const std::vector<DragCase> cases = {
      {"accepted drop", false, true, true, 0, true, Ending::Drop, crHandPoint,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "drop Src on Dst", "end Src Dst"}},
      {"refused drop", false, false, true, 0, true, Ending::Drop, crNoDrop,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "end Src nil"}},
      {"escape cancels", false, true, true, 0, true, Ending::Escape, 0,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "end Src nil"}},
      {"right button cancels", true, true, true, 0, true, Ending::RightButton, 0,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "end Src nil"}},
      {"threshold not reached is a click", false, true, false, 3, false, Ending::Drop, 0,
       {"start Src", "click Src", "end Src nil"}},
      {"threshold passed drags", false, true, false, 6, true, Ending::Drop, 0,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "drop Src on Dst", "end Src Dst"}},
      {"windowed onto graphic", true, true, true, 0, true, Ending::Drop, crHandPoint,
       {"start Src", "enter Src from Src", "move Src from Src", "leave Src from Src", "enter Dst from Src",
        "move Dst from Src", "leave Dst from Src", "drop Src on Dst", "end Src Dst"}},
  };
  for (const DragCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MouseSettings saved;
    Mouse->SetDragImmediate(c.immediate);
    TForm* form = ShowForm(100, 100, 300, 100);
    TDragRecorder recorder;
    recorder.Accept = c.targetAccepts;
    TControl* source = AddControl(form, c.windowedSource, "Src", 10);
    TControl* target = AddControl(form, !c.windowedSource, "Dst", 200);
    source->SetDragMode(dmAutomatic);
    source->SetDragCursor(crHandPoint);
    recorder.Hook(source);
    recorder.Hook(target);
    Pump();

    Press(ScreenPointOf(source, 5, 5));
    MoveTo(ScreenPointOf(source, 5 + c.firstMove, 5));
    if (c.reachTarget) MoveTo(ScreenPointOf(target, 10, 10));
    if (c.cursorOverTarget != 0) {
      EXPECT_EQ(GetCursor(), Screen->Cursors(c.cursorOverTarget));
    }
    const POINT end = c.reachTarget ? ScreenPointOf(target, 10, 10) : ScreenPointOf(source, 5 + c.firstMove, 5);
    switch (c.ending) {
      case Ending::Drop: Release(end); break;
      case Ending::Escape:
        WinportKeyPress(VK_ESCAPE);
        Pump();
        Release(end);
        break;
      case Ending::RightButton:
        WinportMouseDown(WINPORT_BUTTON_RIGHT, end.x, end.y);
        WinportMouseUp(WINPORT_BUTTON_RIGHT, end.x, end.y);
        Pump();
        Release(end);
        break;
    }
    EXPECT_EQ(recorder.Log, c.log);
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    delete form;
  }
}

TEST_F(DragDock, APanelDocksFloatsOutAndDocksBack) {
  TForm* form = ShowForm(100, 100, 400, 200);
  form->SetName("Form");
  TDragRecorder recorder;
  auto makeSite = [&](const char* name, int left) {
    auto* site = new TPanel(form);
    site->SetName(name);
    site->SetBounds(left, 10, 150, 150);
    site->SetDockSite(true);
    site->SetParent(form);
    recorder.HookSite(site);
    return site;
  };
  TPanel* left = makeSite("Left", 10);
  TPanel* right = makeSite("Right", 230);
  auto* tool = new TPanel(form);
  tool->SetName("Tool");
  tool->SetBounds(0, 0, 120, 40);
  tool->SetDragKind(dkDock);
  tool->SetDragMode(dmAutomatic);
  recorder.Hook(tool);
  ASSERT_TRUE(tool->ManualDock(left));
  Pump();
  EXPECT_EQ(tool->HostDockSite(), left);
  EXPECT_EQ(tool->Parent(), left);
  EXPECT_EQ(left->DockClientCount(), 1);

  // Out onto the form, which is no dock site: the panel floats where it was dropped.
  Press(ScreenPointOf(tool, 10, 10));
  const POINT outside = ScreenPointOf(form, 180, 180);
  MoveTo(outside);
  Release(outside);
  ASSERT_TRUE(tool->Floating());
  auto* host = dynamic_cast<TCustomDockForm*>(tool->Parent());
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(host->Showing());
  EXPECT_EQ(left->DockClientCount(), 0);
  EXPECT_EQ(tool->ClientToScreen(POINT{10, 10}).x, outside.x);
  EXPECT_EQ(tool->ClientToScreen(POINT{10, 10}).y, outside.y);
  EXPECT_EQ(tool->Width(), 120);

  // From the floating window into the right site; the floating window goes.
  const UINT windowsWhileFloating = WinportLiveWindowCount();
  Press(ScreenPointOf(tool, 10, 10));
  const POINT intoRight = ScreenPointOf(right, 30, 30);
  MoveTo(intoRight);
  Release(intoRight);
  Pump();
  EXPECT_EQ(tool->HostDockSite(), right);
  EXPECT_EQ(tool->Parent(), right);
  EXPECT_EQ(tool->Left(), 20);
  EXPECT_EQ(tool->Top(), 20);
  EXPECT_EQ(WinportLiveWindowCount(), windowsWhileFloating - 1);

  // The right site refuses to let it go.
  recorder.AllowUnDock = false;
  Press(ScreenPointOf(tool, 10, 10));
  MoveTo(ScreenPointOf(left, 30, 30));
  Release(ScreenPointOf(left, 30, 30));
  EXPECT_EQ(tool->HostDockSite(), right);
  recorder.AllowUnDock = true;

  EXPECT_EQ(recorder.Log, (std::vector<std::string>{
                              "dock Tool into Left", "undock Tool from Left", "end dock Tool nil",
                              "dock Tool into Right", "end dock Tool Right", "undock Tool from Right",
                              "end dock Tool nil"}));

  // By code: float, then dock back on the left side of the left site.
  ASSERT_TRUE(tool->ManualFloat(RECT{600, 400, 720, 440}));
  EXPECT_TRUE(tool->Floating());
  ASSERT_TRUE(tool->ManualDock(left, nullptr, alLeft));
  Pump();
  EXPECT_EQ(tool->Parent(), left);
  EXPECT_EQ(tool->Align(), alLeft);
  EXPECT_EQ(tool->Height(), left->ClientHeight() - 2);
  delete form;
  Pump();
}

}  // namespace
