// Screenshot encoding and the headless backend.
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "DisplayBackends.h"
#include "HeadlessBackend.h"
#include "ImageFile.h"

namespace {

std::shared_ptr<PixelSurface> Gradient(int width, int height) {
  auto surface = PixelSurface::Create(width, height, PixelSurface::Format{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) surface->WritePixel(x, y, surface->PixelFromColor(RGB(x * 10, y * 20, 7)));
  }
  return surface;
}

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) | (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

TEST(ImageFile, PngHoldsTheAreaAsFilteredRgbRowsWithValidChecksums) {
  auto surface = Gradient(5, 4);
  const std::vector<uint8_t> png = ImageFile::EncodePng(*surface, RECT{1, 1, 4, 3});
  ASSERT_GT(png.size(), 8u + 25u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(BigEndian(png, 16), 3u) << "width";
  EXPECT_EQ(BigEndian(png, 20), 2u) << "height";

  size_t at = 8;
  std::vector<uint8_t> compressed;
  while (at + 12 <= png.size()) {
    const uint32_t length = BigEndian(png, at);
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const uLong crc = crc32(0, png.data() + at + 4, length + 4);
    EXPECT_EQ(BigEndian(png, at + 8 + length), crc) << type;
    if (type == "IDAT") compressed.insert(compressed.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  std::vector<uint8_t> raw(2 * (1 + 3 * 3));
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, compressed.data(), compressed.size()), Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  EXPECT_EQ(raw[0], 0) << "filter type none";
  EXPECT_EQ(raw[1], 10) << "red of (1,1)";
  EXPECT_EQ(raw[2], 20) << "green of (1,1)";
  EXPECT_EQ(raw[3], 7);
  EXPECT_EQ(raw[10 + 1 + 6], 30) << "red of (3,2)";
  EXPECT_EQ(raw[10 + 1 + 7], 40) << "green of (3,2)";
}

TEST(ImageFile, BmpRowsAreBottomUpPaddedToFourBytes) {
  auto surface = Gradient(3, 2);
  const std::vector<uint8_t> bmp = ImageFile::EncodeBmp(*surface, surface->Bounds());
  ASSERT_EQ(bmp.size(), 54u + 2 * 12u);
  EXPECT_EQ(bmp[0], 'B');
  // The first stored row is the bottom one (y = 1): blue, green, red of (0,1).
  EXPECT_EQ(bmp[54], 7);
  EXPECT_EQ(bmp[55], 20);
  EXPECT_EQ(bmp[56], 0);
  EXPECT_EQ(bmp[54 + 9], 0) << "padding";
  EXPECT_EQ(bmp[54 + 12 + 1], 0) << "green of (0,0)";
}

TEST(ImageFile, EmptyOrOutsideAreasAreRefused) {
  auto surface = Gradient(3, 2);
  EXPECT_TRUE(ImageFile::EncodePng(*surface, RECT{5, 5, 9, 9}).empty());
  EXPECT_TRUE(ImageFile::EncodeBmp(*surface, RECT{1, 1, 1, 2}).empty());
  EXPECT_FALSE(ImageFile::Write("/nonexistent-folder/x.png", *surface, surface->Bounds(), ImageFile::Format::Png));
  EXPECT_EQ(ImageFile::FormatForPath("shot.BMP"), ImageFile::Format::Bmp);
  EXPECT_EQ(ImageFile::FormatForPath("shot.png"), ImageFile::Format::Png);
}

TEST(HeadlessBackend, WakeEndsAWaitAndIsRememberedUntilThen) {
  HeadlessBackend backend;
  backend.Wake();
  backend.WaitEvents(-1);  // returns at once: the wake came first
  std::thread waker([&backend] { backend.Wake(); });
  backend.WaitEvents(-1);
  waker.join();
  EXPECT_EQ(backend.ScreenSize().cx, 1024);
  EXPECT_TRUE(backend.ComposesScreen());
}

TEST(DisplayBackends, WindisplayNamesTheBackend) {
  ASSERT_EQ(setenv("WINDISPLAY", "headless", 1), 0);
  EXPECT_EQ(DisplayBackends::DefaultName(), "headless");
  EXPECT_NE(DisplayBackends::Create("headless"), nullptr);
  EXPECT_EQ(DisplayBackends::Create("no-such-display"), nullptr);
}

}  // namespace
