// Finds font files by family name through fontconfig, with results cached per request.
#pragma once

#include <optional>
#include <string>

struct FontFile {
  std::string path;
  int index = 0;
  std::string family;  // the family fontconfig answered with
  bool bold = false;
  bool italic = false;
  bool monospace = false;
};

namespace fontconfig_lookup {

// The best file fontconfig has for the family in that style (it always answers with some
// font when any is installed); nothing when fontconfig finds no file at all.
std::optional<FontFile> Match(const std::string& family, bool bold, bool italic);

}  // namespace fontconfig_lookup
