// Unit GalleryWindow: the gallery's window. A column of toggle buttons, one per page and
// labelled with the page's caption, beside the chosen page, which lives inside the window. The
// page chosen last is kept in the gallery's settings.
#pragma once

#include <TForm.h>

#include <vector>

class TLMDIniCtrl;
class TLMDSpeedButton;
class TPanel;

class TGalleryWindow : public TForm {
  TAWO_CLASS(TGalleryWindow, TForm)

 public:
  explicit TGalleryWindow(TComponent* owner);

  const std::vector<TForm*>& Pages() const { return pages; }
  const std::vector<TLMDSpeedButton*>& Tabs() const { return tabs; }
  // Shows the page at `index` of GalleryPages() and presses its button.
  void ShowPage(std::size_t index);
  std::size_t CurrentPage() const { return current; }
  // Shows the page chosen last time, if the settings name one.
  void RestoreChosenPage();

 private:
  void AddPage(TForm* page);
  void TabClick(TObject* sender);

  TPanel* tabColumn = nullptr;
  TPanel* pageHost = nullptr;
  TLMDIniCtrl* settings = nullptr;
  std::vector<TForm*> pages;
  std::vector<TLMDSpeedButton*> tabs;
  std::size_t current = 0;
};
