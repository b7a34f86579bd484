#include "TStrings.h"

#include "RTLConsts.h"
#include "TFinally.h"
#include "TReader.h"
#include "TStream.h"
#include "TWriter.h"

TAWO_IMPLEMENT_CLASS(TStrings)

TObject* TStrings::GetObject(int) const { return nullptr; }

void TStrings::Put(int index, const AnsiString& text) {
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, text, object);
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::Exchange(int index1, int index2) {
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  const AnsiString text = Get(index1);
  TObject* object = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, text);
  PutObject(index2, object);
}

int TStrings::Add(const AnsiString& text) {
  const int index = GetCount();
  Insert(index, text);
  return index;
}

int TStrings::AddObject(const AnsiString& text, TObject* object) {
  const int index = Add(text);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int index, const AnsiString& text, TObject* object) {
  Insert(index, text);
  PutObject(index, object);
}

void TStrings::AddStrings(const TStrings& strings) {
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Get(i), strings.GetObject(i));
}

void TStrings::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  const AnsiString text = Get(currentIndex);
  TObject* object = GetObject(currentIndex);
  Delete(currentIndex);
  InsertObject(newIndex, text, object);
}

int TStrings::CompareStrings(const AnsiString& a, const AnsiString& b) const { return AnsiCompareText(a, b); }

int TStrings::IndexOf(const AnsiString& text) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (CompareStrings(Get(i), text) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const AnsiString& name) const {
  for (int i = 0; i < GetCount(); ++i) {
    const AnsiString line = Get(i);
    const std::size_t equals = line.find('=');
    if (equals != AnsiString::npos && CompareStrings(line.substr(0, equals), name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < GetCount(); ++i) {
    if (GetObject(i) == object) return i;
  }
  return -1;
}

bool TStrings::Equals(const TStrings& other) const {
  if (GetCount() != other.GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i) {
    if (Get(i) != other.Get(i)) return false;
  }
  return true;
}

AnsiString TStrings::Names(int index) const {
  const AnsiString line = Get(index);
  const std::size_t equals = line.find('=');
  return equals == AnsiString::npos ? AnsiString() : line.substr(0, equals);
}

AnsiString TStrings::Values(const AnsiString& name) const {
  const int index = IndexOfName(name);
  return index >= 0 ? ValueFromIndex(index) : AnsiString();
}

AnsiString TStrings::ValueFromIndex(int index) const {
  const AnsiString line = Get(index);
  const std::size_t equals = line.find('=');
  return equals == AnsiString::npos ? AnsiString() : line.substr(equals + 1);
}

void TStrings::SetValue(const AnsiString& name, const AnsiString& value) {
  int index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  if (index < 0) index = Add("");
  Put(index, name + "=" + value);
}

AnsiString TStrings::Text() const {
  AnsiString text;
  for (int i = 0; i < GetCount(); ++i) text += Get(i) + "\r\n";
  return text;
}

void TStrings::SetText(const AnsiString& text) {
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == AnsiString::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r') ++end;
    if (end < text.size() && text[end] == '\n') ++end;
    start = end;
  }
}

AnsiString TStrings::DelimitedText() const { return JoinDelimited(Delimiter, QuoteChar); }
void TStrings::SetDelimitedText(const AnsiString& text) { SplitDelimited(text, Delimiter, QuoteChar); }
AnsiString TStrings::CommaText() const { return JoinDelimited(',', '"'); }
void TStrings::SetCommaText(const AnsiString& text) { SplitDelimited(text, ',', '"'); }

AnsiString TStrings::JoinDelimited(char delimiter, char quote) const {
  const int count = GetCount();
  if (count == 1 && Get(0).empty()) return AnsiString(2, quote);
  AnsiString result;
  for (int i = 0; i < count; ++i) {
    AnsiString item = Get(i);
    for (char c : item) {
      if (static_cast<unsigned char>(c) <= ' ' || c == quote || c == delimiter) {
        item = AnsiQuotedStr(item, quote);
        break;
      }
    }
    if (i > 0) result += delimiter;
    result += item;
  }
  return result;
}

void TStrings::SplitDelimited(const AnsiString& text, char delimiter, char quote) {
  auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  std::size_t p = 0;
  while (p < text.size() && blank(text[p])) ++p;
  while (p < text.size()) {
    if (text[p] == quote) {
      Add(AnsiExtractQuotedStr(text, p, quote));
    } else {
      const std::size_t start = p;
      while (p < text.size() && static_cast<unsigned char>(text[p]) > ' ' && text[p] != delimiter) ++p;
      Add(text.substr(start, p - start));
    }
    while (p < text.size() && blank(text[p])) ++p;
    if (p < text.size() && text[p] == delimiter) {
      if (p + 1 == text.size()) Add("");
      do ++p;
      while (p < text.size() && blank(text[p]));
    }
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(TPersistent* source) {
  auto* strings = dynamic_cast<TStrings*>(source);
  if (strings == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  BeginUpdate();
  const TFinally endUpdate([&] { EndUpdate(); });
  Clear();
  AddStrings(*strings);
}

void TStrings::DefineProperties(TFiler& filer) {
  const auto* ancestor = dynamic_cast<const TStrings*>(filer.Ancestor());
  filer.DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        BeginUpdate();
        const TFinally endUpdate([this] { EndUpdate(); });
        Clear();
        while (!reader.EndOfList()) Add(reader.ReadString());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < GetCount(); ++i) writer.WriteString(Get(i));
        writer.WriteListEnd();
      },
      ancestor != nullptr ? !Equals(*ancestor) : GetCount() > 0);
}

void TStrings::LoadFromStream(TStream& stream) {
  AnsiString text(static_cast<std::size_t>(std::max<int64_t>(0, stream.Remaining())), '\0');
  stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const AnsiString text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::Error(const char* message, int index) const { throw EStringListError(Format(message, {index})); }
