// The drawing catalogue: draws every case on a white 24-bit bitmap and prints one line per case,
// its name and a hash of its pixels. With --bmp DIR it also saves each picture there, named after
// the case ('/' becoming '_'). Built for this system and for Windows, so that the two outputs
// can be compared line by line (scripts/compare-windows.sh). --system-colors prints the system
// colours instead ("index red green blue"), so that Windows can be given the same ones.
#include <SysUtils.h>
#include <TBitmap.h>
#include <windows.h>

#include "CatalogueCases.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

uint64_t PixelHash(TBitmap& bitmap) {
  uint64_t hash = 14695981039346656037ull;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(y));
    for (int i = 0; i < bitmap.Width() * 3; ++i) hash = (hash ^ row[i]) * 1099511628211ull;
  }
  return hash;
}

std::string FileName(std::string name) {
  for (char& c : name) {
    if (c == '/' || c == ' ' || c == ',') c = '_';
  }
  return name + ".bmp";
}

}  // namespace

int main(int argc, char** argv) {
  const bool save = argc == 3 && std::strcmp(argv[1], "--bmp") == 0;
  if (argc == 2 && std::strcmp(argv[1], "--system-colors") == 0) {
    for (int index = COLOR_SCROLLBAR; index <= COLOR_MENUBAR; ++index) {
      const COLORREF color = GetSysColor(index);
      std::printf("%d %d %d %d\n", index, GetRValue(color), GetGValue(color), GetBValue(color));
    }
    return 0;
  }
  if (argc != 1 && !save) {
    std::fprintf(stderr, "usage: draw_catalogue [--bmp DIR | --system-colors]\n");
    return 2;
  }
  try {
    for (const TCatalogueCase& entry : CatalogueCases()) {
      TBitmap bitmap;
      bitmap.SetPixelFormat(TPixelFormat::pf24bit);
      bitmap.SetSize(entry.Width, entry.Height);
      bitmap.Canvas()->Brush()->SetColor(clWhite);
      bitmap.Canvas()->FillRect(RECT{0, 0, entry.Width, entry.Height});
      entry.Draw(bitmap.Canvas());
      std::printf("%s %016llx\n", entry.Name.c_str(), static_cast<unsigned long long>(PixelHash(bitmap)));
      if (save) bitmap.SaveToFile((std::string(argv[2]) + "/" + FileName(entry.Name)).c_str());
    }
  } catch (const Exception& error) {
    std::fprintf(stderr, "draw_catalogue: %s\n", error.Message().c_str());
    return 1;
  }
  return 0;
}
