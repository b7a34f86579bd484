// The program module's resources: added by the start-up code (WinportAddResource), as an
// executable's resource section would hold them, and found by type and name.
#include <windows.h>
#include <winport.h>

#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <utility>

namespace {

// A resource name or type: "#n" for a number (a name written "#n" means it too), the
// upper-cased text otherwise.
std::string KeyOf(LPCSTR name) {
  if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return key;
}

struct ResourceTable {
  std::mutex lock;
  // Entries are never removed (a replaced resource keeps its entry), so an HRSRC, the address
  // of an entry, stays valid for the life of the program.
  std::map<std::pair<std::string, std::string>, std::string> entries;
};

ResourceTable& Table() {
  static ResourceTable table;
  return table;
}

bool IsProgramModule(HMODULE module) { return module == nullptr || module == GetModuleHandleA(nullptr); }

const std::string* EntryOf(HRSRC resource) { return reinterpret_cast<const std::string*>(resource); }

}  // namespace

extern "C" BOOL WINAPI WinportAddResource(LPCSTR type, LPCSTR name, LPCVOID data, DWORD size) {
  if (type == nullptr || name == nullptr || (data == nullptr && size != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  ResourceTable& table = Table();
  const std::lock_guard<std::mutex> guard(table.lock);
  table.entries[{KeyOf(type), KeyOf(name)}].assign(static_cast<const char*>(data), size);
  return TRUE;
}

extern "C" HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
  if (!IsProgramModule(hModule)) {
    SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
    return nullptr;
  }
  if (lpName == nullptr || lpType == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  ResourceTable& table = Table();
  const std::lock_guard<std::mutex> guard(table.lock);
  const auto found = table.entries.find({KeyOf(lpType), KeyOf(lpName)});
  if (found == table.entries.end()) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HRSRC>(&found->second);
}

// The loaded resource is the entry itself: resources are mapped with the image and stay.
extern "C" HGLOBAL WINAPI LoadResource(HMODULE, HRSRC hResInfo) { return reinterpret_cast<HGLOBAL>(hResInfo); }

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) {
  if (hResData == nullptr) return nullptr;
  return const_cast<char*>(reinterpret_cast<const std::string*>(hResData)->data());
}

extern "C" DWORD WINAPI SizeofResource(HMODULE, HRSRC hResInfo) {
  if (hResInfo == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return static_cast<DWORD>(EntryOf(hResInfo)->size());
}

extern "C" BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }
