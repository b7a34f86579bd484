#include "RegistryKey.h"

#include <algorithm>

#include "NameCodec.h"

RegistryKey::RegistryKey(std::string name) : name_(std::move(name)), folded_(NameCodec::FoldAnsi(name_)) {}

std::vector<std::unique_ptr<RegistryKey>>::const_iterator RegistryKey::LowerBound(const std::u32string& folded) const {
  return std::lower_bound(subkeys_.begin(), subkeys_.end(), folded,
                          [](const std::unique_ptr<RegistryKey>& key, const std::u32string& value) {
                            return key->folded_ < value;
                          });
}

RegistryKey* RegistryKey::Find(std::string_view name) const {
  std::u32string folded = NameCodec::FoldAnsi(name);
  auto it = LowerBound(folded);
  return it != subkeys_.end() && (*it)->folded_ == folded ? it->get() : nullptr;
}

RegistryKey& RegistryKey::Obtain(std::string_view name, bool& created) {
  std::u32string folded = NameCodec::FoldAnsi(name);
  auto it = LowerBound(folded);
  if (it != subkeys_.end() && (*it)->folded_ == folded) {
    created = false;
    return **it;
  }
  created = true;
  return **subkeys_.insert(it, std::make_unique<RegistryKey>(std::string(name)));
}

bool RegistryKey::RemoveSubkey(std::string_view name) {
  std::u32string folded = NameCodec::FoldAnsi(name);
  auto it = LowerBound(folded);
  if (it == subkeys_.end() || (*it)->folded_ != folded) return false;
  subkeys_.erase(it);
  return true;
}

void RegistryKey::Clear() {
  subkeys_.clear();
  values_.clear();
}

const RegistryValue* RegistryKey::FindValue(std::string_view name) const {
  std::u32string folded = NameCodec::FoldAnsi(name);
  auto it = std::find_if(values_.begin(), values_.end(),
                         [&](const RegistryValue& value) { return NameCodec::FoldAnsi(value.name) == folded; });
  return it == values_.end() ? nullptr : &*it;
}

void RegistryKey::SetValue(std::string_view name, DWORD type, std::string data) {
  if (auto* existing = const_cast<RegistryValue*>(FindValue(name))) {
    existing->type = type;
    existing->data = std::move(data);
    return;
  }
  values_.push_back({std::string(name), type, std::move(data)});
}

bool RegistryKey::RemoveValue(std::string_view name) {
  const RegistryValue* value = FindValue(name);
  if (!value) return false;
  values_.erase(values_.begin() + (value - values_.data()));
  return true;
}
