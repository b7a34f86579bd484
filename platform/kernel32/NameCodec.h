// Conversions between the API's Windows-1250 names and the host's UTF-8 names, and the
// case-folded form names are compared in.
#pragma once

#include <string>
#include <string_view>

class NameCodec {
 public:
  // Windows-1250 bytes to UTF-8.
  static std::string AnsiToHost(std::string_view ansi);
  // UTF-8 to Windows-1250; characters the code page lacks (and broken UTF-8) become '?'.
  static std::string HostToAnsi(std::string_view utf8);
  // Upper-cased code points of a UTF-8 name, for case-insensitive comparison.
  static std::u32string FoldHost(std::string_view utf8);
  static std::u32string FoldAnsi(std::string_view ansi);
  static char32_t UpperCase(char32_t c);
  static std::string EncodeUtf8(std::u32string_view text);
  static std::u32string DecodeUtf8(std::string_view utf8);
};
