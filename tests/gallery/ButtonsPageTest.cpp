// The gallery's page of windowless buttons: loaded from its form description, drawn like its
// golden picture, and working under the mouse. TAWO_UPDATE_GOLDEN=1 rewrites the picture.
#include <gtest/gtest.h>

#include "../framework/ControlTestSupport.h"
#include "ButtonsPage.h"

#include <LMDCustomMMButton.h>
#include <LMDSpeedButton.h>
#include <TLabel.h>
#include <winport.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

const char* const kGolden = TAWO_SOURCE_DIR "/tests/golden/buttons-page.png";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

TEST_F(ButtonsPageTest, LooksLikeItsGoldenPicture) {
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  const std::string shot = std::string(TAWO_TEST_OUTPUT_DIR) + "/buttons-page.png";
  ASSERT_TRUE(WinportWindowScreenshot(page_->Handle(), shot.c_str()));
  if (const char* update = std::getenv("TAWO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    std::filesystem::copy_file(shot, kGolden, std::filesystem::copy_options::overwrite_existing);
    GTEST_SKIP() << "golden picture rewritten: " << kGolden;
  }
  EXPECT_TRUE(ReadFile(shot) == ReadFile(kGolden))
      << shot << " differs from " << kGolden << " (TAWO_UPDATE_GOLDEN=1 rewrites the golden picture)";
}

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
