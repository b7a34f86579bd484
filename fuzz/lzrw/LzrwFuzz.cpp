// LZRW blocks on their own: restoring a hostile block either succeeds within the room given
// or raises EReadError, and any data compresses into a block that restores to itself.
#include <Classes.h>
#include <LMDProcsLZRW.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> restored(kLMDLZRWMaxBlock);
  const auto length = static_cast<uint32_t>(std::min<size_t>(size, kLMDLZRWMaxBlock));
  try {
    LMDLZRWDecompress(data, restored.data(), length, kLMDLZRWMaxBlock);
  } catch (const EReadError&) {
  }

  std::vector<uint8_t> block(length + 1);
  const uint32_t blockLength = LMDLZRWCompress(data, block.data(), length);
  const uint32_t again = LMDLZRWDecompress(block.data(), restored.data(), blockLength, kLMDLZRWMaxBlock);
  if (again != length || std::memcmp(restored.data(), data, length) != 0) std::abort();
  return 0;
}
