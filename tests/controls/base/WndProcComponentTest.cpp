// TLMDWndProcComponent on real windows (headless display): hooking a form's window, chains of
// hooks removed in either order and under a foreign sub-class, the window ending or being
// re-created while hooked, MDI frame and child forms, and the application window hook.
#include <gtest/gtest.h>

#include <LMDWndProcComponent.h>

#include "../../framework/ControlTestSupport.h"
#include "../paint/FormTextSupport.h"

#include <string>
#include <vector>

using enum TFormStyle;

namespace {

constexpr UINT kProbe = WM_USER + 77;
constexpr LRESULT kFormAnswer = 42;

// Who saw the probe message, in order.
std::vector<std::string>& Trace() {
  static std::vector<std::string> trace;
  return trace;
}

class THookProbe : public TLMDWndProcComponent {
  TAWO_CLASS(THookProbe, TLMDWndProcComponent)

 public:
  explicit THookProbe(TComponent* owner) : TLMDWndProcComponent(owner) {}
  using TLMDWndProcComponent::Loaded;

  std::vector<UINT> Seen;
  int RestoreStates = 0;
  // Sends the probe to the window from inside WM_DESTROY, where the form is going away.
  bool ProbeOnDestroy = false;
  bool AppHandles = true;

 protected:
  void WndProc(TMessage& message) override {
    Seen.push_back(message.Msg);
    if (message.Msg == kProbe) Trace().push_back(Name());
    inherited::WndProc(message);
    if (message.Msg == WM_DESTROY && ProbeOnDestroy) SendMessageA(Window(), kProbe, 0, 0);
  }
  bool AppWndProc(TMessage& message) override {
    if (message.Msg == kProbe) Trace().push_back(Name() + " app");
    return AppHandles;
  }
  void RestoreState() override { ++RestoreStates; }

 private:
  HWND Window() { return GetOwnerHandle(); }
};

TAWO_PUBLISHED(THookProbe, published) {
  published.Property("HandleApp", &THookProbe::HandleApp, &THookProbe::SetHandleApp).Default(false);
}

// Sees what reaches the form's own message handling, behind every window procedure.
struct FormObserver : TObject {
  void Attach(TControl* control) {
    Previous = control->WindowProc;
    control->WindowProc = TWndMethod(this, &FormObserver::Seen);
  }
  void Seen(TMessage& message) {
    Messages.push_back(message.Msg);
    if (message.Msg == kProbe) {
      Trace().push_back("form");
      message.Result = kFormAnswer;
      return;
    }
    Previous(message);
  }
  TWndMethod Previous;
  std::vector<UINT> Messages;
};

bool Contains(const std::vector<UINT>& messages, UINT msg) {
  return std::find(messages.begin(), messages.end(), msg) != messages.end();
}

class WndProcComponentTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    Trace().clear();
    form_ = ShowForm(10, 10, 120, 80);
    observer_.Attach(form_);
  }

  THookProbe* Hook(const AnsiString& name, TComponent* owner = nullptr) {
    auto* hook = new THookProbe(owner != nullptr ? owner : form_);
    hook->SetName(name);
    hook->Init();
    return hook;
  }

  std::vector<std::string> Probe(HWND window) {
    Trace().clear();
    answer_ = SendMessageA(window, kProbe, 0, 0);
    return Trace();
  }

  WNDPROC Procedure() const {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(form_->Handle(), GWLP_WNDPROC));
  }

  using Names = std::vector<std::string>;
  TForm* form_ = nullptr;
  FormObserver observer_;
  LRESULT answer_ = 0;
};

TEST_F(WndProcComponentTest, AComponentWithoutAWindowedOwnerNeverHooks) {
  THookProbe alone(nullptr);
  alone.Init();
  EXPECT_EQ(alone.GetOwnerHandle(), nullptr);
  EXPECT_FALSE(alone.NewWndProc());
  EXPECT_FALSE(alone.WndProcHooked());
  EXPECT_FALSE(alone.ValidOwner());

  TComponent plain(nullptr);
  THookProbe owned(&plain);
  owned.Init();
  EXPECT_FALSE(owned.WndProcHooked());
  EXPECT_TRUE(owned.RestoreWndProc());
}

TEST_F(WndProcComponentTest, SeesEveryMessageFirstAndPassesItOnWithItsResult) {
  THookProbe* hook = Hook("Hook");
  EXPECT_TRUE(hook->WndProcHooked());
  EXPECT_TRUE(hook->ValidOwner());
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Hook", "form"}));
  EXPECT_EQ(answer_, kFormAnswer);
  EXPECT_FALSE(hook->NewWndProc()) << "one component never hooks twice";
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Hook", "form"}));
}

TEST_F(WndProcComponentTest, DisablingUndoesTheEffectsButKeepsMessagesFlowing) {
  THookProbe* hook = Hook("Hook");
  hook->SetEnabled(false);
  EXPECT_EQ(hook->RestoreStates, 1);
  EXPECT_TRUE(hook->WndProcHooked());
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Hook", "form"}));
  hook->SetEnabled(true);
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Hook", "form"})) << "enabling again does not hook twice";
}

TEST_F(WndProcComponentTest, DestroyingTheComponentPutsBackTheFormsProcedure) {
  const WNDPROC original = Procedure();
  THookProbe* hook = Hook("Hook");
  EXPECT_NE(Procedure(), original);
  hook->Free();
  EXPECT_EQ(Procedure(), original);
  EXPECT_EQ(Probe(form_->Handle()), (Names{"form"}));
}

TEST_F(WndProcComponentTest, ChainedHooksComeOffInEitherOrder) {
  const WNDPROC original = Procedure();
  for (bool firstGoesFirst : {false, true}) {
    THookProbe* first = Hook("First");
    THookProbe* second = Hook("Second");
    EXPECT_EQ(Probe(form_->Handle()), (Names{"Second", "First", "form"}));
    (firstGoesFirst ? first : second)->Free();
    EXPECT_EQ(Probe(form_->Handle()), (Names{firstGoesFirst ? "Second" : "First", "form"}));
    (firstGoesFirst ? second : first)->Free();
    EXPECT_EQ(Procedure(), original) << "first goes first: " << firstGoesFirst;
    EXPECT_EQ(Probe(form_->Handle()), (Names{"form"}));
  }
}

// A procedure installed over the hook by someone else, the usual way.
WNDPROC gForeignPrevious = nullptr;
LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) Trace().push_back("foreign");
  return CallWindowProcA(gForeignPrevious, window, msg, wParam, lParam);
}

TEST_F(WndProcComponentTest, AHookUnderAForeignSubclassComesOffWithoutBreakingIt) {
  const WNDPROC original = Procedure();
  THookProbe* hook = Hook("Hook");
  gForeignPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(form_->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  hook->Free();
  EXPECT_EQ(Procedure(), &ForeignProc) << "the foreign procedure stays installed";
  EXPECT_EQ(Probe(form_->Handle()), (Names{"foreign", "form"}));
  EXPECT_EQ(answer_, kFormAnswer);

  THookProbe* later = Hook("Later");
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Later", "foreign", "form"}));
  SetWindowLongPtrA(form_->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gForeignPrevious));
  EXPECT_EQ(Probe(form_->Handle()), (Names{"form"})) << "the foreign sub-class removed itself and the hook above";
  SetWindowLongPtrA(form_->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  later->Free();
  EXPECT_EQ(Procedure(), original);
}

TEST_F(WndProcComponentTest, TheWindowEndingFirstLetsGoOfItAndInitHooksTheNewOne) {
  THookProbe* hook = Hook("Hook");
  hook->ProbeOnDestroy = true;
  form_->RecreateWnd();
  WinportDispatchPending();
  EXPECT_TRUE(Contains(hook->Seen, WM_DESTROY));
  EXPECT_TRUE(Contains(observer_.Messages, WM_DESTROY));
  EXPECT_TRUE(Contains(observer_.Messages, WM_NCDESTROY)) << "the form still cleans up after its window";
  EXPECT_EQ(Trace(), (Names{"Hook"})) << "the probe inside WM_DESTROY did not reach the dying form";
  EXPECT_FALSE(hook->WndProcHooked());

  ASSERT_TRUE(form_->HandleAllocated());
  EXPECT_EQ(Probe(form_->Handle()), (Names{"form"}));
  hook->ProbeOnDestroy = false;
  hook->Init();
  EXPECT_EQ(Probe(form_->Handle()), (Names{"Hook", "form"}));
  hook->Free();
  EXPECT_EQ(Probe(form_->Handle()), (Names{"form"}));
}

TEST_F(WndProcComponentTest, AnMDIFrameHooksItsClientWindowUnlessHandleMDI) {
  auto* frame = new TForm(Application);
  frame->SetFormStyle(fsMDIForm);
  THookProbe* clientHook = Hook("Client", frame);
  EXPECT_EQ(clientHook->MDIForm(), TLMDWndProcComponent::kMDIFrame);
  ASSERT_NE(frame->ClientHandle(), nullptr);
  EXPECT_EQ(clientHook->GetOwnerHandle(), frame->ClientHandle());
  EXPECT_EQ(Probe(frame->ClientHandle()), (Names{"Client"}));

  auto* frameHook = new THookProbe(frame);
  frameHook->SetName("Frame");
  frameHook->SetHandleMDI(true);
  frameHook->Init();
  EXPECT_EQ(frameHook->GetOwnerHandle(), frame->Handle());
  EXPECT_EQ(Probe(frame->Handle()), (Names{"Frame"}));
  frame->Free();
}

TEST_F(WndProcComponentTest, AnMDIChildUnhooksOnWMDestroyAndKeepsItFromTheForm) {
  TForm* frame = nullptr;
  Application->CreateForm(frame);
  frame->SetFormStyle(fsMDIForm);
  frame->Show();
  auto* child = new TForm(Application);
  child->SetFormStyle(fsMDIChild);
  FormObserver childObserver;
  childObserver.Attach(child);
  THookProbe* hook = Hook("Child", child);
  EXPECT_EQ(hook->MDIForm(), TLMDWndProcComponent::kMDIChild);
  EXPECT_TRUE(hook->WndProcHooked());
  child->RecreateWnd();
  EXPECT_TRUE(Contains(hook->Seen, WM_DESTROY));
  EXPECT_FALSE(Contains(hook->Seen, WM_NCDESTROY)) << "unhooked before the window died";
  EXPECT_FALSE(Contains(childObserver.Messages, WM_DESTROY));
  EXPECT_TRUE(Contains(childObserver.Messages, WM_NCDESTROY));
  EXPECT_FALSE(hook->WndProcHooked());
  child->Free();
}

TEST_F(WndProcComponentTest, LoadingHooksTheWindowAndTheApplicationWindow) {
  auto* hook = new THookProbe(form_);
  LoadFormText("object Hook: THookProbe\n  HandleApp = True\nend\n", hook);
  EXPECT_TRUE(hook->HandleApp());
  EXPECT_TRUE(hook->WndProcHooked());
  EXPECT_TRUE(hook->Hooked());
  EXPECT_EQ(Probe(Application->Handle()), (Names{"Hook app"}));
  hook->AppHandles = false;
  Probe(Application->Handle());
  EXPECT_EQ(Trace(), (Names{"Hook app"}));

  hook->SetHandleApp(false);
  EXPECT_TRUE(hook->HandleApp()) << "only while loading";
  hook->Free();
  EXPECT_EQ(Probe(Application->Handle()), (Names{}));
}

}  // namespace
