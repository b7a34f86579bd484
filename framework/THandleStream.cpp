#include "THandleStream.h"

#include "RTLConsts.h"
#include "SysUtils.h"

#include <algorithm>

using enum TSeekOrigin;

TAWO_IMPLEMENT_CLASS(THandleStream)

namespace {

// The file API moves at most 2^31 - 1 bytes per call.
constexpr int64_t kMaxChunk = 0x7FFFFFFF;

}  // namespace

int64_t THandleStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const int got = FileRead(FHandle, static_cast<char*>(buffer) + done, static_cast<int>(std::min(count - done, kMaxChunk)));
    if (got <= 0) break;
    done += got;
  }
  return done;
}

int64_t THandleStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const int put = FileWrite(FHandle, static_cast<const char*>(buffer) + done, static_cast<int>(std::min(count - done, kMaxChunk)));
    if (put <= 0) break;
    done += put;
  }
  return done;
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin) { return FileSeek(FHandle, offset, static_cast<int>(origin)); }

void THandleStream::SetSize(int64_t size) {
  Seek(size, soBeginning);
  if (Position() != size || !SetEndOfFile(FHandle)) throw EWriteError(SWriteError);
}
