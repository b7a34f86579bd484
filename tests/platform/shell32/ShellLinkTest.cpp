#include <objbase.h>
#include <shlobj.h>

#include <array>
#include <cstdio>
#include <memory>

#include "../kernel32/TempPrefix.h"

namespace {

class ShellLinkTest : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
  }
  void TearDown() override {
    CoUninitialize();
    TempPrefix::TearDown();
  }

  static std::u16string Wide(const char* ansi) {
    char16_t buffer[MAX_PATH];
    int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, buffer, MAX_PATH);
    return std::u16string(buffer, length > 0 ? length - 1 : 0);
  }

  // Writes the installer's shortcut: target, description, working folder, icon, SW_SHOW.
  static HRESULT CreateShortcut(const char* target, const char* link, const char* description) {
    IShellLinkA* shell = nullptr;
    HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&shell));
    if (FAILED(result)) return result;
    std::string folder = std::string(target).substr(0, std::string(target).rfind('\\') + 1);
    shell->SetPath(target);
    shell->SetDescription(description);
    shell->SetWorkingDirectory(folder.c_str());
    shell->SetIconLocation(target, 0);
    shell->SetShowCmd(5);
    IPersistFile* file = nullptr;
    result = shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(result)) {
      result = file->Save(Wide(link).c_str(), TRUE);
      file->Release();
    }
    shell->Release();
    return result;
  }

  static std::string ProgramsFolder() {
    LPITEMIDLIST list = nullptr;
    char path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAMS, &list))) {
      SHGetPathFromIDListA(list, path);
      IMalloc* malloc = nullptr;
      SHGetMalloc(&malloc);
      malloc->Free(list);
      malloc->Release();
    }
    return path;
  }

  static std::string Run(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 4096> buffer;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
    return output;
  }
};

TEST_F(ShellLinkTest, ShellFoldersFollowTheWindows2000Profile) {
  char user[64];
  DWORD size = sizeof user;
  GetUserNameA(user, &size);
  std::string profile = std::string("C:\\Documents and Settings\\") + user;
  EXPECT_EQ(ProgramsFolder(), profile + "\\Start Menu\\Programs");
  struct {
    int csidl;
    std::string path;
  } folders[] = {{CSIDL_STARTMENU, profile + "\\Start Menu"},
                 {CSIDL_DESKTOPDIRECTORY, profile + "\\Desktop"},
                 {CSIDL_PERSONAL, profile + "\\My Documents"},
                 {CSIDL_APPDATA, profile + "\\Application Data"},
                 {CSIDL_PROGRAM_FILES, "C:\\Program Files"},
                 {CSIDL_WINDOWS, "C:\\WINDOWS"},
                 {CSIDL_SYSTEM, "C:\\WINDOWS\\SYSTEM"}};
  for (const auto& folder : folders) {
    LPITEMIDLIST list = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, folder.csidl, &list), S_OK) << folder.csidl;
    char path[MAX_PATH];
    EXPECT_TRUE(SHGetPathFromIDListA(list, path));
    EXPECT_EQ(path, folder.path);
    EXPECT_NE(GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES) << path << " exists";
    ILFree(list);
    EXPECT_TRUE(SHGetSpecialFolderPathA(nullptr, path, folder.csidl, FALSE));
    EXPECT_EQ(path, folder.path);
  }
  LPITEMIDLIST list = reinterpret_cast<LPITEMIDLIST>(1);
  EXPECT_EQ(SHGetSpecialFolderLocation(nullptr, 0x7E, &list), E_INVALIDARG);
  EXPECT_EQ(list, nullptr);
  ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &list), S_OK);
  char path[MAX_PATH] = "x";
  EXPECT_FALSE(SHGetPathFromIDListA(list, path)) << "My Computer has no path";
  EXPECT_STREQ(path, "");
  CoTaskMemFree(list);
}

TEST_F(ShellLinkTest, InterfacesShareOneObjectAndCountReferences) {
  IShellLinkA* shell = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             reinterpret_cast<void**>(&shell)), S_OK);
  IPersistFile* file = nullptr;
  ASSERT_EQ(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
  IUnknown* first = nullptr;
  IUnknown* second = nullptr;
  shell->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&first));
  file->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&second));
  EXPECT_EQ(first, second) << "one identity";
  EXPECT_EQ(first->Release(), 3u);
  EXPECT_EQ(second->Release(), 2u);
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(shell->QueryInterface(IID_IMalloc, &none), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  CLSID clsid;
  EXPECT_EQ(file->GetClassID(&clsid), S_OK);
  EXPECT_TRUE(clsid == CLSID_ShellLink);
  EXPECT_EQ(file->Release(), 1u);
  EXPECT_EQ(shell->Release(), 0u);
  IUnknown* aggregate = reinterpret_cast<IUnknown*>(&clsid);
  EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, aggregate, CLSCTX_INPROC_SERVER, IID_IUnknown, &none), CLASS_E_NOAGGREGATION);
}

TEST_F(ShellLinkTest, SavedLinkReadsBackAndIsUnderstoodByLnkinfo) {
  std::string link = ProgramsFolder() + "\\Lesmora.lnk";
  ASSERT_EQ(CreateShortcut("C:\\TAWO\\TAWO.exe", link.c_str(), "Lesmora"), S_OK);
  ASSERT_EQ(CreateShortcut("C:\\TAWO\\TAWO.exe", link.c_str(), "Lesmora"), S_OK) << "overwrites";

  IShellLinkA* shell = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                             reinterpret_cast<void**>(&shell)), S_OK);
  IPersistFile* file = nullptr;
  shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  ASSERT_EQ(file->Load(Wide(link.c_str()).c_str(), STGM_READ), S_OK);
  char text[MAX_PATH];
  EXPECT_EQ(shell->GetPath(text, MAX_PATH, nullptr, 0), S_OK);
  EXPECT_STREQ(text, "C:\\TAWO\\TAWO.exe");
  shell->GetWorkingDirectory(text, MAX_PATH);
  EXPECT_STREQ(text, "C:\\TAWO\\");
  shell->GetDescription(text, MAX_PATH);
  EXPECT_STREQ(text, "Lesmora");
  int icon = -1;
  shell->GetIconLocation(text, MAX_PATH, &icon);
  EXPECT_STREQ(text, "C:\\TAWO\\TAWO.exe");
  EXPECT_EQ(icon, 0);
  int show = 0;
  shell->GetShowCmd(&show);
  EXPECT_EQ(show, 1) << "SW_SHOW is stored as the normal window";
  file->Release();
  shell->Release();

  if (Run("command -v lnkinfo").empty()) GTEST_SKIP() << "lnkinfo is not installed";
  char host[4096];
  ASSERT_GT(WinportGetHostPath(link.c_str(), host, sizeof host), 0u);
  std::string info = Run(std::string("lnkinfo '") + host + "' 2>&1");
  EXPECT_NE(info.find("Local path\t\t\t: C:\\TAWO\\TAWO.exe"), std::string::npos) << info;
  EXPECT_NE(info.find("Working directory\t\t: C:\\TAWO\\"), std::string::npos) << info;
  EXPECT_NE(info.find("Description\t\t\t: Lesmora"), std::string::npos) << info;
  EXPECT_NE(info.find("Icon location\t\t\t: C:\\TAWO\\TAWO.exe"), std::string::npos) << info;
}

TEST_F(ShellLinkTest, SaveIntoAMissingFolderAndLoadingJunkFailCleanly) {
  EXPECT_EQ(CreateShortcut("C:\\TAWO\\TAWO.exe", "C:\\No Such Folder\\x.lnk", "x"), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
  Write(DriveC("junk.lnk"), std::string("L\0\0\0garbage", 11));
  IPersistFile* file = nullptr;
  ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistFile,
                             reinterpret_cast<void**>(&file)), S_OK);
  EXPECT_EQ(file->Load(Wide("C:\\junk.lnk").c_str(), STGM_READ), E_FAIL);
  EXPECT_EQ(file->Load(Wide("C:\\none.lnk").c_str(), STGM_READ), HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND));
  file->Release();
}

}  // namespace
