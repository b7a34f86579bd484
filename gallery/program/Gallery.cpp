// The gallery of the control library: shows its pages in one real window. With --png FOLDER
// it draws every page, and the window, without a screen into pictures of that folder instead.
#include <Forms.h>
#include <TApplication.h>
#include <winport.h>

#include "GalleryPictures.h"
#include "GalleryWindow.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int SavePictures(const char* folder) {
  const std::vector<std::string> failed = SaveGalleryPictures(folder);
  for (const std::string& path : failed) std::fprintf(stderr, "gallery: cannot write %s\n", path.c_str());
  return failed.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool toPictures = argc == 3 && std::strcmp(argv[1], "--png") == 0;
  if (argc != 1 && !toPictures) {
    std::fprintf(stderr, "usage: gallery [--png FOLDER]\n");
    return 2;
  }
  if (toPictures) {
    setenv("WINDISPLAY", "headless", 1);
    WinportUseVirtualClock(TRUE);  // timers wait, so the meters are drawn where they start
  }
  try {
    Application->Initialize();
    Application->SetTitle("Galeria TAWO");
    if (toPictures) return SavePictures(argv[2]);
    TGalleryWindow* window = nullptr;
    Application->CreateForm(window);
    window->RestoreChosenPage();
    Application->Run();
  } catch (const Exception& error) {
    // Without a screen nobody could close the error box.
    if (toPictures) std::fprintf(stderr, "gallery: %s\n", error.Message().c_str());
    else Application->ShowException(error);
    return 1;
  }
  return 0;
}
