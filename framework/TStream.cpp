#include "TStream.h"

#include "RTLConsts.h"
#include "TReader.h"
#include "TWriter.h"

#include <algorithm>
#include <vector>

using enum TSeekOrigin;

TAWO_IMPLEMENT_CLASS(TStream)

int64_t TStream::Size() {
  const int64_t position = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(position, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr int64_t kBufferSize = 61440;
  std::vector<char> buffer(static_cast<std::size_t>(std::min(count, kBufferSize)));
  int64_t copied = 0;
  while (copied < count) {
    const int64_t chunk = std::min(count - copied, kBufferSize);
    source.ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    copied += chunk;
  }
  return copied;
}

TComponent* TStream::ReadComponent(TComponent* instance) {
  TReader reader(*this);
  return reader.ReadRootComponent(instance);
}

void TStream::WriteComponent(TComponent* instance) { WriteDescendent(instance, nullptr); }

void TStream::WriteDescendent(TComponent* instance, TComponent* ancestor) {
  TWriter writer(*this);
  writer.WriteDescendent(instance, ancestor);
}
