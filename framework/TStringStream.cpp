#include "TStringStream.h"

#include "TypInfo.h"

#include <algorithm>
#include <cstring>

using enum TSeekOrigin;

TAWO_IMPLEMENT_CLASS(TStringStream)

int64_t TStringStream::Read(void* buffer, int64_t count) {
  const int64_t n = std::clamp<int64_t>(count, 0, std::max<int64_t>(0, Size() - FPosition));
  if (n > 0) std::memcpy(buffer, FDataString.data() + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return n;
}

int64_t TStringStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = FPosition + count;
  if (end > Size()) FDataString.resize(static_cast<std::size_t>(end));
  std::memcpy(FDataString.data() + FPosition, buffer, static_cast<std::size_t>(count));
  FPosition = end;
  return count;
}

int64_t TStringStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Size();
  FPosition = std::clamp<int64_t>(base + offset, 0, Size());
  return FPosition;
}

void TStringStream::SetSize(int64_t size) {
  FDataString.resize(static_cast<std::size_t>(std::max<int64_t>(0, size)));
  FPosition = std::min(FPosition, Size());
}

AnsiString TStringStream::ReadString(int64_t count) {
  AnsiString text(static_cast<std::size_t>(std::clamp<int64_t>(count, 0, Size() - FPosition)), '\0');
  Read(text.data(), static_cast<int64_t>(text.size()));
  return text;
}

void TStringStream::WriteString(const AnsiString& text) { Write(text.data(), static_cast<int64_t>(text.size())); }
