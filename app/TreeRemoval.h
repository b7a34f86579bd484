// Deletes a folder with everything in it, counting every file on the progress bar. Entries
// that cannot be deleted stay behind, with the folders above them, and nothing is reported.
#pragma once

#include <SysUtils.h>

#include "TreeProgress.h"

class TreeRemoval {
 public:
  static constexpr int kMessagesEvery = 500;

  explicit TreeRemoval(TreeProgress& progress) : FProgress(progress) {}

  // `folder` ends with '\'. A folder that is itself a symbolic link loses only the link.
  void Remove(const AnsiString& folder);

 private:
  // Only read-only stands in the way of deleting; hidden and system files delete as they are.
  static constexpr int kBlockingAttributes = faReadOnly;

  void RemoveTree(const AnsiString& folder);
  void RemoveFile(const AnsiString& path, int attributes);
  // The link itself goes, never what it points to.
  static void RemoveLink(const AnsiString& path);

  TreeProgress& FProgress;
};
