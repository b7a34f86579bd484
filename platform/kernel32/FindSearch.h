// A running FindFirstFileA/FindNextFileA search: the folder is read as entries are asked for.
#pragma once

#include <dirent.h>

#include <string>

#include "KernelObject.h"

class FindSearch : public KernelObject {
 public:
  // `hostDir` is the folder searched (read through `dir`, which may be null for a search
  // that has nothing more), `pattern` the folded pattern; "." and ".." come first when
  // `listDots` (every folder but a drive root).
  FindSearch(DIR* dir, std::string hostDir, std::u32string pattern, bool listDots);
  ~FindSearch() override;
  FindSearch(const FindSearch&) = delete;
  FindSearch& operator=(const FindSearch&) = delete;

  // Fills the next matching entry; false at the end.
  bool Next(WIN32_FIND_DATAA& data);
  // Fills the data of one named entry (host name, lstat status).
  static bool Describe(const std::string& hostDir, const std::string& name, const struct stat& status,
                       WIN32_FIND_DATAA& data);

 private:
  bool Matches(const std::string& name);

  DIR* dir_;
  std::string hostDir_;
  std::u32string pattern_;
  int dotsLeft_;
};
