// The class objects registered with CoRegisterClassObject: one table for the process, each
// entry holding a reference to its object until it is revoked.
#pragma once

#include <objbase.h>

#include <mutex>
#include <vector>

class ClassTable {
 public:
  static ClassTable& Instance();

  // The cookie that revokes the registration; 0 when the arguments are unusable.
  DWORD Register(REFCLSID clsid, IUnknown* object, DWORD context);
  bool Revoke(DWORD cookie);
  // A new reference to the class object registered for the class in one of the contexts, or null.
  IUnknown* Find(REFCLSID clsid, DWORD context);

 private:
  struct Entry {
    CLSID clsid;
    IUnknown* object;
    DWORD context;
    DWORD cookie;
  };

  std::mutex FLock;
  std::vector<Entry> FEntries;
  DWORD FNextCookie = 1;
};
