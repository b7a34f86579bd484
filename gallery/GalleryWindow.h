// Unit GalleryWindow: the gallery's window. A column of toggle buttons, one per page and
// labelled with the page's caption, beside the chosen page, which lives inside the window. The
// page chosen last is kept in the gallery's settings. The buttons take no keyboard focus:
// Ctrl+Tab and Ctrl+Shift+Tab choose the next and the previous page, as in tabbed dialogs.
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

 protected:
  void Dispatch(TMessage& message) override;

 private:
  void AddPage(TForm* page);
  void TabClick(TObject* sender);
  // Shows the page and keeps the choice in the settings.
  void ChoosePage(std::size_t index);

  TPanel* tabColumn = nullptr;
  TPanel* pageHost = nullptr;
  TLMDIniCtrl* settings = nullptr;
  std::vector<TForm*> pages;
  std::vector<TLMDSpeedButton*> tabs;
  std::size_t current = 0;
};
