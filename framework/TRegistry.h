// Unit Registry: TRegistry, one open key at a time below a root key, with typed values.
#pragma once

#include "Registry.h"
#include "TStrings.h"

#include <windows.h>

class TRegistry : public TObject {
  TAWO_CLASS(TRegistry, TObject)

 public:
  // HKEY_CURRENT_USER, KEY_ALL_ACCESS (or `access`), lazy writing, no key open.
  TRegistry();
  explicit TRegistry(REGSAM access);
  ~TRegistry() override;
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  HKEY RootKey() const { return FRootKey; }
  // Closes the current key when the root changes.
  void SetRootKey(HKEY value);
  REGSAM Access() const { return FAccess; }
  void SetAccess(REGSAM value) { FAccess = value; }
  bool LazyWrite() const { return FLazyWrite; }
  void SetLazyWrite(bool value) { FLazyWrite = value; }
  // The open key (null when none) and its path below the root, without a leading '\'.
  HKEY CurrentKey() const { return FCurrentKey; }
  const AnsiString& CurrentPath() const { return FCurrentPath; }

  // Key names starting with '\' are taken from the root key, others from the current key
  // (or the root when none is open). Failure leaves everything as it was and returns false.
  bool OpenKey(const AnsiString& key, bool canCreate);
  // Opens an existing key with read rights only; writes through it fail.
  bool OpenKeyReadOnly(const AnsiString& key);
  void CloseKey();
  // Creates the key (and missing parents) without opening it; ERegistryException on failure.
  bool CreateKey(const AnsiString& key);
  bool KeyExists(const AnsiString& key);
  // Deletes the key with all its subkeys. False when it is missing or cannot be deleted; an
  // empty name (which would name the root or the current key) deletes nothing.
  bool DeleteKey(const AnsiString& key);
  // Copies a key with its subtree to a new name (relative names as OpenKey), optionally
  // deleting the old one. Nothing happens when the old key is missing or the new one exists.
  void MoveKey(const AnsiString& oldName, const AnsiString& newName, bool deleteOld);
  bool GetKeyInfo(TRegKeyInfo& info);
  bool HasSubKeys();
  // Replace the list's contents with the current key's subkey or value names.
  void GetKeyNames(TStrings& list);
  void GetValueNames(TStrings& list);

  bool ValueExists(const AnsiString& name);
  bool DeleteValue(const AnsiString& name);
  // Nothing happens when the old value is missing or the new name is taken.
  void RenameValue(const AnsiString& oldName, const AnsiString& newName);
  bool GetDataInfo(const AnsiString& valueName, TRegDataInfo& value);
  // Bytes, or -1 when the value is missing.
  int GetDataSize(const AnsiString& valueName);
  TRegDataType GetDataType(const AnsiString& valueName);

  // '' when missing; a string or expandable string value, cut at its first NUL.
  AnsiString ReadString(const AnsiString& name);
  void WriteString(const AnsiString& name, const AnsiString& value);
  AnsiString ReadExpandString(const AnsiString& name) { return ReadString(name); }
  void WriteExpandString(const AnsiString& name, const AnsiString& value);
  int ReadInteger(const AnsiString& name);
  void WriteInteger(const AnsiString& name, int value);
  bool ReadBool(const AnsiString& name) { return ReadInteger(name) != 0; }
  void WriteBool(const AnsiString& name, bool value) { WriteInteger(name, value ? 1 : 0); }
  // Doubles stored as 8 binary bytes.
  double ReadFloat(const AnsiString& name);
  void WriteFloat(const AnsiString& name, double value);
  TDateTime ReadDate(const AnsiString& name) { return ReadFloat(name); }
  void WriteDate(const AnsiString& name, TDateTime value) { WriteFloat(name, value); }
  TDateTime ReadTime(const AnsiString& name) { return ReadFloat(name); }
  void WriteTime(const AnsiString& name, TDateTime value) { WriteFloat(name, value); }
  TDateTime ReadDateTime(const AnsiString& name) { return ReadFloat(name); }
  void WriteDateTime(const AnsiString& name, TDateTime value) { WriteFloat(name, value); }
  // The value's size; it must be binary and fit in `bufferSize`.
  int ReadBinaryData(const AnsiString& name, void* buffer, int bufferSize);
  void WriteBinaryData(const AnsiString& name, const void* buffer, int size);

 protected:
  // The key a name is taken from.
  HKEY GetBaseKey(bool relative) const { return relative && FCurrentKey ? FCurrentKey : FRootKey; }
  // Opens an existing key with `access`; null when it fails. The caller closes it.
  HKEY OpenSubKey(const AnsiString& key, REGSAM access) const;
  // Replaces the current key without closing it, for reading through a subkey for a while.
  void SetCurrentKey(HKEY value) { FCurrentKey = value; }

 private:
  static bool IsRelative(const AnsiString& key) { return key.empty() || key[0] != '\\'; }
  // The name as the Reg* API takes it: no leading or trailing '\'.
  static AnsiString SubKeyName(const AnsiString& key);
  AnsiString PathOf(const AnsiString& key) const;
  void ChangeKey(HKEY value, const AnsiString& path);
  static bool DeleteTree(HKEY parent, const AnsiString& name);
  static void CopyTree(HKEY source, HKEY target);
  static void CopyValues(HKEY source, HKEY target);
  void PutData(const AnsiString& name, const void* buffer, int size, DWORD type);
  // Reads a value of `type` whose size must be exactly `size`.
  void GetFixedData(const AnsiString& name, void* buffer, int size, DWORD type);
  [[noreturn]] static void Fail(const char* message, const AnsiString& name);

  HKEY FRootKey = HKEY_CURRENT_USER;
  REGSAM FAccess = KEY_ALL_ACCESS;
  bool FLazyWrite = true;
  HKEY FCurrentKey = nullptr;
  AnsiString FCurrentPath;
};
