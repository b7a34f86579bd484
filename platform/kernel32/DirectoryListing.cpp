#include "DirectoryListing.h"

#include <dirent.h>

#include <algorithm>
#include <memory>

#include "NameCodec.h"
#include "ShortNames.h"

bool DirectoryListing::Read(const std::string& hostDir) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(hostDir.c_str()), closedir);
  if (!dir) return false;
  entries_.clear();
  while (const dirent* entry = readdir(dir.get())) {
    std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    entries_.push_back({std::string(name), NameCodec::FoldHost(name)});
  }
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.folded != b.folded ? a.folded < b.folded : a.name < b.name;
  });
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

std::vector<DirectoryListing::Entry>::iterator DirectoryListing::LowerBound(const std::u32string& folded) {
  return std::lower_bound(entries_.begin(), entries_.end(), folded,
                          [](const Entry& entry, const std::u32string& key) { return entry.folded < key; });
}

void DirectoryListing::MakeAliases() {
  if (aliasesValid_) return;
  std::vector<std::u32string> folded;
  folded.reserve(entries_.size());
  for (const Entry& entry : entries_) folded.push_back(entry.folded);
  aliases_ = ShortNames::Generate(folded);
  aliasesValid_ = true;
}

const std::string* DirectoryListing::Find(const std::u32string& folded) {
  auto it = LowerBound(folded);
  if (it != entries_.end() && it->folded == folded) return &it->name;
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
  std::u32string folded = NameCodec::FoldHost(name);
  for (auto it = LowerBound(folded); it != entries_.end() && it->folded == folded; ++it) {
    if (it->name == name) return aliases_[it - entries_.begin()];
  }
  return {};
}

void DirectoryListing::Add(const std::string& name) {
  Entry entry{name, NameCodec::FoldHost(name)};
  auto it = LowerBound(entry.folded);
  while (it != entries_.end() && it->folded == entry.folded && it->name < name) ++it;
  if (it != entries_.end() && it->name == name) return;
  entries_.insert(it, std::move(entry));
  aliasesValid_ = false;
}

void DirectoryListing::Remove(const std::string& name) {
  std::u32string folded = NameCodec::FoldHost(name);
  for (auto it = LowerBound(folded); it != entries_.end() && it->folded == folded; ++it) {
    if (it->name == name) {
      entries_.erase(it);
      aliasesValid_ = false;
      return;
    }
  }
}
