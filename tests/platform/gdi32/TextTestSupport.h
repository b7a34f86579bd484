// Helpers for text tests: Windows-1250 strings from UTF-8 literals, a font selected for the
// life of a scope, and string measurement.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

// The Windows-1250 bytes of a UTF-8 literal, as the API expects them.
inline std::string Cp1250(const char* utf8) {
  std::u16string wide(std::strlen(utf8) + 1, u'\0');
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), static_cast<int>(wide.size()));
  std::string bytes(wide.size() * 2, '\0');
  const int written = WideCharToMultiByte(1250, 0, wide.data(), units, bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr);
  bytes.resize(written > 0 ? written - 1 : 0);
  return bytes;
}

inline LOGFONTA MakeLogFont(const char* face, LONG height, LONG weight = FW_NORMAL) {
  LOGFONTA lf{};
  lf.lfHeight = height;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

// Creates the font, selects it into the DC and undoes both at the end of the scope.
class ScopedFont {
 public:
  ScopedFont(HDC dc, const LOGFONTA& lf) : dc_(dc), font_(CreateFontIndirectA(&lf)) { previous_ = SelectObject(dc_, font_); }
  ScopedFont(HDC dc, const char* face, LONG height, LONG weight = FW_NORMAL)
      : ScopedFont(dc, MakeLogFont(face, height, weight)) {}
  ~ScopedFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }
  ScopedFont(const ScopedFont&) = delete;
  ScopedFont& operator=(const ScopedFont&) = delete;

  HFONT handle() const { return font_; }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

inline int TextWidth(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

inline TEXTMETRICA Metrics(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  return tm;
}
