// The characters TranslateMessage makes from key presses, with a US keyboard layout: letters
// follow Shift and Caps Lock, Ctrl+letter gives control codes, digits and punctuation follow
// Shift, the numeric keypad follows Num Lock.
#pragma once

#include <optional>

#include "MessageQueue.h"

class KeyTranslation {
 public:
  static std::optional<unsigned char> CharacterFor(UINT virtualKey, const KeyStates& keys);
};
