// Unit Graphics: TGraphic, the abstract picture that a canvas can draw and a stream or file
// can hold.
#pragma once

#include "Graphics.h"
#include "TPersistent.h"

#include <windows.h>

class TCanvas;
class TStream;

class TGraphic : public TPersistent {
  TAWO_CLASS(TGraphic, TPersistent)

 public:
  TGraphic() = default;

  virtual bool Empty() const = 0;
  virtual int32_t Width() const = 0;
  virtual void SetWidth(int32_t width) = 0;
  virtual int32_t Height() const = 0;
  virtual void SetHeight(int32_t height) = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool transparent);
  bool Modified() const { return FModified; }
  void SetModified(bool modified);

  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const AnsiString& fileName);
  void SaveToFile(const AnsiString& fileName);

  // Whether two graphics hold the same image (same class and the same saved bytes).
  virtual bool Equals(TGraphic* graphic);

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  friend class TPicture;

  // Paints the graphic into the rectangle of the canvas.
  virtual void Draw(TCanvas* canvas, const RECT& rect) = 0;
  // Sets Modified and fires OnChange.
  virtual void Changed();
  // Form descriptions: the graphic's own data inside a picture's or a property's Data.
  virtual void ReadData(TStream& stream);
  virtual void WriteData(TStream& stream);
  void DefineProperties(TFiler& filer) override;

  bool FTransparent = false;

 private:
  bool FModified = false;
};

using TGraphicClass = TClass;
