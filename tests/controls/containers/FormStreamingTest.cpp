#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <TMemoryStream.h>

namespace {

TEST(ContainerForms, ItemsStreamAsChildrenWithTheirWholeRecord) {
  const auto first = PatternBitmap(6, 5, 30);
  TMemoryStream stream;
  {
    TLMDBitmapList list(nullptr);
    list.SetDefaultCompressed(true);
    AddBitmap(list, first.get(), "Ikona", 12)->SetCompressed(true);
    list.Add();
    stream.WriteComponent(&list);
  }
  const std::string bytes(stream.Memory(), static_cast<size_t>(stream.Size()));
  EXPECT_NE(bytes.find("Internal"), std::string::npos);
  EXPECT_EQ(bytes.find("Description"), std::string::npos);

  stream.SetPosition(0);
  TLMDBitmapList read(nullptr);
  stream.ReadComponent(&read);
  EXPECT_TRUE(read.DefaultCompressed());
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Items(0)->Owner(), &read);
  EXPECT_EQ(read.Items(0)->Description(), "Ikona");
  EXPECT_EQ(read.Items(0)->Ident(), 12);
  EXPECT_TRUE(SamePixels(read.Item(0)->StoredBitmap(), first.get()));
  EXPECT_FALSE(read.IsValidItem(1, 0));
}

}  // namespace
