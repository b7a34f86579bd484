// DOS wildcard matching as FindFirstFile does it, on folded names: '*' matches any run, '?'
// one character or none at the end or before a dot, "*.*" every name, "*." names without an
// extension, and "name.*" also "name".
#pragma once

#include <string_view>

class Wildcard {
 public:
  static bool Match(std::u32string_view pattern, std::u32string_view name);
  static bool HasWildcards(std::u32string_view pattern);

 private:
  static bool MatchFrom(std::u32string_view pattern, std::u32string_view name);
};
