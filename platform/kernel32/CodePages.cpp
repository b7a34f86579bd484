// MultiByteToWideChar / WideCharToMultiByte for the ANSI code page (1250 here), 1250 itself
// and UTF-8. Lengths of -1 mean "up to and including the terminating zero".
#include <windows.h>

#include <cp1250.h>

#include <string>

namespace {

constexpr UINT kAnsiCodePage = 1250;
constexpr UINT kOemCodePage = 852;

UINT Resolve(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
      return kAnsiCodePage;
    case CP_OEMCP:
      return kOemCodePage;
    default:
      return codePage;
  }
}

// Decodes UTF-8; returns false on a malformed sequence (the caller decides what to do).
bool DecodeUtf8(const unsigned char* s, int n, std::u16string& out) {
  bool valid = true;
  for (int i = 0; i < n;) {
    unsigned char c = s[i];
    char32_t cp;
    int extra;
    if (c < 0x80) {
      cp = c;
      extra = 0;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      extra = 1;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      extra = 2;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      extra = 3;
    } else {
      out.push_back(0xFFFD);
      valid = false;
      ++i;
      continue;
    }
    int consumed = 1;  // lead byte plus the continuation bytes seen before a fault
    while (consumed <= extra && i + consumed < n && (s[i + consumed] & 0xC0) == 0x80) {
      cp = (cp << 6) | (s[i + consumed] & 0x3F);
      ++consumed;
    }
    if (consumed <= extra) {  // truncated: one replacement for the whole broken sequence
      out.push_back(0xFFFD);
      valid = false;
      i += consumed;
      continue;
    }
    const bool overlong = (extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      valid = false;
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += extra + 1;
  }
  return valid;
}

void EncodeUtf8(const char16_t* w, int n, std::string& out) {
  for (int i = 0; i < n; ++i) {
    char32_t cp = w[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

template <typename Char>
int LengthOf(const Char* s, int n) {
  if (n != -1) return n;
  int len = 0;
  while (s[len]) ++len;
  return len + 1;  // the terminator is converted too
}

template <typename Char>
int Deliver(const std::basic_string<Char>& converted, Char* out, int capacity) {
  const int needed = static_cast<int>(converted.size());
  if (capacity == 0) return needed;
  if (capacity < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  converted.copy(out, converted.size());
  return needed;
}

}  // namespace

extern "C" {

UINT WINAPI GetACP(void) { return kAnsiCodePage; }

UINT WINAPI GetOEMCP(void) { return kOemCodePage; }

BOOL WINAPI IsValidCodePage(UINT CodePage) { return CodePage == 1250 || CodePage == CP_UTF8; }

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar) {
  const UINT cp = Resolve(CodePage);
  if (!lpMultiByteStr || cbMultiByte == 0 || cbMultiByte < -1 || cchWideChar < 0 ||
      (cchWideChar > 0 && !lpWideCharStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (cp != 1250 && cp != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const auto* bytes = reinterpret_cast<const unsigned char*>(lpMultiByteStr);
  const int n = LengthOf(lpMultiByteStr, cbMultiByte);
  std::u16string converted;
  if (cp == CP_UTF8) {
    if (!DecodeUtf8(bytes, n, converted) && (dwFlags & MB_ERR_INVALID_CHARS)) {
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
      return 0;
    }
  } else {
    converted.reserve(n);
    for (int i = 0; i < n; ++i) converted.push_back(cp1250::ToUnicode(bytes[i]));
  }
  return Deliver(converted, lpWideCharStr, cchWideChar);
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               LPBOOL lpUsedDefaultChar) {
  (void)dwFlags;
  const UINT cp = Resolve(CodePage);
  if (!lpWideCharStr || cchWideChar == 0 || cchWideChar < -1 || cbMultiByte < 0 ||
      (cbMultiByte > 0 && !lpMultiByteStr)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (cp == CP_UTF8 && (lpDefaultChar || lpUsedDefaultChar)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (cp != 1250 && cp != CP_UTF8) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int n = LengthOf(lpWideCharStr, cchWideChar);
  std::string converted;
  if (cp == CP_UTF8) {
    EncodeUtf8(lpWideCharStr, n, converted);
  } else {
    const char fallback = lpDefaultChar ? *lpDefaultChar : '?';
    bool usedDefault = false;
    for (int i = 0; i < n; ++i) {
      const int byte = cp1250::FromUnicode(lpWideCharStr[i]);
      if (byte < 0) usedDefault = true;
      converted.push_back(byte < 0 ? fallback : static_cast<char>(byte));
    }
    if (lpUsedDefaultChar) *lpUsedDefaultChar = usedDefault;
  }
  return Deliver(converted, lpMultiByteStr, cbMultiByte);
}

}  // extern "C"
