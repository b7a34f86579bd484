#include "RegistryKey.h"

#include <algorithm>

#include "NameCodec.h"

RegistryKey::RegistryKey(std::string name) : name_(std::move(name)), folded_(NameCodec::FoldAnsi(name_)) {}

RegistryKey::~RegistryKey() { DestroySubtree(); }

void RegistryKey::DestroySubtree() {
  std::vector<std::unique_ptr<RegistryKey>> pending;
  for (auto& [folded, key] : subkeys_) pending.push_back(std::move(key));
  subkeys_.clear();
  while (!pending.empty()) {
    std::unique_ptr<RegistryKey> key = std::move(pending.back());
    pending.pop_back();
    for (auto& [folded, child] : key->subkeys_) pending.push_back(std::move(child));
    key->subkeys_.clear();
  }
  sortedSubkeys_.clear();
  subkeysSorted_ = true;
}

const std::vector<const RegistryKey*>& RegistryKey::Subkeys() const {
  if (!subkeysSorted_) {
    sortedSubkeys_.clear();
    for (const auto& [folded, key] : subkeys_) sortedSubkeys_.push_back(key.get());
    std::sort(sortedSubkeys_.begin(), sortedSubkeys_.end(),
              [](const RegistryKey* a, const RegistryKey* b) { return a->folded_ < b->folded_; });
    subkeysSorted_ = true;
  }
  return sortedSubkeys_;
}

const std::vector<const RegistryValue*>& RegistryKey::Values() const {
  if (!valuesOrdered_) {
    orderedValues_.clear();
    for (const RegistryValue& value : values_) orderedValues_.push_back(&value);
    valuesOrdered_ = true;
  }
  return orderedValues_;
}

RegistryKey* RegistryKey::Find(std::string_view name) const {
  auto it = subkeys_.find(NameCodec::FoldAnsi(name));
  return it == subkeys_.end() ? nullptr : it->second.get();
}

RegistryKey& RegistryKey::Obtain(std::string_view name, bool& created) {
  auto [it, inserted] = subkeys_.try_emplace(NameCodec::FoldAnsi(name));
  created = inserted;
  if (inserted) {
    it->second = std::make_unique<RegistryKey>(std::string(name));
    subkeysSorted_ = false;
  }
  return *it->second;
}

bool RegistryKey::RemoveSubkey(std::string_view name) {
  auto it = subkeys_.find(NameCodec::FoldAnsi(name));
  if (it == subkeys_.end()) return false;
  subkeys_.erase(it);
  subkeysSorted_ = false;
  return true;
}

void RegistryKey::Clear() {
  DestroySubtree();
  values_.clear();
  valueIndex_.clear();
  orderedValues_.clear();
  valuesOrdered_ = true;
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  auto it = valueIndex_.find(NameCodec::FoldAnsi(name));
  return it == valueIndex_.end() ? nullptr : &*it->second;
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data) {
  auto [it, inserted] = valueIndex_.try_emplace(NameCodec::FoldAnsi(name));
  if (inserted) {
    it->second = values_.insert(values_.end(), RegistryValue{std::string(name), type, std::move(data)});
    valuesOrdered_ = false;
    return;
  }
  it->second->type = type;
  it->second->data = std::move(data);
}

bool RegistryKey::RemoveValue(std::string_view name) {
  auto it = valueIndex_.find(NameCodec::FoldAnsi(name));
  if (it == valueIndex_.end()) return false;
  values_.erase(it->second);
  valueIndex_.erase(it);
  valuesOrdered_ = false;
  return true;
}
