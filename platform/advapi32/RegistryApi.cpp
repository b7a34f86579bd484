// The Reg* functions. They return their error code and leave GetLastError alone.
#include <algorithm>
#include <cstring>

#include "Registry.h"

namespace {

constexpr DWORD kMaxValueSize = 16u << 20;

// The key of a handle within the hive contents; nullptr when it was deleted. Predefined keys
// exist even before anything was stored under them.
const RegistryKey* Existing(const RegistryKey& top, const Registry::Key& key) {
  static const RegistryKey empty;
  const RegistryKey* found = Registry::Walk(top, key.path);
  return found ? found : key.predefined ? &empty : nullptr;
}

RegistryKey* Writable(RegistryKey& top, const Registry::Key& key) {
  RegistryKey* found = Registry::Walk(top, key.path);
  if (found || !key.predefined) return found;
  RegistryKey* walk = &top;
  bool created;
  for (const std::string& name : key.path) walk = &walk->Obtain(name, created);
  return walk;
}

LONG LookupHandle(HKEY handle, Registry::Key& key) {
  return Registry::Instance().Lookup(handle, key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

// Copies a name out with the enumeration convention: *size is the buffer size with the NUL on
// input and the length without it on output.
LONG CopyName(const std::string& name, LPSTR buffer, LPDWORD size) {
  if (!buffer || !size) return ERROR_INVALID_PARAMETER;
  if (*size <= name.size()) return ERROR_MORE_DATA;
  std::memcpy(buffer, name.c_str(), name.size() + 1);
  *size = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// Copies value data out with the query convention.
LONG CopyData(const RegistryValue& value, LPDWORD type, LPBYTE data, LPDWORD size) {
  if (type) *type = value.type;
  if (data && !size) return ERROR_INVALID_PARAMETER;
  DWORD needed = static_cast<DWORD>(value.data.size());
  if (!size) return ERROR_SUCCESS;
  if (!data) {
    *size = needed;
    return ERROR_SUCCESS;
  }
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value.data.data(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LONG OpenOrCreate(HKEY hKey, LPCSTR lpSubKey, REGSAM samDesired, bool create, PHKEY phkResult, LPDWORD disposition) {
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  Registry::Key parent;
  if (LONG error = LookupHandle(hKey, parent)) return error;
  std::vector<std::string> names;
  if (LONG error = Registry::SplitPath(lpSubKey, names)) return error;
  if (create && !names.empty() && !(parent.access & KEY_CREATE_SUB_KEY)) return ERROR_ACCESS_DENIED;
  Registry::Key child = parent;
  child.path.insert(child.path.end(), names.begin(), names.end());
  if (child.path.size() - 1 > RegistryKey::kMaxDepth) return ERROR_INVALID_PARAMETER;
  child.access = samDesired;
  child.predefined = false;
  bool createdNew = false;
  LONG result;
  if (create) {
    // Only the last name can be new where nothing was new above it, so a change is a new key.
    result = parent.hive->Modify(
        [parent, names](RegistryKey& top, bool& changed) {
          RegistryKey* key = Writable(top, parent);
          if (!key) return static_cast<LONG>(ERROR_KEY_DELETED);
          for (const std::string& name : names) {
            bool created = false;
            key = &key->Obtain(name, created);
            changed = changed || created;
          }
          return static_cast<LONG>(ERROR_SUCCESS);
        },
        &createdNew);
  } else {
    result = parent.hive->Read([&](const RegistryKey& top) {
      const RegistryKey* key = Existing(top, parent);
      if (!key) return static_cast<LONG>(ERROR_KEY_DELETED);
      return static_cast<LONG>(Registry::Walk(*key, names) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
    });
  }
  if (result != ERROR_SUCCESS) return result;
  if (disposition) *disposition = createdNew ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  *phkResult = Registry::Instance().Add(std::move(child));
  return ERROR_SUCCESS;
}

// Runs a read on the key behind a handle that needs `right`.
template <class Work>
LONG ReadKey(HKEY hKey, REGSAM right, Work work) {
  Registry::Key key;
  if (LONG error = LookupHandle(hKey, key)) return error;
  if (right && !(key.access & right)) return ERROR_ACCESS_DENIED;
  return key.hive->Read([&](const RegistryKey& top) {
    const RegistryKey* found = Existing(top, key);
    return found ? work(*found, key) : static_cast<LONG>(ERROR_KEY_DELETED);
  });
}

template <class Change>
LONG ModifyKey(HKEY hKey, REGSAM right, Change change) {
  Registry::Key key;
  if (LONG error = LookupHandle(hKey, key)) return error;
  if (right && !(key.access & right)) return ERROR_ACCESS_DENIED;
  return key.hive->Modify([key, change](RegistryKey& top, bool& changed) {
    RegistryKey* found = Writable(top, key);
    return found ? change(*found, changed) : static_cast<LONG>(ERROR_KEY_DELETED);
  });
}

std::string ValueName(LPCSTR name) { return name ? name : ""; }

}  // namespace

extern "C" {

LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                               const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  return OpenOrCreate(hKey, lpSubKey, samDesired, true, phkResult, lpdwDisposition);
}

LSTATUS WINAPI RegCreateKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey ? lpSubKey : "", KEY_ALL_ACCESS, true, phkResult, nullptr);
}

LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, samDesired, false, phkResult, nullptr);
}

LSTATUS WINAPI RegOpenKeyA(HKEY hKey, LPCSTR lpSubKey, PHKEY phkResult) {
  return OpenOrCreate(hKey, lpSubKey, KEY_ALL_ACCESS, false, phkResult, nullptr);
}

LSTATUS WINAPI RegCloseKey(HKEY hKey) {
  Registry::Key key;
  if (!Registry::Instance().Lookup(hKey, key)) return ERROR_INVALID_HANDLE;
  if (!key.predefined) Registry::Instance().Close(hKey);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
  if (!lpData && cbData) return ERROR_NOACCESS;
  if (cbData > kMaxValueSize) return ERROR_INVALID_PARAMETER;
  std::string data(reinterpret_cast<const char*>(lpData), lpData ? cbData : 0);
  return ModifyKey(hKey, KEY_SET_VALUE, [name = ValueName(lpValueName), dwType, data](RegistryKey& key, bool& changed) {
    const RegistryValue* old = key.FindValue(name);
    changed = !old || old->type != dwType || old->data != data;
    if (changed) key.SetValue(name, dwType, data);
    return static_cast<LONG>(ERROR_SUCCESS);
  });
}

LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData) {
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  return ReadKey(hKey, KEY_QUERY_VALUE, [&](const RegistryKey& key, const Registry::Key&) {
    const RegistryValue* value = key.FindValue(ValueName(lpValueName));
    return value ? CopyData(*value, lpType, lpData, lpcbData) : static_cast<LONG>(ERROR_FILE_NOT_FOUND);
  });
}

LSTATUS WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  return ModifyKey(hKey, KEY_SET_VALUE, [name = ValueName(lpValueName)](RegistryKey& key, bool& changed) {
    changed = key.RemoveValue(name);
    return static_cast<LONG>(changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
  });
}

// As on NT, a key with subkeys is not deleted: callers delete the children first.
LSTATUS WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  Registry::Key parent;
  if (LONG error = LookupHandle(hKey, parent)) return error;
  std::vector<std::string> names;
  if (LONG error = Registry::SplitPath(lpSubKey, names)) return error;
  std::vector<std::string> target = parent.path;
  target.insert(target.end(), names.begin(), names.end());
  if (target.size() <= 1 || (parent.predefined && names.empty())) return ERROR_ACCESS_DENIED;
  return parent.hive->Modify([parent, target](RegistryKey& top, bool& changed) {
    if (!Registry::Walk(top, parent.path) && !parent.predefined) return static_cast<LONG>(ERROR_KEY_DELETED);
    std::vector<std::string> above(target.begin(), target.end() - 1);
    RegistryKey* container = Registry::Walk(top, above);
    RegistryKey* victim = container ? container->Find(target.back()) : nullptr;
    if (!victim) return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
    if (!victim->Subkeys().empty()) return static_cast<LONG>(ERROR_ACCESS_DENIED);
    changed = container->RemoveSubkey(target.back());
    return static_cast<LONG>(ERROR_SUCCESS);
  });
}

LSTATUS WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                             LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  if (lpReserved) return ERROR_INVALID_PARAMETER;
  HiveFile* hive = nullptr;
  LONG status = ReadKey(hKey, KEY_ENUMERATE_SUB_KEYS, [&](const RegistryKey& key, const Registry::Key& handle) {
    if (dwIndex >= key.Subkeys().size()) return static_cast<LONG>(ERROR_NO_MORE_ITEMS);
    LONG result = CopyName(key.Subkeys()[dwIndex]->Name(), lpName, lpcchName);
    if (result != ERROR_SUCCESS) return result;
    if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    hive = handle.hive;
    return static_cast<LONG>(ERROR_SUCCESS);
  });
  // Asked after the read: the hive's time takes the lock the read holds.
  if (status == ERROR_SUCCESS && lpftLastWriteTime) *lpftLastWriteTime = hive->LastWrite();
  return status;
}

LSTATUS WINAPI RegEnumKeyA(HKEY hKey, DWORD dwIndex, LPSTR lpName, DWORD cchName) {
  return RegEnumKeyExA(hKey, dwIndex, lpName, &cchName, nullptr, nullptr, nullptr, nullptr);
}

LSTATUS WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
                             LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  return ReadKey(hKey, KEY_QUERY_VALUE, [&](const RegistryKey& key, const Registry::Key&) {
    if (dwIndex >= key.Values().size()) return static_cast<LONG>(ERROR_NO_MORE_ITEMS);
    const RegistryValue& value = *key.Values()[dwIndex];
    LONG result = CopyName(value.name, lpValueName, lpcchValueName);
    return result != ERROR_SUCCESS ? result : CopyData(value, lpType, lpData, lpcbData);
  });
}

LSTATUS WINAPI RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved, LPDWORD lpcSubKeys,
                                LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                                LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                                PFILETIME lpftLastWriteTime) {
  if (lpReserved || (lpClass && !lpcchClass)) return ERROR_INVALID_PARAMETER;
  HiveFile* hive = nullptr;
  LONG status = ReadKey(hKey, KEY_QUERY_VALUE, [&](const RegistryKey& key, const Registry::Key& handle) {
    if (lpClass && *lpcchClass) *lpClass = '\0';
    if (lpcchClass) *lpcchClass = 0;
    DWORD longestKey = 0, longestName = 0, longestData = 0;
    for (const RegistryKey* subkey : key.Subkeys()) longestKey = std::max<DWORD>(longestKey, static_cast<DWORD>(subkey->Name().size()));
    for (const RegistryValue* value : key.Values()) {
      longestName = std::max<DWORD>(longestName, static_cast<DWORD>(value->name.size()));
      longestData = std::max<DWORD>(longestData, static_cast<DWORD>(value->data.size()));
    }
    if (lpcSubKeys) *lpcSubKeys = static_cast<DWORD>(key.Subkeys().size());
    if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = longestKey;
    if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
    if (lpcValues) *lpcValues = static_cast<DWORD>(key.Values().size());
    if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = longestName;
    if (lpcbMaxValueLen) *lpcbMaxValueLen = longestData;
    if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
    hive = handle.hive;
    return static_cast<LONG>(ERROR_SUCCESS);
  });
  // Asked after the read: the hive's time takes the lock the read holds.
  if (status == ERROR_SUCCESS && lpftLastWriteTime) *lpftLastWriteTime = hive->LastWrite();
  return status;
}

// Saves the changes the key's hive holds back, durably, before returning.
LSTATUS WINAPI RegFlushKey(HKEY hKey) {
  Registry::Key key;
  if (LONG error = LookupHandle(hKey, key)) return error;
  return key.hive->SavePending();
}

}
