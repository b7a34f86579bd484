// Where the shell's special folders are, in the Windows 2000 layout of the prefix: the user's
// profile under C:\Documents and Settings\<user>, shared folders under All Users.
#pragma once

#include <string>

class ShellFolders {
 public:
  // The Windows path of a CSIDL (CSIDL_FLAG_ bits ignored); false for identifiers that are
  // unknown or name a folder without a file-system path.
  static bool Path(int csidl, std::string& path);
  // Whether the identifier names a virtual folder the shell knows (My Computer, ...).
  static bool IsVirtual(int csidl);
};
