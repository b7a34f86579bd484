// Unit IniFiles: TIniFile, an ini file read and written through the system's profile API, so
// its rules apply: names compare case-insensitively, blanks around names and values are
// trimmed, a value in matching quotes loses them, a file name without a folder is in the
// Windows directory.
#pragma once

#include "TCustomIniFile.h"

class TIniFile : public TCustomIniFile {
  TAWO_CLASS(TIniFile, TCustomIniFile)

 public:
  // Only keeps the name; the file is read and written on each call.
  explicit TIniFile(AnsiString fileName) : TCustomIniFile(std::move(fileName)) {}

  // Values longer than 2047 characters are cut.
  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& defaultValue) override;
  // Creates the file and the section when needed; EIniFileException when it cannot.
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
  void ReadSection(const AnsiString& section, TStrings& strings) override;
  void ReadSections(TStrings& strings) override;
  void ReadSectionValues(const AnsiString& section, TStrings& strings) override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  void UpdateFile() override;

 private:
  // A NUL-separated list from the profile API (names of a section, or of the sections).
  void ReadNames(const char* section, TStrings& strings);
  [[noreturn]] void WriteError() const;
};
