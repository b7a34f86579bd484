#include "LMDWndProcComponent.h"

#include "LMDWndProcRelay.h"

#include <SysUtils.h>
#include <TApplication.h>
#include <TCustomForm.h>
#include <TypInfo.h>

using enum TComponentStateItem;
using enum TFormStyle;

TAWO_IMPLEMENT_CLASS(TLMDWndProcComponent)

TLMDWndProcComponent::TLMDWndProcComponent(TComponent* owner) : TLMDCustomComponent(owner) {
  if (auto* form = dynamic_cast<TCustomForm*>(owner)) {
    if (form->FormStyle() == fsMDIChild) FMDIForm = kMDIChild;
    if (form->FormStyle() == fsMDIForm) FMDIForm = kMDIFrame;
  }
}

TLMDWndProcComponent::~TLMDWndProcComponent() { RestoreWndProc(); }

void TLMDWndProcComponent::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  if (Designing()) return;
  if (value) {
    Init();
  } else {
    RestoreState();
  }
}

void TLMDWndProcComponent::SetDesignEnabled(bool value) {
  if (value == FDesignEnabled) return;
  FDesignEnabled = value;
  if (Designing()) {
    if (value) {
      Init();
    } else {
      RestoreState();
    }
  }
  DesignEnabledChanged();
}

void TLMDWndProcComponent::SetHandleApp(bool value) {
  if (Designing() || ComponentState().Contains(csLoading)) FHandleApp = value;
}

bool TLMDWndProcComponent::WndProcHooked() const { return FRelay != nullptr; }

HWND TLMDWndProcComponent::GetOwnerHandle() {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  if (control == nullptr) return nullptr;
  try {
    HWND handle = control->Handle();
    if (FMDIForm == kMDIFrame && !FHandleMDI) return static_cast<TCustomForm*>(control)->ClientHandle();
    return handle;
  } catch (...) {
    return nullptr;
  }
}

bool TLMDWndProcComponent::NewWndProc() {
  if (FRelay != nullptr || (Designing() && !FDesignEnabled)) return false;
  HWND window = GetOwnerHandle();
  if (window == nullptr) return false;
  try {
    FDestroying = false;
    if (FHandleApp && !FHooked && Application != nullptr) {
      Application->HookMainWindow(TWindowHook(this, &TLMDWndProcComponent::AppHook));
      FHooked = true;
    }
    FRelay = new TLMDWndProcRelay(window, TWndMethod(this, &TLMDWndProcComponent::WndProc));
    if (FRelay->Install()) return true;
  } catch (const Exception&) {
  }
  RestoreWndProc();
  return false;
}

bool TLMDWndProcComponent::RestoreWndProc() {
  if (FRelay != nullptr) {
    TLMDWndProcRelay::Remove(FRelay);
    FRelay = nullptr;
  }
  if (FHooked) {
    Application->UnhookMainWindow(TWindowHook(this, &TLMDWndProcComponent::AppHook));
    FHooked = false;
  }
  FSilent = false;
  FDestroying = false;
  return true;
}

void TLMDWndProcComponent::SilentRemove() {
  FSilent = true;
  RestoreWndProc();
  SetEnabled(false);
}

bool TLMDWndProcComponent::ValidOwner() const {
  auto* control = dynamic_cast<TWinControl*>(Owner());
  const TComponentState state = ComponentState();
  return control != nullptr && control->HandleAllocated() && !state.Contains(csLoading) &&
         !state.Contains(csDestroying);
}

void TLMDWndProcComponent::Init() {
  if (FEnabled && FRelay == nullptr) NewWndProc();
}

bool TLMDWndProcComponent::AppWndProc(TMessage&) { return true; }

void TLMDWndProcComponent::WndProc(TMessage& message) {
  if (FRelay == nullptr) return;
  if (message.Msg == WM_NCDESTROY) {
    message.Result = FRelay->CallPrevious(message);
    ReleaseWindow();
    return;
  }
  if (FDestroying) return;
  if (message.Msg == WM_DESTROY) {
    FDestroying = true;
    if (FMDIForm == kMDIChild) {
      RestoreWndProc();
      return;
    }
  }
  message.Result = FRelay->CallPrevious(message);
}

void TLMDWndProcComponent::DesignEnabledChanged() {
  if (Designing() && !FDesignEnabled) RestoreWndProc();
}

void TLMDWndProcComponent::Loaded() {
  inherited::Loaded();
  if (!Designing() || FDesignEnabled) Init();
}

bool TLMDWndProcComponent::Designing() const { return ComponentState().Contains(csDesigning); }

void TLMDWndProcComponent::AppHook(TMessage& message, bool& handled) { handled = AppWndProc(message); }

// The window has ended: nothing is left to put back.
void TLMDWndProcComponent::ReleaseWindow() {
  delete FRelay;
  FRelay = nullptr;
  FDestroying = false;
}
