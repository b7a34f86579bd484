#include "TFileStream.h"

#include "SysUtils.h"

TAWO_IMPLEMENT_CLASS(TFileStream)

namespace {

HANDLE OpenOrCreate(const AnsiString& fileName, unsigned mode) {
  if (mode == fmCreate) {
    HANDLE handle = FileCreate(fileName);
    if (handle == INVALID_HANDLE_VALUE) throw EFCreateError(Format(SFCreateError, {fileName}));
    return handle;
  }
  HANDLE handle = FileOpen(fileName, mode);
  if (handle == INVALID_HANDLE_VALUE) throw EFOpenError(Format(SFOpenError, {fileName}));
  return handle;
}

}  // namespace

TFileStream::TFileStream(AnsiString fileName, unsigned mode)
    : THandleStream(OpenOrCreate(fileName, mode)), FFileName(std::move(fileName)) {}

TFileStream::~TFileStream() { FileClose(FHandle); }
