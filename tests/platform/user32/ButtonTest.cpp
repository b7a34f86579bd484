// The BUTTON class: press and release by mouse and space key, owner-draw requests, states,
// styles and the dialog codes the dialog manager relies on.
#include "ProcessCaches.h"
#include "UserTestSupport.h"

namespace {

struct DrawRequest {
  UINT action;
  UINT state;
  UINT type;
  RECT rect;
};

class ButtonClass : public UserTest {
 protected:
  static void SetUpTestSuite() { WarmUpProcessCaches(); }

  void SetUp() override {
    UserTest::SetUp();
    parent_ = CreateShownPopup(100, 100, 300, 200);
    Handlers::ForAll()[WM_DRAWITEM] = [this](HWND, UINT, WPARAM, LPARAM lParam, LRESULT& result) {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      draws_.push_back(DrawRequest{item->itemAction, item->itemState, item->CtlType, item->rcItem});
      result = TRUE;
      return true;
    };
  }

  HWND CreateButton(DWORD type, int id = 42, DWORD extra = 0) {
    HWND hwnd = CreateWindowExA(0, "button", "Go", WS_CHILD | WS_VISIBLE | WS_TABSTOP | type | extra, 10, 10, 80, 24,
                                parent_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    Pump();
    Log().Clear();
    draws_.clear();
    return hwnd;
  }

  std::vector<WPARAM> Commands() const {
    std::vector<WPARAM> out;
    for (const LoggedMessage& m : Log().Entries()) {
      if (m.message == WM_COMMAND && m.hwnd == parent_) out.push_back(m.wParam);
    }
    return out;
  }

  // Screen point inside the button at client (x, y).
  static POINT At(HWND button, int x, int y) {
    POINT p{x, y};
    ClientToScreen(button, &p);
    return p;
  }

  HWND parent_ = nullptr;
  std::vector<DrawRequest> draws_;
};

TEST_F(ButtonClass, IsRegisteredAtStartWithDoubleClicksAndParentDc) {
  WNDCLASSA info{};
  ASSERT_TRUE(GetClassInfoA(nullptr, "Button", &info));
  EXPECT_EQ(info.style & (CS_DBLCLKS | CS_PARENTDC), UINT{CS_DBLCLKS | CS_PARENTDC});
}

TEST_F(ButtonClass, ClickInsideNotifiesTheParentOnceOnRelease) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  const POINT p = At(button, 20, 10);
  WinportMouseDown(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_EQ(GetCapture(), button);
  EXPECT_EQ(GetFocus(), button);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_PUSHED | BST_FOCUS);
  EXPECT_TRUE(Commands().empty()) << "nothing before the release";
  WinportMouseUp(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(42, BN_CLICKED)});
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), BST_FOCUS);
}

TEST_F(ButtonClass, DraggingOutUnpushesAndReleasingOutsideDoesNotClick) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  const POINT in = At(button, 20, 10);
  const POINT out = At(button, 200, 100);
  WinportMouseDown(WINPORT_BUTTON_LEFT, in.x, in.y);
  WinportMouseMove(out.x, out.y);
  Pump();
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  WinportMouseMove(in.x, in.y);
  Pump();
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED) << "pushed again back inside";
  WinportMouseMove(out.x, out.y);
  WinportMouseUp(WINPORT_BUTTON_LEFT, out.x, out.y);
  Pump();
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonClass, SpaceKeyPressesAndReleaseClicks) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  SetFocus(button);
  WinportKeyDown(VK_SPACE);
  Pump();
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
  EXPECT_TRUE(Commands().empty());
  WinportKeyUp(VK_SPACE);
  Pump();
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(42, BN_CLICKED)});
}

TEST_F(ButtonClass, DisabledButtonIgnoresTheMouse) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  EnableWindow(button, FALSE);
  const POINT p = At(button, 20, 10);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0), 0);
}

TEST_F(ButtonClass, LosingCaptureCancelsThePress) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  const POINT p = At(button, 20, 10);
  WinportMouseDown(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  SendMessageA(button, WM_CANCELMODE, 0, 0);
  EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
  WinportMouseUp(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_TRUE(Commands().empty());
}

TEST_F(ButtonClass, BmClickSendsAClick) {
  HWND button = CreateButton(BS_PUSHBUTTON, 7);
  SendMessageA(button, BM_CLICK, 0, 0);
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(7, BN_CLICKED)});
}

TEST_F(ButtonClass, OwnerDrawnClickFollowsTheDrawItemTrace) {
  HWND button = CreateButton(BS_OWNERDRAW);
  const POINT p = At(button, 20, 10);
  WinportMouseDown(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  ASSERT_EQ(draws_.size(), 2u);
  EXPECT_EQ(draws_[0].action, UINT{ODA_FOCUS});
  EXPECT_EQ(draws_[0].state, UINT{ODS_FOCUS});
  EXPECT_EQ(draws_[1].action, UINT{ODA_SELECT});
  EXPECT_EQ(draws_[1].state, UINT{ODS_SELECTED | ODS_FOCUS});
  EXPECT_EQ(draws_[1].type, UINT{ODT_BUTTON});
  EXPECT_EQ(draws_[1].rect.right, 80);
  EXPECT_EQ(draws_[1].rect.bottom, 24);
  HWND captureAtClick = button;
  Handlers::ForAll()[WM_COMMAND] = [&captureAtClick](HWND, UINT, WPARAM, LPARAM, LRESULT&) {
    captureAtClick = GetCapture();
    return false;
  };
  WinportMouseUp(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  ASSERT_EQ(draws_.size(), 3u);
  EXPECT_EQ(draws_[2].action, UINT{ODA_SELECT});
  EXPECT_EQ(draws_[2].state, UINT{ODS_FOCUS});
  EXPECT_EQ(captureAtClick, nullptr) << "the click comes after the capture is released";
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(42, BN_CLICKED)});
}

TEST_F(ButtonClass, OwnerDrawnDoubleClickIsOnlyANotification) {
  HWND button = CreateButton(BS_OWNERDRAW);
  const POINT p = At(button, 20, 10);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(42, BN_CLICKED), MAKEWPARAM(42, BN_DOUBLECLICKED)}));
}

TEST_F(ButtonClass, PushButtonDoubleClickIsASecondPress) {
  HWND button = CreateButton(BS_PUSHBUTTON);
  const POINT p = At(button, 20, 10);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  Pump();
  EXPECT_EQ(Commands(), (std::vector<WPARAM>{MAKEWPARAM(42, BN_CLICKED), MAKEWPARAM(42, BN_CLICKED)}));
}

TEST_F(ButtonClass, OwnerDrawnStateReportsDisabledAndNeverDefault) {
  HWND button = CreateButton(BS_OWNERDRAW);
  EnableWindow(button, FALSE);
  ASSERT_FALSE(draws_.empty());
  EXPECT_EQ(draws_.back().action, UINT{ODA_DRAWENTIRE});
  EXPECT_EQ(draws_.back().state, UINT{ODS_DISABLED});
  draws_.clear();
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  ASSERT_EQ(draws_.size(), 1u);
  EXPECT_EQ(draws_[0].state, UINT{ODS_SELECTED | ODS_DISABLED});
}

TEST_F(ButtonClass, DialogCodesAndStyleChanges) {
  HWND push = CreateButton(BS_PUSHBUTTON, 1);
  HWND owner = CreateButton(BS_OWNERDRAW, 2);
  EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
  EXPECT_EQ(SendMessageA(owner, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
  SendMessageA(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_EQ(GetWindowLongA(push, GWL_STYLE) & (WS_CHILD | WS_TABSTOP), WS_CHILD | WS_TABSTOP) << "other bits kept";
}

TEST_F(ButtonClass, EnterInADialogClicksTheFocusedDefaultButton) {
  HWND button = CreateButton(BS_DEFPUSHBUTTON, 9);
  SetFocus(button);
  Log().Clear();
  WinportKeyPress(VK_RETURN);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) IsDialogMessageA(parent_, &msg);
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(9, BN_CLICKED)});
}

TEST_F(ButtonClass, DefaultPushButtonHasADarkFrameAndPushedLabelMoves) {
  HWND button = CreateButton(BS_DEFPUSHBUTTON);
  RECT r;
  GetWindowRect(button, &r);
  EXPECT_EQ(WinportScreenPixel(r.left, r.top + 10), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(WinportScreenPixel(r.left + 1, r.top + 10), GetSysColor(COLOR_3DHILIGHT));
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  Pump();
  EXPECT_EQ(WinportScreenPixel(r.left + 1, r.top + 10), GetSysColor(COLOR_3DSHADOW)) << "flat pushed frame";
}

}  // namespace
