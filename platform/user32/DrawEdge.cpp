// DrawEdge: one or two one-pixel rings in the classic 3D colours. Lines are drawn outer top,
// left, bottom, right, then the inner ring in the same order, so the bottom and right lines
// own three of the four corners. With BF_DIAGONAL the rings become two lines along a diagonal
// of the largest square in the rectangle.
#include "SystemColors.h"

#include <windows.h>

#include <algorithm>

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

// The diagonal runs from `start` to `end` (excluded) across the largest square at one corner
// of the rectangle; the inner line and the face polygon sit on the side the flags name.
struct Diagonal {
  POINT start;
  POINT end;
  POINT innerStart;
  POINT innerEnd;
  POINT face[4];
};

Diagonal DiagonalGeometry(const RECT& r, UINT flags, int thickness) {
  const int side = std::min(r.right - r.left, r.bottom - r.top);
  const int t = thickness;
  POINT s{};
  POINT e{};
  switch (flags & BF_RECT) {
    case 0:
    case BF_LEFT:
    case BF_BOTTOM:
    case BF_BOTTOMLEFT:
      e = {r.left - 1, r.bottom};
      s = {e.x + side, e.y - side};
      break;
    case BF_TOPLEFT:
    case BF_BOTTOMRIGHT:
      e = {r.left - 1, r.top - 1};
      s = {e.x + side, e.y + side};
      break;
    default:
      s = {r.left, r.bottom - 1};
      e = {s.x + side, s.y - side};
      break;
  }
  const POINT topLeft{r.left, r.top};
  const POINT bottomRight{r.right - 1, r.bottom - 1};
  switch (flags & BF_RECT) {
    case 0:
    case BF_LEFT:
    case BF_BOTTOM:
    case BF_BOTTOMLEFT:
      return {s, e, {s.x - 1, s.y}, {e.x, e.y - 1}, {{s.x - t, s.y}, topLeft, {e.x + 1, e.y - 1 - t}, {e.x + 1, e.y - 1 - t}}};
    case BF_BOTTOMRIGHT:
      return {s, e, {s.x - 1, s.y}, {e.x, e.y + 1},
              {{s.x - t, s.y}, {r.left, bottomRight.y}, {e.x + 1, e.y + 1 + t}, {e.x + 1, e.y + 1 + t}}};
    case BF_TOPLEFT:
      return {s, e, {s.x, s.y - 1}, {e.x + 1, e.y},
              {{e.x + 1 + t, e.y + 1}, {bottomRight.x, r.top}, {bottomRight.x, bottomRight.y - t}, s}};
    case BF_TOP:
    case BF_TOP | BF_BOTTOM:
    case BF_TOP | BF_BOTTOM | BF_LEFT:
      return {s, e, {s.x + 1, s.y - 1}, e,
              {{e.x - 1, e.y + 1}, {bottomRight.x, r.top}, {bottomRight.x, bottomRight.y - t}, {s.x + t, s.y - t}}};
    case BF_RIGHT:
    case BF_RIGHT | BF_LEFT:
    case BF_RIGHT | BF_LEFT | BF_BOTTOM:
      return {s, e, s, {e.x - 1, e.y + 1}, {s, {r.left, r.top + t}, {e.x - 1 - t, e.y + 1 + t}, {e.x - 1 - t, e.y + 1 + t}}};
    default:  // ends at the top right, whatever else is set
      return {s, e, {s.x + 1, s.y}, {e.x, e.y + 1},
              {{e.x - 1, e.y + 1 + t}, {bottomRight.x, r.top + t}, bottomRight, {s.x + t, s.y}}};
  }
}

void DiagonalLine(HDC hdc, int colorIndex, POINT from, POINT to) {
  if (colorIndex < 0) return;
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colorIndex));
  HGDIOBJ old = SelectObject(hdc, pen);
  MoveToEx(hdc, from.x, from.y, nullptr);
  LineTo(hdc, to.x, to.y);
  SelectObject(hdc, old);
  DeleteObject(pen);
}

void FillDiagonalFace(HDC hdc, int colorIndex, const POINT (&face)[4]) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colorIndex));
  HGDIOBJ oldPen = SelectObject(hdc, pen);
  HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(colorIndex));
  Polygon(hdc, face, 4);
  SelectObject(hdc, oldBrush);
  SelectObject(hdc, oldPen);
  DeleteObject(pen);
}

}  // namespace

extern "C" BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags) {
  if (!qrc) return FALSE;
  const RECT r = *qrc;
  const bool mono = grfFlags & BF_MONO;
  const bool flat = !mono && (grfFlags & BF_FLAT);
  const bool plainColors = mono || flat;
  const bool outerValid = HasOuter(edge) && (plainColors || !Contradicts(edge, BDR_OUTER));
  const bool innerValid = HasInner(edge) && (plainColors || !Contradicts(edge, BDR_INNER));
  const bool valid = plainColors || (!Contradicts(edge, BDR_OUTER) && !Contradicts(edge, BDR_INNER));

  auto plain = [](int index) { return Ring{index, index}; };
  const Ring none{-1, -1};
  // Without any outer bit the inner ring takes the outer position.
  const bool innerOnly = !HasOuter(edge);
  const Ring innerRing = !innerValid ? none
                         : mono      ? plain(COLOR_WINDOW)
                         : flat      ? plain(COLOR_BTNFACE)
                                     : InnerColors(edge, grfFlags);
  const Ring outerRing = !outerValid ? none
                         : mono      ? plain(COLOR_WINDOWFRAME)
                         : flat      ? plain(COLOR_BTNSHADOW)
                                     : OuterColors(edge, grfFlags);
  const int thickness = (edge & 0xF) == 0 ? 0 : (HasOuter(edge) && HasInner(edge)) ? 2 : 1;
  const int faceColor = mono ? COLOR_WINDOW : COLOR_BTNFACE;

  RECT interior = r;
  if (grfFlags & BF_LEFT) interior.left += thickness;
  if (grfFlags & BF_TOP) interior.top += thickness;
  if (grfFlags & BF_RIGHT) interior.right -= thickness;
  if (grfFlags & BF_BOTTOM) interior.bottom -= thickness;

  if (grfFlags & BF_DIAGONAL) {
    const Ring& first = innerOnly ? innerRing : outerRing;
    const Ring& second = innerOnly ? none : innerRing;
    const bool bottom = grfFlags & BF_BOTTOM;
    const Diagonal d = DiagonalGeometry(r, grfFlags, thickness);
    POINT position;
    MoveToEx(hdc, 0, 0, &position);
    DiagonalLine(hdc, bottom ? first.bottomRight : first.topLeft, d.start, d.end);
    DiagonalLine(hdc, bottom ? second.bottomRight : second.topLeft, d.innerStart, d.innerEnd);
    MoveToEx(hdc, position.x, position.y, nullptr);
    if ((grfFlags & BF_MIDDLE) && valid) FillDiagonalFace(hdc, faceColor, d.face);
  } else {
    if (outerValid) DrawRing(hdc, r, 0, grfFlags, outerRing);
    if (innerValid) DrawRing(hdc, r, innerOnly ? 0 : 1, grfFlags, innerRing);
    if ((grfFlags & BF_MIDDLE) && valid) FillRect(hdc, &interior, GetSysColorBrush(faceColor));
  }
  if (grfFlags & BF_ADJUST) *qrc = interior;
  return valid ? TRUE : FALSE;
}
