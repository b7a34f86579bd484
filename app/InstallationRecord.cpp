#include "InstallationRecord.h"

#include <TRegistry.h>

#include <memory>

namespace {

std::unique_ptr<TRegistry> CurrentUserRegistry() {
  auto registry = std::make_unique<TRegistry>();
  registry->SetRootKey(HKEY_CURRENT_USER);
  return registry;
}

}  // namespace

void InstallationRecord::Write(const AnsiString& cdPath, const AnsiString& instPath) {
  auto registry = CurrentUserRegistry();
  if (!registry->OpenKey(kKey, true)) return;
  registry->WriteString("Wersja", kVersion);
  registry->WriteString("cdPath", cdPath);
  registry->WriteString("instPath", instPath);
}

bool InstallationRecord::Test() {
  return CurrentUserRegistry()->OpenKey(kKey, false);
}

void InstallationRecord::Delete() {
  auto registry = CurrentUserRegistry();
  if (registry->OpenKey(kParentKey, false)) registry->DeleteKey(kKeyName);
}
