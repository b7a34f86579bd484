// Converts form descriptions between their text and binary forms. Either function takes
// either form; EReadError when the bytes are neither, EParserError for a text's syntax error.
#pragma once

#include <Classes.h>

#include <vector>

// With `lines`, a text description notes the line of each object and property.
AnsiString FormToBinary(const AnsiString& description, std::vector<TFormTextLine>* lines = nullptr);
AnsiString FormToText(const AnsiString& description);
