// Tree copy: contents, attributes and empty folders, progress and message processing, the
// failure report, and links that are never followed into.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "InstallerFixture.h"
#include "TreeCopy.h"

namespace {

class TreeCopyTest : public InstallerFixture {
 protected:
  void CopyCd() {
    TreeCopy copy(progress);
    for (const char* folder : {"Data\\", "DB\\", "Makiety\\", "Foto\\"}) copy.Copy(AnsiString("C:\\CD\\") + folder, AnsiString("C:\\TAWO\\") + folder);
  }

  // Names of a folder's entries in the order the file system lists them.
  static std::vector<AnsiString> Listed(const AnsiString& folder) {
    std::vector<AnsiString> names;
    TSearchRec entry;
    for (int found = FindFirst(folder + "*.*", faAnyFile, entry); found == 0; found = FindNext(entry)) {
      if (entry.Name != "." && entry.Name != "..") names.push_back(entry.Name);
    }
    FindClose(entry);
    return names;
  }
};

TEST_F(TreeCopyTest, CopiesEveryFileWithItsContentAndAttributesAndTheEmptyFolder) {
  DemoCd cd = MakeCd();
  CopyCd();
  EXPECT_TRUE(progress.Messages.empty());
  EXPECT_EQ(progress.UserValue(), static_cast<int>(cd.Files().size()));
  EXPECT_EQ(FilesBelow(HostOf("C:\\TAWO\\")), FilesBelow(HostOf("C:\\CD\\")));
  int hidden = 0, system = 0, readOnly = 0;
  for (const DemoCdFile& file : cd.Files()) {
    const int attributes = FileGetAttr("C:\\TAWO\\" + file.Path);
    ASSERT_EQ(attributes, FileGetAttr("C:\\CD\\" + file.Path)) << file.Path;
    ASSERT_EQ(Read(HostOf("C:\\TAWO\\" + file.Path)), Read(HostOf("C:\\CD\\" + file.Path))) << file.Path;
    hidden += (attributes & faHidden) != 0;
    system += (attributes & faSysFile) != 0;
    readOnly += (attributes & faReadOnly) != 0;
  }
  EXPECT_GT(hidden, 0);
  EXPECT_GT(system, 0);
  EXPECT_GT(readOnly, 0);
  EXPECT_TRUE(DirectoryExists("C:\\TAWO\\Makiety\\Puste"));
}

TEST_F(TreeCopyTest, ProcessesMessagesJustBeforeEveryHundredthFileAcrossFolders) {
  MakeCd();
  std::vector<size_t> copiedWhenProcessing;
  progress.OnProcessMessages = [&] { copiedWhenProcessing.push_back(FilesBelow(HostOf("C:\\TAWO\\")).size()); };
  CopyCd();
  EXPECT_EQ(progress.ProcessedAt, (std::vector<int>{100, 200}));
  EXPECT_EQ(copiedWhenProcessing, (std::vector<size_t>{99, 199}));
}

TEST_F(TreeCopyTest, AMissingSourceStillCreatesTheDestination) {
  TreeCopy(progress).Copy("C:\\Missing\\", "C:\\Out\\Deep\\Data\\");
  EXPECT_TRUE(DirectoryExists("C:\\Out\\Deep\\Data"));
  EXPECT_EQ(progress.UserValue(), 0);
  EXPECT_TRUE(progress.Messages.empty());
}

TEST_F(TreeCopyTest, AReadOnlyFileInTheWayIsReportedAndEndsItsFolderOnly) {
  ForceDirectories("C:\\Src\\Inner");
  for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
    ASSERT_TRUE(CreateWithContent((AnsiString("C:\\Src\\Inner\\") + name).c_str(), name));
  }
  ASSERT_TRUE(CreateWithContent("C:\\Src\\outer.txt", "outer"));
  ForceDirectories("C:\\Dst\\Inner");
  ASSERT_TRUE(CreateWithContent("C:\\Dst\\Inner\\c.txt", "old"));
  ASSERT_EQ(FileSetAttr("C:\\Dst\\Inner\\c.txt", faReadOnly), 0);

  TreeCopy(progress).Copy("C:\\Src\\", "C:\\Dst\\");

  ASSERT_EQ(progress.Messages.size(), 1u);
  EXPECT_EQ(progress.Messages[0], "ERROR|Błąd: \n\rSrc: C:\\Src\\Inner\\c.txt\r\nDes:C:\\Dst\\Inner\\c.txt"_a);
  EXPECT_EQ(Read(DriveC("Dst/Inner/c.txt")), "old");
  EXPECT_EQ(Read(DriveC("Dst/outer.txt")), "outer");
  const std::vector<AnsiString> order = Listed("C:\\Src\\Inner\\");
  bool failed = false;
  for (const AnsiString& name : order) {
    if (name != "c.txt") {
      EXPECT_EQ(FileExists("C:\\Dst\\Inner\\" + name), !failed) << name;
    }
    failed = failed || name == "c.txt";
  }
  // The failing file counts; the ones skipped after it do not.
  const auto position = std::find(order.begin(), order.end(), "c.txt") - order.begin();
  EXPECT_EQ(progress.UserValue(), static_cast<int>(position) + 2);
}

TEST_F(TreeCopyTest, LinkedFoldersAreNotEnteredAndLinkedFilesAreCopiedAsFiles) {
  const std::string outside = root_ + "/outside";
  std::filesystem::create_directories(outside);
  Write(outside + "/secret.txt", "secret");
  ForceDirectories("C:\\Src");
  ASSERT_TRUE(CreateWithContent("C:\\Src\\plain.txt", "plain"));
  std::filesystem::create_directory_symlink(outside, DriveC("Src/away"));
  std::filesystem::create_directory_symlink(DriveC("Src"), DriveC("Src/loop"));
  std::filesystem::create_symlink(outside + "/secret.txt", DriveC("Src/alias.txt"));

  TreeCopy(progress).Copy("C:\\Src\\", "C:\\Dst\\");

  EXPECT_TRUE(progress.Messages.empty());
  EXPECT_EQ(FilesBelow(DriveC("Dst")), (std::set<std::string>{"plain.txt", "alias.txt"}));
  EXPECT_EQ(Read(DriveC("Dst/alias.txt")), "secret");
  EXPECT_FALSE(std::filesystem::is_symlink(DriveC("Dst/alias.txt")));
  EXPECT_EQ(progress.UserValue(), 2);
}

}  // namespace
