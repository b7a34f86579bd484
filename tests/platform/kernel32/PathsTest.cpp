#include <sys/stat.h>
#include <sys/statvfs.h>

#include "TempPrefix.h"

namespace {

class Paths : public TempPrefix {};

std::string HostOf(LPCSTR windows) {
  char buffer[4096];
  DWORD length = WinportGetHostPath(windows, buffer, sizeof buffer);
  return length && length < sizeof buffer ? std::string(buffer, length) : "<" + std::to_string(GetLastError()) + ">";
}

TEST_F(Paths, PrefixIsCreatedWithTheWindows2000Layout) {
  for (const char* folder : {"WINDOWS/SYSTEM", "Program Files", "Documents and Settings"}) {
    EXPECT_TRUE(std::filesystem::is_directory(DriveC(folder))) << folder;
  }
  char user[64];
  DWORD size = sizeof user;
  ASSERT_TRUE(GetUserNameA(user, &size));
  std::string profile = std::string("Documents and Settings/") + user;
  EXPECT_TRUE(std::filesystem::is_directory(DriveC(profile + "/Start Menu/Programs")));
}

TEST_F(Paths, NamesResolveCaseInsensitivelyKeepingTheCaseOnDisk) {
  std::filesystem::create_directories(DriveC("Mixed Case/Inner"));
  EXPECT_EQ(HostOf("c:\\MIXED case\\inner"), DriveC("Mixed Case/Inner"));
  EXPECT_EQ(HostOf("C:/mixed CASE/INNER/"), DriveC("Mixed Case/Inner"));
  // A new last part keeps the caller's case.
  EXPECT_EQ(HostOf("C:\\mixed case\\NewFile.TXT"), DriveC("Mixed Case/NewFile.TXT"));
  EXPECT_EQ(HostOf("C:\\missing\\file"), "<3>");
}

TEST_F(Paths, ShortNamesFindProgramFilesAndNumberInSortedOrder) {
  EXPECT_EQ(HostOf("C:\\Progra~1"), DriveC("Program Files"));
  std::filesystem::create_directories(DriveC("Program Files (x86)"));
  EXPECT_EQ(HostOf("C:\\PROGRA~2"), DriveC("Program Files (x86)"));
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA("C:\\Progra~1", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "Program Files");
  EXPECT_STREQ(data.cAlternateFileName, "PROGRA~1");
  EXPECT_TRUE(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  FindClose(find);
  char shortPath[MAX_PATH];
  ASSERT_GT(GetShortPathNameA("C:\\Program Files (x86)", shortPath, MAX_PATH), 0u);
  EXPECT_STREQ(shortPath, "C:\\PROGRA~2");
}

// A folder's names, whether read from disk or added through the API in any order, are found
// whatever their case (of names differing in case only, the one that sorts first), and their
// "~n" aliases are numbered in the order of the names, not of their arrival.
TEST_F(Paths, NamesAndAliasesDoNotDependOnTheOrderTheNamesCameIn) {
  std::filesystem::create_directories(DriveC("Raporty"));
  Write(DriveC("Raporty/raport.txt"), "small");
  Write(DriveC("Raporty/RAPORT.txt"), "capital");
  std::filesystem::create_directories(DriveC("Lista"));
  EXPECT_EQ(HostOf("C:\\Lista\\nic"), DriveC("Lista/nic")) << "the listing is read before the names arrive";
  for (const char* name : {"C:\\Lista\\Dokument trzeci.txt", "C:\\Lista\\Dokument pierwszy.txt", "C:\\Lista\\Dokument drugi.txt"}) {
    HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
    CloseHandle(file);
  }
  const struct {
    const char* Asked;
    const char* Found;
  } cases[] = {
      {"C:\\raporty\\Raport.TXT", "Raporty/RAPORT.txt"},
      {"C:\\LISTA\\dokument DRUGI.TXT", "Lista/Dokument drugi.txt"},
      {"C:\\Lista\\DOKUME~1.TXT", "Lista/Dokument drugi.txt"},
      {"C:\\Lista\\dokume~2.txt", "Lista/Dokument pierwszy.txt"},
      {"C:\\Lista\\DOKUME~3.TXT", "Lista/Dokument trzeci.txt"},
  };
  for (const auto& c : cases) EXPECT_EQ(HostOf(c.Asked), DriveC(c.Found)) << c.Asked;
}

TEST_F(Paths, DriveZIsTheHostRootAndTheCurrentFolderIsReportedInWindowsForm) {
  EXPECT_EQ(HostOf("Z:\\tmp"), "/tmp");
  ASSERT_TRUE(SetCurrentDirectoryA("Z:\\tmp"));
  char current[MAX_PATH];
  EXPECT_EQ(GetCurrentDirectoryA(MAX_PATH, current), 6u);
  EXPECT_STREQ(current, "Z:\\tmp");
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\program files"));
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STREQ(current, "C:\\Program Files");
  EXPECT_EQ(HostOf("..\\WINDOWS"), DriveC("WINDOWS"));
  EXPECT_EQ(HostOf("\\WINDOWS\\SYSTEM"), DriveC("WINDOWS/SYSTEM"));
  EXPECT_EQ(GetCurrentDirectoryA(3, current), 17u) << "too small: the size needed with the NUL";
  EXPECT_FALSE(SetCurrentDirectoryA("Q:\\"));
}

TEST_F(Paths, IllegalNamesTrailingDotsAndUnknownDrives) {
  EXPECT_EQ(HostOf("C:\\a<b"), "<123>");
  EXPECT_EQ(HostOf("C:\\a|b\\c"), "<123>");
  EXPECT_EQ(HostOf("C:\\nul.txt"), "<123>");
  EXPECT_EQ(HostOf("C:\\name. . "), DriveC("name"));
  EXPECT_EQ(HostOf("C:\\WINDOWS.\\system"), DriveC("WINDOWS/SYSTEM"));
  EXPECT_EQ(HostOf("Q:\\x"), "<3>");
  EXPECT_EQ(HostOf("\\\\server\\share"), "<53>");
  EXPECT_FALSE(CreateDirectoryA("C:\\bad\"name", nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_NAME));
}

TEST_F(Paths, PolishNamesAreWindows1250InTheApiAndUtf8OnTheHost) {
  ASSERT_TRUE(CreateDirectoryA("C:\\Zak\xB3" "adka", nullptr));  // "Zakładka"
  EXPECT_TRUE(std::filesystem::is_directory(DriveC("Zakładka")));
  EXPECT_EQ(HostOf("C:\\ZAK\xA3" "ADKA"), DriveC("Zakładka")) << "Ł folds to ł";
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA("C:\\zak*", &data);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  EXPECT_STREQ(data.cFileName, "Zak\xB3" "adka");
  FindClose(find);
}

TEST_F(Paths, WellKnownFoldersAndModulePath) {
  char buffer[MAX_PATH];
  EXPECT_EQ(GetWindowsDirectoryA(buffer, MAX_PATH), 10u);
  EXPECT_STREQ(buffer, "C:\\WINDOWS");
  GetSystemDirectoryA(buffer, MAX_PATH);
  EXPECT_STREQ(buffer, "C:\\WINDOWS\\SYSTEM");
  DWORD length = GetTempPathA(MAX_PATH, buffer);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(buffer[length - 1], '\\');
  EXPECT_EQ(GetFileAttributesA(buffer) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  ASSERT_GT(length, 3u);
  EXPECT_EQ(std::string(buffer, 3), "Z:\\");
  EXPECT_NE(GetFileAttributesA(buffer), INVALID_FILE_ATTRIBUTES) << "the program itself is reachable";
  char tiny[4];
  EXPECT_EQ(GetModuleFileNameA(nullptr, tiny, sizeof tiny), 4u);
  EXPECT_EQ(tiny[3], '\0');
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
}

TEST_F(Paths, DrivesAndFreeSpace) {
  EXPECT_EQ(GetLogicalDrives(), (1u << 2) | (1u << 25));
  EXPECT_EQ(GetDriveTypeA("C:\\"), static_cast<UINT>(DRIVE_FIXED));
  EXPECT_EQ(GetDriveTypeA("D:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  EXPECT_EQ(GetDriveTypeA("C:\\WINDOWS\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  ULARGE_INTEGER available, total, free;
  ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
  struct statvfs info;
  ASSERT_EQ(statvfs(root_.c_str(), &info), 0);
  EXPECT_EQ(total.QuadPart, static_cast<ULONGLONG>(info.f_blocks) * info.f_frsize);
  EXPECT_GT(available.QuadPart, 0u);
  EXPECT_LE(available.QuadPart, free.QuadPart);
  EXPECT_FALSE(GetDiskFreeSpaceExA("R:\\", &available, &total, &free));
  DWORD sectors, bytes, freeClusters, clusters;
  ASSERT_TRUE(GetDiskFreeSpaceA("C:\\", &sectors, &bytes, &freeClusters, &clusters));
  EXPECT_EQ(bytes, 512u);
}

}  // namespace
