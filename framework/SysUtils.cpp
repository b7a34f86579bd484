#include "SysUtils.h"

#include "TypInfo.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

using enum TFloatFormat;

TAWO_IMPLEMENT_CLASS(Exception)
TAWO_IMPLEMENT_CLASS(EAbort)
TAWO_IMPLEMENT_CLASS(EHeapException)
TAWO_IMPLEMENT_CLASS(EOutOfMemory)
TAWO_IMPLEMENT_CLASS(EInvalidPointer)
TAWO_IMPLEMENT_CLASS(EOutOfResources)
TAWO_IMPLEMENT_CLASS(EAbstractError)
TAWO_IMPLEMENT_CLASS(EInvalidCast)
TAWO_IMPLEMENT_CLASS(EConvertError)
TAWO_IMPLEMENT_CLASS(EExternal)
TAWO_IMPLEMENT_CLASS(EAccessViolation)
TAWO_IMPLEMENT_CLASS(EIntError)
TAWO_IMPLEMENT_CLASS(EDivByZero)
TAWO_IMPLEMENT_CLASS(ERangeError)
TAWO_IMPLEMENT_CLASS(EIntOverflow)
TAWO_IMPLEMENT_CLASS(EMathError)
TAWO_IMPLEMENT_CLASS(EInvalidOp)
TAWO_IMPLEMENT_CLASS(EZeroDivide)
TAWO_IMPLEMENT_CLASS(EOverflow)
TAWO_IMPLEMENT_CLASS(EUnderflow)
TAWO_IMPLEMENT_CLASS(EPropertyError)
TAWO_IMPLEMENT_CLASS(EPropertyConvertError)
TAWO_IMPLEMENT_CLASS(EInvalidOperation)
TAWO_IMPLEMENT_CLASS(EInvalidGraphic)
TAWO_IMPLEMENT_CLASS(EInvalidGraphicOperation)
TAWO_IMPLEMENT_CLASS(EInOutError)

namespace {

AnsiString InOutErrorText(int errorCode) {
  switch (errorCode) {
    case 2: return SFileNotFound;
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    default: return Format(SInOutError, {errorCode});
  }
}

}  // namespace

EInOutError::EInOutError(int errorCode) : Exception(InOutErrorText(errorCode)), ErrorCode(errorCode) {}

void Abort() { throw EAbort(); }

// ---------------------------------------------------------------------------------------------
// Locale.

char DecimalSeparator = ',';
char ThousandSeparator = '\xA0';
char DateSeparator = '-';
char TimeSeparator = ':';
AnsiString ShortDateFormat = "yyyy-mm-dd";
AnsiString LongDateFormat = "d mmmm yyyy";
AnsiString ShortTimeFormat = "hh:nn";
AnsiString LongTimeFormat = "hh:nn:ss";
AnsiString TimeAMString;
AnsiString TimePMString;
AnsiString ShortMonthNames[12] = {"sty"_a, "lut"_a, "mar"_a, "kwi"_a, "maj"_a, "cze"_a,
                                  "lip"_a, "sie"_a, "wrz"_a, "paź"_a, "lis"_a, "gru"_a};
AnsiString LongMonthNames[12] = {"styczeń"_a,   "luty"_a,     "marzec"_a,      "kwiecień"_a,
                                 "maj"_a,       "czerwiec"_a, "lipiec"_a,      "sierpień"_a,
                                 "wrzesień"_a,  "październik"_a, "listopad"_a, "grudzień"_a};
AnsiString ShortDayNames[7] = {"N"_a, "Pn"_a, "Wt"_a, "Śr"_a, "Cz"_a, "Pt"_a, "So"_a};
AnsiString LongDayNames[7] = {"niedziela"_a, "poniedziałek"_a, "wtorek"_a, "środa"_a,
                              "czwartek"_a,  "piątek"_a,       "sobota"_a};

// ---------------------------------------------------------------------------------------------
// Float to decimal digits, the framework's way: first to 18 significant digits, then rounded
// half away from zero to the wanted precision.

namespace {

struct TFloatDecimal {
  bool Negative = false;
  bool Special = false;  // infinity or NaN: Digits holds the text
  int Exponent = 0;      // value = 0.Digits * 10^Exponent
  std::string Digits;    // no trailing zeros; empty for zero
};

TFloatDecimal ToDecimal(long double value, int precision, int decimals) {
  TFloatDecimal rec;
  rec.Negative = std::signbit(value);
  if (std::isnan(value)) {
    rec.Special = true;
    rec.Negative = false;
    rec.Digits = "NAN";
    return rec;
  }
  if (std::isinf(value)) {
    rec.Special = true;
    rec.Digits = "INF";
    return rec;
  }
  if (value == 0) {
    rec.Negative = false;
    return rec;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  rec.Exponent = std::atoi(p + 1) + 1;
  precision = std::clamp(precision, 1, 18);
  int keep = std::min(precision, rec.Exponent + decimals);
  if (keep < 0) {
    rec.Digits.clear();
    rec.Exponent = 0;
    rec.Negative = false;
    return rec;
  }
  const bool roundUp = keep < static_cast<int>(digits.size()) && digits[keep] >= '5';
  digits.resize(keep);
  if (roundUp) {
    int i = keep - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits.insert(digits.begin(), '1');
      ++rec.Exponent;
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) {
    rec.Exponent = 0;
    rec.Negative = false;
  }
  rec.Digits = digits;
  return rec;
}

AnsiString GroupThousands(const AnsiString& integerPart) {
  AnsiString out;
  const int n = static_cast<int>(integerPart.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ThousandSeparator;
    out += integerPart[i];
  }
  return out;
}

AnsiString ExponentText(int exponent, int minDigits, bool plusSign) {
  AnsiString digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  if (exponent < 0) return "E-" + digits;
  return (plusSign ? "E+" : "E") + digits;
}

AnsiString FormatExponent(const TFloatDecimal& rec, int precision, int digits, char separator) {
  AnsiString mantissa = rec.Digits.empty() ? "0" : rec.Digits;
  mantissa.resize(std::max(precision, 1), '0');
  AnsiString out(1, mantissa[0]);
  if (precision > 1) out += separator + mantissa.substr(1);
  return out + ExponentText(rec.Digits.empty() ? 0 : rec.Exponent - 1, digits, true);
}

AnsiString FormatFixed(const TFloatDecimal& rec, int decimals, bool thousands, char separator) {
  AnsiString integerPart;
  AnsiString fraction;
  for (int position = 0; position < rec.Exponent; ++position) {
    integerPart += position < static_cast<int>(rec.Digits.size()) ? rec.Digits[position] : '0';
  }
  if (integerPart.empty()) integerPart = "0";
  for (int position = rec.Exponent; static_cast<int>(fraction.size()) < decimals; ++position) {
    fraction += position >= 0 && position < static_cast<int>(rec.Digits.size()) ? rec.Digits[position] : '0';
  }
  if (thousands) integerPart = GroupThousands(integerPart);
  return decimals > 0 ? integerPart + separator + fraction : integerPart;
}

AnsiString FormatGeneral(const TFloatDecimal& rec, int precision, int digits, char separator) {
  if (rec.Digits.empty()) return "0";
  if (rec.Exponent > precision || rec.Exponent < -3) {
    AnsiString out(1, rec.Digits[0]);
    if (rec.Digits.size() > 1) out += separator + rec.Digits.substr(1);
    return out + ExponentText(rec.Exponent - 1, digits, false);
  }
  const int decimals = std::max(0, static_cast<int>(rec.Digits.size()) - rec.Exponent);
  return FormatFixed(rec, decimals, false, separator);
}

}  // namespace

AnsiString FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(value, format, precision, digits, DecimalSeparator);
}

AnsiString FloatToStrF(long double value, TFloatFormat format, int precision, int digits, char separator) {
  precision = std::clamp(precision, 1, 18);
  TFloatDecimal rec = ToDecimal(value, precision, format == ffGeneral || format == ffExponent ? 9999 : digits);
  if (rec.Special) return rec.Negative ? "-" + rec.Digits : rec.Digits;
  AnsiString text;
  switch (format) {
    case ffGeneral:
      text = FormatGeneral(rec, precision, digits, separator);
      break;
    case ffExponent:
      text = FormatExponent(rec, precision, digits, separator);
      break;
    case ffFixed:
    case ffNumber:
      if (rec.Exponent > precision) {
        rec = ToDecimal(value, precision, 9999);
        text = FormatGeneral(rec, precision, 0, separator);
      } else {
        text = FormatFixed(rec, std::clamp(digits, 0, 18), format == ffNumber, separator);
      }
      break;
  }
  return rec.Negative ? "-" + text : text;
}

AnsiString FloatToStr(long double value) { return FloatToStrF(value, ffGeneral, 15, 0); }

bool TryStrToFloat(const AnsiString& text, long double& value) {
  const AnsiString trimmed = Trim(text);
  std::string normalised;
  std::size_t i = 0;
  auto digitsAt = [&] {
    const std::size_t start = i;
    while (i < trimmed.size() && std::isdigit(static_cast<unsigned char>(trimmed[i]))) normalised += trimmed[i++];
    return i - start;
  };
  if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) {
    if (trimmed[i] == '-') normalised += '-';
    ++i;
  }
  std::size_t mantissaDigits = digitsAt();
  if (i < trimmed.size() && trimmed[i] == DecimalSeparator) {
    normalised += '.';
    ++i;
    mantissaDigits += digitsAt();
  }
  if (mantissaDigits == 0) return false;
  if (i < trimmed.size() && (trimmed[i] == 'e' || trimmed[i] == 'E')) {
    normalised += 'e';
    ++i;
    if (i < trimmed.size() && (trimmed[i] == '+' || trimmed[i] == '-')) normalised += trimmed[i++];
    if (digitsAt() == 0) return false;
  }
  if (i != trimmed.size()) return false;
  return detail::ParsePlainFloat(normalised, value);
}

bool detail::ParsePlainFloat(const AnsiString& text, long double& value) {
  long double parsed = 0;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, parsed);
  if (result.ptr != end) return false;
  if (result.ec == std::errc::result_out_of_range) {
    // Out of range either way: the decimal exponent of the first significant digit decides.
    const std::size_t exponentAt = text.find_first_of("eE");
    const AnsiString mantissa = text.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    long long magnitude = first == AnsiString::npos ? 0
                          : first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    if (exponentAt != AnsiString::npos) {
      magnitude += std::clamp(std::strtoll(text.c_str() + exponentAt + 1, nullptr, 10), -1000000LL, 1000000LL);
    }
    if (magnitude > 0) return false;
    parsed = 0;
  } else if (result.ec != std::errc()) {
    return false;
  }
  value = parsed;
  return true;
}

long double StrToFloat(const AnsiString& text) {
  long double value = 0;
  if (!TryStrToFloat(text, value)) throw EConvertError(Format(SInvalidFloat, {text}));
  return value;
}

long double StrToFloatDef(const AnsiString& text, long double defaultValue) {
  long double value = 0;
  return TryStrToFloat(text, value) ? value : defaultValue;
}

// ---------------------------------------------------------------------------------------------
// Integers.

namespace {

// Leading blanks, an optional sign, then decimal digits or '$' and hex digits. Decimal values
// must fit the signed range of `bits`; hex values may use all `bits` bits (two's complement).
std::optional<int64_t> ParseInteger(const AnsiString& text, int bits) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const bool hex = i < text.size() && text[i] == '$';
  if (hex) ++i;
  if (i == text.size()) return std::nullopt;
  const unsigned __int128 limit = hex ? (static_cast<unsigned __int128>(1) << bits) - 1
                                      : (static_cast<unsigned __int128>(1) << (bits - 1)) - (negative ? 0 : 1);
  unsigned __int128 magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    magnitude = magnitude * (hex ? 16 : 10) + digit;
    if (magnitude > limit) return std::nullopt;
  }
  int64_t value;
  if (hex) {
    const uint64_t raw = static_cast<uint64_t>(magnitude);
    value = bits == 32 ? static_cast<int32_t>(static_cast<uint32_t>(raw)) : static_cast<int64_t>(raw);
  } else {
    value = static_cast<int64_t>(static_cast<uint64_t>(magnitude));
    if (negative) value = static_cast<int64_t>(0 - static_cast<uint64_t>(magnitude));
    return value;
  }
  return negative ? -value : value;
}

}  // namespace

AnsiString IntToStr(int64_t value) { return std::to_string(value); }

AnsiString IntToHex(int64_t value, int digits) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*llX", std::clamp(digits, 0, 16),
                static_cast<unsigned long long>(value));
  return buffer;
}

bool TryStrToInt(const AnsiString& text, int& value) {
  const auto parsed = ParseInteger(text, 32);
  if (!parsed) return false;
  value = static_cast<int>(*parsed);
  return true;
}

int StrToInt(const AnsiString& text) {
  int value = 0;
  if (!TryStrToInt(text, value)) throw EConvertError(Format(SInvalidInteger, {text}));
  return value;
}

int StrToIntDef(const AnsiString& text, int defaultValue) {
  int value = 0;
  return TryStrToInt(text, value) ? value : defaultValue;
}

int64_t StrToInt64(const AnsiString& text) {
  const auto parsed = ParseInteger(text, 64);
  if (!parsed) throw EConvertError(Format(SInvalidInteger, {text}));
  return *parsed;
}

int64_t StrToInt64Def(const AnsiString& text, int64_t defaultValue) {
  return ParseInteger(text, 64).value_or(defaultValue);
}

// ---------------------------------------------------------------------------------------------
// Format.

namespace {

class TFormatter {
 public:
  TFormatter(const AnsiString& format, TVarRecs args) : FFormat(format), FArgs(args) {}

  AnsiString Run() {
    AnsiString out;
    for (std::size_t i = 0; i < FFormat.size(); ++i) {
      if (FFormat[i] != '%') {
        out += FFormat[i];
        continue;
      }
      FPos = i + 1;
      if (FPos < FFormat.size() && FFormat[FPos] == '%') {
        out += '%';
        i = FPos;
        continue;
      }
      out += Specifier();
      i = FPos;
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const { throw EConvertError(Format(SInvalidFormat, {FFormat})); }

  const TVarRec& NextArg() {
    if (FArgIndex >= FArgs.size()) throw EConvertError(Format(SArgumentMissing, {FFormat}));
    return FArgs.begin()[FArgIndex++];
  }

  char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

  // A number, '*' (taken from the arguments) or nothing (-1).
  int Number() {
    if (Peek() == '*') {
      ++FPos;
      const TVarRec& arg = NextArg();
      if (arg.VType != TVarRec::vtInteger) Invalid();
      return static_cast<int>(arg.VInt64);
    }
    if (!std::isdigit(static_cast<unsigned char>(Peek()))) return -1;
    int value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
      value = std::min(value * 10 + (FFormat[FPos++] - '0'), 1 << 20);
    }
    return value;
  }

  // Parses one specifier after '%'; FPos ends on its type letter.
  AnsiString Specifier() {
    int first = Number();
    if (Peek() == ':') {
      ++FPos;
      if (first < 0) first = 0;
      FArgIndex = static_cast<std::size_t>(first);
      first = -1;
    }
    bool left = false;
    if (first < 0 && Peek() == '-') {
      left = true;
      ++FPos;
    }
    int width = first >= 0 ? first : Number();
    int precision = -1;
    if (Peek() == '.') {
      ++FPos;
      precision = std::max(Number(), 0);
    }
    const char type = static_cast<char>(std::toupper(static_cast<unsigned char>(Peek())));
    if (type == '\0') Invalid();
    AnsiString text = Convert(type, NextArg(), precision);
    if (width > static_cast<int>(text.size())) {
      const AnsiString padding(width - text.size(), ' ');
      text = left ? text + padding : padding + text;
    }
    return text;
  }

  static AnsiString PadDigits(AnsiString digits, int precision) {
    if (precision > static_cast<int>(digits.size())) digits.insert(0, precision - digits.size(), '0');
    return digits;
  }

  bool IsInteger(const TVarRec& arg) const {
    return arg.VType == TVarRec::vtInteger || arg.VType == TVarRec::vtInt64;
  }

  AnsiString Convert(char type, const TVarRec& arg, int precision) {
    switch (type) {
      case 'D': {
        if (!IsInteger(arg)) Invalid();
        const uint64_t magnitude = arg.VInt64 < 0 ? 0 - static_cast<uint64_t>(arg.VInt64)
                                                  : static_cast<uint64_t>(arg.VInt64);
        const AnsiString digits = PadDigits(std::to_string(magnitude), precision);
        return arg.VInt64 < 0 ? "-" + digits : digits;
      }
      case 'U': {
        if (!IsInteger(arg)) Invalid();
        const uint64_t value = arg.VType == TVarRec::vtInteger
                                   ? static_cast<uint32_t>(arg.VInt64)
                                   : static_cast<uint64_t>(arg.VInt64);
        return PadDigits(std::to_string(value), precision);
      }
      case 'X': {
        if (!IsInteger(arg)) Invalid();
        const uint64_t value = arg.VType == TVarRec::vtInteger
                                   ? static_cast<uint32_t>(arg.VInt64)
                                   : static_cast<uint64_t>(arg.VInt64);
        return PadDigits(IntToHex(static_cast<int64_t>(value), 0), precision);
      }
      case 'E':
        return FloatText(arg, ffExponent, precision < 0 ? 15 : precision, 3);
      case 'F':
        return FloatText(arg, ffFixed, 18, precision < 0 ? 2 : precision);
      case 'G':
        return FloatText(arg, ffGeneral, precision < 0 ? 15 : precision, 3);
      case 'N':
        return FloatText(arg, ffNumber, 18, precision < 0 ? 2 : precision);
      case 'P': {
        if (arg.VType != TVarRec::vtPointer && arg.VType != TVarRec::vtObject) Invalid();
        const void* pointer = arg.VType == TVarRec::vtPointer ? arg.VPointer : arg.VObject;
        return IntToHex(static_cast<int64_t>(reinterpret_cast<uintptr_t>(pointer)), 8);
      }
      case 'S': {
        AnsiString text;
        if (arg.VType == TVarRec::vtAnsiString) text = *arg.VAnsiString;
        else if (arg.VType == TVarRec::vtPChar) text = arg.VPChar != nullptr ? arg.VPChar : "";
        else if (arg.VType == TVarRec::vtChar) text = AnsiString(1, static_cast<char>(arg.VInt64));
        else Invalid();
        if (precision >= 0 && precision < static_cast<int>(text.size())) text.resize(precision);
        return text;
      }
      default:
        Invalid();
    }
  }

  AnsiString FloatText(const TVarRec& arg, TFloatFormat format, int precision, int digits) {
    if (arg.VType != TVarRec::vtExtended) Invalid();
    return FloatToStrF(arg.VExtended, format, precision, digits);
  }

  const AnsiString& FFormat;
  TVarRecs FArgs;
  std::size_t FPos = 0;
  std::size_t FArgIndex = 0;
};

}  // namespace

AnsiString Format(const AnsiString& format, TVarRecs args) { return TFormatter(format, args).Run(); }

// ---------------------------------------------------------------------------------------------
// Strings.

namespace {

constexpr char32_t UnicodeUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c & ~char32_t{1};
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
  return c;
}

constexpr char32_t UnicodeLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c | 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 1) ? c + 1 : c;
  return c;
}

template <char32_t (*Map)(char32_t)>
constexpr std::array<unsigned char, 256> CaseTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const int mapped = cp1250::FromUnicode(Map(cp1250::ToUnicode(static_cast<unsigned char>(b))));
    table[b] = static_cast<unsigned char>(mapped >= 0 ? mapped : b);
  }
  return table;
}

constexpr auto kAnsiUpper = CaseTable<UnicodeUpper>();
constexpr auto kAnsiLower = CaseTable<UnicodeLower>();

AnsiString MapBytes(const AnsiString& text, const std::array<unsigned char, 256>& table) {
  AnsiString out(text);
  for (char& c : out) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
  return out;
}

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareBytes(const AnsiString& a, const AnsiString& b) { return Sign(a.compare(b)); }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

AnsiString Trim(const AnsiString& text) { return TrimLeft(TrimRight(text)); }

AnsiString TrimLeft(const AnsiString& text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start);
}

AnsiString TrimRight(const AnsiString& text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

AnsiString UpperCase(const AnsiString& text) {
  AnsiString out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

AnsiString LowerCase(const AnsiString& text) {
  AnsiString out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

int CompareStr(const AnsiString& a, const AnsiString& b) { return CompareBytes(a, b); }
int CompareText(const AnsiString& a, const AnsiString& b) { return CompareBytes(UpperCase(a), UpperCase(b)); }
bool SameText(const AnsiString& a, const AnsiString& b) { return a.size() == b.size() && CompareText(a, b) == 0; }
AnsiString AnsiUpperCase(const AnsiString& text) { return MapBytes(text, kAnsiUpper); }
AnsiString AnsiLowerCase(const AnsiString& text) { return MapBytes(text, kAnsiLower); }
int AnsiCompareStr(const AnsiString& a, const AnsiString& b) { return CompareBytes(a, b); }
int AnsiCompareText(const AnsiString& a, const AnsiString& b) {
  return CompareBytes(AnsiUpperCase(a), AnsiUpperCase(b));
}
bool AnsiSameText(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) == 0; }

AnsiString QuotedStr(const AnsiString& text) { return AnsiQuotedStr(text, '\''); }

AnsiString AnsiQuotedStr(const AnsiString& text, char quote) {
  AnsiString out(1, quote);
  for (char c : text) {
    out += c;
    if (c == quote) out += quote;
  }
  return out + quote;
}

AnsiString AnsiExtractQuotedStr(const AnsiString& text, std::size_t& position, char quote) {
  AnsiString out;
  if (position >= text.size() || text[position] != quote) return out;
  ++position;
  while (position < text.size()) {
    if (text[position] == quote) {
      if (position + 1 < text.size() && text[position + 1] == quote) {
        out += quote;
        position += 2;
        continue;
      }
      ++position;
      return out;
    }
    out += text[position++];
  }
  return out;
}

bool IsValidIdent(const AnsiString& ident) {
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (ident.empty() || !alpha(ident[0])) return false;
  for (char c : ident) {
    if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
  }
  return true;
}

AnsiString StringOfChar(char ch, int count) { return AnsiString(std::max(count, 0), ch); }

// ---------------------------------------------------------------------------------------------
// Dates and times.

namespace {

constexpr int64_t kMSecsPerDay = 86400000;
constexpr int kDateDelta = 693594;  // days from 0001-01-01 to 1899-12-30

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

struct TTimeStamp {
  int64_t Days;  // since 1899-12-30
  int64_t MSecs;
};

TTimeStamp ToTimeStamp(TDateTime value) {
  if (!std::isfinite(value) || std::fabs(value) > 3.0e6) throw EConvertError("Invalid date/time value");
  if (value >= 0) {
    const int64_t total = std::llround(value * kMSecsPerDay);
    return {total / kMSecsPerDay, total % kMSecsPerDay};
  }
  const double days = std::trunc(value);
  int64_t msecs = std::llround(std::fabs(value - days) * kMSecsPerDay);
  return {static_cast<int64_t>(days), std::min(msecs, kMSecsPerDay - 1)};
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

TDateTime EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) {
    throw EConvertError(SDateEncodeError);
  }
  int dayOfYear = day;
  for (int m = 1; m < month; ++m) dayOfYear += DaysInMonth(year, m);
  const int y = year - 1;
  return static_cast<TDateTime>(y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - kDateDelta);
}

void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day) {
  int64_t days = ToTimeStamp(date).Days + kDateDelta - 1;  // days since 0001-01-01
  if (days < 0) {
    year = month = day = 0;
    return;
  }
  constexpr int64_t kD1 = 365, kD4 = kD1 * 4 + 1, kD100 = kD4 * 25 - 1, kD400 = kD100 * 4 + 1;
  int64_t y = 1 + 400 * (days / kD400);
  days %= kD400;
  int64_t centuries = std::min<int64_t>(days / kD100, 3);
  y += 100 * centuries;
  days -= centuries * kD100;
  y += 4 * (days / kD4);
  days %= kD4;
  int64_t years = std::min<int64_t>(days / kD1, 3);
  y += years;
  days -= years * kD1;
  int m = 1;
  while (days >= DaysInMonth(static_cast<int>(y), m)) days -= DaysInMonth(static_cast<int>(y), m++);
  year = static_cast<uint16_t>(y);
  month = static_cast<uint16_t>(m);
  day = static_cast<uint16_t>(days + 1);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999) {
    throw EConvertError(STimeEncodeError);
  }
  return static_cast<TDateTime>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond) / kMSecsPerDay;
}

void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& minute, uint16_t& second, uint16_t& millisecond) {
  int64_t msecs = ToTimeStamp(time).MSecs;
  millisecond = static_cast<uint16_t>(msecs % 1000);
  msecs /= 1000;
  second = static_cast<uint16_t>(msecs % 60);
  msecs /= 60;
  minute = static_cast<uint16_t>(msecs % 60);
  hour = static_cast<uint16_t>(msecs / 60);
}

int DayOfWeek(TDateTime date) {
  // 1899-12-30 was a Saturday (7).
  const int64_t days = ToTimeStamp(date).Days;
  return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(millis));
}

TDateTime Date() { return std::floor(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::floor(now);
}

namespace {

class TDateTimeFormatter {
 public:
  explicit TDateTimeFormatter(TDateTime value) {
    DecodeDate(value, FYear, FMonth, FDay);
    DecodeTime(value, FHour, FMinute, FSecond, FMSec);
    FDayOfWeek = FYear != 0 ? DayOfWeek(value) : 1;
    FTimeIsZero = FHour == 0 && FMinute == 0 && FSecond == 0 && FMSec == 0;
  }

  AnsiString Run(const AnsiString& format, int depth = 0) {
    AnsiString out;
    bool lastWasHour = false;
    for (std::size_t i = 0; i < format.size();) {
      const char c = format[i];
      const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      const std::size_t count = RunLength(format, i);
      if (c == '\'' || c == '"') {
        const std::size_t close = format.find(c, i + 1);
        out += format.substr(i + 1, (close == AnsiString::npos ? format.size() : close) - i - 1);
        i = close == AnsiString::npos ? format.size() : close + 1;
        continue;
      }
      if (upper == 'A' && (StartsWithText(format, i, "AM/PM") || StartsWithText(format, i, "A/P") ||
                           StartsWithText(format, i, "AMPM"))) {
        out += AmPm(format, i);
        continue;
      }
      i += (upper == 'D' || upper == 'M' || upper == 'Y' || upper == 'H' || upper == 'N' ||
            upper == 'S' || upper == 'Z' || upper == 'T') ? count : 1;
      switch (upper) {
        case 'D': out += DayText(count, depth); break;
        case 'M':
          out += lastWasHour ? Two(FMinute, count) : MonthText(count);
          break;
        case 'Y': out += count <= 2 ? Two(FYear % 100, 2) : Pad(FYear, 4); break;
        case 'H': out += Two(HourForClock(format), count); break;
        case 'N': out += Two(FMinute, count); break;
        case 'S': out += Two(FSecond, count); break;
        case 'Z': out += count >= 3 ? Pad(FMSec, 3) : std::to_string(FMSec); break;
        case 'T': out += depth < 2 ? Run(count >= 2 ? LongTimeFormat : ShortTimeFormat, depth + 1) : ""; break;
        case 'C':
          if (depth < 2) {
            out += Run(ShortDateFormat, depth + 1);
            if (!FTimeIsZero) out += " " + Run(LongTimeFormat, depth + 1);
          }
          break;
        case '/': out += DateSeparator; break;
        case ':': out += TimeSeparator; break;
        default: out += c; break;
      }
      if (upper == 'H') lastWasHour = true;
      else if (upper != ' ' && upper != ':' && upper != '/') lastWasHour = false;
    }
    return out;
  }

 private:
  static std::size_t RunLength(const AnsiString& format, std::size_t i) {
    std::size_t n = 1;
    while (i + n < format.size() && std::toupper(static_cast<unsigned char>(format[i + n])) ==
                                         std::toupper(static_cast<unsigned char>(format[i]))) {
      ++n;
    }
    return n;
  }

  static bool StartsWithText(const AnsiString& format, std::size_t i, const char* word) {
    return SameText(format.substr(i, std::strlen(word)), word);
  }

  static AnsiString Pad(int value, int width) {
    AnsiString digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
  }

  static AnsiString Two(int value, std::size_t count) { return count >= 2 ? Pad(value, 2) : std::to_string(value); }

  bool HasClockSuffix(const AnsiString& format) const {
    const AnsiString upper = UpperCase(format);
    return upper.find("AM/PM") != AnsiString::npos || upper.find("A/P") != AnsiString::npos ||
           upper.find("AMPM") != AnsiString::npos;
  }

  int HourForClock(const AnsiString& format) const {
    if (!HasClockSuffix(format)) return FHour;
    const int hour = FHour % 12;
    return hour == 0 ? 12 : hour;
  }

  AnsiString AmPm(const AnsiString& format, std::size_t& i) {
    const bool pm = FHour >= 12;
    if (StartsWithText(format, i, "AM/PM")) {
      const AnsiString word = format.substr(i + (pm ? 3 : 0), 2);
      i += 5;
      return word;
    }
    if (StartsWithText(format, i, "A/P")) {
      const AnsiString letter = format.substr(i + (pm ? 2 : 0), 1);
      i += 3;
      return letter;
    }
    i += 4;
    return pm ? TimePMString : TimeAMString;
  }

  AnsiString DayText(std::size_t count, int depth) {
    switch (count) {
      case 1: return std::to_string(FDay);
      case 2: return Pad(FDay, 2);
      case 3: return ShortDayNames[FDayOfWeek - 1];
      case 4: return LongDayNames[FDayOfWeek - 1];
      case 5: return depth < 2 ? Run(ShortDateFormat, depth + 1) : "";
      default: return depth < 2 ? Run(LongDateFormat, depth + 1) : "";
    }
  }

  AnsiString MonthText(std::size_t count) {
    if (FMonth == 0) return "";
    switch (count) {
      case 1: return std::to_string(FMonth);
      case 2: return Pad(FMonth, 2);
      case 3: return ShortMonthNames[FMonth - 1];
      default: return LongMonthNames[FMonth - 1];
    }
  }

  uint16_t FYear, FMonth, FDay, FHour, FMinute, FSecond, FMSec;
  int FDayOfWeek;
  bool FTimeIsZero;
};

}  // namespace

AnsiString FormatDateTime(const AnsiString& format, TDateTime dateTime) {
  return TDateTimeFormatter(dateTime).Run(format);
}

AnsiString DateToStr(TDateTime date) { return FormatDateTime("ddddd", date); }
AnsiString TimeToStr(TDateTime time) { return FormatDateTime("tt", time); }
AnsiString DateTimeToStr(TDateTime dateTime) { return FormatDateTime("c", dateTime); }

namespace {

// Unsigned numbers separated by `separator`, blanks around the text ignored; false when the
// text holds anything else or more than `most` numbers.
bool SplitNumbers(const AnsiString& text, char separator, std::size_t most, std::vector<int>& numbers) {
  numbers.clear();
  const AnsiString trimmed = Trim(text);
  std::size_t start = 0;
  while (true) {
    const std::size_t end = std::min(trimmed.find(separator, start), trimmed.size());
    const AnsiString digits = trimmed.substr(start, end - start);
    if (digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != AnsiString::npos) {
      return false;
    }
    numbers.push_back(std::stoi(digits));
    if (numbers.size() > most) return false;
    if (end == trimmed.size()) return true;
    start = end + 1;
  }
}

bool TryStrToDate(const AnsiString& text, TDateTime& date) {
  std::vector<int> numbers;
  if (!SplitNumbers(text, DateSeparator, 3, numbers) || numbers.size() != 3) return false;
  // The order of year, month and day in the short date format.
  const AnsiString format = UpperCase(ShortDateFormat);
  const std::size_t positions[] = {format.find('Y'), format.find('M'), format.find('D')};
  int fields[3] = {};
  for (int field = 0; field < 3; ++field) {
    int rank = 0;
    for (int other = 0; other < 3; ++other) rank += positions[other] < positions[field] ? 1 : 0;
    fields[field] = numbers[rank];
  }
  if (fields[0] < 100) {
    uint16_t year, month, day;
    DecodeDate(Date(), year, month, day);
    fields[0] += year / 100 * 100;
  }
  try {
    date = EncodeDate(fields[0], fields[1], fields[2]);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

bool TryStrToTime(const AnsiString& text, TDateTime& time) {
  std::vector<int> numbers;
  if (!SplitNumbers(text, TimeSeparator, 3, numbers) || numbers.size() < 2) return false;
  try {
    time = EncodeTime(numbers[0], numbers[1], numbers.size() > 2 ? numbers[2] : 0, 0);
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

}  // namespace

TDateTime StrToDate(const AnsiString& text) {
  TDateTime date = 0;
  if (!TryStrToDate(text, date)) throw EConvertError(Format(SInvalidDate, {text}));
  return date;
}

TDateTime StrToTime(const AnsiString& text) {
  TDateTime time = 0;
  if (!TryStrToTime(text, time)) throw EConvertError(Format(SInvalidTime, {text}));
  return time;
}

TDateTime StrToDateTime(const AnsiString& text) {
  const AnsiString trimmed = Trim(text);
  const std::size_t blank = trimmed.find(' ');
  TDateTime date = 0;
  TDateTime time = 0;
  const bool valid = blank == AnsiString::npos
                         ? TryStrToDate(trimmed, date)
                         : TryStrToDate(trimmed.substr(0, blank), date) && TryStrToTime(trimmed.substr(blank + 1), time);
  if (!valid) throw EConvertError(Format(SInvalidDateTime, {text}));
  return date >= 0 ? date + time : date - time;
}

// ---------------------------------------------------------------------------------------------
// File names.

namespace {

// Both separators delimit names, as the file system takes either.
bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

// Index just after the last separator or ':' (0 when there is none).
std::size_t NameStart(const AnsiString& fileName) {
  const std::size_t last = fileName.find_last_of("\\/:");
  return last == AnsiString::npos ? 0 : last + 1;
}

bool EndsWithSeparator(const AnsiString& path) { return !path.empty() && IsPathSeparator(path.back()); }

std::size_t ExtensionStart(const AnsiString& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot != AnsiString::npos && dot >= NameStart(fileName) ? dot : AnsiString::npos;
}

}  // namespace

AnsiString ExtractFilePath(const AnsiString& fileName) { return fileName.substr(0, NameStart(fileName)); }

AnsiString ExtractFileDir(const AnsiString& fileName) {
  std::size_t end = NameStart(fileName);
  if (end > 1 && IsPathSeparator(fileName[end - 1]) && fileName[end - 2] != ':' && !IsPathSeparator(fileName[end - 2])) {
    --end;
  }
  return fileName.substr(0, end);
}

AnsiString ExtractFileName(const AnsiString& fileName) { return fileName.substr(NameStart(fileName)); }

AnsiString ExtractFileExt(const AnsiString& fileName) {
  const std::size_t dot = ExtensionStart(fileName);
  return dot == AnsiString::npos ? AnsiString() : fileName.substr(dot);
}

AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension) {
  const std::size_t dot = ExtensionStart(fileName);
  return (dot == AnsiString::npos ? fileName : fileName.substr(0, dot)) + extension;
}

AnsiString IncludeTrailingBackslash(const AnsiString& path) {
  return EndsWithSeparator(path) ? path : path + '\\';
}

AnsiString ExcludeTrailingBackslash(const AnsiString& path) {
  return EndsWithSeparator(path) ? path.substr(0, path.size() - 1) : path;
}

// =============================================================================================
// Files, folders, drives and the command line.
// =============================================================================================

namespace {

// Calls a query that fills a character buffer, growing the buffer until the answer fits (the
// queries report either the size needed or a truncated answer filling the buffer).
template <typename Query>
AnsiString FromBuffer(Query query) {
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = query(size, buffer.data());
    if (length == 0) return AnsiString();
    if (length < size) return AnsiString(buffer.data(), length);
  }
  return AnsiString();
}

bool HasWildcards(const AnsiString& name) { return name.find_first_of("*?") != AnsiString::npos; }

int PackDosTime(const FILETIME& utc) {
  FILETIME local;
  WORD date = 0;
  WORD time = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToDosDateTime(&local, &date, &time)) return -1;
  return static_cast<int>((static_cast<uint32_t>(date) << 16) | time);
}

// Moves to the first entry from the current one that the exclusion mask lets through, and
// describes it.
int FindMatchingFile(TSearchRec& searchRec) {
  while (searchRec.FindData.dwFileAttributes & static_cast<DWORD>(searchRec.ExcludeAttr)) {
    if (!FindNextFileA(searchRec.FindHandle, &searchRec.FindData)) return static_cast<int>(GetLastError());
  }
  const WIN32_FIND_DATAA& data = searchRec.FindData;
  searchRec.Time = PackDosTime(data.ftLastWriteTime);
  searchRec.Size = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
  searchRec.Attr = static_cast<int>(data.dwFileAttributes);
  searchRec.Name = data.cFileName;
  return 0;
}

// "X:\" for drive 1..26, null (the current directory's drive) for 0; false when out of range.
bool DriveRoot(int drive, AnsiString& root) {
  if (drive < 0 || drive > 26) return false;
  root = drive == 0 ? AnsiString() : AnsiString{static_cast<char>('A' + drive - 1), ':', '\\'};
  return true;
}

int64_t DiskSpace(int drive, bool total) {
  AnsiString root;
  if (!DriveRoot(drive, root)) return -1;
  ULARGE_INTEGER freeToCaller{};
  ULARGE_INTEGER totalBytes{};
  if (!GetDiskFreeSpaceExA(root.empty() ? nullptr : root.c_str(), &freeToCaller, &totalBytes, nullptr)) return -1;
  return static_cast<int64_t>(total ? totalBytes.QuadPart : freeToCaller.QuadPart);
}

// Splits the command line as the program start-up code does: blanks separate arguments,
// double quotes group blanks into one and are dropped.
std::vector<AnsiString> CommandLineArguments() {
  std::vector<AnsiString> arguments;
  const char* p = GetCommandLineA();
  if (!p) return arguments;
  while (true) {
    while (*p && static_cast<unsigned char>(*p) <= ' ') ++p;
    if (!*p) break;
    AnsiString argument;
    bool quoted = false;
    for (; *p && (quoted || static_cast<unsigned char>(*p) > ' '); ++p) {
      if (*p == '"') quoted = !quoted;
      else argument += *p;
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace

AnsiString GetCurrentDir() {
  return FromBuffer([](DWORD size, LPSTR buffer) { return GetCurrentDirectoryA(size, buffer); });
}

bool SetCurrentDir(const AnsiString& dir) { return SetCurrentDirectoryA(dir.c_str()); }

bool ForceDirectories(AnsiString dir) {
  if (dir.empty()) throw EInOutError(SCannotCreateDir, 0);
  dir = ExcludeTrailingBackslash(dir);
  if (dir.size() < 3 || DirectoryExists(dir) || ExtractFilePath(dir) == dir) return true;
  return ForceDirectories(ExtractFilePath(dir)) && CreateDir(dir);
}

bool DirectoryExists(const AnsiString& name) {
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const AnsiString& name) {
  if (HasWildcards(name)) return false;
  const DWORD attributes = GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const AnsiString& dir) { return CreateDirectoryA(dir.c_str(), nullptr); }
bool RemoveDir(const AnsiString& dir) { return RemoveDirectoryA(dir.c_str()); }
bool DeleteFile(const AnsiString& fileName) { return DeleteFileA(fileName.c_str()); }
bool RenameFile(const AnsiString& oldName, const AnsiString& newName) {
  return MoveFileA(oldName.c_str(), newName.c_str());
}

AnsiString ExpandFileName(const AnsiString& fileName) {
  std::vector<char> buffer(MAX_PATH);
  char* filePart = nullptr;
  DWORD length = GetFullPathNameA(fileName.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), &filePart);
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = GetFullPathNameA(fileName.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), &filePart);
  }
  return length > 0 && length < buffer.size() ? AnsiString(buffer.data(), length) : AnsiString();
}

int FileGetAttr(const AnsiString& fileName) { return static_cast<int>(GetFileAttributesA(fileName.c_str())); }

int FileSetAttr(const AnsiString& fileName, int attr) {
  return SetFileAttributesA(fileName.c_str(), static_cast<DWORD>(attr)) ? 0 : static_cast<int>(GetLastError());
}

int FileAge(const AnsiString& fileName) {
  if (HasWildcards(fileName)) return -1;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(fileName.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return -1;
  ::FindClose(search);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return PackDosTime(data.ftLastWriteTime);
}

TDateTime FileDateToDateTime(int fileDate) {
  const auto date = static_cast<uint32_t>(fileDate) >> 16;
  const auto time = static_cast<uint32_t>(fileDate) & 0xFFFF;
  return EncodeDate(static_cast<int>((date >> 9) + 1980), static_cast<int>((date >> 5) & 15), static_cast<int>(date & 31)) +
         EncodeTime(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 63), static_cast<int>((time & 31) * 2), 0);
}

int DateTimeToFileDate(TDateTime dateTime) {
  uint16_t year, month, day, hour, minute, second, millisecond;
  DecodeDate(dateTime, year, month, day);
  if (year < 1980 || year > 2107) return 0;
  DecodeTime(dateTime, hour, minute, second, millisecond);
  const uint32_t date = (static_cast<uint32_t>(year - 1980) << 9) | (month << 5) | day;
  const uint32_t time = (static_cast<uint32_t>(hour) << 11) | (minute << 5) | (second / 2);
  return static_cast<int>((date << 16) | time);
}

int FindFirst(const AnsiString& path, int attr, TSearchRec& searchRec) {
  constexpr int faSpecial = faHidden | faSysFile | faVolumeID | faDirectory;
  FindClose(searchRec);
  searchRec.ExcludeAttr = ~attr & faSpecial;
  searchRec.FindHandle = FindFirstFileA(path.c_str(), &searchRec.FindData);
  if (searchRec.FindHandle == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  const int result = FindMatchingFile(searchRec);
  if (result != 0) FindClose(searchRec);
  return result;
}

int FindNext(TSearchRec& searchRec) {
  if (searchRec.FindHandle == INVALID_HANDLE_VALUE) return ERROR_NO_MORE_FILES;
  if (!FindNextFileA(searchRec.FindHandle, &searchRec.FindData)) return static_cast<int>(GetLastError());
  return FindMatchingFile(searchRec);
}

void FindClose(TSearchRec& searchRec) {
  if (searchRec.FindHandle == INVALID_HANDLE_VALUE) return;
  ::FindClose(searchRec.FindHandle);
  searchRec.FindHandle = INVALID_HANDLE_VALUE;
}

int64_t DiskFree(int drive) { return DiskSpace(drive, false); }
int64_t DiskSize(int drive) { return DiskSpace(drive, true); }

HANDLE FileOpen(const AnsiString& fileName, unsigned mode) {
  static constexpr DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
  static constexpr DWORD kShare[] = {0, 0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};
  const unsigned access = mode & 3;
  const unsigned share = (mode & 0xF0) >> 4;
  if (access >= std::size(kAccess) || share >= std::size(kShare)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  return CreateFileA(fileName.c_str(), kAccess[access], kShare[share], nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE FileCreate(const AnsiString& fileName) {
  return CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

int FileRead(HANDLE handle, void* buffer, int count) {
  DWORD done = 0;
  if (count < 0 || !ReadFile(handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return -1;
  return static_cast<int>(done);
}

int FileWrite(HANDLE handle, const void* buffer, int count) {
  DWORD done = 0;
  if (count < 0 || !WriteFile(handle, buffer, static_cast<DWORD>(count), &done, nullptr)) return -1;
  return static_cast<int>(done);
}

int64_t FileSeek(HANDLE handle, int64_t offset, int origin) {
  LONG high = static_cast<LONG>(offset >> 32);
  SetLastError(ERROR_SUCCESS);
  const DWORD low = SetFilePointer(handle, static_cast<LONG>(offset & 0xFFFFFFFF), &high, static_cast<DWORD>(origin));
  if (low == INVALID_SET_FILE_POINTER && GetLastError() != ERROR_SUCCESS) return -1;
  return static_cast<int64_t>((static_cast<uint64_t>(static_cast<DWORD>(high)) << 32) | low);
}

void FileClose(HANDLE handle) {
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
}

AnsiString ParamStr(int index) {
  if (index == 0) {
    return FromBuffer([](DWORD size, LPSTR buffer) { return GetModuleFileNameA(nullptr, buffer, size); });
  }
  const std::vector<AnsiString> arguments = CommandLineArguments();
  return index > 0 && static_cast<std::size_t>(index) < arguments.size() ? arguments[index] : AnsiString();
}

int ParamCount() {
  const std::size_t count = CommandLineArguments().size();
  return count > 1 ? static_cast<int>(count - 1) : 0;
}
