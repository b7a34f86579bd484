// WM_NCPAINT's default drawing in the classic look: the frame (thin, dialog or sizing), the
// client and static edges, the caption bar in the active or inactive colour with its buttons.
// Borderless windows draw nothing. Caption text, the icon, menu bars and scroll bars are not
// drawn here yet.
#pragma once

#include "Window.h"

class NonClientPainter {
 public:
  // `update` is WM_NCPAINT's wParam: a region in screen coordinates, or 1 for the whole frame.
  static void Paint(Window& window, HRGN update);

 private:
  static void PaintFrame(const Window& window, HDC hdc, RECT& rect);
  static void PaintCaption(const Window& window, HDC hdc, const RECT& caption);
};
