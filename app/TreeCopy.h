// Copies a folder with all its subfolders and files, counting every file on the progress bar.
// A file that cannot be copied is reported in a message box, and the rest of its folder is
// skipped; nothing is raised for file failures.
#pragma once

#include "TreeProgress.h"

class TreeCopy {
 public:
  static constexpr int kMessagesEvery = 100;

  explicit TreeCopy(TreeProgress& progress) : FProgress(progress) {}

  // `source` and `destination` end with '\'. The destination exists afterwards even when the
  // source is missing or empty.
  void Copy(const AnsiString& source, const AnsiString& destination);

 private:
  // False when the copy failed and the folder's remaining entries are to be skipped.
  bool CopyOneFile(const AnsiString& source, const AnsiString& destination);

  TreeProgress& FProgress;
};
