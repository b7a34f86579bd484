// A Windows path taken apart and normalised: the drive letter and the names below its root,
// with "." and ".." applied, both separators accepted and trailing dots and spaces removed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

class WindowsPath {
 public:
  // Parses `raw` (code page 1250). Relative forms ("a\b", "\a", "C:a") are taken against
  // `current`, the current folder. Wildcards are allowed in the last name when `wildcards`.
  // Returns ERROR_SUCCESS or the error the API reports for such a path.
  static DWORD Parse(std::string_view raw, const WindowsPath& current, bool wildcards, WindowsPath& out);

  char Drive() const { return drive_; }
  const std::vector<std::string>& Names() const { return names_; }
  bool IsRoot() const { return names_.empty(); }
  bool EndsWithSeparator() const { return endsWithSeparator_; }
  // "C:\dir\name"; a root is "C:\".
  std::string ToString() const;
  WindowsPath Parent() const;
  void Append(const std::string& name) { names_.push_back(name); }

  static WindowsPath Root(char drive);

 private:
  static DWORD CheckName(std::string_view name, bool wildcards);
  static bool IsReservedDeviceName(std::string_view name);

  char drive_ = 'C';
  std::vector<std::string> names_;
  bool endsWithSeparator_ = false;
};
