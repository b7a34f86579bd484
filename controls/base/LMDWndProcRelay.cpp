#include "LMDWndProcRelay.h"

#include <Classes.h>

#include <algorithm>
#include <vector>

namespace {

// Relays that lost their component while another procedure sat on top of them.
std::vector<TLMDWndProcRelay*>& Orphans() {
  static std::vector<TLMDWndProcRelay*> orphans;
  return orphans;
}

void Forget(TLMDWndProcRelay* orphan) {
  auto& orphans = Orphans();
  orphans.erase(std::remove(orphans.begin(), orphans.end(), orphan), orphans.end());
}

TLMDWndProcRelay* OrphanOf(HWND window, WNDPROC procedure) {
  for (TLMDWndProcRelay* orphan : Orphans()) {
    if (orphan->Window() == window && orphan->Instance() == procedure) return orphan;
  }
  return nullptr;
}

}  // namespace

TLMDWndProcRelay::TLMDWndProcRelay(HWND window, const TWndMethod& target)
    : FWindow(window), FInstance(MakeObjectInstance(TWndMethod(this, &TLMDWndProcRelay::Relay))), FTarget(target) {}

TLMDWndProcRelay::~TLMDWndProcRelay() { FreeObjectInstance(FInstance); }

bool TLMDWndProcRelay::Install() {
  FPrevious = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FWindow, GWLP_WNDPROC));
  if (FPrevious == nullptr) return false;
  SetWindowLongPtrA(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FInstance));
  return true;
}

LRESULT TLMDWndProcRelay::CallPrevious(const TMessage& message) const {
  return CallWindowProcA(FPrevious, FWindow, message.Msg, message.WParam, message.LParam);
}

void TLMDWndProcRelay::Remove(TLMDWndProcRelay* relay) {
  if (relay->FPrevious != nullptr && IsWindow(relay->FWindow)) {
    if (!relay->OnTop()) {
      relay->FTarget.Clear();
      Orphans().push_back(relay);
      return;
    }
    SetWindowLongPtrA(relay->FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(relay->UnwrapPrevious()));
  }
  delete relay;
}

void TLMDWndProcRelay::Relay(TMessage& message) {
  if (FTarget.Assigned()) {
    // The target may free this relay (its window ended, or it unhooked itself).
    const TWndMethod target = FTarget;
    target(message);
    return;
  }
  message.Result = CallPrevious(message);
  if (message.Msg == WM_NCDESTROY) {
    Forget(this);
    delete this;
  }
}

bool TLMDWndProcRelay::OnTop() const {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FWindow, GWLP_WNDPROC)) == FInstance;
}

WNDPROC TLMDWndProcRelay::UnwrapPrevious() const {
  WNDPROC previous = FPrevious;
  while (TLMDWndProcRelay* orphan = OrphanOf(FWindow, previous)) {
    previous = orphan->FPrevious;
    Forget(orphan);
    delete orphan;
  }
  return previous;
}
