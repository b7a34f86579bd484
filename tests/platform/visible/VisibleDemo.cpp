// A small program for the tests under a real X display: a borderless main window centred on the
// screen and an owned, top-most dialog with a caption and close box centred on it, holding an
// owner-drawn button. It reports on stdout, one line each, what the driving test needs:
//   ready <button x> <button y> <close x> <close y>   (screen coordinates to click)
//   selected                      WM_DRAWITEM with ODS_SELECTED arrived
//   clicked                       BN_CLICKED arrived
//   shot <caption colour> <main colour>   after the screenshot was written
//   cancelled <clicks>            the dialog closed as with IDCANCEL; the program ends
// With "--idle" it shows one window and reports the CPU time it used while waiting for input
// for two seconds:  idle <cpu milliseconds>
// With "--menu" it opens a popup menu of two items over its main window and reports whether
// the main window is the active one while the menu is open and after it closed:
//   menu <active>                 the menu is open
//   chosen <command> <active>     the menu closed
#include <windows.h>
#include <winport.h>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kButtonId = 1001;
constexpr COLORREF kMainColour = RGB(0, 128, 128);
std::string screenshotPath;
int clicks = 0;
bool selectedReported = false;

LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  static WNDPROC base = nullptr;
  if (!base) base = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC));
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const bool selected = (item->itemState & ODS_SELECTED) != 0;
      RECT r = item->rcItem;
      FillRect(item->hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_3DFACE));
      DrawEdge(item->hDC, &r, selected ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
      if (selected && !selectedReported) {
        selectedReported = true;
        std::printf("selected\n");
      }
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        ++clicks;
        std::printf("clicked\n");
        RECT dialog, owner;
        GetWindowRect(hwnd, &dialog);
        GetWindowRect(GetWindow(hwnd, GW_OWNER), &owner);
        WinportScreenshot(screenshotPath.c_str());
        std::printf("shot %06lx %06lx\n", static_cast<unsigned long>(WinportScreenPixel(dialog.left + 3, dialog.top + 3)),
                    static_cast<unsigned long>(WinportScreenPixel(owner.left + 2, owner.top + 2)));
        return 0;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        std::printf("cancelled %d\n", clicks);
        DestroyWindow(hwnd);
        PostQuitMessage(clicks == 1 && selectedReported ? 0 : 1);
        return 0;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(base, hwnd, message, wParam, lParam);
}

HWND CreateMain(int width, int height) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hbrBackground = CreateSolidBrush(kMainColour);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "VisibleDemoMain";
  RegisterClassA(&wc);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExA(0, "VisibleDemoMain", "Main", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                         nullptr, nullptr);
}

int RunDialogDemo() {
  HWND main = CreateMain(480, 360);
  RECT owner;
  GetWindowRect(main, &owner);
  const int width = 260, height = 160;
  const int x = owner.left + (owner.right - owner.left - width) / 2;
  const int y = owner.top + (owner.bottom - owner.top - height) / 2;
  HWND dialog = CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, "#32770", "Ostrze\xbf" "enie",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU, x, y, width, height, main, nullptr, nullptr, nullptr);
  SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DialogProc));
  HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 80, 50, 90, 30, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), nullptr, nullptr);
  ShowWindow(dialog, SW_SHOWNORMAL);
  UpdateWindow(main);
  UpdateWindow(dialog);
  RECT b, d;
  GetWindowRect(button, &b);
  GetWindowRect(dialog, &d);
  std::printf("ready %d %d %d %d\n", static_cast<int>((b.left + b.right) / 2), static_cast<int>((b.top + b.bottom) / 2),
              static_cast<int>(d.right - 3 - 2 - 8),
              static_cast<int>(d.top + 3 + 2 + 7));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyWindow(main);
  return static_cast<int>(msg.wParam);
}

constexpr UINT_PTR kMenuShown = 1;

int IsActive(HWND window) { return GetActiveWindow() == window ? 1 : 0; }

LRESULT CALLBACK MenuOwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kMenuShown) {
    KillTimer(hwnd, kMenuShown);
    std::printf("menu %d\n", IsActive(hwnd));
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int RunMenuDemo() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = MenuOwnerProc;
  wc.hbrBackground = CreateSolidBrush(kMainColour);
  wc.lpszClassName = "VisibleDemoMenuOwner";
  RegisterClassA(&wc);
  HWND main = CreateWindowExA(0, "VisibleDemoMenuOwner", "Main", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                              nullptr, nullptr, nullptr);
  UpdateWindow(main);
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 11, "Czerwony");
  AppendMenuA(menu, MF_STRING, 12, "Zielony");
  SetTimer(main, kMenuShown, 300, nullptr);
  const BOOL chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 150, 150, 0, main, nullptr);
  std::printf("chosen %d %d\n", chosen, IsActive(main));
  DestroyMenu(menu);
  DestroyWindow(main);
  return 0;
}

long CpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000L +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000L;
}

// Settles for half a second (the host maps and exposes the window), then measures two seconds
// of waiting.
int RunIdle() {
  HWND main = CreateMain(200, 150);
  constexpr UINT_PTR kSettled = 1, kMeasured = 2;
  SetTimer(main, kSettled, 500, nullptr);
  long before = 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0)) {
    if (msg.message == WM_TIMER && msg.wParam == kSettled) {
      KillTimer(main, kSettled);
      SetTimer(main, kMeasured, 2000, nullptr);
      before = CpuMilliseconds();
    } else if (msg.message == WM_TIMER && msg.wParam == kMeasured) {
      break;
    }
    DispatchMessageA(&msg);
  }
  std::printf("idle %ld\n", CpuMilliseconds() - before);
  DestroyWindow(main);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  if (!WinportSetDisplay("sdl")) {
    std::printf("no sdl display\n");
    return 2;
  }
  if (argc > 1 && std::string(argv[1]) == "--idle") return RunIdle();
  if (argc > 1 && std::string(argv[1]) == "--menu") return RunMenuDemo();
  screenshotPath = argc > 1 ? argv[1] : "visible-demo.png";
  return RunDialogDemo();
}
