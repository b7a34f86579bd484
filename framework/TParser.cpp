#include "TParser.h"

#include "Classes.h"
#include "RTLConsts.h"
#include "TStream.h"

#include <windows.h>

#include <charconv>
#include <cmath>

TAWO_IMPLEMENT_CLASS(TParser)

namespace {

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

}  // namespace

TParser::TParser(TStream& stream) {
  const int64_t remaining = stream.Remaining();
  FText.resize(static_cast<std::size_t>(std::max<int64_t>(0, remaining)));
  stream.ReadBuffer(FText.data(), static_cast<int64_t>(FText.size()));
  if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = 3;  // UTF-8 byte order mark
  NextToken();
}

void TParser::Error(const AnsiString& message) const {
  throw EParserError(Format(SParseError, {message, FSourceLine}));
}

void TParser::CheckToken(char token) const {
  if (FToken == token) return;
  switch (token) {
    case toSymbol: Error(SIdentifierExpected);
    case toString:
    case toWString: Error(SStringExpected);
    case toInteger:
    case toFloat: Error(SNumberExpected);
    default: Error(Format(SCharExpected, {token}));
  }
}

bool TParser::TokenSymbolIs(const char* symbol) const { return FToken == toSymbol && SameText(FTokenString, symbol); }

void TParser::CheckTokenSymbol(const char* symbol) const {
  if (!TokenSymbolIs(symbol)) Error(Format("'%s' expected", {symbol}));
}

void TParser::SkipBlanks() {
  while (!AtEnd() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
    if (FText[FPos] == '\n') ++FSourceLine;
    ++FPos;
  }
}

char TParser::NextToken() {
  SkipBlanks();
  FTokenString.clear();
  FTokenWide.clear();
  FFloatType = 0;
  if (AtEnd()) return FToken = toEOF;
  const char c = FText[FPos];
  if (IsIdentStart(c)) {
    const std::size_t start = FPos;
    while (IsIdentChar(Peek())) ++FPos;
    FTokenString = FText.substr(start, FPos - start);
    return FToken = toSymbol;
  }
  if (c == '\'' || c == '#') {
    ReadString();
    return FToken;
  }
  if (c == '$' || IsDigit(c) || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '.'))) {
    ReadNumber();
    return FToken;
  }
  ++FPos;
  FTokenString = AnsiString(1, c);
  return FToken = c;
}

void TParser::ReadString() {
  bool wide = false;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '\'') {
      ++FPos;
      for (;;) {
        if (AtEnd() || Peek() == '\r' || Peek() == '\n') Error(SInvalidString);
        if (Peek() == '\'') {
          if (Peek(1) != '\'') break;
          ++FPos;
        }
        FTokenWide += static_cast<char16_t>(cp1250::ToUnicode(static_cast<unsigned char>(FText[FPos])));
        ++FPos;
      }
      ++FPos;
    } else {
      ++FPos;
      unsigned code = 0;
      const bool hex = Peek() == '$';
      if (hex) ++FPos;
      const std::size_t start = FPos;
      while (hex ? IsHexDigit(Peek()) : IsDigit(Peek())) {
        code = code * (hex ? 16 : 10) + static_cast<unsigned>(HexValue(FText[FPos]));
        if (code > 0xFFFF) Error(SInvalidString);
        ++FPos;
      }
      if (FPos == start) Error(SInvalidString);
      if (code > 255) wide = true;
      // #nnn up to 255 is the byte itself; above that a UTF-16 code unit.
      FTokenWide += static_cast<char16_t>(code <= 255 ? cp1250::ToUnicode(static_cast<unsigned char>(code)) : code);
    }
  }
  if (wide) {
    FToken = toWString;
    return;
  }
  FTokenString.reserve(FTokenWide.size());
  for (char16_t unit : FTokenWide) FTokenString += static_cast<char>(cp1250::FromUnicode(unit));
  FToken = toString;
}

void TParser::ReadNumber() {
  const std::size_t start = FPos;
  if (Peek() == '$') {
    ++FPos;
    while (IsHexDigit(Peek())) ++FPos;
    if (FPos == start + 1) Error(SNumberExpected);
    FTokenString = FText.substr(start, FPos - start);
    FToken = toInteger;
    return;
  }
  if (Peek() == '-') ++FPos;
  FToken = toInteger;
  while (IsDigit(Peek())) ++FPos;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    FToken = toFloat;
    ++FPos;
    while (IsDigit(Peek())) ++FPos;
  }
  if ((Peek() == 'e' || Peek() == 'E') && (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
    FToken = toFloat;
    FPos += 2;
    while (IsDigit(Peek())) ++FPos;
  }
  FTokenString = FText.substr(start, FPos - start);
  const char suffix = static_cast<char>(Peek() | 0x20);
  if (suffix == 's' || suffix == 'c' || suffix == 'd') {
    FToken = toFloat;
    FFloatType = suffix;
    ++FPos;
  }
}

int64_t TParser::TokenInt() const {
  if (FToken != toInteger) Error(SNumberExpected);
  if (FTokenString[0] == '$') {
    if (FTokenString.size() > 17) Error(SNumberExpected);
    uint64_t value = 0;
    for (std::size_t i = 1; i < FTokenString.size(); ++i) value = value * 16 + static_cast<unsigned>(HexValue(FTokenString[i]));
    return static_cast<int64_t>(value);
  }
  int64_t value = 0;
  const auto result = std::from_chars(FTokenString.data(), FTokenString.data() + FTokenString.size(), value);
  if (result.ec != std::errc() || result.ptr != FTokenString.data() + FTokenString.size()) Error(SNumberExpected);
  return value;
}

long double TParser::TokenFloat() const {
  if (FToken != toFloat && FToken != toInteger) Error(SNumberExpected);
  if (FToken == toInteger && FTokenString[0] == '$') return static_cast<long double>(TokenInt());
  long double value = 0;
  if (!detail::ParsePlainFloat(FTokenString, value)) Error(SNumberExpected);
  return value;
}

AnsiString TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  AnsiString ident = FTokenString;
  while (NextToken() == '.') {
    NextToken();
    CheckToken(toSymbol);
    ident += "." + FTokenString;
  }
  return ident;
}

AnsiString TParser::HexToBinary() {
  AnsiString bytes;
  int pending = -1;
  for (;;) {
    SkipBlanks();
    if (AtEnd()) Error(SInvalidBinary);
    const char c = FText[FPos++];
    if (c == '}') break;
    if (!IsHexDigit(c)) Error(SInvalidBinary);
    if (pending < 0) {
      pending = HexValue(c);
    } else {
      bytes += static_cast<char>(pending * 16 + HexValue(c));
      pending = -1;
    }
  }
  if (pending >= 0) Error(SInvalidBinary);
  FToken = '}';
  return bytes;
}
