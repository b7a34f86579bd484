// Unit Graphics: TPicture, a holder of any graphic (a bitmap for now) that loads files by
// their extension and keeps its graphic in form descriptions as the Data property.
#pragma once

#include "Graphics.h"
#include "TGraphic.h"
#include "TPersistent.h"

#include <memory>

class TBitmap;

class TPicture : public TPersistent {
  TAWO_CLASS(TPicture, TPersistent)

 public:
  TPicture();
  ~TPicture() override;

  // The graphic, or null. Setting one stores a copy of the same class.
  TGraphic* Graphic() const { return FGraphic.get(); }
  void SetGraphic(TGraphic* graphic);
  // The graphic as a bitmap; a picture holding something else (or nothing) gets a new, empty
  // bitmap.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* bitmap);
  int32_t Width() const;
  int32_t Height() const;

  // The graphic class is chosen by the extension (.bmp); another raises EInvalidGraphic
  // "Unknown picture file extension (.xyz)".
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);

  // A picture or a graphic (copied); null clears the picture.
  void Assign(TPersistent* source) override;
  // "Data": the graphic's class name as a short string, then the graphic's own data.
  void DefineProperties(TFiler& filer) override;

  // Makes a graphic class known by file extension and by name in form descriptions.
  static void RegisterFileFormat(const AnsiString& extension, TClass graphicClass);

  TNotifyEvent OnChange;

 private:
  void GraphicChanged(TObject* sender);
  void Changed() { OnChange(this); }
  void TakeGraphic(std::unique_ptr<TGraphic> graphic);
  void ReadData(TStream& stream);
  void WriteData(TStream& stream);
  bool DataDiffers(TPicture* ancestor) const;

  std::unique_ptr<TGraphic> FGraphic;
};
