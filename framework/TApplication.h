// Unit Forms: TApplication, the program's message loop and its services: forms and the main
// form, the hidden application window, exceptions shown to the user, message boxes, and the
// idle work (mouse enter/leave, Application.Hint).
#pragma once

#include "Forms.h"
#include "Graphics.h"
#include "TComponent.h"

#include <windows.h>

#include <new>
#include <type_traits>
#include <vector>

class TCustomForm;
class TForm;
class TControl;
class TBasicAction;
class THintWindow;

class TApplication : public TComponent {
  TAWO_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;
  // Frees the forms (OnDestroy each, last created first) while the application is whole.
  void BeforeDestruction() override;

  void Initialize();
  // The hidden top-level window that owns the forms; made on first use.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // The executable's Windows path; Title defaults to its name without the extension.
  AnsiString ExeName() const;
  AnsiString Title() const;
  void SetTitle(const AnsiString& value);

  // Creates a form owned by the application; `reference` points at it before its constructor
  // runs (nothing when the constructor fails). The first TForm becomes the main form.
  template <class F>
  void CreateForm(F*& reference);
  TForm* MainForm() const { return FMainForm; }
  bool ShowMainForm() const { return FShowMainForm; }
  void SetShowMainForm(bool value) { FShowMainForm = value; }

  // Shows the main form and handles messages until Terminate; then the forms are freed,
  // last created first. Without a main form it returns at once.
  void Run();
  // Handles every message waiting, then returns; never waits.
  void ProcessMessages();
  // Handles one message; with none waiting, does the idle work and waits for one.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminate; }

  int MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags = MB_OK);
  // OnException, or ShowException, for the exception being handled (EAbort is silent).
  void HandleException(TObject* sender);
  // The exception's message (with a full stop added after a character sorting above '.')
  // in a message box with the stop icon.
  void ShowException(const Exception& exception);

  // Hints: Hint is the long hint of the control under the mouse, set at idle time.
  const AnsiString& Hint() const { return FHint; }
  void SetHint(const AnsiString& value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value) { FShowHint = value; }
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor value) { FHintColor = value; }
  int HintPause() const { return FHintPause; }
  void SetHintPause(int value) { FHintPause = value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int value) { FHintShortPause = value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int value) { FHintHidePause = value; }
  // Hides the hint and forgets its control, so that the next one waits HintPause again.
  void CancelHint();
  // Hides the hint window if it shows.
  void HideHint();
  // A mouse move over `control`: starts the pause before the hint of the control under the
  // pointer, or cancels the hint where no control shows one.
  void HintMouseMessage(TControl* control, const TMessage& message);

  // Offers an action to the active form, then to the main form.
  bool ExecuteAction(TBasicAction* action);

  void HookMainWindow(const TWindowHook& hook);
  void UnhookMainWindow(const TWindowHook& hook);

  // True while one of the application's windows is active.
  bool Active() const { return FActive; }

  // The control under the mouse as last seen at idle time.
  TControl* MouseControl() const { return FMouseControl; }
  // Forgets references to a control being destroyed.
  void ControlDestroyed(TControl* control);
  // Disables the visible, enabled forms other than `except`; returns them for re-enabling.
  std::vector<HWND> DisableTaskWindows(TCustomForm* except);
  void EnableTaskWindows(const std::vector<HWND>& windows);

  TExceptionEvent OnException;
  TNotifyEvent OnHint;
  TShowHintEvent OnShowHint;
  TIdleEvent OnIdle;
  TMessageEvent OnMessage;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;

 private:
  friend class TApplicationWindow;

  enum class THintTimer { None, Show, Hide };

  bool ProcessMessage(MSG& msg);
  void StartHintTimer(int milliseconds, THintTimer mode);
  void StopHintTimer();
  void HintTimerExpired();
  void ActivateHint(POINT cursorPos);
  bool IsKeyMsg(const MSG& msg);
  void Idle();
  void DoMouseIdle();
  void WndProc(TMessage& message);
  void AfterCreateForm(TComponent* instance);

  HWND FHandle = nullptr;
  AnsiString FTitle;
  bool FTitleSet = false;
  TForm* FMainForm = nullptr;
  bool FShowMainForm = true;
  bool FTerminate = false;
  bool FActive = false;
  AnsiString FHint;
  bool FShowHint = true;
  TColor FHintColor = clInfoBk;
  int FHintPause = 500;
  int FHintShortPause = 50;
  int FHintHidePause = 2500;
  TControl* FMouseControl = nullptr;
  TControl* FHintControl = nullptr;
  THintWindow* FHintWindow = nullptr;
  bool FHintActive = false;
  RECT FHintCursorRect{};
  THintTimer FHintTimer = THintTimer::None;
  std::vector<TWindowHook> FWindowHooks;
};

template <class F>
void TApplication::CreateForm(F*& reference) {
  static_assert(std::is_base_of_v<TComponent, F>);
  void* storage = ::operator new(sizeof(F));
  reference = static_cast<F*>(storage);
  try {
    new (storage) F(this);
  } catch (...) {
    reference = nullptr;
    ::operator delete(storage);
    throw;
  }
  AfterCreateForm(reference);
}
