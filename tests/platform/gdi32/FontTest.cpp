// Font mapping, text metrics, face names, character widths and extents.
#include "GdiTestSupport.h"
#include "TextTestSupport.h"

namespace {

struct SampleWidth {
  const char* utf8;
  int regular;
  int bold;
};

// Widths of the Wine replacement MS Sans Serif, 8 pt, Windows-1250; bold adds one pixel per
// character and one of overhang.
constexpr SampleWidth kSamples[] = {
    {"Instalator TAWO", 79, 95},
    {"Ostrzeżenie", 55, 67},
    {"Program wymaga co najmniej ", 140, 168},
    {"Prawdopodobnie na dysku C:", 139, 166},
    {"Czy na pewno kontynuować?", 140, 166},
};

TEST(FontMetrics, MsSansSerifEightPointHasTheClassicRasterMetrics) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmAscent, 11);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 2);
  EXPECT_EQ(tm.tmExternalLeading, 0);
  EXPECT_EQ(tm.tmAveCharWidth, 5);
  EXPECT_EQ(tm.tmMaxCharWidth, 11);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  EXPECT_EQ(tm.tmOverhang, 0);
  EXPECT_EQ(tm.tmPitchAndFamily, 0x21);
  EXPECT_EQ(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
  EXPECT_EQ(tm.tmFirstChar, 0x20);
  EXPECT_EQ(tm.tmLastChar, 0xFF);
  EXPECT_EQ(tm.tmDefaultChar, 0x81);
  EXPECT_EQ(tm.tmCharSet, EASTEUROPE_CHARSET);
  char face[LF_FACESIZE];
  EXPECT_EQ(GetTextFaceA(canvas.dc(), LF_FACESIZE, face), 13);
  EXPECT_STREQ(face, "MS Sans Serif");
}

TEST(FontMetrics, SyntheticBoldWidensEveryCharacterAndReportsOverhang) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11, FW_BOLD);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  EXPECT_EQ(tm.tmHeight, 13);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  EXPECT_EQ(tm.tmOverhang, 1);
  EXPECT_EQ(tm.tmAveCharWidth, 6);
  INT widths[2];
  ASSERT_TRUE(GetCharWidth32A(canvas.dc(), 'i', 'j', widths));
  EXPECT_EQ(widths[0], 3);  // 2 regular
  EXPECT_EQ(widths[1], 3);
}

TEST(FontMetrics, SampleStringWidthsRegularAndBold) {
  Canvas32 canvas(4, 4);
  for (const SampleWidth& sample : kSamples) {
    const std::string text = Cp1250(sample.utf8);
    {
      ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
      EXPECT_EQ(TextWidth(canvas.dc(), text), sample.regular) << sample.utf8;
    }
    ScopedFont font(canvas.dc(), "MS Sans Serif", -11, FW_BOLD);
    EXPECT_EQ(TextWidth(canvas.dc(), text), sample.bold) << sample.utf8;
  }
}

TEST(FontMetrics, CharacterWidthsFollowTheCentralEuropeanFont) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  INT widths[16];
  ASSERT_TRUE(GetCharWidth32A(canvas.dc(), 0x40, 0x4F, widths));
  const INT expected[16] = {11, 7, 7, 7, 8, 7, 6, 8, 8, 3, 5, 7, 6, 9, 8, 8};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(widths[i], expected[i]) << i;
  ASSERT_TRUE(GetCharWidth32A(canvas.dc(), 0xB3, 0xB3, widths));  // ł
  EXPECT_EQ(widths[0], 4);
  ASSERT_TRUE(GetCharWidth32A(canvas.dc(), 0xBF, 0xBF, widths));  // ż
  EXPECT_EQ(widths[0], 5);
  EXPECT_FALSE(GetCharWidth32A(canvas.dc(), 0x50, 0x40, widths));
  EXPECT_FALSE(GetCharWidth32A(canvas.dc(), 0x40, 0x40, nullptr));
}

TEST(FontMapping, RasterRequestsTakeTheLargestStrikeNotAboveTheRequest) {
  Canvas32 canvas(4, 4);
  struct Case {
    LONG height;
    LONG cell;
  };
  const Case cases[] = {{-11, 13}, {-12, 13}, {-13, 16}, {-16, 20}, {-40, 20}, {13, 13}, {6, 13},
                        {10, 13}, {14, 13}, {16, 16}, {18, 16}, {20, 20}, {-1, 13}};
  for (const Case& c : cases) {
    ScopedFont font(canvas.dc(), "ms sans serif", c.height);
    EXPECT_EQ(Metrics(canvas.dc()).tmHeight, c.cell) << c.height;
  }
  ScopedFont font(canvas.dc(), "MS Sans Serif", -13);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  EXPECT_EQ(tm.tmAscent, 13);
  EXPECT_EQ(tm.tmDescent, 3);
  EXPECT_EQ(tm.tmAveCharWidth, 7);
}

TEST(FontMapping, ArialIsATrueTypeFaceWithWindowsMetrics) {
  Canvas32 canvas(4, 4);
  struct Case {
    LONG height;
    LONG ascent, descent, internal, external;
  };
  const Case cases[] = {{-8, 7, 2, 1, 0}, {-11, 10, 2, 1, 0}, {-12, 11, 3, 2, 0}, {-16, 14, 3, 1, 1}, {-24, 22, 5, 3, 1}};
  for (const Case& c : cases) {
    ScopedFont font(canvas.dc(), "Arial", c.height);
    const TEXTMETRICA tm = Metrics(canvas.dc());
    EXPECT_EQ(tm.tmAscent, c.ascent) << c.height;
    EXPECT_EQ(tm.tmDescent, c.descent) << c.height;
    EXPECT_EQ(tm.tmHeight, c.ascent + c.descent) << c.height;
    EXPECT_EQ(tm.tmInternalLeading, c.internal) << c.height;
    EXPECT_EQ(tm.tmExternalLeading, c.external) << c.height;
    EXPECT_NE(tm.tmPitchAndFamily & TMPF_TRUETYPE, 0);
    EXPECT_EQ(tm.tmPitchAndFamily, FF_SWISS | TMPF_TRUETYPE | TMPF_VECTOR | TMPF_FIXED_PITCH);
  }
  ScopedFont bold(canvas.dc(), "Arial", -11, FW_BOLD);
  EXPECT_EQ(Metrics(canvas.dc()).tmWeight, FW_BOLD);
  EXPECT_EQ(Metrics(canvas.dc()).tmOverhang, 0);
  char face[LF_FACESIZE];
  GetTextFaceA(canvas.dc(), LF_FACESIZE, face);
  EXPECT_STREQ(face, "Arial");
}

TEST(FontMapping, PositiveHeightAsksForTheCellHeight) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "Arial", 17);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  EXPECT_EQ(tm.tmHeight, 17);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 15);
}

TEST(FontMapping, SubstitutesAndUnknownNames) {
  Canvas32 canvas(4, 4);
  char face[LF_FACESIZE];
  const struct {
    const char* requested;
    const char* realised;
  } cases[] = {{"Helv", "MS Sans Serif"}, {"MS Shell Dlg", "MS Sans Serif"}, {"Helvetica", "Arial"},
               {"Times", "Times New Roman"}, {"courier new", "Courier New"}};
  for (const auto& c : cases) {
    ScopedFont font(canvas.dc(), c.requested, -11);
    GetTextFaceA(canvas.dc(), LF_FACESIZE, face);
    EXPECT_STREQ(face, c.realised) << c.requested;
  }
  ScopedFont unknown(canvas.dc(), "No Such Face 123", -11);
  GetTextFaceA(canvas.dc(), LF_FACESIZE, face);
  EXPECT_STRNE(face, "No Such Face 123");
  EXPECT_NE(Metrics(canvas.dc()).tmPitchAndFamily & TMPF_TRUETYPE, 0);
  EXPECT_GT(TextWidth(canvas.dc(), "abc"), 0);
}

TEST(FontMapping, FixedPitchRequestForAVariableFaceGetsAFixedFace) {
  Canvas32 canvas(4, 4);
  LOGFONTA lf = MakeLogFont("MS Sans Serif", -11);
  lf.lfPitchAndFamily = FIXED_PITCH;
  ScopedFont font(canvas.dc(), lf);
  char face[LF_FACESIZE];
  GetTextFaceA(canvas.dc(), LF_FACESIZE, face);
  EXPECT_STREQ(face, "Courier New");
  EXPECT_EQ(Metrics(canvas.dc()).tmPitchAndFamily & TMPF_FIXED_PITCH, 0);  // the bit means variable
  EXPECT_EQ(TextWidth(canvas.dc(), "iiii"), TextWidth(canvas.dc(), "WWWW"));
}

TEST(FontMapping, TrueTypeOnlyPrecisionReplacesARasterFace) {
  Canvas32 canvas(4, 4);
  LOGFONTA lf = MakeLogFont("MS Sans Serif", -11);
  lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  ScopedFont font(canvas.dc(), lf);
  EXPECT_NE(Metrics(canvas.dc()).tmPitchAndFamily & TMPF_TRUETYPE, 0);
}

TEST(FontMapping, NewDcUsesTheBoldSystemFont) {
  Canvas32 canvas(4, 4);
  const TEXTMETRICA tm = Metrics(canvas.dc());
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmWeight, FW_BOLD);
  EXPECT_EQ(tm.tmOverhang, 0);
}

TEST(TextExtent, CharacterExtraFollowsEveryCharacter) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  EXPECT_EQ(TextWidth(canvas.dc(), "abc"), 18);
  EXPECT_EQ(SetTextCharacterExtra(canvas.dc(), 2), 0);
  EXPECT_EQ(GetTextCharacterExtra(canvas.dc()), 2);
  EXPECT_EQ(TextWidth(canvas.dc(), "abc"), 24);
  SetTextCharacterExtra(canvas.dc(), -1);
  EXPECT_EQ(TextWidth(canvas.dc(), "abc"), 15);
}

TEST(TextExtent, EmptyTextHasTheLineHeightAndNoWidth) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11, FW_BOLD);
  SIZE size{-1, -1};
  ASSERT_TRUE(GetTextExtentPoint32A(canvas.dc(), "", 0, &size));
  EXPECT_EQ(size.cx, 0);
  EXPECT_EQ(size.cy, 13);
  ASSERT_TRUE(GetTextExtentPointA(canvas.dc(), nullptr, 0, &size));
  EXPECT_EQ(size.cx, 0);
}

TEST(TextExtent, ControlAndUndefinedBytesMeasureAsTheDefaultCharacter) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  const int defaultWidth = TextWidth(canvas.dc(), "\x81");
  EXPECT_GT(defaultWidth, 0);
  EXPECT_EQ(TextWidth(canvas.dc(), "\t"), defaultWidth);
  EXPECT_EQ(TextWidth(canvas.dc(), "\r\n"), 2 * defaultWidth);
  EXPECT_EQ(TextWidth(canvas.dc(), "\x98"), defaultWidth);
}

TEST(FontApi, InvalidArgumentsFailWithoutCrashing) {
  Canvas32 canvas(4, 4);
  SIZE size{};
  HDC bogus = reinterpret_cast<HDC>(static_cast<uintptr_t>(0x7654321));
  EXPECT_FALSE(GetTextExtentPoint32A(bogus, "a", 1, &size));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "a", -1, &size));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), nullptr, 3, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(canvas.dc(), "a", 1, nullptr));
  TEXTMETRICA tm;
  EXPECT_FALSE(GetTextMetricsA(bogus, &tm));
  EXPECT_FALSE(GetTextMetricsA(canvas.dc(), nullptr));
  EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
  EXPECT_EQ(GetTextFaceA(bogus, 10, nullptr), 0);
  EXPECT_EQ(SetTextCharacterExtra(bogus, 1), static_cast<int>(0x80000000));
}

TEST(FontApi, TextFaceReportsCopiedCharactersOrTheNeededSize) {
  Canvas32 canvas(4, 4);
  ScopedFont font(canvas.dc(), "MS Sans Serif", -11);
  EXPECT_EQ(GetTextFaceA(canvas.dc(), 0, nullptr), 14);
  char small[5] = "????";
  EXPECT_EQ(GetTextFaceA(canvas.dc(), 5, small), 4);
  EXPECT_STREQ(small, "MS S");
  EXPECT_EQ(GetTextFaceA(canvas.dc(), 0, small), 0);
}

TEST(FontApi, CreateFontKeepsTheLogicalFontForGetObject) {
  HFONT font = CreateFontA(-11, 0, 900, 900, FW_BOLD, TRUE, FALSE, TRUE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                           "A face name that is longer than thirty-one characters");
  ASSERT_NE(font, nullptr);
  LOGFONTA lf{};
  ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_EQ(lf.lfItalic, 1);
  EXPECT_EQ(lf.lfStrikeOut, 1);
  EXPECT_EQ(lf.lfPitchAndFamily, VARIABLE_PITCH | FF_SWISS);
  EXPECT_EQ(std::string(lf.lfFaceName).size(), static_cast<size_t>(LF_FACESIZE - 1));
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  DeleteObject(font);
}

}  // namespace
