#include "Classes.h"

#include "RTLConsts.h"
#include "TComponent.h"
#include "TMemoryStream.h"
#include "TParser.h"
#include "TReader.h"
#include "TStream.h"
#include "TWriter.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <vector>

using enum TFilerFlag;
using enum TFloatFormat;
using enum TStreamOriginalFormat;
using enum TValueType;

TAWO_IMPLEMENT_CLASS(EListError)
TAWO_IMPLEMENT_CLASS(EStringListError)
TAWO_IMPLEMENT_CLASS(EComponentError)
TAWO_IMPLEMENT_CLASS(EStreamError)
TAWO_IMPLEMENT_CLASS(EFCreateError)
TAWO_IMPLEMENT_CLASS(EFOpenError)
TAWO_IMPLEMENT_CLASS(EFilerError)
TAWO_IMPLEMENT_CLASS(EReadError)
TAWO_IMPLEMENT_CLASS(EWriteError)
TAWO_IMPLEMENT_CLASS(EClassNotFound)
TAWO_IMPLEMENT_CLASS(EInvalidImage)
TAWO_IMPLEMENT_CLASS(EResNotFound)
TAWO_IMPLEMENT_CLASS(EParserError)

// ---------------------------------------------------------------------------------------------
// Class registry.

namespace {

struct TRegistry {
  std::mutex Lock;
  std::map<AnsiString, TClass> Classes;  // key: upper-case name
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

}  // namespace

void RegisterClass(TClass aClass) {
  TRegistry& registry = Registry();
  std::lock_guard<std::mutex> guard(registry.Lock);
  const AnsiString key = UpperCase(aClass->ClassName());
  const auto found = registry.Classes.find(key);
  if (found != registry.Classes.end()) {
    if (found->second == aClass) return;
    throw EFilerError(Format(SDuplicateClass, {aClass->ClassName()}));
  }
  registry.Classes.emplace(key, aClass);
}

void RegisterClasses(std::initializer_list<TClass> classes) {
  for (TClass aClass : classes) RegisterClass(aClass);
}

void UnRegisterClass(TClass aClass) {
  TRegistry& registry = Registry();
  std::lock_guard<std::mutex> guard(registry.Lock);
  const auto found = registry.Classes.find(UpperCase(aClass->ClassName()));
  if (found != registry.Classes.end() && found->second == aClass) registry.Classes.erase(found);
}

TClass GetClass(const AnsiString& className) {
  TRegistry& registry = Registry();
  std::lock_guard<std::mutex> guard(registry.Lock);
  const auto found = registry.Classes.find(UpperCase(className));
  return found != registry.Classes.end() ? found->second : nullptr;
}

TClass FindClass(const AnsiString& className) {
  TClass found = GetClass(className);
  if (found == nullptr) throw EClassNotFound(Format(SClassNotFound, {className}));
  return found;
}

// ---------------------------------------------------------------------------------------------
// Integer identifiers.

namespace {

struct TIntegerConsts {
  PTypeInfo Type;
  TIdentToInt IdentToInt;
  TIntToIdent IntToIdent;
};

std::vector<TIntegerConsts>& IntegerConsts() {
  static std::vector<TIntegerConsts> consts;
  return consts;
}

const TIntegerConsts* FindIntegerConsts(PTypeInfo integerType) {
  for (const TIntegerConsts& entry : IntegerConsts()) {
    if (entry.Type == integerType) return &entry;
  }
  return nullptr;
}

}  // namespace

void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent) {
  IntegerConsts().push_back({integerType, std::move(identToInt), std::move(intToIdent)});
}

const TIdentToInt* FindIdentToInt(PTypeInfo integerType) {
  const TIntegerConsts* entry = FindIntegerConsts(integerType);
  return entry != nullptr ? &entry->IdentToInt : nullptr;
}

const TIntToIdent* FindIntToIdent(PTypeInfo integerType) {
  const TIntegerConsts* entry = FindIntegerConsts(integerType);
  return entry != nullptr ? &entry->IntToIdent : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Global components.

namespace {

std::vector<TFindGlobalComponent>& GlobalFinders() {
  static std::vector<TFindGlobalComponent> finders;
  return finders;
}

}  // namespace

void RegisterFindGlobalComponent(TFindGlobalComponent finder) { GlobalFinders().push_back(finder); }

void UnregisterFindGlobalComponent(TFindGlobalComponent finder) {
  auto& finders = GlobalFinders();
  finders.erase(std::remove(finders.begin(), finders.end(), finder), finders.end());
}

TComponent* FindGlobalComponent(const AnsiString& name) {
  for (TFindGlobalComponent finder : GlobalFinders()) {
    if (TComponent* found = finder(name)) return found;
  }
  return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Form resources.

namespace {

std::map<AnsiString, AnsiString>& FormResources() {
  static std::map<AnsiString, AnsiString> resources;
  return resources;
}

// The binary form of a registered resource (text resources are converted).
void LoadResourceBinary(const AnsiString& data, TMemoryStream& binary) {
  TMemoryStream source;
  source.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
  source.SetPosition(0);
  if (TestStreamFormat(source) == sofText) ObjectTextToBinary(source, binary);
  else binary.LoadFromStream(source);
  binary.SetPosition(0);
}

}  // namespace

bool RegisterFormResource(const AnsiString& name, std::string_view data) {
  FormResources()[UpperCase(name)] = AnsiString(data);
  return true;
}

const AnsiString* FindFormResource(const AnsiString& name) {
  const auto found = FormResources().find(UpperCase(name));
  return found != FormResources().end() ? &found->second : nullptr;
}

bool InitComponentRes(TComponent* instance) {
  const AnsiString* data = FindFormResource(instance->ClassName());
  if (data == nullptr) return false;
  TMemoryStream binary;
  LoadResourceBinary(*data, binary);
  binary.ReadComponent(instance);
  return true;
}

bool InitInheritedComponent(TComponent* instance, TClass rootAncestor) {
  // Ancestors' descriptions first, so that a descendant's description refines them.
  std::vector<TClass> chain;
  for (TClass cls = instance->ClassType(); cls != nullptr && cls != rootAncestor; cls = cls->ClassParent()) {
    chain.push_back(cls);
  }
  bool loaded = false;
  for (auto cls = chain.rbegin(); cls != chain.rend(); ++cls) {
    if (FindFormResource((*cls)->ClassName()) == nullptr) continue;
    ReadComponentRes((*cls)->ClassName(), instance);
    loaded = true;
  }
  return loaded;
}

TComponent* ReadComponentRes(const AnsiString& resName, TComponent* instance) {
  const AnsiString* data = FindFormResource(resName);
  if (data == nullptr) throw EResNotFound(Format(SResNotFound, {resName}));
  TMemoryStream binary;
  LoadResourceBinary(*data, binary);
  return binary.ReadComponent(instance);
}

// ---------------------------------------------------------------------------------------------
// Text and binary form descriptions.

TStreamOriginalFormat TestStreamFormat(TStream& stream) {
  const int64_t start = stream.Position();
  char head[64] = {};
  const int64_t count = stream.Read(head, sizeof head);
  stream.SetPosition(start);
  const AnsiString text(head, static_cast<std::size_t>(count));
  if (text.compare(0, 4, AnsiString(kFilerSignature, 4)) == 0) return sofBinary;
  std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  const AnsiString word = UpperCase(text.substr(i, 9));
  for (const char* keyword : {"OBJECT", "INHERITED", "INLINE"}) {
    if (word.compare(0, std::strlen(keyword), keyword) == 0) return sofText;
  }
  return sofUnknown;
}

namespace {

constexpr int kMaxConversionDepth = TReader::kMaxNestingDepth;
// Strings are cut into pieces of this many characters, binary data into lines of this many
// bytes; binary data up to one line long stays inline.
constexpr int kStringPieceLength = 64;
constexpr int kBinaryBytesPerLine = 32;

class TDepth {
 public:
  explicit TDepth(int& depth) : FDepth(depth) {
    if (++FDepth > kMaxConversionDepth) {
      --FDepth;
      throw EReadError(SNestingTooDeep);
    }
  }
  ~TDepth() { --FDepth; }
  TDepth(const TDepth&) = delete;
  TDepth& operator=(const TDepth&) = delete;

 private:
  int& FDepth;
};

// Names that the text form can express: identifiers, dotted where a path is allowed.
bool IsTextName(const AnsiString& name, bool dotted) {
  if (name.empty()) return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = dotted ? name.find('.', start) : AnsiString::npos;
    if (!IsValidIdent(name.substr(start, dot == AnsiString::npos ? AnsiString::npos : dot - start))) return false;
    if (dot == AnsiString::npos) return true;
    start = dot + 1;
  }
}

// A property name as text. A name whose first part is a word that opens or closes an object
// ("object", "end", ...) is marked with '&', so that it reads back as a property.
AnsiString PropertyNameText(const AnsiString& name) {
  const AnsiString first = name.substr(0, name.find('.'));
  for (const char* word : {"object", "inherited", "inline", "end"}) {
    if (SameText(first, word)) return "&" + name;
  }
  return name;
}

// Float text that reads back to the same value: 18 decimals in the usual range, the exponent
// form outside it so that tiny and huge values keep their digits. Infinities and NaN cannot be
// written as text.
AnsiString FloatText(long double value) {
  if (!std::isfinite(value)) throw EReadError(SInvalidImage);  // text has no infinity or NaN
  if (value != 0) {
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1;
    if (exponent < -1 || exponent > 18) return FloatToStrF(value, ffGeneral, 18, 0, '.');
  }
  return FloatToStrF(value, ffFixed, 18, 18, '.');
}

class TBinaryToText {
 public:
  TBinaryToText(TStream& input, TStream& output) : FReader(input), FOutput(output) {}

  void Run() {
    FReader.ReadSignature();
    WriteObject();
  }

 private:
  void Put(const AnsiString& text) { FOutput.WriteBuffer(text.data(), static_cast<int64_t>(text.size())); }
  void Indent() { Put(AnsiString(static_cast<std::size_t>(FLevel) * 2, ' ')); }
  void NewLine() {
    Put("\r\n");
    Indent();
  }

  void WriteObject() {
    TDepth depth(FDepth);
    TFilerFlags flags;
    int childPos = 0;
    FReader.ReadPrefix(flags, childPos);
    const AnsiString className = ReadName(false);
    const AnsiString name = FReader.ReadStr();
    if (!name.empty() && !IsTextName(name, false)) throw EReadError(SInvalidImage);
    Indent();
    Put(flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ");
    if (!name.empty()) Put(name + ": ");
    Put(className);
    if (flags.Contains(ffChildPos)) Put(" [" + IntToStr(childPos) + "]");
    Put("\r\n");
    ++FLevel;
    while (!FReader.EndOfList()) WriteProperty();
    FReader.ReadListEnd();
    while (!FReader.EndOfList()) WriteObject();
    FReader.ReadListEnd();
    --FLevel;
    Indent();
    Put("end\r\n");
  }

  // A name from the binary form; one the text form cannot express is a format error.
  AnsiString ReadName(bool dotted) {
    AnsiString name = FReader.ReadStr();
    if (!IsTextName(name, dotted)) throw EReadError(SInvalidImage);
    return name;
  }

  void WriteProperty() {
    Indent();
    Put(PropertyNameText(ReadName(true)) + " = ");
    ConvertValue();
    Put("\r\n");
  }

  void ConvertValue() {
    TDepth depth(FDepth);
    switch (FReader.NextValue()) {
      case vaList:
        FReader.ReadValue();
        Put("(");
        ++FLevel;
        while (!FReader.EndOfList()) {
          NewLine();
          ConvertValue();
        }
        FReader.ReadListEnd();
        --FLevel;
        Put(")");
        break;
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        Put(IntToStr(FReader.ReadInt64()));
        break;
      case vaExtended:
      case vaDouble:
        Put(FloatText(FReader.ReadFloat()));
        break;
      case vaSingle:
        Put(FloatText(FReader.ReadFloat()) + "s");
        break;
      case vaCurrency:
        Put(FloatText(FReader.ReadFloat()) + "c");
        break;
      case vaDate:
        Put(FloatText(FReader.ReadFloat()) + "d");
        break;
      case vaString:
      case vaLString:
      case vaWString:
      case vaUTF8String:
        WriteString(ReadStringChars());
        break;
      case vaIdent:
        FReader.ReadValue();
        Put(ReadName(true));
        break;
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        Put(FReader.ReadIdent());
        break;
      case vaBinary:
        WriteBinary();
        break;
      case vaSet:
        WriteSet();
        break;
      case vaCollection:
        WriteCollection();
        break;
      default:
        FReader.ReadValue();  // not a value tag: raises the format error
        throw EReadError(SInvalidImage);
    }
  }

  // String characters for the text form: 0..255 are code page 1250 bytes, above that UTF-16
  // code units that only #nnn can express.
  std::vector<int> ReadStringChars() {
    const TValueType type = FReader.NextValue();
    std::vector<int> chars;
    if (type == vaString || type == vaLString) {
      for (char c : FReader.ReadString()) chars.push_back(static_cast<unsigned char>(c));
      return chars;
    }
    for (char16_t unit : FReader.ReadWideString()) {
      const int byte = cp1250::FromUnicode(unit);
      chars.push_back(byte >= 0 ? byte : unit);
    }
    return chars;
  }

  // Quoted runs and #nnn codes, cut into pieces joined by " +" at line ends.
  void WriteString(const std::vector<int>& chars) {
    if (chars.empty()) {
      Put("''");
      return;
    }
    const std::size_t length = chars.size();
    const std::size_t piece = kStringPieceLength;
    ++FLevel;
    if (length > piece) NewLine();
    std::size_t i = 0;
    std::size_t pieceStart = 0;
    auto literal = [&](std::size_t at) { return chars[at] >= 32 && chars[at] <= 255; };
    while (i < length) {
      if (literal(i)) {
        AnsiString run = "'";
        do {
          run += static_cast<char>(chars[i]);
          if (chars[i] == '\'') run += '\'';
          ++i;
        } while (i < length && literal(i) && i - pieceStart < piece);
        Put(run + "'");
      } else {
        Put("#" + IntToStr(chars[i]));
        ++i;
      }
      if (i - pieceStart >= piece && i < length) {
        Put(" +");
        NewLine();
        pieceStart = i;
      }
    }
    --FLevel;
  }

  void WriteBinary() {
    const AnsiString bytes = FReader.ReadBinary();
    static constexpr char kHex[] = "0123456789ABCDEF";
    const bool multiLine = bytes.size() > static_cast<std::size_t>(kBinaryBytesPerLine);
    Put("{");
    ++FLevel;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBinaryBytesPerLine) {
      if (multiLine) NewLine();
      AnsiString line;
      const std::size_t end = std::min(bytes.size(), offset + kBinaryBytesPerLine);
      for (std::size_t i = offset; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        line += kHex[byte >> 4];
        line += kHex[byte & 15];
      }
      Put(line);
    }
    --FLevel;
    Put("}");
  }

  void WriteSet() {
    FReader.ReadValue();
    AnsiString text = "[";
    for (AnsiString name = FReader.ReadStr(); !name.empty(); name = FReader.ReadStr()) {
      if (!IsTextName(name, false)) throw EReadError(SInvalidImage);
      if (text.size() > 1) text += ", ";
      text += name;
    }
    Put(text + "]");
  }

  void WriteCollection() {
    FReader.ReadValue();
    Put("<");
    ++FLevel;
    while (!FReader.EndOfList()) {
      NewLine();
      Put("item");
      const TValueType next = FReader.NextValue();
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) Put(" [" + IntToStr(FReader.ReadInteger()) + "]");
      Put("\r\n");
      FReader.ReadListBegin();
      ++FLevel;
      while (!FReader.EndOfList()) WriteProperty();
      FReader.ReadListEnd();
      --FLevel;
      Indent();
      Put("end");
    }
    FReader.ReadListEnd();
    --FLevel;
    Put(">");
  }

  TReader FReader;
  TStream& FOutput;
  int FLevel = 0;
  int FDepth = 0;
};

class TTextToBinary {
 public:
  TTextToBinary(TStream& input, TStream& output, std::vector<TFormTextLine>* lines)
      : FParser(input), FWriter(output), FOutput(output), FLines(lines) {}

  void Run() {
    FWriter.WriteSignature();
    ConvertObject();
  }

 private:
  bool AtObjectOrEnd() const {
    return FParser.TokenSymbolIs("END") || FParser.TokenSymbolIs("OBJECT") ||
           FParser.TokenSymbolIs("INHERITED") || FParser.TokenSymbolIs("INLINE");
  }

  void CheckNotEnd() const {
    if (FParser.Token() == toEOF) FParser.Error("'end' expected");
  }

  void WriteName(const AnsiString& name) {
    if (name.size() > 255) FParser.Error("Identifier too long");
    FWriter.WriteStr(name);
  }

  void NoteLine() {
    if (FLines != nullptr) FLines->push_back({FOutput.Position(), FParser.SourceLine()});
  }

  void ConvertObject() {
    TDepth depth(FDepth);
    NoteLine();
    TFilerFlags flags;
    if (FParser.TokenSymbolIs("INHERITED")) flags.Include(ffInherited);
    else if (FParser.TokenSymbolIs("INLINE")) flags.Include(ffInline);
    else FParser.CheckTokenSymbol("object");
    FParser.NextToken();
    FParser.CheckToken(toSymbol);
    AnsiString className = FParser.TokenString();
    AnsiString objectName;
    if (FParser.NextToken() == ':') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      objectName = className;
      className = FParser.TokenString();
      FParser.NextToken();
    }
    int position = 0;
    if (FParser.Token() == '[') {
      FParser.NextToken();
      position = static_cast<int>(std::clamp<int64_t>(FParser.TokenInt(), INT32_MIN, INT32_MAX));
      FParser.NextToken();
      FParser.CheckToken(']');
      FParser.NextToken();
      flags.Include(ffChildPos);
    }
    FWriter.WritePrefix(flags, position);
    WriteName(className);
    WriteName(objectName);
    while (!AtObjectOrEnd()) {
      CheckNotEnd();
      ConvertProperty();
    }
    FWriter.WriteListEnd();
    while (!FParser.TokenSymbolIs("END")) {
      CheckNotEnd();
      ConvertObject();
    }
    FWriter.WriteListEnd();
    FParser.NextToken();
  }

  void ConvertProperty() {
    NoteLine();
    if (FParser.Token() == '&') FParser.NextToken();
    FParser.CheckToken(toSymbol);
    AnsiString name = FParser.TokenString();
    while (FParser.NextToken() == '.') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      name += "." + FParser.TokenString();
    }
    WriteName(name);
    FParser.CheckToken('=');
    FParser.NextToken();
    ConvertValue();
  }

  void ConvertValue() {
    TDepth depth(FDepth);
    switch (FParser.Token()) {
      case toString:
      case toWString:
        ConvertString();
        break;
      case toInteger:
        FWriter.WriteInteger(FParser.TokenInt());
        FParser.NextToken();
        break;
      case toFloat:
        ConvertFloat();
        FParser.NextToken();
        break;
      case '[':
        ConvertSet();
        break;
      case '(':
        FParser.NextToken();
        FWriter.WriteListBegin();
        while (FParser.Token() != ')') {
          if (FParser.Token() == toEOF) FParser.Error(Format(SCharExpected, {')'}));
          ConvertValue();
        }
        FParser.NextToken();
        FWriter.WriteListEnd();
        break;
      case '{': {
        const AnsiString bytes = FParser.HexToBinary();
        FWriter.WriteBinary(bytes.data(), static_cast<int64_t>(bytes.size()));
        FParser.NextToken();
        break;
      }
      case '<':
        ConvertCollection();
        break;
      case toSymbol: {
        const AnsiString ident = FParser.TokenComponentIdent();
        if (ident.size() > 255) FParser.Error("Identifier too long");
        FWriter.WriteIdent(ident);
        break;
      }
      default:
        FParser.Error(SInvalidProperty);
    }
  }

  void ConvertString() {
    std::u16string wide = FParser.TokenWideString();
    AnsiString ansi = FParser.TokenString();
    bool isWide = FParser.Token() == toWString;
    while (FParser.NextToken() == '+') {
      FParser.NextToken();
      if (FParser.Token() != toString && FParser.Token() != toWString) FParser.Error(SStringExpected);
      wide += FParser.TokenWideString();
      ansi += FParser.TokenString();
      isWide = isWide || FParser.Token() == toWString;
    }
    if (isWide) FWriter.WriteWideString(wide);
    else FWriter.WriteString(ansi);
  }

  void ConvertFloat() {
    const long double value = FParser.TokenFloat();
    switch (FParser.FloatType()) {
      case 's': FWriter.WriteSingle(static_cast<float>(value)); break;
      case 'c': FWriter.WriteCurrency(value); break;
      case 'd': FWriter.WriteDate(static_cast<double>(value)); break;
      default: FWriter.WriteFloat(value); break;
    }
  }

  void ConvertSet() {
    FParser.NextToken();
    FWriter.WriteValue(vaSet);
    if (FParser.Token() != ']') {
      for (;;) {
        FParser.CheckToken(toSymbol);
        WriteName(FParser.TokenString());
        if (FParser.NextToken() == ']') break;
        FParser.CheckToken(',');
        FParser.NextToken();
      }
    }
    FWriter.WriteStr("");
    FParser.NextToken();
  }

  void ConvertCollection() {
    FParser.NextToken();
    FWriter.WriteValue(vaCollection);
    while (FParser.Token() != '>') {
      FParser.CheckTokenSymbol("item");
      FParser.NextToken();
      if (FParser.Token() == '[') {
        FParser.NextToken();
        FWriter.WriteInteger(FParser.TokenInt());
        FParser.NextToken();
        FParser.CheckToken(']');
        FParser.NextToken();
      }
      FWriter.WriteListBegin();
      while (!FParser.TokenSymbolIs("end")) {
        CheckNotEnd();
        ConvertProperty();
      }
      FWriter.WriteListEnd();
      FParser.NextToken();
    }
    FWriter.WriteListEnd();
    FParser.NextToken();
  }

  TParser FParser;
  TWriter FWriter;
  TStream& FOutput;
  std::vector<TFormTextLine>* FLines;
  int FDepth = 0;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) { TBinaryToText(input, output).Run(); }

void ObjectTextToBinary(TStream& input, TStream& output, std::vector<TFormTextLine>* lines) {
  TTextToBinary(input, output, lines).Run();
}

int TextLineAt(const std::vector<TFormTextLine>& lines, int64_t offset) {
  const auto after = std::upper_bound(lines.begin(), lines.end(), offset,
                                      [](int64_t at, const TFormTextLine& line) { return at < line.Offset; });
  return after == lines.begin() ? 0 : std::prev(after)->Line;
}
