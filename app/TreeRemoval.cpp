#include "TreeRemoval.h"

#include "TreeEntry.h"

void TreeRemoval::Remove(const AnsiString& folder) {
  TSearchRec entry;
  for (int found = FindFirst(folder + "*.*", faAnyFile, entry); found == 0; found = FindNext(entry)) {
    const AnsiString& name = entry.Name;
    if (TreeEntry::IsDots(name)) continue;
    if (TreeEntry::IsFolder(entry)) {
      Remove(folder + name + "\\");
    } else if (TreeEntry::IsLink(entry)) {
      FProgress.CountFile(kMessagesEvery);
      RemoveLink(folder + name);
    } else {
      RemoveFile(folder + name);
    }
  }
  FindClose(entry);
  RemoveDir(folder);
}

void TreeRemoval::RemoveFile(const AnsiString& path) {
  FProgress.CountFile(kMessagesEvery);
  FileSetAttr(path, 0);  // read-only, hidden and system files can be deleted then
  DeleteFile(path);
}

// A file link is deleted as a file; a folder link, where the system presents it as a folder,
// is removed as an (empty) folder, which takes the link and leaves its target alone.
void TreeRemoval::RemoveLink(const AnsiString& path) {
  if (!DeleteFile(path)) RemoveDir(path);
}
