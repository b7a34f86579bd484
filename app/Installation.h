// The file-system side of the install and remove command: the two folders it works between,
// the free-space check, copying the product onto drive C: and removing it again. The window
// keeps the labels, the progress bar, the status bar and the warning dialog.
#pragma once

#include "TreeProgress.h"

class Installation {
 public:
  static constexpr const char* kDataFolders[] = {"Data\\", "DB\\", "Makiety\\", "Foto\\"};
  static constexpr const char* kProgramOnCd = "tawo.exe";
  static constexpr const char* kProgramInstalled = "TAWO.exe";
  static constexpr const char* kShortcutName = "\\Lesmora.lnk";
  static constexpr const char* kShortcutDescription = "Lesmora";
  static constexpr double kRequiredMegabytes = 100.0;

  // The current folder, ending in '\' (a drive root already has one).
  static AnsiString SourceFolder();
  // C:\Progra~1\TAWO\ when "C:\Progra~1" exists, else C:\TAWO\.
  static AnsiString InstallationFolder();
  // The Start-menu programs folder + "\Lesmora.lnk"; empty when the folder is unknown.
  static AnsiString ShortcutPath();
  // Free bytes on C: in megabytes; negative when the drive cannot be queried.
  static double FreeMegabytes();
  static bool IsShortOfSpace() { return FreeMegabytes() < kRequiredMegabytes; }

  Installation(AnsiString cdPath, AnsiString instPath, TreeProgress& progress);

  const AnsiString& CdPath() const { return FCdPath; }
  const AnsiString& InstPath() const { return FInstPath; }

  // Copies the four data folders and the program, writes the shortcut and the record. False
  // when the record could not be written (the copied files stay).
  bool Install(const AnsiString& shortcutPath);
  // Removes the installation folder, the shortcut and the record. False when the record could
  // not be deleted.
  bool Remove(const AnsiString& shortcutPath);

 private:
  AnsiString FCdPath;
  AnsiString FInstPath;
  TreeProgress& FProgress;
};
