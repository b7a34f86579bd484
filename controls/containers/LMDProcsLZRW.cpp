#include "LMDProcsLZRW.h"

#include <Classes.h>

#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kStored = 0x80;
constexpr uint8_t kCompressed = 0x40;
constexpr uint32_t kMaxDistance = 4095;
constexpr uint32_t kMinMatch = 3;
constexpr uint32_t kMaxMatch = 18;
constexpr uint32_t kMinRun = 16;
constexpr uint32_t kMaxRun = 4095;
constexpr uint16_t kEmptySlot = 0xFFFF;

// Collects items behind 16-bit control words, one bit per item, highest bit first.
class TItemWriter {
 public:
  TItemWriter() : FOut{kCompressed, 0, 0} {}

  void Literal(uint8_t value) {
    Flag(false);
    FOut.push_back(value);
  }
  void Copy(uint32_t distance, uint32_t length) {
    Flag(true);
    const uint32_t word = distance * 16 + length - kMinMatch;
    FOut.push_back(static_cast<uint8_t>(word >> 8));
    FOut.push_back(static_cast<uint8_t>(word));
  }
  void Run(uint32_t count, uint8_t value) {
    Flag(true);
    const uint32_t stored = count - kMinRun;
    FOut.insert(FOut.end(), {0, static_cast<uint8_t>(stored >> 8), static_cast<uint8_t>(stored), value});
  }
  const std::vector<uint8_t>& Finish() {
    StoreControl(static_cast<uint16_t>(FControl << (16 - FBits)));
    return FOut;
  }
  size_t Size() const { return FOut.size(); }

 private:
  void Flag(bool set) {
    if (FBits == 16) {
      StoreControl(FControl);
      FControlAt = FOut.size();
      FOut.insert(FOut.end(), {0, 0});
      FControl = 0;
      FBits = 0;
    }
    FControl = static_cast<uint16_t>((FControl << 1) | (set ? 1 : 0));
    ++FBits;
  }
  void StoreControl(uint16_t control) {
    FOut[FControlAt] = static_cast<uint8_t>(control >> 8);
    FOut[FControlAt + 1] = static_cast<uint8_t>(control);
  }

  std::vector<uint8_t> FOut;
  size_t FControlAt = 1;
  uint16_t FControl = 0;
  int FBits = 0;
};

uint32_t RunLength(const uint8_t* source, uint32_t at, uint32_t length) {
  uint32_t count = 1;
  while (count < kMaxRun && at + count < length && source[at + count] == source[at]) ++count;
  return count;
}

uint32_t HashOf(const uint8_t* bytes) {
  const uint32_t mixed = ((((uint32_t{bytes[0]} * 16) ^ bytes[1]) * 16) ^ bytes[2]) * 40543u;
  return (mixed >> 4) & 0xFFF;
}

uint32_t Stored(const uint8_t* source, uint8_t* dest, uint32_t length) {
  dest[0] = kStored;
  if (length > 0) std::memcpy(dest + 1, source, length);
  return length + 1;
}

[[noreturn]] void Damaged() { throw EReadError("Damaged compressed block"); }

class TByteReader {
 public:
  TByteReader(const uint8_t* source, uint32_t length) : FSource(source), FLength(length) {}
  bool AtEnd() const { return FAt >= FLength; }
  uint8_t Next() {
    if (AtEnd()) Damaged();
    return FSource[FAt++];
  }
  uint16_t NextWord() {
    const uint16_t high = Next();
    return static_cast<uint16_t>((high << 8) | Next());
  }

 private:
  const uint8_t* FSource;
  uint32_t FLength;
  uint32_t FAt = 1;
};

uint32_t Expand(const uint8_t* source, uint8_t* dest, uint32_t sourceLength, uint32_t capacity) {
  TByteReader in(source, sourceLength);
  uint32_t out = 0;
  auto room = [&](uint32_t count) {
    if (count > capacity - out) Damaged();
  };
  while (!in.AtEnd()) {
    uint16_t control = in.NextWord();
    for (int bit = 0; bit < 16 && !in.AtEnd(); ++bit, control = static_cast<uint16_t>(control << 1)) {
      if ((control & 0x8000) == 0) {
        room(1);
        dest[out++] = in.Next();
        continue;
      }
      const uint16_t word = in.NextWord();
      if ((word >> 4) == 0) {
        const uint32_t count = ((uint32_t{static_cast<uint8_t>(word)} << 8) | in.Next()) + kMinRun;
        const uint8_t value = in.Next();
        room(count);
        std::memset(dest + out, value, count);
        out += count;
      } else {
        const uint32_t distance = word >> 4;
        const uint32_t length = (word & 15u) + kMinMatch;
        if (distance > out) Damaged();
        room(length);
        for (uint32_t i = 0; i < length; ++i, ++out) dest[out] = dest[out - distance];
      }
    }
  }
  return out;
}

}  // namespace

uint32_t LMDLZRWCompress(const uint8_t* source, uint8_t* dest, uint32_t length) {
  if (length > kLMDLZRWMaxBlock) throw EWriteError("Compression block too long");
  std::vector<uint16_t> table(4096, kEmptySlot);
  TItemWriter items;
  uint32_t at = 0;
  while (at < length && items.Size() <= length) {
    const uint32_t run = RunLength(source, at, length);
    if (run >= kMinRun) {
      items.Run(run, source[at]);
      at += run;
      continue;
    }
    uint32_t match = 0;
    uint32_t distance = 0;
    if (length - at >= kMinMatch) {
      uint16_t& slot = table[HashOf(source + at)];
      if (slot != kEmptySlot && at - slot <= kMaxDistance) {
        distance = at - slot;
        while (match < kMaxMatch && at + match < length && source[at + match] == source[slot + match]) ++match;
      }
      slot = static_cast<uint16_t>(at);
    }
    if (match >= kMinMatch) {
      items.Copy(distance, match);
      at += match;
    } else {
      items.Literal(source[at++]);
    }
  }
  const std::vector<uint8_t>& block = items.Finish();
  if (block.size() > length) return Stored(source, dest, length);
  std::memcpy(dest, block.data(), block.size());
  return static_cast<uint32_t>(block.size());
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
  return Expand(source, dest, sourceLength, capacity);
}
