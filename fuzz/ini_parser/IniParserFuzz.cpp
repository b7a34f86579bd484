// Ini files: parsing, lookups and edits must never crash, and a written file must read back
// to the same text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "IniDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  IniDocument document = IniDocument::Parse(text);
  for (const std::string& section : document.SectionNames()) {
    for (const std::string& key : document.KeyNames(section)) {
      if (!document.Value(section, key)) std::abort();
    }
    document.SectionLines(section);
  }
  document.Set("Fuzz", "Key", "Value");
  if (document.Value("fuzz", "key") != "Value") std::abort();
  std::string written = document.Serialize();
  if (IniDocument::Parse(written).Serialize() != written) std::abort();
  return 0;
}
