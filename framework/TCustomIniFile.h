// Unit IniFiles: TCustomIniFile, settings as sections of name=value pairs. Descendants store
// the strings; numbers and booleans are kept as text.
#pragma once

#include "IniFiles.h"
#include "TStrings.h"

class TCustomIniFile : public TObject {
  TAWO_CLASS(TCustomIniFile, TObject)

 public:
  explicit TCustomIniFile(AnsiString fileName) : FFileName(std::move(fileName)) {}

  const AnsiString& FileName() const { return FFileName; }

  virtual AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) = 0;
  virtual void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) = 0;
  // Decimal, $hex or 0x hex; anything else gives the default.
  virtual int ReadInteger(const AnsiString& section, const AnsiString& ident, int defaultValue);
  virtual void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
  // Any non-zero number is true; written as "1" or "0".
  virtual bool ReadBool(const AnsiString& section, const AnsiString& ident, bool defaultValue);
  virtual void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
  // In the locale's number format.
  virtual double ReadFloat(const AnsiString& section, const AnsiString& ident, double defaultValue);
  virtual void WriteFloat(const AnsiString& section, const AnsiString& ident, double value);

  virtual bool SectionExists(const AnsiString& section);
  virtual bool ValueExists(const AnsiString& section, const AnsiString& ident);
  // Replace the list's contents with the section's names, the section names, or name=value.
  virtual void ReadSection(const AnsiString& section, TStrings& strings) = 0;
  virtual void ReadSections(TStrings& strings) = 0;
  virtual void ReadSectionValues(const AnsiString& section, TStrings& strings) = 0;
  virtual void EraseSection(const AnsiString& section) = 0;
  virtual void DeleteKey(const AnsiString& section, const AnsiString& ident) = 0;
  // Makes sure every change has reached the storage.
  virtual void UpdateFile() = 0;

 private:
  AnsiString FFileName;
};
