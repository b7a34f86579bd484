#include "LMDContUtils.h"

#include "LMDBitmapListItem.h"
#include "LMDImageListItem.h"
#include "LMDWaveListItem.h"

#include <SysUtils.h>
#include <TFileStream.h>
#include <TFinally.h>

#include <cstring>

using enum TLMDListItemClassType;

namespace {

constexpr size_t kSignatureLength = 9;
constexpr int kKnownTypes = 6;

constexpr const char* kSignatures[kKnownTypes] = {"LMDIML30", "LMDBML30", "LMDWVL30",
                                                  "LMDSLL30", "LMDGLL50", "LMDRTL50"};
constexpr const char* kListExtensions[kKnownTypes] = {"iml", "bml", "wvl", "sll", "gll", "rtl"};
constexpr const char* kItemExtensions[kKnownTypes] = {"iml", "bmp", "wav", "txt", "*", "rtf"};

AnsiString WithDot(const char* const* table, TLMDListItemClassType type, bool withDot) {
  if (type == icInvalid) return {};
  return AnsiString(withDot ? "." : "") + table[static_cast<size_t>(type)];
}

void SignatureOf(TLMDListItemClassType type, char* out) {
  out[0] = 8;
  std::memcpy(out + 1, kSignatures[static_cast<size_t>(type)], 8);
}

TLMDListItemClassType ReadType(TStream& stream) {
  char read[kSignatureLength] = {};
  if (stream.Read(read, kSignatureLength) != static_cast<int64_t>(kSignatureLength)) return icInvalid;
  for (int type = 0; type < kKnownTypes; ++type) {
    char expected[kSignatureLength];
    SignatureOf(static_cast<TLMDListItemClassType>(type), expected);
    if (std::memcmp(read, expected, kSignatureLength) == 0) return static_cast<TLMDListItemClassType>(type);
  }
  return icInvalid;
}

std::vector<int32_t> ReadOffsets(TStream& stream, int32_t count) {
  std::vector<int32_t> offsets(static_cast<size_t>(count));
  if (count > 0) stream.ReadBuffer(offsets.data(), int64_t{count} * 4);
  return offsets;
}

}  // namespace

AnsiString LMDICGetSuffix(TLMDListItemClassType type, bool withDot) { return WithDot(kListExtensions, type, withDot); }

AnsiString LMDICGetItemSuffix(TLMDListItemClassType type, bool withDot) {
  return WithDot(kItemExtensions, type, withDot);
}

AnsiString LMDICGetSignature(TLMDListItemClassType type) {
  return type == icInvalid ? AnsiString() : AnsiString(kSignatures[static_cast<size_t>(type)]);
}

void LMDWriteSignature(TStream& stream, TLMDListItemClassType type) {
  char signature[kSignatureLength];
  SignatureOf(type, signature);
  stream.WriteBuffer(signature, kSignatureLength);
}

bool LMDReadSignature(TStream& stream, TLMDListItemClassType type) { return ReadType(stream) == type; }

int32_t LMDReadItemCount(TStream& stream) {
  const int32_t count = LMDReadInt32(stream);
  if (count < 0 || count > stream.Remaining()) throw EReadError("Damaged list: bad item count");
  return count;
}

TLMDListItemClassType LMDListGetFileType(const AnsiString& fileName, int32_t& count, std::vector<int32_t>* offsets) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  const TLMDListItemClassType type = ReadType(stream);
  if (type == icInvalid) return icInvalid;
  count = LMDReadItemCount(stream);
  if (offsets != nullptr) *offsets = ReadOffsets(stream, count);
  return type;
}

bool LMDListGetItemFromFile(const AnsiString& fileName, TLMDListItemClassType type,
                            const std::vector<int32_t>* offsets, TLMDListItem& item, int32_t index) {
  std::vector<int32_t> read;
  if (offsets == nullptr) {
    int32_t count = 0;
    if (LMDListGetFileType(fileName, count, &read) != type) {
      throw Exception(AnsiString(LMDCannotOpenFile) + ": " + fileName);
    }
    offsets = &read;
  }
  if (index < 0 || index >= static_cast<int32_t>(offsets->size())) {
    throw EReadError(Format("Container file %s has no item %d", {fileName, index}));
  }
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  const int32_t offset = (*offsets)[static_cast<size_t>(index)];
  if (offset < 0 || offset >= stream.Size()) throw EReadError("Damaged list: bad item offset");
  stream.SetPosition(offset);
  item.BeginUpdate();
  const TFinally endUpdate([&] { item.EndUpdate(false); });
  item.ReadData(stream);
  return true;
}

bool LMDBMLGetItem(const AnsiString& fileName, int32_t index, TBitmap* bitmap) {
  TLMDBitmapListItem item(nullptr);
  LMDListGetItemFromFile(fileName, icBitmap, nullptr, item, index);
  if (bitmap != nullptr) bitmap->Assign(item.StoredBitmap());
  return true;
}

bool LMDIMLGetItem(const AnsiString& fileName, int32_t index, TLMDImageListItem* strip) {
  TLMDImageListItem item(nullptr);
  LMDListGetItemFromFile(fileName, icImageList, nullptr, item, index);
  if (strip != nullptr) strip->Assign(&item);
  return true;
}

bool LMDWVLGetItem(const AnsiString& fileName, int32_t index, TMemoryStream* wave) {
  TLMDWaveListItem item(nullptr);
  LMDListGetItemFromFile(fileName, icWave, nullptr, item, index);
  if (wave != nullptr) wave->LoadFromStream(*item.Wave());
  return true;
}
