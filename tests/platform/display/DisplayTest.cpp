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

TEST(ImageFile, DecodingGivesBackWhatEncodingWrote) {
  auto surface = Gradient(5, 4);
  auto decoded = ImageFile::DecodePng(ImageFile::EncodePng(*surface, surface->Bounds()));
  ASSERT_NE(decoded, nullptr);
  ASSERT_EQ(decoded->Width(), 5);
  ASSERT_EQ(decoded->Height(), 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(decoded->ColorFromPixel(decoded->ReadPixel(x, y)), RGB(x * 10, y * 20, 7)) << x << "," << y;
    }
  }
}

// A 2 x 5 picture whose first row is stored plainly and each further row with filter 1..4;
// every row decodes to the same pixels, (10,20,30) then (13,26,39).
TEST(ImageFile, DecodingUndoesEveryRowFilter) {
  std::vector<uint8_t> rows{0, 10, 20, 30, 13, 26, 39,
                            1, 10, 20, 30, 3, 6, 9,
                            2, 0, 0, 0, 0, 0, 0,
                            3, 5, 10, 15, 2, 3, 5,
                            4, 0, 0, 0, 0, 0, 0};
  uLongf size = compressBound(static_cast<uLong>(rows.size()));
  std::vector<uint8_t> idat(size);
  ASSERT_EQ(compress(idat.data(), &size, rows.data(), static_cast<uLong>(rows.size())), Z_OK);
  idat.resize(size);
  std::vector<uint8_t> png = ImageFile::EncodePng(*Gradient(2, 5), RECT{0, 0, 2, 5});
  const size_t idatAt = 8 + 25;
  png.erase(png.begin() + idatAt, png.end() - 12);
  const std::vector<uint8_t> chunk = [&] {
    std::vector<uint8_t> c{0, 0, 0, 0, 'I', 'D', 'A', 'T'};
    for (int i = 0; i < 4; ++i) c[i] = static_cast<uint8_t>(idat.size() >> (24 - 8 * i));
    c.insert(c.end(), idat.begin(), idat.end());
    c.insert(c.end(), 4, 0);  // the decoder does not check sums
    return c;
  }();
  png.insert(png.begin() + idatAt, chunk.begin(), chunk.end());
  auto decoded = ImageFile::DecodePng(png);
  ASSERT_NE(decoded, nullptr);
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(decoded->ColorFromPixel(decoded->ReadPixel(0, y)), RGB(10, 20, 30)) << "row " << y;
    EXPECT_EQ(decoded->ColorFromPixel(decoded->ReadPixel(1, y)), RGB(13, 26, 39)) << "row " << y;
  }
}

TEST(ImageFile, DecodingRefusesOtherAndDamagedFiles) {
  const std::vector<uint8_t> png = ImageFile::EncodePng(*Gradient(3, 2), RECT{0, 0, 3, 2});
  std::vector<uint8_t> grey = png;
  grey[8 + 8 + 9] = 0;  // colour type
  const std::vector<uint8_t> cases[] = {{}, std::vector<uint8_t>(png.begin(), png.end() - 20), grey,
                                        std::vector<uint8_t>(png.begin() + 1, png.end())};
  for (const auto& bytes : cases) EXPECT_EQ(ImageFile::DecodePng(bytes), nullptr) << bytes.size() << " bytes";
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
