// The text forms settings are kept in, read back from hostile text: fonts, rectangles and
// points, and whole objects' published properties loaded from an ini file. Each either
// succeeds or raises one of the framework's exceptions. The first byte picks the reader.
#include <windows.h>
#include <winport.h>

#include <LMDGradient.h>
#include <LMDIniCtrl.h>
#include <LMDTextForms.h>
#include <SysUtils.h>
#include <TFont.h>
#include <TIniFile.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A prefix of its own, whose C:\settings.ini holds the text for object properties.
struct FuzzPrefix {
  std::string root;

  FuzzPrefix() {
    char pattern[] = "/tmp/fuzz-settings-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    root = pattern;
    WinportSetPrefix(root.c_str());
    WinportGetPrefix();
  }
  ~FuzzPrefix() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
  }
};

void LoadProperties(const FuzzPrefix& prefix, const AnsiString& text) {
  std::ofstream(prefix.root + "/drive_c/settings.ini", std::ios::trunc | std::ios::binary) << text;
  TIniFile storage("C:\\settings.ini");
  TFont font;
  LMDLoadObjectProperties(storage, "Font", font);
  TLMDGradient gradient;
  LMDLoadObjectProperties(storage, "Gradient", gradient);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzPrefix prefix;
  if (size == 0) return 0;
  const AnsiString text(reinterpret_cast<const char*>(data) + 1, size - 1);
  try {
    switch (data[0] % 4) {
      case 0: {
        TFont font;
        LMDStringToFont(text, font);
        break;
      }
      case 1:
        LMDStringToRect(text);
        break;
      case 2:
        LMDStringToPoint(text);
        break;
      default:
        LoadProperties(prefix, text);
    }
  } catch (const Exception&) {
  }
  return 0;
}
