// One entry of a folder listing, as the tree copy and removal see it.
#pragma once

#include <SysUtils.h>
#include <windows.h>

namespace TreeEntry {

inline bool IsDots(const AnsiString& name) { return name == "." || name == ".."; }

// A symbolic link, whatever it points to. Walks never descend through one: a link to a folder
// outside the tree would let a removal delete, and a copy read, outside it, and a loop of
// links would recurse without end.
inline bool IsLink(const TSearchRec& entry) { return (entry.Attr & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

inline bool IsFolder(const TSearchRec& entry) { return (entry.Attr & faDirectory) != 0 && !IsLink(entry); }

// Whether the link at `path` leads to a folder: its contents can be listed (a folder lists at
// least "." and ".."). The link's own attributes need not say.
inline bool LeadsToFolder(const AnsiString& path) {
  TSearchRec probe;
  const bool listed = FindFirst(path + "\\*.*", faAnyFile, probe) == 0;
  FindClose(probe);
  return listed;
}

}  // namespace TreeEntry
