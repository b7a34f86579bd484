// The demo product that the demo CD carries as tawo.exe: one window that says what it is,
// the folder it was started in and the program file it runs from. Closing the window ends it.
#include <System.h>
#include <windows.h>

#include <string>

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 180;

std::string Description() {
  char folder[MAX_PATH] = {};
  char program[MAX_PATH] = {};
  GetCurrentDirectoryA(sizeof folder, folder);
  GetModuleFileNameA(nullptr, program, sizeof program);
  return "TAWO – program demonstracyjny"_a + "\r\n\r\nUruchomiony w folderze:\r\n" + folder +
         "\r\n\r\nPlik programu:\r\n" + program;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd, &paint);
      RECT client;
      GetClientRect(hwnd, &client);
      InflateRect(&client, -12, -12);
      HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
      SetBkMode(dc, TRANSPARENT);
      const std::string text = Description();
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
      SelectObject(dc, oldFont);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int main() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = "TawoDemo";
  if (!RegisterClassA(&windowClass)) return 1;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  HWND window = CreateWindowExA(0, "TawoDemo", "TAWO", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, kWidth, kHeight, nullptr,
                                nullptr, nullptr, nullptr);
  if (!window) return 1;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
