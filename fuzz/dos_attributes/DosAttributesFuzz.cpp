// The two stores of DOS attributes read hostile text: the user.DOSATTRIB value and the
// prefix's attribute file. Neither may fail in any way but "no attributes stored".
#include <sys/stat.h>
#include <windows.h>
#include <winport.h>

#include <AttributeStore.h>
#include <DosAttributes.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A prefix of its own holding one file whose attributes are looked up.
struct FuzzPrefix {
  std::string root;
  std::string file;
  struct stat status {};

  FuzzPrefix() {
    char pattern[] = "/tmp/fuzz-dosattrib-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    root = pattern;
    WinportSetPrefix(root.c_str());
    file = root + "/file.txt";
    std::ofstream(file) << "x";
    lstat(file.c_str(), &status);
  }
  ~FuzzPrefix() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzPrefix prefix;
  const std::string text(reinterpret_cast<const char*>(data), size);
  DosAttributes::Parse(text.data(), static_cast<long>(text.size()));

  // The attribute file, with a line for the looked-up file added at times.
  std::ofstream store(prefix.root + "/dosattrib.txt", std::ios::trunc | std::ios::binary);
  store << text;
  if (size > 0 && data[0] == '+') store << '\n' << prefix.status.st_dev << ' ' << prefix.status.st_ino << " 0 0 0x2\n";
  store.close();
  DWORD attributes = 0;
  AttributeStore::Instance().Get(prefix.file, prefix.status, attributes);
  return 0;
}
