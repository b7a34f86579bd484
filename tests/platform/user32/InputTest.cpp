// Injected mouse and keyboard input through the queue: hit-testing, activation on click,
// double clicks on the virtual clock, capture, disabled windows, focus, mouse tracking.
#include "UserTestSupport.h"

namespace {

using Input = UserTest;

LRESULT Signed(int x, int y) { return MAKELPARAM(x, y); }

TEST_F(Input, ClickOnAnInactiveWindowActivatesItFirst) {
  HWND other = CreateShownPopup(300, 300, 50, 50);
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetActiveWindow(other);
  WinportMouseMove(10, 20);
  Pump();
  Log().IgnoreNoise(false);
  Log().Clear();
  WinportMouseDown(WINPORT_BUTTON_LEFT, 10, 20);
  Pump();
  EXPECT_TRUE(Log().Matches({
      WithL(Msg(WM_NCHITTEST, hwnd), Signed(10, 20)),
      WithL(WithW(Msg(WM_MOUSEACTIVATE, hwnd), reinterpret_cast<WPARAM>(hwnd)), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
      WithW(Msg(WM_NCACTIVATE, other), FALSE),
      WithW(Msg(WM_ACTIVATE, other), WA_INACTIVE),
      Optional(WM_WINDOWPOSCHANGING, hwnd),
      Optional(WM_WINDOWPOSCHANGED, hwnd),
      WithW(Msg(WM_NCACTIVATE, hwnd), TRUE),
      WithW(Msg(WM_ACTIVATE, hwnd), WA_CLICKACTIVE),
      Msg(WM_KILLFOCUS, other),
      Msg(WM_SETFOCUS, hwnd),
      WithL(Msg(WM_SETCURSOR, hwnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
      WithL(WithW(Msg(WM_LBUTTONDOWN, hwnd), MK_LBUTTON), Signed(10, 20)),
  }));
  EXPECT_EQ(GetActiveWindow(), hwnd);
  WinportMouseUp(WINPORT_BUTTON_LEFT, 10, 20);
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches({Msg(WM_NCHITTEST), Msg(WM_SETCURSOR), WithW(Msg(WM_LBUTTONUP), 0)}));
}

TEST_F(Input, MouseActivateAndEatSwallowsTheClick) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetActiveWindow(nullptr);
  Handlers::ForAll()[WM_MOUSEACTIVATE] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = MA_ACTIVATEANDEAT;
    return true;
  };
  WinportMouseDown(WINPORT_BUTTON_LEFT, 10, 10);
  Log().Clear();
  Pump();
  EXPECT_EQ(GetActiveWindow(), hwnd);
  for (UINT m : Log().Messages()) EXPECT_NE(m, static_cast<UINT>(WM_LBUTTONDOWN));
  WinportMouseUp(WINPORT_BUTTON_LEFT, 10, 10);
}

TEST_F(Input, DoubleClicksNeedTheClassStyleTimeAndDistance) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100, 0, kDoubleClickClass);
  auto click = [](int x) {
    WinportMouseDown(WINPORT_BUTTON_LEFT, x, 10);
    WinportMouseUp(WINPORT_BUTTON_LEFT, x, 10);
  };
  auto buttons = [hwnd] {
    std::vector<UINT> out;
    for (UINT m : Log().Messages(hwnd)) {
      if (m >= WM_LBUTTONDOWN && m <= WM_LBUTTONDBLCLK) out.push_back(m);
    }
    return out;
  };
  click(10);
  WinportAdvanceClock(GetDoubleClickTime(), FALSE);
  click(11);
  WinportAdvanceClock(100, FALSE);
  click(11);
  Pump();
  EXPECT_EQ(buttons(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_LBUTTONDOWN,
                                          WM_LBUTTONUP}))
      << "within the time; a third click starts over";
  Log().Clear();
  WinportAdvanceClock(1000, FALSE);
  click(10);
  WinportAdvanceClock(GetDoubleClickTime() + 1, FALSE);
  click(10);
  WinportAdvanceClock(10, FALSE);
  click(10 + GetSystemMetrics(SM_CXDOUBLECLK));
  Pump();
  EXPECT_EQ(buttons(), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN,
                                          WM_LBUTTONUP}))
      << "too late, then too far";
}

TEST_F(Input, DoubleClickTimeCanBeChangedWithinItsLimits) {
  SetDoubleClickTime(200);
  EXPECT_EQ(GetDoubleClickTime(), 200u);
  SetDoubleClickTime(60000);
  EXPECT_EQ(GetDoubleClickTime(), 5000u);
  SetDoubleClickTime(0);
  EXPECT_EQ(GetDoubleClickTime(), 500u);
}

TEST_F(Input, WithoutCsDblClksASecondClickIsAnotherPress) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 10, 10);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 10, 10);
  Pump();
  std::vector<UINT> presses;
  for (UINT m : Log().Messages(hwnd)) {
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) presses.push_back(m);
  }
  EXPECT_EQ(presses, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(Input, CaptureGetsMouseInputOutsideInClientCoordinates) {
  HWND hwnd = CreateShownPopup(100, 100, 50, 50);
  CreateShownPopup(400, 400, 50, 50);
  SetCapture(hwnd);
  EXPECT_EQ(GetCapture(), hwnd);
  Log().IgnoreNoise(false);
  Log().Clear();
  WinportMouseMove(410, 90);
  WinportMouseDown(WINPORT_BUTTON_RIGHT, 410, 90);
  Pump();
  EXPECT_TRUE(Log().Matches({WithL(Msg(WM_MOUSEMOVE, hwnd), Signed(310, -10)),
                             WithW(WithL(Msg(WM_RBUTTONDOWN, hwnd), Signed(310, -10)), MK_RBUTTON)}))
      << "no hit-test and no cursor message while captured";
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  Log().Clear();
  EXPECT_TRUE(ReleaseCapture());
  EXPECT_TRUE(Log().Matches({WithL(Msg(WM_CAPTURECHANGED, hwnd), 0)}));
  EXPECT_EQ(GetCapture(), nullptr);
  WinportMouseUp(WINPORT_BUTTON_RIGHT, 410, 90);
}

TEST_F(Input, CaptureMovingToAnotherWindowTellsTheLoser) {
  HWND a = CreateShownPopup(0, 0, 50, 50);
  HWND b = CreateShownPopup(100, 0, 50, 50);
  EXPECT_EQ(SetCapture(a), nullptr);
  Log().Clear();
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_TRUE(Log().Matches({WithL(Msg(WM_CAPTURECHANGED, a), reinterpret_cast<LPARAM>(b))}));
  Log().Clear();
  DestroyWindow(b);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Log().Messages(b), (std::vector<UINT>{WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_NCACTIVATE, WM_ACTIVATE,
                                                  WM_KILLFOCUS, WM_CAPTURECHANGED, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_EQ(GetActiveWindow(), a) << "activation passed to the remaining window";
}

TEST_F(Input, DisabledChildPassesClicksToItsParent) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE | WS_DISABLED, 20, 20, 30, 30, parent);
  Pump();
  Log().Clear();
  WinportMouseClick(WINPORT_BUTTON_LEFT, 25, 30);
  Pump();
  EXPECT_TRUE(Log().Matches(
      {Msg(WM_MOUSEMOVE, parent), WithL(Msg(WM_LBUTTONDOWN, parent), Signed(25, 30)), Msg(WM_LBUTTONUP, parent)}));
  EXPECT_EQ(WindowFromPoint(POINT{25, 30}), parent);
  EXPECT_EQ(ChildWindowFromPoint(parent, POINT{25, 30}), child);
  EXPECT_EQ(ChildWindowFromPointEx(parent, POINT{25, 30}, CWP_SKIPDISABLED), parent);
}

TEST_F(Input, DisabledTopLevelWindowGetsOnlyAnErrorCursorMessage) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  EnableWindow(hwnd, FALSE);
  Log().IgnoreNoise(false);
  Log().Clear();
  WinportMouseClick(WINPORT_BUTTON_LEFT, 10, 10);
  Pump();
  for (const LoggedMessage& m : Log().Entries()) {
    if (m.message == WM_SETCURSOR) {
      EXPECT_EQ(static_cast<SHORT>(LOWORD(m.lParam)), HTERROR);
    } else {
      EXPECT_EQ(m.message, static_cast<UINT>(WM_NCHITTEST)) << MessageLog::Name(m.message);
    }
  }
}

TEST_F(Input, EnableWindowSequenceDropsFocusAndCapture) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
  SetFocus(child);
  SetCapture(child);
  Log().Clear();
  EXPECT_FALSE(EnableWindow(parent, FALSE)) << "it was enabled";
  EXPECT_TRUE(Log().Matches({Msg(WM_CANCELMODE, parent), Msg(WM_KILLFOCUS, child), Msg(WM_CAPTURECHANGED, child),
                             Optional(WM_NCACTIVATE, parent), Optional(WM_ACTIVATE, parent),
                             Optional(WM_ACTIVATEAPP, parent), WithW(Msg(WM_ENABLE, parent), FALSE)}));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(SetFocus(child), nullptr) << "a window inside a disabled one cannot take focus";
  EXPECT_TRUE(EnableWindow(parent, TRUE)) << "it was disabled";
  EXPECT_TRUE(IsWindowEnabled(parent));
}

TEST_F(Input, FocusChangeKillsThenSets) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND a = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
  HWND b = Create(WS_CHILD | WS_VISIBLE, 20, 0, 10, 10, parent);
  SetFocus(a);
  HWND focusDuringKill = nullptr;
  Handlers::ForAll()[WM_KILLFOCUS] = [&focusDuringKill](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    focusDuringKill = GetFocus();
    r = 0;
    return true;
  };
  Log().Clear();
  EXPECT_EQ(SetFocus(b), a);
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_KILLFOCUS, a), reinterpret_cast<WPARAM>(b)),
                             WithW(Msg(WM_SETFOCUS, b), reinterpret_cast<WPARAM>(a))}));
  EXPECT_EQ(focusDuringKill, b);
  Log().Clear();
  EXPECT_EQ(SetFocus(b), b);
  EXPECT_TRUE(Log().Matches({})) << "focusing the focus window again sends nothing";
}

TEST_F(Input, HidingTheFocusedChildGivesFocusToItsParent) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
  SetFocus(child);
  ShowWindow(child, SW_HIDE);
  EXPECT_EQ(GetFocus(), parent);
}

TEST_F(Input, KeysGoToTheFocusWindowOrAsSystemKeysToTheActiveOne) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
  Pump();
  SetFocus(child);
  WinportKeyPress('Q');
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches(
      {WithW(Msg(WM_KEYDOWN, child), 'Q'), WithW(Msg(WM_CHAR, child), 'q'), WithW(Msg(WM_KEYUP, child), 'Q')}));
  SetFocus(nullptr);
  WinportKeyPress('Q');
  Log().Clear();
  Pump();
  EXPECT_TRUE(
      Log().Matches({Msg(WM_SYSKEYDOWN, parent), WithW(Msg(WM_SYSCHAR, parent), 'q'), Msg(WM_SYSKEYUP, parent)}));
}

TEST_F(Input, TextAndWheelGoToTheFocusWindow) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent);
  Pump();
  SetFocus(child);
  WinportTypeText("ok");
  WinportMouseWheel(-WHEEL_DELTA, 50, 60);
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_CHAR, child), 'o'), WithW(Msg(WM_CHAR, child), 'k'),
                             WithL(Msg(WM_MOUSEWHEEL, child), Signed(50, 60)), Msg(WM_MOUSEWHEEL, parent)}))
      << "DefWindowProc passes the wheel to the parent";
  EXPECT_EQ(static_cast<short>(HIWORD(Log().Entries()[2].wParam)), -WHEEL_DELTA);
}

TEST_F(Input, KeyStateFollowsRetrievalAsyncStateFollowsInput) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetFocus(hwnd);
  const bool toggledBefore = GetKeyState(VK_CAPITAL) & 1;
  WinportKeyDown(VK_CAPITAL);
  EXPECT_TRUE(GetAsyncKeyState(VK_CAPITAL) & 0x8000);
  EXPECT_FALSE(GetKeyState(VK_CAPITAL) & 0x8000) << "not yet retrieved";
  Pump();
  EXPECT_TRUE(GetKeyState(VK_CAPITAL) & 0x8000);
  EXPECT_LT(GetKeyState(VK_CAPITAL), 0);
  EXPECT_NE(static_cast<bool>(GetKeyState(VK_CAPITAL) & 1), toggledBefore);
  WinportKeyUp(VK_CAPITAL);
  Pump();
  EXPECT_FALSE(GetKeyState(VK_CAPITAL) & 0x8000);
  WinportKeyPress(VK_CAPITAL);  // restore Caps Lock for the tests that follow in this process
  Pump();
}

TEST_F(Input, MouseLeaveArrivesOnceAfterTracking) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  WinportMouseMove(10, 10);
  Pump();
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
  EXPECT_TRUE(TrackMouseEvent(&track));
  TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
  TrackMouseEvent(&query);
  EXPECT_EQ(query.hwndTrack, hwnd);
  Log().Clear();
  WinportMouseMove(500, 500);
  Pump();
  WinportMouseMove(10, 10);
  Pump();
  WinportMouseMove(500, 500);
  Pump();
  EXPECT_TRUE(Log().Matches({Msg(WM_MOUSELEAVE, hwnd), Msg(WM_MOUSEMOVE, hwnd)}));

  WinportMouseMove(10, 10);
  Pump();
  TrackMouseEvent(&track);
  track.dwFlags = TME_LEAVE | TME_CANCEL;
  TrackMouseEvent(&track);
  Log().Clear();
  WinportMouseMove(500, 500);
  Pump();
  EXPECT_TRUE(Log().Matches({})) << "cancelled";
}

TEST_F(Input, HoverArrivesAfterTheHoverTimeOnTheVirtualClock) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  WinportMouseMove(10, 10);
  Pump();
  TRACKMOUSEEVENT track{sizeof(track), TME_HOVER, hwnd, 300};
  TrackMouseEvent(&track);
  Log().Clear();
  WinportAdvanceClock(299, TRUE);
  EXPECT_TRUE(Log().Matches({}));
  WinportAdvanceClock(1, TRUE);
  EXPECT_TRUE(Log().Matches({WithL(Msg(WM_MOUSEHOVER, hwnd), Signed(10, 10))}));
}

TEST_F(Input, TransparentHitTestPassesToTheWindowBeneath) {
  HWND lower = CreateShownPopup(0, 0, 100, 100);
  HWND upper = CreateShownPopup(0, 0, 50, 50);
  Handlers::ForAll()[WM_NCHITTEST] = [upper](HWND h, UINT m, WPARAM w, LPARAM l, LRESULT& r) {
    r = h == upper ? HTTRANSPARENT : DefWindowProcA(h, m, w, l);
    return true;
  };
  EXPECT_EQ(WindowFromPoint(POINT{10, 10}), lower);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 10, 10);
  Pump();
  for (UINT m : Log().Messages(upper)) EXPECT_FALSE(m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) << MessageLog::Name(m);
  EXPECT_EQ(GetActiveWindow(), lower) << "the click went through to the lower window";
}

TEST_F(Input, ClicksOnChildrenNotifyParentsAndSetTheClassCursor) {
  Register("TawoHandCursor", 0, nullptr);
  WNDCLASSA info;
  GetClassInfoA(nullptr, "TawoHandCursor", &info);
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 30, 30, parent, 5);
  WinportMouseMove(15, 20);
  Pump();
  Log().Clear();
  WinportMouseDown(WINPORT_BUTTON_LEFT, 15, 20);
  Pump();
  EXPECT_TRUE(Log().Matches({WithL(WithW(Msg(WM_PARENTNOTIFY, parent), WM_LBUTTONDOWN), Signed(15, 20)),
                             WithL(Msg(WM_LBUTTONDOWN, child), Signed(5, 10))}));
  EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_NE(LoadCursorA(nullptr, IDC_HAND), nullptr);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_HAND), LoadCursorA(nullptr, IDC_HAND));
  EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
  WinportMouseUp(WINPORT_BUTTON_LEFT, 15, 20);
  UnregisterClassA("TawoHandCursor", nullptr);
}

TEST_F(Input, ClicksOnTheFrameAreNonClientMessages) {
  HWND hwnd = CreateShownPopup(0, 0, 200, 100, WS_CAPTION | WS_SYSMENU);
  Handlers::ForAll()[WM_NCLBUTTONDOWN] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = 0;  // no move loop: this test looks at routing only
    return true;
  };
  Log().Clear();
  WinportMouseDown(WINPORT_BUTTON_LEFT, 50, 10);
  Pump();
  EXPECT_TRUE(
      Log().Matches({Msg(WM_NCMOUSEMOVE, hwnd), WithL(WithW(Msg(WM_NCLBUTTONDOWN, hwnd), HTCAPTION), Signed(50, 10))}))
      << "screen coordinates and the hit-test code";
  WinportMouseUp(WINPORT_BUTTON_LEFT, 50, 10);
}

}  // namespace
