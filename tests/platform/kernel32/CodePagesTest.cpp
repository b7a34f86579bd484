#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::u16string ToWide(UINT cp, const std::string& s) {
  int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::u16string w(n, u'\0');
  EXPECT_EQ(MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n), n);
  return w;
}

std::string ToBytes(UINT cp, const std::u16string& w) {
  int n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  EXPECT_EQ(WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr), n);
  return s;
}

TEST(CodePages, AnsiIs1250AndPolishLettersRoundTripThroughUtf8) {
  EXPECT_EQ(GetACP(), 1250u);
  const std::string ansi = "Zako\xF1" "cz \xB9\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xCA\xA3\xD1\xD3\x8C\x8F\xAF";
  const std::u16string wide = ToWide(CP_ACP, ansi);
  EXPECT_EQ(wide, u"Zakończ ąęłńóśźż ĄĘŁŃÓŚŹŻ");
  const std::string utf8 = ToBytes(CP_UTF8, wide);
  EXPECT_EQ(utf8, "Zakończ ąęłńóśźż ĄĘŁŃÓŚŹŻ");
  EXPECT_EQ(ToBytes(1250, ToWide(CP_UTF8, utf8)), ansi);
}

TEST(CodePages, MinusOneLengthIncludesTheTerminator) {
  char16_t buffer[8];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "ab", -1, buffer, 8), 3);
  EXPECT_EQ(buffer[2], u'\0');
}

TEST(CodePages, SmallBufferAndBadArgumentsFailWithTheirErrors) {
  char16_t buffer[2];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "abc", 3, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, nullptr, 3, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "\xC3", 1, buffer, 2), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePages, UnmappableCharactersUseTheDefaultCharacter) {
  BOOL used = FALSE;
  char out[4];
  const char16_t text[] = u"a\u4E00b";
  EXPECT_EQ(WideCharToMultiByte(1250, 0, text, 3, out, 4, "_", &used), 3);
  EXPECT_EQ(std::string(out, 3), "a_b");
  EXPECT_TRUE(used);
}

TEST(CodePages, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(ToWide(CP_UTF8, "a\xFF" "b\xE2\x82"), u"a\uFFFDb\uFFFD");
  EXPECT_EQ(ToWide(CP_UTF8, "\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong '/'
  EXPECT_EQ(ToWide(CP_UTF8, "\xF0\x9F\x98\x80"), u"\U0001F600");
}

}  // namespace
