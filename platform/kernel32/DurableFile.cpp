#include "DurableFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <memory>

namespace {

constexpr std::string_view kSuffix = ".tmp";

bool IsTemporary(std::string_view name, std::string_view prefix) {
  if (!name.starts_with(prefix) || !name.ends_with(kSuffix)) return false;
  std::string_view digits = name.substr(prefix.size());
  if (digits.size() <= kSuffix.size()) return false;
  digits.remove_suffix(kSuffix.size());
  return std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

}  // namespace

std::string DurableFile::TemporaryName(const std::string& folder, std::string_view prefix) {
  return folder + "/" + std::string(prefix) + std::to_string(getpid()) + std::string(kSuffix);
}

bool DurableFile::WriteAll(int fd, std::string_view text) {
  for (size_t done = 0; done < text.size();) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

void DurableFile::FlushFolder(const std::string& path) {
  std::string folder = path.substr(0, path.rfind('/'));
  int fd = open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool DurableFile::Replace(const std::string& path, const std::string& temporary, std::string_view text, mode_t mode) {
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
  if (fd < 0) return false;
  bool written = WriteAll(fd, text) && fsync(fd) == 0;
  int error = written ? 0 : errno;
  if (close(fd) != 0 && !error) error = errno;
  if (!error && rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error) {
    unlink(temporary.c_str());
    errno = error;
    return false;
  }
  FlushFolder(path);
  return true;
}

void DurableFile::RemoveTemporaries(const std::string& folder, std::string_view prefix) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
  if (!dir) return;
  while (const dirent* entry = readdir(dir.get())) {
    if (IsTemporary(entry->d_name, prefix)) unlink((folder + "/" + entry->d_name).c_str());
  }
}
