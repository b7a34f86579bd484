// The process's identity: ids, command line, environment, computer name and version.
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>

#include "NameCodec.h"
#include "Win32Error.h"

namespace {

constexpr DWORD kMajorVersion = 5;
constexpr DWORD kMinorVersion = 0;
constexpr DWORD kBuildNumber = 2195;

std::string Quoted(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  for (char c : argument) {
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string BuildCommandLine() {
  std::ifstream file("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::string line;
  size_t start = 0;
  for (bool first = true; start < raw.size(); first = false) {
    size_t end = raw.find('\0', start);
    if (end == std::string::npos) end = raw.size();
    std::string argument = raw.substr(start, end - start);
    if (first) {
      char program[MAX_PATH];
      DWORD length = GetModuleFileNameA(nullptr, program, sizeof program);
      argument = length ? std::string(program, length) : NameCodec::HostToAnsi(argument);
    } else {
      argument = NameCodec::HostToAnsi(argument);
      line += ' ';
    }
    line += Quoted(argument);
    start = end + 1;
  }
  return line;
}

}  // namespace

extern "C" {

HANDLE WINAPI GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }

DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

HANDLE WINAPI GetCurrentThread(void) { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-2)); }

DWORD WINAPI GetCurrentThreadId(void) { return static_cast<DWORD>(gettid()); }

LPSTR WINAPI GetCommandLineA(void) {
  static std::once_flag once;
  static std::string line;
  std::call_once(once, [] { line = BuildCommandLine(); });
  return line.data();
}

DWORD WINAPI GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
  if (!lpName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const char* value = std::getenv(NameCodec::AnsiToHost(lpName).c_str());
  if (!value) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  std::string ansi = NameCodec::HostToAnsi(value);
  if (!lpBuffer || nSize <= ansi.size()) return static_cast<DWORD>(ansi.size() + 1);
  std::memcpy(lpBuffer, ansi.c_str(), ansi.size() + 1);
  return static_cast<DWORD>(ansi.size());
}

BOOL WINAPI GetComputerNameA(LPSTR lpBuffer, LPDWORD nSize) {
  if (!nSize) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0 || !*host) std::strcpy(host, "localhost");
  std::string name(host, std::strcspn(host, "."));
  if (name.size() > MAX_COMPUTERNAME_LENGTH) name.resize(MAX_COMPUTERNAME_LENGTH);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (!lpBuffer || *nSize <= name.size()) {
    *nSize = static_cast<DWORD>(name.size() + 1);
    return Win32Error::Fail(ERROR_BUFFER_OVERFLOW);
  }
  std::memcpy(lpBuffer, name.c_str(), name.size() + 1);
  *nSize = static_cast<DWORD>(name.size());
  return TRUE;
}

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  if (!lpVersionInformation) return Win32Error::Fail(ERROR_INVALID_PARAMETER);
  DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA)) return Win32Error::Fail(ERROR_INSUFFICIENT_BUFFER);
  OSVERSIONINFOEXA info{};
  info.dwOSVersionInfoSize = size;
  info.dwMajorVersion = kMajorVersion;
  info.dwMinorVersion = kMinorVersion;
  info.dwBuildNumber = kBuildNumber;
  info.dwPlatformId = VER_PLATFORM_WIN32_NT;
  info.wProductType = VER_NT_WORKSTATION;
  std::memcpy(lpVersionInformation, &info, size);
  return TRUE;
}

DWORD WINAPI GetVersion(void) { return (kBuildNumber << 16) | (kMinorVersion << 8) | kMajorVersion; }

}
