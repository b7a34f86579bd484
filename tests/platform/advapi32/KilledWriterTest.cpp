// A process saving the registry and an ini file is killed at random points: both files must
// parse afterwards and hold the state before or after the save that was cut short, and the
// temporary files of killed writers must not pile up.
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>
#include <random>
#include <string>

#include "../kernel32/TempPrefix.h"

namespace {

constexpr int kRounds = 30;
const std::string kFiller(2000, 'f');
constexpr const char* kIni = "C:\\state.ini";

std::string StateText(int count) { return std::to_string(count) + "|" + kFiller; }

// The count a state text holds; -1 when the text is not one.
int CountOf(const std::string& text) {
  size_t bar = text.find('|');
  if (bar == std::string::npos || bar == 0 || text.substr(bar + 1) != kFiller) return -1;
  return std::stoi(text.substr(0, bar));
}

class KilledWriter : public TempPrefix {
 protected:
  // Saves counts from `first` on, telling the parent of each one saved in both files.
  [[noreturn]] static void Write(int first, int report) {
    HKEY key;
    if (RegCreateKeyA(HKEY_CURRENT_USER, "Software\\State", &key) != ERROR_SUCCESS) _exit(1);
    for (int count = first;; ++count) {
      const std::string text = StateText(count);
      if (RegSetValueExA(key, "Count", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1)) != ERROR_SUCCESS ||
          RegFlushKey(key) != ERROR_SUCCESS || !WritePrivateProfileStringA("State", "Count", text.c_str(), kIni)) {
        _exit(2);
      }
      if (write(report, &count, sizeof count) != sizeof count) _exit(3);
    }
  }

  static int RegistryCount() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\State", 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
    char buffer[4096] = {};
    DWORD size = sizeof buffer - 1;
    LONG result = RegQueryValueExA(key, "Count", nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? CountOf(buffer) : -1;
  }

  static int IniCount() {
    char buffer[4096];
    DWORD length = GetPrivateProfileStringA("State", "Count", "", buffer, sizeof buffer, kIni);
    return CountOf(std::string(buffer, length));
  }

  // Temporary files of hive and ini saves.
  size_t Temporaries() const {
    size_t found = 0;
    for (const auto& folder : {root_, DriveC()}) {
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename();
        found += name.ends_with(".tmp") && (name.starts_with("user.reg.") || name.starts_with(".state.ini."));
      }
    }
    return found;
  }
};

TEST_F(KilledWriter, BothFilesHoldTheOldOrTheNewStateAfterEveryKill) {
  std::mt19937 random(20);
  int saved = -1;  // the last count both files were reported to hold
  for (int round = 0; round < kRounds; ++round) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
      close(pipe[0]);
      Write(saved + 1, pipe[1]);
    }
    close(pipe[1]);
    // Let a random number of saves finish, then kill at a random moment of the next ones.
    const int waitFor = 1 + static_cast<int>(random() % 4);
    for (int i = 0, count; i < waitFor && read(pipe[0], &count, sizeof count) == sizeof count; ++i) saved = count;
    usleep(static_cast<useconds_t>(random() % 3000));
    kill(writer, SIGKILL);
    for (int count; read(pipe[0], &count, sizeof count) == sizeof count;) saved = count;
    close(pipe[0]);
    waitpid(writer, nullptr, 0);

    WinportSetPrefix(root_.c_str());  // as a new process: nothing cached
    const int registry = RegistryCount();
    const int ini = IniCount();
    EXPECT_TRUE(registry == saved || registry == saved + 1) << "round " << round << ": " << registry << " " << saved;
    EXPECT_TRUE(ini == saved || ini == saved + 1) << "round " << round << ": " << ini << " " << saved;
    EXPECT_LE(Temporaries(), 2u) << "round " << round << ": at most the killed writer's own";
    saved = std::max({saved, registry, ini});
  }
}

}  // namespace
