#include <gtest/gtest.h>

#include <LMDBaseContainer.h>
#include <LMDChangeLink.h>
#include <LMDClass.h>
#include <LMDConst.h>
#include <LMDObject.h>
#include <TypInfo.h>

#include <memory>
#include <set>
#include <vector>

using enum TComponentStyleItem;

namespace {

// Records every notification it receives.
class Listener : public TObject {
  TAWO_CLASS(Listener, TObject)

 public:
  void Changed(TObject* sender) { senders.push_back(sender); }
  std::vector<TObject*> senders;
};
TAWO_IMPLEMENT_CLASS(Listener)

TEST(LMDObject, UpdatingIsAFlagNotACounter) {
  Listener listener;
  TLMDObject object;
  object.OnChange = TNotifyEvent(&listener, &Listener::Changed);
  object.BeginUpdate();
  object.BeginUpdate();
  object.Change();  // dropped, not queued
  object.EndUpdate(false);
  EXPECT_FALSE(object.Updating());
  EXPECT_TRUE(listener.senders.empty());
  object.Change();
  ASSERT_EQ(listener.senders.size(), 1u);
  EXPECT_EQ(listener.senders[0], &object);
  object.BeginUpdate();
  object.EndUpdate(true);
  EXPECT_EQ(listener.senders.size(), 2u);
}

TEST(LMDObject, UnhookedObjectsNotifyNobodyAndNestedChangesSurfaceOnce) {
  TLMDObject lonely;
  lonely.EndUpdate(true);  // no OnChange: nothing happens, nothing raised

  Listener holder;
  TLMDObject outer;
  TLMDObject inner;
  outer.OnChange = TNotifyEvent(&holder, &Listener::Changed);
  inner.OnChange = TNotifyEvent(&outer, &TLMDObject::GetChange);
  inner.Change();
  ASSERT_EQ(holder.senders.size(), 1u);
  EXPECT_EQ(holder.senders[0], &outer);
  outer.OnChange.Clear();
  inner.Change();
  EXPECT_EQ(holder.senders.size(), 1u);
}

TEST(LMDBaseContainer, LinksReceiveTheContainerAndChangesGoInRegistrationOrder) {
  TLMDBaseContainer container(nullptr);
  EXPECT_FALSE(container.ComponentStyle().Contains(csInheritable));
  Listener first;
  Listener second;
  TLMDChangeLink a;
  TLMDChangeLink b;
  a.OnChange = TNotifyEvent(&first, &Listener::Changed);
  b.OnChange = TNotifyEvent(&second, &Listener::Changed);
  container.RegisterChanges(&a);
  container.RegisterChanges(&b);
  Listener own;
  container.OnChange = TNotifyEvent(&own, &Listener::Changed);
  container.Change();
  ASSERT_EQ(first.senders.size(), 1u);
  EXPECT_EQ(first.senders[0], &container);
  EXPECT_EQ(second.senders[0], &container);
  EXPECT_EQ(own.senders.size(), 1u);
  container.UnRegisterChanges(&a);
  container.UnRegisterChanges(&b);
}

TEST(LMDBaseContainer, RegisteringTwiceListsTwiceAndUnregisteringRemovesOneEntry) {
  TLMDBaseContainer container(nullptr);
  TLMDChangeLink link;
  container.RegisterChanges(&link);
  container.RegisterChanges(&link);
  container.UnRegisterChanges(&link);
  ASSERT_EQ(container.Clients()->Count(), 1);
  EXPECT_EQ(link.Sender(), nullptr);  // cleared although one entry remains
  TLMDChangeLink stranger;
  container.UnRegisterChanges(&stranger);  // not listed: ignored
  EXPECT_EQ(container.Clients()->Count(), 1);
  container.UnRegisterChanges(&link);
}

TEST(LMDBaseContainer, DestroyingTheContainerReleasesEveryLink) {
  auto container = std::make_unique<TLMDBaseContainer>(nullptr);
  std::vector<std::unique_ptr<TLMDChangeLink>> links;
  for (int i = 0; i < 3; ++i) {
    links.push_back(std::make_unique<TLMDChangeLink>());
    container->RegisterChanges(links.back().get());
  }
  container.reset();
  for (const auto& link : links) EXPECT_EQ(link->Sender(), nullptr);
  links.clear();  // must not touch the freed container (ASan checks)
}

TEST(LMDBaseContainer, AFreedLinkUnregistersItself) {
  TLMDBaseContainer container(nullptr);
  {
    TLMDChangeLink link;
    container.RegisterChanges(&link);
  }
  EXPECT_EQ(container.Clients()->Count(), 0);
  container.Change();
}

TEST(LMDConstants, ResourceStringsAreUniqueAndCarryTheLibraryTexts) {
  std::set<std::string_view> names;
  for (const TLMDResourceString& s : LMDResourceStrings) {
    EXPECT_TRUE(names.insert(s.Name).second) << s.Name;
    EXPECT_FALSE(s.Text.empty()) << s.Name;
  }
  EXPECT_EQ(names.size(), 119u);
  EXPECT_STREQ(IDS_INVALIDOWNER, "Invalid owner (<>TForm) or second instance on a form");
  EXPECT_STREQ(IDS_INTERVALNOTFIT, "Interval not compatible with MinInterval property!");
}

TEST(LMDClass, DockErrorNamesBothComponents) {
  TComponent control(nullptr);
  TComponent docked(nullptr);
  control.SetName("Button1");
  docked.SetName("Label1");
  try {
    LMDRaiseDockError(&control, &docked);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Component Button1:\rA TLMDDockLabel- or Button component was already attached to the "
                           "component: Label1\rOnly one LMDDockXXXX per control is allowed.");
  }
}

}  // namespace
