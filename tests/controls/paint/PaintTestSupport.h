// Bitmaps to paint on and pixel maps to compare with, for the painting tests.
#pragma once

#include <TBitmap.h>
#include <TCanvas.h>
#include <windows.h>
#include <winport.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

// A 24-bit bitmap filled with one colour.
inline std::unique_ptr<TBitmap> MakeSurface(int width, int height, TColor fill) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(TPixelFormat::pf24bit);
  bitmap->SetSize(width, height);
  bitmap->Canvas()->Brush()->SetColor(fill);
  bitmap->Canvas()->FillRect(RECT{0, 0, width, height});
  return bitmap;
}

// The pixels of a rectangle as text, one line per row, each pixel shown by the letter its
// colour has in the legend ('?' for colours not in it).
inline std::string PixelMap(TBitmap& bitmap, const RECT& area, const std::map<TColor, char>& legend) {
  std::string map;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const auto found = legend.find(bitmap.Canvas()->Pixel(x, y));
      map += found != legend.end() ? found->second : '?';
    }
    map += '\n';
  }
  return map;
}

inline std::string PixelMap(TBitmap& bitmap, const std::map<TColor, char>& legend) {
  return PixelMap(bitmap, RECT{0, 0, bitmap.Width(), bitmap.Height()}, legend);
}

inline bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::string RectText(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

// Writes the bitmap as `fileName` in the test output folder, through a borderless window of its
// size and that window's screenshot. Returns the path, or "" when it could not be written.
inline std::string WritePicture(TBitmap& bitmap, const std::string& fileName) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "TawoTestPicture";
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, bitmap.Width(),
                                bitmap.Height(), nullptr, nullptr, nullptr, nullptr);
  WinportDispatchPending();
  HDC dc = GetDC(window);
  BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  const std::string path = std::string(TAWO_TEST_OUTPUT_DIR) + "/" + fileName;
  const bool written = WinportWindowScreenshot(window, path.c_str());
  DestroyWindow(window);
  UnregisterClassA(wc.lpszClassName, nullptr);
  return written ? path : std::string();
}
