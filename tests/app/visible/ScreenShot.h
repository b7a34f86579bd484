// The X screen as an image: taken with xwd, kept as RGB pixels, written as PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ScreenShot {
 public:
  // Takes the whole screen of `display`; empty when xwd fails or its output is not understood.
  static ScreenShot Take(const std::string& display);

  bool Empty() const { return width_ == 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // 0xRRGGBB.
  uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  bool WritePng(const std::string& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};
