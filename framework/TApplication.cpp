#include "TApplication.h"

#include "Classes.h"
#include "TFinally.h"
#include "TForm.h"
#include "THintAction.h"
#include "THintWindow.h"
#include "TScreen.h"
#include "TWinControl.h"

#include <algorithm>
#include <exception>

TAWO_IMPLEMENT_CLASS(TApplication)

// The window procedure of the hidden application window.
class TApplicationWindow {
 public:
  static constexpr const char* kClassName = "TApplication";

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TApplication* application = Owner(hwnd);
    if (application == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
      application->WndProc(message);
    } catch (...) {
      application->HandleException(application);
    }
    return message.Result;
  }

  static void Bind(HWND hwnd, TApplication* application) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(application));
  }

 private:
  static TApplication* Owner(HWND hwnd) {
    return reinterpret_cast<TApplication*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
};

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  if (FHandle != nullptr) {
    TApplicationWindow::Bind(FHandle, nullptr);
    DestroyWindow(FHandle);
  }
}

void TApplication::BeforeDestruction() {
  inherited::BeforeDestruction();
  DestroyComponents();
}

// Runs the initialisation procedure that units installed before the application existed.
void TApplication::Initialize() {
  if (InitProc != nullptr) InitProc();
}

HWND TApplication::Handle() {
  if (FHandle != nullptr) return FHandle;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(instance, TApplicationWindow::kClassName, &windowClass)) {
    windowClass.lpfnWndProc = &TApplicationWindow::Proc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = TApplicationWindow::kClassName;
    if (RegisterClassA(&windowClass) == 0) throw EOutOfResources(SWindowClass);
  }
  FHandle = CreateWindowExA(0, TApplicationWindow::kClassName, Title().c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                            nullptr, nullptr, instance, nullptr);
  if (FHandle == nullptr) throw EOutOfResources(SWindowCreate);
  TApplicationWindow::Bind(FHandle, this);
  return FHandle;
}

AnsiString TApplication::ExeName() const {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  return AnsiString(path, std::min<DWORD>(length, sizeof path));
}

AnsiString TApplication::Title() const {
  if (FTitleSet) return FTitle;
  return ChangeFileExt(ExtractFileName(ExeName()), "");
}

void TApplication::SetTitle(const AnsiString& value) {
  FTitle = value;
  FTitleSet = true;
  if (FHandle != nullptr) SetWindowTextA(FHandle, value.c_str());
}

// ---------------------------------------------------------------------------------------------
// Forms.

void TApplication::AfterCreateForm(TComponent* instance) {
  auto* form = dynamic_cast<TCustomForm*>(instance);
  if (form != nullptr) form->AfterConstruction();
  auto* mainCandidate = dynamic_cast<TForm*>(instance);
  if (FMainForm == nullptr && mainCandidate != nullptr) {
    mainCandidate->HandleNeeded();
    FMainForm = mainCandidate;
  }
}

void TApplication::ControlDestroyed(TControl* control) {
  if (FHintWindow == control) FHintWindow = nullptr;
  if (FMainForm == control) FMainForm = nullptr;
  if (FMouseControl == control) FMouseControl = nullptr;
  if (FHintControl == control) FHintControl = nullptr;
}

std::vector<HWND> TApplication::DisableTaskWindows(TCustomForm* except) {
  std::vector<HWND> disabled;
  for (int i = 0; i < Screen->CustomFormCount(); ++i) {
    TCustomForm* form = Screen->CustomForms(i);
    if (form == except || !form->HandleAllocated()) continue;
    HWND window = form->Handle();
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      disabled.push_back(window);
    }
  }
  return disabled;
}

void TApplication::EnableTaskWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

// ---------------------------------------------------------------------------------------------
// The message loop.

void TApplication::Run() {
  if (FMainForm == nullptr) return;
  if (FShowMainForm) FMainForm->SetVisible(true);
  while (!FTerminate) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
  DestroyComponents();
}

bool TApplication::ProcessMessage(MSG& msg) {
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    FTerminate = true;
    return true;
  }
  bool handled = false;
  OnMessage(msg, handled);
  if (FHintWindow != nullptr && FHintWindow->IsHintMsg(msg)) CancelHint();
  if (!handled && !IsKeyMsg(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// Keys go to the nearest framework control first as CN_ messages (dialog keys, accelerators).
bool TApplication::IsKeyMsg(const MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  // A window holding the mouse (a drag's hidden window too) hears the keys first.
  HWND target = GetCapture();
  if (target == nullptr) {
    target = msg.hwnd;
    while (target != nullptr && FindControl(target) == nullptr) target = GetParent(target);
    if (target == nullptr) target = msg.hwnd;
  }
  return SendMessageA(target, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::ProcessMessages() {
  MSG msg{};
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg{};
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
  DoMouseIdle();
  if (FShowHint && FMouseControl == nullptr) CancelHint();
  AnsiString hint;
  for (TControl* control = FMouseControl; control != nullptr; control = control->Parent()) {
    if (!control->Hint().empty()) {
      hint = control->Hint();
      break;
    }
  }
  SetHint(GetLongHint(hint));
  bool done = true;
  try {
    OnIdle(this, done);
  } catch (...) {
    HandleException(this);
  }
  if (done) WaitMessage();
}

// Sends CM_MOUSELEAVE to the control the mouse left and CM_MOUSEENTER to the one it is over
// now; while the mouse is captured only the capturing control hears of itself.
void TApplication::DoMouseIdle() {
  POINT at{};
  GetCursorPos(&at);
  TControl* control = FindDragTarget(at, true);
  if (control == FMouseControl) return;
  TControl* captured = GetCaptureControl();
  auto concerned = [captured](TControl* c) { return c != nullptr && (captured == nullptr || c == captured); };
  if (concerned(FMouseControl)) FMouseControl->Perform(CM_MOUSELEAVE, 0, 0);
  FMouseControl = control;
  if (concerned(FMouseControl)) FMouseControl->Perform(CM_MOUSEENTER, 0, 0);
}

void TApplication::Terminate() { PostQuitMessage(0); }

// ---------------------------------------------------------------------------------------------
// Messages, exceptions and hints.

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, UINT flags) {
  HWND activeWindow = GetActiveWindow();
  const std::vector<HWND> disabled = DisableTaskWindows(nullptr);
  int result = 0;
  {
    const TFinally enableWindows([&] { EnableTaskWindows(disabled); });
    result = ::MessageBoxA(Handle(), text.c_str(), caption.c_str(), flags);
  }
  if (activeWindow != nullptr && IsWindow(activeWindow)) SetActiveWindow(activeWindow);
  return result;
}

void TApplication::ShowException(const Exception& exception) {
  AnsiString text = exception.Message();
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) text += '.';
  MessageBox(text, Title(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(TObject* sender) {
  if (!std::current_exception()) return;
  if (HWND captured = GetCapture()) SendMessageA(captured, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (EAbort&) {
  } catch (Exception& exception) {
    if (OnException.Assigned()) OnException(sender, exception);
    else ShowException(exception);
  } catch (std::exception& other) {
    Exception exception(other.what());
    if (OnException.Assigned()) OnException(sender, exception);
    else ShowException(exception);
  } catch (...) {
    Exception exception("");
    if (OnException.Assigned()) OnException(sender, exception);
    else ShowException(exception);
  }
}

void TApplication::SetHint(const AnsiString& value) {
  if (FHint == value) return;
  FHint = value;
  if (OnHint.Assigned()) OnHint(this);
  else THintAction::Broadcast(value);
}

namespace {

constexpr UINT_PTR kHintTimerId = 1;
// The hint appears this far below the pointer's hot spot, under the arrow.
constexpr int kCursorHeightMargin = 20;

// The nearest control, from `control` up, whose hint pops up.
TControl* GetHintControl(TControl* control) {
  while (control != nullptr && !control->ShowHint()) control = control->Parent();
  return control;
}

AnsiString EffectiveHint(TControl* control) {
  for (; control != nullptr; control = control->Parent()) {
    if (!control->Hint().empty()) return control->Hint();
  }
  return "";
}

}  // namespace

void TApplication::CancelHint() {
  if (FHintControl == nullptr) return;
  HideHint();
  FHintControl = nullptr;
  FHintActive = false;
  StopHintTimer();
}

void TApplication::HideHint() {
  if (FHintWindow != nullptr && FHintWindow->IsShown()) ShowWindow(FHintWindow->Handle(), SW_HIDE);
}

void TApplication::HintMouseMessage(TControl* control, const TMessage& message) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  const bool onScreen = windowed != nullptr ? windowed->HandleAllocated() : control->Parent() != nullptr;
  if (!onScreen) return;
  const POINT at = control->ClientToScreen(message.Pos());
  TControl* hintControl = GetHintControl(FindDragTarget(at, true));
  if (!FShowHint || hintControl == nullptr) {
    CancelHint();
    return;
  }
  if (hintControl == FHintControl && PtInRect(&FHintCursorRect, at)) return;
  int pause = FHintActive ? FHintShortPause : FHintPause;
  hintControl->Perform(CM_HINTSHOWPAUSE, FHintActive ? 1 : 0, reinterpret_cast<LPARAM>(&pause));
  FHintControl = hintControl;
  if (pause == 0) ActivateHint(at);
  else StartHintTimer(pause, THintTimer::Show);
}

void TApplication::StartHintTimer(int milliseconds, THintTimer mode) {
  StopHintTimer();
  if (SetTimer(Handle(), kHintTimerId, static_cast<UINT>(milliseconds), nullptr) == 0) return;
  FHintTimer = mode;
}

void TApplication::StopHintTimer() {
  if (FHintTimer == THintTimer::None) return;
  KillTimer(FHandle, kHintTimerId);
  FHintTimer = THintTimer::None;
}

void TApplication::HintTimerExpired() {
  const THintTimer mode = FHintTimer;
  StopHintTimer();
  if (mode == THintTimer::Hide) {
    HideHint();
  } else if (mode == THintTimer::Show) {
    POINT at{};
    GetCursorPos(&at);
    ActivateHint(at);
  }
}

// Shows the short hint of the control under the pointer, unless CM_HINTSHOW or OnShowHint
// refuses; it hides again after HintHidePause.
void TApplication::ActivateHint(POINT cursorPos) {
  if (!FShowHint || FHintControl == nullptr || FHintControl != GetHintControl(FindDragTarget(cursorPos, true))) {
    CancelHint();
    return;
  }
  THintInfo info;
  info.HintControl = FHintControl;
  info.HintPos = POINT{cursorPos.x, cursorPos.y + kCursorHeightMargin};
  info.HintMaxWidth = Screen->Width();
  info.HintColor = FHintColor;
  info.CursorRect = FHintControl->ClientRect();
  info.CursorPos = FHintControl->ScreenToClient(cursorPos);
  info.HideTimeout = FHintHidePause;
  info.HintStr = GetShortHint(EffectiveHint(FHintControl));
  bool canShow = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow) OnShowHint(info.HintStr, canShow, info);
  FHintActive = canShow;
  if (!canShow || info.HintStr.empty()) {
    HideHint();
    return;
  }
  if (FHintWindow == nullptr) FHintWindow = new THintWindow(this);
  RECT rect = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
  OffsetRect(&rect, info.HintPos.x, info.HintPos.y);
  FHintWindow->SetColor(info.HintColor);
  FHintWindow->ActivateHint(rect, info.HintStr);
  const POINT origin = FHintControl->ClientOrigin();
  FHintCursorRect = info.CursorRect;
  OffsetRect(&FHintCursorRect, origin.x, origin.y);
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, THintTimer::Hide);
}

bool TApplication::ExecuteAction(TBasicAction* action) {
  TCustomForm* active = Screen->ActiveCustomForm();
  if (active != nullptr && active->DispatchAction(action)) return true;
  return FMainForm != nullptr && FMainForm != active && FMainForm->DispatchAction(action);
}

void TApplication::HookMainWindow(const TWindowHook& hook) { FWindowHooks.push_back(hook); }

void TApplication::UnhookMainWindow(const TWindowHook& hook) {
  auto at = std::find(FWindowHooks.begin(), FWindowHooks.end(), hook);
  if (at != FWindowHooks.end()) FWindowHooks.erase(at);
}

void TApplication::WndProc(TMessage& message) {
  const std::vector<TWindowHook> hooks = FWindowHooks;
  for (const TWindowHook& hook : hooks) {
    bool handled = false;
    hook(message, handled);
    if (handled) return;
  }
  switch (message.Msg) {
    case WM_ACTIVATEAPP:
      message.Result = DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam);
      FActive = message.WParam != 0;
      PostMessageA(FHandle, FActive ? CM_ACTIVATE : CM_DEACTIVATE, 0, 0);
      return;
    case WM_TIMER:
      if (message.WParam == kHintTimerId) HintTimerExpired();
      return;
    case CM_ACTIVATE: OnActivate(this); return;
    case CM_DEACTIVATE: OnDeactivate(this); return;
    case WM_CLOSE:
      if (FMainForm != nullptr) FMainForm->Close();
      return;
    default: message.Result = DefWindowProcA(FHandle, message.Msg, message.WParam, message.LParam); return;
  }
}
