// Unit Graphics: TCanvas, a device context with a pen, a brush and a font that are selected
// into it lazily before each drawing operation.
#pragma once

#include "Graphics.h"
#include "TBrush.h"
#include "TFont.h"
#include "TPen.h"
#include "TPersistent.h"

#include <windows.h>

#include <memory>
#include <mutex>
#include <vector>

class TGraphic;
class TBitmap;

TAWO_ENUM(TCanvasStateItem, csHandleValid, csFontValid, csPenValid, csBrushValid)
using TCanvasState = TSet<TCanvasStateItem>;

class TCanvas : public TPersistent {
  TAWO_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC, with the pen, brush and font selected, so that direct GDI calls draw with them;
  // reading it makes one through CreateHandle when the canvas has none. An assigned DC is
  // used but never freed; assigning null detaches the current one.
  HDC Handle();
  void SetHandle(HDC handle);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* font) { FFont->Assign(font); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* pen) { FPen->Assign(pen); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* brush) { FBrush->Assign(brush); }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode mode) { FCopyMode = mode; }
  POINT PenPos();
  void SetPenPos(POINT position) { MoveTo(position.x, position.y); }

  // A nestable lock per canvas, for canvases shared between threads.
  void Lock();
  void Unlock();
  bool TryLock();
  int LockCount() const { return FLockCount; }

  // Shapes: bounding boxes exclude their right and bottom edges.
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const RECT& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const RECT& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Polygon(const std::vector<POINT>& points);
  void Polyline(const std::vector<POINT>& points);
  // LineTo leaves the end point unpainted and moves the pen there.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void FillRect(const RECT& rect);
  // A one-pixel border painted with the brush.
  void FrameRect(const RECT& rect);
  // Inverts: drawing it twice removes it.
  void DrawFocusRect(const RECT& rect);

  // Graphics and copies. Draw honours a transparent bitmap; otherwise CopyMode applies.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const RECT& rect, TGraphic* graphic);
  void CopyRect(const RECT& dest, TCanvas* canvas, const RECT& source);
  // Copies Source of the bitmap to Dest, painting the pixels of `color` with the brush.
  void BrushCopy(const RECT& dest, TBitmap* bitmap, const RECT& source, TColor color);

  // Text at the top-left point (X, Y); the background is opaque with a solid brush.
  void TextOut(int x, int y, const AnsiString& text);
  // Text clipped to the rectangle, which is filled first unless the brush is clear.
  void TextRect(const RECT& rect, int x, int y, const AnsiString& text);
  SIZE TextExtent(const AnsiString& text);
  int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
  int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }

  // GetPixel: -1 (CLR_INVALID) outside the clip area.
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);
  RECT ClipRect();
  // Deselects the pen, brush and font so that the next operation selects them again.
  void Refresh();

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Makes a DC for a canvas that has none (a bitmap's or a control's); the base has no way
  // to and raises EInvalidOperation.
  virtual void CreateHandle();
  // Ensures the listed parts are valid: a DC, and the objects selected into it.
  void RequiredState(TCanvasState required);
  virtual void Changing();
  virtual void Changed();

 private:
  void CreatePen();
  void CreateBrush();
  void CreateFont();
  void DeselectHandles();
  void ObjectChanged(TObject* sender);
  void DrawGraphic(const RECT& rect, TGraphic* graphic);

  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  HDC FHandle = nullptr;
  TCanvasState FState;
  TCopyMode FCopyMode = cmSrcCopy;
  POINT FPenPos{0, 0};
  std::recursive_mutex FLock;
  int FLockCount = 0;
  // What the DC held before our objects were selected, restored on detach.
  HGDIOBJ FOldPen = nullptr;
  HGDIOBJ FOldBrush = nullptr;
  HGDIOBJ FOldFont = nullptr;
};
