// One registry key in memory: its name, its subkeys (kept sorted case-insensitively, the
// order NT enumerates them in) and its values (in creation order). Names are code page 1250,
// compared case-insensitively and stored as given.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::string data;
};

class RegistryKey {
 public:
  explicit RegistryKey(std::string name = {});

  const std::string& Name() const { return name_; }
  const std::vector<std::unique_ptr<RegistryKey>>& Subkeys() const { return subkeys_; }
  const std::vector<RegistryValue>& Values() const { return values_; }

  RegistryKey* Find(std::string_view name) const;
  RegistryKey& Obtain(std::string_view name, bool& created);
  bool RemoveSubkey(std::string_view name);
  void Clear();

  const RegistryValue* FindValue(std::string_view name) const;
  void SetValue(std::string_view name, DWORD type, std::string data);
  bool RemoveValue(std::string_view name);

 private:
  std::vector<std::unique_ptr<RegistryKey>>::const_iterator LowerBound(const std::u32string& folded) const;

  std::string name_;
  std::u32string folded_;
  std::vector<std::unique_ptr<RegistryKey>> subkeys_;
  std::vector<RegistryValue> values_;
};
