// The SDL display on a real X server, driven with xdotool: an owner-drawn button pressed and
// released, the close box of a top-most dialog, a screenshot of both windows, a popup menu
// chosen from with the keyboard, and the CPU a waiting program uses.
#include "ChildProcess.h"
#include "XvfbSession.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace {

constexpr int kLineTimeoutMs = 8000;

class VisibleWindows : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (XvfbSession::ToolsInstalled()) session_ = std::make_unique<XvfbSession>();
  }
  static void TearDownTestSuite() { session_.reset(); }

  void SetUp() override {
    if (!XvfbSession::ToolsInstalled()) GTEST_SKIP() << "Xvfb or xdotool is not installed (scripts/setup.sh)";
    ASSERT_FALSE(session_->Display().empty()) << "no X display could be started";
  }

  static std::string Display() { return session_->Display(); }

  static bool Xdotool(const std::string& arguments) {
    const std::string command = "DISPLAY=" + Display() + " timeout 10 xdotool " + arguments + " >/dev/null";
    return std::system(command.c_str()) == 0;
  }

  static std::unique_ptr<XvfbSession> session_;
};

std::unique_ptr<XvfbSession> VisibleWindows::session_;

TEST_F(VisibleWindows, OwnerDrawnButtonAndCloseBoxWorkWithRealInput) {
  const std::string shot = std::string(TAWO_TEST_OUTPUT_DIR) + "/visible-demo.png";
  std::system(("mkdir -p " + std::string(TAWO_TEST_OUTPUT_DIR)).c_str());
  std::remove(shot.c_str());
  ChildProcess demo({VISIBLE_DEMO_PATH, shot}, Display());

  std::istringstream ready(demo.ReadLine(kLineTimeoutMs).value_or(""));
  std::string word;
  long buttonX = 0, buttonY = 0, closeX = 0, closeY = 0;
  ready >> word >> buttonX >> buttonY >> closeX >> closeY;
  ASSERT_EQ(word, "ready");
  ASSERT_TRUE(Xdotool("search --sync --onlyvisible --pid " + std::to_string(demo.Pid())));

  ASSERT_TRUE(Xdotool("mousemove " + std::to_string(buttonX) + " " + std::to_string(buttonY) + " mousedown 1"));
  EXPECT_EQ(demo.ReadLine(kLineTimeoutMs), "selected") << "WM_DRAWITEM with ODS_SELECTED while pressed";
  ASSERT_TRUE(Xdotool("mouseup 1"));
  EXPECT_EQ(demo.ReadLine(kLineTimeoutMs), "clicked");

  std::istringstream shotLine(demo.ReadLine(kLineTimeoutMs).value_or(""));
  std::string caption, main;
  shotLine >> word >> caption >> main;
  EXPECT_EQ(word, "shot");
  EXPECT_EQ(caption, "6a240a") << "the dialog's active caption (COLOR_ACTIVECAPTION as COLORREF)";
  EXPECT_EQ(main, "808000") << "the main window's background";
  struct stat info{};
  EXPECT_EQ(stat(shot.c_str(), &info), 0);
  EXPECT_GT(info.st_size, 1000);

  ASSERT_TRUE(Xdotool("mousemove " + std::to_string(closeX) + " " + std::to_string(closeY) + " click 1"));
  EXPECT_EQ(demo.ReadLine(kLineTimeoutMs), "cancelled 1") << "one BN_CLICKED, then IDCANCEL from the close box";
  EXPECT_EQ(demo.Wait(kLineTimeoutMs), 0);
}

// Without a window manager SDL gives every window it shows the keyboard focus; a menu must not
// keep it, or its owner would stay inactive.
TEST_F(VisibleWindows, APopupMenuLeavesItsOwnerActiveAndTakesTheKeyboard) {
  ChildProcess demo({VISIBLE_DEMO_PATH, "--menu"}, Display());
  EXPECT_EQ(demo.ReadLine(kLineTimeoutMs), "menu 1");
  ASSERT_TRUE(Xdotool("key Down Down Return"));
  EXPECT_EQ(demo.ReadLine(kLineTimeoutMs), "chosen 12 1");
  EXPECT_EQ(demo.Wait(kLineTimeoutMs), 0);
}

TEST_F(VisibleWindows, AWaitingProgramUsesNoMeasurableCpu) {
  ChildProcess idle({VISIBLE_DEMO_PATH, "--idle"}, Display());
  std::istringstream line(idle.ReadLine(kLineTimeoutMs).value_or(""));
  std::string word;
  long cpuMs = -1;
  line >> word >> cpuMs;
  ASSERT_EQ(word, "idle");
  // Two seconds of waiting; a busy loop would use about 2000 ms.
  EXPECT_GE(cpuMs, 0);
  EXPECT_LT(cpuMs, 100) << "5% of one core over two seconds";
  EXPECT_EQ(idle.Wait(kLineTimeoutMs), 0);
}

}  // namespace
