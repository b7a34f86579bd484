// An open file behind a HANDLE from CreateFileA.
#pragma once

#include <string>

#include "FileSharing.h"
#include "KernelObject.h"

class FileObject : public KernelObject {
 public:
  FileObject(int fd, DWORD access, const FileSharing::Ticket& ticket, std::string deleteOnClose);
  ~FileObject() override;
  FileObject(const FileObject&) = delete;
  FileObject& operator=(const FileObject&) = delete;

  int Fd() const { return fd_; }
  bool CanRead() const { return access_ & GENERIC_READ; }
  bool CanWrite() const { return access_ & GENERIC_WRITE; }

 private:
  int fd_;
  DWORD access_;
  FileSharing::Ticket ticket_;
  std::string deleteOnClose_;  // host path to remove when closed, or empty
};
