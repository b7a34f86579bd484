#include "LMDContainer.h"

#include "LMDContUtils.h"

#include <Classes.h>
#include <LMDBase.h>
#include <TypInfo.h>

using enum TComponentStateItem;
using enum TLMDListItemClassType;

TAWO_IMPLEMENT_CLASS(TLMDContainer)

namespace {

// The kinds of list the container holds, one list each.
constexpr TLMDListItemClassType kGlobalTypes[] = {icBitmap, icImageList, icStringList, icWave};

}  // namespace

TLMDContainer::TLMDContainer(TComponent* owner)
    : TLMDBaseContainer(owner),
      FBitmapList(std::make_unique<TLMDBitmapList>(nullptr)),
      FImageList(std::make_unique<TLMDImageList>(nullptr)),
      FStringList(std::make_unique<TLMDStringList>(nullptr)),
      FWaveList(std::make_unique<TLMDWaveList>(nullptr)) {
  for (TLMDListItemClassType type : kGlobalTypes) {
    ListOfType(type)->OnChange = TNotifyEvent(this, &TLMDContainer::GetChange);
  }
}

TLMDContainer::~TLMDContainer() {
  for (TLMDListItemClassType type : kGlobalTypes) ListOfType(type)->OnChange = nullptr;
}

TLMDCustomContainer* TLMDContainer::ListOfType(TLMDListItemClassType type) const {
  switch (type) {
    case icBitmap: return FBitmapList.get();
    case icImageList: return FImageList.get();
    case icStringList: return FStringList.get();
    case icWave: return FWaveList.get();
    default: return nullptr;
  }
}

void TLMDContainer::Clear() {
  for (TLMDListItemClassType type : kGlobalTypes) ListOfType(type)->Clear();
}

void TLMDContainer::GetChange(TObject* sender) {
  auto* list = dynamic_cast<TLMDCustomContainer*>(sender);
  if (list != nullptr && this != LMDContainer && ComponentState().Contains(csDesigning)) {
    LMDContainer->ListOfType(list->ListType())->Assign(list);
  }
  Change();
}

namespace {

// Frees the global container at program end; it reads as null from then on.
struct TContainerEnd {
  ~TContainerEnd() {
    TLMDContainer* container = LMDContainer;
    LMDContainer = nullptr;
    delete container;
  }
};

void StartContainers() {
  static bool started = false;
  if (started) return;
  started = true;
  LMDContainer = new TLMDContainer(nullptr);
  static const TContainerEnd end;
}

}  // namespace

constinit TUnitGlobal<TLMDContainer> LMDContainer{&StartContainers};

bool LMDIsGlobalIdent(const TComponent* list) {
  if (list == nullptr || LMDContainer == nullptr) return false;
  for (TLMDListItemClassType type : kGlobalTypes) {
    if (LMDContainer->ListOfType(type) == list) return true;
  }
  return false;
}

void LMDWriteGlobalIdent(TWriter& writer, const TComponent* list) {
  writer.WriteString(LMDICGetSignature(dynamic_cast<const TLMDCustomContainer&>(*list).ListType()));
}

TLMDCustomContainer* LMDReadGlobalIdent(TReader& reader) {
  const AnsiString ident = reader.ReadString();
  if (LMDContainer == nullptr) return nullptr;
  for (TLMDListItemClassType type : kGlobalTypes) {
    if (ident == LMDICGetSignature(type)) return LMDContainer->ListOfType(type);
  }
  return nullptr;
}

void LMDDefineInternal(TFiler& filer, const TLMDCustomImageList* list,
                       const std::function<void(TLMDCustomImageList*)>& setImageList, const char* name) {
  filer.DefineProperty(
      name,
      [setImageList](TReader& reader) {
        setImageList(dynamic_cast<TLMDCustomImageList*>(LMDReadGlobalIdent(reader)));
      },
      [list](TWriter& writer) { LMDWriteGlobalIdent(writer, list); }, LMDIsGlobalIdent(list));
}

bool LMDIsSingleItemImageList(const TComponent* list) {
  if (dynamic_cast<const TLMDBitmapList*>(list) != nullptr) return true;
  const TClass pictureList = GetClass("TLMDGraphicList");
  return list != nullptr && pictureList != nullptr && list->InheritsFrom(pictureList);
}

bool LMDIsCollectionImageList(const TComponent* list) {
  const TClass connector = GetClass("TLMDImageListConnector");
  return list != nullptr && connector != nullptr && list->InheritsFrom(connector);
}
