#include "SettingsPage.h"

#include "GalleryPages.h"
#include "PageTexts.h"

#include <LMDIniCtrl.h>
#include <LMDProgressFill.h>
#include <LMDSpeedButton.h>

TAWO_PUBLISHED(TSettingsPage, published) {
  published.Field("Sound", &TSettingsPage::Sound);
  published.Field("Hints", &TSettingsPage::Hints);
  published.Field("Large", &TSettingsPage::Large);
  published.Field("Volume", &TSettingsPage::Volume);
  published.Field("Settings", &TSettingsPage::Settings);
  published.Method("SaveClick", &TSettingsPage::SaveClick);
  published.Method("LoadClick", &TSettingsPage::LoadClick);
  published.Method("VolumeClick", &TSettingsPage::VolumeClick);
}

TSettingsPage::TSettingsPage(TComponent* owner) : TForm(owner) { LoadGalleryPage(this, kSettingsPageText); }

void TSettingsPage::SaveClick(TObject*) {
  const AnsiString section = kGallerySettingsSection;
  for (TLMDSpeedButton* toggle : Toggles()) Settings->WriteBool(section, toggle->Name(), toggle->Pressed());
  Settings->WriteInteger(section, Volume->Name(), Volume->UserValue());
}

void TSettingsPage::LoadClick(TObject*) {
  const AnsiString section = kGallerySettingsSection;
  for (TLMDSpeedButton* toggle : Toggles()) toggle->SetPressed(Settings->ReadBool(section, toggle->Name(), toggle->Pressed()));
  Volume->SetUserValue(Settings->ReadInteger(section, Volume->Name(), Volume->UserValue()));
}

void TSettingsPage::VolumeClick(TObject*) {
  Volume->SetUserValue(Volume->UserValue() >= Volume->MaxValue() ? Volume->MinValue() : Volume->UserValue() + 10);
}
