// Menu handles, item states and TrackPopupMenu's loop: clicks, keys, cancelling, greyed items.
#include "ProcessCaches.h"
#include "UserTestSupport.h"

namespace {

constexpr int kMenuX = 300, kMenuY = 300;
constexpr int kFrame = 3, kItemHeight = 17;

int PopupWindows() {
  int count = 0;
  for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (std::string(name) == "#32768") ++count;
  }
  return count;
}

class PopupMenus : public UserTest {
 protected:
  static void SetUpTestSuite() { WarmUpProcessCaches(); }

  void SetUp() override {
    UserTest::SetUp();
    owner_ = CreateShownPopup(10, 10, 200, 100);
    menu_ = CreatePopupMenu();
    AppendMenuA(menu_, MF_STRING, 101, "&Open");
    AppendMenuA(menu_, MF_STRING | MF_CHECKED, 102, "&Checked");
    AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu_, MF_STRING | MF_GRAYED, 103, "&Disabled");
  }
  void TearDown() override {
    DestroyMenu(menu_);
    UserTest::TearDown();
  }

  // Screen point in the middle of the item at `index` (items above it are all 17 px high
  // except the separator, 9 px).
  static POINT Item(int index) {
    int y = kMenuY + kFrame;
    for (int i = 0; i < index; ++i) y += i == 2 ? 9 : kItemHeight;
    return POINT{kMenuX + kFrame + 25, y + (index == 2 ? 4 : 8)};
  }

  UINT Track(UINT flags = TPM_RETURNCMD) {
    return static_cast<UINT>(TrackPopupMenu(menu_, flags, kMenuX, kMenuY, 0, owner_, nullptr));
  }

  std::vector<WPARAM> Commands() const {
    std::vector<WPARAM> out;
    for (const LoggedMessage& m : Log().Entries()) {
      if (m.message == WM_COMMAND && m.hwnd == owner_) out.push_back(m.wParam);
    }
    return out;
  }

  HWND owner_ = nullptr;
  HMENU menu_ = nullptr;
};

TEST_F(PopupMenus, ClickOnAnItemReturnsItsCommand) {
  const POINT p = Item(1);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  EXPECT_EQ(Track(), 102u);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(PopupWindows(), 0) << "the menu window is gone";
}

TEST_F(PopupMenus, WithoutReturnCmdTheOwnerGetsWmCommand) {
  const POINT p = Item(0);
  WinportMouseClick(WINPORT_BUTTON_LEFT, p.x, p.y);
  EXPECT_EQ(Track(0), 1u);
  Pump();
  EXPECT_EQ(Commands(), std::vector<WPARAM>{MAKEWPARAM(101, 0)});
}

TEST_F(PopupMenus, ClickOutsideCancels) {
  WinportMouseClick(WINPORT_BUTTON_LEFT, 700, 700);
  EXPECT_EQ(Track(), 0u);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 700, 700);
  EXPECT_EQ(Track(0), 0u);
  Pump();
  EXPECT_TRUE(Commands().empty());
}

TEST_F(PopupMenus, GreyedItemsAndSeparatorsCannotBeChosen) {
  const POINT greyed = Item(3);
  const POINT separator = Item(2);
  WinportMouseClick(WINPORT_BUTTON_LEFT, greyed.x, greyed.y);
  WinportMouseClick(WINPORT_BUTTON_LEFT, separator.x, separator.y);
  WinportKeyPress(VK_ESCAPE);
  EXPECT_EQ(Track(), 0u);
}

TEST_F(PopupMenus, ArrowKeysSkipSeparatorsAndEnterChooses) {
  for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_UP, VK_RETURN}) WinportKeyPress(key);
  EXPECT_EQ(Track(), 102u) << "Open, Checked, Disabled, Open (wrapped), Disabled (wrapped), Checked";
}

TEST_F(PopupMenus, MnemonicChoosesTheItem) {
  WinportTypeText("o");
  EXPECT_EQ(Track(), 101u);
}

TEST_F(PopupMenus, HighlightBarFollowsThePointer) {
  const POINT p = Item(0);
  COLORREF highlighted = 0;
  WinportMouseMove(p.x, p.y);
  WinportSetIdleHandler(
      [](LPVOID context) -> BOOL {
        const POINT item = Item(0);
        *static_cast<COLORREF*>(context) = WinportScreenPixel(kMenuX + kFrame + 1, item.y);
        WinportKeyPress(VK_ESCAPE);
        WinportSetIdleHandler(nullptr, nullptr);
        return TRUE;
      },
      &highlighted);
  EXPECT_EQ(Track(), 0u);
  EXPECT_EQ(highlighted, GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(PopupMenus, ItemStatesChangeAndReportThePreviousState) {
  EXPECT_EQ(GetMenuItemCount(menu_), 4);
  EXPECT_EQ(CheckMenuItem(menu_, 102, MF_BYCOMMAND | MF_UNCHECKED), DWORD{MF_CHECKED});
  EXPECT_EQ(CheckMenuItem(menu_, 102, MF_BYCOMMAND | MF_CHECKED), DWORD{MF_UNCHECKED});
  EXPECT_EQ(EnableMenuItem(menu_, 3, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(GetMenuState(menu_, 103, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_EQ(CheckMenuItem(menu_, 999, MF_BYCOMMAND), DWORD{0xFFFFFFFF});
  EXPECT_TRUE(InsertMenuA(menu_, 0, MF_BYPOSITION | MF_STRING, 100, "First"));
  EXPECT_EQ(GetMenuItemID(menu_, 0), 100u);
  EXPECT_EQ(GetMenuItemID(menu_, 3), 0u) << "separator";
}

TEST_F(PopupMenus, DestroyedOrUnknownHandlesAreRefused) {
  HMENU menu = CreatePopupMenu();
  ASSERT_TRUE(DestroyMenu(menu));
  SetLastError(0);
  EXPECT_FALSE(DestroyMenu(menu));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_MENU_HANDLE});
  EXPECT_FALSE(AppendMenuA(menu, MF_STRING, 1, "x"));
  EXPECT_EQ(GetMenuItemCount(reinterpret_cast<HMENU>(0x1234567)), -1);
  EXPECT_FALSE(TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, owner_, nullptr));
  EXPECT_EQ(GetLastError(), DWORD{ERROR_INVALID_MENU_HANDLE});
  EXPECT_FALSE(IsMenu(menu));
  EXPECT_TRUE(IsMenu(menu_));
}

}  // namespace
