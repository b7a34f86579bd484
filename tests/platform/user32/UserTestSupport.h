// A fixture for USER tests: a recording window class, the virtual clock, a message pump and
// checks that no window, DC or GDI object outlives the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <winport.h>

#include <functional>
#include <map>

#include "MessageLog.h"

// Per-window overrides of the recording procedure: a handler returns true with a result to
// answer a message itself.
using Handler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT&)>;

class Handlers {
 public:
  static std::map<UINT, Handler>& ForAll() {
    static std::map<UINT, Handler> handlers;
    return handlers;
  }
};

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog::Instance().Record(hwnd, message, wParam, lParam);
  auto& handlers = Handlers::ForAll();
  if (auto it = handlers.find(message); it != handlers.end()) {
    LRESULT result = 0;
    if (it->second(hwnd, message, wParam, lParam, result)) return result;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class UserTest : public ::testing::Test {
 protected:
  static constexpr const char* kClass = "TawoTestWindow";
  static constexpr const char* kDoubleClickClass = "TawoTestDblClk";

  void SetUp() override {
    baseWindows_ = WinportLiveWindowCount();
    baseDcs_ = WinportLiveWindowDcCount();
    baseGdi_ = WinportLiveGdiObjectCount();
    Register(kClass, 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    Register(kDoubleClickClass, CS_DBLCLKS, nullptr);
    WinportUseVirtualClock(TRUE);
    MessageLog::Instance().Clear();
    MessageLog::Instance().SetRecording(true);
    MessageLog::Instance().IgnoreNoise(true);
    Handlers::ForAll().clear();
  }

  void TearDown() override {
    Handlers::ForAll().clear();
    MessageLog::Instance().SetRecording(false);
    for (HWND hwnd : created_) {
      if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    ReleaseCapture();
    WinportDispatchPending();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    UnregisterClassA(kClass, nullptr);
    UnregisterClassA(kDoubleClickClass, nullptr);
    WinportUseVirtualClock(FALSE);
    EXPECT_EQ(WinportLiveWindowCount(), baseWindows_) << "windows leaked";
    EXPECT_EQ(WinportLiveWindowDcCount(), baseDcs_) << "window DCs not released";
    EXPECT_EQ(WinportLiveGdiObjectCount(), baseGdi_) << "GDI objects leaked";
  }

  static void Register(const char* name, UINT style, HBRUSH background, WNDPROC proc = RecordingProc) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hbrBackground = background;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    wc.cbWndExtra = 16;
    RegisterClassA(&wc);
  }

  HWND Create(DWORD style, int x, int y, int w, int h, HWND parent = nullptr, UINT_PTR id = 0, DWORD exStyle = 0,
              const char* cls = kClass) {
    HWND hwnd =
        CreateWindowExA(exStyle, cls, "test", style, x, y, w, h, parent, reinterpret_cast<HMENU>(id), nullptr, nullptr);
    if (hwnd) created_.push_back(hwnd);
    return hwnd;
  }

  // A visible popup at (x, y), painted, active, log cleared.
  HWND CreateShownPopup(int x, int y, int w, int h, DWORD extraStyle = 0, const char* cls = kClass) {
    HWND hwnd = Create(WS_POPUP | WS_VISIBLE | extraStyle, x, y, w, h, nullptr, 0, 0, cls);
    Pump();
    MessageLog::Instance().Clear();
    return hwnd;
  }

  static void Pump() { WinportDispatchPending(); }
  static MessageLog& Log() { return MessageLog::Instance(); }

 private:
  std::vector<HWND> created_;
  UINT baseWindows_ = 0;
  UINT baseDcs_ = 0;
  UINT baseGdi_ = 0;
};
