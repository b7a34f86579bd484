// The system's raw input queue: host events from the display backend and injected events from
// winport.h arrive here in order, with their time and the key states after them. The thread
// that retrieves messages routes them to windows (InputRouter) only when it gets to them, so
// routing sees the windows, capture and focus of that moment. Mouse moves coalesce.
#pragma once

#include <deque>
#include <mutex>
#include <optional>

#include "DisplayBackend.h"
#include "MessageQueue.h"

struct RawInput {
  InputEvent event;
  DWORD time = 0;
  KeyStates keys{};     // after the event
  bool repeat = false;  // a key-down of a key that was already down
};

class SystemInput : public InputSink {
 public:
  static SystemInput& Instance();

  void Deliver(const InputEvent& event) override;
  std::optional<RawInput> Take();
  bool HasPending();

  POINT CursorPos();
  // The physical key state: 0x80 down, 0x01 toggled.
  BYTE AsyncKey(int virtualKey);
  KeyStates AsyncKeys();

  // MK_ flags for key states.
  static WORD MouseKeyFlags(const KeyStates& keys);

 private:
  void ApplyKey(UINT virtualKey, bool down, bool& repeat);
  static UINT ButtonKey(InputEvent::Button button);

  std::mutex mutex_;
  std::deque<RawInput> pending_;
  KeyStates keys_{};
  POINT cursor_{0, 0};
};
