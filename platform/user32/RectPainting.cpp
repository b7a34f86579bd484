// FillRect, FrameRect, InvertRect and DrawFocusRect: pattern blits, so the DC's mix mode
// does not apply.
#include "SystemColors.h"

#include <windows.h>

namespace {

// `(HBRUSH)(COLOR_x + 1)` stands for the system colour brush of index x.
HBRUSH ResolveBrush(HBRUSH brush) {
  const uintptr_t value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= static_cast<uintptr_t>(SystemColors::kCount)) {
    return SystemColors::Brush(static_cast<int>(value - 1));
  }
  return brush;
}

BOOL PatternBlit(HDC hdc, HBRUSH brush, int x, int y, int w, int h, DWORD rop) {
  HGDIOBJ previous = SelectObject(hdc, brush);
  if (!previous) return FALSE;
  const BOOL ok = PatBlt(hdc, x, y, w, h, rop);
  SelectObject(hdc, previous);
  return ok;
}

// The 50% checkerboard of focus rectangles: pixels with an even (x + y) are set.
HBRUSH FocusPatternBrush() {
  static HBRUSH brush = [] {
    static const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH made = CreatePatternBrush(pattern);
    DeleteObject(pattern);
    return made;
  }();
  return brush;
}

}  // namespace

extern "C" {

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc) return 0;
  return PatternBlit(hDC, ResolveBrush(hbr), lprc->left, lprc->top, lprc->right - lprc->left,
                     lprc->bottom - lprc->top, PATCOPY);
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc || IsRectEmpty(lprc)) return 0;
  const RECT& r = *lprc;
  HBRUSH brush = ResolveBrush(hbr);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  return PatternBlit(hDC, brush, r.left, r.top, 1, h, PATCOPY) &&
         PatternBlit(hDC, brush, r.right - 1, r.top, 1, h, PATCOPY) &&
         PatternBlit(hDC, brush, r.left, r.top, w, 1, PATCOPY) &&
         PatternBlit(hDC, brush, r.left, r.bottom - 1, w, 1, PATCOPY);
}

BOOL WINAPI InvertRect(HDC hDC, const RECT* lprc) {
  if (!lprc) return FALSE;
  return PatBlt(hDC, lprc->left, lprc->top, lprc->right - lprc->left, lprc->bottom - lprc->top, DSTINVERT);
}

// Four XOR strips that never overlap, so drawing the same rectangle twice restores it.
BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
  if (!lprc) return FALSE;
  const RECT& r = *lprc;
  HBRUSH brush = FocusPatternBrush();
  const int w = r.right - r.left;
  const int inner = r.bottom - r.top - 2;
  BOOL ok = PatternBlit(hDC, brush, r.left, r.top, w, 1, PATINVERT);
  ok = ok && PatternBlit(hDC, brush, r.left, r.bottom - 1, w, 1, PATINVERT);  // coincides with the top when h = 1
  if (inner > 0) {
    ok = ok && PatternBlit(hDC, brush, r.left, r.top + 1, 1, inner, PATINVERT);
    if (w > 1) ok = ok && PatternBlit(hDC, brush, r.right - 1, r.top + 1, 1, inner, PATINVERT);
  }
  return ok;
}

}  // extern "C"
