// The folders of an installation, the shortcut, and installing and removing a small CD.
#include <TRegistry.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <memory>

#include "Installation.h"
#include "InstallationRecord.h"
#include "InstallerFixture.h"
#include "StartMenuShortcut.h"

namespace {

class InstallationTest : public InstallerFixture {
 protected:
  static std::string Run(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    std::array<char, 512> buffer;
    while (pipe && fgets(buffer.data(), buffer.size(), pipe.get())) output += buffer.data();
    return output;
  }

  // A host program standing in for the product: a script, executable.
  AnsiString MakeProgram() {
    std::filesystem::create_directories(DriveC("Tools"));
    Write(DriveC("Tools/product.sh"), "#!/bin/sh\npwd > started-in.txt\n");
    chmod(DriveC("Tools/product.sh").c_str(), 0755);
    return "C:\\Tools\\product.sh";
  }

  static bool IsExecutable(const std::string& host) {
    struct stat status;
    return stat(host.c_str(), &status) == 0 && (status.st_mode & S_IXUSR);
  }
};

TEST_F(InstallationTest, SourceFolderIsTheCurrentFolderEndingInABackslash) {
  std::filesystem::create_directories(DriveC("INSTAL"));
  ASSERT_EQ(chdir(DriveC("INSTAL").c_str()), 0);
  EXPECT_EQ(Installation::SourceFolder(), "C:\\INSTAL\\");
  ASSERT_EQ(chdir(DriveC().c_str()), 0);
  EXPECT_EQ(Installation::SourceFolder(), "C:\\");
}

TEST_F(InstallationTest, InstallationFolderDependsOnProgramFiles) {
  EXPECT_EQ(Installation::InstallationFolder(), "C:\\Progra~1\\TAWO\\");
  std::filesystem::rename(DriveC("Program Files"), DriveC("Programs"));
  EXPECT_EQ(Installation::InstallationFolder(), "C:\\TAWO\\");
}

TEST_F(InstallationTest, FreeSpaceIsTheDriveCFreeBytesInMegabytes) {
  // Other tests write to the same disk meanwhile, so the two readings may differ a little; a
  // wrong unit (10^6 bytes, or bytes) would be off by 5 % or more.
  const double megabytes = static_cast<double>(DiskFree(3)) / 1048576.0;
  EXPECT_NEAR(Installation::FreeMegabytes(), megabytes, megabytes * 0.01);
  EXPECT_GT(Installation::FreeMegabytes(), 0.0);
}

TEST_F(InstallationTest, ShortcutReadsBackWithTargetFolderDescriptionAndIcon) {
  const AnsiString link = Installation::ShortcutPath();
  ASSERT_FALSE(link.empty());
  EXPECT_EQ(link, StartMenuShortcut::SpecialFolderPath(CSIDL_PROGRAMS) + "\\Lesmora.lnk");
  StartMenuShortcut::Create("C:\\Other\\Old.exe", link, "Old");
  StartMenuShortcut::Create("C:\\TAWO\\TAWO.exe", link, "Lesmora");
  if (Run("command -v lnkinfo").empty()) GTEST_SKIP() << "lnkinfo is not installed";
  const std::string info = Run("lnkinfo '" + HostOf(link) + "' 2>&1");
  EXPECT_NE(info.find("Local path\t\t\t: C:\\TAWO\\TAWO.exe"), std::string::npos) << info;
  EXPECT_NE(info.find("Working directory\t\t: C:\\TAWO\\"), std::string::npos) << info;
  EXPECT_NE(info.find("Description\t\t\t: Lesmora"), std::string::npos) << info;
  EXPECT_NE(info.find("Icon location\t\t\t: C:\\TAWO\\TAWO.exe"), std::string::npos) << info;
  EXPECT_EQ(info.find("Old"), std::string::npos) << info;
}

TEST_F(InstallationTest, AShortcutIntoAMissingFolderIsQuietlyNotWritten) {
  EXPECT_NO_THROW(StartMenuShortcut::Create("C:\\TAWO\\TAWO.exe", "C:\\No Such Folder\\Lesmora.lnk", "Lesmora"));
  EXPECT_FALSE(std::filesystem::exists(DriveC("No Such Folder")));
}

TEST_F(InstallationTest, InstallThenRemoveLeavesOnlyTheParentKey) {
  DemoCd cd = MakeCd(MakeProgram());
  Installation installation("C:\\CD\\", Installation::InstallationFolder(), progress);
  const AnsiString link = Installation::ShortcutPath();

  installation.Install(link);

  const std::string installed = DriveC("Program Files/TAWO");
  std::set<std::string> expected = FilesBelow(DriveC("CD"));
  expected.erase("tawo.exe");
  expected.insert("TAWO.exe");
  EXPECT_EQ(FilesBelow(installed), expected);
  EXPECT_TRUE(IsExecutable(installed + "/TAWO.exe"));
  EXPECT_TRUE(std::filesystem::is_directory(installed + "/Makiety/Puste"));
  EXPECT_TRUE(std::filesystem::exists(HostOf(link)));
  EXPECT_EQ(progress.UserValue(), static_cast<int>(cd.Files().size()));
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(InstallationRecord::kKey, false));
  EXPECT_EQ(registry.ReadString("cdPath"), "C:\\CD\\");
  EXPECT_EQ(registry.ReadString("instPath"), "C:\\Progra~1\\TAWO\\");
  registry.CloseKey();

  progress.SetUserValue(0);
  installation.Remove(link);

  EXPECT_FALSE(std::filesystem::exists(installed));
  EXPECT_FALSE(std::filesystem::exists(HostOf(link)));
  EXPECT_FALSE(InstallationRecord::Test());
  EXPECT_TRUE(registry.OpenKey(InstallationRecord::kParentKey, false));
  EXPECT_EQ(progress.UserValue(), static_cast<int>(cd.Files().size()) + 1);
}

TEST_F(InstallationTest, ACdWithoutTheProgramStillInstallsDataShortcutAndRecord) {
  MakeCd();
  Installation installation("C:\\CD\\", "C:\\TAWO\\", progress);
  installation.Install(Installation::ShortcutPath());
  EXPECT_TRUE(DirectoryExists("C:\\TAWO\\Foto"));
  EXPECT_FALSE(FileExists("C:\\TAWO\\TAWO.exe"));
  EXPECT_TRUE(FileExists(Installation::ShortcutPath()));
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_TRUE(progress.Messages.empty());
}

}  // namespace
