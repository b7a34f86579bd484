#include "FormConversion.h"

#include <TStringStream.h>

using enum TStreamOriginalFormat;

AnsiString FormToBinary(const AnsiString& description, std::vector<TFormTextLine>* lines) {
  TStringStream input(description);
  switch (TestStreamFormat(input)) {
    case sofBinary: return description;
    case sofText: {
      TStringStream output;
      ObjectTextToBinary(input, output, lines);
      return output.DataString();
    }
    default: throw EReadError("Not a form description");
  }
}

AnsiString FormToText(const AnsiString& description) {
  TStringStream binary(FormToBinary(description));
  TStringStream output;
  ObjectBinaryToText(binary, output);
  return output.DataString();
}
