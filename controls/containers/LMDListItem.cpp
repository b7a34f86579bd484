#include "LMDListItem.h"

#include "LMDCustomContainer.h"
#include "LMDProcsLZRW.h"

#include <TFiler.h>
#include <TMemoryStream.h>
#include <TypInfo.h>

#include <algorithm>
#include <vector>

using enum TLMDSavePixelFormat;
using enum TPixelFormat;

TAWO_PUBLISHED(TLMDListItem, published) {
  published.Property("Description", &TLMDListItem::Description, &TLMDListItem::SetDescription).Stored(false);
  published.Property("Ident", &TLMDListItem::PublishedIdent, &TLMDListItem::SetPublishedIdent).Stored(false);
}

namespace {

constexpr uint8_t kFormatFlags[] = {0x00, 0x10, 0x20, 0x40};
constexpr TPixelFormat kSaveFormats[] = {pfDevice, pf1bit, pf4bit, pf8bit};

// A length read from a record, refused when negative or longer than what is left of `limit`.
int32_t ReadLength(TStream& stream, int64_t limit) {
  const int32_t length = LMDReadInt32(stream);
  if (length < 0 || length > limit) throw EReadError("Damaged list item: bad data length");
  return length;
}

void WriteCompressed(TStream& stream, const TMemoryStream& raw) {
  const auto* data = reinterpret_cast<const uint8_t*>(raw.Memory());
  const uint32_t size = static_cast<uint32_t>(const_cast<TMemoryStream&>(raw).Size());
  const int64_t totalAt = stream.Position();
  LMDWriteInt32(stream, 0);
  std::vector<uint8_t> block(kLMDLZRWMaxBlock + 1);
  for (uint32_t at = 0; at < size; at += kLMDLZRWMaxBlock) {
    const uint32_t length = LMDLZRWCompress(data + at, block.data(), std::min(kLMDLZRWMaxBlock, size - at));
    LMDWriteInt32(stream, static_cast<int32_t>(length));
    stream.WriteBuffer(block.data(), length);
  }
  const int64_t end = stream.Position();
  stream.SetPosition(totalAt);
  LMDWriteInt32(stream, static_cast<int32_t>(end - totalAt - 4));
  stream.SetPosition(end);
}

void ReadCompressed(TStream& stream, TMemoryStream& raw) {
  int64_t left = ReadLength(stream, stream.Remaining());
  std::vector<uint8_t> packed;
  std::vector<uint8_t> block(kLMDLZRWMaxBlock);
  while (left > 0) {
    const int32_t length = ReadLength(stream, left - 4);
    packed.resize(static_cast<size_t>(length));
    stream.ReadBuffer(packed.data(), length);
    left -= 4 + int64_t{length};
    const uint32_t restored =
        LMDLZRWDecompress(packed.data(), block.data(), static_cast<uint32_t>(length), kLMDLZRWMaxBlock);
    raw.WriteBuffer(block.data(), restored);
  }
}

}  // namespace

int32_t LMDReadInt32(TStream& stream) {
  int32_t value = 0;
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

void LMDWriteInt32(TStream& stream, int32_t value) { stream.WriteBuffer(&value, sizeof value); }

uint8_t LMDPixelFormatFlags(TLMDSavePixelFormat format) { return kFormatFlags[static_cast<size_t>(format)]; }

TLMDSavePixelFormat LMDPixelFormatOfFlags(uint8_t flags) {
  if (flags & 0x10) return spfMono;
  if (flags & 0x20) return spf4bit;
  if (flags & 0x40) return spf8bit;
  return spfDefault;
}

TLMDListItem::TLMDListItem(TComponent* owner) : TLMDCustomComponent(owner) {}

void TLMDListItem::SetDescription(const AnsiString& value) {
  if (value == FDescription) return;
  FDescription = value;
  Change();
}

void TLMDListItem::SetIdent(int32_t value) {
  if (value == FIdent) return;
  FIdent = value;
  Change();
}

TLMDCustomContainer* TLMDListItem::Container() const { return dynamic_cast<TLMDCustomContainer*>(Owner()); }

void TLMDListItem::Assign(TPersistent* source) {
  auto* item = dynamic_cast<TLMDListItem*>(source);
  if (item == nullptr) {
    TLMDCustomComponent::Assign(source);
    return;
  }
  FDescription = item->FDescription;
  FIdent = item->FIdent;
  FCompressed = item->FCompressed;
  Change();
}

void TLMDListItem::Change() {
  if (Updating()) return;
  TLMDCustomComponent::Change();
  if (TLMDCustomContainer* container = Container()) container->Update(this);
}

void TLMDListItem::WriteData(TStream& stream) { WriteStd(stream, 0); }

void TLMDListItem::ReadData(TStream& stream) { ReadStd(stream); }

TComponent* TLMDListItem::GetParentComponent() const { return Container(); }

void TLMDListItem::SetParentComponent(TComponent* parent) {
  if (auto* container = dynamic_cast<TLMDCustomContainer*>(parent)) container->Add(this);
}

void TLMDListItem::DefineProperties(TFiler& filer) {
  TLMDCustomComponent::DefineProperties(filer);
  filer.DefineBinaryProperty(
      IDS_INTERNAL, [this](TStream& stream) { ReadData(stream); }, [this](TStream& stream) { WriteData(stream); },
      true);
}

void TLMDListItem::WriteStd(TStream& stream, uint8_t flags) {
  const AnsiString description = FDescription.substr(0, 255);
  if (FCompressed) flags |= kFlagCompressed;
  if (!description.empty()) flags |= kFlagDescription;
  if (FIdent != 0) flags |= kFlagIdent;
  stream.WriteBuffer(&flags, 1);
  if (!description.empty()) {
    const auto length = static_cast<uint8_t>(description.size());
    stream.WriteBuffer(&length, 1);
    stream.WriteBuffer(description.data(), length);
  }
  if (FIdent != 0) LMDWriteInt32(stream, FIdent);
}

uint8_t TLMDListItem::ReadStd(TStream& stream) {
  uint8_t flags = 0;
  stream.ReadBuffer(&flags, 1);
  FCompressed = (flags & kFlagCompressed) != 0;
  FDescription.clear();
  if (flags & kFlagDescription) {
    uint8_t length = 0;
    stream.ReadBuffer(&length, 1);
    FDescription.resize(length);
    stream.ReadBuffer(FDescription.data(), length);
  }
  FIdent = (flags & kFlagIdent) ? LMDReadInt32(stream) : 0;
  return flags;
}

void TLMDListItem::WriteBitmap(TStream& stream, TBitmap* bitmap, TLMDSavePixelFormat format) {
  TMemoryStream raw;
  if (format == spfDefault) {
    bitmap->SaveToStream(raw);
  } else {
    TBitmap reduced;
    reduced.Assign(bitmap);
    reduced.SetPixelFormat(kSaveFormats[static_cast<size_t>(format)]);
    reduced.SaveToStream(raw);
  }
  WriteBlock(stream, raw);
}

void TLMDListItem::ReadBitmap(TStream& stream, TBitmap* bitmap) {
  TMemoryStream raw;
  ReadBlock(stream, raw);
  bitmap->LoadFromStream(raw);
}

void TLMDListItem::WriteBlock(TStream& stream, TMemoryStream& raw) {
  if (FCompressed) {
    WriteCompressed(stream, raw);
    return;
  }
  LMDWriteInt32(stream, static_cast<int32_t>(raw.Size()));
  stream.WriteBuffer(raw.Memory(), raw.Size());
}

void TLMDListItem::ReadBlock(TStream& stream, TMemoryStream& raw) {
  if (FCompressed) {
    ReadCompressed(stream, raw);
  } else {
    const int32_t length = ReadLength(stream, stream.Remaining());
    if (length > 0) raw.CopyFrom(stream, length);
  }
  raw.SetPosition(0);
}
