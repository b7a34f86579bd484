// Unit Classes: TStream, the abstract byte stream, with component reading and writing.
#pragma once

#include "Classes.h"
#include "System.h"

#include <cstdint>

class TComponent;

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
  TAWO_CLASS(TStream, TObject)

 public:
  // Reads up to `count` bytes; returns how many were read.
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to `count` bytes; returns how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t size);
  // Bytes between the position and the end.
  int64_t Remaining() { return Size() - Position(); }

  // All or nothing: EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies `count` bytes from the source's position; 0 copies the whole source from its start.
  int64_t CopyFrom(TStream& source, int64_t count);

  // Form descriptions (binary) at the stream's position.
  TComponent* ReadComponent(TComponent* instance);
  void WriteComponent(TComponent* instance);
  // Writes only what differs from `ancestor` (inherited forms).
  void WriteDescendent(TComponent* instance, TComponent* ancestor);
};
