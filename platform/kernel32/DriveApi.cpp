// Drives, the current folder, well-known folders, free space and the program's own path.
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <climits>
#include <cstring>
#include <string>

#include <winport.h>

#include "NameCodec.h"
#include "PathResolver.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {

// Copies text out: the length without the NUL when it fits, else the size needed with it.
DWORD CopyOut(const std::string& text, LPSTR buffer, DWORD size) {
  if (!buffer || size <= text.size()) return static_cast<DWORD>(text.size() + 1);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<DWORD>(text.size());
}

bool StatFolder(LPCSTR name, struct statvfs& info) {
  ResolvedPath path;
  std::string current = PathResolver::Instance().CurrentFolder().ToString();
  if (!PathResolver::Instance().Resolve(name ? name : current.c_str(), path)) return false;
  if (!path.exists) return Win32Error::Fail(ERROR_PATH_NOT_FOUND);
  if (statvfs(path.Host().c_str(), &info) != 0) return Win32Error::FailFromErrno();
  return true;
}

std::string WindowsFolder() { return "C:\\WINDOWS"; }

std::string ProgramPath() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  return PathResolver::Instance().ToWindows(std::string(buffer, static_cast<size_t>(length)));
}

}  // namespace

extern "C" {

UINT WINAPI SetErrorMode(UINT uMode) {
  static std::atomic<UINT> mode{0};
  return mode.exchange(uMode);
}

DWORD WINAPI GetCurrentDirectoryA(DWORD nBufferLength, LPSTR lpBuffer) {
  char buffer[PATH_MAX];
  if (!getcwd(buffer, sizeof buffer)) {
    SetLastError(Win32Error::FromErrno(errno));
    return 0;
  }
  return CopyOut(PathResolver::Instance().ToWindows(buffer), lpBuffer, nBufferLength);
}

BOOL WINAPI SetCurrentDirectoryA(LPCSTR lpPathName) {
  ResolvedPath path;
  if (!PathResolver::Instance().Resolve(lpPathName, path)) return FALSE;
  if (!path.exists) return Win32Error::Fail(ERROR_FILE_NOT_FOUND);
  if (chdir(path.Host().c_str()) != 0) {
    return Win32Error::Fail(errno == ENOTDIR ? ERROR_DIRECTORY : Win32Error::FromErrno(errno));
  }
  return TRUE;
}

BOOL WINAPI GetDiskFreeSpaceExA(LPCSTR lpDirectoryName, PULARGE_INTEGER lpFreeBytesAvailableToCaller,
                                PULARGE_INTEGER lpTotalNumberOfBytes, PULARGE_INTEGER lpTotalNumberOfFreeBytes) {
  struct statvfs info;
  if (!StatFolder(lpDirectoryName, info)) return FALSE;
  auto unit = static_cast<ULONGLONG>(info.f_frsize);
  if (lpFreeBytesAvailableToCaller) lpFreeBytesAvailableToCaller->QuadPart = info.f_bavail * unit;
  if (lpTotalNumberOfBytes) lpTotalNumberOfBytes->QuadPart = info.f_blocks * unit;
  if (lpTotalNumberOfFreeBytes) lpTotalNumberOfFreeBytes->QuadPart = info.f_bfree * unit;
  return TRUE;
}

BOOL WINAPI GetDiskFreeSpaceA(LPCSTR lpRootPathName, LPDWORD lpSectorsPerCluster, LPDWORD lpBytesPerSector,
                              LPDWORD lpNumberOfFreeClusters, LPDWORD lpTotalNumberOfClusters) {
  struct statvfs info;
  if (!StatFolder(lpRootPathName, info)) return FALSE;
  constexpr DWORD kSector = 512;
  DWORD sectorsPerCluster = std::max<DWORD>(1, static_cast<DWORD>(info.f_frsize / kSector));
  auto clusters = [](unsigned long long count) { return static_cast<DWORD>(std::min<unsigned long long>(count, 0xFFFFFFFFull)); };
  if (lpSectorsPerCluster) *lpSectorsPerCluster = sectorsPerCluster;
  if (lpBytesPerSector) *lpBytesPerSector = kSector;
  if (lpNumberOfFreeClusters) *lpNumberOfFreeClusters = clusters(info.f_bavail);
  if (lpTotalNumberOfClusters) *lpTotalNumberOfClusters = clusters(info.f_blocks);
  return TRUE;
}

UINT WINAPI GetDriveTypeA(LPCSTR lpRootPathName) {
  std::string root = lpRootPathName ? lpRootPathName : PathResolver::Instance().CurrentFolder().ToString().substr(0, 3);
  bool isRoot = root.size() >= 2 && std::isalpha(static_cast<unsigned char>(root[0])) && root[1] == ':' &&
                (root.size() == 2 || (root.size() == 3 && (root[2] == '\\' || root[2] == '/')));
  if (!isRoot) return DRIVE_NO_ROOT_DIR;
  char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
  return drive == 'C' || drive == 'Z' ? DRIVE_FIXED : DRIVE_NO_ROOT_DIR;
}

DWORD WINAPI GetLogicalDrives(void) { return (1u << ('C' - 'A')) | (1u << ('Z' - 'A')); }

UINT WINAPI GetWindowsDirectoryA(LPSTR lpBuffer, UINT uSize) { return CopyOut(WindowsFolder(), lpBuffer, uSize); }

UINT WINAPI GetSystemDirectoryA(LPSTR lpBuffer, UINT uSize) {
  return CopyOut(WindowsFolder() + "\\SYSTEM", lpBuffer, uSize);
}

DWORD WINAPI GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer) {
  Prefix::Instance().Root();  // the folder is part of the layout
  std::string user = NameCodec::HostToAnsi(Prefix::Instance().UserName());
  std::string temp = "C:\\Documents and Settings\\" + user + "\\Local Settings\\Temp\\";
  return CopyOut(temp, lpBuffer, nBufferLength);
}

// On a short buffer the path is cut and NUL-terminated with ERROR_INSUFFICIENT_BUFFER (the
// later Windows behaviour), never left without its terminator.
DWORD WINAPI GetModuleFileNameA(HMODULE, LPSTR lpFilename, DWORD nSize) {
  std::string path = ProgramPath();
  if (path.empty()) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (!lpFilename || nSize == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() >= nSize) {
    std::memcpy(lpFilename, path.c_str(), nSize - 1);
    lpFilename[nSize - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  std::memcpy(lpFilename, path.c_str(), path.size() + 1);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(path.size());
}

DWORD WinportGetHostPath(LPCSTR windowsPath, char* hostPath, DWORD size) {
  ResolvedPath path;
  if (!PathResolver::Instance().Resolve(windowsPath, path)) return 0;
  return CopyOut(path.Host(), hostPath, size);
}

DWORD WinportGetWindowsPath(const char* hostPath, LPSTR windowsPath, DWORD size) {
  if (!hostPath) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return CopyOut(PathResolver::Instance().ToWindows(hostPath), windowsPath, size);
}

}
