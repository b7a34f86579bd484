// Logical fonts and what text measures: CreateFont, text metrics, face names, character
// widths, extents and the character extra.
#include "DeviceContext.h"
#include "FontCache.h"
#include "GdiFont.h"
#include "GdiHandleTable.h"
#include "TextLayout.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace {

FontFace* FontOf(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? FontCache::Instance().ForDc(*dc) : nullptr;
}

BOOL Extent(HDC hdc, LPCSTR text, int count, LPSIZE size) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  if (count < 0 || !size || (count > 0 && !text)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  FontFace* font = FontCache::Instance().ForDc(*dc);
  if (!font) return FALSE;
  size->cx = TextLayout::Extent(*font, reinterpret_cast<const unsigned char*>(text), static_cast<size_t>(count),
                                dc->State().charExtra);
  size->cy = font->Metrics().tmHeight;
  return TRUE;
}

}  // namespace

extern "C" {

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  LOGFONTA logFont = *lplf;
  logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
  return static_cast<HFONT>(GdiHandleTable::Instance().Add(std::make_unique<GdiFont>(logFont)));
}

HFONT WINAPI CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                         DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                         DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
  LOGFONTA logFont{};
  logFont.lfHeight = cHeight;
  logFont.lfWidth = cWidth;
  logFont.lfEscapement = cEscapement;
  logFont.lfOrientation = cOrientation;
  logFont.lfWeight = cWeight;
  logFont.lfItalic = static_cast<BYTE>(bItalic);
  logFont.lfUnderline = static_cast<BYTE>(bUnderline);
  logFont.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
  logFont.lfCharSet = static_cast<BYTE>(iCharSet);
  logFont.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
  logFont.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
  logFont.lfQuality = static_cast<BYTE>(iQuality);
  logFont.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
  if (pszFaceName) std::strncpy(logFont.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&logFont);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  FontFace* font = FontOf(hdc);
  if (!font) return FALSE;
  if (!lptm) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lptm = font->Metrics();
  return TRUE;
}

// With a buffer: the characters copied, without the terminating zero; without one: the
// buffer size the name needs, with it.
int WINAPI GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
  FontFace* font = FontOf(hdc);
  if (!font) return 0;
  const std::string& name = font->FaceName();
  if (!lpName) return static_cast<int>(name.size()) + 1;
  if (c <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const size_t copied = std::min(name.size(), static_cast<size_t>(c) - 1);
  std::memcpy(lpName, name.data(), copied);
  lpName[copied] = '\0';
  return static_cast<int>(copied);
}

BOOL WINAPI GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
  FontFace* font = FontOf(hdc);
  if (!font) return FALSE;
  if (!lpBuffer || iFirst > iLast || iLast > 0xFF) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  font->Advances(iFirst, iLast, lpBuffer);
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  return Extent(hdc, lpString, c, psizl);
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR lpString, int c, LPSIZE lpsz) { return Extent(hdc, lpString, c, lpsz); }

int WINAPI SetTextCharacterExtra(HDC hdc, int extra) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return static_cast<int>(0x80000000);
  return std::exchange(dc->State().charExtra, extra);
}

int WINAPI GetTextCharacterExtra(HDC hdc) {
  const DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().charExtra : static_cast<int>(0x80000000);
}

}  // extern "C"
