#include <gtest/gtest.h>

#include <Classes.h>
#include <LMDProcsLZRW.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

std::vector<uint8_t> Compressed(const std::vector<uint8_t>& input) {
  std::vector<uint8_t> block(input.size() + 1);
  block.resize(LMDLZRWCompress(input.data(), block.data(), static_cast<uint32_t>(input.size())));
  return block;
}

std::vector<uint8_t> Restored(const std::vector<uint8_t>& block, uint32_t capacity = kLMDLZRWMaxBlock) {
  std::vector<uint8_t> out(capacity);
  out.resize(LMDLZRWDecompress(block.data(), out.data(), static_cast<uint32_t>(block.size()), capacity));
  return out;
}

std::vector<uint8_t> Noise(size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> bytes(size);
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
  return bytes;
}

// Text-like data: repeated phrases, a long run and noise, all in one block.
std::vector<uint8_t> Mixed() {
  std::vector<uint8_t> bytes;
  for (int i = 0; i < 300; ++i) {
    for (char c : std::string("ala ma kota ")) bytes.push_back(static_cast<uint8_t>(c));
    bytes.push_back(static_cast<uint8_t>(i));
  }
  bytes.insert(bytes.end(), 5000, 0x7F);
  const std::vector<uint8_t> noise = Noise(700, 3);
  bytes.insert(bytes.end(), noise.begin(), noise.end());
  return bytes;
}

TEST(LZRW, RoundTripsEveryKindOfInput) {
  const std::vector<std::vector<uint8_t>> inputs = {
      {}, {42}, {1, 2}, std::vector<uint8_t>(15, 9), std::vector<uint8_t>(16, 9), std::vector<uint8_t>(4096, 0),
      Noise(1000, 1), Mixed(), Noise(kLMDLZRWMaxBlock, 2), std::vector<uint8_t>(kLMDLZRWMaxBlock, 0xAB)};
  for (const std::vector<uint8_t>& input : inputs) {
    const std::vector<uint8_t> block = Compressed(input);
    EXPECT_LE(block.size(), input.size() + 1);
    EXPECT_EQ(Restored(block), input) << "input of " << input.size() << " bytes";
  }
}

TEST(LZRW, RepetitiveDataShrinksAndNoiseIsStored) {
  const std::vector<uint8_t> mixed = Mixed();
  const std::vector<uint8_t> packed = Compressed(mixed);
  EXPECT_EQ(packed[0], 0x40);
  EXPECT_LT(packed.size(), mixed.size() / 4);

  const std::vector<uint8_t> noise = Noise(500, 7);
  const std::vector<uint8_t> stored = Compressed(noise);
  ASSERT_EQ(stored.size(), noise.size() + 1);
  EXPECT_EQ(stored[0], 0x80);
}

TEST(LZRW, RunsAndCopiesHaveTheirByteLayout) {
  // 20 equal bytes: one run item behind a control word whose first bit is set.
  const std::vector<uint8_t> run = Compressed(std::vector<uint8_t>(20, 5));
  EXPECT_EQ(run, (std::vector<uint8_t>{0x40, 0x80, 0x00, 0, 0, 4, 5}));
}

TEST(LZRW, DamagedBlocksRaiseInsteadOfOverrunning) {
  const std::vector<uint8_t> input = Mixed();
  const std::vector<uint8_t> good = Compressed(input);
  int shorterBlocks = 0;
  for (size_t cut = 1; cut < good.size(); cut += 37) {
    std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    try {
      // A cut between items is a shorter valid block: the start of the input.
      const std::vector<uint8_t> restored = Restored(truncated);
      ASSERT_LE(restored.size(), input.size()) << "cut at " << cut;
      EXPECT_TRUE(std::equal(restored.begin(), restored.end(), input.begin())) << "cut at " << cut;
      ++shorterBlocks;
    } catch (const EReadError&) {
    }
  }
  EXPECT_GT(shorterBlocks, 0);
  // A copy reaching before the start of the output.
  EXPECT_THROW(Restored({0x40, 0x40, 0x00, 0x41, 0x23, 0x00}), EReadError);
  // A run larger than the room given.
  EXPECT_THROW(Restored({0x40, 0x80, 0x00, 0, 0x0F, 0xEF, 1}, 100), EReadError);
  // Stored data longer than the room given, an unknown kind byte, nothing at all.
  EXPECT_THROW(Restored({0x80, 1, 2, 3}, 2), EReadError);
  EXPECT_THROW(Restored({0x13, 1, 2}), EReadError);
  EXPECT_THROW(Restored({}), EReadError);
}

}  // namespace
