// Update regions, the paint messages, window DCs clipped to visible regions, and the composed
// headless screen.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "Display.h"
#include "HeadlessBackend.h"
#include "UserTestSupport.h"

namespace {

using Painting = UserTest;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

void FillClient(HWND hwnd, COLORREF color) {
  HDC hdc = GetDC(hwnd);
  RECT r;
  GetClientRect(hwnd, &r);
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(hwnd, hdc);
}

COLORREF Pixel(int x, int y) { return WinportScreenPixel(x, y); }

TEST_F(Painting, InvalidationAndValidationShapeTheUpdateRegion) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  RECT r;
  EXPECT_FALSE(GetUpdateRect(hwnd, &r, FALSE));
  const RECT a{10, 10, 20, 20}, b{50, 50, 60, 70};
  InvalidateRect(hwnd, &a, FALSE);
  InvalidateRect(hwnd, &b, FALSE);
  EXPECT_TRUE(GetUpdateRect(hwnd, &r, FALSE));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 70);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetUpdateRgn(hwnd, rgn, FALSE), COMPLEXREGION);
  ValidateRect(hwnd, &b);
  EXPECT_EQ(GetUpdateRgn(hwnd, rgn, FALSE), SIMPLEREGION);
  GetUpdateRect(hwnd, &r, FALSE);
  EXPECT_EQ(r.right, 20);
  ValidateRgn(hwnd, nullptr);
  EXPECT_EQ(GetUpdateRgn(hwnd, rgn, FALSE), NULLREGION);
  DeleteObject(rgn);
  MSG msg;
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Painting, HiddenWindowsKeepNoUpdateRegion) {
  HWND hwnd = Create(WS_POPUP, 0, 0, 100, 100);
  InvalidateRect(hwnd, nullptr, TRUE);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
}

TEST_F(Painting, BeginPaintErasesValidatesAndReportsFErase) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  PAINTSTRUCT ps{};
  const RECT part{5, 6, 25, 26};
  InvalidateRect(hwnd, &part, TRUE);
  Log().Clear();
  HDC hdc = BeginPaint(hwnd, &ps);
  ASSERT_NE(hdc, nullptr);
  EXPECT_TRUE(Log().Matches({Msg(WM_ERASEBKGND)}));
  EXPECT_FALSE(ps.fErase) << "the class brush erased it";
  EXPECT_EQ(ps.rcPaint.left, 5);
  EXPECT_EQ(ps.rcPaint.bottom, 26);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
  EndPaint(hwnd, &ps);

  Handlers::ForAll()[WM_ERASEBKGND] = [](HWND, UINT, WPARAM, LPARAM, LRESULT& r) {
    r = 0;
    return true;
  };
  InvalidateRect(hwnd, nullptr, TRUE);
  BeginPaint(hwnd, &ps);
  EXPECT_TRUE(ps.fErase) << "WM_ERASEBKGND returned 0";
  EndPaint(hwnd, &ps);
  InvalidateRect(hwnd, nullptr, FALSE);
  Log().Clear();
  BeginPaint(hwnd, &ps);
  EXPECT_FALSE(ps.fErase);
  EXPECT_TRUE(Log().Matches({})) << "no erase was asked for";
  EndPaint(hwnd, &ps);
}

TEST_F(Painting, PaintDcIsLimitedToTheUpdateRegion) {
  HWND hwnd = CreateShownPopup(100, 100, 50, 50);
  Handlers::ForAll()[WM_PAINT] = [](HWND h, UINT, WPARAM, LPARAM, LRESULT& r) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    const RECT all{0, 0, 50, 50};
    HBRUSH brush = CreateSolidBrush(kRed);
    FillRect(hdc, &all, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    r = 0;
    return true;
  };
  const RECT part{10, 10, 20, 20};
  InvalidateRect(hwnd, &part, FALSE);
  Pump();
  EXPECT_EQ(Pixel(115, 115), kRed);
  EXPECT_EQ(Pixel(109, 115), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(Pixel(125, 125), GetSysColor(COLOR_WINDOW));
}

TEST_F(Painting, ClipChildrenKeepsTheParentOffItsChildren) {
  HWND clipping = CreateShownPopup(0, 0, 100, 100, WS_CLIPCHILDREN);
  Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, clipping);
  HWND plain = CreateShownPopup(200, 0, 100, 100);
  Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, plain);
  Pump();
  FillClient(clipping, kRed);
  FillClient(plain, kRed);
  EXPECT_EQ(Pixel(5, 5), kRed);
  EXPECT_EQ(Pixel(15, 15), GetSysColor(COLOR_WINDOW)) << "WS_CLIPCHILDREN excludes the child";
  EXPECT_EQ(Pixel(215, 15), kRed) << "without it the parent paints over the child";
}

TEST_F(Painting, ClipSiblingsExcludesSiblingsAbove) {
  HWND parent = CreateShownPopup(0, 0, 100, 100, WS_CLIPCHILDREN);
  HWND upper = Create(WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, parent);  // first: top of the z-order
  HWND clipped = Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 25, 25, 50, 50, parent);
  HWND unclipped = Create(WS_CHILD | WS_VISIBLE, 25, 0, 10, 10, parent);
  Pump();
  FillClient(upper, kBlue);
  FillClient(clipped, kRed);
  EXPECT_EQ(Pixel(30, 30), kBlue) << "the overlap belongs to the sibling above";
  EXPECT_EQ(Pixel(60, 60), kRed);
  FillClient(unclipped, kRed);
  EXPECT_EQ(Pixel(30, 5), kRed) << "without WS_CLIPSIBLINGS a child paints over a sibling";
}

TEST_F(Painting, TopLevelWindowsAboveAreExcludedAndUncoveringRepaints) {
  HWND lower = CreateShownPopup(0, 0, 100, 100);
  HWND upper = CreateShownPopup(50, 50, 100, 100);
  FillClient(upper, kBlue);
  FillClient(lower, kRed);
  EXPECT_EQ(Pixel(10, 10), kRed);
  EXPECT_EQ(Pixel(60, 60), kBlue) << "the lower window cannot draw under the upper one";
  Log().Clear();
  ShowWindow(upper, SW_HIDE);
  RECT update;
  ASSERT_TRUE(GetUpdateRect(lower, &update, FALSE));
  EXPECT_EQ(update.left, 50);
  EXPECT_EQ(update.top, 50);
  EXPECT_EQ(update.right, 100);
  EXPECT_EQ(update.bottom, 100);
  Pump();
  EXPECT_EQ(Pixel(60, 60), GetSysColor(COLOR_WINDOW)) << "erased with the class brush";
  EXPECT_EQ(Pixel(10, 10), kRed) << "the rest was not repainted";
}

TEST_F(Painting, InvalidatingAParentReachesChildrenUnlessClipChildren) {
  HWND plain = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, plain);
  Pump();
  InvalidateRect(plain, nullptr, FALSE);
  EXPECT_TRUE(GetUpdateRect(child, nullptr, FALSE));
  ValidateRect(plain, nullptr);
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE)) << "validation reaches the children the same way";

  HWND clipping = CreateShownPopup(200, 0, 100, 100, WS_CLIPCHILDREN);
  HWND clippedChild = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, clipping);
  Pump();
  InvalidateRect(clipping, nullptr, FALSE);
  EXPECT_FALSE(GetUpdateRect(clippedChild, nullptr, FALSE));
  RedrawWindow(clipping, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  EXPECT_TRUE(GetUpdateRect(clippedChild, nullptr, FALSE));
}

TEST_F(Painting, WmPaintGoesToParentsBeforeChildren) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, parent);
  Pump();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches({Msg(WM_PAINT, parent), Msg(WM_PAINT, child), Optional(WM_NCPAINT, child)}));
}

TEST_F(Painting, RedrawWindowUpdateNowPaintsSynchronouslyWithoutChildren) {
  HWND parent = CreateShownPopup(0, 0, 100, 100);
  HWND child = Create(WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, parent);
  Pump();
  Log().Clear();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_NOCHILDREN);
  EXPECT_TRUE(Log().Matches({Msg(WM_PAINT, parent), Msg(WM_ERASEBKGND, parent)}));
  EXPECT_FALSE(GetUpdateRect(parent, nullptr, FALSE));
  EXPECT_FALSE(GetUpdateRect(child, nullptr, FALSE));
  Log().Clear();
  RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW | RDW_FRAME);
  EXPECT_TRUE(Log().Matches({Msg(WM_NCPAINT, parent), Msg(WM_ERASEBKGND, parent), Optional(WM_NCPAINT, child),
                             Optional(WM_ERASEBKGND, child)}));
  EXPECT_TRUE(GetUpdateRect(parent, nullptr, FALSE)) << "ERASENOW leaves WM_PAINT for later";
}

TEST_F(Painting, UpdateWindowSendsPaintOnlyWhenNeeded) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  UpdateWindow(hwnd);
  EXPECT_TRUE(Log().Matches({}));
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  EXPECT_TRUE(Log().Matches({Msg(WM_PAINT)}));
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INTERNALPAINT);
  Log().Clear();
  Pump();
  EXPECT_TRUE(Log().Matches({Msg(WM_PAINT)})) << "an internal paint gives one WM_PAINT";
}

TEST_F(Painting, SetRedrawFalseSuppressesDrawing) {
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  SendMessageA(hwnd, WM_SETREDRAW, FALSE, 0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE, 0);
  EXPECT_FALSE(IsWindowVisible(hwnd));
  InvalidateRect(hwnd, nullptr, TRUE);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
  EXPECT_EQ(WinportScreenPixel(5, 5), GetSysColor(COLOR_WINDOW)) << "the window stays on screen";
  SendMessageA(hwnd, WM_SETREDRAW, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(hwnd));
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "turning redraw on repaints nothing";
}

TEST_F(Painting, WindowDcCoversTheFrameAndGetDcOnlyTheClient) {
  HWND hwnd = CreateShownPopup(10, 10, 50, 50, WS_BORDER);
  FillClient(hwnd, kRed);
  EXPECT_EQ(Pixel(10, 10), GetSysColor(COLOR_WINDOWFRAME)) << "the border stays";
  EXPECT_EQ(Pixel(11, 11), kRed);
  HDC hdc = GetWindowDC(hwnd);
  const RECT all{0, 0, 50, 50};
  HBRUSH brush = CreateSolidBrush(kBlue);
  FillRect(hdc, &all, brush);
  DeleteObject(brush);
  EXPECT_EQ(WindowFromDC(hdc), hwnd);
  ReleaseDC(hwnd, hdc);
  EXPECT_EQ(Pixel(10, 10), kBlue);
}

TEST_F(Painting, PrivateDcsKeepTheirState) {
  Register("TawoOwnDc", CS_OWNDC, nullptr);
  HWND hwnd = Create(WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, 0, 0, "TawoOwnDc");
  HDC first = GetDC(hwnd);
  SetTextColor(first, kRed);
  EXPECT_EQ(ReleaseDC(hwnd, first), 1);
  HDC second = GetDC(hwnd);
  EXPECT_EQ(first, second);
  EXPECT_EQ(GetTextColor(second), kRed);
  ReleaseDC(hwnd, second);
  DestroyWindow(hwnd);
  UnregisterClassA("TawoOwnDc", nullptr);
}

// A program busy in a long loop keeps drawing through a DC it holds (a control's canvas) and
// never waits for messages; what it draws must still reach the display.
TEST_F(Painting, DrawingThroughAHeldDcReachesTheDisplayWhileTheProgramIsBusy) {
  auto* display = dynamic_cast<HeadlessBackend*>(&Display::Backend());
  ASSERT_NE(display, nullptr);
  HWND hwnd = CreateShownPopup(0, 0, 100, 100);
  WinportDispatchPending();
  HDC hdc = GetDC(hwnd);
  HBRUSH brush = CreateSolidBrush(kRed);
  const RECT r{0, 0, 10, 10};
  const unsigned before = display->Presented();
  for (int i = 0; i < 3; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    FillRect(hdc, &r, brush);
  }
  EXPECT_GE(display->Presented(), before + 2) << "each drawing after a pause shows what came before it";
  DeleteObject(brush);
  ReleaseDC(hwnd, hdc);
}

TEST_F(Painting, ScreenshotsAsPngAndBmp) {
  HWND hwnd = CreateShownPopup(0, 0, 4, 3);
  FillClient(hwnd, kRed);
  const std::string dir = TAWO_TEST_OUTPUT_DIR;
  std::filesystem::create_directories(dir);
  const std::string png = dir + "/user32-window.png";
  const std::string bmp = dir + "/user32-window.bmp";
  ASSERT_TRUE(WinportWindowScreenshot(hwnd, png.c_str()));
  ASSERT_TRUE(WinportWindowScreenshot(hwnd, bmp.c_str()));
  std::ifstream pngFile(png, std::ios::binary);
  const std::string pngBytes((std::istreambuf_iterator<char>(pngFile)), std::istreambuf_iterator<char>());
  EXPECT_EQ(pngBytes.substr(1, 3), "PNG");
  std::ifstream bmpFile(bmp, std::ios::binary);
  const std::string bmpBytes((std::istreambuf_iterator<char>(bmpFile)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bmpBytes.size(), 54u + 3 * 12u);  // three rows of 4 pixels, 12 bytes each
  EXPECT_EQ(static_cast<unsigned char>(bmpBytes[54 + 2]), 255u) << "blue, green, red order";
  EXPECT_EQ(static_cast<unsigned char>(bmpBytes[54 + 0]), 0u);
  EXPECT_TRUE(WinportScreenshot((dir + "/user32-screen.png").c_str()));
  EXPECT_FALSE(WinportWindowScreenshot(reinterpret_cast<HWND>(0x4242), png.c_str()));
}

TEST_F(Painting, HugeWindowsGetABoundedSurfaceAndStillPaint) {
  HWND hwnd = CreateShownPopup(0, 0, 100000, 100000);
  RECT r;
  GetClientRect(hwnd, &r);
  EXPECT_EQ(r.right, 100000);
  FillClient(hwnd, kRed);
  EXPECT_EQ(Pixel(1000, 700), kRed);
  SetWindowPos(hwnd, nullptr, 0, 0, 200000, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FillClient(hwnd, kBlue);
  EXPECT_EQ(Pixel(10, 10), kBlue);
}

}  // namespace
