// DrawEdge: one or two one-pixel rings in the classic 3D colours. Lines are drawn outer top,
// left, bottom, right, then the inner ring in the same order, so the bottom and right lines
// own three of the four corners.
#include "SystemColors.h"

#include <windows.h>

namespace {

struct Ring {
  int topLeft;  // system colour indices
  int bottomRight;
};

bool HasOuter(UINT edge) { return (edge & BDR_OUTER) != 0; }
bool HasInner(UINT edge) { return (edge & BDR_INNER) != 0; }
bool Contradicts(UINT bits, UINT mask) { return (bits & mask) == mask; }

Ring OuterColors(UINT edge, UINT flags) {
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDOUTER) return {soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT, COLOR_3DDKSHADOW};
  return {soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
}

Ring InnerColors(UINT edge, UINT flags) {
  const bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDINNER) return {soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW};
  return {soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW, COLOR_3DLIGHT};
}

void Line(HDC hdc, int colorIndex, int left, int top, int right, int bottom) {
  if (left >= right || top >= bottom) return;
  const RECT r{left, top, right, bottom};
  FillRect(hdc, &r, GetSysColorBrush(colorIndex));
}

// Draws one ring `inset` pixels inside the rectangle; inner rings stop short of the corners
// where the outer ring has a side.
void DrawRing(HDC hdc, const RECT& r, int inset, UINT flags, Ring colors) {
  const int l = r.left + inset;
  const int t = r.top + inset;
  const int rr = r.right - inset;
  const int b = r.bottom - inset;
  const int from = inset && (flags & BF_LEFT) ? l : r.left;
  const int to = inset && (flags & BF_RIGHT) ? rr : r.right;
  const int fromY = inset && (flags & BF_TOP) ? t : r.top;
  const int toY = inset && (flags & BF_BOTTOM) ? b : r.bottom;
  if (flags & BF_TOP) Line(hdc, colors.topLeft, from, t, to, t + 1);
  if (flags & BF_LEFT) Line(hdc, colors.topLeft, l, fromY, l + 1, toY);
  if (flags & BF_BOTTOM) Line(hdc, colors.bottomRight, from, b - 1, to, b);
  if (flags & BF_RIGHT) Line(hdc, colors.bottomRight, rr - 1, fromY, rr, toY);
}

}  // namespace

extern "C" BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  if (!qrc) return FALSE;
  if (grfFlags & BF_DIAGONAL) {
    SetLastError(ERROR_INVALID_PARAMETER);  // diagonal edges are not drawn by this platform
    return FALSE;
  }
  const RECT r = *qrc;
  const bool mono = grfFlags & BF_MONO;
  const bool flat = !mono && (grfFlags & BF_FLAT);
  const bool plainColors = mono || flat;
  const bool outerValid = HasOuter(edge) && (plainColors || !Contradicts(edge, BDR_OUTER));
  const bool innerValid = HasInner(edge) && (plainColors || !Contradicts(edge, BDR_INNER));
  const bool valid = plainColors || (!Contradicts(edge, BDR_OUTER) && !Contradicts(edge, BDR_INNER));

  auto plain = [](int index) { return Ring{index, index}; };
  if (outerValid) {
    DrawRing(hdc, r, 0, grfFlags, mono ? plain(COLOR_WINDOWFRAME) : flat ? plain(COLOR_BTNSHADOW) : OuterColors(edge, grfFlags));
  }
  if (innerValid) {
    // Without any outer bit the inner ring takes the outer position.
    DrawRing(hdc, r, HasOuter(edge) ? 1 : 0, grfFlags,
             mono ? plain(COLOR_WINDOW) : flat ? plain(COLOR_BTNFACE) : InnerColors(edge, grfFlags));
  }

  const int thickness = (edge & 0xF) == 0 ? 0 : (HasOuter(edge) && HasInner(edge)) ? 2 : 1;
  RECT interior = r;
  if (grfFlags & BF_LEFT) interior.left += thickness;
  if (grfFlags & BF_TOP) interior.top += thickness;
  if (grfFlags & BF_RIGHT) interior.right -= thickness;
  if (grfFlags & BF_BOTTOM) interior.bottom -= thickness;
  if ((grfFlags & BF_MIDDLE) && valid) FillRect(hdc, &interior, GetSysColorBrush(mono ? COLOR_WINDOW : COLOR_BTNFACE));
  if (grfFlags & BF_ADJUST) *qrc = interior;
  return valid ? TRUE : FALSE;
}
