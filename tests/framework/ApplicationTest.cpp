// The application object: nested message handling, exceptions shown to the user, hints,
// hooks on its window; and the screen's cursors.
#include "ControlTestSupport.h"

#include "THintWindow.h"
#include "TScreen.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using ApplicationServices = VisualTest;

// What a message box showed: its caption and its pixels.
struct ShownBox {
  AnsiString Caption;
  RECT Bounds{};
  std::string Pixels;  // the window's screenshot as a BMP file
  bool operator==(const ShownBox& other) const {
    return Caption == other.Caption && EqualRect(&Bounds, &other.Bounds) && Pixels == other.Pixels;
  }
};

std::string WindowPixels(HWND window) {
  // One file per test: tests run in parallel processes.
  const std::string path = std::string(TAWO_TEST_OUTPUT_DIR) + "/message-box-" +
                           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".bmp";
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  if (!WinportWindowScreenshot(window, path.c_str())) return "";
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Answers every message box with Enter, keeping what the last one showed.
class BoxReader {
 public:
  BoxReader()
      : script_([this] {
          HWND box = GetActiveWindow();
          char className[16] = {};
          GetClassNameA(box, className, sizeof className);
          if (AnsiString(className) != "#32770") return false;
          char caption[256] = {};
          GetWindowTextA(box, caption, sizeof caption);
          last_.Caption = caption;
          GetWindowRect(box, &last_.Bounds);
          last_.Pixels = WindowPixels(box);
          ++count_;
          WinportKeyPress(VK_RETURN);
          return false;
        }) {}
  const ShownBox& Last() const { return last_; }
  int Count() const { return count_; }

  // What a message box with this text and caption shows.
  ShownBox Expected(const AnsiString& text, const AnsiString& caption, UINT flags = MB_OK | MB_ICONSTOP) {
    ::MessageBoxA(Application->Handle(), text.c_str(), caption.c_str(), flags);
    --count_;
    return last_;
  }

 private:
  ShownBox last_;
  int count_ = 0;
  IdleScript script_;
};

class TClickCounter : public TTestWindowed {
 public:
  using TTestWindowed::TTestWindowed;
  int Clicks = 0;
  int Depth = 0;
  int DeepestDepth = 0;
  std::function<void()> DuringFirstClick;

 protected:
  void Click() override {
    ++Clicks;
    ++Depth;
    DeepestDepth = std::max(DeepestDepth, Depth);
    if (Clicks == 1 && DuringFirstClick) DuringFirstClick();
    --Depth;
  }
};

TEST_F(ApplicationServices, ProcessMessagesInsideAClickLetsASecondClickRun) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* button = new TClickCounter(form);
  button->SetBounds(10, 10, 60, 30);
  button->SetParent(form);
  WinportDispatchPending();
  const POINT at = button->ClientToScreen(POINT{5, 5});
  button->DuringFirstClick = [at] {
    WinportAdvanceClock(1000, FALSE);  // not a double click
    WinportMouseClick(WINPORT_BUTTON_LEFT, at.x, at.y);
    Application->ProcessMessages();
  };
  WinportMouseClick(WINPORT_BUTTON_LEFT, at.x, at.y);
  Application->ProcessMessages();
  EXPECT_EQ(button->Clicks, 2);
  EXPECT_EQ(button->DeepestDepth, 2) << "the second click ran inside the first";
}

TEST_F(ApplicationServices, ShowExceptionShowsTheMessageInAStopBox) {
  Application->SetTitle("Instalator");
  BoxReader reader;
  const std::pair<AnsiString, AnsiString> cases[] = {
      {"Abstract Error", "Abstract Error."},
      {"List index out of bounds (5)", "List index out of bounds (5)"},  // ')' sorts before '.'
      {"Brak miejsca na dysku"_a, "Brak miejsca na dysku."_a},
  };
  for (const auto& [message, shown] : cases) {
    Application->ShowException(Exception(message));
    const ShownBox actual = reader.Last();
    EXPECT_EQ(actual.Caption, "Instalator");
    EXPECT_TRUE(actual == reader.Expected(shown, "Instalator")) << shown;
    EXPECT_FALSE(actual == reader.Expected(message + "!", "Instalator")) << "the pixels tell texts apart";
  }
  EXPECT_EQ(reader.Count(), 3);
}

TEST_F(ApplicationServices, HandleExceptionIgnoresAbortAndPrefersOnException) {
  BoxReader reader;
  try {
    throw EAbort();
  } catch (...) {
    Application->HandleException(nullptr);
  }
  EXPECT_EQ(reader.Count(), 0) << "EAbort is silent";

  try {
    throw std::runtime_error("host failure");
  } catch (...) {
    Application->HandleException(nullptr);
  }
  EXPECT_EQ(reader.Count(), 1) << "other exceptions are shown too";
  const ShownBox shown = reader.Last();
  EXPECT_TRUE(shown == reader.Expected("host failure.", Application->Title()));

  struct Catcher : TObject {
    AnsiString Message;
    TObject* Sender = nullptr;
    void Caught(TObject* sender, Exception& e) {
      Sender = sender;
      Message = e.Message();
    }
  } catcher;
  Application->OnException = TExceptionEvent(&catcher, &Catcher::Caught);
  try {
    throw EInvalidOperation("boom");
  } catch (...) {
    Application->HandleException(&catcher);
  }
  EXPECT_EQ(catcher.Message, "boom");
  EXPECT_EQ(catcher.Sender, &catcher);
  EXPECT_EQ(reader.Count(), 1) << "OnException replaces the box";
}

// Raises from its paint handler.
class TFailingControl : public TTestWindowed {
 public:
  using TTestWindowed::TTestWindowed;

 protected:
  void Paint() override { throw EInvalidOperation("cannot paint"); }
};

TEST_F(ApplicationServices, AnExceptionInAWindowMessageGoesToHandleException) {
  struct Catcher : TObject {
    AnsiString Message;
    void Caught(TObject*, Exception& e) { Message = e.Message(); }
  } catcher;
  Application->OnException = TExceptionEvent(&catcher, &Catcher::Caught);
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* failing = new TFailingControl(form);
  failing->SetParent(form);
  Application->ProcessMessages();
  EXPECT_EQ(catcher.Message, "cannot paint");
  RECT pending{};
  EXPECT_FALSE(GetUpdateRect(failing->Handle(), &pending, FALSE)) << "the paint was still completed";
}

TEST_F(ApplicationServices, HoveringSetsTheHintOfTheNearestControlThatHasOne) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* panel = new TTestWindowed(form);
  panel->SetBounds(0, 0, 120, 100);
  panel->SetHint("Panel|Holds the buttons");
  panel->SetParent(form);
  auto* silent = new TTestGraphic(form);
  silent->SetBounds(10, 10, 20, 20);
  silent->SetParent(panel);
  auto* labelled = new TTestGraphic(form);
  labelled->SetBounds(50, 10, 20, 20);
  labelled->SetHint("Install|Copies the program to the disk");
  labelled->SetParent(panel);
  WinportDispatchPending();

  struct Listener : TObject {
    std::vector<AnsiString> Hints;
    void Hinted(TObject*) { Hints.push_back(Application->Hint()); }
  } listener;
  Application->OnHint = TNotifyEvent(&listener, &Listener::Hinted);
  WinportMouseMove(5, 5);
  Application->ProcessMessages();
  const std::vector<POINT> path = {labelled->ClientToScreen(POINT{5, 5}), silent->ClientToScreen(POINT{5, 5}),
                                   form->ClientToScreen(POINT{150, 50}), POINT{5, 5}};
  std::size_t next = 0;
  IdleScript script([&] {
    if (next == path.size()) return true;
    WinportMouseMove(path[next].x, path[next].y);
    ++next;
    return false;
  });
  while (!script.Done()) Application->HandleMessage();
  EXPECT_EQ(listener.Hints, (std::vector<AnsiString>{"Copies the program to the disk", "Holds the buttons", ""}))
      << "the form has no hint, and nothing is under the mouse at the end";
}

TEST_F(ApplicationServices, HooksSeeTheApplicationWindowsMessagesFirst) {
  struct Hooks : TObject {
    std::vector<std::string> Seen;
    void First(TMessage& message, bool& handled) {
      if (message.Msg != WM_USER + 1) return;
      Seen.push_back("first");
      message.Result = 42;
      handled = message.WParam == 1;
    }
    void Second(TMessage& message, bool&) {
      if (message.Msg == WM_USER + 1) Seen.push_back("second");
    }
  } hooks;
  const TWindowHook first(&hooks, &Hooks::First);
  Application->HookMainWindow(first);
  Application->HookMainWindow(TWindowHook(&hooks, &Hooks::Second));
  SendMessageA(Application->Handle(), WM_USER + 1, 0, 0);
  EXPECT_EQ(hooks.Seen, (std::vector<std::string>{"first", "second"}));
  hooks.Seen.clear();
  EXPECT_EQ(SendMessageA(Application->Handle(), WM_USER + 1, 1, 0), 42) << "the hook's answer";
  EXPECT_EQ(hooks.Seen, std::vector<std::string>{"first"}) << "a handled message stops there";
  hooks.Seen.clear();
  Application->UnhookMainWindow(first);
  SendMessageA(Application->Handle(), WM_USER + 1, 1, 0);
  EXPECT_EQ(hooks.Seen, std::vector<std::string>{"second"});
}

TEST_F(ApplicationServices, TitleDefaultsToTheProgramNameAndNamesTheWindow) {
  EXPECT_EQ(Application->Title(), ChangeFileExt(ExtractFileName(Application->ExeName()), ""));
  EXPECT_FALSE(Application->Title().empty());
  Application->SetTitle("Instalator TAWO");
  char text[64] = {};
  GetWindowTextA(Application->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Instalator TAWO");
}

TEST_F(ApplicationServices, ScreenCursorsKeepRegisteredCursorsAtAnyNumber) {
  HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
  EXPECT_EQ(Screen->Cursors(crDefault), arrow);
  EXPECT_EQ(Screen->Cursors(crHandPoint), hand);
  EXPECT_EQ(Screen->Cursors(-255), arrow) << "not registered yet";
  Screen->SetCursors(-255, hand);
  EXPECT_EQ(Screen->Cursors(-255), hand);
  Screen->SetCursors(-255, arrow);
  EXPECT_EQ(Screen->Width(), GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(Screen->Height(), GetSystemMetrics(SM_CYSCREEN));
}

}  // namespace

namespace {

struct UtilityListener : TObject {
  std::vector<UINT> Seen;
  void Receive(TMessage& message) {
    if (message.Msg < WM_USER) return;
    Seen.push_back(message.Msg);
    if (message.Msg == WM_USER + 9) throw EInvalidOperation("from a utility window");
    message.Result = 7;
  }
};

TEST_F(ApplicationServices, UtilityWindowsSendTheirMessagesToAMethod) {
  UtilityListener listener;
  HWND window = AllocateHWnd(TWndMethod(&listener, &UtilityListener::Receive));
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), 7);
  PostMessageA(window, WM_USER + 2, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(listener.Seen, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));

  struct Catcher : TObject {
    AnsiString Message;
    void Caught(TObject*, Exception& e) { Message = e.Message(); }
  } catcher;
  Application->OnException = TExceptionEvent(&catcher, &Catcher::Caught);
  SendMessageA(window, WM_USER + 9, 0, 0);
  EXPECT_EQ(catcher.Message, "from a utility window");
  DeallocateHWnd(window);
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(ApplicationServices, ObjectInstancesAreAFixedPoolThatFreeingRefills) {
  UtilityListener listener;
  const TWndMethod method(&listener, &UtilityListener::Receive);
  std::vector<WNDPROC> taken;
  try {
    for (;;) taken.push_back(MakeObjectInstance(method));
  } catch (const EOutOfResources&) {
  }
  ASSERT_FALSE(taken.empty());
  EXPECT_EQ(CallWindowProcA(taken.back(), nullptr, WM_USER + 3, 0, 0), 7);
  FreeObjectInstance(taken.back());
  EXPECT_EQ(MakeObjectInstance(method), taken.back()) << "a freed instance is handed out again";
  for (WNDPROC instance : taken) FreeObjectInstance(instance);
}

}  // namespace

namespace {

class PopupHints : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 200, 100);
    hinted_ = new TTestWindowed(form_);
    hinted_->SetBounds(10, 10, 60, 30);
    hinted_->SetHint("Install|Copies the program to the disk");
    hinted_->SetShowHint(true);
    hinted_->SetParent(form_);
    plain_ = new TTestWindowed(form_);
    plain_->SetBounds(100, 10, 60, 30);
    plain_->SetParent(form_);
    WinportDispatchPending();
  }

  void MoveTo(TControl* control, int x, int y) {
    const POINT at = control->ClientToScreen(POINT{x, y});
    WinportMouseMove(at.x, at.y);
    Application->ProcessMessages();
  }

  // The visible hint window, if any.
  static HWND ShownHint() {
    for (int i = 0; i < Application->ComponentCount(); ++i) {
      auto* window = dynamic_cast<THintWindow*>(Application->Components(i));
      if (window != nullptr && window->IsShown()) return window->Handle();
    }
    return nullptr;
  }

  TForm* form_ = nullptr;
  TTestWindowed* hinted_ = nullptr;
  TTestWindowed* plain_ = nullptr;
};

TEST_F(PopupHints, TheShortHintShowsAfterThePauseBelowThePointerAndHidesLater) {
  MoveTo(hinted_, 20, 10);
  WinportAdvanceClock(499, TRUE);
  EXPECT_EQ(ShownHint(), nullptr);
  WinportAdvanceClock(1, TRUE);
  HWND hint = ShownHint();
  ASSERT_NE(hint, nullptr);
  char text[64] = {};
  GetWindowTextA(hint, text, sizeof text);
  EXPECT_STREQ(text, "Install");
  RECT rect{};
  GetWindowRect(hint, &rect);
  const POINT pointer = hinted_->ClientToScreen(POINT{20, 10});
  EXPECT_EQ(rect.left, pointer.x);
  EXPECT_EQ(rect.top, pointer.y + 20);
  EXPECT_EQ(GetWindowLongA(hint, GWL_STYLE) & WS_CHILD, 0);

  MoveTo(hinted_, 25, 12);
  EXPECT_NE(ShownHint(), nullptr) << "moving inside the control keeps it";
  WinportAdvanceClock(Application->HintHidePause(), TRUE);
  EXPECT_EQ(ShownHint(), nullptr) << "hidden after HintHidePause";
}

TEST_F(PopupHints, LeavingForAControlWithoutHintOrClickingCancelsIt) {
  MoveTo(hinted_, 20, 10);
  WinportAdvanceClock(500, TRUE);
  ASSERT_NE(ShownHint(), nullptr);
  MoveTo(plain_, 5, 5);
  EXPECT_EQ(ShownHint(), nullptr);
  WinportAdvanceClock(1000, TRUE);
  EXPECT_EQ(ShownHint(), nullptr) << "the pending pause was dropped too";

  MoveTo(hinted_, 20, 10);
  WinportAdvanceClock(500, TRUE);
  ASSERT_NE(ShownHint(), nullptr);
  const POINT at = hinted_->ClientToScreen(POINT{20, 10});
  WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
  Application->ProcessMessages();
  EXPECT_EQ(ShownHint(), nullptr);
  WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
  Application->ProcessMessages();
}

TEST_F(PopupHints, OnShowHintMayRewordOrRefuse) {
  struct Editor : TObject {
    bool Allow = true;
    TControl* Control = nullptr;
    void Edit(AnsiString& text, bool& canShow, THintInfo& info) {
      text = "Reworded";
      canShow = Allow;
      Control = info.HintControl;
    }
  } editor;
  Application->OnShowHint = TShowHintEvent(&editor, &Editor::Edit);
  MoveTo(hinted_, 20, 10);
  WinportAdvanceClock(500, TRUE);
  HWND hint = ShownHint();
  ASSERT_NE(hint, nullptr);
  char text[64] = {};
  GetWindowTextA(hint, text, sizeof text);
  EXPECT_STREQ(text, "Reworded");
  EXPECT_EQ(editor.Control, hinted_);

  Application->CancelHint();
  EXPECT_EQ(ShownHint(), nullptr);
  editor.Allow = false;
  MoveTo(hinted_, 30, 10);
  WinportAdvanceClock(500, TRUE);
  EXPECT_EQ(ShownHint(), nullptr);
}

}  // namespace

namespace {

TEST_F(ApplicationServices, ActiveFollowsTheActivationOfTheApplicationsWindows) {
  struct Listener : TObject {
    std::vector<std::string> Seen;
    void Activated(TObject*) { Seen.push_back("activate"); }
    void Deactivated(TObject*) { Seen.push_back("deactivate"); }
  } listener;
  Application->Handle();
  Application->OnActivate = TNotifyEvent(&listener, &Listener::Activated);
  Application->OnDeactivate = TNotifyEvent(&listener, &Listener::Deactivated);
  SetActiveWindow(nullptr);
  Application->ProcessMessages();
  EXPECT_FALSE(Application->Active());
  TForm* form = ShowForm(100, 100, 100, 50);
  Application->ProcessMessages();
  EXPECT_TRUE(Application->Active());
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  ASSERT_FALSE(listener.Seen.empty());
  EXPECT_EQ(listener.Seen.back(), "activate");
}

}  // namespace
