// A bitmap item left empty in a form loads its bitmap on first use from where its list's
// Source says: a container file, a bitmap file beside the list's file name, or a bitmap
// resource of the program. Missing and damaged sources raise and leave the item as it was.
#include "ContainerTestSupport.h"

#include <gtest/gtest.h>
#include <winport.h>

#include <Classes.h>
#include <TMemoryStream.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <string>

using enum TLMDContainerSource;
using enum TLMDPathPrefix;

namespace {

enum class TState { present, missing, damaged };

// The item's ident tells the cases apart, so resources of one program do not meet.
int32_t IdentOf(TState state) { return 1 + static_cast<int>(state); }

std::string FileBytes(TBitmap* bitmap) {
  TMemoryStream stream;
  bitmap->SaveToStream(stream);
  return std::string(stream.Memory(), static_cast<size_t>(stream.Size()));
}

void WriteHostFile(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// Cut in the middle of the pixels.
std::string Damaged(const std::string& bytes) { return bytes.substr(0, bytes.size() - 40); }

// A container file whose item `ident` holds the picture.
void PutListFile(const std::string& folder, TState state, TBitmap* picture) {
  if (state == TState::missing) return;
  TLMDBitmapList list(nullptr);
  for (int32_t i = 0; i <= IdentOf(state); ++i) AddBitmap(list, picture);
  const std::string name = folder + "icons.bml";
  list.SaveToFile(name.c_str());
  if (state == TState::damaged) {
    std::ifstream file(name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    WriteHostFile(name, Damaged(bytes));
  }
}

// "ico" (the list file name's first three characters) + ident + ".bmp".
void PutPathFile(const std::string& folder, TState state, TBitmap* picture) {
  if (state == TState::missing) return;
  const std::string bytes = FileBytes(picture);
  WriteHostFile(folder + "ico" + std::to_string(IdentOf(state)) + ".bmp",
                state == TState::damaged ? Damaged(bytes) : bytes);
}

// A bitmap resource is a BMP file without its 14-byte file header.
void PutResource(const std::string&, TState state, TBitmap* picture) {
  if (state == TState::missing) return;
  const std::string dib = FileBytes(picture).substr(14);
  const std::string bytes = state == TState::damaged ? dib.substr(0, 20) : dib;
  ASSERT_TRUE(WinportAddResource(RT_BITMAP, MAKEINTRESOURCEA(IdentOf(state)), bytes.data(),
                                 static_cast<DWORD>(bytes.size())));
}

struct TSourceCase {
  const char* name;
  TLMDContainerSource source;
  std::function<void(const std::string&, TState, TBitmap*)> put;
};

class LazyLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tawo_lazy_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = std::string(pattern) + "/";
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string folder_;
};

TEST_F(LazyLoading, EachSourceLoadsPresentDataAndRefusesMissingOrDamagedData) {
  const TSourceCase cases[] = {
      {"file", sdFile, PutListFile},
      {"path", sdPath, PutPathFile},
      {"resource", sdAppResource, PutResource},
  };
  const auto picture = PatternBitmap(7, 5, 60);
  for (const TSourceCase& source : cases) {
    for (TState state : {TState::present, TState::missing, TState::damaged}) {
      SCOPED_TRACE(std::string(source.name) + " " + std::to_string(static_cast<int>(state)));
      source.put(folder_, state, picture.get());
      TLMDBitmapList list(nullptr);
      TLMDBitmapListItem* item = AddBitmap(list, nullptr, "lazy", IdentOf(state));
      list.SetSource(source.source);
      list.SetPrefix(ppFixed);
      // A host name with '/' separators: the folder is split off at the last one.
      list.SetFileName((folder_ + "icons.bml").c_str());
      if (state == TState::present) {
        EXPECT_TRUE(SamePixels(item->Bitmap(), picture.get()));
        EXPECT_TRUE(list.IsValidItem(0, 0));
        continue;
      }
      EXPECT_THROW(item->Bitmap(), Exception);
      EXPECT_TRUE(item->StoredBitmap()->Empty());
      EXPECT_EQ(list.Count(), 1);
      EXPECT_EQ(item->Description(), "lazy");
    }
  }
}

}  // namespace
