#include "Wildcard.h"

bool Wildcard::HasWildcards(std::u32string_view pattern) {
  return pattern.find_first_of(U"*?") != std::u32string_view::npos;
}

bool Wildcard::MatchFrom(std::u32string_view pattern, std::u32string_view name) {
  while (!pattern.empty()) {
    char32_t p = pattern.front();
    if (p == U'*') {
      pattern.remove_prefix(1);
      if (pattern.empty()) return true;
      for (size_t skip = 0; skip <= name.size(); ++skip) {
        if (MatchFrom(pattern, name.substr(skip))) return true;
      }
      return false;
    }
    if (p == U'?') {
      pattern.remove_prefix(1);
      if (name.empty() || name.front() == U'.') {
        // Matches nothing at the end of the name or before its dot.
        if (MatchFrom(pattern, name)) return true;
        if (name.empty()) return false;
      }
      name.remove_prefix(1);
      continue;
    }
    if (p == U'.' && name.empty()) {
      // A trailing "." or ".*" also matches a name without an extension.
      std::u32string_view rest = pattern.substr(1);
      return rest.empty() || rest == U"*";
    }
    if (name.empty() || name.front() != p) return false;
    pattern.remove_prefix(1);
    name.remove_prefix(1);
  }
  return name.empty();
}

bool Wildcard::Match(std::u32string_view pattern, std::u32string_view name) {
  if (pattern == U"*" || pattern == U"*.*") return true;
  if (pattern == U"*.") return name == U"." || name == U".." || name.find(U'.') == std::u32string_view::npos;
  return MatchFrom(pattern, name);
}
