// Unit lmdcont: TLMDBitmapListItem, one bitmap of a bitmap list. At run time an empty bitmap
// is loaded on first use from where the owning list's Source says.
#pragma once

#include "LMDListItem.h"

#include <TBitmap.h>

#include <memory>

class TLMDBitmapListItem : public TLMDListItem {
  TAWO_CLASS(TLMDBitmapListItem, TLMDListItem)

 public:
  explicit TLMDBitmapListItem(TComponent* owner);
  ~TLMDBitmapListItem() override;

  // The bitmap, loaded from the list's source first when it is empty at run time.
  TBitmap* Bitmap();
  // The bitmap as it is, without loading.
  TBitmap* StoredBitmap() const { return FBitmap.get(); }
  void SetBitmap(TBitmap* value);
  TLMDSavePixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TLMDSavePixelFormat value) { FPixelFormat = value; }

  void Assign(TPersistent* source) override;
  void FreeData() override;
  void WriteData(TStream& stream) override;
  void ReadData(TStream& stream) override;

 private:
  void LoadFromSource();
  void BitmapChanged(TObject* sender);

  std::unique_ptr<TBitmap> FBitmap;
  TLMDSavePixelFormat FPixelFormat = TLMDSavePixelFormat::spfDefault;
};
