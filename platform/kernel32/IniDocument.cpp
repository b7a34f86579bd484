#include "IniDocument.h"

#include "NameCodec.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1A'; }

bool SameName(std::string_view a, std::string_view b) { return NameCodec::FoldAnsi(a) == NameCodec::FoldAnsi(b); }

}  // namespace

std::string IniDocument::Trim(std::string_view text) {
  size_t first = 0, last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}

IniDocument::Entry IniDocument::ParseEntry(std::string_view raw) {
  std::string line = Trim(raw);
  Entry entry{{}, std::nullopt, std::string(raw)};
  size_t equals = line.starts_with(';') ? std::string::npos : line.find('=');
  if (equals == std::string::npos) {
    entry.key = line;
  } else {
    entry.key = Trim(std::string_view(line).substr(0, equals));
    entry.value = Trim(std::string_view(line).substr(equals + 1));
  }
  return entry;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument document;
  std::string converted;
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    converted = NameCodec::HostToAnsi(bytes.substr(3));
    bytes = converted;
  }
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view raw = bytes.substr(start, end - start);
    start = end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
    std::string line = Trim(raw);
    if (!line.empty() && line[0] == '[') {
      size_t close = line.find(']');
      std::string name = Trim(std::string_view(line).substr(1, close == std::string::npos ? std::string::npos : close - 1));
      document.sections_.push_back({name, std::string(raw), {}});
    } else if (document.sections_.empty()) {
      document.preamble_.emplace_back(raw);
    } else if (line.empty()) {
      document.sections_.back().entries.push_back({{}, std::nullopt, std::string(raw)});
    } else {
      document.sections_.back().entries.push_back(ParseEntry(raw));
    }
  }
  return document;
}

std::string IniDocument::Serialize() const {
  std::string text;
  for (const std::string& line : preamble_) text += line + "\r\n";
  for (const Section& section : sections_) {
    text += section.header + "\r\n";
    for (const Entry& entry : section.entries) text += entry.line + "\r\n";
  }
  return text;
}

IniDocument::Section* IniDocument::Find(std::string_view section) {
  std::string wanted = Trim(section);
  for (Section& candidate : sections_) {
    if (SameName(candidate.name, wanted)) return &candidate;
  }
  return nullptr;
}

const IniDocument::Section* IniDocument::Find(std::string_view section) const {
  return const_cast<IniDocument*>(this)->Find(section);
}

bool IniDocument::HasSection(std::string_view section) const { return Find(section) != nullptr; }

bool IniDocument::IsListed(const Entry& entry) { return !entry.key.empty() && entry.key[0] != ';'; }

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  std::string wanted = Trim(key);
  if (!found || wanted.empty()) return std::nullopt;
  for (const Entry& entry : found->entries) {
    if (!IsListed(entry) || !SameName(entry.key, wanted)) continue;
    std::string value = entry.value.value_or("");
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
      value = value.substr(1, value.size() - 2);
    }
    return value;
  }
  return std::nullopt;
}

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = Find(section)) {
    for (const Entry& entry : found->entries) {
      if (IsListed(entry)) names.push_back(entry.key);
    }
  }
  return names;
}

std::vector<std::string> IniDocument::SectionLines(std::string_view section) const {
  std::vector<std::string> lines;
  if (const Section* found = Find(section)) {
    for (const Entry& entry : found->entries) {
      if (IsListed(entry)) lines.push_back(entry.value ? entry.key + "=" + *entry.value : entry.key);
    }
  }
  return lines;
}

IniDocument::Section& IniDocument::Obtain(std::string_view section) {
  if (Section* found = Find(section)) return *found;
  // A new section goes at the end, after a blank line.
  if (!sections_.empty()) {
    std::vector<Entry>& tail = sections_.back().entries;
    if (tail.empty() || !tail.back().key.empty()) tail.push_back({{}, std::nullopt, ""});
  } else if (!preamble_.empty() && !Trim(preamble_.back()).empty()) {
    preamble_.emplace_back();
  }
  std::string name = Trim(section);
  return sections_.emplace_back(Section{name, "[" + name + "]", {}});
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  Section* found = &Obtain(section);
  std::string wantedKey = Trim(key);
  std::string text = Trim(value);
  for (Entry& entry : found->entries) {
    if (IsListed(entry) && SameName(entry.key, wantedKey)) {
      entry.value = text;
      entry.line = entry.key + "=" + text;
      return;
    }
  }
  // A new key goes after the section's last entry, before any blank lines that close it.
  auto position = found->entries.end();
  while (position != found->entries.begin() && (position - 1)->key.empty()) --position;
  found->entries.insert(position, {wantedKey, text, wantedKey + "=" + text});
}

bool IniDocument::RemoveKey(std::string_view section, std::string_view key) {
  Section* found = Find(section);
  if (!found) return false;
  std::string wanted = Trim(key);
  for (auto it = found->entries.begin(); it != found->entries.end(); ++it) {
    if (IsListed(*it) && SameName(it->key, wanted)) {
      found->entries.erase(it);
      return true;
    }
  }
  return false;
}

bool IniDocument::RemoveSection(std::string_view section) {
  Section* found = Find(section);
  if (!found) return false;
  sections_.erase(sections_.begin() + (found - sections_.data()));
  return true;
}

void IniDocument::ReplaceSection(std::string_view section, const std::vector<std::string>& lines) {
  Section& found = Obtain(section);
  found.entries.clear();
  for (const std::string& line : lines) {
    if (!Trim(line).empty()) found.entries.push_back(ParseEntry(line));
  }
}
