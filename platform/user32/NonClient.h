// Non-client geometry in the classic look at 96 DPI: how thick the frame is, where the caption,
// caption buttons, menu bar and scroll bars are, and the default hit-test. Drawing of the frame
// and caption uses these rectangles, so all non-client layout lives here.
#pragma once

#include <windows.h>

class Window;

class NonClient {
 public:
  enum class Frame { None, Thin, Dialog, Thick };

  static Frame FrameOf(DWORD style, DWORD exStyle);
  static int FrameWidth(Frame frame);
  static bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }
  static int CaptionHeight(DWORD exStyle);
  // Top-level windows that get WS_EX_WINDOWEDGE added at creation.
  static bool NeedsWindowEdge(DWORD style, DWORD exStyle);

  // Distances from the window rectangle to the client rectangle, without scroll bars
  // (AdjustWindowRectEx) or with them (WM_NCCALCSIZE).
  static RECT Insets(DWORD style, DWORD exStyle, bool menu, bool scrollBars);
  static RECT ClientFromWindow(const RECT& window, DWORD style, DWORD exStyle, bool menu);

  // Parts of the window, relative to the window rectangle's top-left corner; empty when absent.
  static RECT CaptionRect(const Window& window);
  static RECT CloseButtonRect(const Window& window);
  static RECT MaximizeButtonRect(const Window& window);
  static RECT MinimizeButtonRect(const Window& window);
  static RECT HelpButtonRect(const Window& window);
  static RECT SystemMenuRect(const Window& window);

  // The WM_NCHITTEST default for a point in screen coordinates.
  static LRESULT HitTest(const Window& window, POINT screen);

 private:
  static LRESULT FrameHitTest(const Window& window, POINT p, Frame frame);
};
