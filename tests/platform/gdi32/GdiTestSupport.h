// Helpers for drawing tests: a memory DC on a 32-bit DIB section that exposes its pixels.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

class Canvas32 {
 public:
  Canvas32(int width, int height, COLORREF fill = RGB(255, 255, 255)) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, so bits_[y * width + x] is (x, y)
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    Fill(fill);
  }
  ~Canvas32() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas32(const Canvas32&) = delete;
  Canvas32& operator=(const Canvas32&) = delete;

  HDC dc() const { return dc_; }
  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(COLORREF color) {
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToPixel(color);
  }
  COLORREF At(int x, int y) const {
    const uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  uint32_t Raw(int x, int y) const { return bits_[y * width_ + x]; }
  void SetRaw(int x, int y, uint32_t v) { bits_[y * width_ + x] = v; }

  // One character per pixel: `ink` where the pixel has colour `color`, '.' elsewhere.
  std::string Picture(COLORREF color, char ink = '#') const {
    std::string out;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) out += At(x, y) == color ? ink : '.';
      out += '\n';
    }
    return out;
  }
  // FNV-1a over the RGB bytes: a fingerprint of the whole picture.
  uint64_t Hash() const {
    uint64_t h = 1469598103934665603ull;
    for (int i = 0; i < width_ * height_; ++i) {
      for (int shift = 0; shift < 24; shift += 8) {
        h ^= (bits_[i] >> shift) & 0xFF;
        h *= 1099511628211ull;
      }
    }
    return h;
  }

  static uint32_t ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
};
