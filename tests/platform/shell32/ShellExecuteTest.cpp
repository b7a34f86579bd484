#include <shellapi.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "../kernel32/TempPrefix.h"

namespace {

class ShellExecuteTest : public TempPrefix {
 protected:
  static INT_PTR Code(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result); }

  // Waits for a file the started program writes; no timing is asserted, the wait only ends
  // the test if the program never runs.
  static std::string AwaitFile(const std::string& host) {
    for (int i = 0; i < 500; ++i) {
      std::string text = Read(host);
      if (!text.empty() && text.back() == '\n') return text;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
  }

  void MakeScript(const std::string& below, const std::string& body, mode_t mode) {
    Write(DriveC(below), "#!/bin/sh\n" + body);
    chmod(DriveC(below).c_str(), mode);
  }
};

TEST_F(ShellExecuteTest, StartsAScriptInTheGivenFolderWithoutWaitingForIt) {
  std::filesystem::create_directories(DriveC("TAWO"));
  MakeScript("TAWO/tawo.sh", "sleep 0.2; pwd > \"$PWD/ran.txt\"; echo \"$1\" >> \"$PWD/ran.txt\"\n", 0755);
  HINSTANCE result = ShellExecuteA(nullptr, "open", "TAWO.SH", "\"two words\"", "C:\\tawo", 10);
  EXPECT_GT(Code(result), 32);
  EXPECT_EQ(Read(DriveC("TAWO/ran.txt")), "") << "returned before the program finished";
  EXPECT_EQ(AwaitFile(DriveC("TAWO/ran.txt")), DriveC("TAWO") + "\ntwo words\n");
}

TEST_F(ShellExecuteTest, ARelativeFileWithoutAFolderIsFoundInTheCurrentFolder) {
  std::filesystem::create_directories(DriveC("cd"));
  MakeScript("cd/run.sh", "pwd > \"$PWD/ran.txt\"\n", 0644);  // no executable bit: run by its #! line
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\CD"));
  EXPECT_GT(Code(ShellExecuteA(nullptr, nullptr, "Run.sh", nullptr, nullptr, 1)), 32);
  EXPECT_EQ(AwaitFile(DriveC("cd/ran.txt")), DriveC("cd") + "\n");
}

TEST_F(ShellExecuteTest, FilesThatCannotRunFailWithTheirCodes) {
  std::filesystem::create_directories(DriveC("cd"));
  Write(DriveC("cd/tawo.exe"), std::string("MZ\x90\0", 4) + std::string(60, '\0'));
  Write(DriveC("cd/notes.txt"), "text");
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "tawo.exe", nullptr, "C:\\cd", 10)), ERROR_BAD_FORMAT);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "notes.txt", nullptr, "C:\\cd", 10)), SE_ERR_NOASSOC);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "missing.exe", nullptr, "C:\\cd", 10)), SE_ERR_FNF);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "C:\\nowhere\\x.exe", nullptr, nullptr, 10)), SE_ERR_PNF);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", "x.exe", nullptr, "C:\\nowhere", 10)), SE_ERR_PNF);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "print", "notes.txt", nullptr, "C:\\cd", 10)), SE_ERR_NOASSOC);
  EXPECT_EQ(Code(ShellExecuteA(nullptr, "open", nullptr, nullptr, nullptr, 10)), SE_ERR_FNF);
}

}  // namespace
