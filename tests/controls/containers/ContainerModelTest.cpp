#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <LMDChangeLink.h>
#include <SysUtils.h>

using enum TLMDContainerSource;
using enum TLMDSavePixelFormat;

TAWO_IMPLEMENT_CLASS(ContainerListener)

namespace {

TEST(ContainerModel, ListOperationsKeepOrderAndNotify) {
  ContainerListener listener;
  TLMDBitmapList list(nullptr);
  list.OnChange = TNotifyEvent(&listener, &ContainerListener::Changed);
  EXPECT_TRUE(list.Empty());
  TLMDListItem* a = list.Items(list.Add());
  TLMDListItem* b = list.Items(list.Add());
  auto* c = new TLMDBitmapListItem(nullptr);
  list.Insert(0, c);
  EXPECT_EQ(c->Owner(), &list);
  EXPECT_EQ(list.IndexOf(c), 0);
  EXPECT_EQ(listener.senders.size(), 3u);

  list.Move(0, 2);
  EXPECT_EQ(list.Items(0), a);
  EXPECT_EQ(list.Items(1), b);
  EXPECT_EQ(list.Items(2), c);
  list.Move(1, 1);
  EXPECT_EQ(listener.senders.size(), 4u);

  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Items(0), b);
  delete b;  // an item freed directly leaves the list too
  EXPECT_EQ(list.Count(), 1);
  EXPECT_THROW(list.Items(5), EListError);
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(listener.senders.back(), &list);
}

TEST(ContainerModel, ItemChangesReachTheContainerWithTheItemAsSender) {
  ContainerListener listener;
  TLMDBitmapList list(nullptr);
  TLMDListItem* item = list.Items(list.Add());
  list.OnChange = TNotifyEvent(&listener, &ContainerListener::Changed);
  item->SetDescription("Logo");
  ASSERT_EQ(listener.senders.size(), 1u);
  EXPECT_EQ(listener.senders[0], item);
  const auto bitmap = PatternBitmap(4, 4, 1);
  static_cast<TLMDBitmapListItem*>(item)->SetBitmap(bitmap.get());
  EXPECT_EQ(listener.senders.size(), 2u);
}

TEST(ContainerModel, ItemByNameMatchesTheWholeDescriptionWithCase) {
  TLMDBitmapList list(nullptr);
  list.Items(list.Add())->SetDescription("Logo");
  TLMDListItem* second = list.Items(list.Add());
  second->SetDescription("logo");
  EXPECT_EQ(list.ItemByName("logo"), second);
  EXPECT_EQ(list.ItemByName("Log"), nullptr);
}

TEST(ContainerModel, AssignCopiesItemsAndNotifiesClientsOnce) {
  TLMDBitmapList source(nullptr);
  source.SetDefaultCompressed(true);
  source.SetDefaultPixelFormat(spf8bit);
  const auto first = PatternBitmap(8, 4, 10);
  AddBitmap(source, first.get(), "jeden", 7);
  AddBitmap(source, first.get(), "dwa", 8);

  TLMDBitmapList target(nullptr);
  target.Add();
  ContainerListener listener;
  TLMDChangeLink link;
  link.OnChange = TNotifyEvent(&listener, &ContainerListener::Changed);
  target.RegisterChanges(&link);
  target.Assign(&source);
  EXPECT_EQ(listener.senders.size(), 1u);
  ASSERT_EQ(target.Count(), 2);
  EXPECT_TRUE(target.DefaultCompressed());
  EXPECT_EQ(target.DefaultPixelFormat(), spf8bit);
  EXPECT_EQ(target.Items(1)->Description(), "dwa");
  EXPECT_EQ(target.Items(1)->Ident(), 8);
  EXPECT_NE(target.Item(0)->StoredBitmap(), source.Item(0)->StoredBitmap());
  EXPECT_TRUE(SamePixels(target.Item(0)->StoredBitmap(), first.get()));
  target.UnRegisterChanges(&link);
}

TEST(ContainerModel, NewSourceDropsTheItemsBitmapsAndIndexIsChecked) {
  TLMDBitmapList list(nullptr);
  const auto bitmap = PatternBitmap(4, 4, 1);
  AddBitmap(list, bitmap.get());
  list.SetSource(sdFile);
  EXPECT_TRUE(list.Item(0)->StoredBitmap()->Empty());

  list.SetIndex(0);
  try {
    list.SetIndex(1);
    FAIL() << "index past the end accepted";
  } catch (const EInvalidGraphicOperation& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (%d)");
  }
  EXPECT_EQ(list.Index(), 0);
}

}  // namespace
