#include <gtest/gtest.h>

#include "Classes.h"
#include "Graphics.h"
#include "TBitmap.h"
#include "TComponent.h"
#include "TFont.h"
#include "TMemoryStream.h"
#include "TPen.h"
#include "TBrush.h"
#include "TPicture.h"
#include "TStringStream.h"

#include <memory>

using enum TBrushStyle;
using enum TFontPitch;
using enum TFontStyle;
using enum TPenMode;
using enum TPenStyle;
using enum TPixelFormat;

namespace {

struct TChangeCounter : TObject {
  int Count = 0;
  void Changed(TObject*) { ++Count; }
};

TEST(Colors, IdentifiersAndHexNames) {
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(0xC0C0C0), "clSilver");
  EXPECT_EQ(ColorToString(clNone), "clNone");
  EXPECT_EQ(ColorToString(0x123456), "$00123456");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x80000030)), "$80000030");
  EXPECT_EQ(StringToColor("CLGREEN"), clGreen);
  EXPECT_EQ(StringToColor("$00FF0000"), clBlue);
  EXPECT_EQ(StringToColor("255"), clRed);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  int32_t value = 0;
  EXPECT_FALSE(IdentToColor("clLtGray", value));
}

TEST(Colors, SystemColoursResolveThroughTheColourTable) {
  EXPECT_EQ(ColorToRGB(clBtnFace), static_cast<int32_t>(GetSysColor(COLOR_BTNFACE)));
  // The later flag byte $FF counts as a system colour as well.
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF000005)), static_cast<int32_t>(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clTeal), clTeal);
}

TEST(Font, DefaultsAndSizeFromHeight) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.Pitch(), fpDefault);
  EXPECT_TRUE(font.Style().Empty());
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -16);
}

TEST(Font, HandleIsKeptUntilAPropertyChanges) {
  TFont font;
  HFONT first = font.Handle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(font.Handle(), first);
  font.SetColor(clRed);  // colour is not part of the GDI font, but the handle is remade
  font.SetStyle({fsBold, fsUnderline});
  font.SetPitch(fpFixed);
  HFONT bold = font.Handle();
  EXPECT_EQ(font.Handle(), bold);
  LOGFONTA logFont{};
  ASSERT_NE(GetObjectA(bold, sizeof logFont, &logFont), 0);
  EXPECT_EQ(logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(logFont.lfUnderline, 1);
  EXPECT_EQ(logFont.lfItalic, 0);
  EXPECT_EQ(logFont.lfHeight, -11);
  EXPECT_EQ(logFont.lfPitchAndFamily & 3, FIXED_PITCH);
  EXPECT_STREQ(logFont.lfFaceName, "MS Sans Serif");
}

struct TFaceWatcher : TObject {
  TFont* Font = nullptr;
  AnsiString SeenFace;
  void Changed(TObject*) {
    LOGFONTA logFont{};
    if (GetObjectA(Font->Handle(), sizeof logFont, &logFont) != 0) SeenFace = logFont.lfFaceName;
  }
};

TEST(Font, ListenersAskingForTheHandleGetTheChangedFont) {
  TFont font;
  ASSERT_NE(font.Handle(), nullptr);
  TFaceWatcher watcher;
  watcher.Font = &font;
  font.OnChange = TNotifyEvent(&watcher, &TFaceWatcher::Changed);
  font.SetName("Arial");
  EXPECT_EQ(watcher.SeenFace, "Arial");
}

TEST(Font, AssignCopiesEverythingAndNotifiesOnce) {
  TFont source;
  source.SetName("Arial");
  source.SetHeight(-20);
  source.SetStyle({fsItalic});
  source.SetCharset(EASTEUROPE_CHARSET);
  source.SetColor(clNavy);
  TFont font;
  TChangeCounter counter;
  font.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  font.Assign(&source);
  EXPECT_EQ(counter.Count, 1);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Height(), -20);
  EXPECT_EQ(font.Style(), TFontStyles{fsItalic});
  EXPECT_EQ(font.Charset(), EASTEUROPE_CHARSET);
  EXPECT_EQ(font.Color(), clNavy);
  font.SetHeight(-20);
  EXPECT_EQ(counter.Count, 1);  // unchanged values do not notify
  TPen pen;
  EXPECT_THROW(font.Assign(&pen), EConvertError);
}

TEST(PenAndBrush, DefaultsAndHandles) {
  TPen pen;
  EXPECT_EQ(pen.Color(), clBlack);
  EXPECT_EQ(pen.Width(), 1);
  EXPECT_EQ(pen.Style(), psSolid);
  EXPECT_EQ(pen.Mode(), pmCopy);
  EXPECT_EQ(PenModeToRop2(pmCopy), R2_COPYPEN);
  EXPECT_EQ(PenModeToRop2(pmNotXor), R2_NOTXORPEN);
  pen.SetStyle(psDash);
  LOGPEN logPen{};
  ASSERT_NE(GetObjectA(pen.Handle(), sizeof logPen, &logPen), 0);
  EXPECT_EQ(logPen.lopnStyle, static_cast<UINT>(PS_DASH));

  TBrush brush;
  EXPECT_EQ(brush.Color(), clWhite);
  EXPECT_EQ(brush.Style(), bsSolid);
  brush.SetStyle(bsDiagCross);
  LOGBRUSH logBrush{};
  ASSERT_NE(GetObjectA(brush.Handle(), sizeof logBrush, &logBrush), 0);
  EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_HATCHED));
  EXPECT_EQ(logBrush.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
  TBitmap pattern;
  pattern.SetSize(8, 8);
  brush.SetBitmap(&pattern);
  ASSERT_NE(GetObjectA(brush.Handle(), sizeof logBrush, &logBrush), 0);
  EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_PATTERN));
}

// A component carrying the graphics objects as published sub-objects.
class TPainted : public TComponent {
  TAWO_CLASS(TPainted, TComponent)

 public:
  explicit TPainted(TComponent* owner) : TComponent(owner) {}
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* font) { FFont->Assign(font); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* brush) { FBrush->Assign(brush); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* pen) { FPen->Assign(pen); }
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* picture) { FPicture->Assign(picture); }

 private:
  TColor FColor = clWindow;
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
  std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
  std::unique_ptr<TPicture> FPicture = std::make_unique<TPicture>();
};

TAWO_PUBLISHED(TPainted, published) {
  published.Property("Color", &TPainted::Color, &TPainted::SetColor).Type(TColorTypeInfo()).Default(clWindow);
  published.Property("Font", &TPainted::Font, &TPainted::SetFont);
  published.Property("Brush", &TPainted::Brush, &TPainted::SetBrush);
  published.Property("Pen", &TPainted::Pen, &TPainted::SetPen);
  published.Property("Picture", &TPainted::Picture, &TPainted::SetPicture);
}

AnsiString FormText(TComponent* root) {
  TMemoryStream binary;
  binary.WriteComponent(root);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  return text.DataString();
}

void ReadFormText(const AnsiString& text, TComponent* root) {
  TStringStream input(text);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  binary.ReadComponent(root);
}

TEST(GraphicsStreaming, FontBrushAndPenRoundTripThroughFormText) {
  RegisterClass(TPainted::ClassInfo());
  TPainted painted(nullptr);
  painted.SetName("Painted1");
  painted.SetColor(clBtnFace);
  painted.Font()->SetStyle({fsBold});
  painted.Font()->SetColor(clGreen);
  painted.Brush()->SetStyle(bsCross);
  painted.Pen()->SetColor(0x123456);
  painted.Pen()->SetWidth(3);
  const AnsiString text = FormText(&painted);
  EXPECT_NE(text.find("Color = clBtnFace"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Font.Charset = DEFAULT_CHARSET"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Font.Color = clGreen"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Font.Height = -11"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Font.Name = 'MS Sans Serif'"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Font.Style = [fsBold]"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Brush.Style = bsCross"), AnsiString::npos) << text;
  EXPECT_NE(text.find("Pen.Color = 1193046"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Font.Size"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Font.Pitch"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Brush.Color"), AnsiString::npos) << text;
  EXPECT_EQ(text.find("Picture.Data"), AnsiString::npos) << text;  // no graphic, no data

  TPainted loaded(nullptr);
  ReadFormText(text, &loaded);
  EXPECT_EQ(loaded.Color(), clBtnFace);
  EXPECT_EQ(loaded.Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(loaded.Font()->Color(), clGreen);
  EXPECT_EQ(loaded.Brush()->Style(), bsCross);
  EXPECT_EQ(loaded.Pen()->Color(), 0x123456);
  EXPECT_EQ(loaded.Pen()->Width(), 3);
}

TEST(GraphicsStreaming, PictureDataCarriesTheClassNameAndTheBitmap) {
  RegisterClass(TPainted::ClassInfo());
  TPainted painted(nullptr);
  painted.SetName("Painted1");
  TBitmap* bitmap = painted.Picture()->Bitmap();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(2, 2);
  bitmap->Canvas()->SetPixel(1, 0, clRed);
  const AnsiString text = FormText(&painted);
  // "\x07TBitmap", the u32 size 70, then the BMP file starting "BM".
  EXPECT_NE(text.find("Picture.Data = {\r\n    07544269746D617046000000424D46000000"), AnsiString::npos) << text;

  TPainted loaded(nullptr);
  ReadFormText(text, &loaded);
  auto* read = dynamic_cast<TBitmap*>(loaded.Picture()->Graphic());
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->Width(), 2);
  EXPECT_EQ(read->Canvas()->Pixel(1, 0), clRed);
  EXPECT_EQ(read->Canvas()->Pixel(0, 0), clWhite);

  const AnsiString damaged = "object Painted1: TPainted\r\n  Picture.Data = {07544269746D6170040000000102}\r\nend\r\n";
  TPainted broken(nullptr);
  EXPECT_ANY_THROW(ReadFormText(damaged, &broken));
}

}  // namespace

