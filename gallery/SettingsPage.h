// Unit SettingsPage: the gallery's page of the settings control: three toggles and a volume
// bar (a click raises it) whose state the settings control saves to the gallery's ini file
// and loads back.
#pragma once

#include <TForm.h>

#include <vector>

class TLMDIniCtrl;
class TLMDProgressFill;
class TLMDSpeedButton;

class TSettingsPage : public TForm {
  TAWO_CLASS(TSettingsPage, TForm)

 public:
  explicit TSettingsPage(TComponent* owner);

  TLMDSpeedButton* Sound = nullptr;
  TLMDSpeedButton* Hints = nullptr;
  TLMDSpeedButton* Large = nullptr;
  TLMDProgressFill* Volume = nullptr;
  TLMDIniCtrl* Settings = nullptr;

  void SaveClick(TObject* sender);
  void LoadClick(TObject* sender);
  void VolumeClick(TObject* sender);

 private:
  std::vector<TLMDSpeedButton*> Toggles() const { return {Sound, Hints, Large}; }
};
