// DrawText, DrawTextEx and TabbedTextOut: measuring (DT_CALCRECT), line and word breaking,
// prefixes, alignment, clipping, tabs, margins, ellipses and degenerate input.
#include "../gdi32/GdiTestSupport.h"
#include "../gdi32/TextTestSupport.h"

#include <algorithm>
#include <climits>
#include <string>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

int Draw(HDC dc, const std::string& text, RECT& rect, UINT format) {
  return DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, format);
}

RECT Measure(HDC dc, const std::string& text, UINT format, RECT rect = RECT{10, 20, 10, 20}) {
  Draw(dc, text, rect, format | DT_CALCRECT);
  return rect;
}

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
};

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

class DrawTextTest : public ::testing::Test {
 protected:
  Canvas32 canvas_{200, 100};
  ScopedFont font_{canvas_.dc(), "MS Sans Serif", -11};
  HDC dc() const { return canvas_.dc(); }
};

TEST_F(DrawTextTest, CalcRectSingleLineKeepsTheTopLeftCorner) {
  RECT rect{10, 20, 10, 20};
  EXPECT_EQ(Draw(dc(), "Instalator TAWO", rect, DT_CALCRECT | DT_SINGLELINE | DT_CENTER), 13);
  EXPECT_EQ(rect.left, 10);
  EXPECT_EQ(rect.top, 20);
  EXPECT_EQ(rect.right, 10 + 79);
  EXPECT_EQ(rect.bottom, 20 + 13);
  EXPECT_EQ(canvas_.Picture(kBlack).find('#'), std::string::npos);  // measuring draws nothing
}

TEST_F(DrawTextTest, CalcRectMultiLineTakesTheWidestLine) {
  const RECT rect = Measure(dc(), "ab\r\ncdef\nx", 0);
  EXPECT_EQ(rect.right - rect.left, 21);  // "cdef": 6 + 6 + 6 + 3
  EXPECT_EQ(rect.bottom - rect.top, 3 * 13);
  EXPECT_EQ(Measure(dc(), "a\n\rb", 0).bottom - 20, 2 * 13);    // LF CR is one break
  EXPECT_EQ(Measure(dc(), "a\r\rb", 0).bottom - 20, 3 * 13);    // CR CR is two
  EXPECT_EQ(Measure(dc(), "a\r\nb", DT_SINGLELINE).bottom - 20, 13);
}

TEST_F(DrawTextTest, TrailingLineBreakAddsAnEmptyLine) {
  ScopedFont bold(dc(), "MS Sans Serif", -11, FW_BOLD);
  const std::string label = Cp1250(
      "Prawdopodobnie na dysku C:\r\nProgram wymaga co najmniej \r\nCzy na pewno kontynuować?\r\n"
      "Instalator TAWO\r\n\r\nOstrzeżenie\r\n");
  const RECT rect = Measure(dc(), label, DT_WORDBREAK, RECT{0, 0, 400, 0});
  EXPECT_EQ(rect.right, 168);
  EXPECT_EQ(rect.bottom, 91);
}

TEST_F(DrawTextTest, WordBreakingFitsTheWidthAndKeepsWordsWhole) {
  // "aaa" is 18 pixels, a space 3.
  RECT rect = Measure(dc(), "aaa bbb ccc", DT_WORDBREAK, RECT{0, 0, 40, 0});
  EXPECT_EQ(rect.right, 39);
  EXPECT_EQ(rect.bottom, 26);
  rect = Measure(dc(), "aaa bbb ccc", DT_WORDBREAK, RECT{0, 0, 30, 0});
  EXPECT_EQ(rect.right, 21);  // left-aligned lines keep the space that fits
  EXPECT_EQ(rect.bottom, 39);
  rect = Measure(dc(), "aaa bbb ccc", DT_WORDBREAK | DT_CENTER, RECT{0, 0, 30, 0});
  EXPECT_EQ(rect.right, 18);
  EXPECT_EQ(Measure(dc(), "line1 line2", DT_WORDBREAK, RECT{0, 0, 1, 0}).bottom, 26);
  rect = Measure(dc(), "line1 line2", DT_WORDBREAK, RECT{0, 0, 1, 0});
  EXPECT_GT(rect.right, 1);  // grows to the widest unbreakable word
  EXPECT_GE(Measure(dc(), "line1 line2", DT_WORDBREAK | DT_EDITCONTROL, RECT{0, 0, 1, 0}).bottom, 6 * 13);
  EXPECT_EQ(Measure(dc(), "aaa bbb ccc", DT_WORDBREAK | DT_SINGLELINE, RECT{0, 0, 30, 0}).bottom, 13);
}

TEST_F(DrawTextTest, EmptyAndZeroLengthText) {
  RECT rect{5, 5, 50, 50};
  EXPECT_EQ(DrawTextA(dc(), "abc", 0, &rect, DT_CALCRECT), 0);
  EXPECT_EQ(rect.right, 50);
  EXPECT_EQ(rect.bottom, 50);
  EXPECT_EQ(DrawTextA(dc(), "", -1, &rect, DT_CALCRECT), 13);
  EXPECT_EQ(rect.right, 5);
  EXPECT_EQ(rect.bottom, 5);
  rect = RECT{5, 5, 50, 50};
  EXPECT_EQ(DrawTextA(dc(), "", -1, &rect, DT_CALCRECT | DT_SINGLELINE), 13);
  EXPECT_EQ(rect.right, 5);
  EXPECT_EQ(rect.bottom, 18);
  EXPECT_EQ(DrawTextA(dc(), nullptr, -1, &rect, 0), 13);
}

TEST_F(DrawTextTest, PrefixesAreRemovedAndTheFirstOneUnderlined) {
  EXPECT_EQ(Measure(dc(), "&File", 0).right - 10, TextWidth(dc(), "File"));
  EXPECT_EQ(Measure(dc(), "&File", DT_NOPREFIX).right - 10, TextWidth(dc(), "&File"));
  EXPECT_EQ(Measure(dc(), "A&&B", 0).right - 10, TextWidth(dc(), "A&B"));
  EXPECT_EQ(Measure(dc(), "AB&", 0).right - 10, TextWidth(dc(), "AB"));
  EXPECT_EQ(Measure(dc(), "&A&B", 0).right - 10, TextWidth(dc(), "AB"));

  Canvas32 plain(40, 16), marked(40, 16);
  ScopedFont a(plain.dc(), "MS Sans Serif", -11), b(marked.dc(), "MS Sans Serif", -11);
  RECT r{2, 1, 40, 16};
  DrawTextA(plain.dc(), "File", -1, &r, 0);
  DrawTextA(marked.dc(), "&File", -1, &r, 0);
  // 'F' is 6 pixels wide: the underline covers 5 of them on row top + ascent + 1.
  std::string expected = plain.Picture(kBlack);
  expected.replace(13 * 41 + 2, 5, "#####");
  EXPECT_EQ(marked.Picture(kBlack), expected);

  Canvas32 hidden(40, 16);
  ScopedFont c(hidden.dc(), "MS Sans Serif", -11);
  DrawTextA(hidden.dc(), "&File", -1, &r, DT_HIDEPREFIX);
  EXPECT_EQ(hidden.Picture(kBlack), plain.Picture(kBlack));

  Canvas32 only(40, 16);
  ScopedFont d(only.dc(), "MS Sans Serif", -11);
  DrawTextA(only.dc(), "&File", -1, &r, DT_PREFIXONLY);
  std::string underlineOnly = std::string(40, '.') + "\n";
  std::string all;
  for (int y = 0; y < 16; ++y) all += y == 13 ? "..#####" + std::string(33, '.') + "\n" : underlineOnly;
  EXPECT_EQ(only.Picture(kBlack), all);
}

TEST_F(DrawTextTest, HorizontalAlignmentPlacesEachLine) {
  SetBkColor(dc(), kRed);
  RECT rect{10, 0, 110, 40};
  Draw(dc(), "Abc", rect, DT_CENTER);  // 19 wide: (10 + 110 - 19) / 2 = 50
  EXPECT_EQ(InkBox(canvas_, kRed).left, 50);
  canvas_.Fill(RGB(255, 255, 255));
  Draw(dc(), "Abc", rect, DT_RIGHT);
  EXPECT_EQ(InkBox(canvas_, kRed).left, 110 - 19);
  EXPECT_EQ(InkBox(canvas_, kRed).right, 109);
}

TEST_F(DrawTextTest, SingleLineVerticalPlacementAndReturnValue) {
  SetBkColor(dc(), kRed);
  RECT rect{0, 10, 100, 50};
  EXPECT_EQ(Draw(dc(), "Abc", rect, DT_SINGLELINE | DT_VCENTER), 30 - 6 - 10 + 13);
  EXPECT_EQ(InkBox(canvas_, kRed).top, 10 + 20 - 6);
  canvas_.Fill(RGB(255, 255, 255));
  EXPECT_EQ(Draw(dc(), "Abc", rect, DT_SINGLELINE | DT_BOTTOM), 40);
  EXPECT_EQ(InkBox(canvas_, kRed).bottom, 49);
  RECT flat{0, 10, 100, 10};
  EXPECT_EQ(Draw(dc(), "Abc", flat, DT_SINGLELINE | DT_BOTTOM), 1);
  EXPECT_EQ(Draw(dc(), "Abc", rect, DT_VCENTER), 13);  // ignored without DT_SINGLELINE
}

TEST_F(DrawTextTest, TextIsClippedToTheRectangleUnlessNoClip) {
  SetBkColor(dc(), kRed);
  RECT rect{0, 0, 20, 8};
  Draw(dc(), "WWWW\r\nWWWW", rect, 0);
  Box box = InkBox(canvas_, kRed);
  EXPECT_EQ(box.right, 19);
  EXPECT_EQ(box.bottom, 7);
  canvas_.Fill(RGB(255, 255, 255));
  Draw(dc(), "WWWW\r\nWWWW", rect, DT_NOCLIP);
  box = InkBox(canvas_, kRed);
  EXPECT_EQ(box.right, 43);
  EXPECT_EQ(box.bottom, 25);
}

TEST_F(DrawTextTest, TabsExpandToMultiplesOfTheAverageWidth) {
  // Tab stops every 8 average widths (5 pixels) by default.
  EXPECT_EQ(Measure(dc(), "a\tb", DT_EXPANDTABS).right - 10, 40 + 6);
  // With DT_TABSTOP, bits 8-15 are the tab size (so DT_CALCRECT cannot be combined): draw.
  SetBkColor(dc(), kRed);
  RECT box{0, 0, 100, 20};
  Draw(dc(), "a\tb", box, DT_EXPANDTABS | DT_TABSTOP | (4 << 8));
  EXPECT_EQ(InkBox(canvas_, kRed).right, 20 + 6 - 1);
  EXPECT_EQ(Measure(dc(), "a\tb", 0).right - 10, TextWidth(dc(), "a\tb"));
  DRAWTEXTPARAMS params{sizeof params, 2, 0, 0, 0};
  RECT rect{0, 0, 0, 0};
  char text[] = "a\tb";
  DrawTextExA(dc(), text, -1, &rect, DT_CALCRECT | DT_EXPANDTABS | DT_TABSTOP, &params);
  EXPECT_EQ(rect.right, 10 + 6);
}

TEST_F(DrawTextTest, ExternalLeadingAndCharacterExtraChangeTheMeasure) {
  {
    ScopedFont arial(dc(), "Arial", -16);
    EXPECT_EQ(Measure(dc(), "a\nb", 0).bottom - 20, 2 * 17);
    EXPECT_EQ(Measure(dc(), "a\nb", DT_EXTERNALLEADING).bottom - 20, 2 * 18);
  }
  SetTextCharacterExtra(dc(), 2);
  EXPECT_EQ(Measure(dc(), "abc", 0).right - 10, 18 + 6);
  SetTextCharacterExtra(dc(), 0);
}

TEST_F(DrawTextTest, MarginsOfDrawTextEx) {
  DRAWTEXTPARAMS params{sizeof params, 0, 4, 7, 0};
  char text[] = "abc";
  RECT rect{10, 0, 10, 0};
  EXPECT_EQ(DrawTextExA(dc(), text, -1, &rect, DT_CALCRECT, &params), 13);
  EXPECT_EQ(rect.right, 10 + 4 + 18 + 7);
  EXPECT_EQ(params.uiLengthDrawn, 3u);
  SetBkColor(dc(), kRed);
  RECT box{10, 0, 100, 20};
  DrawTextExA(dc(), text, -1, &box, 0, &params);
  EXPECT_EQ(InkBox(canvas_, kRed).left, 14);
  params.cbSize = 7;
  EXPECT_EQ(DrawTextExA(dc(), text, -1, &box, 0, &params), 0);
}

TEST_F(DrawTextTest, EllipsesShortenWhatDoesNotFit) {
  const std::string text = "Program wymaga co najmniej";
  RECT rect = Measure(dc(), text, DT_SINGLELINE | DT_END_ELLIPSIS, RECT{0, 0, 60, 0});
  EXPECT_LE(rect.right, 60);
  char buffer[64] = "Program wymaga co najmniej";
  RECT box{0, 0, 60, 20};
  DrawTextExA(dc(), buffer, -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  const std::string shortened = buffer;
  ASSERT_GE(shortened.size(), 4u);
  EXPECT_EQ(shortened.substr(shortened.size() - 3), "...");
  EXPECT_EQ(text.compare(0, shortened.size() - 3, shortened, 0, shortened.size() - 3), 0);
  EXPECT_LE(TextWidth(dc(), shortened), 60);

  char path[64] = "C:\\Program Files\\TAWO\\setup.exe";
  RECT pathBox{0, 0, 90, 20};
  DrawTextExA(dc(), path, -1, &pathBox, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  const std::string result = path;
  EXPECT_NE(result.find("...\\setup.exe"), std::string::npos) << result;
  EXPECT_EQ(result.rfind("C:\\", 0), 0u) << result;

  char fits[16] = "short";
  RECT wide{0, 0, 200, 20};
  DrawTextExA(dc(), fits, -1, &wide, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING, nullptr);
  EXPECT_STREQ(fits, "short");
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsOnlyTheLineCells) {
  SetBkColor(dc(), kRed);
  RECT rect{0, 0, 100, 60};
  Draw(dc(), "ab\r\nW", rect, 0);
  EXPECT_EQ(canvas_.At(11, 1), kRed);  // "ab" is 12 wide
  EXPECT_NE(canvas_.At(12, 1), kRed);
  EXPECT_EQ(canvas_.At(10, 14), kRed);  // "W" is 11 wide
  EXPECT_NE(canvas_.At(11, 14), kRed);
  EXPECT_NE(canvas_.At(50, 5), kRed);
}

TEST_F(DrawTextTest, InvalidArgumentsFailWithoutCrashing) {
  RECT rect{0, 0, 10, 10};
  HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7654321));
  EXPECT_EQ(DrawTextA(bogus, "a", 1, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(dc(), "a", 1, nullptr, 0), 0);
  EXPECT_EQ(DrawTextA(dc(), "a", -5, &rect, 0), 0);
  EXPECT_EQ(DrawTextA(dc(), nullptr, 4, &rect, 0), 0);
  EXPECT_EQ(TabbedTextOutA(dc(), 0, 0, "a", -1, 0, nullptr, 0), 0);
  RECT inverted{50, 50, 0, 0};
  EXPECT_NE(DrawTextA(dc(), "abc def", -1, &inverted, DT_WORDBREAK), 0);
}

TEST_F(DrawTextTest, TabbedTextOutStopsAndReturnValue) {
  SetBkMode(dc(), TRANSPARENT);
  const LONG result = TabbedTextOutA(dc(), 10, 0, "a\tb", 3, 0, nullptr, 0);
  EXPECT_EQ(LOWORD(result), 40 + 6 - 10);  // stops at multiples of 40 from tab origin 0
  EXPECT_EQ(HIWORD(result), 13);
  const INT stops[2] = {25, 60};
  EXPECT_EQ(LOWORD(TabbedTextOutA(dc(), 0, 20, "a\tb\tc", 5, 2, stops, 0)), 60 + 6);
  const INT every = 16;
  EXPECT_EQ(LOWORD(TabbedTextOutA(dc(), 0, 40, "a\tb", 3, 1, &every, 0)), 16 + 6);
}

}  // namespace

namespace {

TEST(DrawTextFar, ExtremeRectanglesAndPositionsDoNotOverflow) {
  Canvas32 canvas(40, 20);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11, FW_BOLD);
  RECT huge{-100, INT_MIN / 2, INT_MAX, INT_MAX};
  EXPECT_EQ(DrawTextA(canvas.dc(), "&Abc def\r\nghi", -1, &huge, DT_WORDBREAK | DT_CENTER), 26);
  RECT measured{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX};
  EXPECT_NE(DrawTextA(canvas.dc(), "abc", -1, &measured, DT_CALCRECT), 0);
  RECT bottom{0, INT_MIN, 40, INT_MAX};
  EXPECT_NE(DrawTextA(canvas.dc(), "x", -1, &bottom, DT_SINGLELINE | DT_VCENTER | DT_RIGHT), 0);
  EXPECT_NE(TabbedTextOutA(canvas.dc(), INT_MAX - 3, INT_MAX - 3, "a\tb", 3, 0, nullptr, INT_MIN), 0);
  const INT stops[2] = {INT_MIN, INT_MAX};
  EXPECT_NE(TabbedTextOutA(canvas.dc(), 0, 0, "a\tb\tc", 5, 2, stops, INT_MIN), 0);
}

}  // namespace
