// The real installer program on an X display, driven with xdotool like a person would: it
// opens centred and borderless, shows a button's hint when the mouse rests on it, installs the
// demo CD with the progress bar moving, and closes on "Zakończ". The screenshots stay in the
// test output.
#include <gtest/gtest.h>
#include <stdlib.h>
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

class InstallerWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbSession::ToolsInstalled() || !std::filesystem::exists("/usr/bin/xwd")) {
      GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed (scripts/setup.sh)";
    }
    session_ = std::make_unique<XvfbSession>();
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

  // WINDOW, X, Y, WIDTH, HEIGHT of the program's visible window.
  std::map<std::string, long> Geometry(pid_t pid) const {
    std::map<std::string, long> values;
    // The search also lists the root window, which belongs to no process, so it waits itself.
    std::string id;
    for (int attempt = 0; attempt < 80 && id.empty(); ++attempt) {
      std::istringstream found(Xdotool("search --onlyvisible --pid " + std::to_string(pid) + " '.*'"));
      for (std::string candidate; std::getline(found, candidate) && id.empty();) {
        if (std::atol(Xdotool("getwindowpid " + candidate + " 2>/dev/null").c_str()) == pid) id = candidate;
      }
      if (id.empty()) std::this_thread::sleep_for(milliseconds(250));
    }
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

TEST_F(InstallerWindow, InstallsTheDemoCdWithThePointerAndClosesOnZakoncz) {
  auto app = Start();
  std::map<std::string, long> window = Geometry(app->Pid());
  ASSERT_EQ(window.count("WINDOW"), 1u) << "the installer's window did not appear";
  EXPECT_EQ(window["WIDTH"], 225);
  EXPECT_EQ(window["HEIGHT"], 285);
  EXPECT_EQ(window["X"], (1024 - 225) / 2);
  EXPECT_EQ(window["Y"], (768 - 285) / 2);
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

}  // namespace
