#include "TRegistry.h"

#include <cstring>
#include <vector>

using enum TRegDataType;

TAWO_IMPLEMENT_CLASS(TRegistry)

namespace {

constexpr DWORD kMaxKeyName = 256;      // 255 characters and the NUL
constexpr DWORD kMaxValueName = 16384;  // 16,383 characters and the NUL

TRegDataType DataTypeOf(DWORD type) {
  switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

std::vector<AnsiString> SubKeyNames(HKEY key) {
  std::vector<AnsiString> names;
  char name[kMaxKeyName];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

std::vector<AnsiString> ValueNames(HKEY key) {
  std::vector<AnsiString> names;
  std::vector<char> name(kMaxValueName);
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumValueA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), length);
  }
  return names;
}

// A whole value: its type and bytes.
LONG QueryValue(HKEY key, const AnsiString& name, DWORD& type, std::vector<BYTE>& data) {
  DWORD size = 0;
  if (LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size)) return result;
  data.resize(size);
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
  data.resize(size);
  return result;
}

void FillList(TStrings& list, const std::vector<AnsiString>& names) {
  list.BeginUpdate();
  list.Clear();
  for (const AnsiString& name : names) list.Add(name);
  list.EndUpdate();
}

}  // namespace

TRegistry::TRegistry() = default;

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY value) {
  if (value == FRootKey) return;
  CloseKey();
  FRootKey = value;
}

AnsiString TRegistry::SubKeyName(const AnsiString& key) {
  std::size_t begin = !key.empty() && key[0] == '\\' ? 1 : 0;
  std::size_t end = key.size();
  while (end > begin && key[end - 1] == '\\') --end;
  return key.substr(begin, end - begin);
}

AnsiString TRegistry::PathOf(const AnsiString& key) const {
  const AnsiString name = SubKeyName(key);
  if (!IsRelative(key) || !FCurrentKey || FCurrentPath.empty()) return name;
  return name.empty() ? FCurrentPath : FCurrentPath + "\\" + name;
}

void TRegistry::ChangeKey(HKEY value, const AnsiString& path) {
  CloseKey();
  FCurrentKey = value;
  FCurrentPath = path;
}

HKEY TRegistry::OpenSubKey(const AnsiString& key, REGSAM access) const {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(GetBaseKey(IsRelative(key)), SubKeyName(key).c_str(), 0, access, &opened) != ERROR_SUCCESS) {
    return nullptr;
  }
  return opened;
}

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate) {
  HKEY opened = nullptr;
  const AnsiString name = SubKeyName(key);
  const LONG result =
      canCreate ? RegCreateKeyExA(GetBaseKey(IsRelative(key)), name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  FAccess, nullptr, &opened, nullptr)
                : RegOpenKeyExA(GetBaseKey(IsRelative(key)), name.c_str(), 0, FAccess, &opened);
  if (result != ERROR_SUCCESS) return false;
  ChangeKey(opened, PathOf(key));
  return true;
}

bool TRegistry::OpenKeyReadOnly(const AnsiString& key) {
  // Narrower rights for keys whose full read access is refused.
  for (REGSAM access : {static_cast<REGSAM>(KEY_READ), static_cast<REGSAM>(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS),
                        static_cast<REGSAM>(KEY_QUERY_VALUE)}) {
    if (HKEY opened = OpenSubKey(key, access)) {
      ChangeKey(opened, PathOf(key));
      return true;
    }
  }
  return false;
}

void TRegistry::CloseKey() {
  if (!FCurrentKey) return;
  if (!FLazyWrite) RegFlushKey(FCurrentKey);
  RegCloseKey(FCurrentKey);
  FCurrentKey = nullptr;
  FCurrentPath.clear();
}

bool TRegistry::CreateKey(const AnsiString& key) {
  HKEY created = nullptr;
  if (RegCreateKeyExA(GetBaseKey(IsRelative(key)), SubKeyName(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      FAccess, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    Fail(SRegCreateFailed, key);
  }
  RegCloseKey(created);
  return true;
}

bool TRegistry::KeyExists(const AnsiString& key) {
  HKEY opened = OpenSubKey(key, KEY_READ);
  if (!opened) return false;
  RegCloseKey(opened);
  return true;
}

bool TRegistry::DeleteKey(const AnsiString& key) {
  const AnsiString name = SubKeyName(key);
  return !name.empty() && DeleteTree(GetBaseKey(IsRelative(key)), name);
}

// The registry refuses to delete a key that has subkeys, so the children go first.
bool TRegistry::DeleteTree(HKEY parent, const AnsiString& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    const std::vector<AnsiString> children = SubKeyNames(key);
    for (auto child = children.rbegin(); child != children.rend(); ++child) DeleteTree(key, *child);
    RegCloseKey(key);
  }
  return RegDeleteKeyA(parent, name.c_str()) == ERROR_SUCCESS;
}

void TRegistry::MoveKey(const AnsiString& oldName, const AnsiString& newName, bool deleteOld) {
  const AnsiString oldPath = PathOf(oldName);
  const AnsiString newPath = PathOf(newName);
  // A key copied into its own subtree would keep copying itself.
  const bool intoItself = SameText(newPath, oldPath) ||
                          (newPath.size() > oldPath.size() && SameText(newPath.substr(0, oldPath.size() + 1), oldPath + "\\"));
  if (oldPath.empty() || intoItself || !KeyExists(oldName) || KeyExists(newName)) return;
  HKEY source = OpenSubKey(oldName, KEY_READ);
  HKEY target = nullptr;
  if (source && RegCreateKeyExA(GetBaseKey(IsRelative(newName)), SubKeyName(newName).c_str(), 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &target, nullptr) == ERROR_SUCCESS) {
    CopyTree(source, target);
    RegCloseKey(target);
  }
  if (source) RegCloseKey(source);
  if (target && deleteOld) DeleteKey(oldName);
}

void TRegistry::CopyTree(HKEY source, HKEY target) {
  CopyValues(source, target);
  for (const AnsiString& name : SubKeyNames(source)) {
    HKEY from = nullptr;
    HKEY to = nullptr;
    if (RegOpenKeyExA(source, name.c_str(), 0, KEY_READ, &from) != ERROR_SUCCESS) continue;
    if (RegCreateKeyExA(target, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &to,
                        nullptr) == ERROR_SUCCESS) {
      CopyTree(from, to);
      RegCloseKey(to);
    }
    RegCloseKey(from);
  }
}

void TRegistry::CopyValues(HKEY source, HKEY target) {
  DWORD type = 0;
  std::vector<BYTE> data;
  for (const AnsiString& name : ValueNames(source)) {
    if (QueryValue(source, name, type, data) == ERROR_SUCCESS) {
      RegSetValueExA(target, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
    }
  }
}

bool TRegistry::GetKeyInfo(TRegKeyInfo& info) {
  info = TRegKeyInfo{};
  DWORD subKeys = 0, maxSubKeyLen = 0, values = 0, maxValueLen = 0, maxDataLen = 0;
  if (RegQueryInfoKeyA(FCurrentKey, nullptr, nullptr, nullptr, &subKeys, &maxSubKeyLen, nullptr, &values, &maxValueLen,
                       &maxDataLen, nullptr, &info.FileTime) != ERROR_SUCCESS) {
    return false;
  }
  info.NumSubKeys = static_cast<int>(subKeys);
  info.MaxSubKeyLen = static_cast<int>(maxSubKeyLen);
  info.NumValues = static_cast<int>(values);
  info.MaxValueLen = static_cast<int>(maxValueLen);
  info.MaxDataLen = static_cast<int>(maxDataLen);
  return true;
}

bool TRegistry::HasSubKeys() {
  TRegKeyInfo info;
  return GetKeyInfo(info) && info.NumSubKeys > 0;
}

void TRegistry::GetKeyNames(TStrings& list) { FillList(list, SubKeyNames(FCurrentKey)); }
void TRegistry::GetValueNames(TStrings& list) { FillList(list, ValueNames(FCurrentKey)); }

bool TRegistry::GetDataInfo(const AnsiString& valueName, TRegDataInfo& value) {
  value = TRegDataInfo{};
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(FCurrentKey, valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  value.RegData = DataTypeOf(type);
  value.DataSize = static_cast<int>(size);
  return true;
}

bool TRegistry::ValueExists(const AnsiString& name) {
  TRegDataInfo info;
  return GetDataInfo(name, info);
}

int TRegistry::GetDataSize(const AnsiString& valueName) {
  TRegDataInfo info;
  return GetDataInfo(valueName, info) ? info.DataSize : -1;
}

TRegDataType TRegistry::GetDataType(const AnsiString& valueName) {
  TRegDataInfo info;
  GetDataInfo(valueName, info);
  return info.RegData;
}

bool TRegistry::DeleteValue(const AnsiString& name) {
  return RegDeleteValueA(FCurrentKey, name.c_str()) == ERROR_SUCCESS;
}

void TRegistry::RenameValue(const AnsiString& oldName, const AnsiString& newName) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (ValueExists(newName) || QueryValue(FCurrentKey, oldName, type, data) != ERROR_SUCCESS) return;
  if (RegSetValueExA(FCurrentKey, newName.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())) ==
      ERROR_SUCCESS) {
    DeleteValue(oldName);
  }
}

void TRegistry::Fail(const char* message, const AnsiString& name) {
  throw ERegistryException(Format(message, {name}));
}

void TRegistry::PutData(const AnsiString& name, const void* buffer, int size, DWORD type) {
  if (RegSetValueExA(FCurrentKey, name.c_str(), 0, type, static_cast<const BYTE*>(buffer),
                     static_cast<DWORD>(size)) != ERROR_SUCCESS) {
    Fail(SRegSetDataFailed, name);
  }
}

void TRegistry::GetFixedData(const AnsiString& name, void* buffer, int size, DWORD type) {
  DWORD actualType = 0;
  std::vector<BYTE> data;
  if (QueryValue(FCurrentKey, name, actualType, data) != ERROR_SUCCESS) Fail(SRegGetDataFailed, name);
  if (actualType != type || data.size() != static_cast<std::size_t>(size)) Fail(SInvalidRegType, name);
  std::memcpy(buffer, data.data(), data.size());
}

AnsiString TRegistry::ReadString(const AnsiString& name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (QueryValue(FCurrentKey, name, type, data) != ERROR_SUCCESS) return AnsiString();
  if (type != REG_SZ && type != REG_EXPAND_SZ) Fail(SInvalidRegType, name);
  const auto* text = reinterpret_cast<const char*>(data.data());
  return AnsiString(text, strnlen(text, data.size()));
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value) {
  PutData(name, value.c_str(), static_cast<int>(value.size() + 1), REG_SZ);
}

void TRegistry::WriteExpandString(const AnsiString& name, const AnsiString& value) {
  PutData(name, value.c_str(), static_cast<int>(value.size() + 1), REG_EXPAND_SZ);
}

int TRegistry::ReadInteger(const AnsiString& name) {
  int32_t value = 0;
  GetFixedData(name, &value, sizeof value, REG_DWORD);
  return value;
}

void TRegistry::WriteInteger(const AnsiString& name, int value) {
  const int32_t stored = value;
  PutData(name, &stored, sizeof stored, REG_DWORD);
}

double TRegistry::ReadFloat(const AnsiString& name) {
  double value = 0;
  GetFixedData(name, &value, sizeof value, REG_BINARY);
  return value;
}

void TRegistry::WriteFloat(const AnsiString& name, double value) { PutData(name, &value, sizeof value, REG_BINARY); }

int TRegistry::ReadBinaryData(const AnsiString& name, void* buffer, int bufferSize) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (QueryValue(FCurrentKey, name, type, data) != ERROR_SUCCESS) Fail(SRegGetDataFailed, name);
  if ((type != REG_BINARY && DataTypeOf(type) != rdUnknown) || data.size() > static_cast<std::size_t>(bufferSize)) {
    Fail(SInvalidRegType, name);
  }
  if (!data.empty()) std::memcpy(buffer, data.data(), data.size());
  return static_cast<int>(data.size());
}

void TRegistry::WriteBinaryData(const AnsiString& name, const void* buffer, int size) {
  PutData(name, buffer, size, REG_BINARY);
}
