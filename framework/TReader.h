// Unit Classes: TReader, which reads binary form descriptions (TPF0) into components.
#pragma once

#include "TFiler.h"
#include "TypInfo.h"

#include <vector>

class TCollection;
class TComponent;
class TPersistent;

class TReader : public TFiler {
  TAWO_CLASS(TReader, TFiler)

 public:
  // Limits that keep damaged or hostile descriptions from exhausting stack or memory: nested
  // components, lists and collections together may not be deeper than this.
  static constexpr int kMaxNestingDepth = 100;

  explicit TReader(TStream& stream) : TFiler(stream) {}
  ~TReader() override;

  void DefineProperty(const AnsiString& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;

  // Reads the signature and one root. Without a root the class is found in the registry and
  // created; with a root its class name is not checked. Fixups are resolved and every
  // component read gets Loaded (root first, then in reading order).
  TComponent* ReadRootComponent(TComponent* root);
  // Reads one component (created with Owner, parented to Parent) and its children. When the
  // component cannot be made (an unknown class, a missing ancestor) and OnError handles the
  // failure, its properties and children are skipped and the result is null.
  TComponent* ReadComponent(TComponent* component);
  // The properties and the children of `instance`.
  void ReadData(TComponent* instance);
  void ReadProperty(TPersistent* instance);
  void ReadCollection(TCollection* collection);

  // Values. A value of another type raises EReadError "Invalid property value".
  // The next byte, not consumed and not checked (it may be a name's length).
  TValueType NextValue();
  // A value tag; a byte that is no tag raises "Invalid stream format".
  TValueType ReadValue();
  void CheckValue(TValueType value);
  bool EndOfList() { return NextValue() == TValueType::vaNull; }
  void ReadListBegin() { CheckValue(TValueType::vaList); }
  void ReadListEnd() { CheckValue(TValueType::vaNull); }
  void ReadSignature();
  void ReadPrefix(TFilerFlags& flags, int& childPos);
  bool ReadBoolean();
  char ReadChar();
  int32_t ReadInteger();
  int64_t ReadInt64();
  long double ReadFloat();
  float ReadSingle();
  double ReadDate();
  long double ReadCurrency();
  AnsiString ReadString();
  AnsiString ReadIdent();
  // A length-prefixed short string (names).
  AnsiString ReadStr();
  // A string value as UTF-16 (Windows-1250 strings are converted).
  std::u16string ReadWideString();
  // The bytes of a vaBinary value.
  AnsiString ReadBinary();
  void SkipValue();

  TComponent* Owner() const { return FOwner; }
  void SetOwner(TComponent* owner) { FOwner = owner; }
  TComponent* Parent() const { return FParent; }
  void SetParent(TComponent* parent) { FParent = parent; }

  // (Reader, Message, var Handled): Handled skips the failing property or component and goes on.
  TEvent<TReader*, const AnsiString&, bool&> OnError;
  // (Reader, MethodName, var Method, var Error): may supply a handler the root lacks, or clear
  // Error to leave the event unassigned.
  TEvent<TReader*, const AnsiString&, TMethod&, bool&> OnFindMethod;

 private:
  struct TFixup {
    TComponent* Component;
    TPersistent* Instance;
    PPropInfo Prop;
    AnsiString Name;
  };
  class TDepthGuard;

  [[noreturn]] void PropValueError();
  [[noreturn]] void PropertyError(const AnsiString& name);
  uint8_t ReadByte();
  template <class T>
  T ReadLittleEndian();
  // Checks that `count` bytes can still follow before anything is allocated for them.
  void CheckAvailable(int64_t count);
  AnsiString ReadBytes(int64_t count);
  void ReadPropValue(TPersistent* instance, PPropInfo propInfo);
  void ReadOrdinalValue(TPersistent* instance, PPropInfo propInfo);
  void ReadMethodValue(TPersistent* instance, PPropInfo propInfo);
  void ReadClassValue(TPersistent* instance, PPropInfo propInfo);
  int64_t ReadSet(PTypeInfo setType);
  TMethod FindMethod(const AnsiString& name);
  TClass FindComponentClass(const AnsiString& className);
  TComponent* CreateComponent(const AnsiString& className);
  TComponent* FindAncestorComponent(const AnsiString& name);
  // Skips a component's properties and children, after its class and name were read.
  void SkipComponentData();
  void ResolveFixups();
  void AddLoaded(TComponent* component);

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  TComponent* FReadingComponent = nullptr;  // the component whose properties are being read
  AnsiString FPropName;                     // last segment of the property being read
  int FDepth = 0;
  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
};
