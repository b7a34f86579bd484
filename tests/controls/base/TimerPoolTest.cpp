// The timer pool on the virtual clock: ticks of MinInterval, items firing every Internal ticks,
// call counts, removal and the busy flag.
#include <gtest/gtest.h>
#include <winport.h>

#include "../paint/FormTextSupport.h"

#include <LMDConst.h>
#include <LMDApplication.h>
#include <LMDPoolTimer.h>
#include <LMDTimerPool.h>

#include <Menus.h>
#include <TApplication.h>

#include <memory>
#include <vector>

namespace {

// Counts the firings it hears and can act on them.
class TimerListener : public TObject {
  TAWO_CLASS(TimerListener, TObject)

 public:
  void Fired(TObject* sender) {
    senders.push_back(sender);
    if (action) action();
  }
  void PoolFired(TObject* sender, uint16_t ident, int32_t counter) {
    senders.push_back(sender);
    idents.push_back(ident);
    counters.push_back(counter);
  }
  void Failed(TObject* sender, Exception& error) {
    failures.push_back(sender);
    messages.push_back(error.Message());
  }
  std::vector<TObject*> senders;
  std::vector<TObject*> failures;
  std::vector<AnsiString> messages;
  std::vector<uint16_t> idents;
  std::vector<int32_t> counters;
  std::function<void()> action;
};
TAWO_IMPLEMENT_CLASS(TimerListener)

class TimerPoolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WinportUseVirtualClock(TRUE);
    pool = std::make_unique<TLMDTimerPool>(nullptr, 50);
  }
  void TearDown() override {
    pool.reset();
    WinportUseVirtualClock(FALSE);
  }
  TNotifyEvent Handler() { return TNotifyEvent(&listener, &TimerListener::Fired); }
  static void Advance(DWORD milliseconds) { WinportAdvanceClock(milliseconds, TRUE); }

  TimerListener listener;
  std::unique_ptr<TLMDTimerPool> pool;
};

TEST_F(TimerPoolTest, IntervalsMustBeMultiplesOfMinInterval) {
  EXPECT_EQ(pool->MinInterval(), 50);
  EXPECT_EQ(TLMDTimerPool(nullptr).MinInterval(), 1000);
  try {
    pool->AddTimer(1, 125, Handler());
    FAIL() << "125 is not a multiple of 50";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), IDS_INTERVALNOTFIT);
  }
  EXPECT_THROW(pool->AddTimer(1, 0, Handler()), Exception);
  EXPECT_EQ(pool->Count(), 0);
  EXPECT_FALSE(pool->Active());

  EXPECT_EQ(pool->AddTimer(1, 100, Handler()), 0);
  try {
    pool->AddTimer(1, 200, Handler());
    FAIL() << "ident 1 is taken";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "List index out of bounds (%d)");
  }
  EXPECT_EQ(pool->Count(), 1);
  EXPECT_TRUE(pool->Active());
}

TEST_F(TimerPoolTest, AnItemOfTwoTicksFiresOnEverySecondTick) {
  pool->AddTimer(7, 100, Handler());
  EXPECT_EQ(pool->GetTimer(7)->Internal(), 2);
  EXPECT_EQ(pool->PCounter(), 1);
  Advance(50);
  EXPECT_TRUE(listener.senders.empty());
  Advance(50);
  ASSERT_EQ(listener.senders.size(), 1u);
  EXPECT_EQ(listener.senders[0], pool.get());
  Advance(200);
  EXPECT_EQ(listener.senders.size(), 3u);
  EXPECT_EQ(pool->GetTimer(7)->Counter(), 3);
  EXPECT_EQ(pool->PCounter(), 7);
}

TEST_F(TimerPoolTest, CallCountEndsTheItemButNotTheWindowsTimer) {
  pool->AddTimerExt(1, 50, 3, true, Handler());
  Advance(500);
  EXPECT_EQ(listener.senders.size(), 3u);
  TLMDTimerItem* item = pool->GetTimer(1);
  EXPECT_FALSE(item->Enabled());
  EXPECT_TRUE(pool->Active());
  EXPECT_EQ(pool->ActiveTimers(), 0);
  EXPECT_EQ(pool->PCounter(), 11);  // ticks go on

  item->SetCallCount(0);
  item->SetEnabled(true);  // refused while CallCount is 0
  EXPECT_FALSE(item->Enabled());
  item->SetCallCount(-5);
  EXPECT_EQ(item->CallCount(), -1);
  item->SetEnabled(true);
  EXPECT_TRUE(item->Enabled());
  EXPECT_EQ(item->Counter(), 0);
}

TEST_F(TimerPoolTest, RemovingTheLastItemStopsTheWindowsTimer) {
  pool->AddTimer(1, 50, Handler());
  pool->AddTimer(2, 50, Handler());
  pool->RemoveTimer(1);
  EXPECT_TRUE(pool->Active());
  pool->RemoveTimer(99);  // unknown: nothing
  pool->RemoveTimer(2);
  EXPECT_FALSE(pool->Active());
  EXPECT_FALSE(pool->Updating());
  const int32_t ticks = pool->PCounter();
  Advance(500);
  EXPECT_EQ(pool->PCounter(), ticks);
  EXPECT_TRUE(listener.senders.empty());
}

TEST_F(TimerPoolTest, ItemsWithoutAHandlerReportToThePool) {
  pool->OnTimer = TLMDTimerPoolEvent(&listener, &TimerListener::PoolFired);
  pool->AddTimer(0xFD05, 100, nullptr);
  Advance(200);
  EXPECT_EQ(listener.idents, (std::vector<uint16_t>{0xFD05, 0xFD05}));
  EXPECT_EQ(listener.counters, (std::vector<int32_t>{1, 2}));
}

TEST_F(TimerPoolTest, AHandlerMayRemoveItsOwnItem) {
  pool->AddTimer(1, 50, Handler());
  pool->AddTimer(2, 50, Handler());
  listener.action = [&] { pool->RemoveTimer(1); };
  Advance(50);
  EXPECT_EQ(pool->Count(), 1);
  EXPECT_EQ(pool->IndexOf(2), 0);
  listener.action = [&] { pool->ClearTimers(); };
  Advance(50);
  EXPECT_EQ(pool->Count(), 0);
  EXPECT_FALSE(pool->Active());
}

TEST_F(TimerPoolTest, TicksArrivingDuringAHandlerAreDropped) {
  pool->AddTimer(1, 50, Handler());
  int nested = -1;
  listener.action = [&] {
    listener.action = nullptr;
    const size_t before = listener.senders.size();
    Advance(200);  // the handler pumps messages for four ticks
    nested = static_cast<int>(listener.senders.size() - before);
  };
  Advance(50);
  EXPECT_EQ(nested, 0);
  Advance(50);
  EXPECT_EQ(listener.senders.size(), 2u);
}

TEST_F(TimerPoolTest, AnEventsExceptionGoesToTheApplicationAndTheTicksGoOn) {
  Application->OnException = TExceptionEvent(&listener, &TimerListener::Failed);
  pool->AddTimer(1, 50, Handler());
  listener.action = [] { throw EInvalidOperation("boom"); };
  Advance(150);
  Application->OnException.Clear();
  EXPECT_EQ(listener.senders.size(), 3u);
  EXPECT_EQ(listener.failures, (std::vector<TObject*>(3, pool.get())));
  EXPECT_EQ(listener.messages[0], "boom");
}

// The popup menu's owner window and the pool's window are utility windows of one window class;
// the pool's window hears its timer whichever of them registered the class first.
TEST_F(TimerPoolTest, ATimerMadeAfterAPopupMenuWasShownFires) {
  TComponent owner(nullptr);
  TPopupMenu menu(nullptr);
  auto* item = new TMenuItem(&owner);
  item->SetCaption("Pozycja");
  menu.Items()->Add(item);
  WinportMouseClick(WINPORT_BUTTON_LEFT, 900, 700);  // closes the menu again
  menu.Popup(300, 300);

  pool->AddTimer(1, 50, Handler());
  Advance(100);
  EXPECT_EQ(listener.senders.size(), 2u);
}

TEST(TimerPoolStreaming, MinIntervalChangesOnlyWhileLoading) {
  TLMDTimerPool pool(nullptr);
  pool.SetMinInterval(50);
  EXPECT_EQ(pool.MinInterval(), 1000);
  EXPECT_EQ(FormText(&pool), Crlf("object TLMDTimerPool\nend\n"));
  LoadFormText(Crlf("object TLMDTimerPool\n  MinInterval = 50\nend\n"), &pool);
  EXPECT_EQ(pool.MinInterval(), 50);
  EXPECT_EQ(FormText(&pool), Crlf("object TLMDTimerPool\n  MinInterval = 50\nend\n"));
}

TEST_F(TimerPoolTest, ItemRules) {
  TLMDTimerList list;
  EXPECT_THROW(TLMDTimerItem(nullptr, &list, 1), EInvalidOperation);
  try {
    TLMDTimerItem item(pool.get(), nullptr, 1);
    FAIL() << "an item needs a list";
  } catch (const EInvalidOperation& error) {
    EXPECT_EQ(error.Message(), "TLMDTimerItem: Invalid Owner or List");
  }
  auto* item = new TLMDTimerItem(pool.get(), &list, 3);
  list.Add(item);
  EXPECT_EQ(item->Internal(), 20);
  item->SetInterval(120);  // not a multiple of 50: ignored
  EXPECT_EQ(item->Interval(), 1000);
  item->SetInterval(0);
  EXPECT_EQ(item->Interval(), 50);
  EXPECT_EQ(item->Internal(), 1);
  item->SetCallCount(2);
  item->Timer();
  item->Timer();
  EXPECT_FALSE(item->Enabled());
  item->Timer();  // disabled: nothing
  EXPECT_EQ(item->Counter(), 2);
  delete item;
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace

namespace {

TEST(PoolTimer, RunsOnceAndSaysSoWhenThePoolIsFull) {
  TLMDPoolTimer timer;
  timer.Start(100, nullptr);
  ASSERT_TRUE(timer.Running());
  const int used = LMDApplication->TimerPool()->Count();
  timer.Start(100, nullptr);
  EXPECT_EQ(LMDApplication->TimerPool()->Count(), used) << "a running timer is not started twice";
  timer.Stop();
  EXPECT_FALSE(timer.Running());
  EXPECT_EQ(LMDApplication->TimerPool()->Count(), used - 1);

  std::vector<uint16_t> taken;
  for (uint16_t ident; (ident = LMDApplication->AddTimer(100, nullptr)) != 0;) taken.push_back(ident);
  try {
    timer.Start(100, nullptr);
    ADD_FAILURE() << "a full pool gave a timer";
  } catch (const EOutOfResources& error) {
    EXPECT_EQ(error.Message(), "Not enough timers available");
  }
  EXPECT_FALSE(timer.Running());
  for (uint16_t ident : taken) LMDApplication->RemoveTimer(ident);
  timer.Start(100, nullptr);
  EXPECT_TRUE(timer.Running()) << "a free ident again";
}

}  // namespace
