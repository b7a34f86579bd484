#include "LMDProcsLZRW.h"

#include <Classes.h>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr uint8_t kStored = 0x80;
constexpr uint8_t kCompressed = 0x40;
constexpr uint32_t kMaxDistance = 4095;
constexpr uint32_t kMinMatch = 3;
constexpr uint32_t kMaxMatch = 18;
constexpr uint32_t kMinRun = 16;
constexpr uint32_t kMaxRun = 4095;
// An empty hash slot lies further back than any distance a copy can reach.
constexpr uint16_t kEmptySlot = 0xFFFF;
constexpr uint32_t kHashSlots = 4096;
// The most one item adds to a block: a control word and a run item.
constexpr uint32_t kMaxItemBytes = 2 + 4;
// The most one control word's group of items takes: the word and sixteen run items.
constexpr uint32_t kMaxGroupBytes = 2 + 16 * 4;

uint64_t Load64(const uint8_t* bytes) {
  uint64_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// Collects items behind 16-bit control words, one bit per item, highest bit first, into a
// buffer with room for the block plus one item: compression stops once the block is longer
// than its input.
class TItemWriter {
 public:
  explicit TItemWriter(uint8_t* out) : FOut(out) { FOut[0] = kCompressed; }

  void Literal(uint8_t value) {
    Flag(0);
    FOut[FAt++] = value;
  }
  void Copy(uint32_t distance, uint32_t length) {
    Flag(1);
    const uint32_t word = distance * 16 + length - kMinMatch;
    FOut[FAt] = static_cast<uint8_t>(word >> 8);
    FOut[FAt + 1] = static_cast<uint8_t>(word);
    FAt += 2;
  }
  void Run(uint32_t count, uint8_t value) {
    Flag(1);
    const uint32_t stored = count - kMinRun;
    FOut[FAt] = 0;
    FOut[FAt + 1] = static_cast<uint8_t>(stored >> 8);
    FOut[FAt + 2] = static_cast<uint8_t>(stored);
    FOut[FAt + 3] = value;
    FAt += 4;
  }
  uint32_t Finish() {
    const int bits = std::bit_width(FControl) - 1;
    StoreControl((FControl ^ (1u << bits)) << (16 - bits));
    return FAt;
  }
  uint32_t Size() const { return FAt; }

 private:
  // FControl holds the flags given so far behind a leading 1, which reaches bit 16 once the
  // word is full.
  void Flag(uint32_t set) {
    if (FControl >= kFullControl) {
      StoreControl(FControl);
      FControlAt = FAt;
      FAt += 2;
      FControl = 1;
    }
    FControl = (FControl << 1) | set;
  }
  void StoreControl(uint32_t control) {
    FOut[FControlAt] = static_cast<uint8_t>(control >> 8);
    FOut[FControlAt + 1] = static_cast<uint8_t>(control);
  }

  static constexpr uint32_t kFullControl = 1u << 16;

  uint8_t* FOut;
  uint32_t FAt = 3;
  uint32_t FControlAt = 1;
  uint32_t FControl = 1;
};

uint32_t RunLength(const uint8_t* source, uint32_t at, uint32_t length) {
  const uint32_t end = std::min(length, at + kMaxRun);
  uint32_t next = at + 1;
  while (next < end && source[next] == source[at]) ++next;
  return next - at;
}

// How many bytes (at most kMaxMatch, within `length`) at `at` repeat those at `earlier`.
uint32_t MatchLength(const uint8_t* source, uint32_t earlier, uint32_t at, uint32_t length) {
  const uint32_t limit = std::min(kMaxMatch, length - at);
  uint32_t match = 0;
  while (match + 8 <= limit) {
    const uint64_t difference = Load64(source + at + match) ^ Load64(source + earlier + match);
    if (difference != 0) return match + static_cast<uint32_t>(std::countr_zero(difference)) / 8;
    match += 8;
  }
  while (match < limit && source[at + match] == source[earlier + match]) ++match;
  return match;
}

uint32_t HashOf(const uint8_t* bytes) {
  const uint32_t mixed = ((((uint32_t{bytes[0]} * 16) ^ bytes[1]) * 16) ^ bytes[2]) * 40543u;
  return (mixed >> 4) & (kHashSlots - 1);
}

uint32_t Stored(const uint8_t* source, uint8_t* dest, uint32_t length) {
  dest[0] = kStored;
  if (length > 0) std::memcpy(dest + 1, source, length);
  return length + 1;
}

[[noreturn]] void Damaged() { throw EReadError("Damaged compressed block"); }

// Restores items while the block has bytes left, checking every length and distance.
class TExpander {
 public:
  TExpander(const uint8_t* source, uint32_t sourceLength, uint8_t* dest, uint32_t capacity)
      : FSource(source), FLength(sourceLength), FDest(dest), FCapacity(capacity) {}

  uint32_t Run() {
    while (FLength - FAt >= kMaxGroupBytes) Group<false>();
    while (FAt < FLength) Group<true>();
    return FOut;
  }

 private:
  // One control word and its items; `checked` when the block may end within the group.
  template <bool checked>
  void Group() {
    uint32_t control = Word<checked>();
    for (int bit = 0; bit < 16 && (!checked || FAt < FLength); ++bit, control <<= 1) {
      if ((control & 0x8000) == 0) {
        Room(1);
        FDest[FOut++] = Byte<checked>();
      } else {
        Item<checked>();
      }
    }
  }

  template <bool checked>
  void Item() {
    const uint32_t word = Word<checked>();
    if ((word >> 4) == 0) {
      const uint32_t count = (((word & 0xFF) << 8) | Byte<checked>()) + kMinRun;
      const uint8_t value = Byte<checked>();
      Room(count);
      std::memset(FDest + FOut, value, count);
      FOut += count;
      return;
    }
    const uint32_t distance = word >> 4;
    const uint32_t length = (word & 15u) + kMinMatch;
    if (distance > FOut) Damaged();
    Room(length);
    CopyEarlier(distance, length);
  }

  // Copies `length` bytes from `distance` back, each byte after the one it may repeat.
  void CopyEarlier(uint32_t distance, uint32_t length) {
    uint8_t* to = FDest + FOut;
    const uint8_t* from = to - distance;
    FOut += length;
    if (distance >= 8 && FCapacity - FOut + length >= 24) {
      for (uint32_t i = 0; i < length; i += 8) std::memcpy(to + i, from + i, 8);
      return;
    }
    for (uint32_t i = 0; i < length; ++i) to[i] = from[i];
  }

  void Room(uint32_t count) const {
    if (count > FCapacity - FOut) Damaged();
  }

  template <bool checked>
  uint8_t Byte() {
    if (checked && FAt >= FLength) Damaged();
    return FSource[FAt++];
  }

  template <bool checked>
  uint32_t Word() {
    const uint32_t high = Byte<checked>();
    return (high << 8) | Byte<checked>();
  }

  const uint8_t* FSource;
  uint32_t FLength;
  uint32_t FAt = 1;
  uint8_t* FDest;
  uint32_t FCapacity;
  uint32_t FOut = 0;
};

}  // namespace

uint32_t LMDLZRWCompress(const uint8_t* source, uint8_t* dest, uint32_t length) {
  if (length > kLMDLZRWMaxBlock) throw EWriteError("Compression block too long");
  uint16_t table[kHashSlots];
  std::fill(std::begin(table), std::end(table), kEmptySlot);
  uint8_t block[kLMDLZRWMaxBlock + kMaxItemBytes + 1];
  TItemWriter items(block);
  uint32_t at = 0;
  while (at < length && items.Size() <= length) {
    if (at + 1 < length && source[at + 1] == source[at]) {
      const uint32_t run = RunLength(source, at, length);
      if (run >= kMinRun) {
        items.Run(run, source[at]);
        at += run;
        continue;
      }
    }
    uint32_t match = 0;
    uint32_t distance = 0;
    if (length - at >= kMinMatch) {
      // Whether the earlier position is in reach is as good as random on poorly compressible
      // data, so the match is measured either way (against the block's start when out of
      // reach) and kept only when in reach, without a branch to mispredict.
      uint16_t& slot = table[HashOf(source + at)];
      const uint32_t inReach = -static_cast<uint32_t>(at - slot <= kMaxDistance);  // all ones or zero
      const uint32_t earlier = slot & inReach;
      distance = at - earlier;
      match = MatchLength(source, earlier, at, length) & inReach;
      slot = static_cast<uint16_t>(at);
    }
    if (match >= kMinMatch) {
      items.Copy(distance, match);
      at += match;
    } else {
      items.Literal(source[at++]);
    }
  }
  const uint32_t size = items.Finish();
  if (size > length) return Stored(source, dest, length);
  std::memcpy(dest, block, size);
  return size;
}

uint32_t LMDLZRWDecompress(const uint8_t* source, uint8_t* dest, uint32_t sourceLength, uint32_t capacity) {
  if (sourceLength == 0) Damaged();
  if (source[0] == kStored) {
    const uint32_t length = sourceLength - 1;
    if (length > capacity) Damaged();
    if (length > 0) std::memcpy(dest, source + 1, length);
    return length;
  }
  if (source[0] != kCompressed) Damaged();
  return TExpander(source, sourceLength, dest, capacity).Run();
}
