// Form descriptions of a component as text, and loading them back.
#pragma once

#include <Classes.h>
#include <TComponent.h>
#include <TMemoryStream.h>
#include <TStringStream.h>

inline AnsiString FormBinary(TComponent* root) {
  TMemoryStream stream;
  stream.WriteComponent(root);
  return AnsiString(static_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

inline AnsiString FormText(TComponent* root) {
  TStringStream input(FormBinary(root));
  TStringStream output;
  ObjectBinaryToText(input, output);
  return output.DataString();
}

inline void LoadFormText(const AnsiString& text, TComponent* root) {
  TStringStream input(text);
  TStringStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  binary.ReadComponent(root);
}

// CRLF line ends for expected texts written with '\n'.
inline AnsiString Crlf(const AnsiString& text) {
  AnsiString out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}
