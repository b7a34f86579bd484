#include <gtest/gtest.h>

#include "GraphicsTestUtil.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "TMemoryStream.h"

#include <cstring>
#include <functional>
#include <vector>

using enum TPixelFormat;

namespace {

TColor PixelOf(TBitmap& bitmap, int x, int y) { return bitmap.Canvas()->Pixel(x, y); }

// 2 x 2, 24 bits, bottom-up: top row red, white; bottom row blue, green.
const std::vector<uint8_t> kWorkedExample{
    0x42, 0x4D, 0x46, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0, 0x28, 0, 0, 0, 2, 0, 0, 0, 2, 0,
    0, 0, 1, 0, 0x18, 0, 0, 0, 0, 0, 0x10, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};

// A 4 x 2 image of indices {0,1,2,3 / 3,2,1,0} (top row first) at the given depth.
TBmpSpec IndexedSpec(uint16_t bitCount) {
  TBmpSpec spec;
  spec.Width = 4;
  spec.Height = 2;
  spec.BitCount = bitCount;
  spec.Palette = {clBlack, clRed, clLime, clBlue};
  if (bitCount == 1) {
    spec.Palette = {clNavy, clYellow};
    spec.Pixels = {0b0110'0000, 0, 0, 0, 0b1001'0000, 0, 0, 0};  // bottom row first
  } else if (bitCount == 4) {
    spec.ColorsUsed = 4;
    spec.Pixels = {0x32, 0x10, 0, 0, 0x01, 0x23, 0, 0};
  } else {
    spec.ColorsUsed = 4;
    spec.Pixels = {3, 2, 1, 0, 0, 1, 2, 3};
  }
  return spec;
}

TEST(BmpRead, WorkedExampleGivesItsFourPixels) {
  TBitmap bitmap;
  LoadBytes(bitmap, kWorkedExample);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clWhite);
  EXPECT_EQ(PixelOf(bitmap, 0, 1), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clLime);
}

TEST(BmpRead, IndexedDepthsUseTheirColourTables) {
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(IndexedSpec(1)));
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_FALSE(bitmap.Monochrome());  // navy and yellow, not black and white
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clYellow);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clNavy);
  EXPECT_EQ(PixelOf(bitmap, 0, 1), clNavy);
  EXPECT_EQ(PixelOf(bitmap, 1, 1), clYellow);
  for (uint16_t bits : {4, 8}) {
    SCOPED_TRACE(bits);
    LoadBytes(bitmap, MakeBmp(IndexedSpec(bits)));
    EXPECT_EQ(bitmap.PixelFormat(), bits == 4 ? pf4bit : pf8bit);
    const TColor expectedTop[] = {clBlack, clRed, clLime, clBlue};
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(PixelOf(bitmap, x, 0), expectedTop[x]);
      EXPECT_EQ(PixelOf(bitmap, x, 1), expectedTop[3 - x]);
    }
  }
}

TEST(BmpRead, HeaderKindsAndTopDownRowsGiveTheSamePicture) {
  TBmpSpec info = IndexedSpec(8);
  info.ColorsUsed = 0;
  info.Palette.resize(256, clWhite);
  for (uint32_t headerSize : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u}) {
    SCOPED_TRACE(headerSize);
    TBmpSpec spec = info;
    spec.HeaderSize = headerSize;
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(spec));
    EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);
    EXPECT_EQ(PixelOf(bitmap, 3, 1), clBlack);
  }
  TBmpSpec topDown = IndexedSpec(8);
  topDown.Height = -2;
  std::swap_ranges(topDown.Pixels.begin(), topDown.Pixels.begin() + 4, topDown.Pixels.begin() + 4);
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(topDown));
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 3, 1), clBlack);
}

TEST(BmpRead, SixteenAndThirtyTwoBitsFollowTheirMasks) {
  TBmpSpec rgb555;
  rgb555.BitCount = 16;
  rgb555.Width = 2;
  rgb555.Pixels = {0x00, 0x7C, 0x1F, 0x00};  // red, blue
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(rgb555));
  EXPECT_EQ(bitmap.PixelFormat(), pf15bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clBlue);

  TBmpSpec rgb565 = rgb555;
  rgb565.Compression = BI_BITFIELDS;
  rgb565.Masks = {0xF800, 0x07E0, 0x001F};
  rgb565.Pixels = {0xE0, 0x07, 0x00, 0xF8};  // lime, red
  LoadBytes(bitmap, MakeBmp(rgb565));
  EXPECT_EQ(bitmap.PixelFormat(), pf16bit);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clLime);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);

  // 32 bits as R, G, B, A bytes in a V5 header: converted to the usual B, G, R, A.
  TBmpSpec rgba;
  rgba.HeaderSize = 124;
  rgba.BitCount = 32;
  rgba.Compression = BI_BITFIELDS;
  rgba.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
  rgba.Pixels = {0x10, 0x20, 0x30, 0x80};
  LoadBytes(bitmap, MakeBmp(rgba));
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  const auto* pixel = static_cast<const uint8_t*>(bitmap.ScanLine(0));
  EXPECT_EQ(pixel[0], 0x30);
  EXPECT_EQ(pixel[1], 0x20);
  EXPECT_EQ(pixel[2], 0x10);
  EXPECT_EQ(pixel[3], 0x80);
}

TEST(BmpRead, RunLengthCodesIncludingDeltaAndAbsoluteRuns) {
  TBmpSpec rle8;
  rle8.Width = 4;
  rle8.Height = 3;
  rle8.BitCount = 8;
  rle8.Compression = BI_RLE8;
  rle8.Palette = {clBlack, clRed, clLime, clBlue};
  rle8.ColorsUsed = 4;
  rle8.Pixels = {3, 1,              // bottom row: red red red
                 0, 2, 0, 1,        // delta: up one row
                 1, 2,              // lime in the last column
                 0, 0,              // end of line
                 0, 3, 2, 3, 2, 0,  // absolute run lime blue lime, padded
                 0, 1};             // end of bitmap
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(rle8));
  EXPECT_EQ(PixelOf(bitmap, 0, 2), clRed);
  EXPECT_EQ(PixelOf(bitmap, 2, 2), clRed);
  EXPECT_EQ(PixelOf(bitmap, 3, 2), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 3, 1), clLime);
  EXPECT_EQ(PixelOf(bitmap, 0, 1), clBlack);
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clLime);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clBlue);
  EXPECT_EQ(PixelOf(bitmap, 2, 0), clLime);
  EXPECT_EQ(PixelOf(bitmap, 3, 0), clBlack);

  TBmpSpec rle4 = rle8;
  rle4.Height = 1;
  rle4.BitCount = 4;
  rle4.Compression = BI_RLE4;
  rle4.Pixels = {3, 0x12, 0, 1};  // red lime red
  LoadBytes(bitmap, MakeBmp(rle4));
  EXPECT_EQ(PixelOf(bitmap, 0, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clLime);
  EXPECT_EQ(PixelOf(bitmap, 2, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 3, 0), clBlack);
}

TEST(BmpRead, ShortColourTableReadsLaterIndicesAsTheFirstEntry) {
  TBmpSpec spec = IndexedSpec(8);
  spec.ColorsUsed = 2;
  spec.Palette = {clTeal, clRed};
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(spec));
  EXPECT_EQ(PixelOf(bitmap, 1, 0), clRed);
  EXPECT_EQ(PixelOf(bitmap, 2, 0), clTeal);
  EXPECT_EQ(PixelOf(bitmap, 3, 0), clTeal);
}

TEST(BmpRead, LeavesTheStreamAfterThePixelData) {
  std::vector<uint8_t> bytes = kWorkedExample;
  bytes.push_back(0xAB);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  TBitmap bitmap;
  bitmap.LoadFromStream(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(kWorkedExample.size()));
}

TEST(BmpRead, DamagedFilesRaiseInvalidGraphic) {
  const std::vector<uint8_t> good8 = MakeBmp(IndexedSpec(8));
  TBmpSpec rleSpec = IndexedSpec(8);
  rleSpec.Compression = BI_RLE8;
  rleSpec.Pixels = {0, 1};
  using Mutation = std::function<void(std::vector<uint8_t>&)>;
  const std::vector<std::pair<const char*, Mutation>> cases{
      {"bad magic", [](auto& b) { b[0] = 'X'; }},
      {"only the file header", [](auto& b) { b.resize(20); }},
      {"truncated pixels", [](auto& b) { b.pop_back(); }},
      {"header size 100", [](auto& b) { PokeLe(b, 14, 100, 4); }},
      {"zero width", [](auto& b) { PokeLe(b, 18, 0, 4); }},
      {"negative width", [](auto& b) { PokeLe(b, 18, 0xFFFFFFFF, 4); }},
      {"zero height", [](auto& b) { PokeLe(b, 22, 0, 4); }},
      {"most negative height", [](auto& b) { PokeLe(b, 22, 0x80000000, 4); }},
      {"huge size", [](auto& b) { PokeLe(b, 18, 60000, 4); PokeLe(b, 22, 60000, 4); }},
      {"two planes", [](auto& b) { PokeLe(b, 26, 2, 2); }},
      {"three bits", [](auto& b) { PokeLe(b, 28, 3, 2); }},
      {"JPEG", [](auto& b) { PokeLe(b, 30, 4, 4); }},
      {"bit fields at 8 bits", [](auto& b) { PokeLe(b, 30, BI_BITFIELDS, 4); }},
      {"RLE4 at 8 bits", [](auto& b) { PokeLe(b, 30, BI_RLE4, 4); }},
      {"too many colours", [](auto& b) { PokeLe(b, 46, 257, 4); }},
      {"pixels inside the header", [](auto& b) { PokeLe(b, 10, 20, 4); }},
      {"pixels past the end", [](auto& b) { PokeLe(b, 10, 0x10000, 4); }},
  };
  for (const auto& [name, mutate] : cases) {
    SCOPED_TRACE(name);
    std::vector<uint8_t> bytes = good8;
    mutate(bytes);
    TBitmap bitmap;
    EXPECT_THROW(LoadBytes(bitmap, bytes), EInvalidGraphic);
  }

  const std::vector<std::pair<const char*, std::vector<uint8_t>>> rleStreams{
      {"run past the row", {5, 1, 0, 1}},
      {"delta past the picture", {0, 2, 9, 0, 0, 1}},
      {"absolute run cut short", {0, 6, 1, 2}},
      {"lone byte", {7}},
      {"rows past the top", {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const auto& [name, pixels] : rleStreams) {
    SCOPED_TRACE(name);
    rleSpec.Pixels = pixels;
    TBitmap bitmap;
    EXPECT_THROW(LoadBytes(bitmap, MakeBmp(rleSpec)), EInvalidGraphic);
  }
  TBmpSpec topDownRle = rleSpec;
  topDownRle.Height = -2;
  topDownRle.Pixels = {0, 1};
  TBitmap bitmap;
  EXPECT_THROW(LoadBytes(bitmap, MakeBmp(topDownRle)), EInvalidGraphic);

  TBmpSpec masks;
  masks.BitCount = 16;
  masks.Compression = BI_BITFIELDS;
  masks.Pixels = {0, 0, 0, 0};
  for (const std::vector<uint32_t>& bad : {std::vector<uint32_t>{0xF800, 0x0FE0, 0x001F},
                                            std::vector<uint32_t>{0xF800, 0x07E0, 0},
                                            std::vector<uint32_t>{0xF800, 0x05E0, 0x001F},
                                            std::vector<uint32_t>{0x1F800, 0x07E0, 0x001F}}) {
    masks.Masks = bad;
    EXPECT_THROW(LoadBytes(bitmap, MakeBmp(masks)), EInvalidGraphic);
  }
  try {
    LoadBytes(bitmap, {'B', 'M'});
    FAIL();
  } catch (const EInvalidGraphic& error) {
    EXPECT_EQ(error.Message(), "Bitmap image is not valid");
  }
}

TEST(BmpRead, DescriptionsReachingIntoThePixelDataAreDamage) {
  TBmpSpec masks;
  masks.BitCount = 16;
  masks.Compression = BI_BITFIELDS;
  masks.Masks = {0xF800, 0x07E0, 0x001F};
  masks.Pixels = {0, 0, 0, 0};
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> files{
      {"colour table", MakeBmp(IndexedSpec(8))}, {"masks after the header", MakeBmp(masks)}};
  for (const auto& [name, good] : files) {
    SCOPED_TRACE(name);
    TBitmap bitmap;
    LoadBytes(bitmap, good);
    std::vector<uint8_t> bytes = good;
    PokeLe(bytes, 10, bytes[10] - 4, 4);  // the pixel data starts inside the description
    EXPECT_THROW(LoadBytes(bitmap, bytes), EInvalidGraphic);
  }
}

TEST(BmpWrite, TrueColourRoundTripsPixelExact) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    SCOPED_TRACE(static_cast<int>(format));
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(3, 2);
    for (int y = 0; y < 2; ++y) {
      auto* row = static_cast<uint8_t*>(bitmap.ScanLine(y));
      for (int i = 0; i < 3 * (format == pf24bit ? 3 : 4); ++i) row[i] = static_cast<uint8_t>(y * 50 + i * 7 + 1);
    }
    const std::vector<uint8_t> saved = SavedBytes(bitmap);
    TBitmap copy;
    LoadBytes(copy, saved);
    EXPECT_EQ(copy.PixelFormat(), format);
    const int rowBytes = 3 * (format == pf24bit ? 3 : 4);
    for (int y = 0; y < 2; ++y) {
      EXPECT_EQ(std::memcmp(copy.ScanLine(y), bitmap.ScanLine(y), rowBytes), 0);
    }
    EXPECT_EQ(SavedBytes(copy), saved);
  }
}

TEST(BmpWrite, IndexedImagesKeepTheirColourTables) {
  TBitmap bitmap;
  LoadBytes(bitmap, MakeBmp(IndexedSpec(4)));
  const std::vector<uint8_t> saved = SavedBytes(bitmap);
  // File header, 40-byte header with four colours used, the table, the 4-bit rows.
  ASSERT_EQ(saved.size(), 14u + 40 + 4 * 4 + 8);
  EXPECT_EQ(saved[10], 14 + 40 + 16);
  EXPECT_EQ(saved[28], 4);   // bits per pixel
  EXPECT_EQ(saved[46], 4);   // colours used
  const std::vector<uint8_t> table(saved.begin() + 54, saved.begin() + 70);
  EXPECT_EQ(table, (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}));
  const std::vector<uint8_t> original = MakeBmp(IndexedSpec(4));
  EXPECT_TRUE(std::equal(saved.end() - 8, saved.end(), original.end() - 8));

  TBmpSpec rgb565;
  rgb565.BitCount = 16;
  rgb565.Compression = BI_BITFIELDS;
  rgb565.Masks = {0xF800, 0x07E0, 0x001F};
  rgb565.Pixels = {0x34, 0x12, 0, 0};
  LoadBytes(bitmap, MakeBmp(rgb565));
  EXPECT_EQ(SavedBytes(bitmap), MakeBmp(rgb565));
}

TEST(BmpWrite, EmptyBitmapWritesNothingAndReadsBackEmpty) {
  TBitmap bitmap;
  EXPECT_TRUE(SavedBytes(bitmap).empty());
  LoadBytes(bitmap, kWorkedExample);
  LoadBytes(bitmap, {});
  EXPECT_TRUE(bitmap.Empty());
}

}  // namespace
