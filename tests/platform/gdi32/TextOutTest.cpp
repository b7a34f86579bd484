// TextOut and ExtTextOut: glyph placement, background, clipping, alignment, character extra,
// synthetic bold and italic, underline and strikeout, rotation and the glyph cache.
#include "GdiTestSupport.h"
#include "PngWriter.h"
#include "TextTestSupport.h"

#include <FontCache.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kButtonFace = RGB(212, 208, 200);

BOOL Out(HDC dc, int x, int y, const std::string& text) { return TextOutA(dc, x, y, text.data(), static_cast<int>(text.size())); }

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
  bool Empty() const { return left > right; }
};

// Bounding box (inclusive) of the pixels of one colour.
Box InkBox(const Canvas32& canvas, COLORREF color) {
  Box box;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != color) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

int CountInk(const Canvas32& canvas, COLORREF color) {
  int count = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) count += canvas.At(x, y) == color;
  }
  return count;
}

// The ink of one character drawn alone at the origin, as a picture.
std::string GlyphPicture(const LOGFONTA& lf, unsigned char byte) {
  Canvas32 canvas(24, 16);
  ScopedFont font(canvas.dc(), lf);
  SetBkMode(canvas.dc(), TRANSPARENT);
  const char text[1] = {static_cast<char>(byte)};
  TextOutA(canvas.dc(), 2, 0, text, 1);
  return canvas.Picture(kBlack);
}

void SavePng(const Canvas32& canvas, const std::string& name, int scale) {
  std::vector<uint32_t> pixels;
  for (int y = 0; y < canvas.height() * scale; ++y) {
    for (int x = 0; x < canvas.width() * scale; ++x) pixels.push_back(canvas.Raw(x / scale, y / scale) & 0xFFFFFF);
  }
  std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
  const std::string path = std::string(TAWO_TEST_OUTPUT_DIR) + "/" + name;
  EXPECT_TRUE(PngWriter::Write(path, pixels.data(), canvas.width() * scale, canvas.height() * scale)) << path;
}

TEST(TextOut, DrawsGlyphsFromTheTopLeftOfTheCell) {
  Canvas32 canvas(20, 15);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkMode(canvas.dc(), TRANSPARENT);
  ASSERT_TRUE(Out(canvas.dc(), 1, 1, "Hi"));
  EXPECT_EQ(canvas.Picture(kBlack),
            "....................\n"
            "....................\n"
            "....................\n"
            "..#....#..#.........\n"
            "..#....#............\n"
            "..#....#............\n"
            "..#....#..#.........\n"
            "..######..#.........\n"
            "..#....#..#.........\n"
            "..#....#..#.........\n"
            "..#....#..#.........\n"
            "..#....#..#.........\n"
            "....................\n"
            "....................\n"
            "....................\n");
}

TEST(TextOut, ButtonCaptionsInBoldMsSansSerif) {
  Canvas32 canvas(75, 23 * 3, kButtonFace);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11, FW_BOLD);
  SetBkMode(canvas.dc(), TRANSPARENT);
  const char* captions[] = {"Uruchom", "Instaluj", "Zakończ"};
  int y = 5;
  for (const char* caption : captions) {
    const std::string text = Cp1250(caption);
    RECT button{0, y - 5, 75, y + 18};
    DrawEdge(canvas.dc(), &button, EDGE_RAISED, BF_RECT);
    const int width = TextWidth(canvas.dc(), text);
    ASSERT_TRUE(Out(canvas.dc(), (75 - width) / 2, y, text));
    y += 23;
  }
  SavePng(canvas, "button-captions.png", 1);
  SavePng(canvas, "button-captions-x4.png", 4);
  EXPECT_EQ(InkBox(canvas, kBlack).top, 7);  // caps start two rows below the cell top
}

TEST(TextOut, PolishLettersHaveTheirOwnGlyphs) {
  const LOGFONTA lf = MakeLogFont("MS Sans Serif", -11);
  const std::string defaultGlyph = GlyphPicture(lf, 0x81);
  for (unsigned char byte : Cp1250("ąęłńóśźżĄĘŁŃÓŚŹŻćĆ")) {
    const std::string picture = GlyphPicture(lf, byte);
    EXPECT_NE(picture, defaultGlyph) << int(byte);
    EXPECT_NE(picture.find('#'), std::string::npos) << int(byte);
  }
  EXPECT_NE(GlyphPicture(lf, 0xB9), GlyphPicture(lf, 'a'));  // ą has its ogonek
}

TEST(TextOut, OpaqueModeFillsTheCellTransparentLeavesIt) {
  Canvas32 canvas(40, 20);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkColor(canvas.dc(), kRed);
  Out(canvas.dc(), 3, 2, "Ab");  // 7 + 6 pixels wide, 13 high
  const Box cell = InkBox(canvas, kRed);
  EXPECT_EQ(cell.left, 3);
  EXPECT_EQ(cell.top, 2);
  EXPECT_EQ(cell.right, 3 + 13 - 1);
  EXPECT_EQ(cell.bottom, 2 + 13 - 1);
  EXPECT_EQ(CountInk(canvas, kRed) + CountInk(canvas, kBlack), 13 * 13);

  canvas.Fill(kWhite);
  SetBkMode(canvas.dc(), TRANSPARENT);
  Out(canvas.dc(), 3, 2, "Ab");
  EXPECT_EQ(CountInk(canvas, kRed), 0);
  EXPECT_GT(CountInk(canvas, kBlack), 0);
}

TEST(ExtTextOut, OpaqueRectangleIsFilledEvenWithoutText) {
  Canvas32 canvas(10, 6);
  SetBkColor(canvas.dc(), kBlue);
  RECT r{7, 4, 2, 1};  // reversed corners are put in order
  ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr));
  EXPECT_EQ(canvas.Picture(kBlue),
            "..........\n"
            "..#####...\n"
            "..#####...\n"
            "..#####...\n"
            "..........\n"
            "..........\n");
  canvas.Fill(kWhite);
  ASSERT_TRUE(ExtTextOutA(canvas.dc(), 0, 0, 0, &r, nullptr, 0, nullptr));
  EXPECT_EQ(CountInk(canvas, kBlue), 0);
}

TEST(ExtTextOut, ClippedTextStaysInsideTheRectangle) {
  Canvas32 canvas(40, 20);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkColor(canvas.dc(), kRed);
  RECT clip{5, 6, 12, 10};
  ASSERT_TRUE(ExtTextOutA(canvas.dc(), 2, 0, ETO_CLIPPED, &clip, "WWW", 3, nullptr));
  const Box red = InkBox(canvas, kRed);
  const Box black = InkBox(canvas, kBlack);
  EXPECT_EQ(red.left, 5);
  EXPECT_EQ(red.top, 6);
  EXPECT_LE(red.right, 11);
  EXPECT_LE(red.bottom, 9);
  EXPECT_GE(black.left, 5);
  EXPECT_LE(black.right, 11);
  EXPECT_GE(black.top, 6);
  EXPECT_LE(black.bottom, 9);
  EXPECT_FALSE(black.Empty());
}

TEST(ExtTextOut, CallerAdvancesAndCharacterExtraPlaceEachCharacter) {
  Canvas32 canvas(60, 14);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextCharacterExtra(canvas.dc(), 3);
  Out(canvas.dc(), 0, 0, "lll");  // 'l' is one column of ink at x 1 of a 2-pixel advance
  const std::string row = canvas.Picture(kBlack).substr(5 * 61, 60);
  EXPECT_EQ(row.substr(0, 12), ".#....#....#");
  canvas.Fill(kWhite);
  const INT dx[3] = {10, 1, 4};
  ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, "lll", 3, dx);
  EXPECT_EQ(canvas.Picture(kBlack).substr(5 * 61, 20), ".#............#...#.");
}

TEST(TextAlign, HorizontalAndVerticalReferencePoints) {
  Canvas32 canvas(80, 40);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkColor(canvas.dc(), kRed);
  const std::string text = "Abc";  // 7 + 6 + 6 = 19 pixels
  struct Case {
    UINT align;
    int left, top;
  };
  const Case cases[] = {{TA_LEFT | TA_TOP, 40, 20},       {TA_RIGHT | TA_TOP, 21, 20},
                        {TA_CENTER | TA_TOP, 31, 20},     {TA_LEFT | TA_BASELINE, 40, 9},
                        {TA_LEFT | TA_BOTTOM, 40, 7},     {TA_CENTER | TA_BASELINE, 31, 9}};
  for (const Case& c : cases) {
    canvas.Fill(kWhite);
    EXPECT_EQ(SetTextAlign(canvas.dc(), c.align) != GDI_ERROR, true);
    EXPECT_EQ(GetTextAlign(canvas.dc()), c.align);
    Out(canvas.dc(), 40, 20, text);
    const Box cell = InkBox(canvas, kRed);
    EXPECT_EQ(cell.left, c.left) << c.align;
    EXPECT_EQ(cell.top, c.top) << c.align;
    EXPECT_EQ(cell.right - cell.left + 1, 19) << c.align;
  }
}

TEST(TextAlign, UpdateCpDrawsAtAndMovesTheCurrentPosition) {
  Canvas32 canvas(80, 20);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextAlign(canvas.dc(), TA_UPDATECP);
  Out(canvas.dc(), 50, 50, "Abc");  // at the current position (0, 0), not at (50, 50)
  POINT cp{};
  GetCurrentPositionEx(canvas.dc(), &cp);
  EXPECT_EQ(cp.x, 19);
  EXPECT_EQ(cp.y, 0);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), kRed);
  Out(canvas.dc(), 50, 50, "Abc");
  EXPECT_EQ(InkBox(canvas, kRed).left, 19);
  EXPECT_EQ(InkBox(canvas, kRed).top, 0);
  GetCurrentPositionEx(canvas.dc(), &cp);
  EXPECT_EQ(cp.x, 38);
  SetTextAlign(canvas.dc(), TA_UPDATECP | TA_RIGHT);
  Out(canvas.dc(), 0, 0, "Abc");
  GetCurrentPositionEx(canvas.dc(), &cp);
  EXPECT_EQ(cp.x, 19);
}

TEST(FontStyle, SyntheticBoldIsTheGlyphOredWithItselfOnePixelRight) {
  LOGFONTA regular = MakeLogFont("MS Sans Serif", -11);
  LOGFONTA bold = MakeLogFont("MS Sans Serif", -11, FW_BOLD);
  for (unsigned char byte : std::string("Ag")) {
    const std::string plain = GlyphPicture(regular, byte);
    std::string expected = plain;
    for (size_t i = 1; i < plain.size(); ++i) {
      if (plain[i - 1] == '#' && plain[i] == '.') expected[i] = '#';
    }
    EXPECT_EQ(GlyphPicture(bold, byte), expected) << byte;
  }
}

TEST(FontStyle, RasterItalicShearsOnePixelEveryTwoRowsFromTheCellBottom) {
  // 'l' stands in rows 2-10 of the 13-row cell; rows 11-12 keep their place, 9-10 move by one.
  LOGFONTA italic = MakeLogFont("MS Sans Serif", -11);
  italic.lfItalic = TRUE;
  EXPECT_EQ(GlyphPicture(italic, 'l'),
            "........................\n"
            "........................\n"
            "........#...............\n"
            ".......#................\n"
            ".......#................\n"
            "......#.................\n"
            "......#.................\n"
            ".....#..................\n"
            ".....#..................\n"
            "....#...................\n"
            "....#...................\n"
            "........................\n"
            "........................\n"
            "........................\n"
            "........................\n"
            "........................\n");
}

TEST(FontStyle, UnderlineAndStrikeoutSpanTheExtent) {
  Canvas32 canvas(40, 16);
  LOGFONTA lf = MakeLogFont("MS Sans Serif", -11);
  lf.lfUnderline = TRUE;
  lf.lfStrikeOut = TRUE;
  ScopedFont font(canvas.dc(), lf);
  SetBkMode(canvas.dc(), TRANSPARENT);
  Out(canvas.dc(), 2, 1, "  ");  // two spaces, 3 pixels each: only the lines show
  // Cell rows 1-13, baseline row 12: strikeout on row 1 + 6, underline on row 1 + 12.
  std::string expected;
  for (int y = 0; y < 16; ++y) expected += (y == 7 || y == 13 ? std::string("..######") + std::string(32, '.') : std::string(40, '.')) + "\n";
  EXPECT_EQ(canvas.Picture(kBlack), expected);
}

TEST(Escapement, NinetyDegreesReadsBottomToTopLeftOfTheBaseline) {
  Canvas32 canvas(40, 120);
  LOGFONTA lf = MakeLogFont("Arial", -16);
  lf.lfEscapement = lf.lfOrientation = 900;
  ScopedFont font(canvas.dc(), lf);
  SetBkColor(canvas.dc(), kRed);
  const std::string text = "Rotated";
  const int width = TextWidth(canvas.dc(), text);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  Out(canvas.dc(), 10, 110, text);
  const Box cell = InkBox(canvas, kRed);
  EXPECT_EQ(cell.left, 10);
  EXPECT_EQ(cell.right, 10 + tm.tmHeight - 1);
  EXPECT_EQ(cell.bottom, 109);
  EXPECT_EQ(cell.top, 110 - width);
  const Box ink = InkBox(canvas, kBlack);
  EXPECT_GE(ink.left, cell.left);
  EXPECT_LE(ink.right, cell.right);
  EXPECT_GE(ink.top, cell.top);
  EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);  // tall, not wide
}

TEST(Escapement, FortyFiveDegreesKeepsTheInkInTheRotatedCell) {
  Canvas32 canvas(120, 120);
  LOGFONTA lf = MakeLogFont("Arial", -16);
  lf.lfEscapement = lf.lfOrientation = 450;
  ScopedFont font(canvas.dc(), lf);
  SetBkMode(canvas.dc(), TRANSPARENT);
  const std::string text = "Diagonal";
  const double width = TextWidth(canvas.dc(), text);
  const double height = Metrics(canvas.dc()).tmHeight;
  const double px = 10, py = 100;
  Out(canvas.dc(), 10, 100, text);
  const double c = std::sqrt(0.5);
  int inside = 0, outside = 0;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != kBlack) continue;
      const double dx = x + 0.5 - px, dy = y + 0.5 - py;
      const double along = dx * c - dy * c;  // u = (cos, -sin)
      const double down = dx * c + dy * c;   // v = (sin, cos)
      const bool in = along > -1.5 && along < width + 1.5 && down > -1.5 && down < height + 1.5;
      (in ? inside : outside)++;
    }
  }
  EXPECT_GT(inside, 50);
  EXPECT_EQ(outside, 0);
  const Box ink = InkBox(canvas, kBlack);
  EXPECT_GT(ink.right - ink.left, width * c - height);
  EXPECT_GT(ink.bottom - ink.top, width * c - height);
}

TEST(Escapement, RasterFacesIgnoreIt) {
  Canvas32 straight(60, 20), turned(60, 20);
  LOGFONTA lf = MakeLogFont("MS Sans Serif", -11);
  ScopedFont a(straight.dc(), lf);
  lf.lfEscapement = 900;
  ScopedFont b(turned.dc(), lf);
  Out(straight.dc(), 2, 2, "Text");
  Out(turned.dc(), 2, 2, "Text");
  EXPECT_EQ(straight.Hash(), turned.Hash());
}

TEST(GlyphCache, SecondDrawOfTheSameTextLoadsNoGlyph) {
  Canvas32 canvas(200, 20);
  ScopedFont font(canvas.dc(), "Arial", -13, FW_BOLD);
  const std::string text = Cp1250("Zażółć gęślą jaźń 123");
  Out(canvas.dc(), 0, 0, text);
  const uint64_t loads = FontCache::GlyphLoads();
  const uint64_t before = canvas.Hash();
  canvas.Fill(kWhite);
  Out(canvas.dc(), 0, 0, text);
  TextWidth(canvas.dc(), text);
  EXPECT_EQ(FontCache::GlyphLoads(), loads);
  EXPECT_EQ(canvas.Hash(), before);
}

TEST(TextOutApi, InvalidArgumentsFailWithoutCrashing) {
  Canvas32 canvas(10, 10);
  HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7654321));
  EXPECT_FALSE(TextOutA(bogus, 0, 0, "a", 1));
  EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, "a", -1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(TextOutA(canvas.dc(), 0, 0, nullptr, 2));
  EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, nullptr, 0));
  EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, 0, nullptr, "a", static_cast<UINT>(-1), nullptr));
  EXPECT_FALSE(ExtTextOutA(canvas.dc(), 0, 0, ETO_GLYPH_INDEX, nullptr, "a", 1, nullptr));
  EXPECT_EQ(SetTextAlign(bogus, TA_RIGHT), static_cast<UINT>(GDI_ERROR));
  Out(canvas.dc(), -100000, 1 << 30, "far away");
  SetTextAlign(canvas.dc(), TA_CENTER);
  EXPECT_TRUE(Out(canvas.dc(), INT_MAX, INT_MIN, "edges"));
}

}  // namespace
