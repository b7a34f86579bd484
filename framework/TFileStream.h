// Unit Classes: TFileStream, a stream over a file it opens (or creates) and closes.
#pragma once

#include "THandleStream.h"

inline constexpr const char* SFCreateError = "Cannot create file %s";
inline constexpr const char* SFOpenError = "Cannot open file %s";

class TFileStream : public THandleStream {
  TAWO_CLASS(TFileStream, THandleStream)

 public:
  // `mode` is fmCreate (create or empty the file, exclusively) or an fmOpen... mode or'ed with
  // an fmShare... mode. EFCreateError / EFOpenError when the file cannot be had.
  TFileStream(AnsiString fileName, unsigned mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  const AnsiString& FileName() const { return FFileName; }

 private:
  AnsiString FFileName;
};
