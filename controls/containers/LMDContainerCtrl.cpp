#include "LMDContainerCtrl.h"

#include <LMDApplication.h>
#include <LMDConst.h>
#include <TypInfo.h>

using enum TComponentStateItem;
using enum TLMDListItemClassType;

TAWO_PUBLISHED(TLMDContainerCtrl, published) {
  published.Property("About", &TLMDContainerCtrl::About, &TLMDContainerCtrl::SetAbout);
}

TLMDContainerCtrl::TLMDContainerCtrl(TComponent* owner) : TLMDCustomComponent(owner) {
  if (!ComponentState().Contains(csDesigning)) return;
  if (LMDCheckForSameClass(owner, ClassType(), false)) throw LMDEOneInstError(ClassName(), 0);
  FOwnContainer = std::make_unique<TLMDContainer>(nullptr);
}

TLMDContainerCtrl::~TLMDContainerCtrl() {
  if (ComponentState().Contains(csDesigning) && LMDContainer != nullptr) LMDContainer->Clear();
}

TLMDContainer* TLMDContainerCtrl::Container() const {
  return FOwnContainer != nullptr ? FOwnContainer.get() : LMDContainer.Get();
}

namespace {

// A damaged record raises before the list is touched: it is read into a copy first.
void ReadListRecord(TLMDCustomContainer* list, TStream& stream) {
  const std::unique_ptr<TObject> made(list->ClassType()->Create(nullptr));
  auto* read = static_cast<TLMDCustomContainer*>(made.get());
  read->LoadFromStream(stream);
  list->Assign(read);
}

}  // namespace

// Each list as its record without offset table, named after its class without "TLMD";
// an empty list is not written.
void TLMDContainerCtrl::DefineProperties(TFiler& filer) {
  TLMDCustomComponent::DefineProperties(filer);
  for (TLMDListItemClassType type : {icBitmap, icImageList, icWave, icStringList}) {
    TLMDCustomContainer* list = Container()->ListOfType(type);
    filer.DefineBinaryProperty(
        list->ClassName().substr(4), [list](TStream& stream) { ReadListRecord(list, stream); },
        [list](TStream& stream) { list->SaveToStream(stream); }, !list->Empty());
  }
}
