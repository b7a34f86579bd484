#include "ShortNames.h"

#include <cstdio>
#include <set>

bool ShortNames::IsValid83Char(char32_t c) {
  if (c >= U'A' && c <= U'Z') return true;
  if (c >= U'a' && c <= U'z') return true;
  if (c >= U'0' && c <= U'9') return true;
  return std::u32string_view(U"!#$%&'()-@^_`{}~").find(c) != std::u32string_view::npos;
}

bool ShortNames::IsValid83(std::u32string_view name) {
  if (name.empty() || name == U"." || name == U"..") return true;
  size_t dot = name.find(U'.');
  if (dot != std::u32string_view::npos && name.find(U'.', dot + 1) != std::u32string_view::npos) return false;
  std::u32string_view base = name.substr(0, dot);
  std::u32string_view extension = dot == std::u32string_view::npos ? U"" : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || extension.size() > 3) return false;
  for (char32_t c : name) {
    if (c != U'.' && !IsValid83Char(c)) return false;
  }
  return true;
}

// The cleaned upper-case base and extension that aliases are built from.
std::string ShortNames::Basis(std::u32string_view folded, std::string& extension) {
  std::u32string cleaned;
  for (char32_t c : folded) {
    if (c != U' ') cleaned.push_back(c);
  }
  size_t first = cleaned.find_first_not_of(U'.');
  cleaned = first == std::u32string::npos ? U"" : cleaned.substr(first);
  size_t lastDot = cleaned.rfind(U'.');
  std::u32string base = cleaned.substr(0, lastDot);
  std::u32string ext = lastDot == std::u32string::npos ? U"" : cleaned.substr(lastDot + 1);
  auto toAscii = [](const std::u32string& text, size_t limit) {
    std::string out;
    for (char32_t c : text) {
      if (c == U'.') continue;
      if (out.size() == limit) break;
      out.push_back(IsValid83Char(c) ? static_cast<char>(c) : '_');
    }
    return out;
  };
  extension = toAscii(ext, 3);
  std::string result = toAscii(base, 6);
  return result.empty() ? "_" : result;
}

std::vector<std::string> ShortNames::Generate(const std::vector<std::u32string>& foldedNames) {
  std::set<std::string> taken;
  for (const std::u32string& name : foldedNames) {
    if (IsValid83(name)) taken.insert(std::string(name.begin(), name.end()));
  }
  std::vector<std::string> aliases;
  aliases.reserve(foldedNames.size());
  for (const std::u32string& name : foldedNames) {
    if (IsValid83(name)) {
      aliases.emplace_back();
      continue;
    }
    std::string extension;
    std::string base = Basis(name, extension);
    std::string suffix = extension.empty() ? "" : "." + extension;
    std::string alias;
    for (int n = 1; n <= 4 && alias.empty(); ++n) {
      std::string candidate = base + "~" + std::to_string(n) + suffix;
      if (!taken.count(candidate)) alias = candidate;
    }
    unsigned hash = 0;
    for (char32_t c : name) hash = (hash * 31 + static_cast<unsigned>(c)) & 0xFFFF;
    for (int n = 1; alias.empty(); ++n) {
      char hashed[32];
      std::snprintf(hashed, sizeof hashed, "%.2s%04X~%d", base.c_str(), (hash + n / 10) & 0xFFFF, n % 10 ? n % 10 : 1);
      if (!taken.count(hashed + suffix)) alias = hashed + suffix;
    }
    taken.insert(alias);
    aliases.push_back(alias);
  }
  return aliases;
}
