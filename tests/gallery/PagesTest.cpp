// The gallery's window and the pages that do something: tabs and Ctrl+Tab switch pages (the
// last choice is kept), the meters move with their timer, a held button repeats its click, and the settings
// page saves and loads its state.
#include <gtest/gtest.h>

#include "../framework/ControlTestSupport.h"
#include "GalleryPages.h"
#include "GalleryWindow.h"
#include "MetersPage.h"
#include "SettingsPage.h"
#include "WindowedPage.h"

#include <LMDButton.h>
#include <LMDProgressFill.h>
#include <LMDSpeedButton.h>
#include <TLabel.h>

namespace {

class GalleryBehaviour : public VisualTest {
 protected:
  template <class Page>
  Page* Show() {
    Page* page = nullptr;
    Application->CreateForm(page);
    page->Show();
    WinportDispatchPending();
    return page;
  }

  static void Press(TControl* control) {
    const POINT at = ScreenPointOf(control, control->Width() / 2, control->Height() / 2);
    WinportMouseMove(at.x, at.y);
    WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportDispatchPending();
  }

  static void Release(TControl* control) {
    const POINT at = ScreenPointOf(control, control->Width() / 2, control->Height() / 2);
    WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportDispatchPending();
  }
};

TEST_F(GalleryBehaviour, EachTabShowsItsPageAloneAndTheLastChoiceIsKept) {
  auto* window = Show<TGalleryWindow>();
  ASSERT_EQ(window->Pages().size(), GalleryPages().size());
  for (std::size_t chosen : {window->Pages().size() - 1, std::size_t{0}, std::size_t{3}}) {
    Press(window->Tabs()[chosen]);
    Release(window->Tabs()[chosen]);
    EXPECT_EQ(window->CurrentPage(), chosen);
    for (std::size_t i = 0; i < window->Pages().size(); ++i) {
      EXPECT_EQ(window->Pages()[i]->Visible(), i == chosen) << "page " << i << " with " << chosen << " chosen";
      EXPECT_EQ(window->Tabs()[i]->Pressed(), i == chosen);
    }
  }
  auto* next = Show<TGalleryWindow>();
  EXPECT_EQ(next->CurrentPage(), 0u) << "a new window starts at the first page";
  next->RestoreChosenPage();
  EXPECT_EQ(next->CurrentPage(), 3u);
}

TEST_F(GalleryBehaviour, CtrlTabChoosesTheNextPageAndCtrlShiftTabThePreviousOne) {
  auto* window = Show<TGalleryWindow>();
  const std::size_t last = window->Pages().size() - 1;
  const struct {
    bool Shift;
    std::size_t Expected;
  } steps[] = {{false, 1}, {false, 2}, {true, 1}, {true, 0}, {true, last}, {false, 0}};
  for (const auto& step : steps) {
    WinportKeyDown(VK_CONTROL);
    if (step.Shift) WinportKeyDown(VK_SHIFT);
    WinportKeyPress(VK_TAB);
    if (step.Shift) WinportKeyUp(VK_SHIFT);
    WinportKeyUp(VK_CONTROL);
    Application->ProcessMessages();  // keys reach the form through the application's loop
    EXPECT_EQ(window->CurrentPage(), step.Expected);
    EXPECT_TRUE(window->Pages()[step.Expected]->Visible());
  }
  auto* next = Show<TGalleryWindow>();
  next->RestoreChosenPage();
  EXPECT_EQ(next->CurrentPage(), 0u) << "the choice made with the keyboard is kept too";
}

TEST_F(GalleryBehaviour, TheTimerMovesEveryMeterAndAFullOneStartsAgain) {
  auto* page = Show<TMetersPage>();
  auto* bar = dynamic_cast<TLMDProgressFill*>(page->FindComponent("Bar3"));
  ASSERT_NE(bar, nullptr);
  const int32_t before = bar->UserValue();
  WinportAdvanceClock(TMetersPage::kInterval * 3, TRUE);
  EXPECT_GT(bar->UserValue(), before);
  bar->SetUserValue(bar->MaxValue());
  page->Advance(nullptr);
  EXPECT_EQ(bar->UserValue(), bar->MinValue());
}

TEST_F(GalleryBehaviour, AHeldButtonRepeatsItsClick) {
  auto* page = Show<TWindowedPage>();
  auto* button = dynamic_cast<TLMDButton*>(page->FindComponent("Repeat"));
  ASSERT_NE(button, nullptr);
  button->Perform(CM_MOUSEENTER, 0, 0);
  Press(button);
  WinportAdvanceClock(button->RepeatingDelay() + 2 * button->RepeatingInterval(), TRUE);
  Release(button);
  EXPECT_EQ(page->Clicks(), 4) << "three while held, one at the release";
  EXPECT_EQ(page->Count->Caption(), "Klikni\xEA" "cia: " + std::to_string(page->Clicks()));
}

TEST_F(GalleryBehaviour, TheSettingsControlSavesAndLoadsThePageState) {
  auto* page = Show<TSettingsPage>();
  page->Sound->SetPressed(true);
  page->Hints->SetPressed(false);
  page->Volume->SetUserValue(70);
  page->SaveClick(nullptr);
  page->Sound->SetPressed(false);
  page->Hints->SetPressed(true);
  page->VolumeClick(nullptr);
  EXPECT_EQ(page->Volume->UserValue(), 80);
  page->LoadClick(nullptr);
  EXPECT_TRUE(page->Sound->Pressed());
  EXPECT_FALSE(page->Hints->Pressed());
  EXPECT_EQ(page->Volume->UserValue(), 70);
}

}  // namespace
