// Unit Classes: TWriter, which writes components as binary form descriptions (TPF0).
#pragma once

#include "TFiler.h"
#include "TypInfo.h"

#include <string>

class TCollection;
class TComponent;
class TPersistent;

class TWriter : public TFiler {
  TAWO_CLASS(TWriter, TFiler)

 public:
  explicit TWriter(TStream& stream) : TFiler(stream) {}

  void DefineProperty(const AnsiString& name, const TReaderProc& readData,
                      const TWriterProc& writeData, bool hasData) override;
  void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData,
                            const TStreamProc& writeData, bool hasData) override;
  void SetRoot(TComponent* root) override;

  // The signature and the root with its children; with an ancestor only what differs.
  void WriteRootComponent(TComponent* root);
  void WriteDescendent(TComponent* root, TComponent* ancestor);
  void WriteComponent(TComponent* component);
  // Header, properties and children of one component (TComponent::WriteState calls it).
  void WriteData(TComponent* instance);
  // Published properties that are stored and differ from their default (or the ancestor),
  // then the ones DefineProperties writes.
  void WriteProperties(TPersistent* instance);
  void WriteCollection(TCollection* collection);

  void WriteValue(TValueType value);
  void WriteListBegin() { WriteValue(TValueType::vaList); }
  void WriteListEnd() { WriteValue(TValueType::vaNull); }
  void WriteSignature();
  void WritePrefix(TFilerFlags flags, int childPos);
  void WriteBoolean(bool value);
  void WriteChar(char value);
  // The smallest of vaInt8, vaInt16, vaInt32, vaInt64.
  void WriteInteger(int64_t value);
  void WriteFloat(long double value);
  void WriteSingle(float value);
  void WriteDate(double value);
  void WriteCurrency(long double value);
  // vaString up to 255 bytes, vaLString beyond.
  void WriteString(const AnsiString& value);
  // vaWString: UTF-16 code units.
  void WriteWideString(const std::u16string& value);
  // True, False and nil get their own tags; anything else is vaIdent.
  void WriteIdent(const AnsiString& ident);
  // A short string of at most 255 bytes (EWriteError beyond).
  void WriteStr(const AnsiString& value);
  void WriteBinary(const void* data, int64_t size);

  TComponent* RootAncestor() const { return FRootAncestor; }

 private:
  void WriteBytes(const void* data, int64_t size);
  template <class T>
  void WriteLittleEndian(T value);
  void WritePropName(const AnsiString& name);
  void WriteProperty(TPersistent* instance, PPropInfo propInfo);
  void WriteOrdinalProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor);
  void WriteFloatProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor);
  void WriteStringProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor);
  void WriteMethodProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor);
  void WriteClassProperty(TPersistent* instance, PPropInfo propInfo, TPersistent* ancestor);
  AnsiString ReferenceName(TComponent* component) const;
  AnsiString MethodNameOf(const TMethod& method, TComponent* root) const;
  TPersistent* AncestorFor(TPersistent* instance) const;

  AnsiString FPropPath;
  TComponent* FRootAncestor = nullptr;
};
