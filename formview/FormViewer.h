// Opens any form description into a plain form with the registered classes (FormClasses), so
// that it can be looked at without the program it belongs to. Event handlers stay unassigned.
#pragma once

#include <Classes.h>

#include <vector>

class TForm;
class TReader;

class TFormViewer : public TObject {
 public:
  // `sourceName` begins every message (the file's name).
  explicit TFormViewer(AnsiString sourceName) : sourceName(std::move(sourceName)) {}

  // Reads `description` (text or binary) into `form`. A component of an unknown class is left
  // out, an unknown property or a bad value is passed over, each noted in Problems(), and the
  // rest is read; a description the reader cannot find its way through raises.
  void Open(const AnsiString& description, TForm& form);
  // "<source>:<line>: <message>" for text, "<source> (byte <offset>): <message>" for binary.
  const std::vector<AnsiString>& Problems() const { return problems; }

 private:
  void NoteProblem(TReader* reader, const AnsiString& message, bool& handled);
  void LeaveHandlerUnassigned(TReader* reader, const AnsiString& name, TMethod& method, bool& error);

  AnsiString sourceName;
  std::vector<TFormTextLine> lines;
  bool fromText = false;
  std::vector<AnsiString> problems;
};
