// Ternary raster operations. A ROP code's index byte (bits 16-23) is the truth table of the
// function of pattern P, source S and destination D: the result bit for inputs (P, S, D) is
// bit 4P + 2S + D of the index, applied to every bit of the pixel values.
#pragma once

#include <cstdint>

namespace rop3 {

// Applies the operation to n pixels: dst[i] = f(pat[i], src[i], dst[i]). `src` and `pat`
// may be null when the operation does not use them.
using RowKernel = void (*)(uint32_t* dst, const uint32_t* src, const uint32_t* pat, int n);

constexpr uint8_t IndexOf(uint32_t rop) { return static_cast<uint8_t>(rop >> 16); }
constexpr bool UsesSource(uint8_t index) { return ((index >> 2) & 0x33) != (index & 0x33); }
constexpr bool UsesPattern(uint8_t index) { return ((index >> 4) & 0x0F) != (index & 0x0F); }
constexpr bool UsesDestination(uint8_t index) { return ((index >> 1) & 0x55) != (index & 0x55); }

// The ROP3 index equivalent to a ROP2 mix mode (R2_BLACK .. R2_WHITE) with the pen or brush
// as the pattern.
constexpr uint8_t FromRop2(int rop2) {
  const int table = (rop2 - 1) & 0xF;  // bit 2P + D
  uint8_t index = 0;
  for (int p = 0; p < 2; ++p) {
    for (int s = 0; s < 2; ++s) {
      for (int d = 0; d < 2; ++d) {
        if ((table >> (2 * p + d)) & 1) index |= static_cast<uint8_t>(1 << (4 * p + 2 * s + d));
      }
    }
  }
  return index;
}

// The same operation by its definition, for single pixels and for checking the kernels.
constexpr uint32_t Evaluate(uint8_t index, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t result = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (!((index >> bit) & 1)) continue;
    const uint32_t mp = (bit & 4) ? p : ~p;
    const uint32_t ms = (bit & 2) ? s : ~s;
    const uint32_t md = (bit & 1) ? d : ~d;
    result |= mp & ms & md;
  }
  return result;
}

// With `solidPattern`, pat[0] is the pattern for every pixel.
RowKernel KernelFor(uint8_t index, bool solidPattern);

}  // namespace rop3
