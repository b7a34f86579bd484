#include "LinkFile.h"

#include <cstring>

#include "ItemIdList.h"

namespace {

constexpr DWORD kHeaderSize = 0x4C;
constexpr std::uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr DWORD kLinkInfoHeaderSize = 0x1C;
constexpr DWORD kVolumeIdHeaderSize = 0x10;
constexpr int kShowNormal = 1;
constexpr int kShowMaximized = 3;
constexpr int kShowMinimizedNoActive = 7;

enum LinkFlags : DWORD {
  kHasIdList = 0x1,
  kHasLinkInfo = 0x2,
  kHasName = 0x4,
  kHasRelativePath = 0x8,
  kHasWorkingDir = 0x10,
  kHasArguments = 0x20,
  kHasIconLocation = 0x40,
  kIsUnicode = 0x80,
  kForceNoLinkInfo = 0x100,
};

void PutU16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, DWORD value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

void PutFileTime(std::string& out, const FILETIME& time) {
  PutU32(out, time.dwLowDateTime);
  PutU32(out, time.dwHighDateTime);
}

std::u16string ToUtf16(const std::string& ansi) {
  if (ansi.empty()) return {};
  std::u16string wide(ansi.size(), u'\0');
  int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                   static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return wide;
}

std::string FromUtf16(const std::u16string& wide) {
  if (wide.empty()) return {};
  std::string ansi(wide.size() * 2, '\0');
  int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                                   static_cast<int>(ansi.size()), nullptr, nullptr);
  ansi.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return ansi;
}

void PutString(std::string& out, const std::string& ansi) {
  std::u16string wide = ToUtf16(ansi);
  PutU16(out, static_cast<unsigned>(wide.size()));
  for (char16_t c : wide) PutU16(out, c);
}

std::string LinkInfo(const std::string& target) {
  std::string volume;
  PutU32(volume, kVolumeIdHeaderSize + 1);
  PutU32(volume, DRIVE_FIXED);
  PutU32(volume, 0);  // serial number
  PutU32(volume, kVolumeIdHeaderSize);
  volume.push_back('\0');  // empty label
  DWORD basePathOffset = kLinkInfoHeaderSize + static_cast<DWORD>(volume.size());
  DWORD suffixOffset = basePathOffset + static_cast<DWORD>(target.size() + 1);
  DWORD total = suffixOffset + 1;
  std::string info;
  PutU32(info, total);
  PutU32(info, kLinkInfoHeaderSize);
  PutU32(info, 1);  // VolumeIDAndLocalBasePath
  PutU32(info, kLinkInfoHeaderSize);
  PutU32(info, basePathOffset);
  PutU32(info, 0);
  PutU32(info, suffixOffset);
  info += volume;
  info += target;
  info.push_back('\0');
  info.push_back('\0');  // empty common path suffix
  return info;
}

// Bounds-checked little-endian reading.
class Reader {
 public:
  Reader(const std::uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Has(size_t offset, size_t length) const { return offset <= size_ && length <= size_ - offset; }
  DWORD U16(size_t offset) const { return data_[offset] | (data_[offset + 1] << 8); }
  DWORD U32(size_t offset) const { return U16(offset) | (U16(offset + 2) << 16); }
  FILETIME Time(size_t offset) const { return FILETIME{U32(offset), U32(offset + 4)}; }
  const std::uint8_t* At(size_t offset) const { return data_ + offset; }
  // A NUL-terminated string starting at `offset` that ends before `limit`.
  bool String(size_t offset, size_t limit, std::string& out) const {
    if (offset >= limit || limit > size_) return false;
    const char* text = reinterpret_cast<const char*>(data_ + offset);
    size_t length = strnlen(text, limit - offset);
    if (length == limit - offset) return false;
    out.assign(text, length);
    return true;
  }

 private:
  const std::uint8_t* data_;
  size_t size_;
};

bool ReadLinkInfo(const Reader& reader, size_t offset, size_t infoSize, std::string& target) {
  if (infoSize < kLinkInfoHeaderSize || !reader.Has(offset, infoSize)) return false;
  DWORD headerSize = reader.U32(offset + 4);
  if (headerSize < kLinkInfoHeaderSize || headerSize > infoSize) return false;
  if (!(reader.U32(offset + 8) & 1)) return true;  // a network target only
  std::string base, suffix;
  size_t end = offset + infoSize;
  if (!reader.String(offset + reader.U32(offset + 16), end, base)) return false;
  if (!reader.String(offset + reader.U32(offset + 24), end, suffix)) return false;
  target = base + suffix;
  return true;
}

}  // namespace

std::string LinkFile::Write(const ShellLinkData& link) {
  bool localTarget = link.target.size() >= 3 && link.target[1] == ':' && link.target[2] == '\\';
  DWORD flags = kIsUnicode;
  if (!link.idList.empty()) flags |= kHasIdList;
  if (localTarget) flags |= kHasLinkInfo;
  if (!link.description.empty()) flags |= kHasName;
  if (!link.relativePath.empty()) flags |= kHasRelativePath;
  if (!link.workingDirectory.empty()) flags |= kHasWorkingDir;
  if (!link.arguments.empty()) flags |= kHasArguments;
  if (!link.iconLocation.empty()) flags |= kHasIconLocation;
  // Readers take anything but 1, 3 and 7 as 1; store that, keeping the file valid.
  int show = link.showCommand == kShowMaximized || link.showCommand == kShowMinimizedNoActive ? link.showCommand : kShowNormal;

  std::string out;
  PutU32(out, kHeaderSize);
  out.append(reinterpret_cast<const char*>(kLinkClsid), sizeof kLinkClsid);
  PutU32(out, flags);
  PutU32(out, link.attributes);
  PutFileTime(out, link.creationTime);
  PutFileTime(out, link.accessTime);
  PutFileTime(out, link.writeTime);
  PutU32(out, link.fileSize);
  PutU32(out, static_cast<DWORD>(link.iconIndex));
  PutU32(out, static_cast<DWORD>(show));
  PutU16(out, link.hotkey);
  out.append(10, '\0');
  if (flags & kHasIdList) {
    PutU16(out, static_cast<unsigned>(link.idList.size()));
    out += link.idList;
  }
  if (flags & kHasLinkInfo) out += LinkInfo(link.target);
  for (const std::string* text : {&link.description, &link.relativePath, &link.workingDirectory, &link.arguments,
                                  &link.iconLocation}) {
    if (!text->empty()) PutString(out, *text);
  }
  PutU32(out, 0);  // terminal block
  return out;
}

bool LinkFile::Read(const std::uint8_t* data, size_t size, ShellLinkData& link) {
  Reader reader(data, size);
  if (!reader.Has(0, kHeaderSize) || reader.U32(0) != kHeaderSize) return false;
  if (std::memcmp(reader.At(4), kLinkClsid, sizeof kLinkClsid) != 0) return false;
  link = ShellLinkData{};
  DWORD flags = reader.U32(0x14);
  link.attributes = reader.U32(0x18);
  link.creationTime = reader.Time(0x1C);
  link.accessTime = reader.Time(0x24);
  link.writeTime = reader.Time(0x2C);
  link.fileSize = reader.U32(0x34);
  link.iconIndex = static_cast<int>(reader.U32(0x38));
  link.showCommand = static_cast<int>(reader.U32(0x3C));
  link.hotkey = static_cast<WORD>(reader.U16(0x40));
  size_t offset = kHeaderSize;
  if (flags & kHasIdList) {
    if (!reader.Has(offset, 2)) return false;
    size_t listSize = reader.U16(offset);
    if (!reader.Has(offset + 2, listSize)) return false;
    link.idList.assign(reinterpret_cast<const char*>(reader.At(offset + 2)), listSize);
    std::string path;
    if (ItemIdList::ToPath(reader.At(offset + 2), listSize, path)) link.target = path;
    offset += 2 + listSize;
  }
  if (flags & kHasLinkInfo) {
    if (!reader.Has(offset, 4)) return false;
    size_t infoSize = reader.U32(offset);
    std::string target;
    if (!ReadLinkInfo(reader, offset, infoSize, target)) return false;
    if (!(flags & kForceNoLinkInfo) && !target.empty()) link.target = target;
    offset += infoSize;
  }
  bool unicode = flags & kIsUnicode;
  const std::pair<DWORD, std::string*> strings[] = {{kHasName, &link.description},
                                                    {kHasRelativePath, &link.relativePath},
                                                    {kHasWorkingDir, &link.workingDirectory},
                                                    {kHasArguments, &link.arguments},
                                                    {kHasIconLocation, &link.iconLocation}};
  for (const auto& [flag, text] : strings) {
    if (!(flags & flag)) continue;
    if (!reader.Has(offset, 2)) return false;
    size_t count = reader.U16(offset);
    size_t bytes = count * (unicode ? 2 : 1);
    if (!reader.Has(offset + 2, bytes)) return false;
    if (unicode) {
      std::u16string wide(count, u'\0');
      for (size_t i = 0; i < count; ++i) wide[i] = static_cast<char16_t>(reader.U16(offset + 2 + 2 * i));
      *text = FromUtf16(wide);
    } else {
      text->assign(reinterpret_cast<const char*>(reader.At(offset + 2)), count);
    }
    if (!text->empty() && text->back() == '\0') text->resize(strnlen(text->c_str(), text->size()));
    offset += 2 + bytes;
  }
  return true;
}
