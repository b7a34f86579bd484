#include "MessageBoxLayout.h"

#include <algorithm>

MessageBoxLayout::MessageBoxLayout(SIZE textSize, bool icon, int buttonCount) {
  const int textLeft = icon ? kMargin + kIconSize + kIconTextGap : kMargin;
  const int contentHeight = std::max<int>(textSize.cy, icon ? kIconSize : 0);
  if (icon) icon_ = RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};
  // Text shorter than the icon is centred on it.
  const int textTop = kMargin + (contentHeight - textSize.cy) / 2;
  text_ = RECT{textLeft, textTop, textLeft + textSize.cx, textTop + textSize.cy};

  const int rowWidth = buttonCount * kButtonWidth + (buttonCount - 1) * kButtonGap;
  client_.cx = std::max<int>(textLeft + textSize.cx + kMargin, rowWidth + 2 * kMargin);
  const int rowTop = kMargin + contentHeight + kTextButtonGap;
  client_.cy = rowTop + kButtonHeight + kMargin;
  int x = (client_.cx - rowWidth) / 2;
  for (int i = 0; i < buttonCount; ++i, x += kButtonWidth + kButtonGap) {
    buttons_.push_back(RECT{x, rowTop, x + kButtonWidth, rowTop + kButtonHeight});
  }
}
