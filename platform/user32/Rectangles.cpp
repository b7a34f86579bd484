// The rectangle helpers. None of them normalises its input: an inverted rectangle is empty.
#include <windows.h>

#include <algorithm>

namespace {

bool Empty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

}  // namespace

extern "C" {

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
  if (!lprc) return FALSE;
  *lprc = {xLeft, yTop, xRight, yBottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) { return SetRect(lprc, 0, 0, 0, 0); }

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
  if (!lprcDst || !lprcSrc) return FALSE;
  *lprcDst = *lprcSrc;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left -= dx;
  lprc->right += dx;
  lprc->top -= dy;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left += dx;
  lprc->right += dx;
  lprc->top += dy;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) { return !lprc || Empty(*lprc); }

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
  if (!lprc) return FALSE;
  return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom;
}

BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
  if (!lprc1 || !lprc2) return FALSE;
  return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
         lprc1->bottom == lprc2->bottom;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  const RECT& a = *lprcSrc1;
  const RECT& b = *lprcSrc2;
  if (Empty(a) || Empty(b) || a.left >= b.right || b.left >= a.right || a.top >= b.bottom ||
      b.top >= a.bottom) {
    *lprcDst = {0, 0, 0, 0};
    return FALSE;
  }
  *lprcDst = {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  const RECT a = *lprcSrc1;
  const RECT b = *lprcSrc2;
  if (Empty(a) && Empty(b)) {
    *lprcDst = {0, 0, 0, 0};
    return FALSE;
  }
  if (Empty(a)) {
    *lprcDst = b;
  } else if (Empty(b)) {
    *lprcDst = a;
  } else {
    *lprcDst = {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
  }
  return TRUE;
}

// Only a full-width or full-height band that touches one side of the source is removed;
// any other overlap leaves the source as it is.
BOOL WINAPI SubtractRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  const RECT a = *lprcSrc1;
  if (Empty(a)) {
    *lprcDst = {0, 0, 0, 0};
    return FALSE;
  }
  RECT i;
  if (!IntersectRect(&i, &a, lprcSrc2)) {
    *lprcDst = a;
    return TRUE;
  }
  if (EqualRect(&i, &a)) {
    *lprcDst = {0, 0, 0, 0};
    return FALSE;
  }
  RECT d = a;
  if (i.top == a.top && i.bottom == a.bottom) {
    if (i.left == a.left) {
      d.left = i.right;
    } else if (i.right == a.right) {
      d.right = i.left;
    }
  } else if (i.left == a.left && i.right == a.right) {
    if (i.top == a.top) {
      d.top = i.bottom;
    } else if (i.bottom == a.bottom) {
      d.bottom = i.top;
    }
  }
  *lprcDst = d;
  return TRUE;
}

}  // extern "C"
