#include "Installation.h"

#include <SysUtils.h>
#include <shlobj.h>
#include <windows.h>

#include "InstallationRecord.h"
#include "StartMenuShortcut.h"
#include "TreeCopy.h"
#include "TreeRemoval.h"

AnsiString Installation::SourceFolder() {
  AnsiString folder = GetCurrentDir();
  return folder.size() > 3 ? folder + "\\" : folder;
}

AnsiString Installation::InstallationFolder() {
  const AnsiString programFiles = "C:\\Progra~1";
  TSearchRec search;
  const bool found = FindFirst(programFiles, faDirectory, search) == 0;
  FindClose(search);
  return found ? programFiles + "\\TAWO\\" : AnsiString("C:\\TAWO\\");
}

AnsiString Installation::ShortcutPath() {
  const AnsiString programs = StartMenuShortcut::SpecialFolderPath(CSIDL_PROGRAMS);
  return programs.empty() ? AnsiString() : programs + kShortcutName;
}

double Installation::FreeMegabytes() {
  constexpr double kPerKilo = 1.0 / 1024;  // 0.0009765625
  return static_cast<double>(DiskFree(3)) * kPerKilo * kPerKilo;
}

Installation::Installation(AnsiString cdPath, AnsiString instPath, TreeProgress& progress)
    : FCdPath(std::move(cdPath)), FInstPath(std::move(instPath)), FProgress(progress) {}

bool Installation::Install(const AnsiString& shortcutPath) {
  TreeCopy copy(FProgress);
  for (const char* folder : kDataFolders) copy.Copy(FCdPath + folder, FInstPath + folder);
  CopyFileA((FCdPath + kProgramOnCd).c_str(), (FInstPath + kProgramInstalled).c_str(), FALSE);
  if (!shortcutPath.empty()) StartMenuShortcut::Create(FInstPath + kProgramInstalled, shortcutPath, kShortcutDescription);
  return InstallationRecord::Write(FCdPath, FInstPath);
}

bool Installation::Remove(const AnsiString& shortcutPath) {
  TreeRemoval(FProgress).Remove(FInstPath);
  if (!shortcutPath.empty()) DeleteFile(shortcutPath);
  return InstallationRecord::Delete();
}
