// Host file names are bytes, not necessarily UTF-8: converting and folding them must not fail,
// broken UTF-8 must come out as valid UTF-8, and the 8.3 aliases made for a folder of such
// names must be short names and differ from each other.
#include <NameCodec.h>
#include <ShortNames.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsValidUtf8(std::string_view text) {
  return NameCodec::EncodeUtf8(NameCodec::DecodeUtf8(text)) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string ansi = NameCodec::HostToAnsi(bytes);
  if (!IsValidUtf8(NameCodec::AnsiToHost(ansi))) std::abort();
  NameCodec::FoldAnsi(bytes);

  // One folder: the names are the input's lines, folded and sorted as listings give them.
  std::set<std::u32string> folded;
  for (size_t start = 0; start <= bytes.size() && folded.size() < 200;) {
    size_t end = std::min(bytes.find('\n', start), bytes.size());
    std::string_view name = bytes.substr(start, end - start);
    if (!name.empty() && name.size() <= 255) folded.insert(NameCodec::FoldHost(name));
    start = end + 1;
  }
  const std::vector<std::u32string> names(folded.begin(), folded.end());
  const std::vector<std::string> aliases = ShortNames::Generate(names);
  if (aliases.size() != names.size()) std::abort();
  std::set<std::string> distinct;
  for (const std::string& alias : aliases) {
    if (alias.empty()) continue;
    if (alias.size() > 12 || !distinct.insert(alias).second) std::abort();
  }
  return 0;
}
