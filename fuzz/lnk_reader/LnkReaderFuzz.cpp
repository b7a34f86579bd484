// Shell links: reading hostile bytes must never read out of bounds, and a link that reads
// must write out a file that reads again.
#include <cstdint>
#include <cstdlib>

#include "LinkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ShellLinkData link;
  if (!LinkFile::Read(data, size, link)) return 0;
  std::string written = LinkFile::Write(link);
  ShellLinkData again;
  if (!LinkFile::Read(reinterpret_cast<const uint8_t*>(written.data()), written.size(), again)) std::abort();
  return 0;
}
