#include <gtest/gtest.h>

#include "Classes.h"
#include "TCollection.h"
#include "TComponent.h"
#include "TestComponents.h"

#include <string>
#include <vector>

using enum TComponentStateItem;

using Log = std::vector<std::string>;

namespace {

TTestControl* MakeControl(TComponent* owner, const char* name, Log* log) {
  auto* control = new TTestControl(owner);
  control->SetName(name);
  control->Log = log;
  return control;
}

}  // namespace

TEST(Ownership, OwnerDestroysLastCreatedFirstWithoutSiblingBroadcasts) {
  Log log;
  auto* owner = MakeControl(nullptr, "Owner", &log);
  MakeControl(owner, "A", &log);
  MakeControl(owner, "B", &log);
  MakeControl(owner, "C", &log);
  log.clear();
  delete owner;
  EXPECT_EQ(log, (Log{"destroy Owner destroying", "destroy C destroying", "destroy B destroying",
                      "destroy A destroying"}));
}

TEST(Ownership, DestroyingOneComponentTellsTheOwnerAndItsSiblings) {
  Log log;
  TTestControl owner(nullptr);
  owner.Log = &log;
  MakeControl(&owner, "A", &log);
  auto* b = MakeControl(&owner, "B", &log);
  log.clear();
  delete b;
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(log, (Log{"destroy B destroying", "remove B at A", "remove B at "}));
  owner.Log = nullptr;
}

TEST(Ownership, InsertIsAnnouncedToTheOwnerAndEverythingItOwns) {
  Log log;
  TTestControl owner(nullptr);
  owner.SetName("Owner");
  owner.Log = &log;
  MakeControl(&owner, "A", &log);
  log.clear();
  auto* b = new TTestControl(&owner);
  EXPECT_EQ(log, (Log{"insert  at A", "insert  at Owner"}));
  EXPECT_EQ(b->Owner(), &owner);
  EXPECT_EQ(b->ComponentIndex(), 1);
  b->SetComponentIndex(0);
  EXPECT_EQ(owner.Components(0), b);
  owner.Log = nullptr;
  for (int i = 0; i < owner.ComponentCount(); ++i) static_cast<TTestControl*>(owner.Components(i))->Log = nullptr;
}

TEST(FreeNotification, ReachesReferencesAcrossOwnersBothWays) {
  auto* first = new TTestControl(nullptr);
  auto* second = new TTestControl(nullptr);
  auto* a = MakeControl(first, "A", nullptr);
  auto* b = MakeControl(second, "B", nullptr);
  a->SetNext(b);
  EXPECT_TRUE(b->ComponentState().Contains(csFreeNotification));
  delete second;  // B goes: A must forget it
  EXPECT_EQ(a->Next(), nullptr);
  EXPECT_FALSE(a->ComponentState().Contains(csFreeNotification));

  auto* c = MakeControl(nullptr, "C", nullptr);
  a->SetNext(c);
  delete first;  // A goes first: C must not call the dead A later (ASan would see it)
  delete c;
}

TEST(FreeNotification, SiblingReferenceDoesNotDangleWhileTheOwnerDies) {
  Log log;
  auto* owner = new TTestControl(nullptr);
  auto* a = MakeControl(owner, "A", &log);
  auto* b = MakeControl(owner, "B", &log);
  a->SetNext(b);  // B is created later, so it is destroyed first
  log.clear();
  delete owner;
  EXPECT_EQ(log, (Log{"destroy B destroying", "remove B at A", "destroy A destroying"}));
}

TEST(FreeNotification, RemoveFreeNotificationUnlinksBothSides) {
  TTestControl a(nullptr);
  auto* b = new TTestControl(nullptr);
  a.SetNext(b);
  a.SetNext(nullptr);
  EXPECT_FALSE(a.ComponentState().Contains(csFreeNotification));
  EXPECT_FALSE(b->ComponentState().Contains(csFreeNotification));
  delete b;
}

TEST(Names, ValidationUniquenessAndLookup) {
  TTestForm form(nullptr);
  auto* button = new TTestControl(&form);
  button->SetName("Button1");
  EXPECT_EQ(form.FindComponent("BUTTON1"), button);
  EXPECT_EQ(form.FindComponent(""), nullptr);
  auto* other = new TTestControl(&form);
  try {
    other->SetName("button1");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "A component named button1 already exists");
  }
  try {
    other->SetName("1abc");
    FAIL();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "'1abc' is not a valid component name");
  }
  button->SetName("BUTTON1");  // same name in another case: allowed
  new TTestControl(&form);     // several unnamed components are fine
  EXPECT_EQ(other->Name(), "");
}

TEST(Names, PublishedFieldFollowsTheComponentNamedLikeIt) {
  TTestForm form(nullptr);
  auto* button = new TTestControl(&form);
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("Button1");
  EXPECT_EQ(form.Button1, button);
  button->SetName("Renamed");
  EXPECT_EQ(form.Button1, nullptr);
  button->SetName("Button1");
  delete button;
  EXPECT_EQ(form.Button1, nullptr) << "no dangling field";
}

TEST(Persistent, AssignErrorsNameBothClasses) {
  TTestGradient gradient;
  TTestFill fill;
  try {
    gradient.Assign(&fill);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TTestFill to a TTestGradient");
  }
  try {
    gradient.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TTestGradient");
  }
  TTestGradient source;
  source.SetColor(7);
  source.Colors = {1, 2};
  gradient.Assign(&source);
  EXPECT_EQ(gradient.Color(), 7);
  EXPECT_EQ(gradient.Colors, (std::vector<int32_t>{1, 2}));
}

TEST(Collections, ItemsNamePathsAndUpdates) {
  TTestForm form(nullptr);
  form.SetName("Form1");
  TOwnedCollection& items = *form.Items();
  auto* first = static_cast<TTestItem*>(items.Add());
  auto* second = static_cast<TTestItem*>(items.Add());
  EXPECT_EQ(items.Count(), 2);
  EXPECT_EQ(items.GetNamePath(), "Form1.Items");
  EXPECT_EQ(second->GetNamePath(), "Form1.Items[1]");
  EXPECT_EQ(second->ID(), 1);
  second->SetIndex(0);
  EXPECT_EQ(items.Items(0), second);
  EXPECT_EQ(first->Index(), 1);
  items.Delete(0);
  EXPECT_EQ(items.Count(), 1);
  EXPECT_EQ(items.FindItemID(0), first);
  EXPECT_THROW(items.Items(5), EListError);

  TOwnedCollection copy(nullptr, TTestItem::ClassInfo());
  first->SetWidth(10);
  copy.Assign(&items);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(static_cast<TTestItem*>(copy.Items(0))->Width(), 10);
  TTestGradient notACollection;
  EXPECT_THROW(copy.Assign(&notACollection), EConvertError);
}
