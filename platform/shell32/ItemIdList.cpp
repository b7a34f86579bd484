#include "ItemIdList.h"

#include <cstring>

#include <objbase.h>

namespace {

constexpr std::uint8_t kRootType = 0x1F;
constexpr std::uint8_t kDriveType = 0x2F;
constexpr std::uint8_t kFolderType = 0x31;
constexpr std::uint8_t kFileType = 0x32;
// {20D04FE0-3AEA-1069-A2D8-08002B30309D}, My Computer, as stored.
constexpr std::uint8_t kMyComputer[16] = {0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10,
                                          0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr size_t kDriveItemData = 23;  // type byte, "C:\" NUL-filled to 20 bytes, 2 zero bytes

void PutU16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

}  // namespace

void ItemIdList::AppendItem(std::string& list, const std::string& data) {
  PutU16(list, static_cast<unsigned>(data.size() + 2));
  list += data;
}

std::string ItemIdList::Build(const std::string& windowsPath, bool lastIsFolder) {
  std::string list;
  std::string root(1, static_cast<char>(kRootType));
  root.push_back(0x50);
  root.append(reinterpret_cast<const char*>(kMyComputer), sizeof kMyComputer);
  AppendItem(list, root);
  std::string drive(1, static_cast<char>(kDriveType));
  drive += windowsPath.substr(0, 2) + "\\";
  drive.resize(kDriveItemData, '\0');
  AppendItem(list, drive);
  size_t start = 3;
  while (start < windowsPath.size()) {
    size_t end = windowsPath.find('\\', start);
    if (end == std::string::npos) end = windowsPath.size();
    bool last = end == windowsPath.size();
    bool folder = !last || lastIsFolder;
    std::string item(1, static_cast<char>(folder ? kFolderType : kFileType));
    item.append(9, '\0');  // unused byte, file size, FAT date and time
    PutU16(item, folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE);
    item += windowsPath.substr(start, end - start);
    item.append(2, '\0');  // terminator and an empty 8.3 name
    AppendItem(list, item);
    start = end + 1;
  }
  PutU16(list, 0);
  return list;
}

bool ItemIdList::ToPath(const std::uint8_t* data, size_t size, std::string& path) {
  path.clear();
  size_t offset = 0;
  bool sawRoot = false;
  while (offset + 2 <= size) {
    size_t itemSize = data[offset] | (data[offset + 1] << 8);
    if (itemSize == 0) return sawRoot && !path.empty();
    if (itemSize < 3 || offset + itemSize > size) return false;
    const std::uint8_t* item = data + offset + 2;
    size_t length = itemSize - 2;
    std::uint8_t type = item[0];
    if (type == kRootType) {
      sawRoot = true;
    } else if (type == kDriveType) {
      if (!sawRoot || length < 4 || !path.empty()) return false;
      path.assign(reinterpret_cast<const char*>(item + 1), 3);
      if (path[1] != ':' || path[2] != '\\') return false;
    } else if (type == kFolderType || type == kFileType) {
      if (path.empty() || length < 13) return false;
      const char* name = reinterpret_cast<const char*>(item + 12);
      size_t nameLength = strnlen(name, length - 12);
      if (nameLength == length - 12 || nameLength == 0) return false;
      if (path.back() != '\\') path += '\\';
      path.append(name, nameLength);
    } else {
      return false;
    }
    offset += itemSize;
  }
  return false;
}

size_t ItemIdList::SizeOf(const ITEMIDLIST* list, size_t limit) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(list);
  size_t offset = 0;
  while (offset + 2 <= limit) {
    size_t itemSize = bytes[offset] | (bytes[offset + 1] << 8);
    if (itemSize == 0) return offset + 2;
    offset += itemSize;
  }
  return 0;
}

LPITEMIDLIST ItemIdList::Allocate(const std::string& bytes) {
  void* memory = CoTaskMemAlloc(bytes.size());
  if (memory) std::memcpy(memory, bytes.data(), bytes.size());
  return static_cast<LPITEMIDLIST>(memory);
}
