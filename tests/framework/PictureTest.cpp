#include <gtest/gtest.h>
#include <unistd.h>
#include <winport.h>

#include "GraphicsTestUtil.h"
#include "TBitmap.h"
#include "TPicture.h"

#include <cstdlib>
#include <filesystem>

namespace {

// Files go to a temporary prefix's drive C.
class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tawo-graphics-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    FRoot = pattern;
    WinportSetPrefix(FRoot.c_str());
  }
  void TearDown() override {
    WinportSetPrefix(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(FRoot, ignored);
  }
  std::string FRoot;
};

struct TChangeCounter : TObject {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

TEST_F(PictureFiles, SavesAndLoadsBitmapsByExtension) {
  TPicture picture;
  TBitmap* bitmap = picture.Bitmap();
  MakeFilled(*bitmap, 3, 2, clPurple);
  picture.SaveToFile("C:\\picture.bmp");

  TPicture loaded;
  TChangeCounter counter;
  loaded.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  loaded.LoadFromFile("C:\\PICTURE.BMP");
  EXPECT_EQ(counter.Count, 1);
  EXPECT_EQ(loaded.Width(), 3);
  EXPECT_EQ(loaded.Height(), 2);
  EXPECT_EQ(loaded.Bitmap()->Canvas()->Pixel(2, 1), clPurple);
  loaded.Bitmap()->Canvas()->SetPixel(0, 0, clRed);  // the graphic's changes reach the picture
  EXPECT_EQ(counter.Count, 2);

  try {
    loaded.LoadFromFile("C:\\picture.xyz");
    FAIL();
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), "Unknown picture file extension (.xyz)");
  }
  EXPECT_EQ(loaded.Width(), 3);  // the old graphic stays
  EXPECT_ANY_THROW(loaded.LoadFromFile("C:\\missing.bmp"));
}

TEST(Picture, AssignCopiesTheGraphic) {
  TBitmap bitmap;
  MakeFilled(bitmap, 2, 2, clOlive);
  TPicture picture;
  picture.Assign(&bitmap);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(picture.Graphic(), &bitmap);
  bitmap.Canvas()->SetPixel(0, 0, clRed);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixel(0, 0), clOlive);

  TPicture other;
  other.Assign(&picture);
  EXPECT_EQ(other.Width(), 2);
  other.Assign(nullptr);
  EXPECT_EQ(other.Graphic(), nullptr);
  EXPECT_EQ(other.Width(), 0);
}

}  // namespace
