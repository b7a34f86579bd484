// The text form of a registry hive: the registry-export syntax ("REGEDIT4" header, [key]
// lines with the full root name, "name"=data value lines) in UTF-8. Names and string data are
// code page 1250 in memory. Every key is written, also keys without values, so that an empty
// key survives. REG_SZ data that would not read back identically as "text" is written in
// hex(1) form.
#pragma once

#include <string>
#include <string_view>

#include "RegistryKey.h"

class HiveText {
 public:
  // Parses into `top`, whose subkeys are the roots ("HKEY_CURRENT_USER", ...). On failure
  // `error` says where and what; `top` is then incomplete and must not be used.
  static bool Parse(std::string_view text, RegistryKey& top, std::string& error);
  static std::string Write(const RegistryKey& top);

  static bool IsRootName(std::string_view name);

 private:
  // Writes `key` and its subtree; `path` is the parent's path in UTF-8, lengthened for the
  // subtree and given back as it came. Keys nest at most RegistryKey::kMaxDepth deep.
  static void WriteKey(const RegistryKey& key, std::string& path, std::string& out);
  static void WriteValue(const RegistryValue& value, std::string& out);
  static std::string Quote(std::string_view ansi);
  static bool PlainString(const RegistryValue& value);
};
