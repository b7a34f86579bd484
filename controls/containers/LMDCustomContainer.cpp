#include "LMDCustomContainer.h"

#include "LMDContUtils.h"

#include <RTLConsts.h>
#include <SysUtils.h>
#include <TFileStream.h>
#include <TFinally.h>
#include <TypInfo.h>

#include <algorithm>

using enum TComponentStateItem;
using enum TOperation;
using enum TSeekOrigin;

TAWO_IMPLEMENT_CLASS(TLMDCustomContainer)

TLMDCustomContainer::TLMDCustomContainer(TComponent* owner) : TLMDBaseContainer(owner) {}

TLMDCustomContainer::~TLMDCustomContainer() {
  // The items are owned components; they go with the owner, not through this list.
  FItems.clear();
}

TLMDListItem* TLMDCustomContainer::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {index}));
  return FItems[static_cast<size_t>(index)];
}

int TLMDCustomContainer::IndexOf(const TLMDListItem* item) const {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

TLMDListItem* TLMDCustomContainer::ItemByName(const AnsiString& name) const {
  for (TLMDListItem* item : FItems) {
    if (item->Description() == name) return item;
  }
  return nullptr;
}

int TLMDCustomContainer::Add(TLMDListItem* item) {
  Place(Count(), item);
  return Count() - 1;
}

void TLMDCustomContainer::Insert(int index, TLMDListItem* item) {
  if (index < 0 || index > Count()) throw EListError(Format(SListIndexError, {index}));
  Place(index, item);
}

void TLMDCustomContainer::Place(int index, TLMDListItem* item) {
  if (item == nullptr) {
    item = CreateItem();
    item->SetCompressed(FDefaultCompressed);
  } else if (item->Owner() != this) {
    if (item->Owner() != nullptr) item->Owner()->RemoveComponent(item);
    InsertComponent(item);
  }
  if (IndexOf(item) < 0) FItems.insert(FItems.begin() + index, item);
  Change();
}

void TLMDCustomContainer::Delete(int index) {
  TLMDListItem* item = Items(index);
  FItems.erase(FItems.begin() + index);
  delete item;
  Change();
}

void TLMDCustomContainer::Move(int current, int target) {
  if (current == target) return;
  TLMDListItem* item = Items(current);
  Items(target);
  FItems.erase(FItems.begin() + current);
  FItems.insert(FItems.begin() + target, item);
  Change();
}

void TLMDCustomContainer::Clear() {
  while (!FItems.empty()) {
    TLMDListItem* item = FItems.back();
    FItems.pop_back();
    delete item;
  }
  Change();
}

void TLMDCustomContainer::AddList(TLMDCustomContainer* other) {
  for (int i = 0; i < other->Count(); ++i) {
    TLMDListItem* item = CreateItem();
    FItems.push_back(item);
    item->BeginUpdate();
    item->Assign(other->Items(i));
    item->EndUpdate(false);
  }
  Change();
}

void TLMDCustomContainer::Assign(TPersistent* source) {
  auto* list = dynamic_cast<TLMDCustomContainer*>(source);
  if (list == nullptr || !list->InheritsFrom(ClassType())) {
    TLMDBaseContainer::Assign(source);
    return;
  }
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(true); });
  Clear();
  AssignSettings(list);
  AddList(list);
}

void TLMDCustomContainer::AssignSettings(TLMDCustomContainer* source) { FDefaultCompressed = source->FDefaultCompressed; }

void TLMDCustomContainer::Change() {
  if (!Updating()) TLMDBaseContainer::Change();
}

void TLMDCustomContainer::Update(TLMDListItem* item) {
  if (OnChange.Assigned()) OnChange(item);
}

void TLMDCustomContainer::SetSource(TLMDContainerSource value) {
  if (value == FSource || ComponentState().Contains(csLoading)) {
    FSource = value;
    return;
  }
  for (TLMDListItem* item : FItems) item->FreeData();
  FSource = value;
  Change();
}

void TLMDCustomContainer::SetPrefix(TLMDPathPrefix value) {
  if (value == FPrefix) return;
  FPrefix = value;
  Change();
}

void TLMDCustomContainer::LoadFromStream(TStream& stream) { ReadList(stream, false); }

void TLMDCustomContainer::SaveToStream(TStream& stream) { WriteList(stream, false); }

void TLMDCustomContainer::LoadFromFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyRead);
  if (!LMDReadSignature(stream, ListType())) {
    throw Exception(Format("%s: %s", {LMDCannotOpenFile, ClassName()}));
  }
  ReadList(stream, true);
}

void TLMDCustomContainer::SaveToFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmCreate);
  LMDWriteSignature(stream, ListType());
  WriteList(stream, true);
}

void TLMDCustomContainer::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (TLMDListItem* item : FItems) proc(item);
}

void TLMDCustomContainer::Notification(TComponent* component, TOperation operation) {
  TLMDBaseContainer::Notification(component, operation);
  if (operation != opRemove) return;
  const auto found = std::find(FItems.begin(), FItems.end(), component);
  if (found != FItems.end()) FItems.erase(found);
}

void TLMDCustomContainer::ReadList(TStream& stream, bool withOffsets) {
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(true); });
  Clear();
  const int32_t count = LMDReadItemCount(stream);
  if (withOffsets) stream.Seek(int64_t{count} * 4, soCurrent);
  for (int32_t i = 0; i < count; ++i) {
    TLMDListItem* item = CreateItem();
    FItems.push_back(item);
    item->BeginUpdate();
    item->ReadData(stream);
    item->EndUpdate(false);
  }
}

void TLMDCustomContainer::WriteList(TStream& stream, bool withOffsets) {
  LMDWriteInt32(stream, Count());
  const int64_t tableAt = stream.Position();
  std::vector<int32_t> offsets(withOffsets ? FItems.size() : 0);
  if (!offsets.empty()) stream.WriteBuffer(offsets.data(), static_cast<int64_t>(offsets.size() * 4));
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (withOffsets) offsets[i] = static_cast<int32_t>(stream.Position());
    FItems[i]->WriteData(stream);
  }
  if (offsets.empty()) return;
  const int64_t end = stream.Position();
  stream.SetPosition(tableAt);
  stream.WriteBuffer(offsets.data(), static_cast<int64_t>(offsets.size() * 4));
  stream.SetPosition(end);
}
