// Unit lmdcont, file routines: the container-file signatures and extensions, and reading the
// type or a single item of a container file.
#pragma once

#include "LMDCustomContainer.h"

#include <TBitmap.h>
#include <TMemoryStream.h>
#include <TStream.h>

#include <cstdint>
#include <vector>

inline constexpr const char* LMDCannotOpenFile = "Cannot open file %s";

// The extension of a container file ("bml") or of one item ("bmp"), with a dot when asked.
AnsiString LMDICGetSuffix(TLMDListItemClassType type, bool withDot);
AnsiString LMDICGetItemSuffix(TLMDListItemClassType type, bool withDot);

// The eight characters of a list type's signature ("LMDBML30"); empty for icInvalid.
AnsiString LMDICGetSignature(TLMDListItemClassType type);
void LMDWriteSignature(TStream& stream, TLMDListItemClassType type);
// Reads the 9-byte signature; true when it is the one of `type`.
bool LMDReadSignature(TStream& stream, TLMDListItemClassType type);
// The item count of a list record; a negative count or one the stream cannot hold raises
// EReadError (every item needs at least one byte).
int32_t LMDReadItemCount(TStream& stream);

// The type of a container file by its signature, icInvalid when none matches. For a known
// type `count` takes the item count and `offsets`, when given, the offset table.
TLMDListItemClassType LMDListGetFileType(const AnsiString& fileName, int32_t& count, std::vector<int32_t>* offsets);
// Reads item `index` of a container file into `item`. Without `offsets` the file's type is
// checked against `type` and its offset table read. A bad index or offset raises EReadError.
bool LMDListGetItemFromFile(const AnsiString& fileName, TLMDListItemClassType type,
                            const std::vector<int32_t>* offsets, TLMDListItem& item, int32_t index);
// The bitmap of item `index` of a bitmap-list file.
bool LMDBMLGetItem(const AnsiString& fileName, int32_t index, TBitmap* bitmap);
// Strip number `index` of an image-list file, assigned into `strip`.
class TLMDImageListItem;
bool LMDIMLGetItem(const AnsiString& fileName, int32_t index, TLMDImageListItem* strip);
// The wave bytes of item `index` of a wave-list file.
bool LMDWVLGetItem(const AnsiString& fileName, int32_t index, TMemoryStream* wave);
