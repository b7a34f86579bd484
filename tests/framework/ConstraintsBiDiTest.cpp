// Size constraints (by code, in alignment and anchoring, and when the user sizes a window),
// right-to-left modes in rendered text, and the drag, dock, constraint and BiDi properties in
// form descriptions.
#include "ControlTestSupport.h"

#include "Classes.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"
#include "TMemoryStream.h"
#include "TSizeConstraints.h"
#include "TStringStream.h"

using enum TAlign;
using enum TAlignment;
using enum TAnchorKind;
using enum TBiDiMode;
using enum TDragKind;
using enum TDragMode;

namespace {

using ConstraintsAndBiDi = VisualTest;

struct ConstraintCase {
  const char* name;
  int minWidth, minHeight, maxWidth, maxHeight;
  TAlign align;
  TAnchors anchors;
  RECT requested;  // SetBounds before the parent grows from 200 x 100 to 300 x 100
  RECT expected;   // bounds after
};

TEST_F(ConstraintsAndBiDi, ConstraintsHoldInSetBoundsAlignmentAndAnchoring) {
  const std::vector<ConstraintCase> cases = {
      {"set bounds", 20, 20, 100, 100, alNone, {akLeft, akTop}, {0, 0, 500, 5}, {0, 0, 100, 20}},
      {"client", 0, 0, 50, 40, alClient, {akLeft, akTop}, {0, 0, 10, 10}, {0, 0, 50, 40}},
      {"top keeps its height", 0, 10, 0, 0, alTop, {akLeft, akTop}, {0, 0, 10, 5}, {0, 0, 300, 10}},
      {"right", 0, 0, 0, 60, alRight, {akLeft, akTop}, {0, 0, 30, 10}, {270, 0, 300, 60}},
      {"anchored both sides", 0, 0, 120, 0, alNone, {akLeft, akTop, akRight}, {10, 10, 110, 30}, {10, 10, 130, 30}},
  };
  for (const ConstraintCase& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = ShowForm(100, 100, 200, 100);
    auto* child = new TTestGraphic(form);
    child->Constraints()->SetMinWidth(c.minWidth);
    child->Constraints()->SetMinHeight(c.minHeight);
    child->Constraints()->SetMaxWidth(c.maxWidth);
    child->Constraints()->SetMaxHeight(c.maxHeight);
    child->SetParent(form);
    child->SetBoundsRect(c.requested);
    child->SetAnchors(c.anchors);
    child->SetAlign(c.align);
    form->SetClientWidth(300);
    const RECT bounds = child->BoundsRect();
    EXPECT_EQ((std::vector<LONG>{bounds.left, bounds.top, bounds.right, bounds.bottom}),
              (std::vector<LONG>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}));
    delete form;
  }
}

TEST_F(ConstraintsAndBiDi, AWindowSizedByTheUserStopsAtItsConstraints) {
  TForm* form = ShowForm(100, 100, 200, 100);
  form->Constraints()->SetMaxWidth(260);
  form->Constraints()->SetMinHeight(90);
  RECT window{};
  GetWindowRect(form->Handle(), &window);
  const POINT corner{window.right - 2, window.bottom - 2};
  WinportMouseMove(corner.x, corner.y);
  WinportMouseDown(WINPORT_BUTTON_LEFT, corner.x, corner.y);
  WinportMouseMove(corner.x + 200, corner.y - 100);
  WinportMouseUp(WINPORT_BUTTON_LEFT, corner.x + 200, corner.y - 100);
  Application->ProcessMessages();
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 260);
  EXPECT_EQ(window.bottom - window.top, 90);
  EXPECT_EQ(form->Width(), 260);
  delete form;
}

// The gaps left and right of the dark (text) pixels in a control's area, read through a DC of
// its window (a graphic control's parent's).
std::pair<int, int> TextGaps(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  HWND window = windowed != nullptr ? windowed->Handle() : control->Parent()->Handle();
  const POINT origin = windowed != nullptr ? POINT{0, 0} : POINT{control->Left(), control->Top()};
  HDC dc = GetDC(window);
  int first = -1;
  int last = -1;
  for (int x = 0; x < control->Width(); ++x) {
    for (int y = 2; y < control->Height() - 2; ++y) {
      const COLORREF pixel = GetPixel(dc, origin.x + x, origin.y + y);
      if (GetRValue(pixel) < 64 && GetGValue(pixel) < 64 && GetBValue(pixel) < 64) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  ReleaseDC(window, dc);
  return {first, control->Width() - 1 - last};
}

enum class Side { Left, Right, Centre };

struct BiDiCase {
  TBiDiMode mode;
  TAlignment alignment;
  Side side;
};

TEST_F(ConstraintsAndBiDi, RightToLeftModesMirrorTheAlignmentOfDrawnCaptions) {
  const std::vector<BiDiCase> cases = {
      {bdLeftToRight, taLeftJustify, Side::Left},
      {bdRightToLeft, taLeftJustify, Side::Right},
      {bdRightToLeft, taRightJustify, Side::Left},
      {bdRightToLeft, taCenter, Side::Centre},
      {bdRightToLeftNoAlign, taLeftJustify, Side::Left},
      {bdRightToLeftReadingOnly, taLeftJustify, Side::Left},
  };
  TForm* form = ShowForm(100, 100, 300, 100);
  auto* label = new TLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 200, 20);
  label->SetCaption("Abc");
  label->SetParent(form);
  auto* panel = new TPanel(form);
  panel->SetBounds(10, 40, 200, 30);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetCaption("Abc");
  panel->SetParent(form);
  for (const BiDiCase& c : cases) {
    SCOPED_TRACE(GetEnumName(EnumTypeInfo(static_cast<TBiDiMode*>(nullptr)), static_cast<int>(c.mode)).c_str());
    SCOPED_TRACE(GetEnumName(EnumTypeInfo(static_cast<TAlignment*>(nullptr)), static_cast<int>(c.alignment)).c_str());
    form->SetBiDiMode(c.mode);
    label->SetAlignment(c.alignment);
    panel->SetAlignment(c.alignment);
    EXPECT_EQ(label->BiDiMode(), c.mode) << "follows the form";
    form->Update();
    for (TControl* control : {static_cast<TControl*>(label), static_cast<TControl*>(panel)}) {
      const auto [leftGap, rightGap] = TextGaps(control);
      ASSERT_GE(leftGap, 0) << control->ClassName().c_str();
      switch (c.side) {
        case Side::Left: EXPECT_LT(leftGap, 4) << control->ClassName().c_str(); break;
        case Side::Right: EXPECT_LT(rightGap, 4) << control->ClassName().c_str(); break;
        case Side::Centre: EXPECT_NEAR(leftGap, rightGap, 3) << control->ClassName().c_str(); break;
      }
    }
  }
  // A control with its own mode keeps it; giving ParentBiDiMode back takes the parent's again.
  label->SetBiDiMode(bdLeftToRight);
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdLeftToRight);
  EXPECT_FALSE(label->ParentBiDiMode());
  label->SetParentBiDiMode(true);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft);
  delete form;
}

// A form whose description binds the drag and dock events by name.
class TDescribedForm : public TForm {
  TAWO_CLASS(TDescribedForm, TForm)

 public:
  explicit TDescribedForm(TComponent* owner) : TForm(owner) {}
  void PanelDragOver(TObject*, TObject*, int, int, TDragState, bool&) {}
  void PanelDragDrop(TObject*, TObject*, int, int) {}
  void PanelEndDrag(TObject*, TObject*, int, int) {}
  void PanelStartDock(TObject*, TDragDockObject*&) {}
  void PanelUnDock(TObject*, TControl*, TWinControl*, bool&) {}
};

const char* const kDescription =
    "object DescribedForm: TDescribedForm\n"
    "  Left = 0\n"
    "  Top = 0\n"
    "  BiDiMode = bdRightToLeft\n"
    "  Caption = 'Described'\n"
    "  ClientHeight = 100\n"
    "  ClientWidth = 200\n"
    "  Constraints.MinWidth = 150\n"
    "  DockSite = True\n"
    "  ParentBiDiMode = False\n"
    "  object Panel1: TPanel\n"
    "    Left = 0\n"
    "    Top = 0\n"
    "    Width = 80\n"
    "    Height = 40\n"
    "    Anchors = [akLeft, akTop, akRight]\n"
    "    BiDiMode = bdLeftToRight\n"
    "    Color = clRed\n"
    "    Constraints.MaxWidth = 120\n"
    "    Constraints.MinHeight = 30\n"
    "    DockSite = True\n"
    "    DragCursor = crHandPoint\n"
    "    DragKind = dkDock\n"
    "    DragMode = dmAutomatic\n"
    "    ParentBiDiMode = False\n"
    "    ParentColor = False\n"
    "    OnDragDrop = PanelDragDrop\n"
    "    OnDragOver = PanelDragOver\n"
    "    OnEndDrag = PanelEndDrag\n"
    "    OnStartDock = PanelStartDock\n"
    "    OnUnDock = PanelUnDock\n"
    "  end\n"
    "  object Label1: TLabel\n"
    "    Left = 0\n"
    "    Top = 50\n"
    "    Width = 30\n"
    "    Height = 13\n"
    "    Caption = 'Label1'\n"
    "  end\n"
    "end\n";

AnsiString WriteText(TComponent* root) {
  TMemoryStream binary;
  binary.WriteComponent(root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  return text.DataString();
}

// The lines of one child object in a description, up to its end.
AnsiString ObjectText(const AnsiString& text, const char* name) {
  const auto start = text.find(AnsiString("object ") + name);
  if (start == AnsiString::npos) return {};
  return text.substr(start, text.find("  end", start) - start);
}

void ReadText(const AnsiString& text, TComponent* root) {
  TStringStream input(text);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  binary.ReadComponent(root);
}

TEST_F(ConstraintsAndBiDi, DragDockConstraintAndBiDiPropertiesLoadAndRoundTrip) {
  RegisterClasses({TPanel::ClassInfo(), TLabel::ClassInfo()});
  auto* form = new TDescribedForm(Application);
  ReadText(kDescription, form);
  auto* panel = dynamic_cast<TPanel*>(form->FindComponent("Panel1"));
  auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(form->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(label->BiDiMode(), bdRightToLeft) << "the label follows the form";
  EXPECT_EQ(panel->BiDiMode(), bdLeftToRight);
  EXPECT_EQ(panel->DragKind(), dkDock);
  EXPECT_EQ(panel->DragMode(), dmAutomatic);
  EXPECT_EQ(panel->DragCursor(), crHandPoint);
  EXPECT_TRUE(panel->DockSite());
  EXPECT_EQ(panel->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(panel->Constraints()->MaxWidth(), 120);
  EXPECT_EQ(panel->Height(), 40);
  EXPECT_TRUE(panel->OnDragOver.Assigned());
  EXPECT_TRUE(panel->OnUnDock.Assigned());

  const AnsiString written = WriteText(form);
  for (const char* line : {"BiDiMode = bdLeftToRight", "Color = clRed", "Constraints.MaxWidth = 120", "Constraints.MinHeight = 30",
                           "DragCursor = crHandPoint", "DragKind = dkDock", "DragMode = dmAutomatic",
                           "OnStartDock = PanelStartDock", "OnUnDock = PanelUnDock", "Constraints.MinWidth = 150"}) {
    EXPECT_NE(written.find(line), AnsiString::npos) << line << "\n" << written;
  }
  // Defaults are not written: the label follows its parent (reading order, colour and font)
  // and drags nothing.
  const AnsiString labelText = ObjectText(written, "Label1");
  for (const char* absent : {"BiDiMode", "Color", "Font", "DragCursor", "DragMode", "Constraints", "Anchors"}) {
    EXPECT_EQ(labelText.find(absent), AnsiString::npos) << absent << "\n" << labelText;
  }

  delete form;
  auto* copy = new TDescribedForm(Application);
  ReadText(written, copy);
  const AnsiString again = WriteText(copy);
  EXPECT_EQ(again.substr(0, again.find("object")), written.substr(0, written.find("object")));
  EXPECT_EQ(ObjectText(again, "Panel1"), ObjectText(written, "Panel1"));
  delete copy;
}

TAWO_PUBLISHED(TDescribedForm, published) {
  published.Method("PanelDragOver", &TDescribedForm::PanelDragOver);
  published.Method("PanelDragDrop", &TDescribedForm::PanelDragDrop);
  published.Method("PanelEndDrag", &TDescribedForm::PanelEndDrag);
  published.Method("PanelStartDock", &TDescribedForm::PanelStartDock);
  published.Method("PanelUnDock", &TDescribedForm::PanelUnDock);
}

}  // namespace
