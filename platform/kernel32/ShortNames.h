// 8.3 aliases as the NT family makes them: "Program Files" is PROGRA~1. Names that are valid
// 8.3 names already have no alias.
#pragma once

#include <string>
#include <vector>

class ShortNames {
 public:
  static bool IsValid83(std::u32string_view name);
  // Aliases (upper-case ASCII, "" for valid 8.3 names) for the names of one folder, which must
  // be given sorted by their folded form: numbers are handed out in that order.
  static std::vector<std::string> Generate(const std::vector<std::u32string>& foldedNames);

 private:
  static std::string Basis(std::u32string_view folded, std::string& extension);
  static bool IsValid83Char(char32_t c);
};
