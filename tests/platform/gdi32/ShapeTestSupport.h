// Helpers for line, shape and path tests: selecting pens and brushes for one scope and
// listing the pixels of a colour.
#pragma once

#include "GdiTestSupport.h"

#include <string>
#include <vector>

// Selects an object into a DC for the lifetime of the guard, then restores and deletes it.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), object_(object), previous_(SelectObject(dc, object)) {}
  ~Selected() {
    SelectObject(dc_, previous_);
    DeleteObject(object_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ object_;
  HGDIOBJ previous_;
};

// "(x,y) (x,y) ..." of the pixels of `color`, row by row.
inline std::string PixelList(const Canvas32& canvas, COLORREF color) {
  std::string out;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != color) continue;
      if (!out.empty()) out += ' ';
      out += "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
  }
  return out;
}

inline int CountPixels(const Canvas32& canvas, COLORREF color) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) count += canvas.At(x, y) == color ? 1 : 0;
  }
  return count;
}

// The picture with one character per colour: `legend` pairs a colour with its character,
// anything else is '.'.
inline std::string Colours(const Canvas32& canvas, std::initializer_list<std::pair<COLORREF, char>> legend) {
  std::string out;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      char c = '.';
      for (const auto& [color, ink] : legend) {
        if (canvas.At(x, y) == color) c = ink;
      }
      out += c;
    }
    out += '\n';
  }
  return out;
}
