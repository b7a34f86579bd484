#include "TGraphic.h"

#include "TFiler.h"
#include "RTLConsts.h"
#include "TMemoryStream.h"

#include <algorithm>

#include <windows.h>

TAWO_IMPLEMENT_CLASS(TGraphic)

namespace {

constexpr const char* kCannotOpenFile = "Cannot open file %s";
constexpr const char* kCannotCreateFile = "Cannot create file %s";

// Whole files through the platform's file API, as memory streams.
void ReadWholeFile(const AnsiString& fileName, TMemoryStream& stream) {
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFOpenError(Format(kCannotOpenFile, {fileName}));
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) stream.WriteBuffer(buffer, read);
  CloseHandle(file);
  stream.SetPosition(0);
}

void WriteWholeFile(const AnsiString& fileName, TMemoryStream& stream) {
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw EFCreateError(Format(kCannotCreateFile, {fileName}));
  DWORD written = 0;
  const BOOL ok = WriteFile(file, stream.Memory(), static_cast<DWORD>(stream.Size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != stream.Size()) throw EWriteError(SWriteError);
}

}  // namespace

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  Changed();
}

void TGraphic::SetModified(bool modified) {
  if (modified) Changed();
  else FModified = false;
}

void TGraphic::Changed() {
  FModified = true;
  OnChange(this);
}

void TGraphic::LoadFromFile(const AnsiString& fileName) {
  TMemoryStream stream;
  ReadWholeFile(fileName, stream);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const AnsiString& fileName) {
  TMemoryStream stream;
  SaveToStream(stream);
  WriteWholeFile(fileName, stream);
}

bool TGraphic::Equals(TGraphic* graphic) {
  if (graphic == nullptr || graphic->ClassType() != ClassType()) return false;
  if (Empty() || graphic->Empty()) return Empty() && graphic->Empty();
  TMemoryStream mine;
  TMemoryStream theirs;
  WriteData(mine);
  graphic->WriteData(theirs);
  return mine.Size() == theirs.Size() && std::equal(mine.Memory(), mine.Memory() + mine.Size(), theirs.Memory());
}

void TGraphic::ReadData(TStream& stream) { LoadFromStream(stream); }

void TGraphic::WriteData(TStream& stream) { SaveToStream(stream); }

void TGraphic::DefineProperties(TFiler& filer) {
  auto* ancestor = dynamic_cast<TGraphic*>(filer.Ancestor());
  const bool hasData = ancestor != nullptr ? !Equals(ancestor) : !Empty();
  filer.DefineBinaryProperty(
      "Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, hasData);
}
