// Measures text for DrawText the way GetTextExtentPoint does (advances, character extra,
// overhang), from the widths of the DC's font read once per call, with TABs expanded to the
// next tab stop when the format asks for it.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

class DrawTextMeasure {
 public:
  // Reads the widths of the characters that occur in `text` (and of '.', for ellipses).
  DrawTextMeasure(HDC dc, std::string_view text, int tabWidth, bool expandTabs);

  bool Valid() const { return valid_; }
  // Width of text that starts a line (tab stops count from the line's start).
  int Width(std::string_view text) const;
  // The number of leading characters before the first one that makes the text wider than
  // maxWidth.
  size_t FitCount(std::string_view text, int maxWidth) const;

 private:
  long long Advance(unsigned char c) const { return static_cast<long long>(widths_[c]) + extra_; }
  long long NextTabStop(long long position) const;

  std::array<INT, 256> widths_{};
  int extra_ = 0;
  int overhang_ = 0;
  int tabWidth_ = 1;
  bool expandTabs_ = false;
  bool valid_ = false;
};
