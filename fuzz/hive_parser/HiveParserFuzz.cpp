// Registry hive text: parsing must never crash, and whatever parses must write out text that
// parses again to the same text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "HiveText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  RegistryKey top;
  std::string error;
  if (!HiveText::Parse(text, top, error)) return 0;
  std::string written = HiveText::Write(top);
  RegistryKey again;
  if (!HiveText::Parse(written, again, error)) std::abort();
  if (HiveText::Write(again) != written) std::abort();
  return 0;
}
