#include "GdiTestSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <DibInfo.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Dib {
  BITMAPINFOHEADER header{};
  RGBQUAD colors[256]{};

  Dib(int width, int height, int bits) {
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
  }
  BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(this); }
};

TEST(DibSections, BottomUpBitsMapRowZeroToTheBottom) {
  Dib dib(2, 2, 24);
  HDC dc = CreateCompatibleDC(nullptr);
  uint8_t* bits = nullptr;
  HBITMAP section = CreateDIBSection(dc, dib.info(), DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  ASSERT_NE(section, nullptr);
  ASSERT_NE(bits, nullptr);
  HGDIOBJ previous = SelectObject(dc, section);
  bits[0] = 0xFF;  // first stored row is the bottom row: pixel (0, 1) becomes blue
  EXPECT_EQ(GetPixel(dc, 0, 1), RGB(0, 0, 255));
  SetPixel(dc, 1, 0, RGB(1, 2, 3));
  EXPECT_EQ(bits[8 + 3], 3);  // stride 8: top row starts at byte 8, pixel 1 at +3 (B first)
  DIBSECTION ds;
  EXPECT_EQ(GetObjectA(section, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
  EXPECT_EQ(ds.dsBm.bmWidthBytes, 8);
  EXPECT_EQ(ds.dsBmih.biHeight, 2);
  SelectObject(dc, previous);
  DeleteObject(section);
  DeleteDC(dc);
}

TEST(DibSections, MalformedDescriptionsAreRejected) {
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = reinterpret_cast<void*>(1);
  Dib zeroWidth(0, 2, 24);
  EXPECT_EQ(CreateDIBSection(dc, zeroWidth.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  Dib oddDepth(2, 2, 7);
  EXPECT_EQ(CreateDIBSection(dc, oddDepth.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  Dib huge(1 << 20, 1 << 20, 32);
  EXPECT_EQ(CreateDIBSection(dc, huge.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  Dib tooManyColors(2, 2, 4);
  tooManyColors.header.biClrUsed = 17;
  EXPECT_EQ(CreateDIBSection(dc, tooManyColors.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  Dib badMasks(2, 2, 16);
  badMasks.header.biCompression = BI_BITFIELDS;
  DWORD masks[3] = {0xF0F0, 0x0F00, 0x000F};  // not contiguous
  memcpy(badMasks.colors, masks, sizeof(masks));
  EXPECT_EQ(CreateDIBSection(dc, badMasks.info(), DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(CreateDIBSection(dc, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  DeleteDC(dc);
}

// An index past a DIB section's colour table is black, whichever way the pixel is read.
TEST(DibSections, IndicesPastTheColourTableReadAsBlack) {
  struct Case {
    int bits;
    DWORD colors;
    uint8_t index;
    COLORREF expected;
  };
  for (const Case& c : {Case{8, 2, 5, RGB(0, 0, 0)}, Case{8, 2, 1, RGB(0, 255, 0)}, Case{4, 3, 15, RGB(0, 0, 0)},
                        Case{1, 1, 1, RGB(0, 0, 0)}, Case{8, 255, 255, RGB(0, 0, 0)}}) {
    SCOPED_TRACE(::testing::Message() << c.bits << " bits, " << c.colors << " colours, index " << +c.index);
    Dib dib(1, 1, c.bits);
    dib.header.biClrUsed = c.colors;
    for (DWORD i = 0; i < c.colors; ++i) dib.colors[i] = {0, 255, 0, 0};  // lime
    dib.colors[0] = {0, 0, 255, 0};                                       // red
    uint8_t* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, dib.info(), DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    ASSERT_NE(section, nullptr);
    bits[0] = static_cast<uint8_t>(c.index << (8 - c.bits));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, section);
    EXPECT_EQ(GetPixel(dc, 0, 0), c.expected);
    Canvas32 canvas(1, 1);
    BitBlt(canvas.dc(), 0, 0, 1, 1, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(canvas.At(0, 0), c.expected);
    Dib query(1, 1, 24);
    uint8_t pixel[4] = {};
    ASSERT_EQ(GetDIBits(dc, section, 0, 1, pixel, query.info(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(RGB(pixel[2], pixel[1], pixel[0]), c.expected);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(section);
  }
}

// The unused top byte of a 32-bit pixel is not part of its colour.
TEST(DibSections, MonochromeCopiesMatchTheBackgroundByColourAlone) {
  Canvas32 source(2, 1);
  source.SetRaw(0, 0, 0x80FF0000);  // red, top byte set
  source.SetRaw(1, 0, 0x000000FF);  // blue
  HBITMAP mono = CreateBitmap(2, 1, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, mono);
  SetBkColor(source.dc(), RGB(255, 0, 0));
  BitBlt(dc, 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 0));
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(mono);
}

TEST(DibTransfers, EveryDepthRoundTripsThroughABitmap) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 2);
  Dib source(4, 2, 32);
  const uint32_t pixels[8] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000, 0x808080, 0xFFFF00, 0x00FFFF};
  ASSERT_EQ(SetDIBits(screen, bitmap, 0, 2, pixels, source.info(), DIB_RGB_COLORS), 2);
  for (int depth : {1, 4, 8, 16, 24, 32}) {
    Dib out(4, 2, depth);
    std::vector<uint8_t> bits(64);
    ASSERT_EQ(GetDIBits(screen, bitmap, 0, 2, bits.data(), out.info(), DIB_RGB_COLORS), 2) << depth;
    HBITMAP copy = CreateCompatibleBitmap(screen, 4, 2);
    ASSERT_EQ(SetDIBits(screen, copy, 0, 2, bits.data(), out.info(), DIB_RGB_COLORS), 2) << depth;
    Dib back(4, 2, 32);
    uint32_t result[8];
    GetDIBits(screen, copy, 0, 2, result, back.info(), DIB_RGB_COLORS);
    if (depth >= 24) {
      EXPECT_EQ(memcmp(result, pixels, sizeof(pixels)), 0) << depth;
    } else {
      EXPECT_EQ(result[0] & 0xFFFFFF, depth == 1 ? 0x000000u : 0xFF0000u) << depth;  // pure red survives 4+ bits
      EXPECT_EQ(result[3] & 0xFFFFFF, 0xFFFFFFu) << depth;                              // white survives all
      EXPECT_EQ(result[4] & 0xFFFFFF, 0x000000u) << depth;
    }
    DeleteObject(copy);
  }
  DeleteObject(bitmap);
  ReleaseDC(nullptr, screen);
}

TEST(DibTransfers, QueryingTheFormatFillsTheHeader) {
  HBITMAP bitmap = CreateBitmap(5, 3, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  Dib query(0, 0, 0);
  ASSERT_NE(GetDIBits(dc, bitmap, 0, 0, nullptr, query.info(), DIB_RGB_COLORS), 0);
  EXPECT_EQ(query.header.biWidth, 5);
  EXPECT_EQ(query.header.biHeight, 3);
  EXPECT_EQ(query.header.biBitCount, 1);
  EXPECT_EQ(query.header.biSizeImage, 12u);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

TEST(DibTransfers, Rle8DataDecodesAndTruncatedDataFails) {
  Canvas32 canvas(4, 2, RGB(0, 0, 0));
  Dib dib(4, 2, 8);
  dib.header.biCompression = BI_RLE8;
  dib.header.biClrUsed = 2;
  dib.colors[0] = {0, 0, 255, 0};  // red
  dib.colors[1] = {255, 0, 0, 0};  // blue
  // Bottom row: 4 x index 0; top row: literal 1 0 1 0; end of bitmap.
  const uint8_t rle[] = {4, 0, 0, 0, 0, 4, 1, 0, 1, 0, 0, 1};
  dib.header.biSizeImage = sizeof(rle);
  EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, rle, dib.info(), DIB_RGB_COLORS, SRCCOPY), 2);
  EXPECT_EQ(canvas.Picture(RGB(255, 0, 0)), ".#.#\n####\n");
  const uint8_t truncated[] = {0, 9, 1};  // a literal run longer than the data
  dib.header.biSizeImage = sizeof(truncated);
  EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 2, 0, 0, 4, 2, truncated, dib.info(), DIB_RGB_COLORS, SRCCOPY), 0);
}

TEST(DibTransfers, SetDIBitsToDeviceCountsSourceRowsFromTheBottom) {
  Canvas32 canvas(2, 3, RGB(0, 0, 0));
  Dib dib(2, 3, 32);
  // Stored bottom-up: scan 0 (bottom) red, scan 1 green, scan 2 (top) blue.
  const uint32_t bits[6] = {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, 0x0000FF};
  EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 2, 0, 0, 0, 3, bits, dib.info(), DIB_RGB_COLORS), 3);
  // The source rectangle (0, 0, 2, 2) is the bottom two scans: green above red.
  EXPECT_EQ(canvas.At(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(canvas.At(0, 1), RGB(255, 0, 0));
  EXPECT_EQ(canvas.At(0, 2), RGB(0, 0, 0));
}

}  // namespace

namespace {

TEST(DibTransfers, CompressedDescriptionsAreCappedByTheSurfaceTheyDecodeTo) {
  struct Case {
    DWORD compression;
    int bits;
    int width;
    int height;
    bool accepted;
  };
  // 40000 x 40000 at 4 bits fits the cap as stored, but decodes to 8 bits per pixel.
  for (const Case& c : {Case{BI_RLE4, 4, 40000, 40000, false}, Case{BI_RLE8, 8, 40000, 40000, false},
                        Case{BI_RLE4, 4, 16, 16, true}, Case{BI_RGB, 4, 40000, 40000, true}}) {
    Dib dib(c.width, c.height, c.bits);
    dib.header.biCompression = c.compression;
    dib.header.biSizeImage = 2;
    EXPECT_EQ(DibInfo::Parse(dib.info(), sizeof dib, DIB_RGB_COLORS, {}).has_value(), c.accepted)
        << c.compression << " " << c.width;
  }
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(DibTransfers, RleDecodesIntoTheSurfaceAloneWithoutASecondBuffer) {
  // A 256 MiB surface decoded in a child given 384 MiB of address space more than it uses: a
  // second buffer of the surface's size would not fit.
  Dib dib(16384, 16384, 4);
  dib.header.biCompression = BI_RLE4;
  const uint8_t end[] = {0, 1};
  dib.header.biSizeImage = sizeof end;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    size_t pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%zu", &pages) != 1) _exit(2);
    const rlim_t room = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{384} << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    const auto info = DibInfo::Parse(dib.info(), sizeof dib, DIB_RGB_COLORS, {});
    _exit(info && info->Decode(end, sizeof end) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
#endif

}  // namespace
