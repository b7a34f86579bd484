// Unit Classes: THandleStream, a stream over an open file handle that it does not own.
#pragma once

#include "TStream.h"

#include <windows.h>

class THandleStream : public TStream {
  TAWO_CLASS(THandleStream, TStream)

 public:
  explicit THandleStream(HANDLE handle) : FHandle(handle) {}

  HANDLE Handle() const { return FHandle; }

  // 0 bytes when the handle cannot be read or written.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  // -1 when the handle cannot seek there.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // Truncates or extends the file; EWriteError when it cannot.
  void SetSize(int64_t size) override;

 protected:
  HANDLE FHandle;
};
