#include "TFiler.h"

#include "TypInfo.h"

#include <cmath>
#include <cstring>

TAWO_IMPLEMENT_CLASS(TFiler)

void PackExtended(long double value, unsigned char (&bytes)[10]) {
  uint64_t mantissa = 0;
  int exponent = 0;
  const bool negative = std::signbit(value);
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (value != 0) {
    int binaryExponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &binaryExponent);  // [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    exponent = binaryExponent - 1 + 16383;
    if (exponent <= 0) {  // denormal
      const int shift = 1 - exponent;
      mantissa = shift < 64 ? mantissa >> shift : 0;
      exponent = 0;
    } else if (exponent >= 0x7FFF) {
      exponent = 0x7FFF;
      mantissa = 0x8000000000000000ull;
    }
  }
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
  const unsigned signAndExponent = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
  bytes[8] = static_cast<unsigned char>(signAndExponent & 0xFF);
  bytes[9] = static_cast<unsigned char>(signAndExponent >> 8);
}

long double UnpackExtended(const unsigned char (&bytes)[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= uint64_t{bytes[i]} << (8 * i);
  const unsigned signAndExponent = bytes[8] | (unsigned{bytes[9]} << 8);
  const bool negative = (signAndExponent & 0x8000u) != 0;
  const int exponent = static_cast<int>(signAndExponent & 0x7FFFu);
  long double value;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? HUGE_VALL : NAN;
  } else {
    value = std::ldexp(static_cast<long double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
  }
  return negative ? -value : value;
}
