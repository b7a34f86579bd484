// Unit Classes: TFiler, the common part of the form-description reader and writer.
#pragma once

#include "Classes.h"
#include "System.h"

#include <cstdint>
#include <functional>

class TComponent;
class TPersistent;
class TReader;
class TStream;
class TWriter;

// Tags of the binary form description (TPF0).
enum class TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString,
  vaInt64, vaUTF8String, vaDouble
};
inline constexpr uint8_t kLastValueType = static_cast<uint8_t>(TValueType::vaDouble);

TAWO_ENUM(TFilerFlag, ffInherited, ffChildPos, ffInline)
using TFilerFlags = TSet<TFilerFlag>;

inline constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

// Callbacks of DefineProperty / DefineBinaryProperty. A binary reader gets a memory stream at
// position 0 holding the data; a binary writer fills the stream it is given.
using TReaderProc = std::function<void(TReader& reader)>;
using TWriterProc = std::function<void(TWriter& writer)>;
using TStreamProc = std::function<void(TStream& stream)>;

class TFiler : public TObject {
  TAWO_CLASS(TFiler, TObject)

 public:
  explicit TFiler(TStream& stream) : FStream(stream) {}

  // Writer: when hasData, writes the name and calls writeData for exactly one value.
  // Reader: when the property being read has this name, calls readData to consume it.
  virtual void DefineProperty(const AnsiString& name, const TReaderProc& readData,
                              const TWriterProc& writeData, bool hasData) = 0;
  virtual void DefineBinaryProperty(const AnsiString& name, const TStreamProc& readData,
                                    const TStreamProc& writeData, bool hasData) = 0;

  TStream& Stream() const { return FStream; }
  TComponent* Root() const { return FRoot; }
  virtual void SetRoot(TComponent* root) { FRoot = root; }
  TComponent* LookupRoot() const { return FLookupRoot; }
  // The instance this one is compared with when writing (inherited forms); null otherwise.
  TPersistent* Ancestor() const { return FAncestor; }
  void SetAncestor(TPersistent* ancestor) { FAncestor = ancestor; }
  bool IgnoreChildren() const { return FIgnoreChildren; }
  void SetIgnoreChildren(bool value) { FIgnoreChildren = value; }

 protected:
  TStream& FStream;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TPersistent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};

// The 10-byte x87 extended format of vaExtended, independent of the host's long double.
void PackExtended(long double value, unsigned char (&bytes)[10]);
long double UnpackExtended(const unsigned char (&bytes)[10]);
