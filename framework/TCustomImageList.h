// Unit ImgList: TCustomImageList, a list of equally sized images, each with an optional mask,
// kept side by side in one 24-bit colour strip and one black-and-white mask strip (white:
// transparent).
#pragma once

#include "Graphics.h"
#include "TComponent.h"

#include <memory>

class TBitmap;
class TCanvas;

inline constexpr const char* SImageIndexError = "Invalid ImageList Index";
inline constexpr const char* SInvalidImageSize = "Invalid image size";
inline constexpr const char* SImageListData = "Invalid image list data";

class TCustomImageList : public TComponent {
  TAWO_CLASS(TCustomImageList, TComponent)

 public:
  // 16 x 16 images, masked, no background colour.
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int32_t Width() const { return FWidth; }
  // A new image size empties the list.
  void SetWidth(int32_t width);
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t height);
  // Without masks every image is drawn as an opaque rectangle.
  bool Masked() const { return FMasked; }
  void SetMasked(bool masked);
  // clNone: masked images show what lies beneath; a colour fills their transparent pixels.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor color);
  int Count() const { return FCount; }

  // Adds one image per Width pixels of `image` (which must be at least Width x Height);
  // `mask` (or none: opaque) marks transparent pixels white. Returns the first new index.
  int Add(TBitmap* image, TBitmap* mask);
  // As Add, with the pixels of `maskColor` transparent (clNone: none).
  int AddMasked(TBitmap* image, TColor maskColor);
  void Delete(int index);
  void Clear();
  // Paints image `index` at (x, y); an index outside the list paints nothing.
  void Draw(TCanvas* canvas, int x, int y, int index);
  // Copies image `index` into `image`, resized to Width x Height.
  void GetBitmap(int index, TBitmap* image);

  // "Bitmap": the image count, then the colour strip and the mask strip as BMP files.
  void DefineProperties(TFiler& filer) override;
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  void CheckIndex(int index) const;
  // Makes room for `extra` images at the end of both strips.
  void Grow(int extra);
  // Black under the mask's white pixels, so that the image can be ORed onto what the mask left.
  void ClearMaskedPixels(int firstIndex, int count);
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);

  int32_t FWidth = 16;
  int32_t FHeight = 16;
  bool FMasked = true;
  TColor FBkColor = clNone;
  int FCount = 0;
  std::unique_ptr<TBitmap> FImages;
  std::unique_ptr<TBitmap> FMasks;
};
