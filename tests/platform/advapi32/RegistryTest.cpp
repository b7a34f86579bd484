#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../kernel32/TempPrefix.h"
#include "DeferredSaves.h"
#include "HiveFile.h"

namespace {

class RegistryApi : public TempPrefix {
 protected:
  static LONG SetString(HKEY key, const char* name, const std::string& text) {
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1));
  }
  static std::string GetString(HKEY key, const char* name) {
    char buffer[256] = {};
    DWORD size = sizeof buffer, type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) return "<missing>";
    return buffer;
  }
  // Deletes a key and everything below it by enumerating, as NT callers must.
  static void DeleteTree(HKEY parent, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD size = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      DeleteTree(key, child);
      size = sizeof child;
    }
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(parent, name), ERROR_SUCCESS);
  }
  std::string Hive(const char* name) const { return Read(root_ + "/" + name); }
};

TEST_F(RegistryApi, CreateWriteReadAndPersistAsRegistryExportText) {
  HKEY key;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Welgato\\TAWO", 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, &disposition), ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
  EXPECT_EQ(SetString(key, "Wersja", "1.48"), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, "instPath", "C:\\Program Files\\TAWO\\"), ERROR_SUCCESS);
  DWORD runs = 10;
  EXPECT_EQ(RegSetValueExA(key, "Runs", 0, REG_DWORD, reinterpret_cast<BYTE*>(&runs), 4), ERROR_SUCCESS);
  EXPECT_EQ(RegFlushKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  std::string text = Hive("user.reg");
  EXPECT_NE(text.find("[HKEY_CURRENT_USER\\SOFTWARE\\Welgato\\TAWO]\r\n\"Wersja\"=\"1.48\"\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\"instPath\"=\"C:\\\\Program Files\\\\TAWO\\\\\""), std::string::npos) << text;
  EXPECT_NE(text.find("\"Runs\"=dword:0000000a"), std::string::npos) << text;

  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software\\WELGATO\\tawo\\", 0, KEY_READ, &key), ERROR_SUCCESS);
  EXPECT_EQ(GetString(key, "WERSJA"), "1.48");
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Wersja", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 5u);
  char small[2];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(key, "Wersja", nullptr, &type, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 5u);
  EXPECT_EQ(RegQueryValueExA(key, "none", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(SetString(key, "x", "y"), ERROR_ACCESS_DENIED) << "opened for reading";
  RegCloseKey(key);

  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Welgato\\TAWO", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            &disposition), ERROR_SUCCESS);
  EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
  RegCloseKey(key);
}

TEST_F(RegistryApi, ValueKindsRoundTripThroughTheHiveFile) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kinds", &key), ERROR_SUCCESS);
  const char multi[] = "a\0b\0";
  const BYTE blob[] = {1, 2, 0xFF, 0};
  std::string polish = "Zako\xF1" "czono \"cytat\"\r\nnowa linia";
  std::string unterminated = "no nul";
  EXPECT_EQ(RegSetValueExA(key, "Multi", 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(multi), sizeof multi), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%TEMP%"), 7), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "None", 0, REG_NONE, nullptr, 0), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(polish.c_str()), polish.size() + 1), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated.data()), unterminated.size()), ERROR_SUCCESS);
  EXPECT_EQ(RegFlushKey(key), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_NE(Hive("system.reg").find("@=\"Zakończono \\\"cytat\\\"\\r\\nnowa linia\""), std::string::npos) << "UTF-8 text";

  WinportSetPrefix(root_.c_str());  // drop everything cached: read back from the file
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, "..\\..", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\kinds", 0, KEY_READ, &key), ERROR_SUCCESS);
  struct Expected {
    const char* name;
    DWORD type;
    std::string data;
  } expected[] = {{"Multi", REG_MULTI_SZ, std::string(multi, sizeof multi)},
                  {"Blob", REG_BINARY, std::string(reinterpret_cast<const char*>(blob), sizeof blob)},
                  {"Expand", REG_EXPAND_SZ, std::string("%TEMP%", 7)},
                  {"None", REG_NONE, ""},
                  {"", REG_SZ, polish + '\0'},
                  {"Raw", REG_SZ, unterminated}};
  for (DWORD i = 0; i < std::size(expected); ++i) {
    char name[64];
    BYTE data[128];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    ASSERT_EQ(RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize), ERROR_SUCCESS);
    EXPECT_STREQ(name, expected[i].name) << "creation order";
    EXPECT_EQ(type, expected[i].type) << name;
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), dataSize), expected[i].data) << name;
  }
  char name[8];
  DWORD nameSize = sizeof name;
  EXPECT_EQ(RegEnumValueA(key, 6, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
  RegCloseKey(key);
}

TEST_F(RegistryApi, EnumerateSortedAndDeleteRecursivelyByEnumeration) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Tree", &key), ERROR_SUCCESS);
  for (const char* name : {"b", "C\\deep\\deeper", "A", "c2"}) {
    HKEY child;
    ASSERT_EQ(RegCreateKeyA(key, name, &child), ERROR_SUCCESS);
    RegCloseKey(child);
  }
  std::vector<std::string> names;
  char name[16];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    EXPECT_EQ(size, std::strlen(name));
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "C", "c2"}));
  DWORD subkeys = 0, longest = 0;
  ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &longest, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 4u);
  EXPECT_EQ(longest, 2u);
  DWORD tiny = 1;
  EXPECT_EQ(RegEnumKeyExA(key, 0, name, &tiny, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);

  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Tree\\C"), ERROR_ACCESS_DENIED) << "NT keeps keys with subkeys";
  DeleteTree(HKEY_CURRENT_USER, "Tree");
  HKEY gone;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Tree", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr, nullptr), ERROR_KEY_DELETED);
  RegCloseKey(key);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Tree"), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryApi, HandlesPathsAndRootsFailCleanly) {
  HKEY key;
  EXPECT_EQ(RegOpenKeyExA(HKEY_DYN_DATA, "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegOpenKeyExA(reinterpret_cast<HKEY>(0x1234), "x", 0, KEY_READ, &key), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x1234)), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "\\Leading", &key), ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "a\\\\b", &key), ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "x", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, nullptr, nullptr),
            ERROR_INVALID_PARAMETER);
  ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, ".txt", &key), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\.TXT", 0, KEY_READ, &key), ERROR_SUCCESS)
      << "HKEY_CLASSES_ROOT is the machine's classes";
  RegCloseKey(key);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &key), ERROR_SUCCESS);
  EXPECT_EQ(RegCreateKeyExA(key, "child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegFlushKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}

TEST_F(RegistryApi, ADamagedHiveIsReportedAndKept) {
  const std::string damaged = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n\"broken=\r\n";
  Write(root_ + "/user.reg", damaged);
  HKEY key;
  testing::internal::CaptureStderr();
  EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "B", &key), ERROR_BADDB);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "A", 0, KEY_READ, &key), ERROR_BADDB);
  std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("user.reg"), std::string::npos) << message;
  EXPECT_NE(message.find("line 4"), std::string::npos) << message;
  EXPECT_EQ(Hive("user.reg"), damaged);
  EXPECT_EQ(RegCreateKeyA(HKEY_LOCAL_MACHINE, "Fine", &key), ERROR_SUCCESS) << "the other hive still works";
  RegCloseKey(key);
}

// A writer that is killed at random moments while saving: every hive left behind must parse
// and hold either the old or the new value.
TEST_F(RegistryApi, SavesSurviveAWriterKilledMidway) {
  for (int round = 0; round < 40; ++round) {
    pid_t writer = fork();
    if (writer == 0) {
      HKEY key;
      if (RegCreateKeyA(HKEY_CURRENT_USER, "SOFTWARE\\Durable", &key) != ERROR_SUCCESS) _exit(1);
      std::string filler(3000, 'f');
      for (int i = 0;; ++i) {
        SetString(key, "Counter", std::to_string(i) + filler);
        SetString(key, ("Extra" + std::to_string(i % 50)).c_str(), filler);
        RegFlushKey(key);
      }
    }
    usleep(2000 + (round * 997) % 8000);
    kill(writer, SIGKILL);
    int status;
    waitpid(writer, &status, 0);
    WinportSetPrefix(root_.c_str());
    HKEY key;
    LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Durable", 0, KEY_READ, &key);
    ASSERT_TRUE(opened == ERROR_SUCCESS || opened == ERROR_FILE_NOT_FOUND) << "round " << round << ": " << opened;
    if (opened == ERROR_SUCCESS) {
      std::string counter = GetString(key, "Counter");
      EXPECT_TRUE(counter == "<missing>" || counter.size() > 3000) << "round " << round;
      RegCloseKey(key);
    }
  }
}

TEST_F(RegistryApi, TwoProcessesWritingIntoOnePrefixLoseNothing) {
  constexpr int kWrites = 60;
  pid_t writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = fork();
    if (writers[w] == 0) {
      HKEY key;
      if (RegCreateKeyA(HKEY_CURRENT_USER, "Shared", &key) != ERROR_SUCCESS) _exit(1);
      for (int i = 0; i < kWrites; ++i) {
        std::string name = "w" + std::to_string(w) + "_" + std::to_string(i);
        if (SetString(key, name.c_str(), name) != ERROR_SUCCESS) _exit(2);
      }
      // Saved once at the end: whichever saves second applies its changes over the other's.
      _exit(RegFlushKey(key) == ERROR_SUCCESS ? 0 : 3);
    }
  }
  for (pid_t writer : writers) {
    int status = 0;
    waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Shared", 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(values, 2u * kWrites);
  EXPECT_EQ(GetString(key, "w1_59"), "w1_59");
  RegCloseKey(key);
}

// Changes are held until a save point: here the message loop's (which runs the deferred
// saves) and the process's exit. Each saves all that is pending in one durable save, which
// the save count in the hive's lock file tells.
TEST_F(RegistryApi, ChangesUpToASavePointAreSavedOnceAndExitSavesTheRest) {
  const auto saves = [&] {
    uint64_t count = 0;
    const std::string lock = Read(root_ + "/user.reg.lock");
    if (lock.size() >= sizeof count) std::memcpy(&count, lock.data(), sizeof count);
    return count;
  };
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "SOFTWARE\\Welgato\\TAWO", &key), ERROR_SUCCESS);
  SetString(key, "Wersja", "1.48");
  SetString(key, "instPath", "C:\\TAWO\\");
  EXPECT_EQ(saves(), 0u);
  DeferredSaves::Run();
  EXPECT_EQ(saves(), 1u);
  EXPECT_NE(Hive("user.reg").find("\"instPath\"=\"C:\\\\TAWO\\\\\""), std::string::npos);

  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    SetString(key, "cdPath", "D:\\");
    RegDeleteValueA(key, "Wersja");
    std::exit(saves() == 1 ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "nothing saved before the exit";
  EXPECT_EQ(saves(), 2u);
  EXPECT_EQ(GetString(key, "cdPath"), "D:\\");
  EXPECT_EQ(GetString(key, "Wersja"), "<missing>");
  RegCloseKey(key);
}

std::string NestedPath(size_t depth) {
  std::string path = "k";
  for (size_t i = 1; i < depth; ++i) path += "\\k";
  return path;
}

TEST_F(RegistryApi, KeysNestAtMost512LevelsThroughTheApiAndInHiveFiles) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, NestedPath(512).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, NestedPath(513).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_INVALID_PARAMETER);
  WinportSetPrefix(root_.c_str());  // read the saved hive afresh
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, NestedPath(512).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  RegCloseKey(key);

  for (size_t depth : {size_t{513}, size_t{1000000}}) {
    Write(root_ + "/user.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + NestedPath(depth) + "]\r\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "k", 0, KEY_READ, &key), ERROR_BADDB) << depth;
    EXPECT_NE(testing::internal::GetCapturedStderr().find("nested too deep"), std::string::npos);
  }
}

TEST_F(RegistryApi, AKeyWithManyValuesReadsAndWritesInOnePass) {
  constexpr int kValues = 100000;
  std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Many]\r\n";
  for (int i = 0; i < kValues; ++i) text += "\"Value" + std::to_string(i) + "\"=dword:00000001\r\n";
  text += "\"value7\"=-\r\n";
  Write(root_ + "/user.reg", text);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Many", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  EXPECT_EQ(SetString(key, "VALUE99999", "last"), ERROR_SUCCESS);
  EXPECT_EQ(GetString(key, "value99999"), "last");
  EXPECT_EQ(GetString(key, "Value7"), "<missing>");
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(values, DWORD{kValues - 1});
  char name[32];
  DWORD size = sizeof name;
  ASSERT_EQ(RegEnumValueA(key, 7, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_STREQ(name, "Value8") << "creation order without the removed value";
  RegCloseKey(key);
}

// A save by another process that leaves the hive with the inode, size and modification time
// it had before (inode numbers are reused, and times move in coarse ticks) is still seen.
TEST_F(RegistryApi, AnotherProcesssSaveIsSeenWhenTheFileLooksUnchanged) {
  const std::string path = root_ + "/user.reg";
  HiveFile mine(path), theirs(path);
  auto set = [](HiveFile& hive, const char* data) {
    hive.Modify([data](RegistryKey& top, bool& changed) {
      top.Obtain("HKEY_CURRENT_USER", changed).SetValue("X", REG_SZ, data);
      changed = true;
      return static_cast<LONG>(ERROR_SUCCESS);
    });
    return hive.SavePending();
  };
  ASSERT_EQ(set(mine, "1"), ERROR_SUCCESS);
  const std::string kept = root_ + "/kept.reg";
  ASSERT_EQ(link(path.c_str(), kept.c_str()), 0);
  struct stat before;
  ASSERT_EQ(stat(kept.c_str(), &before), 0);
  ASSERT_EQ(set(theirs, "2"), ERROR_SUCCESS);
  Write(kept, Read(path));
  const timespec times[2] = {before.st_atim, before.st_mtim};
  ASSERT_EQ(utimensat(AT_FDCWD, kept.c_str(), times, 0), 0);
  ASSERT_EQ(rename(kept.c_str(), path.c_str()), 0);

  std::string seen;
  mine.Read([&](const RegistryKey& top) {
    seen = top.Find("HKEY_CURRENT_USER")->FindValue("X")->data;
    return static_cast<LONG>(ERROR_SUCCESS);
  });
  EXPECT_EQ(seen, "2");
}

}  // namespace
