// An ini file in memory, by the rules of the profile API: sections and keys are found
// case-insensitively (the first match wins), lines are trimmed, a value quoted at both ends
// loses its quotes, lines before the first section belong to none. Lines that are not
// changed keep their text, so comments and layout survive a rewrite.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
 public:
  static IniDocument Parse(std::string_view bytes);
  // The file's text with CRLF line ends.
  std::string Serialize() const;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::vector<std::string> SectionNames() const;
  std::vector<std::string> KeyNames(std::string_view section) const;
  // The "key=value" lines of a section, without comments and blank lines.
  std::vector<std::string> SectionLines(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  void Set(std::string_view section, std::string_view key, std::string_view value);
  bool RemoveKey(std::string_view section, std::string_view key);
  bool RemoveSection(std::string_view section);
  void ReplaceSection(std::string_view section, const std::vector<std::string>& lines);

  static std::string Trim(std::string_view text);

 private:
  struct Entry {
    std::string key;  // "" for blank lines; comments keep their ';'
    std::optional<std::string> value;
    std::string line;
  };
  struct Section {
    std::string name;
    std::string header;
    std::vector<Entry> entries;
  };

  static Entry ParseEntry(std::string_view line);
  static bool IsListed(const Entry& entry);
  Section* Find(std::string_view section);
  Section& Obtain(std::string_view section);
  const Section* Find(std::string_view section) const;

  std::vector<std::string> preamble_;
  std::vector<Section> sections_;
};
