#include "FormViewer.h"

#include "FormClasses.h"
#include "FormConversion.h"

#include <TForm.h>
#include <TReader.h>
#include <TStringStream.h>

void TFormViewer::Open(const AnsiString& description, TForm& form) {
  RegisterFormClasses();
  lines.clear();
  problems.clear();
  TStringStream binary(FormToBinary(description, &lines));
  fromText = !lines.empty();
  TReader reader(binary);
  reader.OnError = TEvent<TReader*, const AnsiString&, bool&>(this, &TFormViewer::NoteProblem);
  reader.OnFindMethod = TEvent<TReader*, const AnsiString&, TMethod&, bool&>(this, &TFormViewer::LeaveHandlerUnassigned);
  reader.ReadRootComponent(&form);
}

void TFormViewer::NoteProblem(TReader* reader, const AnsiString& message, bool& handled) {
  const int64_t at = reader->Stream().Position() - 1;  // the last byte read belongs to the failing record
  const AnsiString place = fromText ? ":" + IntToStr(TextLineAt(lines, at)) : " (byte " + IntToStr(at) + ")";
  problems.push_back(sourceName + place + ": " + message);
  handled = true;
}

void TFormViewer::LeaveHandlerUnassigned(TReader*, const AnsiString&, TMethod&, bool& error) { error = false; }
