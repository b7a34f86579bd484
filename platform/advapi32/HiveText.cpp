#include "HiveText.h"

#include <cstdio>
#include <vector>

#include "NameCodec.h"

namespace {

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHeaderVersion5 = "Windows Registry Editor Version 5.00";
constexpr size_t kWrapColumn = 76;
// A key path: the root name and at most RegistryKey::kMaxDepth names below it.
constexpr size_t kMaxNames = RegistryKey::kMaxDepth + 1;

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Reads a quoted string (with \\ \" \r \n escapes) at the start of `text`, as UTF-8.
bool ReadQuoted(std::string_view& text, std::string& utf8) {
  if (text.empty() || text[0] != '"') return false;
  utf8.clear();
  for (size_t i = 1; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      text.remove_prefix(i + 1);
      return true;
    }
    if (c == '\\') {
      if (++i >= text.size()) return false;
      switch (text[i]) {
        case '\\': utf8 += '\\'; break;
        case '"': utf8 += '"'; break;
        case 'r': utf8 += '\r'; break;
        case 'n': utf8 += '\n'; break;
        default: return false;
      }
      continue;
    }
    utf8 += c;
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ReadHexBytes(std::string_view text, std::string& bytes) {
  bytes.clear();
  text = Trim(text);
  while (!text.empty()) {
    if (text.size() < 2 || HexDigit(text[0]) < 0 || HexDigit(text[1]) < 0) return false;
    bytes.push_back(static_cast<char>(HexDigit(text[0]) * 16 + HexDigit(text[1])));
    text = Trim(text.substr(2));
    if (text.empty()) break;
    if (text[0] != ',') return false;
    text = Trim(text.substr(1));
  }
  return true;
}

bool ReadHexNumber(std::string_view text, size_t maxDigits, unsigned long long& value) {
  if (text.empty() || text.size() > maxDigits) return false;
  value = 0;
  for (char c : text) {
    int digit = HexDigit(c);
    if (digit < 0) return false;
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return true;
}

// Strips a trailing comment (after the data) and blanks.
std::string_view DataPart(std::string_view text) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && quoted) {
      ++i;
    } else if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == ';' && !quoted) {
      return Trim(text.substr(0, i));
    }
  }
  return Trim(text);
}

// Parses the data after '='; `remove` is set for "-".
bool ReadData(std::string_view text, DWORD& type, std::string& data, bool& remove) {
  text = DataPart(text);
  remove = text == "-";
  if (remove) return true;
  if (!text.empty() && text[0] == '"') {
    std::string utf8;
    if (!ReadQuoted(text, utf8) || !Trim(text).empty()) return false;
    type = REG_SZ;
    data = NameCodec::HostToAnsi(utf8);
    data.push_back('\0');
    return true;
  }
  if (text.starts_with("dword:")) {
    unsigned long long value;
    if (!ReadHexNumber(text.substr(6), 8, value)) return false;
    type = REG_DWORD;
    data.assign(4, '\0');
    for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return true;
  }
  if (text.starts_with("hex:")) {
    type = REG_BINARY;
    return ReadHexBytes(text.substr(4), data);
  }
  if (text.starts_with("hex(")) {
    size_t close = text.find("):");
    unsigned long long value;
    if (close == std::string_view::npos || !ReadHexNumber(text.substr(4, close - 4), 8, value)) return false;
    type = static_cast<DWORD>(value);
    return ReadHexBytes(text.substr(close + 2), data);
  }
  return false;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return lines;
}

}  // namespace

bool HiveText::IsRootName(std::string_view name) {
  for (std::string_view root : {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT", "HKEY_USERS",
                                "HKEY_CURRENT_CONFIG"}) {
    if (NameCodec::FoldAnsi(root) == NameCodec::FoldAnsi(name)) return true;
  }
  return false;
}

bool HiveText::Parse(std::string_view text, RegistryKey& top, std::string& error) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string_view> lines = SplitLines(text);
  size_t index = 0;
  auto fail = [&](const char* what) {
    error = "line " + std::to_string(index + 1) + ": " + what;
    return false;
  };
  while (index < lines.size() && Trim(lines[index]).empty()) ++index;
  if (index >= lines.size()) return fail("the header line is missing");
  std::string_view header = Trim(lines[index]);
  if (header != kHeader && header != kHeaderVersion5) return fail("the header line is not REGEDIT4");
  RegistryKey* current = nullptr;
  for (++index; index < lines.size(); ++index) {
    std::string_view line = Trim(lines[index]);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      size_t close = line.rfind(']');
      if (close == std::string_view::npos) return fail("a key line has no closing bracket");
      std::string_view path = line.substr(1, close - 1);
      bool remove = !path.empty() && path[0] == '-';
      if (remove) path.remove_prefix(1);
      std::string ansiPath = NameCodec::HostToAnsi(path);
      std::vector<std::string> names;
      for (size_t start = 0;;) {
        size_t slash = ansiPath.find('\\', start);
        names.push_back(ansiPath.substr(start, slash - start));
        if (names.back().empty()) return fail("a key name is empty");
        if (names.size() > kMaxNames) return fail("a key is nested too deep");
        if (slash == std::string::npos) break;
        start = slash + 1;
      }
      if (!IsRootName(names[0])) return fail("a key does not start with a root name");
      RegistryKey* key = &top;
      bool created;
      if (NameCodec::FoldAnsi(names[0]) == NameCodec::FoldAnsi("HKEY_CLASSES_ROOT")) {
        names.erase(names.begin());
        names.insert(names.begin(), {"HKEY_LOCAL_MACHINE", "SOFTWARE", "Classes"});
      }
      if (names.size() > kMaxNames) return fail("a key is nested too deep");
      for (size_t i = 0; key && i + 1 < names.size(); ++i) key = remove ? key->Find(names[i]) : &key->Obtain(names[i], created);
      if (remove) {
        if (key) key->RemoveSubkey(names.back());
        current = nullptr;
      } else {
        current = &key->Obtain(names.back(), created);
      }
      continue;
    }
    std::string joined(line);
    while (!joined.empty() && joined.back() == '\\' && index + 1 < lines.size()) {
      joined.pop_back();
      joined += Trim(lines[++index]);
    }
    std::string_view rest = joined;
    std::string name;
    if (rest[0] == '@') {
      rest.remove_prefix(1);
    } else {
      std::string utf8;
      if (!ReadQuoted(rest, utf8)) return fail("a value name is not a quoted string");
      name = NameCodec::HostToAnsi(utf8);
    }
    rest = Trim(rest);
    if (rest.empty() || rest[0] != '=') return fail("a value line has no '='");
    if (!current) return fail("a value line comes before any key");
    DWORD type = REG_NONE;
    std::string data;
    bool remove = false;
    if (!ReadData(rest.substr(1), type, data, remove)) return fail("a value's data cannot be read");
    if (remove) current->RemoveValue(name);
    else current->SetValue(name, type, std::move(data));
  }
  return true;
}

std::string HiveText::Quote(std::string_view ansi) {
  std::string quoted = "\"";
  for (char c : NameCodec::AnsiToHost(ansi)) {
    switch (c) {
      case '\\': quoted += "\\\\"; break;
      case '"': quoted += "\\\""; break;
      case '\r': quoted += "\\r"; break;
      case '\n': quoted += "\\n"; break;
      default: quoted += c;
    }
  }
  return quoted + "\"";
}

bool HiveText::PlainString(const RegistryValue& value) {
  const std::string& data = value.data;
  if (value.type != REG_SZ || data.empty() || data.back() != '\0') return false;
  for (size_t i = 0; i + 1 < data.size(); ++i) {
    auto c = static_cast<unsigned char>(data[i]);
    if (c == 0 || (c < 0x20 && c != '\t' && c != '\r' && c != '\n')) return false;
  }
  return true;
}

void HiveText::WriteValue(const RegistryValue& value, std::string& out) {
  std::string line = value.name.empty() ? "@=" : Quote(value.name) + "=";
  if (PlainString(value)) {
    out += line + Quote(std::string_view(value.data).substr(0, value.data.size() - 1)) + "\r\n";
    return;
  }
  if (value.type == REG_DWORD && value.data.size() == 4) {
    unsigned dword = 0;
    for (int i = 3; i >= 0; --i) dword = (dword << 8) | static_cast<unsigned char>(value.data[i]);
    char text[16];
    std::snprintf(text, sizeof text, "dword:%08x", dword);
    out += line + text + "\r\n";
    return;
  }
  char prefix[24];
  if (value.type == REG_BINARY) std::snprintf(prefix, sizeof prefix, "hex:");
  else std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
  line += prefix;
  for (size_t i = 0; i < value.data.size(); ++i) {
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02x", static_cast<unsigned char>(value.data[i]));
    line += byte;
    if (i + 1 < value.data.size()) {
      line += ',';
      if (line.size() >= kWrapColumn) {
        out += line + "\\\r\n";
        line = "  ";
      }
    }
  }
  out += line + "\r\n";
}

void HiveText::WriteKey(const RegistryKey& key, std::string& path, std::string& out) {
  const size_t parentLength = path.size();
  path += "\\" + NameCodec::AnsiToHost(key.Name());
  out += "[" + path + "]\r\n";
  for (const RegistryValue* value : key.Values()) WriteValue(*value, out);
  out += "\r\n";
  for (const RegistryKey* subkey : key.Subkeys()) WriteKey(*subkey, path, out);
  path.resize(parentLength);
}

std::string HiveText::Write(const RegistryKey& top) {
  std::string out = std::string(kHeader) + "\r\n\r\n";
  for (const RegistryKey* root : top.Subkeys()) {
    if (!root->Values().empty()) {
      out += "[" + root->Name() + "]\r\n";
      for (const RegistryValue* value : root->Values()) WriteValue(*value, out);
      out += "\r\n";
    }
    std::string path = root->Name();
    for (const RegistryKey* subkey : root->Subkeys()) WriteKey(*subkey, path, out);
  }
  return out;
}
