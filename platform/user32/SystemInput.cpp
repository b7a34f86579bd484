#include "SystemInput.h"

#include "UserClock.h"
#include "Display.h"

SystemInput& SystemInput::Instance() {
  static SystemInput input;
  return input;
}

UINT SystemInput::ButtonKey(InputEvent::Button button) {
  switch (button) {
    case InputEvent::Button::Left:
      return VK_LBUTTON;
    case InputEvent::Button::Right:
      return VK_RBUTTON;
    case InputEvent::Button::Middle:
      return VK_MBUTTON;
  }
  return VK_LBUTTON;
}

// Generic modifier keys also set their left-hand variants, which GetKeyState can ask for.
void SystemInput::ApplyKey(UINT virtualKey, bool down, bool& repeat) {
  if (virtualKey > 0xFF) return;
  BYTE& state = keys_[virtualKey];
  repeat = down && (state & 0x80);
  if (down && !repeat) state ^= 0x01;
  state = static_cast<BYTE>(down ? (state | 0x80) : (state & ~0x80));
  const UINT leftVariant = virtualKey == VK_SHIFT     ? VK_LSHIFT
                           : virtualKey == VK_CONTROL ? VK_LCONTROL
                           : virtualKey == VK_MENU    ? VK_LMENU
                                                      : 0;
  if (leftVariant)
    keys_[leftVariant] = static_cast<BYTE>(down ? (keys_[leftVariant] | 0x80) : (keys_[leftVariant] & ~0x80));
}

void SystemInput::Deliver(const InputEvent& event) {
  const bool buttonEvent = event.kind == InputEvent::Kind::ButtonDown || event.kind == InputEvent::Kind::ButtonUp;
  if (buttonEvent && (event.screen.x != CursorPos().x || event.screen.y != CursorPos().y)) {
    // A press or release somewhere else moves the pointer there first, as a mouse does.
    InputEvent move;
    move.kind = InputEvent::Kind::MouseMove;
    move.screen = event.screen;
    Deliver(move);
  }
  {
    std::lock_guard lock(mutex_);
    RawInput raw;
    raw.event = event;
    raw.time = UserClock::Now();
    switch (event.kind) {
      case InputEvent::Kind::MouseMove:
      case InputEvent::Kind::Wheel:
        cursor_ = event.screen;
        break;
      case InputEvent::Kind::ButtonDown:
      case InputEvent::Kind::ButtonUp:
        cursor_ = event.screen;
        ApplyKey(ButtonKey(event.button), event.kind == InputEvent::Kind::ButtonDown, raw.repeat);
        break;
      case InputEvent::Kind::KeyDown:
      case InputEvent::Kind::KeyUp:
        ApplyKey(event.virtualKey, event.kind == InputEvent::Kind::KeyDown, raw.repeat);
        break;
      default:
        break;
    }
    raw.event.screen = cursor_;
    raw.keys = keys_;
    const bool coalesce = event.kind == InputEvent::Kind::MouseMove && !pending_.empty() &&
                          pending_.back().event.kind == InputEvent::Kind::MouseMove;
    if (coalesce) {
      pending_.back() = raw;
    } else {
      pending_.push_back(raw);
    }
  }
  Display::Backend().Wake();
}

std::optional<RawInput> SystemInput::Take() {
  std::lock_guard lock(mutex_);
  if (pending_.empty()) return std::nullopt;
  RawInput raw = pending_.front();
  pending_.pop_front();
  return raw;
}

bool SystemInput::HasPending() {
  std::lock_guard lock(mutex_);
  return !pending_.empty();
}

POINT SystemInput::CursorPos() {
  std::lock_guard lock(mutex_);
  return cursor_;
}

BYTE SystemInput::AsyncKey(int virtualKey) {
  std::lock_guard lock(mutex_);
  return virtualKey >= 0 && virtualKey <= 0xFF ? keys_[virtualKey] : 0;
}

KeyStates SystemInput::AsyncKeys() {
  std::lock_guard lock(mutex_);
  return keys_;
}

WORD SystemInput::MouseKeyFlags(const KeyStates& keys) {
  WORD flags = 0;
  if (keys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
  if (keys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
  if (keys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
  if (keys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
  if (keys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
  return flags;
}
