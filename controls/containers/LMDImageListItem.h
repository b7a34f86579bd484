// Unit lmdcont: TLMDImageListItem, many images of one size side by side in one strip bitmap,
// optionally with a monochrome mask strip of the same layout (white where transparent, the
// image black there). Image i lies at x = i * Width; the strip grows in steps of AllocBy
// images and never gets wider than 32768 pixels.
#pragma once

#include "LMDListItem.h"

#include <ImgList.h>
#include <TBitmap.h>
#include <TCanvas.h>

#include <memory>
#include <vector>

class TLMDImageListItem : public TLMDListItem {
  TAWO_CLASS(TLMDImageListItem, TLMDListItem)

 public:
  static constexpr TColor kNoColor = 0x1FFFFFFF;
  static constexpr int32_t kMaxStripWidth = 32768;

  explicit TLMDImageListItem(TComponent* owner);
  // A free-standing strip of images of the given size; EInvalidGraphicOperation below 1.
  TLMDImageListItem(int32_t width, int32_t height);
  ~TLMDImageListItem() override;

  int32_t Count() const { return static_cast<int32_t>(FSlots.size()); }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  // Index 0 the width, 1 the height; a new size drops all images.
  int32_t Dimension(int32_t index) const { return index == 0 ? FWidth : FHeight; }
  void SetDimension(int32_t index, int32_t value);
  int32_t AllocBy() const { return FAllocBy; }
  void SetAllocBy(int32_t value) { FAllocBy = std::max(value, 1); }
  bool Masked() const { return FMasked; }
  void SetMasked(bool value);
  int32_t Used() const { return FUsed; }
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor value) { FBlendColor = value; }
  TColor BKColor() const { return FBKColor; }
  void SetBKColor(TColor value) { FBKColor = value; }
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle value) { FDrawingStyle = value; }
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType value) { FImageType = value; }
  TLMDSavePixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TLMDSavePixelFormat value) { FPixelFormat = value; }
  TBitmap* Image() const { return FImage.get(); }
  TBitmap* Mask() const { return FMask.get(); }

  void Clear();
  // False for none; true for a bitmap of Height and a multiple of Width; raises otherwise.
  bool CheckImage(TBitmap* bitmap) const;
  // Appends an empty slot and returns its index; "Too many images" past the widest strip.
  int32_t PrepareSpace();
  // The new index, or -1 when the image (or, while masked, the given mask) is refused.
  int32_t Add(TBitmap* image, TBitmap* mask);
  int32_t AddMasked(TBitmap* image, TColor transparent);
  void Replace(int32_t index, TBitmap* image, TBitmap* mask);
  void ReplaceMasked(int32_t index, TBitmap* image, TColor transparent);
  void Insert(int32_t index, TBitmap* image, TBitmap* mask);
  void InsertMasked(int32_t index, TBitmap* image, TColor transparent);
  void Delete(int32_t index);
  void Move(int32_t from, int32_t to);

  void GetBitmap(int32_t index, TBitmap* bitmap) const;
  void GetMaskBitmap(int32_t index, TBitmap* bitmap) const;
  RECT GetImageRect(int32_t index) const;
  // The image's bottom-left pixel.
  TColor TransparentColor(int32_t index) const;
  TColor GetColorAtPoint(POINT point, int32_t index) const;

  void Draw(TCanvas* canvas, int32_t x, int32_t y, int32_t index);
  RECT DrawExt(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t index);
  void ClipDraw(TCanvas* canvas, const RECT& rect, uint16_t flags, int32_t offset, TColor transparent, int32_t index);

  // A container file holding this strip alone.
  void SaveToFile(const AnsiString& fileName);
  void LoadFromFile(const AnsiString& fileName);

  void Assign(TPersistent* source) override;
  void WriteData(TStream& stream) override;
  void ReadData(TStream& stream) override;

 protected:
  void DefineProperties(TFiler& filer) override;

 private:
  int32_t Offset(int32_t index) const;
  void CheckIndex(int32_t index) const;
  bool Refused(TBitmap* image, TBitmap* mask) const;
  // Hands `put` the image split into a black-where-transparent image and its mask when masked,
  // else the image alone.
  template <class Put>
  void PutMasked(TBitmap* image, TColor transparent, const Put& put);
  void Widen();
  void RebuildSlots();
  void PaintMasked(TCanvas* canvas, int32_t x, int32_t y, int32_t index);
  void PaintOnBackground(TCanvas* canvas, int32_t x, int32_t y, int32_t index);
  void WriteImages(TStream& stream);
  void ReadImages(TStream& stream);

  std::unique_ptr<TBitmap> FImage;
  std::unique_ptr<TBitmap> FMask;
  std::vector<int32_t> FSlots;
  int32_t FUsed = 0;
  int32_t FAllocBy = 4;
  int32_t FWidth = 16;
  int32_t FHeight = 16;
  bool FMasked = false;
  TColor FBlendColor = kNoColor;
  TColor FBKColor = kNoColor;
  TDrawingStyle FDrawingStyle = TDrawingStyle::dsNormal;
  TImageType FImageType = TImageType::itImage;
  TLMDSavePixelFormat FPixelFormat = TLMDSavePixelFormat::spfDefault;
};
