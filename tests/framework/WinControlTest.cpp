// Windowed controls: reflected notifications, focus and tab order, alignment, inherited
// colour and font, ownership of children, and the message path that needs no window.
#include "ControlTestSupport.h"

using enum TAlign;
using enum TAnchorKind;
using enum TFontStyle;
using enum TShiftStateItem;

namespace {

using WinControls = VisualTest;

// An owner-drawn push button made from the system BUTTON class.
class TOwnerDrawn : public TWinControl {
 public:
  explicit TOwnerDrawn(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 75, 25); }
  std::vector<std::string> Seen;

 protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "BUTTON");
    params.Style |= BS_PUSHBUTTON | BS_OWNERDRAW;
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == CN_DRAWITEM) {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
      Seen.push_back(item->hwndItem == Handle() ? "draw" : "draw of another window");
      HBRUSH brush = CreateSolidBrush(RGB(255, 0, 255));
      FillRect(item->hDC, &item->rcItem, brush);
      DeleteObject(brush);
      message.Result = 1;
      return;
    }
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) Seen.push_back("clicked");
    TWinControl::Dispatch(message);
  }
};

TEST_F(WinControls, ChildNotificationsAreReflectedToTheChildAsCnMessages) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* button = new TOwnerDrawn(form);
  button->SetBounds(10, 10, 75, 25);
  button->SetParent(form);
  WinportDispatchPending();
  EXPECT_EQ(button->Seen, std::vector<std::string>{"draw"});
  const POINT inside = button->ClientToScreen(POINT{20, 10});
  EXPECT_EQ(WinportScreenPixel(inside.x, inside.y), RGB(255, 0, 255));

  button->Seen.clear();
  WinportMouseClick(WINPORT_BUTTON_LEFT, inside.x, inside.y);
  WinportDispatchPending();
  ASSERT_FALSE(button->Seen.empty());
  EXPECT_EQ(button->Seen.back(), "clicked");
}

// Logs its focus changes.
class TFocusLogger : public TTestWindowed {
 public:
  explicit TFocusLogger(TComponent* owner) : TTestWindowed(owner) { SetTabStop(true); }

 protected:
  void DoEnter() override { LogEvent("enter", this); }
  void DoExit() override { LogEvent("exit", this); }
};

TFocusLogger* AddFocusable(TWinControl* parent, const char* name, int left) {
  auto* control = new TFocusLogger(GetParentForm(parent));
  control->SetName(name);
  control->SetBounds(left, 10, 30, 30);
  control->SetParent(parent);
  return control;
}

TEST_F(WinControls, FocusRunsExitThenEnterThroughContainersAndTabMovesInTabOrder) {
  TForm* form = ShowForm(100, 100, 300, 100);
  TFocusLogger* a = AddFocusable(form, "A", 10);
  auto* panel = new TFocusLogger(form);
  panel->SetName("P");
  panel->SetTabStop(false);
  panel->SetBounds(100, 0, 150, 60);
  panel->SetParent(form);
  TFocusLogger* c = AddFocusable(panel, "C", 10);
  TFocusLogger* b = AddFocusable(form, "B", 50);
  EXPECT_EQ(a->TabOrder(), 0);
  EXPECT_EQ(panel->TabOrder(), 1);
  EXPECT_EQ(b->TabOrder(), 2);
  EXPECT_EQ(c->TabOrder(), 0);

  a->SetFocus();
  WinportDispatchPending();
  EXPECT_TRUE(a->Focused());
  EventLog().clear();
  c->SetFocus();
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"exit A", "enter P", "enter C"}));
  EXPECT_EQ(form->ActiveControl(), c);

  EventLog().clear();
  WinportKeyPress(VK_TAB);
  Application->ProcessMessages();
  EXPECT_TRUE(b->Focused()) << "C, inside P, comes before B";
  EXPECT_EQ(EventLog(), (std::vector<std::string>{"exit C", "exit P", "enter B"}));

  b->SetTabOrder(0);
  EXPECT_EQ(a->TabOrder(), 1);
  b->SetTabOrder(99);
  EXPECT_EQ(b->TabOrder(), 2) << "clamped to the last place";

  b->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_THROW(b->SetFocus(), EInvalidOperation);
}

TEST_F(WinControls, AlignedChildrenShareTheClientArea) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto make = [form](TAlign align, int size) {
    auto* control = new TTestWindowed(form);
    control->SetBounds(0, 0, size, size);
    control->SetAlign(align);
    control->SetParent(form);
    return control;
  };
  TTestWindowed* bottom = make(alBottom, 10);
  TTestWindowed* client = make(alClient, 5);
  TTestWindowed* top = make(alTop, 20);
  TTestWindowed* left = make(alLeft, 30);
  EXPECT_EQ(top->BoundsRect().top, 0);
  EXPECT_EQ(top->Width(), 200);
  EXPECT_EQ(bottom->Top(), 90);
  EXPECT_EQ(left->Left(), 0);
  EXPECT_EQ(left->Top(), 20);
  EXPECT_EQ(left->Height(), 70);
  EXPECT_EQ(client->BoundsRect().left, 30);
  EXPECT_EQ(client->Width(), 170);
  EXPECT_EQ(client->Height(), 70);

  form->SetClientHeight(120);
  EXPECT_EQ(bottom->Top(), 110) << "realigned when the parent is resized";
  EXPECT_EQ(client->Height(), 90);
}

TEST_F(WinControls, ColourAndFontFollowTheParentUntilSetOnTheChild) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* follower = new TTestWindowed(form);
  follower->SetParent(form);
  auto* own = new TTestGraphic(form);
  own->SetColor(clRed);
  own->SetParent(form);
  EXPECT_EQ(follower->Color(), clBtnFace);
  form->SetColor(clWhite);
  form->Font()->SetName("Arial");
  EXPECT_EQ(follower->Color(), clWhite);
  EXPECT_EQ(follower->Font()->Name(), "Arial");
  EXPECT_TRUE(follower->ParentColor());
  EXPECT_EQ(own->Color(), clRed);
  EXPECT_FALSE(own->ParentColor());

  follower->Font()->SetStyle({fsBold});
  EXPECT_FALSE(follower->ParentFont()) << "any change of the child's font";
  form->Font()->SetName("Courier New");
  EXPECT_EQ(follower->Font()->Name(), "Arial");
}

TEST_F(WinControls, AParentDestroysItsChildrenWhoeverOwnsThem) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* panel = new TTestWindowed(form);
  panel->SetParent(form);
  auto* child = new TTestGraphic(form);
  child->SetName("Orphan");
  child->SetParent(panel);
  auto* windowedChild = new TTestWindowed(form);
  windowedChild->SetParent(panel);
  HWND childWindow = windowedChild->Handle();
  delete panel;
  EXPECT_EQ(form->FindComponent("Orphan"), nullptr) << "destroyed with the panel and gone from its owner";
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_FALSE(IsWindow(childWindow));
  EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(WinControls, ACanvasOutsidePaintDrawsOnTheParentAtTheControl) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto* graphic = new TTestGraphic(form);
  graphic->SetName("Loose");
  graphic->SetBounds(50, 20, 10, 10);
  graphic->Canvas()->Brush()->SetColor(clBlue);
  EXPECT_THROW(graphic->Canvas()->FillRect(RECT{0, 0, 5, 5}), EInvalidOperation) << "no parent yet";
  graphic->SetParent(form);
  WinportDispatchPending();
  graphic->Canvas()->Brush()->SetColor(clBlue);
  graphic->Canvas()->FillRect(RECT{0, 0, 100, 100});
  FreeDeviceContexts();
  const POINT inside = form->ClientToScreen(POINT{59, 29});
  const POINT outside = form->ClientToScreen(POINT{60, 30});
  EXPECT_EQ(WinportScreenPixel(inside.x, inside.y), RGB(0, 0, 255));
  EXPECT_NE(WinportScreenPixel(outside.x, outside.y), RGB(0, 0, 255)) << "clipped to the control";
}

TEST_F(WinControls, MessagesAndCaptionsWorkWithoutAWindow) {
  auto* control = new TTestWindowed(Application);
  EXPECT_THROW(control->SetParent(control), EInvalidOperation);
  control->SetName("Button1");
  EXPECT_EQ(control->Caption(), "Button1") << "the caption follows the name";
  control->SetName("Button2");
  EXPECT_EQ(control->Caption(), "Button2");
  control->SetCaption("Instaluj");
  control->SetName("Button3");
  EXPECT_EQ(control->Caption(), "Instaluj") << "not once the caption differs";
  char buffer[5] = {};
  EXPECT_EQ(control->Perform(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 4);
  EXPECT_STREQ(buffer, "Inst");
  EXPECT_EQ(control->Perform(CM_HITTEST, 0, 0), HTCLIENT);
  EXPECT_FALSE(control->HandleAllocated());
  delete control;
}

TEST_F(WinControls, ClickComesBeforeMouseUpAndOnlyForAReleaseInside) {
  TForm* form = ShowForm(100, 100, 200, 100);
  struct Recorder : TObject {
    std::vector<std::string> Seen;
    void Click(TObject*) { Seen.push_back("click"); }
    void DblClick(TObject*) { Seen.push_back("dblclick"); }
    void Down(TObject*, TMouseButton, TShiftState shift, int, int) {
      Seen.push_back(shift.Contains(ssDouble) ? "down double" : "down");
    }
    void Up(TObject*, TMouseButton, TShiftState, int, int) { Seen.push_back("up"); }
  } recorder;
  auto* graphic = new TTestGraphic(form);
  graphic->SetBounds(10, 10, 30, 30);
  graphic->SetParent(form);
  graphic->OnClick = TNotifyEvent(&recorder, &Recorder::Click);
  graphic->OnDblClick = TNotifyEvent(&recorder, &Recorder::DblClick);
  graphic->OnMouseDown = TMouseEvent(&recorder, &Recorder::Down);
  graphic->OnMouseUp = TMouseEvent(&recorder, &Recorder::Up);
  const POINT inside = graphic->ClientToScreen(POINT{5, 5});
  const POINT outside = form->ClientToScreen(POINT{150, 50});

  WinportMouseClick(WINPORT_BUTTON_LEFT, inside.x, inside.y);
  WinportMouseClick(WINPORT_BUTTON_LEFT, inside.x, inside.y);
  Application->ProcessMessages();
  EXPECT_EQ(recorder.Seen, (std::vector<std::string>{"down", "click", "up", "dblclick", "down double", "up"}));

  recorder.Seen.clear();
  WinportAdvanceClock(1000, FALSE);
  WinportMouseDown(WINPORT_BUTTON_LEFT, inside.x, inside.y);
  WinportMouseMove(outside.x, outside.y);
  WinportMouseUp(WINPORT_BUTTON_LEFT, outside.x, outside.y);
  Application->ProcessMessages();
  EXPECT_EQ(recorder.Seen, (std::vector<std::string>{"down", "up"})) << "the release went to the capturing control";
}

}  // namespace

namespace {

TEST_F(WinControls, MouseMessagesPerformedOnAControlOffScreenAreHarmless) {
  auto* loose = new TTestGraphic(Application);
  struct Recorder : TObject {
    int Moves = 0;
    void Moved(TObject*, TShiftState, int, int) { ++Moves; }
  } recorder;
  loose->OnMouseMove = TMouseMoveEvent(&recorder, &Recorder::Moved);
  EXPECT_NO_THROW(loose->Perform(WM_MOUSEMOVE, 0, PointToLParam(3, 4)));
  EXPECT_EQ(recorder.Moves, 1);
}

}  // namespace

namespace {

TEST_F(WinControls, AnchoredSidesKeepTheirDistanceToTheParentsEdges) {
  TForm* form = ShowForm(100, 100, 200, 100);
  auto make = [form](TAnchors anchors) {
    auto* control = new TTestGraphic(form);
    control->SetBounds(50, 40, 20, 10);
    control->SetParent(form);
    control->SetAnchors(anchors);
    return control;
  };
  TTestGraphic* fixed = make({akLeft, akTop});
  TTestGraphic* right = make({akRight, akBottom});
  TTestGraphic* stretched = make({akLeft, akRight, akTop, akBottom});
  TTestGraphic* centred = make({});
  form->SetClientWidth(300);
  form->SetClientHeight(150);
  EXPECT_EQ(fixed->BoundsRect().left, 50);
  EXPECT_EQ(right->Left(), 150) << "130 from the left edge before, 130 after";
  EXPECT_EQ(right->Top(), 90);
  EXPECT_EQ(right->Width(), 20);
  EXPECT_EQ(stretched->Left(), 50);
  EXPECT_EQ(stretched->Width(), 120);
  EXPECT_EQ(stretched->Height(), 60);
  EXPECT_EQ(centred->Left(), 60 * 300 / 200 - 10) << "the centre keeps its proportion";

  right->SetLeft(100);
  form->SetClientWidth(250);
  EXPECT_EQ(right->Left(), 50) << "a move by the program sets the new distance";
}

}  // namespace
