#include "Registry.h"

#include <cstdio>

#include "DeferredSaves.h"
#include "Prefix.h"

namespace {
constexpr size_t kMaxKeyName = 255;
}  // namespace

Registry& Registry::Instance() {
  static Registry registry;
  static const bool savesDeferred = (DeferredSaves::Register([] { Instance().SavePending(); }), true);
  (void)savesDeferred;
  return registry;
}

void Registry::SavePending() {
  std::lock_guard lock(mutex_);
  std::vector<HiveFile*> hives{user_.get(), system_.get()};
  for (const std::unique_ptr<HiveFile>& hive : retired_) hives.push_back(hive.get());
  for (HiveFile* hive : hives) {
    // No caller hears of a failure here, so it is told where the user sees it.
    if (LONG error = hive ? hive->SavePending() : ERROR_SUCCESS) {
      std::fprintf(stderr, "winport: the registry hive %s could not be saved (error %ld); its changes are kept for the next save\n",
                   hive->Path().c_str(), static_cast<long>(error));
    }
  }
}

void Registry::CheckGeneration() {
  unsigned generation = Prefix::Instance().Generation();
  if (generation == generation_) return;
  generation_ = generation;
  std::string root = Prefix::Instance().Root();
  // Handles opened in the earlier prefix keep pointing at its hives.
  if (user_) retired_.push_back(std::move(user_));
  if (system_) retired_.push_back(std::move(system_));
  user_ = std::make_unique<HiveFile>(root + "/user.reg");
  system_ = std::make_unique<HiveFile>(root + "/system.reg");
}

HiveFile* Registry::Hive(bool user) {
  CheckGeneration();
  return user ? user_.get() : system_.get();
}

bool Registry::Lookup(HKEY handle, Key& key) {
  std::lock_guard lock(mutex_);
  key = Key{};
  key.access = KEY_ALL_ACCESS;
  key.predefined = true;
  if (handle == HKEY_CURRENT_USER) {
    key.hive = Hive(true);
    key.path = {"HKEY_CURRENT_USER"};
  } else if (handle == HKEY_LOCAL_MACHINE) {
    key.hive = Hive(false);
    key.path = {"HKEY_LOCAL_MACHINE"};
  } else if (handle == HKEY_CLASSES_ROOT) {
    key.hive = Hive(false);
    key.path = {"HKEY_LOCAL_MACHINE", "SOFTWARE", "Classes"};
  } else if (handle == HKEY_USERS) {
    key.hive = Hive(false);
    key.path = {"HKEY_USERS"};
  } else if (handle == HKEY_CURRENT_CONFIG) {
    key.hive = Hive(false);
    key.path = {"HKEY_CURRENT_CONFIG"};
  } else {
    auto it = handles_.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == handles_.end()) return false;
    key = it->second;
  }
  return true;
}

HKEY Registry::Add(Key key) {
  std::lock_guard lock(mutex_);
  key.predefined = false;
  std::uintptr_t value = next_;
  next_ += 4;
  handles_.emplace(value, std::move(key));
  return reinterpret_cast<HKEY>(value);
}

bool Registry::Close(HKEY handle) {
  std::lock_guard lock(mutex_);
  return handles_.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0;
}

LONG Registry::SplitPath(const char* subKey, std::vector<std::string>& names) {
  names.clear();
  std::string_view path = subKey ? subKey : "";
  if (path.empty()) return ERROR_SUCCESS;
  if (path[0] == '\\') return ERROR_BAD_PATHNAME;
  if (path.back() == '\\') path.remove_suffix(1);
  for (size_t start = 0;;) {
    size_t slash = path.find('\\', start);
    std::string_view name = path.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    if (name.empty()) return ERROR_BAD_PATHNAME;
    if (name.size() > kMaxKeyName) return ERROR_INVALID_PARAMETER;
    for (char c : name) {
      // Line breaks would break the hive's text form; Windows allows them, this layer does not.
      if (c == '\r' || c == '\n') return ERROR_INVALID_PARAMETER;
    }
    names.emplace_back(name);
    if (slash == std::string_view::npos) return ERROR_SUCCESS;
    start = slash + 1;
  }
}

RegistryKey* Registry::Walk(const RegistryKey& top, const std::vector<std::string>& path) {
  const RegistryKey* key = &top;
  for (const std::string& name : path) {
    key = key->Find(name);
    if (!key) return nullptr;
  }
  return const_cast<RegistryKey*>(key);
}
