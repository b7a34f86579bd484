// The gallery of the control library: shows its pages in a real window. With --png FILE it
// draws the page without a screen and saves it as a picture instead.
#include <Forms.h>
#include <TApplication.h>
#include <windows.h>
#include <winport.h>

#include "ButtonsPage.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int SavePage(TForm* page, const char* path) {
  page->Show();
  WinportDispatchPending();
  if (WinportWindowScreenshot(page->Handle(), path)) return 0;
  std::fprintf(stderr, "gallery: cannot write %s\n", path);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool toPicture = argc == 3 && std::strcmp(argv[1], "--png") == 0;
  if (argc != 1 && !toPicture) {
    std::fprintf(stderr, "usage: gallery [--png FILE]\n");
    return 2;
  }
  if (toPicture) setenv("WINDISPLAY", "headless", 1);
  try {
    Application->Initialize();
    Application->SetTitle("Galeria TAWO");
    TButtonsPage* page = nullptr;
    Application->CreateForm(page);
    if (toPicture) return SavePage(page, argv[2]);
    Application->Run();
  } catch (const Exception& error) {
    Application->ShowException(error);
    return 1;
  }
  return 0;
}
