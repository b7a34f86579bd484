// One registry key in memory: its name, its subkeys (listed sorted case-insensitively, the
// order NT enumerates them in) and its values (listed in creation order). Names are code page
// 1250, compared case-insensitively and stored as given. Lookups go through hash indexes of
// the folded names, so a key with many subkeys or values costs no more per name than a small
// one; the ordered lists are put together when they are next asked for after a change.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <windows.h>

struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::string data;
};

class RegistryKey {
 public:
  // Keys below a root, the root not counted, nest at most this deep.
  static constexpr size_t kMaxDepth = 512;

  explicit RegistryKey(std::string name = {});
  ~RegistryKey();
  RegistryKey(RegistryKey&&) noexcept = default;
  RegistryKey& operator=(RegistryKey&&) noexcept = default;

  const std::string& Name() const { return name_; }
  const std::vector<const RegistryKey*>& Subkeys() const;
  const std::vector<const RegistryValue*>& Values() const;

  RegistryKey* Find(std::string_view name) const;
  RegistryKey& Obtain(std::string_view name, bool& created);
  bool RemoveSubkey(std::string_view name);
  void Clear();

  const RegistryValue* FindValue(std::string_view name) const;
  void SetValue(std::string_view name, DWORD type, std::string data);
  bool RemoveValue(std::string_view name);

 private:
  using ValueList = std::list<RegistryValue>;

  // Frees the subtree level by level, so a deep one cannot exhaust the stack.
  void DestroySubtree();

  std::string name_;
  std::u32string folded_;
  std::unordered_map<std::u32string, std::unique_ptr<RegistryKey>> subkeys_;
  ValueList values_;
  std::unordered_map<std::u32string, ValueList::iterator> valueIndex_;
  mutable std::vector<const RegistryKey*> sortedSubkeys_;
  mutable bool subkeysSorted_ = true;
  mutable std::vector<const RegistryValue*> orderedValues_;
  mutable bool valuesOrdered_ = true;
};
