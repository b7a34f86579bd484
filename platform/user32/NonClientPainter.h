// WM_NCPAINT's default drawing in the classic look: the frame (thin, dialog or sizing), the
// client and static edges, the caption bar with its left-to-right gradient (active or inactive
// colours), the caption text in the bold caption font, and the caption buttons. Borderless
// windows draw nothing. The caption icon, menu bars and scroll bars are not drawn.
#pragma once

#include "Window.h"

class NonClientPainter {
 public:
  // `update` is WM_NCPAINT's wParam: a region in screen coordinates, or 1 for the whole frame.
  static void Paint(Window& window, HRGN update);

 private:
  static void PaintFrame(const Window& window, HDC hdc, RECT& rect);
  static void PaintCaption(const Window& window, HDC hdc, const RECT& caption);
  static void PaintGradient(HDC hdc, const RECT& rect, COLORREF from, COLORREF to);
  static void PaintCaptionText(const Window& window, HDC hdc, const RECT& caption);
  static UINT CloseButtonState(const Window& window);
};
