#include "TComponent.h"

#include "RTLConsts.h"
#include "TFiler.h"
#include "TReader.h"
#include "TWriter.h"

#include <algorithm>

using enum TComponentStateItem;
using enum TComponentStyleItem;
using enum TOperation;

TAWO_PUBLISHED(TComponent, published) {
  published.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  published.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  if (FComponentState.Contains(csFixups)) RemoveFixupReferences(this);
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    other->Notification(this, opRemove);
    // An override that did not call the inherited Notification leaves the link: drop it.
    if (!FFreeNotifies.empty() && FFreeNotifies.back() == other) RemoveFreeNotification(other);
  }
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

void TComponent::BeforeDestruction() {
  if (!FComponentState.Contains(csDestroying)) Destroying();
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents) component->Destroying();
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format(SListIndexError, {index}));
  return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (FOwner == nullptr) return -1;
  const auto& list = FOwner->FComponents;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int index) {
  if (FOwner == nullptr) return;
  auto& list = FOwner->FComponents;
  const int current = ComponentIndex();
  index = std::clamp(index, 0, static_cast<int>(list.size()) - 1);
  if (current == index) return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + index, this);
}

TComponent* TComponent::FindComponent(const AnsiString& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents) {
    if (SameText(component->FName, name)) return component;
  }
  return nullptr;
}

void TComponent::SetName(const AnsiString& name) {
  if (FName == name) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError(Format(SInvalidName, {name}));
  if (FOwner != nullptr) FOwner->ValidateRename(this, FName, name);
  else ValidateRename(nullptr, FName, name);
  SetReference(false);
  ChangeName(name);
  SetReference(true);
}

void TComponent::ValidateRename(TComponent* component, const AnsiString& currentName,
                                const AnsiString& newName) {
  if (component != nullptr && !SameText(currentName, newName) && component->FOwner == this &&
      FindComponent(newName) != nullptr) {
    throw EComponentError(Format(SDuplicateName, {newName}));
  }
}

void TComponent::SetReference(bool enable) {
  if (FOwner == nullptr || FName.empty()) return;
  const TPublishedField* field = FOwner->ClassType()->Published().FindField(FName);
  if (field != nullptr) field->Assign(FOwner, enable ? this : nullptr);
}

void TComponent::SetSubComponent(bool value) {
  if (value) FComponentStyle.Include(csSubComponent);
  else FComponentStyle.Exclude(csSubComponent);
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateRename(component, "", component->FName);
  FComponents.push_back(component);
  component->FOwner = this;
  component->SetReference(true);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  component->SetReference(false);
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
  component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* component = FComponents.back();
    FComponents.pop_back();
    component->FOwner = nullptr;
    delete component;
  }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    FComponents[static_cast<std::size_t>(i)]->Notification(component, operation);
    i = std::min(i, ComponentCount());  // a handler may have removed components
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
    FFreeNotifies.push_back(component);
    component->FreeNotification(this);
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* component) {
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
  if (FFreeNotifies.empty()) FComponentState.Exclude(csFreeNotification);
}

AnsiString TComponent::GetNamePath() const { return FName; }

void TComponent::DefineProperties(TFiler& filer) {
  const auto* ancestor = dynamic_cast<const TComponent*>(filer.Ancestor());
  const int32_t ancestorInfo = ancestor != nullptr ? ancestor->FDesignInfo : 0;
  auto low = [](int32_t info) { return static_cast<uint16_t>(info & 0xFFFF); };
  auto high = [](int32_t info) { return static_cast<uint16_t>((static_cast<uint32_t>(info) >> 16) & 0xFFFF); };
  filer.DefineProperty(
      "Left",
      [this, high](TReader& reader) {
        FDesignInfo = static_cast<int32_t>((uint32_t{high(FDesignInfo)} << 16) | static_cast<uint16_t>(reader.ReadInteger()));
      },
      [this, low](TWriter& writer) { writer.WriteInteger(low(FDesignInfo)); },
      low(FDesignInfo) != low(ancestorInfo));
  filer.DefineProperty(
      "Top",
      [this, low](TReader& reader) {
        FDesignInfo = static_cast<int32_t>((uint32_t{static_cast<uint16_t>(reader.ReadInteger())} << 16) | low(FDesignInfo));
      },
      [this, high](TWriter& writer) { writer.WriteInteger(high(FDesignInfo)); },
      high(FDesignInfo) != high(ancestorInfo));
}

void TComponent::GetChildren(const TGetChildProc&, TComponent*) {}

void TComponent::ReadState(TReader& reader) { reader.ReadData(this); }

void TComponent::WriteState(TWriter& writer) { writer.WriteData(this); }

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }
