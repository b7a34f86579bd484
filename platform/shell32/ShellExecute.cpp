// ShellExecuteA: starts host programs and scripts. A relative file is looked up in the given
// folder, then in the current folder, case-insensitively. Windows programs, folders and
// documents cannot be opened on this host and fail with their documented codes.
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <fstream>
#include <string>
#include <vector>

#include <shellapi.h>
#include <windows.h>
#include <winport.h>

#include "NameCodec.h"
#include "ProcessLauncher.h"

namespace {

constexpr INT_PTR kStarted = 42;  // any value above 32 means success

HINSTANCE Result(INT_PTR code) {
  if (code <= 32) SetLastError(static_cast<DWORD>(code));
  return reinterpret_cast<HINSTANCE>(code);
}

bool EqualsIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
  }
  return *a == *b;
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\") || path.starts_with("/");
}

std::string HostPath(const std::string& windows) {
  char buffer[4096];
  DWORD length = WinportGetHostPath(windows.c_str(), buffer, sizeof buffer);
  return length && length < sizeof buffer ? std::string(buffer, length) : std::string{};
}

// Splits parameters the way Windows programs split their command line.
std::vector<std::string> SplitParameters(const char* text) {
  std::vector<std::string> arguments;
  if (!text) return arguments;
  std::string current;
  bool inQuotes = false, pending = false;
  for (const char* p = text;; ++p) {
    if (*p == '\0' || ((*p == ' ' || *p == '\t') && !inQuotes)) {
      if (pending) arguments.push_back(NameCodec::AnsiToHost(current));
      current.clear();
      pending = false;
      if (*p == '\0') break;
      continue;
    }
    pending = true;
    if (*p == '\\') {
      size_t slashes = 0;
      while (p[slashes] == '\\') ++slashes;
      if (p[slashes] == '"') {
        current.append(slashes / 2, '\\');
        p += slashes;
        if (slashes % 2) current += '"';
        else inQuotes = !inQuotes;
      } else {
        current.append(slashes, '\\');
        p += slashes - 1;
      }
    } else if (*p == '"') {
      inQuotes = !inQuotes;
    } else {
      current += *p;
    }
  }
  return arguments;
}

// The interpreter line of a script ("#!/bin/sh -e"), split into words; empty when none.
std::vector<std::string> Interpreter(const std::string& host) {
  std::ifstream file(host, std::ios::binary);
  std::string line;
  if (!std::getline(file, line) || !line.starts_with("#!")) return {};
  std::vector<std::string> words;
  size_t start = 2;
  while (start < line.size()) {
    size_t first = line.find_first_not_of(" \t\r", start);
    if (first == std::string::npos) break;
    size_t end = line.find_first_of(" \t\r", first);
    words.push_back(line.substr(first, end - first));
    start = end == std::string::npos ? line.size() : end;
  }
  return words;
}

bool IsWindowsProgram(const std::string& host, const std::string& name) {
  std::ifstream file(host, std::ios::binary);
  char magic[2] = {};
  if (file.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z') return true;
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = name.substr(dot + 1);
  for (const char* windows : {"exe", "com", "bat", "cmd", "pif", "scr"}) {
    if (EqualsIgnoringCase(extension.c_str(), windows)) return true;
  }
  return false;
}

// Finds the file: as given when absolute, else in `folder` (with ".exe" appended when it has
// no extension), else in the current folder.
INT_PTR Locate(const std::string& file, const std::string& folder, std::string& windowsPath) {
  std::vector<std::string> candidates;
  auto add = [&](const std::string& base) {
    candidates.push_back(base);
    if (file.find('.') == std::string::npos) candidates.push_back(base + ".exe");
  };
  if (IsAbsolute(file)) {
    add(file);
  } else {
    if (!folder.empty()) add(folder + (folder.ends_with("\\") ? "" : "\\") + file);
    add(file);
  }
  INT_PTR failure = SE_ERR_FNF;
  for (const std::string& candidate : candidates) {
    if (GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES) {
      char full[MAX_PATH];
      DWORD length = GetFullPathNameA(candidate.c_str(), MAX_PATH, full, nullptr);
      windowsPath.assign(full, length);
      return 0;
    }
    if (GetLastError() == ERROR_PATH_NOT_FOUND && IsAbsolute(file)) failure = SE_ERR_PNF;
  }
  return failure;
}

}  // namespace

extern "C" {

HINSTANCE WINAPI ShellExecuteA(HWND, LPCSTR lpOperation, LPCSTR lpFile, LPCSTR lpParameters, LPCSTR lpDirectory,
                               INT) {
  if (!lpFile || !*lpFile) return Result(SE_ERR_FNF);
  if (lpOperation && *lpOperation && !EqualsIgnoringCase(lpOperation, "open")) return Result(SE_ERR_NOASSOC);
  std::string folder = lpDirectory ? lpDirectory : "";
  std::string workingDirectory;
  if (!folder.empty()) {
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return Result(SE_ERR_PNF);
    workingDirectory = HostPath(folder);
  } else {
    char current[4096];
    workingDirectory = getcwd(current, sizeof current) ? current : "/";
  }
  std::string windowsPath;
  if (INT_PTR failure = Locate(lpFile, folder, windowsPath)) return Result(failure);
  std::string host = HostPath(windowsPath);
  struct stat status;
  if (host.empty() || stat(host.c_str(), &status) != 0) return Result(SE_ERR_FNF);
  if (S_ISDIR(status.st_mode)) return Result(SE_ERR_NOASSOC);  // no folder windows on this host

  std::vector<std::string> arguments;
  bool executable = status.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH);
  std::vector<std::string> interpreter = Interpreter(host);
  if (!executable && !interpreter.empty()) arguments = interpreter;
  else if (!executable) return Result(IsWindowsProgram(host, windowsPath) ? ERROR_BAD_FORMAT : SE_ERR_NOASSOC);
  arguments.push_back(host);
  for (std::string& parameter : SplitParameters(lpParameters)) arguments.push_back(std::move(parameter));

  switch (ProcessLauncher::Launch(arguments, workingDirectory)) {
    case 0: return Result(kStarted);
    case ENOENT: return Result(SE_ERR_FNF);
    case EACCES:
    case EPERM: return Result(SE_ERR_ACCESSDENIED);
    case ENOMEM: return Result(SE_ERR_OOM);
    default: return Result(ERROR_BAD_FORMAT);
  }
}

}
