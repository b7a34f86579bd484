#include "TempPrefix.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>

namespace {

// Root reads every file whatever its mode; while this lives, permission bits count for root
// as they do for a user.
class PermissionBitsCount {
 public:
  PermissionBitsCount() { Set(false); }
  ~PermissionBitsCount() { Set(true); }

 private:
  static void Set(bool overrides) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective = overrides ? data[0].effective | (data[0].permitted & bits) : data[0].effective & ~bits;
    syscall(SYS_capset, &header, data);
  }
};

class Profile : public TempPrefix {
 protected:
  static std::string Get(const char* section, const char* key, const char* fallback = "def", const char* file = "tawo.ini") {
    char buffer[256];
    DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, sizeof buffer, file);
    return std::string(buffer, length);
  }
};

TEST_F(Profile, ReadsByTheWindowsRules) {
  Write(DriveC("WINDOWS/tawo.ini"),
        "orphan=before any section\r\n"
        "[ Main ]\r\n"
        "  Path  =  C:\\TAWO  \r\n"
        "Quoted=\"  padded  \"\r\n"
        "Single='x'\r\n"
        "Comment=a ; b\r\n"
        "; note=hidden\r\n"
        "Count=42abc\r\n"
        "Text=abc\r\n"
        "path=second wins never\r\n"
        "\r\n"
        "[main]\r\n"
        "Later=ignored\r\n");
  EXPECT_EQ(Get("main", "PATH"), "C:\\TAWO") << "case-insensitive, trimmed";
  EXPECT_EQ(Get(" MAIN ", " path "), "C:\\TAWO") << "requested names are trimmed too";
  EXPECT_EQ(Get("Main", "Quoted"), "  padded  ");
  EXPECT_EQ(Get("Main", "Single"), "x");
  EXPECT_EQ(Get("Main", "Comment"), "a ; b") << "no inline comments";
  EXPECT_EQ(Get("Main", "Later"), "def") << "the first section of a name wins";
  EXPECT_EQ(Get("Main", "orphan"), "def");
  EXPECT_EQ(Get("Main", "missing", "fallback   "), "fallback") << "trailing blanks of the default go";
  EXPECT_EQ(Get("Main", "missing", nullptr), "");
  EXPECT_EQ(Get("Main", ""), "");
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Count", 7, "tawo.ini"), 42u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "Text", 7, "tawo.ini"), 0u);
  EXPECT_EQ(GetPrivateProfileIntA("Main", "None", 7, "tawo.ini"), 7u);
  EXPECT_EQ(Get("Main", "Path", "def", "C:\\nowhere.ini"), "def") << "a missing file gives the default";

  char buffer[8];
  EXPECT_EQ(GetPrivateProfileStringA("Main", "Path", "", buffer, sizeof buffer, "tawo.ini"), 7u);
  EXPECT_STREQ(buffer, "C:\\TAWO");
  EXPECT_EQ(GetPrivateProfileStringA("Main", "Quoted", "", buffer, 5, "tawo.ini"), 4u) << "cut to size-1";
  EXPECT_STREQ(buffer, "  pa");
}

TEST_F(Profile, ListsSectionsKeysAndSectionLines) {
  Write(DriveC("WINDOWS/tawo.ini"), "[One]\r\na=1\r\n;c=3\r\nb=2\r\n[Two]\r\n");
  char buffer[64];
  // Each name ends with a NUL and the list with one more, which the length leaves out.
  DWORD length = GetPrivateProfileSectionNamesA(buffer, sizeof buffer, "tawo.ini");
  EXPECT_EQ(std::string(buffer, length + 1), std::string("One\0Two\0\0", 9));
  length = GetPrivateProfileStringA("one", nullptr, "", buffer, sizeof buffer, "tawo.ini");
  EXPECT_EQ(std::string(buffer, length + 1), std::string("a\0b\0\0", 5)) << "comments are not keys";
  length = GetPrivateProfileSectionA("One", buffer, sizeof buffer, "tawo.ini");
  EXPECT_EQ(std::string(buffer, length + 1), std::string("a=1\0b=2\0\0", 9));
  length = GetPrivateProfileSectionNamesA(buffer, 6, "tawo.ini");
  EXPECT_EQ(length, 4u) << "a cut list returns size-2";
  EXPECT_EQ(std::string(buffer, 6), std::string("One\0\0\0", 6));
}

TEST_F(Profile, WritesCreateReplaceAndDeleteKeepingTheRestOfTheFile) {
  EXPECT_TRUE(WritePrivateProfileStringA("Main", "Path", "  C:\\TAWO", "tawo.ini"));
  EXPECT_EQ(Read(DriveC("WINDOWS/tawo.ini")), "[Main]\r\nPath=C:\\TAWO\r\n") << "created on the first write";
  Write(DriveC("WINDOWS/tawo.ini"), "; kept comment\r\n[Main]\r\nPath=old\r\n\r\n[Other]\r\nx=1\r\n");
  EXPECT_TRUE(WritePrivateProfileStringA("MAIN", "path", "new", "tawo.ini"));
  EXPECT_TRUE(WritePrivateProfileStringA("Main", "Added", "yes", "tawo.ini"));
  EXPECT_TRUE(WritePrivateProfileStringA("Third", "k", "v", "tawo.ini"));
  EXPECT_EQ(Read(DriveC("WINDOWS/tawo.ini")),
            "; kept comment\r\n[Main]\r\nPath=new\r\nAdded=yes\r\n\r\n[Other]\r\nx=1\r\n\r\n[Third]\r\nk=v\r\n")
      << "an existing key keeps its name";
  EXPECT_TRUE(WritePrivateProfileStringA("Main", "Added", nullptr, "tawo.ini"));
  EXPECT_TRUE(WritePrivateProfileStringA("Other", nullptr, nullptr, "tawo.ini"));
  EXPECT_EQ(Read(DriveC("WINDOWS/tawo.ini")), "; kept comment\r\n[Main]\r\nPath=new\r\n\r\n[Third]\r\nk=v\r\n");
  const char section[] = "a=1\0b = 2\0";
  EXPECT_TRUE(WritePrivateProfileSectionA("Third", section, "tawo.ini"));
  EXPECT_EQ(Get("Third", "b"), "2");
  EXPECT_EQ(Get("Third", "k"), "def");

  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", "C:\\missing folder\\x.ini"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  ASSERT_TRUE(SetFileAttributesA("C:\\WINDOWS\\tawo.ini", FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WritePrivateProfileStringA("Main", "Path", "x", "tawo.ini"));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));

  EXPECT_TRUE(WriteProfileStringA("Desktop", "Wallpaper", "none"));
  char buffer[32];
  GetProfileStringA("desktop", "wallpaper", "", buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "none");
  EXPECT_TRUE(std::filesystem::exists(DriveC("WINDOWS/win.ini")));
}

TEST_F(Profile, AFileThatCannotBeReadRefusesWritesAndKeepsItsKeys) {
  const std::string host = DriveC("WINDOWS/tawo.ini");
  Write(host, "[Main]\r\nPath=C:\\TAWO\r\n");
  ASSERT_EQ(chmod(host.c_str(), 0200), 0);
  {
    PermissionBitsCount asUser;
    EXPECT_EQ(Get("Main", "Path"), "def");
    EXPECT_FALSE(WritePrivateProfileStringA("Main", "Other", "x", "tawo.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  }
  EXPECT_EQ(Read(host), "[Main]\r\nPath=C:\\TAWO\r\n");
}

TEST_F(Profile, WritesRefuseWithoutTheLockAndRemoveTemporariesOfKilledWriters) {
  const std::string folder = DriveC("WINDOWS");
  Write(folder + "/.tawo.ini.4242.tmp", "stale");
  Write(folder + "/.tawo.ini.backup.tmp", "not a temporary of ours");
  ASSERT_TRUE(std::filesystem::create_directory(root_ + "/profile.lock"));
  EXPECT_FALSE(WritePrivateProfileStringA("Main", "Path", "x", "tawo.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/tawo.ini"));
  std::filesystem::remove(root_ + "/profile.lock");

  EXPECT_TRUE(WritePrivateProfileStringA("Main", "Path", "x", "tawo.ini"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/.tawo.ini.4242.tmp"));
  EXPECT_TRUE(std::filesystem::exists(folder + "/.tawo.ini.backup.tmp"));
}

}  // namespace
