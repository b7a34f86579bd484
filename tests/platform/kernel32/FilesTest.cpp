#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>

#include <csignal>
#include <set>

#include "TempPrefix.h"

namespace {

class Files : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    std::filesystem::create_directories(DriveC("src/sub"));
    Write(DriveC("src/a.txt"), "alpha");
    Write(DriveC("src/sub/b.bin"), std::string(100000, 'b'));
  }
};

TEST_F(Files, AttributesComeFromPermissionsAndTheExtendedAttribute) {
  EXPECT_EQ(GetFileAttributesA("C:\\src\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_EQ(GetFileAttributesA("C:\\src\\sub"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  Write(DriveC("src/.profile"), "x");
  EXPECT_EQ(GetFileAttributesA("C:\\src\\.profile") & FILE_ATTRIBUTE_HIDDEN, 0u) << "dot-files are not hidden";

  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(GetFileAttributesA("C:\\src\\a.txt"),
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  struct stat status;
  ASSERT_EQ(stat(DriveC("src/a.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0222, 0u) << "read-only is the absence of write permission";
  char stored[16] = {};
  EXPECT_GT(getxattr(DriveC("src/a.txt").c_str(), "user.DOSATTRIB", stored, sizeof stored), 0);
  EXPECT_STREQ(stored, "0x6");

  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", 0));
  EXPECT_EQ(GetFileAttributesA("C:\\src\\a.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", FILE_ATTRIBUTE_ARCHIVE));
  EXPECT_LT(getxattr(DriveC("src/a.txt").c_str(), "user.DOSATTRIB", stored, sizeof stored), 0) << "default: no attribute";

  std::filesystem::create_symlink(DriveC("src/sub"), DriveC("src/link"));
  EXPECT_EQ(GetFileAttributesA("C:\\src\\link"), static_cast<DWORD>(FILE_ATTRIBUTE_REPARSE_POINT));

  SetLastError(0);
  EXPECT_EQ(GetFileAttributesA("C:\\src\\none"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesA("C:\\none\\none"), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(Files, CopyKeepsContentsAttributesTimesAndTheExecutableBit) {
  ASSERT_EQ(chmod(DriveC("src/sub/b.bin").c_str(), 0755), 0);
  ASSERT_TRUE(SetFileAttributesA("C:\\src\\sub\\b.bin", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  std::filesystem::create_directories(DriveC("dst"));
  ASSERT_TRUE(CopyFileA("C:\\SRC\\SUB\\B.BIN", "C:\\dst\\b.bin", FALSE));
  EXPECT_EQ(Read(DriveC("dst/b.bin")), std::string(100000, 'b'));
  EXPECT_EQ(GetFileAttributesA("C:\\dst\\b.bin"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  struct stat source, copy;
  ASSERT_EQ(stat(DriveC("src/sub/b.bin").c_str(), &source), 0);
  ASSERT_EQ(stat(DriveC("dst/b.bin").c_str(), &copy), 0);
  EXPECT_EQ(copy.st_mode & 0111, 0111u);
  EXPECT_EQ(copy.st_mtim.tv_sec, source.st_mtim.tv_sec);
  EXPECT_EQ(copy.st_mtim.tv_nsec, source.st_mtim.tv_nsec);
}

TEST_F(Files, CopyOverAReadOnlyOrHiddenFileIsRefusedAndLeavesItAlone) {
  std::filesystem::create_directories(DriveC("dst"));
  ASSERT_TRUE(CopyFileA("C:\\src\\a.txt", "C:\\dst\\a.txt", FALSE));
  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(CopyFileA("C:\\src\\a.txt", "C:\\dst\\ro.txt", FALSE));
  EXPECT_EQ(GetFileAttributesA("C:\\dst\\ro.txt"), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\ro.txt", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(Read(DriveC("dst/ro.txt")), "alpha");

  ASSERT_TRUE(SetFileAttributesA("C:\\dst\\a.txt", FILE_ATTRIBUTE_HIDDEN));
  EXPECT_FALSE(CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\a.txt", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  ASSERT_TRUE(SetFileAttributesA("C:\\dst\\a.txt", FILE_ATTRIBUTE_NORMAL));
  EXPECT_FALSE(CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\A.TXT", TRUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  ASSERT_TRUE(CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\A.TXT", FALSE));
  EXPECT_EQ(Read(DriveC("dst/a.txt")).size(), 100000u) << "replaced under its existing name";
  EXPECT_FALSE(std::filesystem::exists(DriveC("dst/A.TXT")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DriveC("dst")), {}), 2) << "no temporary left";
}

TEST_F(Files, CopyErrors) {
  EXPECT_FALSE(CopyFileA("C:\\src\\missing", "C:\\x", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(CopyFileA("C:\\src\\a.txt", "C:\\nowhere\\x", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(CopyFileA("C:\\src\\sub", "C:\\x", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_FALSE(CopyFileA("C:\\src\\a.txt", "C:\\SRC\\A.txt", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(CopyFileA(nullptr, "C:\\x", FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Files, AFailedCopyLeavesNoHalfWrittenFile) {
  // A child process whose file-size limit stops every copy half-way stands in for a full disk.
  std::filesystem::create_directories(DriveC("dst"));
  Write(DriveC("dst/old.bin"), "old");
  pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    bool newFails = !CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\new.bin", FALSE);
    bool oldFails = !CopyFileA("C:\\src\\sub\\b.bin", "C:\\dst\\old.bin", FALSE);
    _exit(newFails && oldFails ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "both copies report failure";
  EXPECT_FALSE(std::filesystem::exists(DriveC("dst/new.bin")));
  EXPECT_EQ(Read(DriveC("dst/old.bin")), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(DriveC("dst")), {}), 1) << "no temporary left";
}

TEST_F(Files, DeleteMoveAndFolders) {
  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(DeleteFileA("C:\\src\\a.txt"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  ASSERT_TRUE(SetFileAttributesA("C:\\src\\a.txt", 0));
  EXPECT_TRUE(DeleteFileA("C:\\SRC\\A.TXT"));
  EXPECT_FALSE(std::filesystem::exists(DriveC("src/a.txt")));
  EXPECT_FALSE(DeleteFileA("C:\\src\\a.txt"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(DeleteFileA("C:\\src\\sub"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  EXPECT_FALSE(CreateDirectoryA("C:\\src\\SUB", nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(CreateDirectoryA("C:\\no\\such", nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_FALSE(RemoveDirectoryA("C:\\src\\sub"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIR_NOT_EMPTY));
  EXPECT_FALSE(RemoveDirectoryA("C:\\src\\sub\\b.bin"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DIRECTORY));

  ASSERT_TRUE(MoveFileA("C:\\src\\sub\\b.bin", "C:\\src\\moved.bin"));
  EXPECT_TRUE(std::filesystem::exists(DriveC("src/moved.bin")));
  ASSERT_TRUE(MoveFileA("C:\\src\\moved.bin", "C:\\src\\MOVED.BIN"));
  EXPECT_TRUE(std::filesystem::exists(DriveC("src/MOVED.BIN"))) << "a change of case only";
  Write(DriveC("src/other"), "o");
  EXPECT_FALSE(MoveFileA("C:\\src\\other", "C:\\src\\moved.bin"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_TRUE(RemoveDirectoryA("C:\\src\\sub"));
  EXPECT_FALSE(std::filesystem::exists(DriveC("src/sub")));
}

TEST_F(Files, DeletingASymbolicLinkNeverTouchesItsTarget) {
  std::filesystem::create_symlink(DriveC("src/sub"), DriveC("link"));
  EXPECT_FALSE(RemoveDirectoryA("C:\\link"));
  EXPECT_TRUE(DeleteFileA("C:\\link"));
  EXPECT_TRUE(std::filesystem::exists(DriveC("src/sub/b.bin")));
}

TEST_F(Files, HandlesReadWriteSeekAndTruncate) {
  HANDLE file = CreateFileA("C:\\new.dat", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD done = 0;
  ASSERT_TRUE(WriteFile(file, "0123456789", 10, &done, nullptr));
  EXPECT_EQ(done, 10u);
  EXPECT_EQ(SetFilePointer(file, 4, nullptr, FILE_BEGIN), 4u);
  char buffer[16] = {};
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(std::string(buffer, done), "456789");
  ASSERT_TRUE(ReadFile(file, buffer, sizeof buffer, &done, nullptr));
  EXPECT_EQ(done, 0u) << "end of file";
  EXPECT_EQ(SetFilePointer(file, -3, nullptr, FILE_END), 7u);
  ASSERT_TRUE(SetEndOfFile(file));
  DWORD high = 1;
  EXPECT_EQ(GetFileSize(file, &high), 7u);
  EXPECT_EQ(high, 0u);
  EXPECT_EQ(SetFilePointer(file, -100, nullptr, FILE_CURRENT), INVALID_SET_FILE_POINTER);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NEGATIVE_SEEK));
  EXPECT_TRUE(FlushFileBuffers(file));
  EXPECT_TRUE(CloseHandle(file));
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(ReadFile(file, buffer, 1, &done, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

  EXPECT_EQ(CreateFileA("C:\\new.dat", GENERIC_READ, 0, nullptr, CREATE_NEW, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
  file = CreateFileA("C:\\NEW.DAT", GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_FALSE(ReadFile(file, buffer, 1, &done, nullptr)) << "opened for writing only";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  CloseHandle(file);

  ASSERT_TRUE(SetFileAttributesA("C:\\new.dat", FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(CreateFileA("C:\\new.dat", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE)
      << "read-only even for root";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(CreateFileA("C:\\none", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(WriteFile(INVALID_HANDLE_VALUE, "x", 1, &done, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(Files, ShareModesAreEnforcedBetweenHandles) {
  HANDLE reader = CreateFileA("C:\\src\\a.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  HANDLE second = CreateFileA("C:\\src\\a.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  EXPECT_NE(second, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CreateFileA("C:\\src\\a.txt", GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_FALSE(DeleteFileA("C:\\src\\a.txt"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  CloseHandle(second);
  CloseHandle(reader);
  HANDLE deletable = CreateFileA("C:\\src\\a.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
  EXPECT_TRUE(DeleteFileA("C:\\src\\a.txt"));
  CloseHandle(deletable);
}

TEST_F(Files, AFileOpenInAnotherProcessCannotBeDeleted) {
  int ready[2], done[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(done), 0);
  pid_t child = fork();
  if (child == 0) {
    HANDLE file = CreateFileA("C:\\src\\a.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    char signal = file != INVALID_HANDLE_VALUE ? 'y' : 'n';
    (void)!write(ready[1], &signal, 1);
    (void)!read(done[0], &signal, 1);
    _exit(0);
  }
  char signal = 0;
  ASSERT_EQ(read(ready[0], &signal, 1), 1);
  ASSERT_EQ(signal, 'y');
  EXPECT_FALSE(DeleteFileA("C:\\src\\a.txt"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(std::filesystem::exists(DriveC("src/a.txt")));
  ASSERT_EQ(write(done[1], "x", 1), 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(DeleteFileA("C:\\src\\a.txt")) << "free again once the other process is gone";
}

TEST_F(Files, FindListsEveryEntryWithDotsAndDetails) {
  Write(DriveC("src/noext"), "");
  SetFileAttributesA("C:\\src\\noext", FILE_ATTRIBUTE_HIDDEN);
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA("C:\\src\\*.*", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  std::vector<std::string> names;
  std::set<std::string> seen;
  do {
    names.push_back(data.cFileName);
    seen.insert(data.cFileName);
    if (std::string(data.cFileName) == "a.txt") {
      EXPECT_EQ(data.nFileSizeLow, 5u);
      EXPECT_EQ(data.dwFileAttributes, static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
    }
    if (std::string(data.cFileName) == "noext") {
      EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    }
    if (std::string(data.cFileName) == "sub") {
      EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    }
  } while (FindNextFileA(find, &data));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
  EXPECT_TRUE(FindClose(find));
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0], ".");
  EXPECT_EQ(names[1], "..");
  EXPECT_EQ(seen, (std::set<std::string>{".", "..", "a.txt", "noext", "sub"}));

  find = FindFirstFileA("C:\\*", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_STRNE(data.cFileName, ".") << "a drive root has no dot entries";
  FindClose(find);

  find = FindFirstFileA("C:\\src\\*.", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  seen.clear();
  do {
    seen.insert(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  EXPECT_EQ(seen, (std::set<std::string>{".", "..", "noext", "sub"}));

  EXPECT_EQ(FindFirstFileA("C:\\src\\*.zip", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(FindFirstFileA("C:\\nowhere\\*.*", &data), INVALID_HANDLE_VALUE);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(FindFirstFileA("C:\\src\\", &data), INVALID_HANDLE_VALUE);
  EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(Files, FindMatchesLongNamesThroughTheirAliases) {
  Write(DriveC("src/page.html"), "<html>");
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA("C:\\src\\*.htm", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "page.html");
  EXPECT_STREQ(data.cAlternateFileName, "PAGE~1.HTM");
  FindClose(find);
  find = FindFirstFileA("C:\\src\\a?.txt", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE) << "? matches nothing before the dot";
  EXPECT_STREQ(data.cFileName, "a.txt");
  FindClose(find);
}

}  // namespace
