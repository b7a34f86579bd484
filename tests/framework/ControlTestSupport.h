// Controls that record what happens to them, a fixture with a fresh Application on the
// headless display's virtual clock, and an idle script that drives modal loops.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <winport.h>

#include "TApplication.h"
#include "TCustomControl.h"
#include "TForm.h"
#include "TGraphicControl.h"
#include "../platform/user32/IdleScript.h"

#include <functional>
#include <string>
#include <vector>

// What the test controls saw, in order: "paint A", "enter B", "leave B", "click C" ...
inline std::vector<std::string>& EventLog() {
  static std::vector<std::string> log;
  return log;
}

inline void LogEvent(const std::string& what, const TComponent* who) { EventLog().push_back(what + " " + who->Name()); }

// Fills its bounds with FillColor and logs its paints and mouse crossings.
class TTestGraphic : public TGraphicControl {
  TAWO_CLASS(TTestGraphic, TGraphicControl)

 public:
  explicit TTestGraphic(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 20, 20); }
  void SetOpaque(bool opaque) {
    if (opaque) FControlStyle.Include(TControlStyleItem::csOpaque);
    else FControlStyle.Exclude(TControlStyleItem::csOpaque);
  }
  TColor FillColor = clRed;

 protected:
  void Paint() override {
    LogEvent("paint", this);
    Canvas()->Brush()->SetColor(FillColor);
    Canvas()->FillRect(ClientRect());
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == CM_MOUSEENTER) LogEvent("enter", this);
    if (message.Msg == CM_MOUSELEAVE) LogEvent("leave", this);
    inherited::Dispatch(message);
  }
};

class TTestWindowed : public TCustomControl {
  TAWO_CLASS(TTestWindowed, TCustomControl)

 public:
  explicit TTestWindowed(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 40, 40); }
  TColor FillColor = clBlue;

 protected:
  void Paint() override {
    LogEvent("paint", this);
    Canvas()->Brush()->SetColor(FillColor);
    Canvas()->FillRect(ClientRect());
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == CM_MOUSEENTER) LogEvent("enter", this);
    if (message.Msg == CM_MOUSELEAVE) LogEvent("leave", this);
    inherited::Dispatch(message);
  }
};

class VisualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WinportUseVirtualClock(TRUE);
    baseWindows_ = WinportLiveWindowCount();
    saved_ = Application;
    Application = new TApplication(nullptr);
    EventLog().clear();
  }

  void TearDown() override {
    delete Application;
    Application = saved_;
    ReleaseCapture();
    WinportDispatchPending();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    WinportUseVirtualClock(FALSE);
    EXPECT_EQ(WinportLiveWindowCount(), baseWindows_) << "windows leaked";
  }

  // A shown form at (x, y) of the given client size, owned by the application.
  TForm* ShowForm(int x, int y, int clientWidth, int clientHeight) {
    auto* form = new TForm(Application);
    form->SetBounds(x, y, 100, 100);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    form->Show();
    WinportDispatchPending();
    return form;
  }

  static POINT ScreenPointOf(TControl* control, int x, int y) { return control->ClientToScreen(POINT{x, y}); }

 private:
  TApplication* saved_ = nullptr;
  UINT baseWindows_ = 0;
};
