// IsDialogMessageA on an ordinary parent window: Tab order, arrows within a group, Enter and Esc.
#include "UserTestSupport.h"

namespace {

class Dialog : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    dialog_ = CreateShownPopup(0, 0, 200, 200);
    first_ = Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, 0, 10, 10, dialog_, 10);
    skipped_ = Create(WS_CHILD | WS_VISIBLE, 0, 20, 10, 10, dialog_, 11);
    disabled_ = Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 0, 40, 10, 10, dialog_, 12);
    container_ = Create(WS_CHILD | WS_VISIBLE, 0, 60, 100, 50, dialog_, 13, WS_EX_CONTROLPARENT);
    nested_ = Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10, 10, container_, 14);
    ok_ = Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP, 0, 120, 10, 10, dialog_, IDOK);
    cancel_ = Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 120, 10, 10, dialog_, IDCANCEL);
    Pump();
  }

  void Press(UINT vk) {
    WinportKeyDown(vk);
    WinportKeyUp(vk);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessageA(dialog_, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }

  std::vector<WPARAM> Commands() const {
    std::vector<WPARAM> out;
    for (const LoggedMessage& m : Log().Entries()) {
      if (m.message == WM_COMMAND && m.hwnd == dialog_) out.push_back(m.wParam);
    }
    return out;
  }

  HWND dialog_, first_, skipped_, disabled_, container_, nested_, ok_, cancel_;
};

TEST_F(Dialog, TabVisitsEnabledTabStopsInZOrderAndWraps) {
  SetFocus(first_);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), nested_) << "skips controls without WS_TABSTOP and disabled ones; enters control parents";
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), ok_);
  Press(VK_TAB);
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), first_) << "wraps around";
  WinportKeyDown(VK_SHIFT);
  Press(VK_TAB);
  WinportKeyUp(VK_SHIFT);
  EXPECT_EQ(GetFocus(), cancel_);
}

TEST_F(Dialog, ControlsThatWantTabKeepIt) {
  SetFocus(first_);
  Handlers::ForAll()[WM_GETDLGCODE] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = DLGC_WANTTAB;
    return true;
  };
  Press(VK_TAB);
  EXPECT_EQ(GetFocus(), first_);
}

TEST_F(Dialog, ArrowsMoveWithinTheGroup) {
  SetFocus(ok_);
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), cancel_);
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), ok_) << "wraps within the group that starts at OK";
}

TEST_F(Dialog, EnterAndEscapeBecomeCommands) {
  SetFocus(first_);
  Log().Clear();
  Press(VK_RETURN);
  Press(VK_ESCAPE);
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{IDOK, IDCANCEL}));

  Handlers::ForAll()[DM_GETDEFID] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = MAKELRESULT(10, DC_HASDEFID);
    return true;
  };
  Log().Clear();
  Press(VK_RETURN);
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(10, BN_CLICKED)})) << "the default button's ID";
}

TEST_F(Dialog, MessagesOutsideTheDialogAreNotItsBusiness) {
  HWND stranger = Create(WS_POPUP, 0, 0, 10, 10);
  MSG msg{stranger, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
  EXPECT_FALSE(IsDialogMessageA(dialog_, &msg));
}

}  // namespace
