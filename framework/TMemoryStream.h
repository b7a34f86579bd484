// Unit Classes: TMemoryStream, a growable stream in memory.
#pragma once

#include "TStream.h"

#include <vector>

class TMemoryStream : public TStream {
  TAWO_CLASS(TMemoryStream, TStream)

 public:
  TMemoryStream() = default;

  int64_t Read(void* buffer, int64_t count) override;
  // Writing past the end grows the stream; a gap left by seeking beyond the end reads as zeros.
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t size) override;

  const char* Memory() const { return FData.data(); }
  char* Memory() { return FData.data(); }
  void Clear();
  // Replaces the contents with the whole of `stream`.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream);

 private:
  std::vector<char> FData;
  int64_t FPosition = 0;
};
