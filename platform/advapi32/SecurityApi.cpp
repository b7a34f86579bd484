// User name, process token and privileges, and the refusal to shut the system down.
#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "AccessToken.h"
#include "HandleTable.h"
#include "NameCodec.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

struct Privilege {
  std::string_view name;
  DWORD luid;
};

// The NT privilege LUIDs, as LookupPrivilegeValue reports them.
constexpr Privilege kPrivileges[] = {
    {"SeCreateTokenPrivilege", 2},     {"SeAssignPrimaryTokenPrivilege", 3}, {"SeLockMemoryPrivilege", 4},
    {"SeIncreaseQuotaPrivilege", 5},   {"SeMachineAccountPrivilege", 6},     {"SeTcbPrivilege", 7},
    {"SeSecurityPrivilege", 8},        {"SeTakeOwnershipPrivilege", 9},      {"SeLoadDriverPrivilege", 10},
    {"SeSystemProfilePrivilege", 11},  {"SeSystemtimePrivilege", 12},        {"SeProfileSingleProcessPrivilege", 13},
    {"SeIncreaseBasePriorityPrivilege", 14}, {"SeCreatePagefilePrivilege", 15}, {"SeCreatePermanentPrivilege", 16},
    {"SeBackupPrivilege", 17},         {"SeRestorePrivilege", 18},           {"SeShutdownPrivilege", 19},
    {"SeDebugPrivilege", 20},          {"SeAuditPrivilege", 21},             {"SeSystemEnvironmentPrivilege", 22},
    {"SeChangeNotifyPrivilege", 23},   {"SeRemoteShutdownPrivilege", 24},    {"SeUndockPrivilege", 25},
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

extern "C" {

BOOL WINAPI GetUserNameA(LPSTR lpBuffer, LPDWORD pcbBuffer) {
  if (!pcbBuffer) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  std::string name = NameCodec::HostToAnsi(Prefix::Instance().UserName());
  DWORD needed = static_cast<DWORD>(name.size() + 1);
  if (!lpBuffer || *pcbBuffer < needed) {
    *pcbBuffer = needed;
    return Win32Error::Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(lpBuffer, name.c_str(), needed);
  *pcbBuffer = needed;
  return TRUE;
}

BOOL WINAPI OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess, PHANDLE TokenHandle) {
  if (!TokenHandle) return Win32Error::Fail(ERROR_NOACCESS);
  if (ProcessHandle != GetCurrentProcess()) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  *TokenHandle = HandleTable::Instance().Add(std::make_shared<AccessToken>(DesiredAccess));
  return TRUE;
}

BOOL WINAPI LookupPrivilegeValueA(LPCSTR lpSystemName, LPCSTR lpName, PLUID lpLuid) {
  if (!lpName || !lpLuid) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (lpSystemName && *lpSystemName) return Win32Error::Fail(ERROR_NOT_SUPPORTED);
  for (const Privilege& privilege : kPrivileges) {
    if (EqualsIgnoringCase(privilege.name, lpName)) {
      *lpLuid = LUID{privilege.luid, 0};
      return TRUE;
    }
  }
  return Win32Error::Fail(ERROR_NO_SUCH_PRIVILEGE);
}

// The token holds no privileges: enabling any succeeds as a call but assigns nothing, which
// Windows reports as TRUE with ERROR_NOT_ALL_ASSIGNED.
BOOL WINAPI AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges, PTOKEN_PRIVILEGES NewState,
                                  DWORD BufferLength, PTOKEN_PRIVILEGES PreviousState, PDWORD ReturnLength) {
  auto token = HandleTable::Instance().Get<AccessToken>(TokenHandle);
  if (!token) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  if (!token->MayAdjust()) return Win32Error::Fail(ERROR_ACCESS_DENIED);
  if (!DisableAllPrivileges && !NewState) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  if (PreviousState) {
    if (BufferLength < sizeof(DWORD)) {
      if (ReturnLength) *ReturnLength = sizeof(DWORD);
      return Win32Error::Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    PreviousState->PrivilegeCount = 0;
  }
  if (ReturnLength) *ReturnLength = sizeof(DWORD);
  bool enables = false;
  for (DWORD i = 0; !DisableAllPrivileges && i < NewState->PrivilegeCount; ++i) {
    if (NewState->Privileges[i].Attributes & SE_PRIVILEGE_ENABLED) enables = true;
  }
  SetLastError(enables ? ERROR_NOT_ALL_ASSIGNED : ERROR_SUCCESS);
  return TRUE;
}

// Never shuts down, restarts or logs off the host. Shutting down fails as it does without
// SeShutdownPrivilege; logging off, which needs no privilege on Windows, is refused as not
// supported rather than reported as done.
BOOL WINAPI ExitWindowsEx(UINT uFlags, DWORD) {
  if (uFlags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) return Win32Error::Fail(ERROR_PRIVILEGE_NOT_HELD);
  return Win32Error::Fail(ERROR_NOT_SUPPORTED);
}

}
