#include "TreeCopy.h"

#include <windows.h>

#include "TreeEntry.h"

void TreeCopy::Copy(const AnsiString& source, const AnsiString& destination) {
  ForceDirectories(destination);
  TSearchRec entry;
  for (int found = FindFirst(source + "*.*", faAnyFile, entry); found == 0; found = FindNext(entry)) {
    const AnsiString& name = entry.Name;
    if (TreeEntry::IsDots(name)) continue;
    if (TreeEntry::IsFolder(entry)) {
      ForceDirectories(destination + name);
      Copy(source + name + "\\", destination + name + "\\");
    } else if (TreeEntry::IsLink(entry) && TreeEntry::LeadsToFolder(source + name)) {
      continue;  // a linked folder is not part of the tree
    } else if (!CopyOneFile(source + name, destination + name)) {
      break;
    }
  }
  FindClose(entry);
}

bool TreeCopy::CopyOneFile(const AnsiString& source, const AnsiString& destination) {
  FProgress.CountFile(kMessagesEvery);
  if (CopyFileA(source.c_str(), destination.c_str(), FALSE)) return true;
  FProgress.ShowMessage("Błąd: \n\rSrc: "_a + source + "\r\nDes:" + destination, "ERROR");
  return false;
}
