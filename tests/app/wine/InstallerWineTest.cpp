// The Windows build of the installer (MinGW-w64 against the real SDK, linked with the real
// system libraries) run by Wine on an X display, driven with xdotool: a click on "Instaluj"
// installs the demo CD into the Wine prefix's drive C: (the tree, the record that `wine reg
// query` reads back, a shortcut that lnkinfo reads); a click on "Usuń" takes all three away.
// Wine runs in a Polish locale, so its ANSI code page is Windows-1250 as on the systems the
// installer is made for. Wine's short names are not "PROGRA~1", so the program installs into
// C:\TAWO there.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <windows.h>
#include <winport.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "ChildProcess.h"
#include "DemoCd.h"
#include "XvfbSession.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

std::string Shell(const std::string& command, int* status = nullptr) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
  std::string output;
  char buffer[512];
  while (pipe && fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  const int result = pipe ? pclose(pipe.release()) : -1;
  if (status != nullptr) *status = result;
  return output;
}

bool WaitFor(const std::function<bool()>& done, int seconds) {
  for (int i = 0; i < seconds * 10; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(milliseconds(100));
  }
  return done();
}

class InstallerInWine : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbSession::ToolsInstalled() || Shell("command -v wine").empty() || Shell("command -v lnkinfo").empty() ||
        Shell("locale -a | grep -i '^pl_PL.utf-\\?8$'").empty()) {
      GTEST_SKIP() << "Xvfb, xdotool, wine, lnkinfo or the pl_PL.UTF-8 locale is missing (scripts/setup.sh)";
    }
    ASSERT_TRUE(fs::exists(WINDOWS_INSTALATOR)) << "the Windows build is missing: " << WINDOWS_INSTALATOR;
    session_ = std::make_unique<XvfbSession>();
    ASSERT_FALSE(session_->Display().empty()) << "no X display could be started";
    char pattern[] = "/tmp/tawo-wine-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    wine_ = "DISPLAY=" + session_->Display() + " LANG=pl_PL.UTF-8 WINEPREFIX='" + root_ + "/wine' WINEDEBUG=-all " +
            "WINEDLLOVERRIDES='mscoree,mshtml=' ";
    Shell(wine_ + "wine wineboot -i");
    ASSERT_TRUE(fs::exists(root_ + "/wine/drive_c")) << "wine made no prefix";
    WriteCd(root_ + "/wine/drive_c/CD");
  }

  void TearDown() override {
    if (root_.empty()) return;
    Shell(wine_ + "wineserver -k");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // The demo CD with the Windows programs: written below a prefix of our own, then copied.
  void WriteCd(const std::string& cd) {
    const std::string ours = root_ + "/ours";
    WinportSetPrefix(ours.c_str());
    char program[MAX_PATH * 4];
    ASSERT_GT(WinportGetWindowsPath(WINDOWS_TAWO_DEMO, program, sizeof program), 0u);
    DemoCd().Write("C:\\CD\\", program);
    WinportSetPrefix(nullptr);
    fs::copy(ours + "/drive_c/CD", cd, fs::copy_options::recursive);
    fs::copy_file(WINDOWS_INSTALATOR, cd + "/instalator.exe");
  }

  std::string Xdotool(const std::string& arguments) const {
    return Shell("DISPLAY=" + session_->Display() + " timeout 20 xdotool " + arguments);
  }

  // X and Y of the installer's window once it shows.
  std::map<std::string, long> Geometry() const {
    std::map<std::string, long> values;
    std::string id;
    WaitFor([&] {
      std::istringstream found(Xdotool("search --onlyvisible --name '^Instalator TAWO$'"));
      return static_cast<bool>(std::getline(found, id)) && !id.empty() && std::isdigit(id[0]);
    }, 60);
    if (id.empty()) return values;
    std::istringstream lines(Xdotool("getwindowgeometry --shell " + id));
    for (std::string line; std::getline(lines, line);) {
      const size_t equals = line.find('=');
      if (equals != std::string::npos) values[line.substr(0, equals)] = std::stol(line.substr(equals + 1));
    }
    return values;
  }

  void ClickAt(long x, long y) const {
    Xdotool("mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
  }

  // The shortcut in the Start-menu programs folder of Wine's user; empty when there is none.
  std::string Shortcut() const {
    std::error_code error;
    for (fs::recursive_directory_iterator it(root_ + "/wine/drive_c/users", error), end; it != end; it.increment(error)) {
      if (it->path().filename() == "Lesmora.lnk") return it->path().string();
    }
    return {};
  }

  std::string RecordQuery(int* status) const {
    return Shell(wine_ + "wine reg query 'HKCU\\SOFTWARE\\Welgato\\TAWO'", status);
  }

  std::unique_ptr<XvfbSession> session_;
  std::string root_;
  std::string wine_;
};

TEST_F(InstallerInWine, InstallsAndRemovesTheDemoCd) {
  ChildProcess app({"/bin/sh", "-c", "cd '" + root_ + "/wine/drive_c/CD' && " + wine_ + "exec wine instalator.exe"},
                   session_->Display());
  std::map<std::string, long> window = Geometry();
  ASSERT_EQ(window.count("X"), 1u) << "the installer's window did not appear";
  EXPECT_EQ(window["WIDTH"], 225);
  EXPECT_EQ(window["HEIGHT"], 285);
  const long x = window["X"], y = window["Y"];
  const std::string installed = root_ + "/wine/drive_c/TAWO";

  ClickAt(x + 113, y + 230);  // "Instaluj"
  ASSERT_TRUE(WaitFor([&] { return fs::exists(installed + "/TAWO.exe") && !Shortcut().empty(); }, 120))
      << "nothing was installed";
  size_t files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(installed)) files += entry.is_regular_file();
  EXPECT_EQ(files, 3291u) << "the four data folders and TAWO.exe";
  int status = -1;
  std::string record;
  WaitFor([&] {
    record = RecordQuery(&status);
    return status == 0;
  }, 20);
  EXPECT_NE(record.find("instPath    REG_SZ    C:\\TAWO\\"), std::string::npos) << record;
  EXPECT_NE(record.find("cdPath    REG_SZ    C:\\CD"), std::string::npos) << record;
  EXPECT_NE(record.find("Wersja"), std::string::npos) << record;
  const std::string link = Shell("lnkinfo '" + Shortcut() + "'");
  EXPECT_NE(link.find("Local path\t\t\t: C:\\TAWO\\TAWO.exe"), std::string::npos) << link;
  EXPECT_NE(link.find("Working directory\t\t: C:\\TAWO\\"), std::string::npos) << link;

  std::this_thread::sleep_for(milliseconds(1000));
  ClickAt(x + 113, y + 230);  // now "Usuń"
  EXPECT_TRUE(WaitFor([&] { return !fs::exists(installed) && Shortcut().empty(); }, 120)) << "the removal left files";
  WaitFor([&] {
    RecordQuery(&status);
    return status != 0;
  }, 20);
  EXPECT_NE(status, 0) << "the record is gone";

  ClickAt(x + 183, y + 230);  // "Zakończ"
  EXPECT_EQ(app.Wait(30000), 0) << "\"Zakończ\" ends the program";
}

}  // namespace
