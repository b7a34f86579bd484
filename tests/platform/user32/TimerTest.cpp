// Timers on the virtual clock: periods, coalescing, thread timers, timer procedures.
#include "UserTestSupport.h"

namespace {

using Timers = UserTest;

std::vector<DWORD> timerTimes;

std::vector<DWORD> TimerTimesSince(DWORD start) {
  std::vector<DWORD> out;
  for (DWORD t : timerTimes) out.push_back(t - start);
  return out;
}

class TimerLog : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    timerTimes.clear();
    Handlers::ForAll()[WM_TIMER] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
      timerTimes.push_back(static_cast<DWORD>(GetMessageTime()));
      r = 0;
      return true;
    };
  }
};

TEST_F(TimerLog, PeriodicTimerFiresAtEachPeriodAsTheClockAdvances) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  const DWORD start = WinportClockNow();
  EXPECT_NE(SetTimer(hwnd, 1, 100, nullptr), 0u);
  WinportAdvanceClock(99, TRUE);
  EXPECT_TRUE(timerTimes.empty());
  WinportAdvanceClock(401, TRUE);
  EXPECT_EQ(TimerTimesSince(start), (std::vector<DWORD>{100, 200, 300, 400, 500}));
  KillTimer(hwnd, 1);
}

TEST_F(TimerLog, ResettingATimerRestartsItsPeriod) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  const DWORD start = WinportClockNow();
  SetTimer(hwnd, 1, 300, nullptr);
  WinportAdvanceClock(200, TRUE);
  SetTimer(hwnd, 1, 300, nullptr);  // same window and id: replaced
  WinportAdvanceClock(900, TRUE);
  EXPECT_EQ(TimerTimesSince(start), (std::vector<DWORD>{500, 800, 1100}));
  KillTimer(hwnd, 1);
}

TEST_F(TimerLog, ARepeatAtFiveHundredFiresAtFiveSixSevenHundred) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  const DWORD start = WinportClockNow();
  Handlers::ForAll()[WM_USER] = [](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
    SetTimer(h, 2, 100, nullptr);  // an auto-repeat starts after a first delay of 500 ms
    r = 0;
    return true;
  };
  SetTimer(hwnd, 1, 500, [](HWND h, UINT, UINT_PTR id, DWORD) {
    KillTimer(h, id);
    SendMessageA(h, WM_USER, 0, 0);
    timerTimes.push_back(WinportClockNow());
  });
  WinportAdvanceClock(750, TRUE);
  EXPECT_EQ(TimerTimesSince(start), (std::vector<DWORD>{500, 600, 700}));
  KillTimer(hwnd, 2);
}

TEST_F(TimerLog, ElapsedPeriodsCoalesceIntoOneMessage) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  SetTimer(hwnd, 1, 100, nullptr);
  WinportAdvanceClock(1000, FALSE);
  MSG msg;
  int timers = 0;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_TIMER) ++timers;
  }
  EXPECT_EQ(timers, 1);
  WinportAdvanceClock(99, FALSE);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) << "the next period counts from retrieval";
  WinportAdvanceClock(1, FALSE);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  KillTimer(hwnd, 1);
}

TEST_F(Timers, TimersComeAfterPostedMessagesAndPaint) {
  HWND hwnd = CreateShownPopup(0, 0, 10, 10);
  SetTimer(hwnd, 1, 10, nullptr);
  WinportAdvanceClock(10, FALSE);
  PostMessageA(hwnd, WM_USER, 0, 0);
  InvalidateRect(hwnd, nullptr, FALSE);
  Pump();
  EXPECT_TRUE(Log().Matches({Msg(WM_USER), Msg(WM_PAINT), Msg(WM_TIMER)}));
  KillTimer(hwnd, 1);
}

TEST_F(Timers, ThreadTimersGetNewIdsAndReachTheirProcedure) {
  static int calls = 0;
  static UINT_PTR seenId = 0;
  calls = 0;
  const UINT_PTR first = SetTimer(nullptr, 12345, 50, [](HWND hwnd, UINT message, UINT_PTR id, DWORD) {
    EXPECT_EQ(hwnd, nullptr);
    EXPECT_EQ(message, static_cast<UINT>(WM_TIMER));
    seenId = id;
    ++calls;
  });
  const UINT_PTR second = SetTimer(nullptr, 0, 50, nullptr);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, 12345u) << "the id of a new thread timer is chosen by the system";
  EXPECT_NE(second, first);
  EXPECT_EQ(SetTimer(nullptr, first, 60, nullptr), first) << "an existing thread timer is replaced";
  WinportAdvanceClock(50, FALSE);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.wParam, second);
  EXPECT_EQ(msg.lParam, 0);
  EXPECT_TRUE(KillTimer(nullptr, first));
  EXPECT_TRUE(KillTimer(nullptr, second));
  EXPECT_FALSE(KillTimer(nullptr, second));

  const UINT_PTR withProc = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR id, DWORD) {
    seenId = id;
    ++calls;
  });
  WinportAdvanceClock(20, TRUE);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seenId, withProc);
  KillTimer(nullptr, withProc);
}

TEST_F(Timers, ShortElapsesAreRaisedToTheMinimum) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  SetTimer(hwnd, 1, 1, nullptr);
  MSG msg;
  WinportAdvanceClock(USER_TIMER_MINIMUM - 1, FALSE);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  WinportAdvanceClock(1, FALSE);
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
  KillTimer(hwnd, 1);
}

TEST_F(Timers, KilledTimersAndDestroyedWindowsStopTimers) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  SetTimer(hwnd, 1, 10, nullptr);
  EXPECT_TRUE(KillTimer(hwnd, 1));
  EXPECT_FALSE(KillTimer(hwnd, 1));
  SetTimer(hwnd, 2, 10, nullptr);
  DestroyWindow(hwnd);
  WinportAdvanceClock(100, FALSE);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(SetTimer(hwnd, 3, 10, nullptr), 0u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

}  // namespace
