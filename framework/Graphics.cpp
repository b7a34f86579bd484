#include "Graphics.h"

#include "Classes.h"

#include <array>
#include <cstdio>

using enum TOrdType;
using enum TTypeKind;

namespace {

struct TIdentEntry {
  int32_t Value;
  const char* Name;
};

// Standard colours first so that $C0C0C0 is named clSilver, not clLtGray (which, like
// clDkGray, has no entry).
constexpr std::array<TIdentEntry, 47> kColors{{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
}};

constexpr std::array<TIdentEntry, 19> kCharsets{{
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
}};

template <std::size_t N>
bool ValueToIdent(const std::array<TIdentEntry, N>& table, int32_t value, AnsiString& ident) {
  for (const TIdentEntry& entry : table) {
    if (entry.Value == value) {
      ident = entry.Name;
      return true;
    }
  }
  return false;
}

template <std::size_t N>
bool IdentToValue(const std::array<TIdentEntry, N>& table, const AnsiString& ident, int32_t& value) {
  for (const TIdentEntry& entry : table) {
    if (SameText(ident, entry.Name)) {
      value = entry.Value;
      return true;
    }
  }
  return false;
}

}  // namespace

bool ColorToIdent(int32_t color, AnsiString& ident) { return ValueToIdent(kColors, color, ident); }
bool IdentToColor(const AnsiString& ident, int32_t& color) { return IdentToValue(kColors, ident, color); }
bool CharsetToIdent(int32_t charset, AnsiString& ident) { return ValueToIdent(kCharsets, charset, ident); }
bool IdentToCharset(const AnsiString& ident, int32_t& charset) {
  return IdentToValue(kCharsets, ident, charset);
}

// The identifier maps are registered with the type, so any property published with it
// streams by name.
PTypeInfo TColorTypeInfo() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkInteger, "TColor", otSLong, INT32_MIN, INT32_MAX);
  static const bool registered = (RegisterIntegerConsts(&info, IdentToColor, ColorToIdent), true);
  (void)registered;
  return &info;
}

PTypeInfo TFontCharsetTypeInfo() {
  static const TTypeInfo info = TTypeInfo::Ordinal(tkInteger, "TFontCharset", otUByte, 0, 255);
  static const bool registered = (RegisterIntegerConsts(&info, IdentToCharset, CharsetToIdent), true);
  (void)registered;
  return &info;
}

int32_t ColorToRGB(TColor color) {
  if (color < 0) return static_cast<int32_t>(GetSysColor(color & 0xFF));
  return color;
}

AnsiString ColorToString(TColor color) {
  AnsiString ident;
  if (ColorToIdent(color, ident)) return ident;
  return "$" + IntToHex(static_cast<uint32_t>(color), 8);
}

TColor StringToColor(const AnsiString& text) {
  int32_t color = 0;
  if (IdentToColor(text, color)) return color;
  return StrToInt(text);
}

int PenModeToRop2(TPenMode mode) {
  static constexpr std::array<int, 16> kRop2{
      R2_BLACK,       R2_WHITE,      R2_NOP,     R2_NOT,       R2_COPYPEN,    R2_NOTCOPYPEN,
      R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN, R2_NOTMERGEPEN,
      R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,  R2_NOTXORPEN};
  return kRop2[static_cast<size_t>(mode)];
}
