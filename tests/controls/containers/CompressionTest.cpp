#include <gtest/gtest.h>

#include <Classes.h>
#include <LMDProcsLZRW.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
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

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xCBF29CE484222325ull;
  for (uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001B3ull;
  return hash;
}

std::vector<uint8_t> Repeated(const std::string& pattern, size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(pattern[i % pattern.size()]);
  return bytes;
}

std::vector<uint8_t> Joined(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> bytes;
  for (const std::vector<uint8_t>& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

// Rows of a 24-bit picture: a gradient with slight grain.
std::vector<uint8_t> Picture(size_t size) {
  std::mt19937 random(5);
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>((i % 3) * 80 + (i % 600) / 12 + random() % 3);
  return bytes;
}

// Noise that repeats a stretch from `distance` bytes back.
std::vector<uint8_t> EchoAt(size_t distance) {
  std::vector<uint8_t> bytes = Noise(distance + 40, 11);
  bytes.insert(bytes.end(), bytes.begin() + 40, bytes.begin() + 80);
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

// Containers written now are read by older programs, and a faster compressor must not change
// a single byte: each block is checked against the hash of what it has always been.
TEST(LZRW, BlocksKeepTheirExactBytes) {
  const struct {
    const char* name;
    std::vector<uint8_t> input;
    uint64_t hash;
  } cases[] = {
      {"one byte", {42}, 0x09E59E07B65D29CFull},
      {"run below the minimum", std::vector<uint8_t>(15, 9), 0x65D938551C419ACFull},
      {"shortest run", std::vector<uint8_t>(16, 9), 0x80F7DA323298F59Cull},
      {"longest run and one more", std::vector<uint8_t>(4096, 0), 0x01D1B279B446EA4Bull},
      {"runs split past the longest", std::vector<uint8_t>(9000, 0xAB), 0xEB45506EDE2A0E81ull},
      {"two-byte period", Repeated("ab", 3000), 0x29C4C9A107A1FC9Eull},
      {"three-byte period", Repeated("xyz", 3001), 0x0576F51520E005E4ull},
      {"phrases", Mixed(), 0x2324F015C7C88337ull},
      {"long repeats", Repeated("Zakończono instalację programu TAWO. ", 5000), 0x0422C6D09E9192D8ull},
      {"picture rows", Picture(20000), 0x595F459B84EDDD00ull},
      {"echo at the farthest distance", EchoAt(4095), 0x49582C0975A93548ull},
      {"echo just out of reach", EchoAt(4096), 0x0B724E3C6134F643ull},
      {"noise", Noise(1000, 1), 0x80D46A05BB68EE65ull},
      {"noise with phrases", Joined({Noise(3000, 4), Repeated("ala ma kota ", 400), Noise(3000, 6)}), 0x64132A966449C1DFull},
      {"large mixed block", Joined({Picture(12000), Mixed(), Noise(2000, 8), Repeated("abc", 9000 - 2000)}), 0xD673CD3209DCEBFCull},
  };
  for (const auto& sample : cases) {
    const std::vector<uint8_t> block = Compressed(sample.input);
    EXPECT_EQ(Fnv1a(block), sample.hash) << sample.name;
    EXPECT_EQ(Restored(block), sample.input) << sample.name;
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
