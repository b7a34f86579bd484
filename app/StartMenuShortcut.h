// The shortcut to the installed program in the user's Start-menu programs folder, written
// through the shell's link object.
#pragma once

#include <System.h>

class StartMenuShortcut {
 public:
  // The path of a special folder (a CSIDL_ value) without a trailing '\'; empty when the shell
  // cannot supply it.
  static AnsiString SpecialFolderPath(int folder);

  // Writes `linkFile` (overwriting it) pointing to `target`, with the target's folder as the
  // working folder, `description`, the target's first icon and a normal window. Failures
  // leave no shortcut and are not reported.
  static void Create(const AnsiString& target, const AnsiString& linkFile, const AnsiString& description);

 private:
  static void SaveLink(const AnsiString& target, const WideString& linkFile, const AnsiString& description);
};
