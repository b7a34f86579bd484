#include "ContainersPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <LMDBitmapList.h>
#include <LMDBitmapListItem.h>
#include <LMDImageList.h>
#include <LMDImageListItem.h>
#include <windows.h>

TAWO_PUBLISHED(TContainersPage, published) {
  published.Field("Pictures", &TContainersPage::Pictures);
  published.Field("FromFile", &TContainersPage::FromFile);
  published.Field("Strips", &TContainersPage::Strips);
  published.Field("StripsFromFile", &TContainersPage::StripsFromFile);
}

namespace {

constexpr TColor kTransparent = clFuchsia;

}  // namespace

TContainersPage::TContainersPage(TComponent* owner) : TForm(owner) {
  LoadGalleryPage(this, kContainersPageText);
  Pictures->SaveToFile(FileName("BML"));
  FromFile->LoadFromFile(FileName("BML"));
  FillStrip();
  Strips->SaveToFile(FileName("IML"));
  StripsFromFile->LoadFromFile(FileName("IML"));
}

void TContainersPage::FillStrip() {
  auto* strip = Strips->Item(Strips->Add());
  TBitmap* first = FromFile->Item(0)->Bitmap();
  strip->SetDimension(0, first->Width());
  strip->SetDimension(1, first->Height());
  strip->SetMasked(true);
  for (int i = 0; i < FromFile->Count(); ++i) strip->AddMasked(FromFile->Item(i)->Bitmap(), kTransparent);
}

AnsiString TContainersPage::FileName(const char* extension) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return AnsiString(folder) + "TAWOGAL." + extension;
}
