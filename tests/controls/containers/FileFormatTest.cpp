#include "ContainerTestSupport.h"

#include <gtest/gtest.h>

#include <Classes.h>
#include <LMDContUtils.h>
#include <SysUtils.h>
#include <TFileStream.h>
#include <TMemoryStream.h>

#include <cstdio>
#include <string>

using enum TLMDListItemClassType;
using enum TLMDSavePixelFormat;

namespace {

// A file in the temporary folder, removed afterwards.
class TempFile {
 public:
  explicit TempFile(const char* name) : FName(std::string("/tmp/tawo_containers_") + name) {}
  ~TempFile() { std::remove(FName.c_str()); }
  const AnsiString& Name() const { return FName; }
  std::string Bytes() const {
    std::string bytes;
    if (FILE* file = std::fopen(FName.c_str(), "rb")) {
      int c;
      while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<char>(c));
      std::fclose(file);
    }
    return bytes;
  }
  void Write(const std::string& bytes) const {
    FILE* file = std::fopen(FName.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }

 private:
  AnsiString FName;
};

std::string Saved(TLMDBitmapList& list) {
  TMemoryStream stream;
  list.SaveToStream(stream);
  return std::string(stream.Memory(), static_cast<size_t>(stream.Size()));
}

void LoadBytes(TLMDBitmapList& list, const std::string& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  list.LoadFromStream(stream);
}

TEST(ContainerFile, TwoItemsRoundTripThroughAFile) {
  TempFile file("two.bml");
  const auto first = PatternBitmap(12, 6, 3);
  const auto second = PatternBitmap(5, 9, 200);
  {
    TLMDBitmapList list(nullptr);
    AddBitmap(list, first.get(), "Pierwszy", 17)->SetPixelFormat(spfDefault);
    TLMDBitmapListItem* packed = AddBitmap(list, second.get(), "Drugi", 300000);
    packed->SetCompressed(true);
    list.SaveToFile(file.Name());
  }
  const std::string bytes = file.Bytes();
  EXPECT_EQ(bytes.substr(0, 9), std::string("\x08LMDBML30"));

  TLMDBitmapList read(nullptr);
  read.LoadFromFile(file.Name());
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Items(0)->Description(), "Pierwszy");
  EXPECT_EQ(read.Items(0)->Ident(), 17);
  EXPECT_EQ(read.Items(1)->Description(), "Drugi");
  EXPECT_EQ(read.Items(1)->Ident(), 300000);
  EXPECT_TRUE(read.Items(1)->Compressed());
  EXPECT_TRUE(SamePixels(read.Item(0)->StoredBitmap(), first.get()));
  EXPECT_TRUE(SamePixels(read.Item(1)->StoredBitmap(), second.get()));

  // Single items by the offset table.
  TBitmap single;
  EXPECT_TRUE(LMDBMLGetItem(file.Name(), 1, &single));
  EXPECT_TRUE(SamePixels(&single, second.get()));
  int32_t count = 0;
  std::vector<int32_t> offsets;
  EXPECT_EQ(LMDListGetFileType(file.Name(), count, &offsets), icBitmap);
  EXPECT_EQ(count, 2);
  ASSERT_EQ(offsets.size(), 2u);
  EXPECT_EQ(offsets[0], 9 + 4 + 8);
  EXPECT_THROW(LMDBMLGetItem(file.Name(), 2, &single), EReadError);
}

TEST(ContainerFile, ReducedPixelFormatsKeepTheirFlagAndShape) {
  TLMDBitmapList list(nullptr);
  const auto bitmap = PatternBitmap(16, 8, 0);
  AddBitmap(list, bitmap.get())->SetPixelFormat(spfMono);
  AddBitmap(list, bitmap.get())->SetPixelFormat(spf8bit);
  const std::string bytes = Saved(list);
  EXPECT_EQ(static_cast<uint8_t>(bytes[4]), 0x08 | 0x10);

  TLMDBitmapList read(nullptr);
  LoadBytes(read, bytes);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read.Item(0)->PixelFormat(), spfMono);
  EXPECT_EQ(read.Item(1)->PixelFormat(), spf8bit);
  EXPECT_EQ(read.Item(1)->StoredBitmap()->Width(), 16);
  EXPECT_EQ(read.Item(1)->StoredBitmap()->Height(), 8);
}

TEST(ContainerFile, AnItemWithoutDescriptionOrIdentWritesOnlyItsFlagByte) {
  TLMDBitmapList list(nullptr);
  list.Add();
  EXPECT_EQ(Saved(list), std::string("\x01\x00\x00\x00\x00", 5));
  list.Items(0)->SetDescription("Ab");
  list.Items(0)->SetIdent(258);
  EXPECT_EQ(Saved(list), std::string("\x01\x00\x00\x00\x06\x02"
                                     "Ab\x02\x01\x00\x00",
                                     12));
}

TEST(ContainerFile, WrongSignaturesAreRefused) {
  TempFile file("wrong.bml");
  file.Write(std::string("\x08LMDIML30\x00\x00\x00\x00", 13));
  TLMDBitmapList list(nullptr);
  try {
    list.LoadFromFile(file.Name());
    FAIL() << "image-list file read as a bitmap list";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Cannot open file %s: TLMDBitmapList");
  }
  TBitmap bitmap;
  try {
    LMDBMLGetItem(file.Name(), 0, &bitmap);
    FAIL() << "image-list file read as a bitmap list";
  } catch (const Exception& error) {
    EXPECT_EQ(error.Message(), "Cannot open file %s: " + file.Name());
  }

  file.Write("not a container at all");
  int32_t count = -5;
  std::vector<int32_t> offsets{1, 2, 3};
  EXPECT_EQ(LMDListGetFileType(file.Name(), count, &offsets), icInvalid);
  EXPECT_EQ(offsets, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(count, -5);
}

TEST(ContainerFile, DamagedRecordsRaiseAndLeaveAConsistentList) {
  TLMDBitmapList source(nullptr);
  const auto bitmap = PatternBitmap(10, 10, 5);
  AddBitmap(source, bitmap.get(), "plain", 1);
  AddBitmap(source, bitmap.get(), "packed", 2)->SetCompressed(true);
  const std::string good = Saved(source);

  for (size_t cut = 0; cut < good.size(); ++cut) {
    TLMDBitmapList list(nullptr);
    EXPECT_THROW(LoadBytes(list, good.substr(0, cut)), Exception) << "cut at " << cut;
    EXPECT_LE(list.Count(), 2) << "cut at " << cut;
  }
  // A flipped byte either raises or gives a list that saves and reads back as it is.
  int readLists = 0;
  for (size_t at = 0; at < good.size(); ++at) {
    std::string flipped = good;
    flipped[at] = static_cast<char>(flipped[at] ^ 0xA5);
    TLMDBitmapList list(nullptr);
    try {
      LoadBytes(list, flipped);
    } catch (const Exception&) {
      continue;
    }
    ++readLists;
    TLMDBitmapList again(nullptr);
    LoadBytes(again, Saved(list));
    ASSERT_EQ(again.Count(), list.Count()) << "flip at " << at;
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(again.Items(i)->Description(), list.Items(i)->Description());
  }
  EXPECT_GT(readLists, 0);
  TLMDBitmapList list(nullptr);
  EXPECT_THROW(LoadBytes(list, std::string("\xFF\xFF\xFF\x7F\x00", 5)), EReadError);
  EXPECT_THROW(LoadBytes(list, std::string("\xFF\xFF\xFF\xFF", 4)), EReadError);
}

TEST(ContainerFile, Extensions) {
  EXPECT_EQ(LMDICGetSuffix(icBitmap, true), ".bml");
  EXPECT_EQ(LMDICGetSuffix(icRTF, false), "rtl");
  EXPECT_EQ(LMDICGetItemSuffix(icBitmap, true), ".bmp");
  EXPECT_EQ(LMDICGetItemSuffix(icGeneric, false), "*");
  EXPECT_EQ(LMDICGetItemSuffix(icInvalid, true), "");
}

}  // namespace
