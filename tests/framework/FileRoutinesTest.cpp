// SysUtils file, folder, drive and search routines against a fresh prefix.
#include <gtest/gtest.h>

#include <set>

#include "../platform/kernel32/TempPrefix.h"
#include "SysUtils.h"

namespace {

class FileRoutinesTest : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    ASSERT_TRUE(ForceDirectories("C:\\data\\sub"));
    ASSERT_TRUE(CreateWithContent("C:\\data\\plain.txt", "12345"));
    ASSERT_TRUE(CreateWithContent("C:\\data\\hidden.txt", ""));
    ASSERT_TRUE(CreateWithContent("C:\\data\\system.txt", ""));
    ASSERT_TRUE(CreateWithContent("C:\\data\\locked.txt", ""));
    ASSERT_EQ(FileSetAttr("C:\\data\\hidden.txt", faHidden), 0);
    ASSERT_EQ(FileSetAttr("C:\\data\\system.txt", faSysFile), 0);
    ASSERT_EQ(FileSetAttr("C:\\data\\locked.txt", faReadOnly), 0);
  }

  static std::set<AnsiString> Found(const AnsiString& path, int attr) {
    std::set<AnsiString> names;
    TSearchRec search;
    for (int result = FindFirst(path, attr, search); result == 0; result = FindNext(search)) names.insert(search.Name);
    FindClose(search);
    return names;
  }
};

TEST_F(FileRoutinesTest, FindFirstSkipsHiddenSystemAndFoldersUnlessAsked) {
  using Names = std::set<AnsiString>;
  EXPECT_EQ(Found("C:\\data\\*.*", 0), (Names{"plain.txt", "locked.txt"}));
  EXPECT_EQ(Found("C:\\data\\*.*", faHidden), (Names{"plain.txt", "locked.txt", "hidden.txt"}));
  EXPECT_EQ(Found("C:\\data\\*", faSysFile | faReadOnly), (Names{"plain.txt", "locked.txt", "system.txt"}));
  EXPECT_EQ(Found("C:\\data\\*", faDirectory), (Names{".", "..", "plain.txt", "locked.txt", "sub"}));
  EXPECT_EQ(Found("C:\\data\\*", faAnyFile),
            (Names{".", "..", "plain.txt", "locked.txt", "hidden.txt", "system.txt", "sub"}));
}

TEST_F(FileRoutinesTest, FindFirstDescribesTheEntry) {
  TSearchRec search;
  ASSERT_EQ(FindFirst("C:\\DATA\\PLAIN.TXT", faAnyFile, search), 0);
  EXPECT_EQ(search.Name, "plain.txt");
  EXPECT_EQ(search.Size, 5);
  EXPECT_TRUE(search.Attr & faArchive);
  EXPECT_EQ(search.Time, FileAge("C:\\data\\plain.txt"));
  EXPECT_EQ(FindNext(search), ERROR_NO_MORE_FILES);
  FindClose(search);
  FindClose(search);

  ASSERT_EQ(FindFirst("C:\\data\\locked.txt", 0, search), 0);
  EXPECT_EQ(search.Attr & faReadOnly, faReadOnly);
  FindClose(search);
}

TEST_F(FileRoutinesTest, FindFirstReportsErrorsAndLeavesNothingOpen) {
  TSearchRec search;
  EXPECT_EQ(FindFirst("C:\\data\\*.bmp", faAnyFile, search), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(search.FindHandle, INVALID_HANDLE_VALUE);
  EXPECT_EQ(FindFirst("C:\\missing\\*.*", faAnyFile, search), ERROR_PATH_NOT_FOUND);
  // Only a hidden file matches, and hidden files were not asked for.
  EXPECT_EQ(FindFirst("C:\\data\\hidden.txt", 0, search), ERROR_NO_MORE_FILES);
  EXPECT_EQ(search.FindHandle, INVALID_HANDLE_VALUE);
  FindClose(search);
}

TEST_F(FileRoutinesTest, FindFirstFindsAFolderByItsShortName) {
  ASSERT_TRUE(ForceDirectories("C:\\Program Files"));
  TSearchRec search;
  ASSERT_EQ(FindFirst("C:\\Progra~1", faDirectory, search), 0);
  EXPECT_EQ(search.Name, "Program Files");
  EXPECT_TRUE(search.Attr & faDirectory);
  FindClose(search);
}

TEST_F(FileRoutinesTest, ForceDirectoriesCreatesTheWholeChain) {
  EXPECT_TRUE(ForceDirectories("C:\\one\\two\\three\\"));
  EXPECT_TRUE(DirectoryExists("C:\\one"));
  EXPECT_TRUE(DirectoryExists("C:\\one\\two\\three"));
  EXPECT_TRUE(ForceDirectories("C:\\one\\two"));
  EXPECT_TRUE(ForceDirectories("C:\\"));
  // A file where a folder should be stops the chain.
  EXPECT_FALSE(ForceDirectories("C:\\data\\plain.txt\\below"));
  EXPECT_FALSE(DirectoryExists("C:\\data\\plain.txt"));
  try {
    ForceDirectories("");
    FAIL() << "no exception";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "Unable to create directory");
  }
}

TEST_F(FileRoutinesTest, ExistenceTellsFilesFromFolders) {
  EXPECT_TRUE(FileExists("C:\\data\\PLAIN.txt"));
  EXPECT_FALSE(FileExists("C:\\data\\sub"));
  EXPECT_FALSE(FileExists("C:\\data\\*.txt"));
  EXPECT_TRUE(DirectoryExists("C:\\data\\sub"));
  EXPECT_FALSE(DirectoryExists("C:\\data\\plain.txt"));
  EXPECT_EQ(FileGetAttr("C:\\data\\nothing"), -1);
  EXPECT_EQ(FileAge("C:\\data\\sub"), -1);
  EXPECT_EQ(FileAge("C:\\data\\nothing"), -1);
}

TEST_F(FileRoutinesTest, DeleteRenameAndRemove) {
  EXPECT_FALSE(DeleteFile("C:\\data\\locked.txt"));
  EXPECT_EQ(FileSetAttr("C:\\data\\locked.txt", 0), 0);
  EXPECT_TRUE(DeleteFile("C:\\data\\locked.txt"));
  EXPECT_FALSE(DeleteFile("C:\\data\\sub"));
  EXPECT_NE(FileSetAttr("C:\\data\\nothing", 0), 0);

  EXPECT_TRUE(RenameFile("C:\\data\\plain.txt", "C:\\data\\sub\\moved.txt"));
  EXPECT_TRUE(FileExists("C:\\data\\sub\\moved.txt"));
  EXPECT_FALSE(RemoveDir("C:\\data\\sub"));
  EXPECT_TRUE(DeleteFile("C:\\data\\sub\\moved.txt"));
  EXPECT_TRUE(RemoveDir("C:\\data\\sub"));
  EXPECT_TRUE(CreateDir("C:\\data\\sub"));
  EXPECT_FALSE(CreateDir("C:\\data\\sub"));
}

TEST_F(FileRoutinesTest, CurrentDirectoryAndExpansion) {
  ASSERT_TRUE(SetCurrentDir("C:\\DATA\\sub"));
  EXPECT_EQ(GetCurrentDir(), "C:\\data\\sub");
  EXPECT_EQ(ExpandFileName("..\\x.txt"), "C:\\data\\x.txt");
  ASSERT_TRUE(SetCurrentDir("C:\\"));
  EXPECT_EQ(GetCurrentDir(), "C:\\");
  EXPECT_FALSE(SetCurrentDir("C:\\missing"));
}

TEST_F(FileRoutinesTest, DiskSpaceByDriveNumber) {
  ASSERT_TRUE(SetCurrentDir("C:\\data"));
  const int64_t freeOnC = DiskFree(3);
  EXPECT_GT(freeOnC, 0);
  EXPECT_GE(DiskSize(3), freeOnC);
  EXPECT_GT(DiskFree(0), 0);
  EXPECT_EQ(DiskFree(27), -1);
  EXPECT_EQ(DiskFree(-1), -1);
  EXPECT_EQ(DiskSize(27), -1);
  EXPECT_EQ(DiskFree(17), -1);  // Q: is not mapped
}

TEST_F(FileRoutinesTest, FileHandlesHonourShareModes) {
  HANDLE exclusive = FileOpen("C:\\data\\plain.txt", fmOpenRead | fmShareExclusive);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_EQ(FileOpen("C:\\data\\plain.txt", fmOpenRead | fmShareDenyNone), INVALID_HANDLE_VALUE);
  FileClose(exclusive);

  HANDLE reader = FileOpen("C:\\data\\plain.txt", fmOpenRead | fmShareDenyWrite);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  HANDLE second = FileOpen("C:\\data\\plain.txt", fmOpenRead | fmShareDenyNone);
  EXPECT_NE(second, INVALID_HANDLE_VALUE);
  EXPECT_EQ(FileOpen("C:\\data\\plain.txt", fmOpenWrite | fmShareDenyNone), INVALID_HANDLE_VALUE);
  FileClose(second);
  FileClose(reader);

  EXPECT_EQ(FileOpen("C:\\data\\plain.txt", fmOpenRead | 0x50), INVALID_HANDLE_VALUE);
  EXPECT_EQ(FileOpen("C:\\data\\plain.txt", 3), INVALID_HANDLE_VALUE);
}

TEST_F(FileRoutinesTest, FileHandlesReadWriteAndSeek) {
  HANDLE file = FileCreate("C:\\data\\new.bin");
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  EXPECT_EQ(FileWrite(file, "abcdef", 6), 6);
  EXPECT_EQ(FileSeek(file, -2, 2), 4);
  char buffer[8] = {};
  EXPECT_EQ(FileRead(file, buffer, 8), 2);
  EXPECT_STREQ(buffer, "ef");
  EXPECT_EQ(FileSeek(file, 0, 1), 6);
  EXPECT_EQ(FileSeek(file, -1, 0), -1);
  FileClose(file);
  EXPECT_EQ(Read(DriveC("data/new.bin")), "abcdef");

  HANDLE readOnly = FileOpen("C:\\data\\new.bin", fmOpenRead);
  EXPECT_EQ(FileWrite(readOnly, "x", 1), -1);
  FileClose(readOnly);
}

TEST(FileDates, PackedDosDatesConvertBothWays) {
  const TDateTime moment = EncodeDate(2004, 7, 15) + EncodeTime(13, 45, 58, 0);
  const int packed = DateTimeToFileDate(moment);
  EXPECT_EQ(packed, static_cast<int>((((2004 - 1980) << 9 | 7 << 5 | 15) << 16) | (13 << 11 | 45 << 5 | 29)));
  EXPECT_DOUBLE_EQ(FileDateToDateTime(packed), moment);
  EXPECT_EQ(DateTimeToFileDate(EncodeDate(1979, 12, 31)), 0);
}

TEST(CommandLine, ProgramPathNamesThisTestProgram) {
  EXPECT_EQ(ExtractFileName(ParamStr(0)), "test_framework");
  EXPECT_EQ(ParamStr(ParamCount() + 1), "");
  EXPECT_EQ(ParamStr(-1), "");
}

}  // namespace
