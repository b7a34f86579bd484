// GetModuleHandleA for the program itself: the one module this platform loads.
#include <unistd.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <string>

namespace {

// The program's module handle: the classic image base of an executable.
const HMODULE kProgramModule = reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x400000));

std::string Lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The program's file name without folder and without an ".exe" ending, lowercase.
std::string ProgramName() {
  char path[PATH_MAX] = {};
  const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  std::string name = length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
  name = name.substr(name.find_last_of('/') + 1);
  return Lowercase(name);
}

std::string WithoutExe(std::string name) {
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) name.resize(name.size() - 4);
  return name;
}

}  // namespace

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (!lpModuleName) return kProgramModule;
  std::string requested = Lowercase(lpModuleName);
  requested = requested.substr(requested.find_last_of("\\/") + 1);
  if (WithoutExe(requested) == WithoutExe(ProgramName())) return kProgramModule;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}
