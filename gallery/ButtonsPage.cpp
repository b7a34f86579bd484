#include "ButtonsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <LMDBitmapList.h>
#include <LMDCustomMMButton.h>
#include <LMDOfficeButton.h>
#include <LMDSpeedButton.h>
#include <SysUtils.h>
#include <TLabel.h>
#include <TMenuItem.h>
#include <TPanel.h>
#include <TPopupMenu.h>

TAWO_PUBLISHED(TButtonsPage, published) {
  published.Field("Toolbar", &TButtonsPage::Toolbar);
  published.Field("Bold", &TButtonsPage::Bold);
  published.Field("Italic", &TButtonsPage::Italic);
  published.Field("Underline", &TButtonsPage::Underline);
  published.Field("More", &TButtonsPage::More);
  published.Field("Colour", &TButtonsPage::Colour);
  published.Field("Cut", &TButtonsPage::Cut);
  published.Field("Copy", &TButtonsPage::Copy);
  published.Field("Paste", &TButtonsPage::Paste);
  published.Field("Star", &TButtonsPage::Star);
  published.Field("Count", &TButtonsPage::Count);
  published.Field("Colours", &TButtonsPage::Colours);
  published.Field("Red", &TButtonsPage::Red);
  published.Field("Green", &TButtonsPage::Green);
  published.Field("Blue", &TButtonsPage::Blue);
  published.Field("Pictures", &TButtonsPage::Pictures);
  published.Method("MoreClick", &TButtonsPage::MoreClick);
}

TButtonsPage::TButtonsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kButtonsPageText); }

void TButtonsPage::MoreClick(TObject*) {
  ++clicks;
  Count->SetCaption(Format("Klikni\xEA" "cia: %d", {clicks}));
}
