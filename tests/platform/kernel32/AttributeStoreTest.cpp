#include <sys/stat.h>

#include "AttributeStore.h"
#include "TempPrefix.h"

namespace {

class AttributeStoreTest : public TempPrefix {};

// The store stands in for extended attributes on file systems without them.
TEST_F(AttributeStoreTest, KeepsAttributesPerFileAndForgetsThemForAReusedInode) {
  std::string file = DriveC("hidden.txt");
  Write(file, "x");
  struct stat status;
  ASSERT_EQ(lstat(file.c_str(), &status), 0);
  DWORD attributes = 0;
  EXPECT_FALSE(AttributeStore::Instance().Get(file, status, attributes));
  ASSERT_TRUE(AttributeStore::Instance().Set(file, status, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_TRUE(AttributeStore::Instance().Get(file, status, attributes));
  EXPECT_EQ(attributes, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_NE(Read(root_ + "/dosattrib.txt").find("0x6"), std::string::npos);

  // The same device and inode with another birth time is another file.
  struct stat other = status;
  ASSERT_TRUE(AttributeStore::Instance().Set(file, other, FILE_ATTRIBUTE_HIDDEN));
  std::string text = Read(root_ + "/dosattrib.txt");
  size_t birth = text.find(' ', text.find(' ') + 1) + 1;
  text.replace(birth, text.find(' ', birth) - birth, "1");
  Write(root_ + "/dosattrib.txt", text);
  EXPECT_FALSE(AttributeStore::Instance().Get(file, status, attributes));
}

}  // namespace
