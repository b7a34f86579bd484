// The windowless control bases on a shown form (headless display): defaults and streaming,
// bounds-change reports, the image-container link, which changes repaint and when, mouse
// crossings, the bevel's rectangles and the background handed down by a windowed parent.
#include <gtest/gtest.h>

#include <LMDBitmapList.h>
#include <LMDContainer.h>
#include <LMDCustomControl.h>
#include <LMDGraphicControl.h>

#include "../../framework/ControlTestSupport.h"
#include "../paint/FormTextSupport.h"

#include <vector>

using enum TControlStyleItem;
using enum TLMDBoundsChangeState;

namespace {

bool Same(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }
bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

class TGraphicProbe : public TLMDGraphicControl {
  TAWO_CLASS(TGraphicProbe, TLMDGraphicControl)

 public:
  explicit TGraphicProbe(TComponent* owner) : TLMDGraphicControl(owner) {
    OnBoundsChange = TLMDBoundsChangeEvent(this, &TGraphicProbe::Bounds);
  }
  using TLMDGraphicControl::CheckOptimized;

  std::vector<TLMDBoundsChangeStates> BoundsReports;
  std::vector<TObject*> ImageChanges;
  int Paints = 0;
  int BevelMessages = 0;

 protected:
  void Paint() override {
    ++Paints;
    TLMDGraphicControl::Paint();
  }
  void GetIMLChange(TObject* sender) override {
    ImageChanges.push_back(sender);
    TLMDGraphicControl::GetIMLChange(sender);
  }
  void Dispatch(TMessage& message) override {
    if (message.Msg == CM_LMDBEVELCHANGED) ++BevelMessages;
    inherited::Dispatch(message);
  }

 private:
  void Bounds(TObject*, TLMDBoundsChangeStates state) { BoundsReports.push_back(state); }
};

// Published as the library's descendants publish the base's properties.
TAWO_PUBLISHED(TGraphicProbe, published) {
  published.Property("About", &TGraphicProbe::About, &TGraphicProbe::SetAbout);
  published.Property("Bevel", &TGraphicProbe::Bevel, &TGraphicProbe::SetBevel);
  published.Property("ImageIndex", &TGraphicProbe::GetIndex, &TGraphicProbe::SetIndex, 0).Default(0);
  published.Property("ListIndex", &TGraphicProbe::GetIndex, &TGraphicProbe::SetIndex, 1).Default(0);
}

// A windowed parent that says it keeps a background bitmap.
class TBackgroundParent : public TLMDCustomControl {
  TAWO_CLASS(TBackgroundParent, TLMDCustomControl)

 public:
  explicit TBackgroundParent(TComponent* owner) : TLMDCustomControl(owner) {}
  bool BackBitmapCheck() override { return true; }
};
TAWO_IMPLEMENT_CLASS(TBackgroundParent)

class GraphicControlTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    form_ = ShowForm(100, 100, 200, 100);
    probe_ = new TGraphicProbe(form_);
    probe_->SetName("Probe");
    probe_->SetParent(form_);
    probe_->SetBounds(10, 10, 60, 20);
    Settle();
    probe_->BoundsReports.clear();
    probe_->Paints = 0;
  }
  static void Settle() { WinportDispatchPending(); }

  TForm* form_ = nullptr;
  TGraphicProbe* probe_ = nullptr;
};

TEST_F(GraphicControlTest, ANewControlIsATransparentThirtyPixelSquareWithNoImage) {
  TGraphicProbe fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 30);
  EXPECT_EQ(fresh.Height(), 30);
  EXPECT_TRUE(fresh.Transparent());
  EXPECT_FALSE(fresh.ControlStyle().Contains(csOpaque));
  EXPECT_TRUE(fresh.ControlStyle().Contains(csReplicatable));
  EXPECT_EQ(fresh.ImageList(), nullptr);
  EXPECT_EQ(fresh.GetIndex(0), 0);
  EXPECT_EQ(fresh.GetIndex(1), 0);
}

TEST_F(GraphicControlTest, DefaultsAreNotStreamedAndChangedValuesAre) {
  TGraphicProbe fresh(nullptr);
  fresh.SetName("Fresh");
  // The bevel streams its own mode, which a new bevel holds apart from its stored default.
  EXPECT_EQ(FormText(&fresh), Crlf("object Fresh: TGraphicProbe\n  Left = 0\n  Top = 0\n  Width = 30\n  Height = 30\n"
                                   "  Bevel.Mode = bmCustom\nend\n"));

  fresh.SetAbout("x");
  fresh.SetIndex(0, 3);
  fresh.SetIndex(1, 2);
  const AnsiString text = FormText(&fresh);
  EXPECT_NE(text.find("About = 'x'"), AnsiString::npos) << text;
  EXPECT_NE(text.find("ImageIndex = 3"), AnsiString::npos) << text;
  EXPECT_NE(text.find("ListIndex = 2"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Internal"), AnsiString::npos) << text;
}

TEST_F(GraphicControlTest, ReadingAnInternalListNameLinksTheGlobalList) {
  TLMDBitmapList container(form_);
  probe_->SetImageList(&container);
  LoadFormText("object Probe: TGraphicProbe\n  Internal = 'LMDIML30'\nend\n", probe_);
  EXPECT_EQ(probe_->ImageList(), LMDContainer->ImageList());
  EXPECT_EQ(container.Clients()->Count(), 0);
}

TEST_F(GraphicControlTest, BoundsChangesReportPositionAndSizeSeparately) {
  probe_->SetBounds(15, 10, 60, 20);
  probe_->SetBounds(15, 10, 70, 20);
  probe_->SetBounds(15, 10, 70, 20);
  probe_->SetBounds(0, 0, 10, 10);
  ASSERT_EQ(probe_->BoundsReports.size(), 3u);
  EXPECT_EQ(probe_->BoundsReports[0], TLMDBoundsChangeStates{bcPos});
  EXPECT_EQ(probe_->BoundsReports[1], TLMDBoundsChangeStates{bcSize});
  EXPECT_EQ((probe_->BoundsReports[2]), (TLMDBoundsChangeStates{bcPos, bcSize}));
}

TEST_F(GraphicControlTest, LoadingChangesBoundsWithoutReportingThem) {
  LoadFormText("object Probe: TGraphicProbe\n  Left = 40\n  Width = 50\nend\n", probe_);
  EXPECT_EQ(probe_->Left(), 40);
  EXPECT_EQ(probe_->Width(), 50);
  EXPECT_TRUE(probe_->BoundsReports.empty());
}

TEST_F(GraphicControlTest, ImageIndicesReloadOnlyWhenLinkedAndChanged) {
  probe_->SetIndex(0, -1);
  probe_->SetIndex(0, 4);
  EXPECT_EQ(probe_->GetIndex(0), 4);
  EXPECT_TRUE(probe_->ImageChanges.empty());

  TLMDBitmapList container(form_);
  probe_->SetImageList(&container);
  probe_->ImageChanges.clear();
  probe_->SetIndex(0, 4);
  probe_->SetIndex(1, -2);
  EXPECT_TRUE(probe_->ImageChanges.empty());
  probe_->SetIndex(1, 1);
  EXPECT_EQ(probe_->ImageChanges.size(), 1u);
  probe_->SetImageList(nullptr);
}

TEST_F(GraphicControlTest, TheContainerReachesTheControlUntilItIsDestroyed) {
  auto* container = new TLMDBitmapList(form_);
  probe_->SetImageList(container);
  probe_->SetImageList(container);
  EXPECT_EQ(container->Clients()->Count(), 1) << "assigning the same container again must not register twice";
  probe_->ImageChanges.clear();
  container->Change();
  ASSERT_EQ(probe_->ImageChanges.size(), 1u);
  EXPECT_EQ(probe_->ImageChanges[0], container);

  delete container;
  EXPECT_EQ(probe_->ImageList(), nullptr);
}

TEST_F(GraphicControlTest, TheControlIsEmptyUnlessItsListHoldsTheItem) {
  EXPECT_TRUE(probe_->IMLEmpty()) << "no list";
  auto* list = new TLMDBitmapList(form_);
  probe_->SetImageList(list);
  EXPECT_TRUE(probe_->IMLEmpty()) << "no items";

  TBitmap picture;
  picture.SetSize(2, 2);
  TLMDBitmapList filled(nullptr);
  filled.Item(filled.Add())->SetBitmap(&picture);
  probe_->ImageChanges.clear();
  list->Assign(&filled);
  EXPECT_EQ(probe_->ImageChanges.size(), 1u) << "the new items reach the control";
  EXPECT_FALSE(probe_->IMLEmpty());
  probe_->SetIndex(1, 1);
  EXPECT_TRUE(probe_->IMLEmpty()) << "the list has one item only";
  probe_->SetIndex(1, 0);

  delete list;
  EXPECT_EQ(probe_->ImageList(), nullptr);
  EXPECT_TRUE(probe_->IMLEmpty());
}

TEST_F(GraphicControlTest, ATransparentControlRepaintsLaterAndAnOpaqueOneAtOnce) {
  probe_->Bevel()->SetBorderWidth(2);
  EXPECT_EQ(probe_->Paints, 0);
  Settle();
  EXPECT_EQ(probe_->Paints, 1);

  probe_->SetTransparent(false);
  EXPECT_TRUE(probe_->ControlStyle().Contains(csOpaque));
  EXPECT_EQ(probe_->Paints, 2) << "turning opaque repaints in place";
  probe_->Bevel()->SetBorderWidth(3);
  EXPECT_EQ(probe_->Paints, 3);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(form_->Handle(), &update, FALSE)) << "an opaque control leaves its parent alone";
}

TEST_F(GraphicControlTest, AHiddenOpaqueControlDoesNotPaint) {
  probe_->SetTransparent(false);
  probe_->Paints = 0;
  probe_->SetVisible(false);
  Settle();
  probe_->Bevel()->SetBorderWidth(2);
  EXPECT_EQ(probe_->Paints, 0);
}

TEST_F(GraphicControlTest, AssigningABevelCopiesItAndAnnouncesTheChange) {
  TLMDBevel other;
  other.SetBorderWidth(4);
  probe_->SetBevel(&other);
  EXPECT_NE(probe_->Bevel(), &other);
  EXPECT_EQ(probe_->Bevel()->BorderWidth(), 4);
  EXPECT_EQ(probe_->BevelMessages, 1);
}

TEST_F(GraphicControlTest, TheBeveledRectangleLiesInsideTheBevel) {
  EXPECT_EQ(probe_->BevelExt(), 0);
  EXPECT_TRUE(Same(probe_->BeveledRect(), RECT{0, 0, 60, 20}));
  probe_->Bevel()->SetBorderWidth(3);
  const int ext = probe_->BevelExt();
  EXPECT_GT(ext, 0);
  EXPECT_EQ(probe_->DblBevelExt(), 2 * ext);
  EXPECT_TRUE(Same(probe_->BeveledRect(), RECT{ext, ext, 60 - ext, 20 - ext}));
}

TEST_F(GraphicControlTest, MouseCrossingsAreReportedForEnabledControlsOnly) {
  std::vector<std::string> seen;
  struct Recorder : TObject {
    std::vector<std::string>* Seen;
    void Enter(TObject*) { Seen->push_back("enter"); }
    void Exit(TObject*) { Seen->push_back("exit"); }
  } recorder;
  recorder.Seen = &seen;
  probe_->OnMouseEnter = TNotifyEvent(&recorder, &Recorder::Enter);
  probe_->OnMouseExit = TNotifyEvent(&recorder, &Recorder::Exit);
  probe_->Perform(CM_MOUSEENTER, 0, 0);
  probe_->Perform(CM_MOUSELEAVE, 0, 0);
  probe_->SetEnabled(false);
  probe_->Perform(CM_MOUSEENTER, 0, 0);
  probe_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(GraphicControlTest, ABackgroundChangeRepaintsOnlyOverAParentThatHandsOutItsBackground) {
  probe_->Perform(CM_LMDBACKCHANGED, 0, 0);
  Settle();
  EXPECT_EQ(probe_->Paints, 0) << "a form keeps no background bitmap";
  EXPECT_FALSE(probe_->CheckOptimized());

  auto* parent = new TBackgroundParent(form_);
  parent->SetParent(form_);
  probe_->SetParent(parent);
  parent->HandleNeeded();
  Settle();
  probe_->Paints = 0;
  EXPECT_TRUE(probe_->CheckOptimized());
  parent->Perform(CM_LMDBACKCHANGED, 0, 0);
  Settle();
  EXPECT_GE(probe_->Paints, 1) << "the parent passes the change on to its children";

  probe_->SetTransparent(false);
  EXPECT_FALSE(probe_->CheckOptimized());
}

TEST_F(GraphicControlTest, BackgroundPointsAreMappedIntoTheParent) {
  auto* parent = new TBackgroundParent(form_);
  parent->SetParent(form_);
  parent->SetBounds(20, 30, 100, 50);
  EXPECT_TRUE(Same(probe_->BackMapPoint(1, 2), POINT{1, 2})) << "on a form";
  probe_->SetParent(parent);
  EXPECT_TRUE(Same(probe_->BackMapPoint(1, 2), POINT{21, 32}));
}

}  // namespace
