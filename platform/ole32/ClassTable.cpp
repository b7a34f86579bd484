#include "ClassTable.h"

#include <algorithm>

ClassTable& ClassTable::Instance() {
  static ClassTable table;
  return table;
}

DWORD ClassTable::Register(REFCLSID clsid, IUnknown* object, DWORD context) {
  if (object == nullptr) return 0;
  std::lock_guard<std::mutex> guard(FLock);
  object->AddRef();
  FEntries.push_back({clsid, object, context, FNextCookie});
  return FNextCookie++;
}

bool ClassTable::Revoke(DWORD cookie) {
  IUnknown* object = nullptr;
  {
    std::lock_guard<std::mutex> guard(FLock);
    auto found = std::find_if(FEntries.begin(), FEntries.end(), [cookie](const Entry& e) { return e.cookie == cookie; });
    if (found == FEntries.end()) return false;
    object = found->object;
    FEntries.erase(found);
  }
  object->Release();
  return true;
}

IUnknown* ClassTable::Find(REFCLSID clsid, DWORD context) {
  std::lock_guard<std::mutex> guard(FLock);
  // The latest registration of a class wins, as a server registered again replaces the first.
  for (auto entry = FEntries.rbegin(); entry != FEntries.rend(); ++entry) {
    if (entry->clsid == clsid && (entry->context & context) != 0) {
      entry->object->AddRef();
      return entry->object;
    }
  }
  return nullptr;
}
