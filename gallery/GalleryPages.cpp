#include "GalleryPages.h"

#include "ButtonsPage.h"
#include "CaptionsPage.h"
#include "ContainersPage.h"
#include "EffectsPage.h"
#include "FacesPage.h"
#include "FillsPage.h"
#include "FormClasses.h"
#include "FramesPage.h"
#include "GradientsPage.h"
#include "LayoutsPage.h"
#include "MetersPage.h"
#include "SettingsPage.h"
#include "WindowedPage.h"

#include <Classes.h>
#include <LMDCustomButton.h>
#include <LMDCustomSpeedButton.h>
#include <TForm.h>

namespace {

// A library button's Tag names its predefined glyph (in the order of TLMDGlyphKind), which
// form descriptions cannot hold.
void TakeGlyphKindsFromTags(TForm* page) {
  for (int i = 0; i < page->ComponentCount(); ++i) {
    TComponent* component = page->Components(i);
    if (component->Tag() == 0) continue;
    const auto kind = static_cast<TLMDGlyphKind>(component->Tag());
    if (auto* button = dynamic_cast<TLMDCustomButton*>(component)) button->SetGlyphKind(kind);
    if (auto* speedButton = dynamic_cast<TLMDCustomSpeedButton*>(component)) speedButton->SetGlyphKind(kind);
  }
}

template <class Page>
TGalleryPage PageOf(const char* name) {
  return {name, [](TComponent* owner) -> TForm* { return new Page(owner); }};
}

}  // namespace

const std::vector<TGalleryPage>& GalleryPages() {
  static const std::vector<TGalleryPage> pages{
      PageOf<TFramesPage>("frames"),     PageOf<TGradientsPage>("gradients"), PageOf<TFillsPage>("fills"),
      PageOf<TEffectsPage>("effects"),
      PageOf<TFacesPage>("faces"),       PageOf<TCaptionsPage>("captions"),   PageOf<TLayoutsPage>("layouts"),
      PageOf<TWindowedPage>("windowed"), PageOf<TButtonsPage>("buttons"),     PageOf<TMetersPage>("meters"),
      PageOf<TContainersPage>("containers"), PageOf<TSettingsPage>("settings"),
  };
  return pages;
}

void LoadGalleryPage(TForm* page, std::string_view description) {
  RegisterFormClasses();
  RegisterFormResource(page->ClassName(), description);
  InitComponentRes(page);
  TakeGlyphKindsFromTags(page);
}
