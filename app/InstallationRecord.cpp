#include "InstallationRecord.h"

#include <TRegistry.h>

#include <memory>

namespace {

std::unique_ptr<TRegistry> CurrentUserRegistry() {
  auto registry = std::make_unique<TRegistry>();
  registry->SetRootKey(HKEY_CURRENT_USER);
  return registry;
}

// Saves the changes made through the registry's current key at once, durably, so that what
// the record answers holds on disk.
bool Saved(const TRegistry& registry) { return RegFlushKey(registry.CurrentKey()) == ERROR_SUCCESS; }

}  // namespace

bool InstallationRecord::Write(const AnsiString& cdPath, const AnsiString& instPath) {
  auto registry = CurrentUserRegistry();
  if (!registry->OpenKey(kKey, true)) return false;
  registry->WriteString("Wersja", kVersion);
  registry->WriteString("cdPath", cdPath);
  registry->WriteString("instPath", instPath);
  return Saved(*registry);
}

bool InstallationRecord::Test() {
  return CurrentUserRegistry()->OpenKey(kKey, false);
}

bool InstallationRecord::Delete() {
  auto registry = CurrentUserRegistry();
  if (registry->OpenKey(kParentKey, false)) {
    registry->DeleteKey(kKeyName);
    if (!Saved(*registry)) return false;
  }
  return !Test();
}
