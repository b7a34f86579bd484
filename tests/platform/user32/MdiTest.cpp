// The MDI minimum: a frame with an MDICLIENT, children created, activated and destroyed through
// the client's messages.
#include "UserTestSupport.h"

namespace {

LRESULT CALLBACK ChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageLog::Instance().Record(hwnd, message, wParam, lParam);
  return DefMDIChildProcA(hwnd, message, wParam, lParam);
}

HWND client = nullptr;

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcA(hwnd, client, message, wParam, lParam);
}

class Mdi : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    Register("TawoMdiFrame", 0, nullptr, FrameProc);
    Register("TawoMdiChild", 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), ChildProc);
    frame_ = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 600, 400, nullptr, 0, 0, "TawoMdiFrame");
    CLIENTCREATESTRUCT settings{nullptr, 100};
    client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0,
                             10, 10, frame_, nullptr, nullptr, &settings);
    Pump();
  }
  void TearDown() override {
    DestroyWindow(frame_);
    client = nullptr;
    UserTest::TearDown();
    UnregisterClassA("TawoMdiFrame", nullptr);
    UnregisterClassA("TawoMdiChild", nullptr);
  }

  HWND NewChild(const char* title) {
    MDICREATESTRUCTA request{"TawoMdiChild", title, nullptr, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, 0, 0};
    return reinterpret_cast<HWND>(SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&request)));
  }

  static HWND ActiveChild() { return reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); }

  HWND frame_ = nullptr;
};

TEST_F(Mdi, TheClientFillsTheFrameAndChildrenAreNumbered) {
  ASSERT_NE(client, nullptr);
  RECT frameClient, clientRect;
  GetClientRect(frame_, &frameClient);
  GetWindowRect(client, &clientRect);
  SendMessageA(frame_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(frameClient.right, frameClient.bottom));
  GetWindowRect(client, &clientRect);
  EXPECT_EQ(clientRect.right - clientRect.left, frameClient.right);
  EXPECT_EQ(clientRect.bottom - clientRect.top, frameClient.bottom);

  HWND first = NewChild("One");
  HWND second = NewChild("Two");
  ASSERT_TRUE(first && second);
  EXPECT_EQ(GetParent(first), client);
  EXPECT_EQ(GetDlgCtrlID(first), 100);
  EXPECT_EQ(GetDlgCtrlID(second), 101);
  EXPECT_TRUE(GetWindowLongA(first, GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(GetWindowLongA(first, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
}

TEST_F(Mdi, ActivationMovesBetweenChildrenWithNotifications) {
  HWND first = NewChild("One");
  HWND second = NewChild("Two");
  EXPECT_EQ(ActiveChild(), second);
  Log().Clear();
  SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first), 0);
  EXPECT_EQ(ActiveChild(), first);
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_NCACTIVATE, second), FALSE),
                             WithL(WithW(Msg(WM_MDIACTIVATE, second), reinterpret_cast<WPARAM>(second)),
                                   reinterpret_cast<LPARAM>(first)),
                             Optional(WM_WINDOWPOSCHANGING, first), Optional(WM_WINDOWPOSCHANGED, first),
                             Optional(WM_CHILDACTIVATE, first), WithW(Msg(WM_NCACTIVATE, first), TRUE),
                             WithL(WithW(Msg(WM_MDIACTIVATE, first), reinterpret_cast<WPARAM>(second)),
                                   reinterpret_cast<LPARAM>(first))}));
  EXPECT_EQ(GetWindow(client, GW_CHILD), first) << "the active child is on top";
}

TEST_F(Mdi, DestroyingTheActiveChildActivatesAnother) {
  HWND first = NewChild("One");
  HWND second = NewChild("Two");
  SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(second), 0);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(ActiveChild(), first);
  SendMessageA(first, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(ActiveChild(), nullptr);
}

}  // namespace
