#include "TCollection.h"

#include "RTLConsts.h"
#include "TFinally.h"
#include "TypInfo.h"

#include <algorithm>

using enum TTypeKind;

TAWO_IMPLEMENT_CLASS(TCollectionItem)
TAWO_IMPLEMENT_CLASS(TCollection)
TAWO_IMPLEMENT_CLASS(TOwnedCollection)

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (FCollection == collection) return;
  if (FCollection != nullptr) FCollection->RemoveItem(this);
  if (collection != nullptr) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (FCollection == nullptr) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  const int current = Index();
  if (current < 0 || index < 0 || current == index) return;
  auto& items = FCollection->FItems;
  index = std::min(index, static_cast<int>(items.size()) - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + index, this);
  Changed(true);
}

AnsiString TCollectionItem::GetNamePath() const {
  if (FCollection == nullptr) return ClassName();
  return Format("%s[%d]", {FCollection->GetNamePath(), Index()});
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool allItems) {
  if (FCollection != nullptr && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

// ---------------------------------------------------------------------------------------------

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection() {
  FUpdateCount = 1;
  Clear();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(SListIndexError, {index}));
  return FItems[static_cast<std::size_t>(index)];
}

TCollectionItem* TCollection::CreateItem() {
  if (FItemClass == nullptr || !FItemClass->InheritsFrom(TCollectionItem::ClassInfo())) {
    throw EInvalidCast();
  }
  auto* item = dynamic_cast<TCollectionItem*>(FItemClass->Create(this));
  if (item == nullptr) throw EInvalidCast();
  return item;
}

TCollectionItem* TCollection::Add() {
  TCollectionItem* item = CreateItem();
  Changed();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = CreateItem();
    item->SetIndex(index);
  } catch (...) {
    --FUpdateCount;
    throw;
  }
  EndUpdate();
  return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : FItems) {
    if (item->FID == id) return item;
  }
  return nullptr;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  for (TCollectionItem* item : other->FItems) Add()->Assign(item);
}

AnsiString TCollection::GetNamePath() const {
  const TPersistent* owner = GetOwner();
  if (owner == nullptr) return ClassName();
  const AnsiString ownerPath = owner->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  auto* ownerObject = const_cast<TPersistent*>(owner);
  for (PPropInfo info : GetPropList(owner->ClassType())) {
    if (info->PropType->Kind == tkClass && GetObjectProp(ownerObject, info) == this) {
      return ownerPath + "." + info->Name;
    }
  }
  return ClassName();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  FItems.push_back(item);
  item->FCollection = this;
  item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), item), FItems.end());
  item->FCollection = nullptr;
  Changed();
}
