// Drives modal loops in tests: runs a step each time a message loop waits for input.
#pragma once

#include <windows.h>
#include <winport.h>

#include <functional>
#include <utility>

// Runs `step` each time a message loop waits for input, until it returns true.
class IdleScript {
 public:
  explicit IdleScript(std::function<bool()> step) : step_(std::move(step)) {
    WinportSetIdleHandler(&IdleScript::Call, this);
  }
  ~IdleScript() { WinportSetIdleHandler(nullptr, nullptr); }
  IdleScript(const IdleScript&) = delete;
  IdleScript& operator=(const IdleScript&) = delete;
  bool Done() const { return done_; }

 private:
  static BOOL CALLBACK Call(LPVOID self) {
    auto* script = static_cast<IdleScript*>(self);
    if (script->done_) return FALSE;
    script->done_ = script->step_();
    return TRUE;
  }
  std::function<bool()> step_;
  bool done_ = false;
};
