// The real installer program on an X display, driven with xdotool like a person would, on a bare
// X server and under a window manager that decorates, places and moves the window: it opens
// centred, shows a button's hint when the mouse rests on it, installs the demo CD with the
// progress bar moving, closes on "Zakończ", works from the keyboard alone, follows moves, and
// exits cleanly after showing an error box. The screenshots stay in the test output.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>
#include <windows.h>
#include <winport.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "ChildProcess.h"
#include "DemoCd.h"
#include "ScreenShot.h"
#include "XvfbSession.h"

namespace {

using std::chrono::milliseconds;

// The parameter: whether a window manager runs.
class InstallerWindow : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!XvfbSession::ToolsInstalled() || !std::filesystem::exists("/usr/bin/xwd")) {
      GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed (scripts/setup.sh)";
    }
    if (Managed() && !XvfbSession::WindowManagerInstalled()) GTEST_SKIP() << "twm is not installed (scripts/setup.sh)";
    session_ = std::make_unique<XvfbSession>(Managed() ? XvfbSession::Manager::Twm : XvfbSession::Manager::None);
    ASSERT_FALSE(session_->Display().empty()) << "no X display could be started";
    char pattern[] = "/tmp/tawo-visible-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    prefix_ = pattern;
    WinportSetPrefix(prefix_.c_str());
    char program[MAX_PATH * 4];
    ASSERT_GT(WinportGetWindowsPath(TAWO_DEMO_PATH, program, sizeof program), 0u);
    DemoCd().Write("C:\\CD\\", program);
    std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  }

  void TearDown() override {
    WinportSetPrefix(nullptr);
    std::error_code ignored;
    if (!prefix_.empty()) std::filesystem::remove_all(prefix_, ignored);
  }

  static bool Managed() { return GetParam(); }

  std::unique_ptr<ChildProcess> Start() {
    const std::string command = "cd '" + prefix_ + "/drive_c/CD' && WINPREFIX='" + prefix_ +
                                "' WINDISPLAY=sdl exec '" INSTALATOR_PATH "'";
    return std::make_unique<ChildProcess>(std::vector<std::string>{"/bin/sh", "-c", command}, session_->Display());
  }

  std::string Xdotool(const std::string& arguments) const {
    const std::string command = "DISPLAY=" + session_->Display() + " timeout 20 xdotool " + arguments;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    char buffer[256];
    while (pipe && fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
    return output;
  }

  // The program's visible window with this title; empty when none appears.
  std::string WindowTitled(pid_t pid, const std::string& title) const {
    // The search also lists the root window, which belongs to no process, so it waits itself.
    for (int attempt = 0; attempt < 80; ++attempt) {
      std::istringstream found(Xdotool("search --onlyvisible --name '^" + title + "$'"));
      for (std::string candidate; std::getline(found, candidate);) {
        if (std::atol(Xdotool("getwindowpid " + candidate + " 2>/dev/null").c_str()) == pid) return candidate;
      }
      std::this_thread::sleep_for(milliseconds(250));
    }
    return {};
  }

  // WINDOW, X, Y, WIDTH, HEIGHT of the installer's main window, found by its title.
  std::map<std::string, long> Geometry(pid_t pid) const {
    std::map<std::string, long> values;
    const std::string id = WindowTitled(pid, "Instalator TAWO");
    if (id.empty()) return values;
    std::istringstream lines(Xdotool("getwindowgeometry --shell " + id));
    for (std::string line; std::getline(lines, line);) {
      const size_t equals = line.find('=');
      if (equals != std::string::npos) values[line.substr(0, equals)] = std::stol(line.substr(equals + 1));
    }
    return values;
  }

  ScreenShot Shot(const char* name) const {
    ScreenShot shot = ScreenShot::Take(session_->Display());
    if (!shot.Empty()) shot.WritePng(std::string(TAWO_TEST_OUTPUT_DIR) + "/" + name);
    return shot;
  }

  static bool ShowsGreen(const ScreenShot& shot, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        const uint32_t rgb = shot.Pixel(x, y);
        const uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
        if (green >= 0x60 && red < 0x40 && blue < 0x40) return true;
      }
    }
    return false;
  }

  static bool Differ(const ScreenShot& a, const ScreenShot& b, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (a.Pixel(x, y) != b.Pixel(x, y)) return true;
      }
    }
    return false;
  }

  std::unique_ptr<XvfbSession> session_;
  std::string prefix_;
};

TEST_P(InstallerWindow, InstallsTheDemoCdWithThePointerAndClosesOnZakoncz) {
  auto app = Start();
  std::map<std::string, long> window = Geometry(app->Pid());
  ASSERT_EQ(window.count("WINDOW"), 1u) << "the installer's window did not appear";
  EXPECT_EQ(window["WIDTH"], 225);
  EXPECT_EQ(window["HEIGHT"], 285);
  // A window manager places the window's frame where the program asked, so its content sits
  // inside the frame's border.
  const long slack = Managed() ? 8 : 0;
  EXPECT_NEAR(window["X"], (1024 - 225) / 2, slack);
  EXPECT_NEAR(window["Y"], (768 - 285) / 2, slack);
  const long x = window["X"], y = window["Y"];
  std::this_thread::sleep_for(milliseconds(500));
  const ScreenShot start = Shot("visible-start.png");
  ASSERT_FALSE(start.Empty()) << "xwd gave no screenshot";

  // The pointer resting on "Uruchom", then a click on "Instaluj"; the screen is kept as the
  // installer shows it while it works.
  Xdotool("mousemove " + std::to_string(x + 43) + " " + std::to_string(y + 230));
  std::this_thread::sleep_for(milliseconds(700));
  const ScreenShot hint = Shot("visible-hint.png");
  const RECT statusBar{static_cast<LONG>(x + 2), static_cast<LONG>(y + 266), static_cast<LONG>(x + 223),
                       static_cast<LONG>(y + 283)};
  EXPECT_TRUE(Differ(start, hint, statusBar)) << "the hint of \"Uruchom\" shows in the status bar";
  Xdotool("mousemove " + std::to_string(x + 113) + " " + std::to_string(y + 230) + " click 1");
  const RECT progressBar{static_cast<LONG>(x + 3), static_cast<LONG>(y + 248), static_cast<LONG>(x + 221),
                         static_cast<LONG>(y + 265)};
  // The copy runs from the first data folder's appearance until the program file, copied last,
  // is there. A loaded machine may take a while to handle the click, and a fast one may end
  // the whole copy before the first screenshot; when the copy runs long enough for several,
  // the bar must be seen filling.
  const std::string installed = prefix_ + "/drive_c/Program Files/TAWO";
  bool barShown = false;
  int shotsWhileCopying = 0;
  for (int attempt = 0; attempt < 80 && !barShown; ++attempt) {
    const bool started = std::filesystem::exists(installed + "/Data");
    const ScreenShot installing = Shot("visible-installing.png");
    if (std::filesystem::exists(installed + "/TAWO.exe")) break;
    if (!started) continue;
    ++shotsWhileCopying;
    barShown = ShowsGreen(installing, progressBar);
  }
  if (shotsWhileCopying >= 5) {
    EXPECT_TRUE(barShown) << "the progress bar reaches the screen while the copy runs";
  }
  for (int i = 0; i < 600 && !std::filesystem::exists(installed + "/TAWO.exe"); ++i) std::this_thread::sleep_for(milliseconds(100));
  std::this_thread::sleep_for(milliseconds(1500));
  Shot("visible-installed.png");
  size_t files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(installed)) files += entry.is_regular_file();
  EXPECT_EQ(files, 3291u) << "the four data folders and TAWO.exe";

  Xdotool("mousemove " + std::to_string(x + 183) + " " + std::to_string(y + 230) + " click 1");
  EXPECT_EQ(app->Wait(15000), 0) << "\"Zakończ\" ends the program";
}

// Moved (by the window manager when there is one): the hint and the click land on what is drawn.
TEST_P(InstallerWindow, AfterAMoveHintsAndClicksHitWhatIsDrawn) {
  auto app = Start();
  std::map<std::string, long> window = Geometry(app->Pid());
  ASSERT_EQ(window.count("WINDOW"), 1u) << "the installer's window did not appear";
  Xdotool("windowmove --sync " + std::to_string(window["WINDOW"]) + " 100 120");
  std::this_thread::sleep_for(milliseconds(500));
  window = Geometry(app->Pid());
  const long x = window["X"], y = window["Y"];
  EXPECT_NEAR(x, 100, 8);
  const RECT statusBar{static_cast<LONG>(x + 2), static_cast<LONG>(y + 266), static_cast<LONG>(x + 223),
                       static_cast<LONG>(y + 283)};
  Xdotool("mousemove " + std::to_string(x + 113) + " " + std::to_string(y + 150));
  std::this_thread::sleep_for(milliseconds(500));
  const ScreenShot before = Shot("visible-moved.png");
  Xdotool("mousemove " + std::to_string(x + 43) + " " + std::to_string(y + 230));
  std::this_thread::sleep_for(milliseconds(700));
  EXPECT_TRUE(Differ(before, Shot("visible-moved-hint.png"), statusBar)) << "the hint of \"Uruchom\" shows";
  // Just above "Zakończ" is the picture: a click there does nothing.
  Xdotool("mousemove " + std::to_string(x + 183) + " " + std::to_string(y + 205) + " click 1");
  EXPECT_EQ(app->Wait(1000), std::nullopt) << "a click above \"Zakończ\" leaves the program running";
  Xdotool("mousemove " + std::to_string(x + 183) + " " + std::to_string(y + 230) + " click 1");
  EXPECT_EQ(app->Wait(15000), 0) << "\"Zakończ\" ends the program";
}

// Right after start the keyboard works: Tab, Tab, Space installs; Tab, Enter quits.
TEST_P(InstallerWindow, TheKeyboardAloneInstallsAndQuits) {
  auto app = Start();
  std::map<std::string, long> window = Geometry(app->Pid());
  ASSERT_EQ(window.count("WINDOW"), 1u) << "the installer's window did not appear";
  Xdotool("windowfocus --sync " + std::to_string(window["WINDOW"]));
  Xdotool("key --delay 100 Tab Tab space");
  const std::string installed = prefix_ + "/drive_c/Program Files/TAWO/TAWO.exe";
  for (int i = 0; i < 600 && !std::filesystem::exists(installed); ++i) std::this_thread::sleep_for(milliseconds(100));
  EXPECT_TRUE(std::filesystem::exists(installed));
  std::this_thread::sleep_for(milliseconds(1000));
  Xdotool("key --delay 100 Tab Return");
  EXPECT_EQ(app->Wait(15000), 0) << "Tab to \"Zakończ\" and Enter end the program";
}

// A read-only file in the way shows the "ERROR" box; after it, Quit ends the program with status
// 0 every time (the box's window must not outlive it on the X server).
TEST_P(InstallerWindow, QuitAfterAnErrorBoxExitsCleanly) {
  const std::string blocked = prefix_ + "/drive_c/Program Files/TAWO/Data";
  std::filesystem::create_directories(blocked);
  std::string firstFile;
  for (const auto& entry : std::filesystem::directory_iterator(prefix_ + "/drive_c/CD/Data")) {
    if (entry.is_regular_file()) {
      firstFile = entry.path().filename().string();
      break;
    }
  }
  ASSERT_FALSE(firstFile.empty());
  for (int run = 0; run < 3; ++run) {
    std::filesystem::remove(prefix_ + "/user.reg");
    std::filesystem::remove_all(prefix_ + "/drive_c/Program Files/TAWO");
    std::filesystem::create_directories(blocked);
    const std::string inTheWay = blocked + "/" + firstFile;
    FILE* file = std::fopen(inTheWay.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    chmod(inTheWay.c_str(), 0444);
    auto app = Start();
    std::map<std::string, long> window = Geometry(app->Pid());
    ASSERT_EQ(window.count("WINDOW"), 1u) << "the installer's window did not appear";
    const long x = window["X"], y = window["Y"];
    Xdotool("mousemove " + std::to_string(x + 113) + " " + std::to_string(y + 230) + " click 1");
    const std::string box = WindowTitled(app->Pid(), "ERROR");
    EXPECT_FALSE(box.empty()) << "the copy-failure box shows with its title";
    Xdotool("windowfocus --sync " + box);
    Xdotool("key Return");
    Xdotool("mousemove " + std::to_string(x + 183) + " " + std::to_string(y + 230) + " click 1");
    EXPECT_EQ(app->Wait(60000), 0) << "run " << run;
  }
}

INSTANTIATE_TEST_SUITE_P(Desktop, InstallerWindow, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "UnderTwm" : "BareX";
                         });

}  // namespace
