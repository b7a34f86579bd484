// Replacing a shared file so that readers, and a crash at any moment, find the old or the new
// contents whole: the text goes to a temporary file beside it, which is flushed and renamed
// over the file, and then the folder is flushed. Writers killed mid-save leave their
// temporaries; the next writer, holding the lock all writers of the file take, removes them.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

class DurableFile {
 public:
  // The temporary of this process for a file of `folder` whose temporaries are named
  // `prefix` + process id + ".tmp".
  static std::string TemporaryName(const std::string& folder, std::string_view prefix);
  // Writes `text` to `temporary` (created with `mode`) and renames it over `path`. False with
  // errno set on failure; the temporary never stays.
  static bool Replace(const std::string& path, const std::string& temporary, std::string_view text, mode_t mode);
  // Removes every temporary in `folder` named `prefix` + digits + ".tmp".
  static void RemoveTemporaries(const std::string& folder, std::string_view prefix);

 private:
  static bool WriteAll(int fd, std::string_view text);
  static void FlushFolder(const std::string& path);
};
