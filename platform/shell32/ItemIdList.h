// Item identifier lists for file-system paths, in the layout links store them: a "My
// Computer" item, a drive item ("C:\") and one file entry per name (type 0x31 for folders,
// 0x32 for files; the name in code page 1250 followed by an empty 8.3 name).
#pragma once

#include <cstdint>
#include <string>

#include <shtypes.h>

class ItemIdList {
 public:
  // The items of a full Windows path with the 2-byte terminator. `lastIsFolder` types the
  // last name; the others are folders.
  static std::string Build(const std::string& windowsPath, bool lastIsFolder);
  // The path a list names; false for lists without a file-system path (My Computer) or
  // malformed ones. The empty list is the desktop, which the caller maps.
  static bool ToPath(const std::uint8_t* data, size_t size, std::string& path);
  // The size of a list in memory including its terminator, or 0 when it is longer than `limit`.
  static size_t SizeOf(const ITEMIDLIST* list, size_t limit);
  // A copy of the list in task memory.
  static LPITEMIDLIST Allocate(const std::string& bytes);

 private:
  static void AppendItem(std::string& list, const std::string& data);
};
