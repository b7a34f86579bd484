// Unit Classes: TStringStream, a stream over an AnsiString.
#pragma once

#include "TStream.h"

class TStringStream : public TStream {
  TAWO_CLASS(TStringStream, TStream)

 public:
  explicit TStringStream(AnsiString data = AnsiString()) : FDataString(std::move(data)) {}

  int64_t Read(void* buffer, int64_t count) override;
  // Overwrites at the position and grows at the end; the text after the written part stays.
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(FDataString.size()); }
  void SetSize(int64_t size) override;

  const AnsiString& DataString() const { return FDataString; }
  AnsiString ReadString(int64_t count);
  void WriteString(const AnsiString& text);

 private:
  AnsiString FDataString;
  int64_t FPosition = 0;
};
