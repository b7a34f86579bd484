#include <gtest/gtest.h>

#include "ActnList.h"
#include "ImgList.h"

#include <string>
#include <vector>

namespace {

// A client's link that records what the action tells it.
class TRecordingLink : public TActionLink {
 public:
  std::vector<std::string> Log;
  bool CaptionLinked = true;

  bool IsCaptionLinked() const override { return CaptionLinked && TActionLink::IsCaptionLinked(); }
  void SetCaption(const AnsiString& value) override { Log.push_back("Caption=" + value); }
  void SetEnabled(bool value) override { Log.push_back(value ? "Enabled" : "Disabled"); }
  void SetHint(const AnsiString& value) override { Log.push_back("Hint=" + value); }
  void SetImageIndex(int32_t value) override { Log.push_back("ImageIndex=" + std::to_string(value)); }
};

struct TExecuteCounter : TObject {
  int Count = 0;
  void Executed(TObject*) { ++Count; }
};

TEST(Actions, ChangesReachTheLinkedClientsOnlyForLinkedProperties) {
  TComponent owner(nullptr);
  auto* action = new TAction(&owner);
  TRecordingLink link;
  link.SetAction(action);
  EXPECT_EQ(action->ClientCount(), 1);

  action->SetCaption("Run");
  action->SetCaption("Run");  // unchanged: nothing
  action->SetEnabled(false);
  action->SetHint("Runs it");
  action->SetImageIndex(2);
  link.CaptionLinked = false;
  action->SetCaption("Other");
  EXPECT_EQ(link.Log, (std::vector<std::string>{"Caption=Run", "Disabled", "Hint=Runs it", "ImageIndex=2"}));
}

TEST(Actions, ExecuteRunsOnExecuteUnlessDisabled) {
  TAction action(nullptr);
  TExecuteCounter counter;
  TRecordingLink link;
  link.SetAction(&action);
  EXPECT_FALSE(link.Execute()) << "no handler";
  action.OnExecute = TNotifyEvent(&counter, &TExecuteCounter::Executed);
  EXPECT_TRUE(link.Execute());
  action.SetEnabled(false);
  EXPECT_FALSE(link.Execute());
  EXPECT_EQ(counter.Count, 1);
}

TEST(Actions, DestroyingEitherSideUnlinks) {
  auto* action = new TAction(nullptr);
  {
    TRecordingLink shortLived;
    shortLived.SetAction(action);
  }
  EXPECT_EQ(action->ClientCount(), 0);
  TRecordingLink link;
  link.SetAction(action);
  delete action;
  EXPECT_EQ(link.Action(), nullptr);
  EXPECT_FALSE(link.Execute());
}

TEST(Actions, TheActionListGivesItsImagesAndTellsTheClientsOfNewOnes) {
  TComponent owner(nullptr);
  auto* list = new TActionList(&owner);
  auto* images = new TImageList(&owner);
  auto* action = new TAction(&owner);
  action->SetActionList(list);
  action->SetImageIndex(1);
  EXPECT_EQ(action->Index(), 0);
  EXPECT_EQ(list->ActionCount(), 1);
  TRecordingLink link;
  link.SetAction(action);

  list->SetImages(images);
  EXPECT_EQ(action->Images(), images);
  EXPECT_EQ(link.Log, std::vector<std::string>{"ImageIndex=1"});
  delete images;
  EXPECT_EQ(list->Images(), nullptr);
  EXPECT_EQ(action->Images(), nullptr);

  delete action;
  EXPECT_EQ(list->ActionCount(), 0);
  auto* orphan = new TAction(&owner);
  orphan->SetActionList(list);
  delete list;
  EXPECT_EQ(orphan->ActionList(), nullptr);
}

}  // namespace
