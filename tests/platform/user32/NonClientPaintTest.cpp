// The classic caption as drawn: gradient endpoints for active and inactive windows, the caption
// text colour, and the close box (pushed while held, closing on release over it).
#include "UserTestSupport.h"

namespace {

using NonClientPaint = UserTest;

constexpr int kLeft = 100, kTop = 100, kWidth = 300, kHeight = 150;
constexpr int kFrame = 3;  // dialog frame

HWND CreateDialogFrame(const char* text = "") {
  HWND hwnd = CreateWindowExA(WS_EX_DLGMODALFRAME, "TawoTestWindow", text, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                              kLeft, kTop, kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
  WinportDispatchPending();
  return hwnd;
}

POINT CloseBoxCentre() { return POINT{kLeft + kWidth - kFrame - 2 - 8, kTop + kFrame + 2 + 7}; }

TEST_F(NonClientPaint, CaptionGradientRunsFromCaptionToGradientColour) {
  HWND hwnd = CreateDialogFrame();
  ASSERT_EQ(GetActiveWindow(), hwnd);
  const int y = kTop + kFrame;  // the caption's top row, above the close box
  EXPECT_EQ(WinportScreenPixel(kLeft + kFrame, y), GetSysColor(COLOR_ACTIVECAPTION));
  EXPECT_EQ(WinportScreenPixel(kLeft + kWidth - kFrame - 1, y), GetSysColor(COLOR_GRADIENTACTIVECAPTION));
  EXPECT_EQ(WinportScreenPixel(kLeft + kFrame, kTop + kFrame + 18), GetSysColor(COLOR_3DFACE)) << "line under caption";

  HWND other = CreateWindowExA(0, "TawoTestWindow", "", WS_POPUP | WS_VISIBLE, 600, 600, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  WinportDispatchPending();
  ASSERT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(WinportScreenPixel(kLeft + kFrame, y), GetSysColor(COLOR_INACTIVECAPTION));
  EXPECT_EQ(WinportScreenPixel(kLeft + kWidth - kFrame - 1, y), GetSysColor(COLOR_GRADIENTINACTIVECAPTION));
  DestroyWindow(other);
  DestroyWindow(hwnd);
}

TEST_F(NonClientPaint, CaptionTextIsDrawnInTheCaptionTextColour) {
  HWND hwnd = CreateDialogFrame("WWWWWWWW");
  int textPixels = 0;
  for (int x = kLeft + kFrame; x < kLeft + 100; ++x) {
    for (int y = kTop + kFrame; y < kTop + kFrame + 18; ++y) {
      if (WinportScreenPixel(x, y) == GetSysColor(COLOR_CAPTIONTEXT)) ++textPixels;
    }
  }
  EXPECT_GT(textPixels, 40);
  DestroyWindow(hwnd);
}

TEST_F(NonClientPaint, CloseBoxLooksPushedWhileHeldAndClosesOnRelease) {
  HWND hwnd = CreateDialogFrame();
  const POINT close = CloseBoxCentre();
  const POINT corner{close.x - 7, close.y - 6};  // the box's top-left pixel
  ASSERT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(close.x, close.y)), HTCLOSE);
  ASSERT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLOSE);
  const COLORREF released = WinportScreenPixel(corner.x, corner.y);
  COLORREF held = released;
  WinportSetIdleHandler(
      [](LPVOID context) -> BOOL {
        auto* pixel = static_cast<COLORREF*>(context);
        const POINT c = CloseBoxCentre();
        *pixel = WinportScreenPixel(c.x - 7, c.y - 6);
        WinportMouseUp(WINPORT_BUTTON_LEFT, c.x, c.y);
        WinportSetIdleHandler(nullptr, nullptr);
        return TRUE;
      },
      &held);
  WinportMouseDown(WINPORT_BUTTON_LEFT, close.x, close.y);
  WinportDispatchPending();
  EXPECT_EQ(held, GetSysColor(COLOR_3DSHADOW)) << "sunken while held";
  EXPECT_NE(released, held);
  EXPECT_FALSE(IsWindow(hwnd)) << "SC_CLOSE reached DefWindowProc's WM_CLOSE";
}

TEST_F(NonClientPaint, ReleasingTheCloseBoxElsewhereDoesNotClose) {
  HWND hwnd = CreateDialogFrame();
  const POINT close = CloseBoxCentre();
  WinportMouseDown(WINPORT_BUTTON_LEFT, close.x, close.y);
  WinportMouseMove(close.x - 100, close.y + 50);
  WinportMouseUp(WINPORT_BUTTON_LEFT, close.x - 100, close.y + 50);
  WinportDispatchPending();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(GetCapture(), nullptr);
  DestroyWindow(hwnd);
}

TEST_F(NonClientPaint, BorderlessPopupHasNoNonClientArea) {
  HWND hwnd = CreateShownPopup(kLeft, kTop, 50, 40);
  RECT client, window;
  GetClientRect(hwnd, &client);
  GetWindowRect(hwnd, &window);
  EXPECT_EQ(client.right, window.right - window.left);
  EXPECT_EQ(client.bottom, window.bottom - window.top);
  EXPECT_EQ(WinportScreenPixel(kLeft, kTop), GetSysColor(COLOR_WINDOW)) << "class brush up to the edge";
}

}  // namespace
