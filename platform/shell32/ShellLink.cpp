#include "ShellLink.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "ItemIdList.h"
#include "NameCodec.h"

namespace {

std::string Narrow(LPCOLESTR wide) {
  int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(static_cast<size_t>(size - 1));
  return text;
}

HRESULT FromLastError() {
  DWORD error = GetLastError();
  return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
}

std::vector<std::string> Split(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool SameName(const std::string& a, const std::string& b) {
  return NameCodec::FoldAnsi(a) == NameCodec::FoldAnsi(b);
}

}  // namespace

HRESULT ShellLink::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IShellLinkA) {
    *object = static_cast<IShellLinkA*>(this);
  } else if (riid == IID_IPersistFile || riid == IID_IPersist) {
    *object = static_cast<IPersistFile*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG ShellLink::AddRef() { return ++references_; }

ULONG ShellLink::Release() {
  ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT ShellLink::CopyOut(const std::string& text, LPSTR buffer, int size) {
  if (!buffer || size <= 0) return E_INVALIDARG;
  size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return S_OK;
}

HRESULT ShellLink::SetText(std::string& field, LPCSTR text) {
  if (!text) return E_INVALIDARG;
  field = text;
  dirty_ = true;
  return S_OK;
}

void ShellLink::DescribeTarget() {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(link_.target.c_str(), &data);
  bool folder = false;
  if (find != INVALID_HANDLE_VALUE) {
    FindClose(find);
    link_.attributes = data.dwFileAttributes;
    link_.creationTime = data.ftCreationTime;
    link_.accessTime = data.ftLastAccessTime;
    link_.writeTime = data.ftLastWriteTime;
    link_.fileSize = data.nFileSizeLow;
    folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
  } else {
    link_.attributes = 0;
    link_.creationTime = link_.accessTime = link_.writeTime = FILETIME{};
    link_.fileSize = 0;
  }
  link_.idList = ItemIdList::Build(link_.target, folder);
}

HRESULT ShellLink::SetPath(LPCSTR pszFile) {
  if (!pszFile) return E_INVALIDARG;
  dirty_ = true;
  if (!*pszFile) {
    link_.target.clear();
    link_.idList.clear();
    return S_OK;
  }
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(pszFile, MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return E_INVALIDARG;
  link_.target.assign(full, length);
  DescribeTarget();
  return S_OK;
}

HRESULT ShellLink::GetPath(LPSTR pszFile, int cch, WIN32_FIND_DATAA* pfd, DWORD) {
  if (pfd) {
    std::memset(pfd, 0, sizeof *pfd);
    pfd->dwFileAttributes = link_.attributes;
    pfd->ftCreationTime = link_.creationTime;
    pfd->ftLastAccessTime = link_.accessTime;
    pfd->ftLastWriteTime = link_.writeTime;
    pfd->nFileSizeLow = link_.fileSize;
    std::string name = link_.target.substr(link_.target.rfind('\\') + 1);
    std::strncpy(pfd->cFileName, name.c_str(), MAX_PATH - 1);
  }
  HRESULT result = CopyOut(link_.target, pszFile, cch);
  return FAILED(result) ? result : link_.target.empty() ? S_FALSE : S_OK;
}

HRESULT ShellLink::GetIDList(PIDLIST_ABSOLUTE* ppidl) {
  if (!ppidl) return E_POINTER;
  *ppidl = link_.idList.empty() ? nullptr : ItemIdList::Allocate(link_.idList);
  if (link_.idList.empty()) return S_FALSE;
  return *ppidl ? S_OK : E_OUTOFMEMORY;
}

HRESULT ShellLink::SetIDList(PCIDLIST_ABSOLUTE pidl) {
  if (!pidl) return E_INVALIDARG;
  size_t size = ItemIdList::SizeOf(pidl, 65536);
  std::string path;
  if (size == 0 || !ItemIdList::ToPath(reinterpret_cast<const std::uint8_t*>(pidl), size, path)) return E_INVALIDARG;
  link_.target = path;
  DescribeTarget();
  dirty_ = true;
  return S_OK;
}

HRESULT ShellLink::GetDescription(LPSTR pszName, int cch) { return CopyOut(link_.description, pszName, cch); }
HRESULT ShellLink::SetDescription(LPCSTR pszName) { return SetText(link_.description, pszName); }
HRESULT ShellLink::GetWorkingDirectory(LPSTR pszDir, int cch) { return CopyOut(link_.workingDirectory, pszDir, cch); }
HRESULT ShellLink::SetWorkingDirectory(LPCSTR pszDir) { return SetText(link_.workingDirectory, pszDir); }
HRESULT ShellLink::GetArguments(LPSTR pszArgs, int cch) { return CopyOut(link_.arguments, pszArgs, cch); }
HRESULT ShellLink::SetArguments(LPCSTR pszArgs) { return SetText(link_.arguments, pszArgs); }

HRESULT ShellLink::GetHotkey(WORD* pwHotkey) {
  if (!pwHotkey) return E_POINTER;
  *pwHotkey = link_.hotkey;
  return S_OK;
}

HRESULT ShellLink::SetHotkey(WORD wHotkey) {
  link_.hotkey = wHotkey;
  dirty_ = true;
  return S_OK;
}

HRESULT ShellLink::GetShowCmd(int* piShowCmd) {
  if (!piShowCmd) return E_POINTER;
  *piShowCmd = link_.showCommand;
  return S_OK;
}

HRESULT ShellLink::SetShowCmd(int iShowCmd) {
  link_.showCommand = iShowCmd;
  dirty_ = true;
  return S_OK;
}

HRESULT ShellLink::GetIconLocation(LPSTR pszIconPath, int cch, int* piIcon) {
  if (!piIcon) return E_POINTER;
  *piIcon = link_.iconIndex;
  return CopyOut(link_.iconLocation, pszIconPath, cch);
}

HRESULT ShellLink::SetIconLocation(LPCSTR pszIconPath, int iIcon) {
  HRESULT result = SetText(link_.iconLocation, pszIconPath ? pszIconPath : "");
  link_.iconIndex = iIcon;
  return result;
}

HRESULT ShellLink::SetRelativePath(LPCSTR pszPathRel, DWORD) { return SetText(link_.relativePath, pszPathRel); }

HRESULT ShellLink::Resolve(HWND, DWORD) {
  if (link_.target.empty()) return S_OK;
  return GetFileAttributesA(link_.target.c_str()) != INVALID_FILE_ATTRIBUTES ? S_OK : FromLastError();
}

HRESULT ShellLink::GetClassID(CLSID* pClassID) {
  if (!pClassID) return E_POINTER;
  *pClassID = CLSID_ShellLink;
  return S_OK;
}

HRESULT ShellLink::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

std::string ShellLink::RelativeTo(const std::string& linkFile, const std::string& target) {
  std::vector<std::string> from = Split(linkFile.substr(0, linkFile.rfind('\\')));
  std::vector<std::string> to = Split(target);
  if (from.empty() || to.empty() || !SameName(from[0], to[0])) return {};
  size_t common = 0;
  while (common < from.size() && common + 1 < to.size() && SameName(from[common], to[common])) ++common;
  std::string relative;
  for (size_t i = common; i < from.size(); ++i) relative += "..\\";
  if (relative.empty()) relative = ".\\";
  for (size_t i = common; i < to.size(); ++i) relative += to[i] + (i + 1 < to.size() ? "\\" : "");
  return relative;
}

HRESULT ShellLink::Save(LPCOLESTR pszFileName, BOOL fRemember) {
  std::u16string wideName = pszFileName ? std::u16string(pszFileName) : currentFile_;
  if (wideName.empty()) return E_INVALIDARG;
  std::string name = Narrow(wideName.c_str());
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return FromLastError();
  ShellLinkData saved = link_;
  if (!saved.target.empty()) saved.relativePath = RelativeTo(std::string(full, length), saved.target);
  std::string bytes = LinkFile::Write(saved);
  HANDLE file = CreateFileA(full, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FromLastError();
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  HRESULT result = ok && written == bytes.size() ? S_OK : FromLastError();
  CloseHandle(file);
  if (FAILED(result)) {
    DeleteFileA(full);
    return result;
  }
  if (fRemember || !pszFileName) {
    currentFile_ = wideName;
    dirty_ = false;
  }
  return S_OK;
}

HRESULT ShellLink::Load(LPCOLESTR pszFileName, DWORD) {
  if (!pszFileName) return E_INVALIDARG;
  std::string name = Narrow(pszFileName);
  HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return FromLastError();
  constexpr DWORD kLargestLink = 1 << 20;
  DWORD high = 0;
  DWORD size = GetFileSize(file, &high);
  if (high != 0 || size > kLargestLink) {
    CloseHandle(file);
    return E_FAIL;
  }
  std::vector<std::uint8_t> bytes(size);
  DWORD read = 0;
  BOOL ok = ReadFile(file, bytes.data(), size, &read, nullptr);
  CloseHandle(file);
  ShellLinkData loaded;
  if (!ok || read != size || !LinkFile::Read(bytes.data(), bytes.size(), loaded)) return E_FAIL;
  link_ = std::move(loaded);
  currentFile_ = pszFileName;
  dirty_ = false;
  return S_OK;
}

HRESULT ShellLink::SaveCompleted(LPCOLESTR) { return S_OK; }

HRESULT ShellLink::GetCurFile(LPOLESTR* ppszFileName) {
  if (!ppszFileName) return E_POINTER;
  size_t bytes = (currentFile_.size() + 1) * sizeof(OLECHAR);
  *ppszFileName = static_cast<LPOLESTR>(CoTaskMemAlloc(bytes));
  if (!*ppszFileName) return E_OUTOFMEMORY;
  std::memcpy(*ppszFileName, currentFile_.c_str(), bytes);
  return currentFile_.empty() ? S_FALSE : S_OK;
}
