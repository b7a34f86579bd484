// Forms: loading from a text description, creation through the application, the order of
// their events, closing, and modal display.
#include "ControlTestSupport.h"

#include "Classes.h"
#include "TMemoryStream.h"
#include "TScreen.h"
#include "TStringStream.h"

using enum TBorderIcon;
using enum TCloseAction;
using enum TFontStyle;
using enum TFormBorderStyle;
using enum TFormStyle;
using enum TPosition;
using enum TWindowState;

namespace {

class TTestForm1;
TTestForm1* TestForm1 = nullptr;

// A form with a description of its own and handlers that log the form's events.
class TTestForm1 : public TForm {
  TAWO_CLASS(TTestForm1, TForm)

 public:
  explicit TTestForm1(TComponent* owner) : TForm(owner) {
    ReferenceSetBeforeConstruction = TestForm1 == this;
    InitInheritedComponent(this, TForm::ClassInfo());
    BoxLoadedInConstructor = Box != nullptr;
  }
  TTestWindowed* Box = nullptr;
  TTestGraphic* Dot = nullptr;
  bool ReferenceSetBeforeConstruction = false;
  bool BoxLoadedInConstructor = false;
  bool AllowClose = true;
  TCloseAction Action = caHide;

  void FormCreate(TObject*) { EventLog().push_back("create"); }
  void FormShow(TObject*) { EventLog().push_back("show"); }
  void FormHide(TObject*) { EventLog().push_back("hide"); }
  void FormDestroy(TObject*) { EventLog().push_back("destroy"); }
  void FormCloseQuery(TObject*, bool& canClose) {
    EventLog().push_back("closequery");
    canClose = AllowClose;
  }
  void FormClose(TObject*, TCloseAction& action) {
    EventLog().push_back("close");
    action = Action;
  }
};

const bool kFormRegistered = RegisterFormResource("TTestForm1", R"(object TestForm1: TTestForm1
  Left = 10
  Top = 20
  BorderStyle = bsDialog
  Caption = 'Warning'
  ClientHeight = 100
  ClientWidth = 200
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = False
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnHide = FormHide
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object Box: TTestWindowed
    Left = 8
    Top = 8
    Width = 60
    Height = 40
    object Dot: TTestGraphic
      Left = 4
      Top = 4
      Width = 10
      Height = 10
    end
  end
end
)");

}  // namespace

TAWO_PUBLISHED(TTestForm1, published) {
  published.Field("Box", &TTestForm1::Box);
  published.Field("Dot", &TTestForm1::Dot);
  published.Method("FormCreate", &TTestForm1::FormCreate);
  published.Method("FormShow", &TTestForm1::FormShow);
  published.Method("FormHide", &TTestForm1::FormHide);
  published.Method("FormDestroy", &TTestForm1::FormDestroy);
  published.Method("FormCloseQuery", &TTestForm1::FormCloseQuery);
  published.Method("FormClose", &TTestForm1::FormClose);
}

namespace {

class Forms : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    RegisterClasses({TTestWindowed::ClassInfo(), TTestGraphic::ClassInfo()});
    TestForm1 = nullptr;
  }
};

TEST_F(Forms, LoadFromTheirDescriptionAndTheFirstBecomesTheMainForm) {
  ASSERT_TRUE(kFormRegistered);
  Application->CreateForm(TestForm1);
  ASSERT_NE(TestForm1, nullptr);
  EXPECT_TRUE(TestForm1->ReferenceSetBeforeConstruction);
  EXPECT_TRUE(TestForm1->BoxLoadedInConstructor);
  EXPECT_EQ(Application->MainForm(), TestForm1);
  EXPECT_EQ(EventLog(), std::vector<std::string>{"create"}) << "OnCreate after the constructor";

  EXPECT_EQ(TestForm1->Caption(), "Warning");
  EXPECT_EQ(TestForm1->BorderStyle(), bsDialog);
  EXPECT_EQ(TestForm1->ClientWidth(), 200);
  EXPECT_EQ(TestForm1->ClientHeight(), 100);
  EXPECT_EQ(TestForm1->Width(), 206) << "a dialog frame is 3 pixels, its caption 19";
  EXPECT_EQ(TestForm1->Height(), 125);
  ASSERT_NE(TestForm1->Dot, nullptr);
  EXPECT_EQ(TestForm1->Box->Parent(), TestForm1);
  EXPECT_EQ(TestForm1->Dot->Parent(), TestForm1->Box);
  EXPECT_EQ(TestForm1->Dot->Owner(), TestForm1);
  EXPECT_FALSE(TestForm1->Font()->Style().Contains(fsBold));
  EXPECT_FALSE(TestForm1->Box->ParentFont() == false) << "children take the form's font";

  auto* second = new TForm(Application);
  EXPECT_EQ(Application->MainForm(), TestForm1) << "only the first form";
  delete second;
}

TEST_F(Forms, WriteTheirControlsAsChildren) {
  Application->CreateForm(TestForm1);
  TMemoryStream binary;
  binary.WriteComponent(TestForm1);
  binary.SetPosition(0);
  TStringStream text("");
  ObjectBinaryToText(binary, text);
  const AnsiString written = text.DataString();
  EXPECT_NE(written.find("object Box: TTestWindowed"), AnsiString::npos) << written;
  EXPECT_NE(written.find("    object Dot: TTestGraphic"), AnsiString::npos) << written;
  EXPECT_NE(written.find("BorderStyle = bsDialog"), AnsiString::npos) << written;
  EXPECT_NE(written.find("ClientWidth = 200"), AnsiString::npos) << written;
  EXPECT_EQ(written.find("  Width = 206"), AnsiString::npos) << "the client size stands for the size";
}

TEST_F(Forms, ShowCentresOnTheScreenAndRunsOnShowBeforeTheWindowAppears) {
  Application->CreateForm(TestForm1);
  bool visibleDuringOnShow = true;
  struct Probe : TObject {
    TForm* Form;
    bool* Visible;
    void Show(TObject*) { *Visible = IsWindowVisible(Form->Handle()) != FALSE; }
  } probe;
  probe.Form = TestForm1;
  probe.Visible = &visibleDuringOnShow;
  TestForm1->OnShow = TNotifyEvent(&probe, &Probe::Show);
  TestForm1->Show();
  EXPECT_FALSE(visibleDuringOnShow);
  EXPECT_TRUE(IsWindowVisible(TestForm1->Handle()));
  EXPECT_EQ(TestForm1->Left(), (Screen->Width() - 206) / 2);
  EXPECT_EQ(TestForm1->Top(), (Screen->Height() - 125) / 2);
  EXPECT_EQ(GetWindowLongA(TestForm1->Handle(), GWL_STYLE) & WS_CHILD, 0);
  EXPECT_EQ(reinterpret_cast<HWND>(GetWindowLongPtrA(TestForm1->Handle(), GWLP_HWNDPARENT)), Application->Handle())
      << "forms are owned by the application's window";
}

TEST_F(Forms, CloseAsksCloseQueryThenActsOnTheCloseAction) {
  Application->CreateForm(TestForm1);
  auto* second = new TTestForm1(Application);
  second->AfterConstruction();
  second->Show();
  EventLog().clear();

  second->AllowClose = false;
  second->Close();
  EXPECT_EQ(EventLog(), std::vector<std::string>{"closequery"});
  EXPECT_TRUE(second->Visible());

  EventLog().clear();
  second->AllowClose = true;
  second->Close();
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"closequery", "close", "hide"}));
  EXPECT_FALSE(second->Visible());

  EventLog().clear();
  second->Show();
  second->Action = caFree;
  second->Close();
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"show", "closequery", "close"}));
  Application->ProcessMessages();
  EXPECT_EQ(EventLog().back(), "destroy") << "freed once its queued messages are handled";
  EXPECT_EQ(Screen->CustomFormCount(), 1);
}

TEST_F(Forms, ClosingTheMainFormEndsRunAndFreesTheForms) {
  Application->CreateForm(TestForm1);
  IdleScript script([] {
    TestForm1->Close();
    return true;
  });
  EventLog().clear();
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  std::erase_if(EventLog(), [](const std::string& event) { return event.starts_with("paint"); });
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"show", "closequery", "close", "destroy"}));
  EXPECT_EQ(Application->ComponentCount(), 0);
}

// A control that sets its form's modal result when clicked, as a dialog button does.
class TResultButton : public TTestWindowed {
 public:
  TResultButton(TComponent* owner, TModalResult result) : TTestWindowed(owner), FResult(result) {}

 protected:
  void Click() override {
    TTestWindowed::Click();
    GetParentForm(this)->SetModalResult(FResult);
  }

 private:
  TModalResult FResult;
};

class ModalForms : public Forms {
 protected:
  // A dialog with an OK-like and an Abort-like control, shown modally while `step` runs.
  TModalResult RunModal(const std::function<void(TForm* form, TControl* ok, TControl* abort)>& step) {
    auto* owner = new TForm(Application);
    owner->Show();
    auto* dialog = new TForm(Application);
    dialog->SetBorderStyle(bsDialog);
    dialog->SetPosition(poMainFormCenter);
    dialog->SetClientWidth(200);
    dialog->SetClientHeight(80);
    auto* ok = new TResultButton(dialog, mrOk);
    ok->SetBounds(10, 10, 60, 30);
    ok->SetParent(dialog);
    auto* abort = new TResultButton(dialog, mrAbort);
    abort->SetBounds(100, 10, 60, 30);
    abort->SetParent(dialog);
    bool done = false;
    IdleScript script([&] {
      if (done) return true;
      ownerEnabledDuringModal_ = IsWindowEnabled(owner->Handle()) != FALSE;
      step(dialog, ok, abort);
      done = true;
      return false;
    });
    const TModalResult result = dialog->ShowModal();
    dialogVisibleAfter_ = dialog->Visible();
    ownerEnabledAfter_ = IsWindowEnabled(owner->Handle()) != FALSE;
    return result;
  }
  static void ClickAt(POINT at) { WinportMouseClick(WINPORT_BUTTON_LEFT, at.x, at.y); }

  bool ownerEnabledDuringModal_ = true;
  bool ownerEnabledAfter_ = false;
  bool dialogVisibleAfter_ = true;
};

TEST_F(ModalForms, ShowModalReturnsTheResultOfTheButtonPressed) {
  EXPECT_EQ(RunModal([](TForm*, TControl* ok, TControl*) { ClickAt(ok->ClientToScreen(POINT{5, 5})); }), mrOk);
  EXPECT_FALSE(ownerEnabledDuringModal_) << "the other forms are disabled while it runs";
  EXPECT_TRUE(ownerEnabledAfter_);
  EXPECT_FALSE(dialogVisibleAfter_);
  EXPECT_EQ(RunModal([](TForm*, TControl*, TControl* abort) { ClickAt(abort->ClientToScreen(POINT{5, 5})); }),
            mrAbort);
}

TEST_F(ModalForms, TheCloseBoxGivesCancel) {
  EXPECT_EQ(RunModal([](TForm* dialog, TControl*, TControl*) {
              RECT window{};
              GetWindowRect(dialog->Handle(), &window);
              const POINT closeBox{window.right - 13, window.top + 12};
              ASSERT_EQ(SendMessageA(dialog->Handle(), WM_NCHITTEST, 0, MAKELPARAM(closeBox.x, closeBox.y)), HTCLOSE);
              ClickAt(closeBox);
            }),
            mrCancel);
}

TEST_F(ModalForms, AVisibleFormCannotBeShownModally) {
  auto* form = new TForm(Application);
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

}  // namespace

namespace {

DWORD StyleOf(TForm* form) { return static_cast<DWORD>(GetWindowLongA(form->Handle(), GWL_STYLE)); }
DWORD ExStyleOf(TForm* form) { return static_cast<DWORD>(GetWindowLongA(form->Handle(), GWL_EXSTYLE)); }

TEST_F(Forms, BorderStyleAndIconsChooseTheWindowStyles) {
  auto* form = new TForm(Application);
  EXPECT_EQ(StyleOf(form) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  HWND first = form->Handle();
  form->SetBorderStyle(bsDialog);
  EXPECT_NE(form->Handle(), first) << "recreated";
  EXPECT_EQ(StyleOf(form) & (WS_POPUP | WS_THICKFRAME | WS_MINIMIZEBOX), static_cast<DWORD>(WS_POPUP));
  EXPECT_NE(ExStyleOf(form) & WS_EX_DLGMODALFRAME, 0u);
  EXPECT_NE(StyleOf(form) & WS_SYSMENU, 0u);

  form->SetBorderStyle(bsNone);
  EXPECT_EQ(StyleOf(form) & (WS_CAPTION | WS_SYSMENU), 0u);
  EXPECT_NE(StyleOf(form) & WS_POPUP, 0u);

  form->SetBorderStyle(bsToolWindow);
  EXPECT_NE(ExStyleOf(form) & WS_EX_TOOLWINDOW, 0u);
  EXPECT_EQ(StyleOf(form) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);

  form->SetBorderStyle(bsSingle);
  form->SetBorderIcons({biSystemMenu});
  EXPECT_EQ(StyleOf(form) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
  form->SetFormStyle(fsStayOnTop);
  EXPECT_NE(ExStyleOf(form) & WS_EX_TOPMOST, 0u);
}

TEST_F(Forms, AnMdiFormKeepsItsChildrenInItsClientWindow) {
  TForm* frame = nullptr;
  Application->CreateForm(frame);
  frame->SetFormStyle(fsMDIForm);
  frame->Show();
  HWND client = frame->ClientHandle();
  ASSERT_NE(client, nullptr);
  char className[16] = {};
  GetClassNameA(client, className, sizeof className);
  EXPECT_TRUE(SameText(className, "MDICLIENT"));
  EXPECT_EQ(GetParent(client), frame->Handle());

  auto* child = new TForm(Application);
  child->SetFormStyle(fsMDIChild);
  child->Show();
  EXPECT_EQ(GetParent(child->Handle()), client);
  EXPECT_NE(ExStyleOf(child) & WS_EX_MDICHILD, 0u);
  EXPECT_THROW(child->ShowModal(), EInvalidOperation);
}

TEST_F(Forms, KeysReachTheFocusedControlsEvents) {
  auto* form = ShowForm(100, 100, 200, 100);
  auto* control = new TTestWindowed(form);
  control->SetTabStop(true);
  control->SetParent(form);
  struct Keys : TObject {
    std::vector<std::string> Seen;
    void Down(TObject*, WORD& key, TShiftState) { Seen.push_back("down " + std::to_string(key)); }
    void Press(TObject*, char& key) {
      Seen.push_back(std::string("press ") + key);
      key = 0;
    }
  } keys;
  control->OnKeyDown = TKeyEvent(&keys, &Keys::Down);
  control->OnKeyPress = TKeyPressEvent(&keys, &Keys::Press);
  control->SetFocus();
  WinportKeyPress('A');
  Application->ProcessMessages();
  EXPECT_EQ(keys.Seen, (std::vector<std::string>{"down 65", "press a"}));
}

}  // namespace

namespace {

TEST_F(Forms, AFormDestroyedWhileFocusedLeavesTheScreensListsClean) {
  TForm* first = ShowForm(100, 100, 100, 50);
  auto* control = new TTestWindowed(first);
  control->SetTabStop(true);
  control->SetParent(first);
  control->SetFocus();
  TForm* second = ShowForm(300, 100, 100, 50);
  first->SetFocus();
  delete first;
  for (int i = 0; i < Screen->CustomFormCount(); ++i) EXPECT_NE(Screen->CustomForms(i), first);
  EXPECT_NE(Screen->ActiveCustomForm(), first);
  second->SetFocus();
  EXPECT_EQ(Screen->ActiveCustomForm(), second);
}

}  // namespace

namespace {

TEST_F(Forms, WindowStateFollowsTheWindow) {
  TForm* form = ShowForm(100, 100, 200, 100);
  form->SetWindowState(wsMaximized);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  EXPECT_EQ(form->WindowState(), wsNormal);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->WindowState(), wsMinimized);
}

}  // namespace
