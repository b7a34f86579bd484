// DrawFrameControl for push buttons and the caption buttons: a raised (or, pushed, sunken)
// button face, and for caption buttons a glyph drawn in pixels.
#include <windows.h>

#include <algorithm>

namespace {

void Pixel(HDC hdc, int x, int y, HBRUSH brush) {
  const RECT r{x, y, x + 1, y + 1};
  FillRect(hdc, &r, brush);
}

void Bar(HDC hdc, int left, int top, int right, int bottom, HBRUSH brush) {
  const RECT r{left, top, right, bottom};
  FillRect(hdc, &r, brush);
}

// The close glyph: two crossing diagonals two pixels thick, gw x gh pixels at (x, y).
void CloseGlyph(HDC hdc, int x, int y, int gw, int gh, HBRUSH brush) {
  for (int i = 0; i < gh; ++i) {
    const int offset = gh > 1 ? i * (gw - 2) / (gh - 1) : 0;
    Pixel(hdc, x + offset, y + i, brush);
    Pixel(hdc, x + offset + 1, y + i, brush);
    Pixel(hdc, x + gw - 2 - offset, y + i, brush);
    Pixel(hdc, x + gw - 1 - offset, y + i, brush);
  }
}

void MinimizeGlyph(HDC hdc, int x, int y, int gw, int gh, HBRUSH brush) {
  Bar(hdc, x + 1, y + gh - 2, x + gw - 2, y + gh, brush);
}

void MaximizeGlyph(HDC hdc, int x, int y, int gw, int gh, HBRUSH brush) {
  const RECT frame{x, y, x + gw - 1, y + gh};
  FrameRect(hdc, &frame, brush);
  Bar(hdc, x, y + 1, x + gw - 1, y + 2, brush);
}

void RestoreGlyph(HDC hdc, int x, int y, int gw, int gh, HBRUSH brush) {
  const int w = gw * 2 / 3;
  const int h = gh * 2 / 3;
  MaximizeGlyph(hdc, x + gw - 1 - w, y, w + 1, h, brush);
  MaximizeGlyph(hdc, x, y + gh - h, w + 1, h, brush);
}

void HelpGlyph(HDC hdc, int x, int y, int gw, int gh, HBRUSH brush) {
  const int cx = x + gw / 2;
  Bar(hdc, cx - 2, y, cx + 2, y + 1, brush);
  Bar(hdc, cx + 1, y + 1, cx + 3, y + gh / 2, brush);
  Bar(hdc, cx - 1, y + gh / 2 - 1, cx + 1, y + gh - 3, brush);
  Bar(hdc, cx - 1, y + gh - 2, cx + 1, y + gh, brush);
}

using Glyph = void (*)(HDC, int, int, int, int, HBRUSH);

Glyph CaptionGlyph(UINT state) {
  switch (state & 0xFF) {
    case DFCS_CAPTIONCLOSE:
      return CloseGlyph;
    case DFCS_CAPTIONMIN:
      return MinimizeGlyph;
    case DFCS_CAPTIONMAX:
      return MaximizeGlyph;
    case DFCS_CAPTIONRESTORE:
      return RestoreGlyph;
    case DFCS_CAPTIONHELP:
      return HelpGlyph;
    default:
      return nullptr;
  }
}

RECT ButtonFace(HDC hdc, const RECT& rect, UINT state) {
  RECT face = rect;
  if (state & (DFCS_MONO | DFCS_FLAT)) {
    DrawEdge(hdc, &face, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MIDDLE | ((state & DFCS_MONO) ? BF_MONO : BF_FLAT));
  } else {
    const UINT edge = (state & (DFCS_PUSHED | DFCS_CHECKED)) ? EDGE_SUNKEN : EDGE_RAISED;
    DrawEdge(hdc, &face, edge, BF_RECT | BF_SOFT | BF_ADJUST | BF_MIDDLE);
  }
  return face;
}

BOOL DrawCaptionButton(HDC hdc, const RECT& rect, UINT state) {
  const Glyph glyph = CaptionGlyph(state);
  if (!glyph) return FALSE;
  ButtonFace(hdc, rect, state);
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  // The glyph box of a 16 x 14 button is 8 x 7, placed at (4, 3); it scales with the button.
  const int gw = std::max(2, w - w / 2);
  const int gh = std::max(2, h - h / 2);
  int x = rect.left + (w - gw) / 2;
  int y = rect.top + (h - gh) / 2;
  if (state & DFCS_PUSHED) {
    ++x;
    ++y;
  }
  if (state & DFCS_INACTIVE) {
    glyph(hdc, x + 1, y + 1, gw, gh, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    glyph(hdc, x, y, gw, gh, GetSysColorBrush(COLOR_GRAYTEXT));
  } else {
    glyph(hdc, x, y, gw, gh, GetSysColorBrush(COLOR_BTNTEXT));
  }
  return TRUE;
}

}  // namespace

extern "C" BOOL WINAPI DrawFrameControl(HDC hdc, LPRECT lprc, UINT uType, UINT uState) {
  if (!lprc) return FALSE;
  switch (uType) {
    case DFC_BUTTON:
      if ((uState & 0xFF) != DFCS_BUTTONPUSH) {
        SetLastError(ERROR_INVALID_PARAMETER);  // only push buttons are drawn by this platform
        return FALSE;
      }
      {
        const RECT face = ButtonFace(hdc, *lprc, uState);
        if (uState & DFCS_ADJUSTRECT) *lprc = face;
      }
      return TRUE;
    case DFC_CAPTION:
      return DrawCaptionButton(hdc, *lprc, uState);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
  }
}
