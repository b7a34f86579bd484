// Unit Classes: TParser, the tokenizer of text form descriptions.
#pragma once

#include "System.h"

#include <string>

class TStream;

// Token kinds; any other token is the symbol character itself ('=', '[', '+' ...).
inline constexpr char toEOF = 0;
inline constexpr char toSymbol = 1;
inline constexpr char toString = 2;
inline constexpr char toInteger = 3;
inline constexpr char toFloat = 4;
inline constexpr char toWString = 5;

class TParser : public TObject {
  TAWO_CLASS(TParser, TObject)

 public:
  // Reads the rest of the stream and moves to the first token.
  explicit TParser(TStream& stream);

  char Token() const { return FToken; }
  char NextToken();
  // The text of a symbol or number; the value of a string token (Windows-1250).
  const AnsiString& TokenString() const { return FTokenString; }
  // The value of a wide string token (one with a #nnn above 255).
  const std::u16string& TokenWideString() const { return FTokenWide; }
  int64_t TokenInt() const;
  long double TokenFloat() const;
  // The float suffix: 's', 'c', 'd' or 0.
  char FloatType() const { return FFloatType; }
  // A dotted identifier starting at the current symbol (Form2.PopupMenu1); moves past it.
  AnsiString TokenComponentIdent();
  bool TokenSymbolIs(const char* symbol) const;
  int SourceLine() const { return FSourceLine; }

  void CheckToken(char token) const;
  void CheckTokenSymbol(const char* symbol) const;
  // The hex digits up to the closing '}' of a binary block (after the '{' token).
  AnsiString HexToBinary();

  // EParserError "<message> on line <n>".
  [[noreturn]] void Error(const AnsiString& message) const;

 private:
  char Peek(std::size_t offset = 0) const { return FPos + offset < FText.size() ? FText[FPos + offset] : '\0'; }
  bool AtEnd() const { return FPos >= FText.size(); }
  void SkipBlanks();
  void ReadString();
  void ReadNumber();

  AnsiString FText;
  std::size_t FPos = 0;
  char FToken = toEOF;
  AnsiString FTokenString;
  std::u16string FTokenWide;
  char FFloatType = 0;
  int FSourceLine = 1;
};
