// Posting, sending, retrieval order and filters, WM_QUIT, translation and dispatch.
#include <atomic>
#include <thread>

#include "DeferredSaves.h"
#include "UserTestSupport.h"

namespace {

using MessageQueue = UserTest;

std::vector<UINT> DrainMessages(HWND filter, UINT first, UINT last) {
  std::vector<UINT> out;
  MSG msg;
  while (PeekMessageA(&msg, filter, first, last, PM_REMOVE)) {
    out.push_back(msg.message);
    if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
  }
  return out;
}

TEST_F(MessageQueue, PostedMessagesComeFirstInFirstOut) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  PostMessageA(hwnd, WM_USER + 1, 1, 2);
  PostMessageA(hwnd, WM_USER + 2, 3, 4);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
  EXPECT_EQ(msg.hwnd, hwnd);
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_EQ(msg.lParam, 2);
  ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, RetrievalOrderPostedInputPaintTimer) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetTimer(hwnd, 1, 10, nullptr);
  WinportAdvanceClock(20, FALSE);
  InvalidateRect(hwnd, nullptr, FALSE);
  WinportMouseMove(50, 50);
  PostMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(DrainMessages(nullptr, 0, 0), (std::vector<UINT>{WM_USER, WM_MOUSEMOVE, WM_PAINT, WM_TIMER}));
  KillTimer(hwnd, 1);
}

TEST_F(MessageQueue, RangeFilterRemovesOnlyMouseMessages) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  PostMessageA(hwnd, WM_KEYDOWN, 'A', 0);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 10, 10);
  PostMessageA(hwnd, WM_USER, 0, 0);
  EXPECT_EQ(DrainMessages(nullptr, WM_MOUSEFIRST, WM_MOUSELAST),
            (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
  EXPECT_EQ(DrainMessages(nullptr, 0, 0), (std::vector<UINT>{WM_KEYDOWN, WM_USER}));
}

TEST_F(MessageQueue, WindowFilterTakesTheWindowAndItsChildren) {
  HWND a = Create(WS_POPUP, 0, 0, 10, 10);
  HWND child = Create(WS_CHILD, 0, 0, 5, 5, a);
  HWND b = Create(WS_POPUP, 0, 0, 10, 10);
  PostMessageA(b, WM_USER + 1, 0, 0);
  PostMessageA(child, WM_USER + 2, 0, 0);
  PostMessageA(nullptr, WM_USER + 3, 0, 0);
  EXPECT_EQ(DrainMessages(a, 0, 0), (std::vector<UINT>{WM_USER + 2}));
  EXPECT_EQ(DrainMessages(reinterpret_cast<HWND>(-1), 0, 0), (std::vector<UINT>{WM_USER + 3}));
  EXPECT_EQ(DrainMessages(nullptr, 0, 0), (std::vector<UINT>{WM_USER + 1}));
}

TEST_F(MessageQueue, QuitComesAfterPostedMessagesAndIgnoresTheRange) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  PostQuitMessage(3);
  PostQuitMessage(4);
  PostMessageA(hwnd, WM_USER, 0, 0);
  MSG msg;
  ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(GetMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST), 0);
  EXPECT_EQ(msg.wParam, 4u);
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "repeated PostQuitMessage gives one WM_QUIT";
}

TEST_F(MessageQueue, GoingForTheNextMessageRunsTheDeferredSaves) {
  static std::atomic<int> saves{0};
  static const bool registered = (DeferredSaves::Register([] { ++saves; }), true);
  ASSERT_TRUE(registered);
  const int before = saves;
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  EXPECT_EQ(saves, before + 1);
}

TEST_F(MessageQueue, BadArgumentsFail) {
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, reinterpret_cast<HWND>(0x7777), 0, 0), -1);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_FALSE(PostMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MESSAGE_SYNC_ONLY));
  EXPECT_FALSE(PostThreadMessageA(0xFFFFFFF0u, WM_USER, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_THREAD_ID));
}

TEST_F(MessageQueue, PaintIsNotRemovedUntilValidated) {
  HWND hwnd = CreateShownPopup(0, 0, 10, 10);
  Handlers::ForAll()[WM_PAINT] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = 0;
    return true;
  };
  InvalidateRect(hwnd, nullptr, FALSE);
  InvalidateRect(hwnd, nullptr, FALSE);
  MSG msg;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
  }
  ValidateRect(hwnd, nullptr);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, ThreadMessagesAndThreadIds) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
  EXPECT_TRUE(PostThreadMessageA(thread, WM_APP, 5, 6));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
  EXPECT_EQ(DispatchMessageA(&msg), 0) << "a thread message goes to no window";
}

TEST_F(MessageQueue, SendMessageFromAnotherThreadRunsOnTheWindowsThread) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  std::atomic<DWORD> handledOn{0};
  Handlers::ForAll()[WM_USER] = [&handledOn](HWND h, UINT, WPARAM w, LPARAM, LRESULT& r) {
    handledOn = GetWindowThreadProcessId(h, nullptr);
    r = static_cast<LRESULT>(w * 2) + (InSendMessage() ? 1000 : 0);
    return true;
  };
  std::atomic<LRESULT> result{0};
  std::thread sender([&] { result = SendMessageA(hwnd, WM_USER, 21, 0); });
  MSG msg;
  while (result.load() == 0) {
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    std::this_thread::yield();
  }
  sender.join();
  EXPECT_EQ(result.load(), 1042);
  EXPECT_EQ(handledOn.load(), GetWindowThreadProcessId(hwnd, nullptr));
  EXPECT_FALSE(InSendMessage());
}

TEST_F(MessageQueue, PostMessageFromAnotherThreadWakesGetMessage) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  std::thread poster([hwnd] { PostMessageA(hwnd, WM_USER + 9, 0, 0); });
  MSG msg;
  ASSERT_EQ(GetMessageA(&msg, hwnd, WM_USER + 9, WM_USER + 9), 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 9));
  poster.join();
}

TEST_F(MessageQueue, TranslateMessagePostsCharactersForPrintableKeys) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetFocus(hwnd);
  WinportKeyPress('A');
  WinportKeyDown(VK_SHIFT);
  WinportKeyPress('1');
  WinportKeyUp(VK_SHIFT);
  WinportKeyPress(VK_LEFT);
  WinportKeyPress(VK_RETURN);
  std::vector<WPARAM> chars;
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    const BOOL translated = TranslateMessage(&msg);
    EXPECT_EQ(translated != FALSE, msg.message >= WM_KEYDOWN && msg.message <= WM_SYSKEYUP && msg.message != WM_CHAR);
    if (msg.message == WM_CHAR) chars.push_back(msg.wParam);
  }
  EXPECT_EQ(chars, (std::vector<WPARAM>{'a', '!', '\r'}));
}

TEST_F(MessageQueue, KeyMessagesCarryWindowsLParamBits) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetFocus(hwnd);
  WinportKeyDown(VK_LEFT);
  WinportKeyDown(VK_LEFT);
  WinportKeyUp(VK_LEFT);
  MSG down, repeat, up;
  ASSERT_TRUE(PeekMessageA(&down, nullptr, 0, 0, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&repeat, nullptr, 0, 0, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&up, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(down.message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(static_cast<DWORD>(down.lParam), 0x014B0001u);    // scan 0x4B, extended
  EXPECT_EQ(static_cast<DWORD>(repeat.lParam), 0x414B0001u);  // previous state down
  EXPECT_EQ(up.message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(static_cast<DWORD>(up.lParam), 0xC14B0001u);
}

TEST_F(MessageQueue, AltMakesSystemKeysAndAltF4Closes) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SetFocus(hwnd);
  WinportKeyDown(VK_MENU);
  WinportKeyDown(VK_F4);
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_SYSKEYDOWN), VK_MENU), WithW(Msg(WM_SYSKEYDOWN), VK_F4),
                             WithW(Msg(WM_SYSCOMMAND), SC_CLOSE), Msg(WM_CLOSE), Msg(WM_WINDOWPOSCHANGING),
                             Msg(WM_WINDOWPOSCHANGED), Optional(WM_NCACTIVATE), Optional(WM_ACTIVATE),
                             Optional(WM_ACTIVATEAPP), Optional(WM_KILLFOCUS), Msg(WM_DESTROY), Msg(WM_NCDESTROY)}));
  EXPECT_FALSE(IsWindow(hwnd));
  WinportKeyUp(VK_F4);
  WinportKeyUp(VK_MENU);
}

TEST_F(MessageQueue, GetMessageOnAnIdleHeadlessQueueJumpsToTheNextTimer) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 10, 10);
  const DWORD start = WinportClockNow();
  SetTimer(hwnd, 7, 250, nullptr);
  MSG msg;
  ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(WinportClockNow() - start, 250u);
  KillTimer(hwnd, 7);
}

TEST_F(MessageQueue, TimersTheFilterExcludesDoNotKeepGetMessageAwake) {
  HWND a = Create(WS_POPUP, 0, 0, 10, 10);
  HWND b = Create(WS_POPUP, 0, 0, 10, 10);
  SetTimer(b, 1, 10, nullptr);
  WinportAdvanceClock(10, FALSE);
  WinportSetIdleLimit(5);
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, a, 0, 0), 0) << "nothing for this window can come; the loop ends";
  WinportSetIdleLimit(INFINITE);
  KillTimer(b, 1);
}

TEST_F(MessageQueue, GetMessageWithNothingThatCanHappenEndsTheLoop) {
  Create(WS_POPUP, 0, 0, 10, 10);
  WinportSetIdleLimit(5);
  MSG msg;
  EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  WinportSetIdleLimit(INFINITE);
}

TEST_F(MessageQueue, AnIdleHandlerFeedsInput) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  struct Script {
    int step = 0;
  } script;
  WinportSetIdleHandler(
      [](LPVOID context) -> BOOL {
        auto* s = static_cast<Script*>(context);
        if (s->step >= 2) return FALSE;
        WinportMouseClick(WINPORT_BUTTON_LEFT, 10 + s->step, 10);
        ++s->step;
        return TRUE;
      },
      &script);
  WinportSetIdleLimit(5);
  int clicks = 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_LBUTTONUP && msg.hwnd == hwnd) ++clicks;
    DispatchMessageA(&msg);
  }
  WinportSetIdleHandler(nullptr, nullptr);
  WinportSetIdleLimit(INFINITE);
  EXPECT_EQ(clicks, 2);
}

}  // namespace
