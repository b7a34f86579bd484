// The names in one host folder, indexed by their folded form, with their 8.3 aliases made on
// demand (in the order of the folded names, which decides who gets "~1"). Used to find names
// case-insensitively and by alias; adding a name costs the same however large the folder.
#pragma once

#include <sys/stat.h>

#include <string>
#include <unordered_map>
#include <vector>

class DirectoryListing {
 public:
  struct Entry {
    std::string name;  // host name, UTF-8
    std::u32string folded;
  };

  // Reads the folder; false when it cannot be read.
  bool Read(const std::string& hostDir);
  // Whether this listing still describes a folder with this status.
  bool Matches(const struct stat& dirStatus) const;
  void Stamp(const struct stat& dirStatus);

  // The host name matching a Windows name (folded), directly or through an alias.
  const std::string* Find(const std::u32string& folded);
  // The alias of a host name ("" when it needs none or is not listed).
  std::string AliasOf(const std::string& name);

  void CollectAliases(std::unordered_map<std::string, std::string>& aliases);

  void Add(const std::string& name);

 private:
  void Index(size_t entry);
  void MakeAliases();
  // The entry of `folded` whose host name sorts first (names may differ in case only).
  const Entry* First(const std::u32string& folded) const;

  std::vector<Entry> entries_;  // in the order read or added
  std::unordered_multimap<std::u32string, size_t> byFolded_;
  std::vector<std::string> aliases_;  // parallel to entries_, empty until needed
  bool aliasesValid_ = false;
  dev_t device_ = 0;
  ino_t inode_ = 0;
  timespec modified_{};
};
