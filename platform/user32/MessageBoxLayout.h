// Where a message box puts its icon, text and buttons, in client coordinates, and how big its
// client area is. The measures follow the classic look at 96 DPI; the exact margins, the button
// size and the widest text line are the least certain of them and live only here.
#pragma once

#include <windows.h>

#include <vector>

class MessageBoxLayout {
 public:
  static constexpr int kMargin = 11;
  static constexpr int kIconSize = 32;
  static constexpr int kIconTextGap = 12;
  static constexpr int kButtonWidth = 75;
  static constexpr int kButtonHeight = 23;
  static constexpr int kButtonGap = 6;
  static constexpr int kTextButtonGap = 12;

  // `textSize` is the wrapped text's extent (DrawText DT_CALCRECT | DT_WORDBREAK).
  MessageBoxLayout(SIZE textSize, bool icon, int buttonCount);

  // The widest the text may be before it wraps, for a screen of this width.
  static int MaxTextWidth(int screenWidth) { return screenWidth * 5 / 8; }

  SIZE ClientSize() const { return client_; }
  RECT IconRect() const { return icon_; }
  RECT TextRect() const { return text_; }
  const std::vector<RECT>& ButtonRects() const { return buttons_; }

 private:
  SIZE client_{};
  RECT icon_{};
  RECT text_{};
  std::vector<RECT> buttons_;
};
