#include "FormClasses.h"

#include "EffectSample.h"

#include <Classes.h>
#include <LMDBitmapList.h>
#include <LMDBitmapListItem.h>
#include <LMDButton.h>
#include <LMDContainerCtrl.h>
#include <LMDCustomMMButton.h>
#include <LMDImageList.h>
#include <LMDImageListItem.h>
#include <LMDIniCtrl.h>
#include <LMDOfficeButton.h>
#include <LMDProgressFill.h>
#include <LMDSpeedButton.h>
#include <LMDStringList.h>
#include <LMDStringListItem.h>
#include <LMDWaveList.h>
#include <LMDWaveListItem.h>
#include <TAction.h>
#include <TActionList.h>
#include <TBitBtn.h>
#include <TButton.h>
#include <TForm.h>
#include <THintAction.h>
#include <TImage.h>
#include <TImageList.h>
#include <TLabel.h>
#include <TMenuItem.h>
#include <TPanel.h>
#include <TPopupMenu.h>
#include <TStatusBar.h>

void RegisterFormClasses() {
  RegisterClasses({TForm::ClassInfo(), TPanel::ClassInfo(), TImage::ClassInfo(), TLabel::ClassInfo(),
                   TButton::ClassInfo(), TBitBtn::ClassInfo(), TStatusBar::ClassInfo(), TPopupMenu::ClassInfo(),
                   TMenuItem::ClassInfo(), TActionList::ClassInfo(), TAction::ClassInfo(), THintAction::ClassInfo(),
                   TImageList::ClassInfo()});
  RegisterClasses({TLMDButton::ClassInfo(), TLMDSpeedButton::ClassInfo(), TLMDOfficeButton::ClassInfo(),
                   TLMDCustomMMButton::ClassInfo(), TLMDProgressFill::ClassInfo(), TLMDBitmapList::ClassInfo(),
                   TLMDBitmapListItem::ClassInfo(), TLMDImageList::ClassInfo(), TLMDImageListItem::ClassInfo(),
                   TLMDStringList::ClassInfo(), TLMDStringListItem::ClassInfo(), TLMDWaveList::ClassInfo(),
                   TLMDWaveListItem::ClassInfo(), TLMDContainerCtrl::ClassInfo(), TLMDIniCtrl::ClassInfo()});
  RegisterClass(TEffectSample::ClassInfo());
}
