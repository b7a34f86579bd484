#include "WindowsPath.h"

#include <cctype>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

constexpr size_t kMaxName = 255;

}  // namespace

WindowsPath WindowsPath::Root(char drive) {
  WindowsPath path;
  path.drive_ = static_cast<char>(std::toupper(static_cast<unsigned char>(drive)));
  return path;
}

bool WindowsPath::IsReservedDeviceName(std::string_view name) {
  std::string base(name.substr(0, name.find('.')));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  for (char& c : base) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' && base[3] <= '9';
}

DWORD WindowsPath::CheckName(std::string_view name, bool wildcards) {
  if (name.size() > kMaxName) return ERROR_FILENAME_EXCED_RANGE;
  for (char ch : name) {
    auto c = static_cast<unsigned char>(ch);
    if (c < 32 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|') return ERROR_INVALID_NAME;
    if (!wildcards && (c == '?' || c == '*')) return ERROR_INVALID_NAME;
  }
  if (IsReservedDeviceName(name)) return ERROR_INVALID_NAME;
  return ERROR_SUCCESS;
}

DWORD WindowsPath::Parse(std::string_view raw, const WindowsPath& current, bool wildcards, WindowsPath& out) {
  if (raw.empty()) return ERROR_PATH_NOT_FOUND;
  if (raw.starts_with("\\\\?\\") || raw.starts_with("\\\\.\\")) raw.remove_prefix(4);
  else if (raw.size() >= 2 && IsSeparator(raw[0]) && IsSeparator(raw[1])) return ERROR_BAD_NETPATH;

  WindowsPath path;
  bool hasDrive = raw.size() >= 2 && raw[1] == ':' && std::isalpha(static_cast<unsigned char>(raw[0]));
  if (hasDrive) {
    path.drive_ = static_cast<char>(std::toupper(static_cast<unsigned char>(raw[0])));
    raw.remove_prefix(2);
    bool absolute = !raw.empty() && IsSeparator(raw[0]);
    if (!absolute && path.drive_ == current.drive_) path.names_ = current.names_;
  } else {
    path.drive_ = current.drive_;
    if (raw.empty() || !IsSeparator(raw[0])) path.names_ = current.names_;
  }
  path.endsWithSeparator_ = !raw.empty() && IsSeparator(raw.back());

  size_t start = 0;
  while (start <= raw.size()) {
    size_t end = start;
    while (end < raw.size() && !IsSeparator(raw[end])) ++end;
    std::string name(raw.substr(start, end - start));
    bool last = end >= raw.size();
    start = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!path.names_.empty()) path.names_.pop_back();
      continue;
    }
    // A pattern keeps its trailing dot: "*." asks for names without an extension.
    bool pattern = wildcards && last && name.find_first_of("*?") != std::string::npos;
    while (!pattern && !name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (name.empty()) continue;
    if (DWORD error = CheckName(name, wildcards && last); error != ERROR_SUCCESS) return error;
    path.names_.push_back(std::move(name));
  }
  if (path.ToString().size() >= MAX_PATH) return ERROR_FILENAME_EXCED_RANGE;
  out = std::move(path);
  return ERROR_SUCCESS;
}

std::string WindowsPath::ToString() const {
  std::string text{drive_, ':', '\\'};
  for (size_t i = 0; i < names_.size(); ++i) {
    if (i) text.push_back('\\');
    text += names_[i];
  }
  return text;
}

WindowsPath WindowsPath::Parent() const {
  WindowsPath parent = *this;
  if (!parent.names_.empty()) parent.names_.pop_back();
  parent.endsWithSeparator_ = false;
  return parent;
}
