// The gallery's page of windowless buttons, loaded from its form description, works under the
// mouse (its picture is checked with the gallery's others).
#include <gtest/gtest.h>

#include "../framework/ControlTestSupport.h"
#include "ButtonsPage.h"

#include <LMDCustomMMButton.h>
#include <LMDSpeedButton.h>
#include <TLabel.h>
#include <winport.h>

namespace {

class ButtonsPageTest : public VisualTest {
 protected:
  void SetUp() override {
    VisualTest::SetUp();
    Application->CreateForm(page_);
    page_->Show();
    WinportDispatchPending();
  }

  void Click(TControl* control, int x, int y) {
    const POINT at = ScreenPointOf(control, x, y);
    WinportMouseMove(at.x, at.y);
    WinportMouseDown(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportMouseUp(WINPORT_BUTTON_LEFT, at.x, at.y);
    WinportDispatchPending();
  }

  TButtonsPage* page_ = nullptr;
};

TEST_F(ButtonsPageTest, TheFormDescriptionWiresTheButtons) {
  EXPECT_TRUE(page_->Bold->Pressed());
  Click(page_->Italic, 5, 5);
  EXPECT_TRUE(page_->Italic->Pressed());
  EXPECT_FALSE(page_->Bold->Pressed()) << "one toggle group";
  Click(page_->More, 5, 5);
  Click(page_->Star, 16, 16);
  Click(page_->Star, 1, 1);  // a see-through corner of the star
  EXPECT_EQ(page_->Clicks(), 2);
  EXPECT_EQ(page_->Count->Caption(), "Klikni\xEA" "cia: 2");
}

}  // namespace
