#include <gtest/gtest.h>

#include "SysUtils.h"

#include <cmath>

TEST(Format, IntegersWidthsPrecisionAndAlignment) {
  EXPECT_EQ(Format("%d", {42}), "42");
  EXPECT_EQ(Format("%.5d", {42}), "00042");
  EXPECT_EQ(Format("%.5d", {-42}), "-00042");
  EXPECT_EQ(Format("[%6d]", {-42}), "[   -42]");
  EXPECT_EQ(Format("[%-6d]", {42}), "[42    ]");
  EXPECT_EQ(Format("[%2d]", {12345}), "[12345]") << "width never truncates";
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%x %X", {255, -1}), "FF FFFFFFFF");
  EXPECT_EQ(Format("%.4x", {10}), "000A");
  EXPECT_EQ(Format("%d", {int64_t{-9000000000}}), "-9000000000");
  EXPECT_EQ(Format("%*d|%-*d", {4, 7, 3, 8}), "   7|8  ");
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
  EXPECT_EQ(Format("100%%", {}), "100%");
}

TEST(Format, StringsPointersAndFloats) {
  const AnsiString name = "Zażółć"_a;
  EXPECT_EQ(Format("<%s>", {name}), "<" + name + ">");
  EXPECT_EQ(Format("%.3s|%5s|%-5s|", {"abcdef", "ab", "ab"}), "abc|   ab|ab   |");
  EXPECT_EQ(Format("%s", {'x'}), "x");
  EXPECT_EQ(Format("%p", {nullptr}), "00000000");
  EXPECT_EQ(Format("%p", {reinterpret_cast<const void*>(0xABC)}), "00000ABC");
  EXPECT_EQ(Format("%f", {3.14159}), "3,14");
  EXPECT_EQ(Format("%.3f", {-0.0005}), "-0,001") << "half away from zero";
  EXPECT_EQ(Format("%.2f", {0.125}), "0,13");
  EXPECT_EQ(Format("%e", {1234.5}), "1,23450000000000E+003");
  EXPECT_EQ(Format("%g", {0.1 + 0.2}), "0,3");
  EXPECT_EQ(Format("%n", {1234567.891}), "1\xA0" "234\xA0" "567,89");
}

TEST(Format, MismatchesAndMissingArgumentsRaise) {
  try {
    Format("%d items", {"x"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Format '%d items' invalid or incompatible with argument");
  }
  try {
    Format("%s and %s", {"one"});
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "No argument for format '%s and %s'");
  }
  EXPECT_THROW(Format("%f", {3}), EConvertError);
  EXPECT_THROW(Format("%s", {3}), EConvertError);
  EXPECT_THROW(Format("%d", {true}), EConvertError);
  EXPECT_THROW(Format("abc %", {1}), EConvertError);
  EXPECT_THROW(Format("%q", {1}), EConvertError);
}

TEST(Numbers, IntegerTextBothWays) {
  EXPECT_EQ(IntToStr(-2147483648LL), "-2147483648");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(StrToInt("  -17"), -17);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToIntDef("2147483648", 7), 7);
  EXPECT_EQ(StrToIntDef("12 ", 7), 7) << "trailing blanks are not a number";
  EXPECT_EQ(StrToIntDef("0x10", 7), 7);
  EXPECT_EQ(StrToIntDef("", 7), 7);
  EXPECT_EQ(StrToIntDef("+", 7), 7);
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  try {
    StrToInt("12a");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
  }
}

TEST(Numbers, FloatTextUsesTheDecimalComma) {
  EXPECT_EQ(FloatToStr(1.5), "1,5");
  EXPECT_EQ(FloatToStr(-0.25), "-0,25");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(1e15), "1E15");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(0.0001), "0,0001");
  EXPECT_EQ(FloatToStr(0.00001), "1E-5");
  EXPECT_EQ(FloatToStr(2.0 / 3.0), "0,666666666666667");
  EXPECT_EQ(FloatToStr(0), "0");
  EXPECT_EQ(FloatToStr(INFINITY), "INF");
  EXPECT_EQ(StrToFloat(" 2,5 "), 2.5L);
  EXPECT_EQ(StrToFloat("-1,25E2"), -125.0L);
  EXPECT_EQ(StrToFloatDef("2.5", -1), -1) << "the point is not the separator here";
  EXPECT_THROW(StrToFloat("1e999999"), EConvertError);
  try {
    StrToFloat("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
  }
}

TEST(Strings, CaseTrimQuotesAndIdentifiers) {
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_EQ(TrimLeft("  x "), "x ");
  EXPECT_EQ(TrimRight("  x "), "  x");
  EXPECT_EQ(UpperCase("abcąż"_a), "ABCąż"_a) << "ASCII only";
  EXPECT_EQ(AnsiUpperCase("zażółć gęślą jaźń"_a), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ"_a);
  EXPECT_EQ(AnsiLowerCase("ZAŻÓŁĆ ŠŤ"_a), "zażółć šť"_a);
  EXPECT_EQ(AnsiUpperCase("ß÷"_a), "ß÷"_a) << "no single-byte capital";
  EXPECT_EQ(CompareText("abc", "ABD") < 0, true);
  EXPECT_EQ(CompareText("b", "A") > 0, true);
  EXPECT_TRUE(SameText("Button1", "BUTTON1"));
  EXPECT_FALSE(SameText("ą"_a, "Ą"_a));
  EXPECT_TRUE(AnsiSameText("ą"_a, "Ą"_a));
  EXPECT_EQ(QuotedStr("It's"), "'It''s'");
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  std::size_t position = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("\"a\"\"b\" rest", position, '"'), "a\"b");
  EXPECT_EQ(position, 6u);
  EXPECT_TRUE(IsValidIdent("_Button1"));
  EXPECT_FALSE(IsValidIdent("1abc"));
  EXPECT_FALSE(IsValidIdent("a-b"));
  EXPECT_FALSE(IsValidIdent(""));
}

TEST(FileNames, PathPartsAndExtensions) {
  EXPECT_EQ(ExtractFilePath("C:\\Program Files\\TAWO\\tawo.exe"), "C:\\Program Files\\TAWO\\");
  EXPECT_EQ(ExtractFilePath("C:tawo.exe"), "C:");
  EXPECT_EQ(ExtractFilePath("tawo.exe"), "");
  EXPECT_EQ(ExtractFileName("C:\\TAWO\\tawo.exe"), "tawo.exe");
  EXPECT_EQ(ExtractFileDir("C:\\TAWO\\tawo.exe"), "C:\\TAWO");
  EXPECT_EQ(ExtractFileDir("C:\\tawo.exe"), "C:\\");
  EXPECT_EQ(ExtractFileExt("C:\\dir.v2\\file"), "");
  EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
  EXPECT_EQ(ChangeFileExt("C:\\dir.v2\\file", ".ini"), "C:\\dir.v2\\file.ini");
  EXPECT_EQ(ChangeFileExt("tawo.exe", ".INI"), "tawo.INI");
  EXPECT_EQ(ChangeFileExt("tawo.exe", ""), "tawo");
  EXPECT_EQ(IncludeTrailingBackslash(""), "\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\TAWO"), "C:\\TAWO\\");
  EXPECT_EQ(IncludeTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\"), "C:");
  EXPECT_EQ(ExcludeTrailingBackslash("C:\\TAWO"), "C:\\TAWO");
}

// The file system takes '/' as well as '\\', so host-style names split the same way.
TEST(FileNames, ForwardSlashesSeparateNamesToo) {
  EXPECT_EQ(ExtractFilePath("/tmp/lists/icons.bml"), "/tmp/lists/");
  EXPECT_EQ(ExtractFilePath("Z:/tmp\\mixed/a.bmp"), "Z:/tmp\\mixed/");
  EXPECT_EQ(ExtractFileName("/tmp/lists/icons.bml"), "icons.bml");
  EXPECT_EQ(ExtractFileDir("/tmp/lists/icons.bml"), "/tmp/lists");
  EXPECT_EQ(ExtractFileDir("C:/tawo.exe"), "C:/");
  EXPECT_EQ(ExtractFileExt("/tmp/dir.v2/file"), "");
  EXPECT_EQ(ChangeFileExt("/tmp/dir.v2/file", ".ini"), "/tmp/dir.v2/file.ini");
  EXPECT_EQ(IncludeTrailingBackslash("/tmp/"), "/tmp/");
  EXPECT_EQ(ExcludeTrailingBackslash("/tmp/"), "/tmp");
}

TEST(Dates, EncodeDecodeAndText) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2) << "2000 is a leap year";
  EXPECT_EQ(EncodeDate(1900, 3, 1) - EncodeDate(1900, 2, 28), 1) << "1900 is not";
  EXPECT_THROW(EncodeDate(2001, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2001, 13, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  uint16_t y, m, d;
  DecodeDate(36526, y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20000101);
  DecodeDate(EncodeDate(2024, 12, 31), y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20241231);
  DecodeDate(EncodeDate(1, 1, 1), y, m, d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 10101);
  const TDateTime moment = EncodeDate(2005, 3, 7) + EncodeTime(9, 5, 3, 45);
  uint16_t h, n, s, z;
  DecodeTime(moment, h, n, s, z);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + z, 90503045);
  DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, z);
  EXPECT_EQ(z, 999);
  EXPECT_EQ(DayOfWeek(EncodeDate(2005, 3, 7)), 2) << "a Monday";
  EXPECT_EQ(DateToStr(moment), "2005-03-07");
  EXPECT_EQ(TimeToStr(moment), "09:05:03");
  EXPECT_EQ(DateTimeToStr(EncodeDate(2005, 3, 7)), "2005-03-07") << "midnight shows no time";
  EXPECT_EQ(FormatDateTime("d.m.yy h:nn:ss.zzz", moment), "7.3.05 9:05:03.045");
  EXPECT_EQ(FormatDateTime("dddd, d mmmm yyyy 'r.'", moment), "poniedziałek, 7 marzec 2005 r."_a);
  EXPECT_EQ(FormatDateTime("hh:mm", moment), "09:05") << "m after h is minutes";
  EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(15, 30, 0, 0)), "3:30 pm");
  EXPECT_EQ(FormatDateTime("yyyy/mm/dd", moment), "2005-03-07");
  const TDateTime now = Now();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_EQ(Date(), std::floor(Date()));
}

TEST(Exceptions, UsualMessagesAndHierarchy) {
  EXPECT_EQ(EAbort().Message(), "Operation aborted");
  EXPECT_EQ(EInvalidPointer().Message(), "Invalid pointer operation");
  EXPECT_EQ(EOutOfResources().Message(), "Out of system resources");
  EXPECT_EQ(EAbstractError().Message(), "Abstract Error");
  EXPECT_EQ(EInOutError(2).Message(), "File not found");
  EXPECT_EQ(EInOutError(87).Message(), "I/O error 87");
  EXPECT_EQ(EInOutError(87).ErrorCode, 87);
  EXPECT_TRUE(EOutOfResources().InheritsFrom(EOutOfMemory::ClassInfo()));
  EXPECT_TRUE(EZeroDivide().InheritsFrom(EMathError::ClassInfo()));
  EXPECT_THROW(Abort(), EAbort);
  try {
    throw EConvertError("x");
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "x");
  }
}
