// Tree removal: read-only, hidden and system files, message processing, files in use and links.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "InstallerFixture.h"
#include "TreeCopy.h"
#include "TreeRemoval.h"

namespace {

class TreeRemovalTest : public InstallerFixture {};

TEST_F(TreeRemovalTest, RemovesACopiedCdWithReadOnlyHiddenAndSystemFilesAndAddedFiles) {
  DemoCd cd = MakeCd();
  RecordingProgress copying;
  TreeCopy(copying).Copy("C:\\CD\\", "C:\\TAWO\\");
  ASSERT_TRUE(CreateWithContent("C:\\TAWO\\Data\\notes added by the user.txt", "mine"));

  TreeRemoval(progress).Remove("C:\\TAWO\\");

  EXPECT_FALSE(std::filesystem::exists(DriveC("TAWO")));
  EXPECT_EQ(progress.UserValue(), static_cast<int>(cd.Files().size()) + 1);
  EXPECT_TRUE(progress.ProcessedAt.empty());
  EXPECT_EQ(FilesBelow(DriveC("CD")).size(), cd.Files().size());
}

TEST_F(TreeRemovalTest, ProcessesMessagesJustBeforeEveryFiveHundredthFile) {
  std::filesystem::create_directories(DriveC("Many/Sub"));
  for (int i = 0; i < 1100; ++i) Write(DriveC(i % 3 ? "Many/f" : "Many/Sub/f") + std::to_string(i), "");
  std::vector<size_t> leftWhenProcessing;
  progress.OnProcessMessages = [&] { leftWhenProcessing.push_back(FilesBelow(DriveC("Many")).size()); };

  TreeRemoval(progress).Remove("C:\\Many\\");

  EXPECT_EQ(progress.ProcessedAt, (std::vector<int>{500, 1000}));
  EXPECT_EQ(leftWhenProcessing, (std::vector<size_t>{601, 101}));
  EXPECT_FALSE(std::filesystem::exists(DriveC("Many")));
}

TEST_F(TreeRemovalTest, AFileHeldOpenByAnotherProcessStaysWithItsFolderChain) {
  ForceDirectories("C:\\TAWO\\DB\\Archiwum");
  ForceDirectories("C:\\TAWO\\Data");
  ASSERT_TRUE(CreateWithContent("C:\\TAWO\\DB\\Archiwum\\open.db", "in use"));
  ASSERT_TRUE(CreateWithContent("C:\\TAWO\\DB\\Archiwum\\closed.db", "free"));
  ASSERT_TRUE(CreateWithContent("C:\\TAWO\\Data\\other.dat", "free"));
  // A program of its own: a forked copy of this process would share its lock file.
  int toHolder[2], fromHolder[2];
  ASSERT_EQ(pipe(toHolder), 0);
  ASSERT_EQ(pipe(fromHolder), 0);
  const pid_t holder = fork();
  ASSERT_GE(holder, 0);
  if (holder == 0) {
    dup2(toHolder[0], 0);
    dup2(fromHolder[1], 1);
    for (int fd : {toHolder[0], toHolder[1], fromHolder[0], fromHolder[1]}) close(fd);
    execl(HOLD_FILE_PATH, HOLD_FILE_PATH, root_.c_str(), "C:\\TAWO\\DB\\Archiwum\\open.db", nullptr);
    _exit(127);
  }
  close(toHolder[0]);
  close(fromHolder[1]);
  char state[5] = {};
  ASSERT_EQ(read(fromHolder[0], state, 4), 4);
  ASSERT_STREQ(state, "held");

  TreeRemoval(progress).Remove("C:\\TAWO\\");

  close(toHolder[1]);
  close(fromHolder[0]);
  waitpid(holder, nullptr, 0);
  EXPECT_EQ(FilesBelow(DriveC("TAWO")), (std::set<std::string>{"DB/Archiwum/open.db"}));
  EXPECT_EQ(GetFileAttributesA("C:\\TAWO\\DB\\Archiwum\\open.db"), DWORD{FILE_ATTRIBUTE_NORMAL})
      << "a file left behind has its attributes cleared, its archive bit too";
  EXPECT_FALSE(std::filesystem::exists(DriveC("TAWO/Data")));
  EXPECT_TRUE(progress.Messages.empty());
  EXPECT_EQ(progress.UserValue(), 3);
}

TEST_F(TreeRemovalTest, LinksAreRemovedThemselvesAndWhatTheyPointToStays) {
  const std::string outside = root_ + "/outside";
  std::filesystem::create_directories(outside + "/deep");
  Write(outside + "/deep/keep.txt", "keep");
  Write(outside + "/locked.txt", "locked");
  ASSERT_EQ(chmod((outside + "/locked.txt").c_str(), 0444), 0);
  ForceDirectories("C:\\TAWO\\Data");
  std::filesystem::create_directory_symlink(outside, DriveC("TAWO/Data/away"));
  std::filesystem::create_directory_symlink(DriveC("TAWO"), DriveC("TAWO/Data/loop"));
  std::filesystem::create_symlink(outside + "/locked.txt", DriveC("TAWO/alias.txt"));

  TreeRemoval(progress).Remove("C:\\TAWO\\");

  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(DriveC("TAWO"))));
  EXPECT_EQ(Read(outside + "/deep/keep.txt"), "keep");
  EXPECT_EQ(Read(outside + "/locked.txt"), "locked");
  struct stat status;
  ASSERT_EQ(stat((outside + "/locked.txt").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0444u);
}

TEST_F(TreeRemovalTest, AFolderThatIsALinkLosesOnlyTheLink) {
  const std::string outside = root_ + "/elsewhere";
  std::filesystem::create_directories(outside + "/sub");
  Write(outside + "/sub/keep.txt", "keep");
  std::filesystem::create_directory_symlink(outside, DriveC("TAWO"));

  TreeRemoval(progress).Remove("C:\\TAWO\\");

  EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(DriveC("TAWO"))));
  EXPECT_EQ(Read(outside + "/sub/keep.txt"), "keep");
}

TEST_F(TreeRemovalTest, AMissingFolderIsQuietlyNothing) {
  TreeRemoval(progress).Remove("C:\\Nowhere\\");
  EXPECT_EQ(progress.UserValue(), 0);
  EXPECT_FALSE(std::filesystem::exists(DriveC("Nowhere")));
}

}  // namespace
