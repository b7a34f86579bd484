// MessageBoxA: layout, the modal loop (owner disabled while it runs), and the result of keys,
// clicks and the close box.
#include "IdleScript.h"
#include "ProcessCaches.h"
#include "UserTestSupport.h"

#include <functional>

namespace {

POINT CentreOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class MessageBoxes : public UserTest {
 protected:
  static void SetUpTestSuite() { WarmUpProcessCaches(); }

  void SetUp() override {
    UserTest::SetUp();
    owner_ = CreateShownPopup(10, 10, 200, 100, WS_CAPTION | WS_SYSMENU);
  }

  // Shows a box and presses `key` once it is up.
  int ShowAndPress(UINT type, UINT key, HWND owner) {
    IdleScript script([key] {
      WinportKeyPress(key);
      return true;
    });
    return MessageBoxA(owner, "Text", "Caption", type);
  }

  HWND owner_ = nullptr;
};

TEST_F(MessageBoxes, ThreeLinesOfTextAndOneButtonAreLaidOutAndCentred) {
  RECT window{}, client{}, button{};
  BOOL ownerEnabled = TRUE;
  HWND box = nullptr;
  IdleScript script([&] {
    box = GetActiveWindow();
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    GetWindowRect(GetDlgItem(box, IDOK), &button);
    ownerEnabled = IsWindowEnabled(owner_);
    WinportKeyPress(VK_RETURN);
    return true;
  });
  EXPECT_EQ(MessageBoxA(owner_, "First line\nSecond line\nThird line", "ERROR", MB_OK), IDOK);
  ASSERT_NE(box, owner_);
  EXPECT_FALSE(IsWindow(box));
  EXPECT_FALSE(ownerEnabled) << "the owner is disabled while the box runs";
  EXPECT_TRUE(IsWindowEnabled(owner_)) << "and enabled afterwards";

  HDC hdc = GetDC(nullptr);
  SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA tm{};
  GetTextMetricsA(hdc, &tm);
  ReleaseDC(nullptr, hdc);
  // margin, three lines, gap, button, margin
  EXPECT_EQ(client.bottom, 11 + 3 * tm.tmHeight + 12 + 23 + 11);
  EXPECT_EQ(window.right - window.left - client.right, 6) << "dialog frame";
  EXPECT_EQ(window.bottom - window.top - client.bottom, 25) << "dialog frame and caption";
  EXPECT_EQ(button.right - button.left, 75);
  EXPECT_EQ(button.bottom - button.top, 23);
  EXPECT_EQ((button.left + button.right) / 2 - window.left, (window.right - window.left) / 2) << "button centred";
  EXPECT_EQ(window.left, (1024 - (window.right - window.left)) / 2) << "centred on the screen";
  EXPECT_EQ(window.top, (768 - (window.bottom - window.top)) / 2);
}

TEST_F(MessageBoxes, LongTextWrapsWithinTheWidthLimit) {
  RECT client{};
  IdleScript script([&] {
    GetClientRect(GetActiveWindow(), &client);
    WinportKeyPress(VK_RETURN);
    return true;
  });
  std::string text;
  for (int i = 0; i < 80; ++i) text += "word ";
  MessageBoxA(owner_, text.c_str(), "Long", MB_OK);
  EXPECT_LE(client.right, 1024 * 5 / 8 + 2 * 11);
  EXPECT_GT(client.bottom, 11 + 2 * 13 + 12 + 23 + 11) << "more than one line";
}

TEST_F(MessageBoxes, EnterAndEscapeGiveTheDocumentedResults) {
  EXPECT_EQ(ShowAndPress(MB_OKCANCEL, VK_RETURN, owner_), IDOK);
  EXPECT_EQ(ShowAndPress(MB_OKCANCEL, VK_ESCAPE, owner_), IDCANCEL);
  EXPECT_EQ(ShowAndPress(MB_OK, VK_ESCAPE, owner_), IDOK) << "a lone OK answers Esc";
  EXPECT_EQ(ShowAndPress(MB_YESNO | MB_DEFBUTTON2, VK_RETURN, owner_), IDNO);
  EXPECT_EQ(ShowAndPress(MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, VK_RETURN, nullptr), IDCANCEL);
}

TEST_F(MessageBoxes, EscapeDoesNothingWithoutACancelButton) {
  int step = 0;
  IdleScript script([&] {
    HWND box = GetActiveWindow();
    if (step++ == 0) {
      WinportKeyPress(VK_ESCAPE);
      return false;
    }
    WinportMouseClick(WINPORT_BUTTON_LEFT, CentreOf(GetDlgItem(box, IDNO)).x, CentreOf(GetDlgItem(box, IDNO)).y);
    return true;
  });
  EXPECT_EQ(MessageBoxA(owner_, "Sure?", "Question", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(step, 2);
}

TEST_F(MessageBoxes, ClickingAButtonReturnsItsId) {
  IdleScript script([] {
    HWND retry = GetDlgItem(GetActiveWindow(), IDRETRY);
    const POINT p = CentreOf(retry);
    WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
    return true;
  });
  EXPECT_EQ(MessageBoxA(owner_, "Disk not ready", "Drive", MB_ABORTRETRYIGNORE | MB_ICONHAND), IDRETRY);
}

TEST_F(MessageBoxes, TheCloseBoxCancels) {
  IdleScript script([] {
    RECT r;
    GetWindowRect(GetActiveWindow(), &r);
    const POINT close{r.right - 3 - 2 - 8, r.top + 3 + 2 + 7};
    WinportMouseClick(WINPORT_BUTTON_LEFT, close.x, close.y);
    return true;
  });
  EXPECT_EQ(MessageBoxA(owner_, "Close me", "Caption", MB_OKCANCEL | MB_ICONEXCLAMATION), IDCANCEL);
}

TEST_F(MessageBoxes, TopmostBoxIsAboveItsOwner) {
  LONG exStyle = 0;
  HWND top = nullptr;
  HWND box = nullptr;
  IdleScript script([&] {
    box = GetActiveWindow();
    exStyle = GetWindowLongA(box, GWL_EXSTYLE);
    top = GetTopWindow(nullptr);
    WinportKeyPress(VK_RETURN);
    return true;
  });
  MessageBoxA(owner_, "On top", "Caption", MB_OK | MB_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(top, box);
}

TEST_F(MessageBoxes, BadArgumentsFailWithZero) {
  SetLastError(0);
  EXPECT_EQ(MessageBoxA(reinterpret_cast<HWND>(0x7777), "x", "y", MB_OK), 0);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_WINDOW_HANDLE});
  EXPECT_EQ(MessageBoxA(owner_, "x", "y", 0xF), 0);
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_PARAMETER});
  EXPECT_TRUE(IsWindowEnabled(owner_));
}

}  // namespace
