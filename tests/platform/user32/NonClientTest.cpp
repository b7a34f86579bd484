// Frame geometry, the default hit-test, minimize / maximize / restore and the tracking size.
#include "UserTestSupport.h"

namespace {

using NonClientArea = UserTest;

LRESULT HitAt(HWND hwnd, int x, int y) { return SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)); }

TEST_F(NonClientArea, FrameThicknessFollowsTheStyles) {
  struct Case {
    DWORD style;
    DWORD exStyle;
    int extraWidth;
    int extraHeight;
  };
  const Case cases[] = {
      {WS_POPUP, 0, 0, 0},
      {WS_POPUP | WS_BORDER, 0, 2, 2},
      {WS_POPUP | WS_DLGFRAME, 0, 6, 6},
      {WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 6, 25},
      {WS_OVERLAPPEDWINDOW, 0, 8, 27},
      {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, 6, 22},
      {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, 6, 6},
      {WS_POPUP, WS_EX_STATICEDGE, 2, 2},
      {WS_POPUP | WS_VSCROLL | WS_HSCROLL, 0, 16, 16},
  };
  for (const Case& c : cases) {
    HWND hwnd = Create(c.style, 0, 0, 300, 200, nullptr, 0, c.exStyle);
    RECT client, window;
    GetClientRect(hwnd, &client);
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right - window.left - client.right, c.extraWidth) << std::hex << c.style;
    EXPECT_EQ(window.bottom - window.top - client.bottom, c.extraHeight) << std::hex << c.style;
    DestroyWindow(hwnd);
  }
}

TEST_F(NonClientArea, DefaultHitTestFindsFrameCaptionAndButtons) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  EXPECT_EQ(HitAt(hwnd, 50, 50), HTNOWHERE);
  EXPECT_EQ(HitAt(hwnd, 200, 200), HTCLIENT);
  EXPECT_EQ(HitAt(hwnd, 100, 100), HTTOPLEFT);
  EXPECT_EQ(HitAt(hwnd, 250, 100), HTTOP);
  EXPECT_EQ(HitAt(hwnd, 399, 299), HTBOTTOMRIGHT);
  EXPECT_EQ(HitAt(hwnd, 100, 200), HTLEFT);
  EXPECT_EQ(HitAt(hwnd, 200, 110), HTCAPTION);
  EXPECT_EQ(HitAt(hwnd, 110, 110), HTSYSMENU);
  // Close: 16 x 14, 2 px from the caption's right end and top.
  EXPECT_EQ(HitAt(hwnd, 400 - 4 - 2 - 8, 104 + 2 + 7), HTCLOSE);
  EXPECT_EQ(HitAt(hwnd, 400 - 4 - 2 - 16 - 2 - 8, 113), HTMAXBUTTON);
  EXPECT_EQ(HitAt(hwnd, 400 - 4 - 2 - 16 - 2 - 16 - 8, 113), HTMINBUTTON);

  HWND dialog = Create(WS_POPUP | WS_CAPTION | WS_SYSMENU, 500, 100, 100, 100, nullptr, 0, WS_EX_DLGMODALFRAME);
  EXPECT_EQ(HitAt(dialog, 501, 150), HTBORDER);
  EXPECT_EQ(HitAt(dialog, 505, 110), HTCAPTION) << "no icon with a modal frame";
  HWND borderless = Create(WS_POPUP, 0, 0, 10, 10);
  EXPECT_EQ(HitAt(borderless, 0, 0), HTCLIENT);
}

TEST_F(NonClientArea, MaximizeAndRestore) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 20, 300, 200);
  Pump();
  Log().Clear();
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(hwnd));
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, -4);
  EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN) + 4);
  bool sawMaximized = false;
  for (const LoggedMessage& m : Log().Entries()) sawMaximized |= m.message == WM_SIZE && m.wParam == SIZE_MAXIMIZED;
  EXPECT_TRUE(sawMaximized);
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(hwnd));
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 220);
  ShowWindow(hwnd, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(hwnd));
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_TRUE(IsRectEmpty(&client));
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(hwnd));
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 10);
}

TEST_F(NonClientArea, SizableWindowsRespectTheTrackingSize) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW, 0, 0, 20, 10);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXMINTRACK));
  EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYMINTRACK));
  Handlers::ForAll()[WM_GETMINMAXINFO] = [](HWND, UINT, WPARAM, LPARAM l, LRESULT& result) {
    reinterpret_cast<MINMAXINFO*>(l)->ptMaxTrackSize = POINT{400, 300};
    result = 0;
    return true;
  };
  SetWindowPos(hwnd, nullptr, 0, 0, 1000, 1000, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  HWND popup = Create(WS_POPUP, 0, 0, 5, 5);
  GetWindowRect(popup, &r);
  EXPECT_EQ(r.right, 5) << "a popup without a sizing frame is not clamped";
}

TEST_F(NonClientArea, DefaultSizeAndPositionForOverlappedWindows) {
  HWND hwnd = Create(WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0);
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_GT(r.bottom - r.top, 0);
  HWND parent = Create(WS_POPUP, 0, 0, 100, 100);
  HWND child = Create(WS_CHILD, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, parent);
  GetWindowRect(child, &r);
  EXPECT_TRUE(IsRectEmpty(&r)) << "CW_USEDEFAULT means 0 for child windows";
}

TEST(ModuleAndClasses, ModuleHandleAndClassArguments) {
  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(GetModuleHandleA("no-such-module.dll"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(WNDCLASSA);  // wrong size
  wc.lpszClassName = "TawoBadSize";
  wc.lpfnWndProc = DefWindowProcA;
  EXPECT_EQ(RegisterClassExA(&wc), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  wc.cbSize = sizeof(wc);
  wc.cbWndExtra = -4;
  EXPECT_EQ(RegisterClassExA(&wc), 0);
  wc.cbWndExtra = 0;
  const ATOM atom = RegisterClassExA(&wc);
  ASSERT_NE(atom, 0);
  HWND hwnd = CreateWindowExA(0, MAKEINTATOM(atom), "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(hwnd, nullptr) << "a class can be named by its atom";
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnregisterClassA("TawoBadSize", nullptr));
}

}  // namespace

namespace {

using NonClientMouse = UserTest;

TEST_F(NonClientMouse, ClickingTheCloseButtonClosesTheWindow) {
  HWND hwnd = CreateShownPopup(100, 100, 200, 100, WS_CAPTION | WS_SYSMENU);
  const int x = 100 + 200 - 3 - 2 - 8;  // middle of the close button
  const int y = 100 + 3 + 2 + 7;
  WinportMouseDown(WINPORT_BUTTON_LEFT, x, y);
  WinportMouseUp(WINPORT_BUTTON_LEFT, x, y);
  Pump();
  EXPECT_FALSE(IsWindow(hwnd));
  const std::vector<UINT> expected{WM_NCLBUTTONDOWN, WM_CAPTURECHANGED, WM_SYSCOMMAND, WM_CLOSE};
  std::vector<UINT> got;
  for (UINT m : Log().Messages(hwnd)) {
    if (m == WM_NCLBUTTONDOWN || m == WM_CAPTURECHANGED || m == WM_SYSCOMMAND || m == WM_CLOSE) got.push_back(m);
  }
  EXPECT_EQ(got, expected);
}

TEST_F(NonClientMouse, ReleasingOffTheButtonDoesNothing) {
  HWND hwnd = CreateShownPopup(100, 100, 200, 100, WS_CAPTION | WS_SYSMENU);
  WinportMouseDown(WINPORT_BUTTON_LEFT, 100 + 200 - 13, 112);
  WinportMouseMove(150, 150);
  WinportMouseUp(WINPORT_BUTTON_LEFT, 150, 150);
  Pump();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NonClientMouse, DraggingTheCaptionMovesAndTheBorderSizes) {
  HWND hwnd = CreateShownPopup(100, 100, 200, 100, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  WinportMouseDown(WINPORT_BUTTON_LEFT, 150, 110);
  WinportMouseMove(250, 160);
  WinportMouseUp(WINPORT_BUTTON_LEFT, 250, 160);
  Pump();
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
  EXPECT_EQ(r.right - r.left, 200);
  std::vector<UINT> loop;
  for (UINT m : Log().Messages(hwnd)) {
    if (m == WM_ENTERSIZEMOVE || m == WM_EXITSIZEMOVE) loop.push_back(m);
  }
  EXPECT_EQ(loop, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));

  WinportMouseDown(WINPORT_BUTTON_LEFT, r.right - 1, r.bottom - 1);
  WinportMouseMove(r.right + 29, r.bottom + 19);
  WinportMouseUp(WINPORT_BUTTON_LEFT, r.right + 29, r.bottom + 19);
  Pump();
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 230);
  EXPECT_EQ(r.bottom - r.top, 120);
  EXPECT_EQ(r.left, 200);
}

}  // namespace
