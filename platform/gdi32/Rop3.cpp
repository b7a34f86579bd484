#include "Rop3.h"

#include <array>
#include <cstddef>
#include <utility>

namespace rop3 {
namespace {

// Each operation is instantiated on its own, so the compiler folds the truth table into a few
// bitwise instructions and vectorises the loop.
// A solid pattern is one value for the whole row, read once.
template <uint8_t I, bool SolidPattern>
void Kernel(uint32_t* dst, const uint32_t* src, const uint32_t* pat, int n) {
  constexpr bool kSource = UsesSource(I);
  constexpr bool kPattern = UsesPattern(I);
  const uint32_t solid = kPattern && SolidPattern ? pat[0] : 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t p = kPattern ? (SolidPattern ? solid : pat[i]) : 0;
    const uint32_t s = kSource ? src[i] : 0;
    const uint32_t d = dst[i];
    uint32_t r = 0;
    if constexpr ((I & 0x01) != 0) r |= ~p & ~s & ~d;
    if constexpr ((I & 0x02) != 0) r |= ~p & ~s & d;
    if constexpr ((I & 0x04) != 0) r |= ~p & s & ~d;
    if constexpr ((I & 0x08) != 0) r |= ~p & s & d;
    if constexpr ((I & 0x10) != 0) r |= p & ~s & ~d;
    if constexpr ((I & 0x20) != 0) r |= p & ~s & d;
    if constexpr ((I & 0x40) != 0) r |= p & s & ~d;
    if constexpr ((I & 0x80) != 0) r |= p & s & d;
    dst[i] = r;
  }
}

template <bool SolidPattern, std::size_t... I>
constexpr std::array<RowKernel, 256> MakeTable(std::index_sequence<I...>) {
  return {&Kernel<static_cast<uint8_t>(I), SolidPattern>...};
}

constexpr std::array<RowKernel, 256> kKernels = MakeTable<false>(std::make_index_sequence<256>());
constexpr std::array<RowKernel, 256> kSolidKernels = MakeTable<true>(std::make_index_sequence<256>());

}  // namespace

RowKernel KernelFor(uint8_t index, bool solidPattern) { return solidPattern ? kSolidKernels[index] : kKernels[index]; }

}  // namespace rop3
