#include "GalleryPictures.h"

#include "GalleryPages.h"
#include "GalleryWindow.h"

#include <TApplication.h>
#include <TForm.h>
#include <windows.h>
#include <winport.h>

#include <filesystem>
#include <memory>

namespace {

bool SaveWindow(TForm* form, const std::string& path) {
  form->Show();
  WinportDispatchPending();
  return WinportWindowScreenshot(form->Handle(), path.c_str());
}

}  // namespace

std::vector<std::string> SaveGalleryPictures(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::vector<std::string> failed;
  auto save = [&](TForm* form, const std::string& name) {
    const std::unique_ptr<TForm> owned(form);
    const std::string path = folder + "/" + name + ".png";
    if (!SaveWindow(form, path)) failed.push_back(path);
  };
  for (const TGalleryPage& page : GalleryPages()) save(page.Create(Application), page.Name);
  save(new TGalleryWindow(Application), kGalleryWindowPicture);
  return failed;
}
