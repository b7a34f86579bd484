// Unit LMDWndProcComponent: TLMDWndProcComponent, the base of non-visual components that change
// how their owner form behaves by sub-classing its window. The component puts a procedure of
// its own in front of the window's, sees every message first in WndProc and passes each on to
// the procedure it replaced; it can also hook the application's main window. Descendants
// override WndProc (and AppWndProc) to add behaviour.
//
// Several components may hook one window and be removed in any order. When the window ends
// first (WM_NCDESTROY), the component lets go of it without touching it; Init hooks the
// owner's new window after the owner re-created it.
#pragma once

#include "LMDCustomComponent.h"

#include <Messages.h>

#include <windows.h>

#include <cstdint>

class TLMDWndProcRelay;

class TLMDWndProcComponent : public TLMDCustomComponent {
  TAWO_CLASS(TLMDWndProcComponent, TLMDCustomComponent)

 public:
  // Values of MDIForm.
  static constexpr uint8_t kNoMDIForm = 0;
  static constexpr uint8_t kMDIChild = 1;
  static constexpr uint8_t kMDIFrame = 2;

  explicit TLMDWndProcComponent(TComponent* owner);
  ~TLMDWndProcComponent() override;

  bool Enabled() const { return FEnabled; }
  // At run time true hooks the window; false only undoes the descendant's effects
  // (RestoreState): messages keep passing through WndProc.
  void SetEnabled(bool value);
  bool DesignEnabled() const { return FDesignEnabled; }
  void SetDesignEnabled(bool value);
  bool HandleApp() const { return FHandleApp; }
  // Effective only while designing or loading.
  void SetHandleApp(bool value);
  bool HandleMDI() const { return FHandleMDI; }
  // Takes effect at the next hooking.
  void SetHandleMDI(bool value) { FHandleMDI = value; }
  // The application's main window is hooked.
  bool Hooked() const { return FHooked; }
  bool Silent() const { return FSilent; }
  uint8_t MDIForm() const { return FMDIForm; }
  // A window procedure of the owner's window is replaced.
  bool WndProcHooked() const;

  // The window to hook: the MDI client window of an MDI frame form unless HandleMDI, else the
  // owner's window (created if needed); none without a windowed owner or when getting it fails.
  HWND GetOwnerHandle();
  TComponent* GetOwnerForm() const { return Owner(); }
  // Installs the hook; false when there is no window, when already hooked, at design time
  // without DesignEnabled, or when a framework error undid the installation.
  bool NewWndProc();
  // Removes the hook, putting back the procedure it replaced, and the application hook.
  bool RestoreWndProc();
  void SilentRemove();
  // The owner's window exists and the component is neither loading nor being destroyed.
  bool ValidOwner() const;

  // Hooks the window when enabled and not hooked yet; also after the owner re-created its
  // window.
  virtual void Init();

 protected:
  // The hook on the application's main window: true when the message is handled (the base
  // handles every message).
  virtual bool AppWndProc(TMessage& message);
  virtual void RestoreState() {}
  // Passes the message on to the replaced procedure. After WM_DESTROY every message but
  // WM_NCDESTROY is dropped; an MDI child unhooks itself on WM_DESTROY without passing it on.
  virtual void WndProc(TMessage& message);
  // At design time without DesignEnabled, removes the hook.
  virtual void DesignEnabledChanged();
  void Loaded() override;

 private:
  bool Designing() const;
  void AppHook(TMessage& message, bool& handled);
  void ReleaseWindow();

  bool FEnabled = true;
  bool FDesignEnabled = false;
  bool FHandleApp = false;
  bool FHooked = false;
  bool FSilent = false;
  uint8_t FMDIForm = kNoMDIForm;
  TLMDWndProcRelay* FRelay = nullptr;
  bool FDestroying = false;
  bool FHandleMDI = false;
};
