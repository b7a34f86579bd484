// Unit lmdcont: TLMDListItem, the base of every container item. An item is a component owned
// by its container; it knows its description, its identifier and whether its data is stored
// compressed, and reads and writes the record header all item kinds share.
#pragma once

#include <LMDBase.h>
#include <LMDCustomComponent.h>
#include <TBitmap.h>
#include <TMemoryStream.h>
#include <TStream.h>

#include <cstdint>

TAWO_ENUM(TLMDSavePixelFormat, spfDefault, spfMono, spf4bit, spf8bit)

class TLMDCustomContainer;

class TLMDListItem : public TLMDCustomComponent {
  TAWO_CLASS(TLMDListItem, TLMDCustomComponent)

 public:
  // Header flag bits; the higher bits belong to the item kinds.
  static constexpr uint8_t kFlagCompressed = 0x01;
  static constexpr uint8_t kFlagDescription = 0x02;
  static constexpr uint8_t kFlagIdent = 0x04;
  static constexpr uint8_t kFlagData = 0x08;

  explicit TLMDListItem(TComponent* owner);

  const AnsiString& Description() const { return FDescription; }
  void SetDescription(const AnsiString& value);
  int32_t Ident() const { return FIdent; }
  void SetIdent(int32_t value);
  uint16_t PublishedIdent() const { return static_cast<uint16_t>(FIdent); }
  void SetPublishedIdent(uint16_t value) { SetIdent(value); }
  bool Compressed() const { return FCompressed; }
  void SetCompressed(bool value) { FCompressed = value; }

  // The container that owns this item, if any.
  TLMDCustomContainer* Container() const;

  void Assign(TPersistent* source) override;
  // Own OnChange first, then the owning container learns which item changed.
  void Change() override;
  // Releases data that can be loaded again from the container's source.
  virtual void FreeData() {}

  // The item's record in a list; the kinds add their data behind the header.
  virtual void WriteData(TStream& stream);
  virtual void ReadData(TStream& stream);

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 protected:
  void DefineProperties(TFiler& filer) override;
  // Writes the flag byte (with the kind's `flags`), the description and the identifier.
  void WriteStd(TStream& stream, uint8_t flags);
  // Reads what WriteStd wrote; returns the flag byte for the kind's own bits.
  uint8_t ReadStd(TStream& stream);

  // Bitmap data as stored in records: the bitmap's own stream form, or a reduced-colour
  // bitmap for the other pixel formats, length-prefixed or in compressed blocks.
  void WriteBitmap(TStream& stream, TBitmap* bitmap, TLMDSavePixelFormat format);
  void ReadBitmap(TStream& stream, TBitmap* bitmap);
  // Data bytes as stored in records: length-prefixed, or in compressed blocks when Compressed.
  // Reading leaves `raw` at position 0.
  void WriteBlock(TStream& stream, TMemoryStream& raw);
  void ReadBlock(TStream& stream, TMemoryStream& raw);

 private:
  AnsiString FDescription;
  int32_t FIdent = 0;
  bool FCompressed = false;
};

// Little-endian 32-bit values of the records.
int32_t LMDReadInt32(TStream& stream);
void LMDWriteInt32(TStream& stream, int32_t value);

// Flag bits of a pixel format (none for spfDefault) and back.
uint8_t LMDPixelFormatFlags(TLMDSavePixelFormat format);
TLMDSavePixelFormat LMDPixelFormatOfFlags(uint8_t flags);
