#include "TreeRemoval.h"

#include "TreeEntry.h"

void TreeRemoval::Remove(const AnsiString& folder) {
  const AnsiString path = folder.substr(0, folder.size() - 1);
  const int attributes = FileGetAttr(path);
  if (attributes != -1 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    RemoveLink(path);
    return;
  }
  RemoveTree(folder);
}

void TreeRemoval::RemoveTree(const AnsiString& folder) {
  TSearchRec entry;
  for (int found = FindFirst(folder + "*.*", faAnyFile, entry); found == 0; found = FindNext(entry)) {
    const AnsiString& name = entry.Name;
    if (TreeEntry::IsDots(name)) continue;
    if (TreeEntry::IsFolder(entry)) {
      RemoveTree(folder + name + "\\");
    } else if (TreeEntry::IsLink(entry)) {
      FProgress.CountFile(kMessagesEvery);
      RemoveLink(folder + name);
    } else {
      RemoveFile(folder + name, entry.Attr);
    }
  }
  FindClose(entry);
  RemoveDir(folder);
}

// Every file ends with its attributes cleared: deleted, or left behind (in use) with none.
// Read-only, which stands in the way of deleting, is cleared first; the other attributes only
// if the file stays, which spares a write to every file that goes.
void TreeRemoval::RemoveFile(const AnsiString& path, int attributes) {
  FProgress.CountFile(kMessagesEvery);
  const bool cleared = (attributes & kBlockingAttributes) != 0 && FileSetAttr(path, 0) == 0;
  if (!DeleteFile(path) && !cleared) FileSetAttr(path, 0);
}

// A file link is deleted as a file; a folder link, where the system presents it as a folder,
// is removed as an (empty) folder, which takes the link and leaves its target alone.
void TreeRemoval::RemoveLink(const AnsiString& path) {
  if (!DeleteFile(path)) RemoveDir(path);
}
