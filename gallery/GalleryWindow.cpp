#include "GalleryWindow.h"

#include "GalleryPages.h"

#include <LMDIniCtrl.h>
#include <LMDSpeedButton.h>
#include <Controls.h>
#include <TPanel.h>

#include <algorithm>

using enum TAlign;

TAWO_IMPLEMENT_CLASS(TGalleryWindow)

namespace {

constexpr int kTabWidth = 120;
constexpr int kTabHeight = 24;
constexpr int kMargin = 4;
constexpr const char* kChosenPage = "Strona";

}  // namespace

TGalleryWindow::TGalleryWindow(TComponent* owner) : TForm(owner) {
  SetCaption("Galeria TAWO");
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetPosition(TPosition::poScreenCenter);
  settings = new TLMDIniCtrl(this);
  settings->SetIniFile(kGallerySettingsFile);
  settings->SetTarget(TLMDIniTarget::itIniFile);
  tabColumn = new TPanel(this);
  tabColumn->SetParent(this);
  tabColumn->SetBevelOuter(TPanelBevel::bvNone);
  tabColumn->SetCaption("");
  tabColumn->SetWidth(kTabWidth + 2 * kMargin);
  tabColumn->SetAlign(alLeft);
  pageHost = new TPanel(this);
  pageHost->SetParent(this);
  pageHost->SetBevelOuter(TPanelBevel::bvNone);
  pageHost->SetCaption("");
  pageHost->SetAlign(alClient);
  int width = 0;
  int height = static_cast<int>(GalleryPages().size()) * kTabHeight + 2 * kMargin;
  for (const TGalleryPage& entry : GalleryPages()) {
    TForm* page = entry.Create(this);
    width = std::max(width, page->ClientWidth());
    height = std::max(height, page->ClientHeight());
    AddPage(page);
  }
  SetClientSize(tabColumn->Width() + width, height);
  ShowPage(0);
}

void TGalleryWindow::AddPage(TForm* page) {
  auto* tab = new TLMDSpeedButton(this);
  tab->SetParent(tabColumn);
  tab->SetBounds(kMargin, kMargin + static_cast<int>(tabs.size()) * kTabHeight, kTabWidth, kTabHeight);
  tab->SetCaption(page->Caption());
  tab->SetGroupIndex(1);
  tab->SetTag(static_cast<int32_t>(tabs.size()));
  tab->OnClick = TNotifyEvent(this, &TGalleryWindow::TabClick);
  tabs.push_back(tab);
  const int width = page->ClientWidth();
  const int height = page->ClientHeight();
  page->SetBorderStyle(TFormBorderStyle::bsNone);
  page->SetPosition(TPosition::poDesigned);
  page->SetParent(pageHost);
  page->SetBounds(0, 0, width, height);
  pages.push_back(page);
}

void TGalleryWindow::ShowPage(std::size_t index) {
  current = index;
  for (std::size_t i = 0; i < pages.size(); ++i) pages[i]->SetVisible(i == index);
  tabs[index]->SetPressed(true);
}

void TGalleryWindow::RestoreChosenPage() {
  const int chosen = settings->ReadInteger(kGallerySettingsSection, kChosenPage, -1);
  if (chosen >= 0 && chosen < static_cast<int>(pages.size())) ShowPage(static_cast<std::size_t>(chosen));
}

void TGalleryWindow::TabClick(TObject* sender) {
  ChoosePage(static_cast<std::size_t>(static_cast<TComponent*>(sender)->Tag()));
}

void TGalleryWindow::ChoosePage(std::size_t index) {
  ShowPage(index);
  settings->WriteInteger(kGallerySettingsSection, kChosenPage, static_cast<int32_t>(index));
}

void TGalleryWindow::Dispatch(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY && message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
    const std::size_t count = pages.size();
    ChoosePage(GetKeyState(VK_SHIFT) < 0 ? (current + count - 1) % count : (current + 1) % count);
    message.Result = 1;
    return;
  }
  inherited::Dispatch(message);
}
