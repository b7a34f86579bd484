// What the host's window manager does to a top-level window reaches USER as the same change made
// on Windows: a move is a SetWindowPos with its messages, focus given and taken activates and
// deactivates, iconify and restore are system commands. Icons for the host come from the window,
// its class or the system.
#include "Icons.h"
#include "SystemInput.h"
#include "UserTestSupport.h"

namespace {

class HostWindow : public UserTest {
 protected:
  static void FromHost(InputEvent::Kind kind, HWND hwnd, POINT origin = {}) {
    InputEvent event;
    event.kind = kind;
    event.surface = reinterpret_cast<SurfaceId>(hwnd);
    event.origin = origin;
    SystemInput::Instance().Deliver(event);
    Pump();
  }
};

TEST_F(HostWindow, AMoveMovesTheWindowWithItsMessagesAndPointerInputFollows) {
  HWND hwnd = CreateShownPopup(100, 100, 200, 150);
  FromHost(InputEvent::Kind::Moved, hwnd, POINT{300, 250});
  RECT window;
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.left, 300);
  EXPECT_EQ(window.top, 250);
  EXPECT_TRUE(Log().Matches({Msg(WM_WINDOWPOSCHANGING, hwnd), Msg(WM_WINDOWPOSCHANGED, hwnd),
                             WithL(Msg(WM_MOVE, hwnd), MAKELPARAM(300, 250))}));
  Log().Clear();
  WinportMouseClick(WINPORT_BUTTON_LEFT, 310, 262);
  Pump();
  EXPECT_TRUE(Log().Matches(
      {Optional(WM_MOUSEMOVE, hwnd), WithL(Msg(WM_LBUTTONDOWN, hwnd), MAKELPARAM(10, 12)), Msg(WM_LBUTTONUP, hwnd)}));
}

TEST_F(HostWindow, FocusGivenActivatesAndFocusTakenFromTheActiveWindowDeactivates) {
  HWND first = CreateShownPopup(0, 0, 100, 100);
  HWND second = CreateShownPopup(200, 0, 100, 100);
  ASSERT_EQ(GetActiveWindow(), second);
  const struct {
    InputEvent::Kind kind;
    HWND window;
    HWND activeAfter;
  } steps[] = {
      {InputEvent::Kind::FocusGained, first, first},
      {InputEvent::Kind::FocusLost, second, first},  // focus moving between our windows
      {InputEvent::Kind::FocusLost, first, nullptr},  // to another program
      {InputEvent::Kind::FocusGained, second, second},
  };
  for (const auto& step : steps) {
    FromHost(step.kind, step.window);
    EXPECT_EQ(GetActiveWindow(), step.activeAfter);
  }
}

TEST_F(HostWindow, FocusGivenToAWindowDisabledByItsDialogActivatesTheDialog) {
  HWND owner = CreateShownPopup(0, 0, 300, 300);
  HWND dialog = Create(WS_POPUP | WS_VISIBLE, 50, 50, 100, 100, owner);
  EnableWindow(owner, FALSE);
  FromHost(InputEvent::Kind::FocusLost, dialog);
  FromHost(InputEvent::Kind::FocusGained, owner);
  EXPECT_EQ(GetActiveWindow(), dialog);
  EnableWindow(owner, TRUE);
}

TEST_F(HostWindow, IconifyAndRestoreAreSystemCommands) {
  HWND hwnd = CreateShownPopup(100, 100, 200, 150, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  FromHost(InputEvent::Kind::Minimized, hwnd);
  EXPECT_TRUE(IsIconic(hwnd));
  EXPECT_TRUE(Log().Matches({WithW(Msg(WM_SYSCOMMAND, hwnd), SC_MINIMIZE), Msg(WM_WINDOWPOSCHANGING, hwnd),
                             Optional(WM_NCCALCSIZE, hwnd), Optional(WM_NCPAINT, hwnd), Msg(WM_WINDOWPOSCHANGED, hwnd),
                             Optional(WM_MOVE, hwnd), WithW(Msg(WM_SIZE, hwnd), SIZE_MINIMIZED)}));
  FromHost(InputEvent::Kind::Restored, hwnd);
  EXPECT_FALSE(IsIconic(hwnd));
  RECT window;
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(window.left, 100);
  EXPECT_EQ(window.top, 100);
}

TEST_F(HostWindow, IconsAreSharedOrMadeFromAColourAndAMask) {
  HICON application = LoadIconA(nullptr, IDI_APPLICATION);
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(LoadIconA(nullptr, IDI_APPLICATION), application);
  EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCE(1)), nullptr);
  EXPECT_FALSE(DestroyIcon(application)) << "shared icons are not destroyed";

  const COLORREF colour[] = {0x0000FF, 0x00FF00};
  HBITMAP colourBitmap = CreateBitmap(2, 1, 1, 32, nullptr);
  HBITMAP maskBitmap = CreateBitmap(2, 1, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, colourBitmap);
  for (int x = 0; x < 2; ++x) SetPixel(dc, x, 0, colour[x]);
  SelectObject(dc, maskBitmap);
  SetPixel(dc, 0, 0, RGB(255, 255, 255));  // transparent
  SetPixel(dc, 1, 0, RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO info{TRUE, 0, 0, maskBitmap, colourBitmap};
  HICON made = CreateIconIndirect(&info);
  DeleteObject(colourBitmap);
  DeleteObject(maskBitmap);
  ASSERT_NE(made, nullptr);
  const std::shared_ptr<const PixelSurface> pixels = Icons::PixelsOf(made);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->ReadPixel(0, 0) >> 24, 0u);
  EXPECT_EQ(pixels->ReadPixel(1, 0), 0xFF00FF00u);

  HWND hwnd = CreateShownPopup(0, 0, 50, 50);
  EXPECT_EQ(SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(made)), 0);
  EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(made));
  EXPECT_EQ(SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_TRUE(DestroyIcon(made));
  EXPECT_FALSE(DestroyIcon(made));
}

}  // namespace
