#include "DirectoryListing.h"

#include <dirent.h>

#include <algorithm>
#include <memory>
#include <numeric>

#include "NameCodec.h"
#include "ShortNames.h"

bool DirectoryListing::Read(const std::string& hostDir) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(hostDir.c_str()), closedir);
  if (!dir) return false;
  entries_.clear();
  byFolded_.clear();
  while (const dirent* entry = readdir(dir.get())) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries_.push_back({std::string(name), NameCodec::FoldHost(name)});
    Index(entries_.size() - 1);
  }
  aliasesValid_ = false;
  return true;
}

bool DirectoryListing::Matches(const struct stat& status) const {
  return status.st_dev == device_ && status.st_ino == inode_ && status.st_mtim.tv_sec == modified_.tv_sec &&
         status.st_mtim.tv_nsec == modified_.tv_nsec;
}

void DirectoryListing::Stamp(const struct stat& status) {
  device_ = status.st_dev;
  inode_ = status.st_ino;
  modified_ = status.st_mtim;
}

void DirectoryListing::Index(size_t entry) { byFolded_.emplace(entries_[entry].folded, entry); }

const DirectoryListing::Entry* DirectoryListing::First(const std::u32string& folded) const {
  const Entry* first = nullptr;
  for (auto [it, end] = byFolded_.equal_range(folded); it != end; ++it) {
    const Entry& entry = entries_[it->second];
    if (!first || entry.name < first->name) first = &entry;
  }
  return first;
}

void DirectoryListing::MakeAliases() {
  if (aliasesValid_) return;
  std::vector<size_t> order(entries_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const Entry& left = entries_[a];
    const Entry& right = entries_[b];
    return left.folded != right.folded ? left.folded < right.folded : left.name < right.name;
  });
  std::vector<std::u32string> folded;
  folded.reserve(order.size());
  for (size_t entry : order) folded.push_back(entries_[entry].folded);
  std::vector<std::string> sortedAliases = ShortNames::Generate(folded);
  aliases_.assign(entries_.size(), std::string{});
  for (size_t i = 0; i < order.size(); ++i) aliases_[order[i]] = std::move(sortedAliases[i]);
  aliasesValid_ = true;
}

const std::string* DirectoryListing::Find(const std::u32string& folded) {
  if (const Entry* entry = First(folded)) return &entry->name;
  if (folded.find(U'~') == std::u32string::npos) return nullptr;
  MakeAliases();
  std::string ascii;
  for (char32_t c : folded) {
    if (c >= 0x80) return nullptr;
    ascii.push_back(static_cast<char>(c));
  }
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (aliases_[i] == ascii) return &entries_[i].name;
  }
  return nullptr;
}

std::string DirectoryListing::AliasOf(const std::string& name) {
  MakeAliases();
  for (auto [it, end] = byFolded_.equal_range(NameCodec::FoldHost(name)); it != end; ++it) {
    if (entries_[it->second].name == name) return aliases_[it->second];
  }
  return {};
}

void DirectoryListing::Add(const std::string& name) {
  Entry entry{name, NameCodec::FoldHost(name)};
  for (auto [it, end] = byFolded_.equal_range(entry.folded); it != end; ++it) {
    if (entries_[it->second].name == name) return;
  }
  entries_.push_back(std::move(entry));
  Index(entries_.size() - 1);
  aliasesValid_ = false;
}

void DirectoryListing::CollectAliases(std::unordered_map<std::string, std::string>& aliases) {
  MakeAliases();
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (!aliases_[i].empty()) aliases.emplace(entries_[i].name, aliases_[i]);
  }
}
