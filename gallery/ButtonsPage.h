// Unit ButtonsPage: the gallery's page of windowless buttons: a toolbar of speed buttons (a
// toggle group, a repeating button, a combo drop-down), office buttons and a picture button
// with a star-shaped face. Clicks on the repeating and the picture button are counted.
#pragma once

#include <TForm.h>

class TLabel;
class TLMDBitmapList;
class TLMDCustomMMButton;
class TLMDOfficeButton;
class TLMDSpeedButton;
class TMenuItem;
class TPanel;
class TPopupMenu;

class TButtonsPage : public TForm {
  TAWO_CLASS(TButtonsPage, TForm)

 public:
  explicit TButtonsPage(TComponent* owner);

  TPanel* Toolbar = nullptr;
  TLMDSpeedButton* Bold = nullptr;
  TLMDSpeedButton* Italic = nullptr;
  TLMDSpeedButton* Underline = nullptr;
  TLMDSpeedButton* More = nullptr;
  TLMDSpeedButton* Colour = nullptr;
  TLMDOfficeButton* Cut = nullptr;
  TLMDOfficeButton* Copy = nullptr;
  TLMDOfficeButton* Paste = nullptr;
  TLMDCustomMMButton* Star = nullptr;
  TLabel* Count = nullptr;
  TPopupMenu* Colours = nullptr;
  TMenuItem* Red = nullptr;
  TMenuItem* Green = nullptr;
  TMenuItem* Blue = nullptr;
  TLMDBitmapList* Pictures = nullptr;

  int Clicks() const { return clicks; }
  void MoreClick(TObject* sender);

 private:
  int clicks = 0;
};
