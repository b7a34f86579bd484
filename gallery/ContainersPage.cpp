#include "ContainersPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <LMDBitmapList.h>
#include <windows.h>

TAWO_PUBLISHED(TContainersPage, published) {
  published.Field("Pictures", &TContainersPage::Pictures);
  published.Field("FromFile", &TContainersPage::FromFile);
}

TContainersPage::TContainersPage(TComponent* owner) : TForm(owner) {
  LoadGalleryPage(this, kContainersPageText);
  Pictures->SaveToFile(FileName());
  FromFile->LoadFromFile(FileName());
}

AnsiString TContainersPage::FileName() {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return AnsiString(folder) + "TAWOGAL.BML";
}
