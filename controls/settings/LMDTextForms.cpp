#include "LMDTextForms.h"

#include <LMDBase.h>

#include <vector>

using enum TFontStyle;

namespace {

const char kDelimiter = IDS_DEFAULTDELIMITER[0];

// Cuts at every delimiter without trimming; an empty field after a final delimiter is dropped.
std::vector<AnsiString> SplitFields(const AnsiString& text) {
  std::vector<AnsiString> fields;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(kDelimiter, start);
    if (end == AnsiString::npos) {
      fields.push_back(text.substr(start));
      break;
    }
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return fields;
}

AnsiString JoinFields(std::initializer_list<AnsiString> fields) {
  AnsiString text;
  bool first = true;
  for (const AnsiString& field : fields) {
    if (!first) text += kDelimiter;
    text += field;
    first = false;
  }
  return text;
}

AnsiString Flag(bool set) { return set ? "1" : "0"; }

// A style field is set when its number has a non-zero low byte.
bool StyleFlag(const AnsiString& field) { return (StrToInt(field) & 0xFF) != 0; }

}  // namespace

AnsiString LMDFontToString(const TFont& font) {
  const TFontStyles style = font.Style();
  return JoinFields({font.Name(), IntToStr(font.Size()), ColorToString(font.Color()),
                     Flag(style.Contains(fsBold)), Flag(style.Contains(fsItalic)),
                     Flag(style.Contains(fsUnderline)), Flag(style.Contains(fsStrikeOut))});
}

void LMDStringToFont(const AnsiString& text, TFont& font) {
  const std::vector<AnsiString> fields = SplitFields(text);
  if (fields.size() != 7) return;
  const TColor color = StringToColor(fields[2]);
  TFontStyles style;
  const TFontStyle styles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
  for (int i = 0; i < 4; ++i) {
    if (StyleFlag(fields[3 + i])) style.Include(styles[i]);
  }
  font.SetName(fields[0]);
  font.SetSize(StrToIntDef(fields[1], 10));
  font.SetColor(color);
  font.SetStyle(style);
}

AnsiString LMDRectToString(const RECT& rect) {
  return JoinFields({IntToStr(rect.left), IntToStr(rect.top), IntToStr(rect.right), IntToStr(rect.bottom)});
}

RECT LMDStringToRect(const AnsiString& text) {
  RECT rect{0, 0, 0, 0};
  const std::vector<AnsiString> fields = SplitFields(text);
  if (fields.size() != 4) return rect;
  rect.left = StrToIntDef(fields[0], 0);
  rect.top = StrToIntDef(fields[1], 0);
  rect.right = StrToIntDef(fields[2], 0);
  rect.bottom = StrToIntDef(fields[3], 0);
  return rect;
}

AnsiString LMDPointToString(const POINT& point) {
  return Format(AnsiString("[%d") + kDelimiter + "%d]", {static_cast<int>(point.x), static_cast<int>(point.y)});
}

POINT LMDStringToPoint(const AnsiString& text) {
  POINT point{0, 0};
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return point;
  const std::vector<AnsiString> fields = SplitFields(text.substr(1, text.size() - 2));
  int x = 0;
  int y = 0;
  if (fields.size() != 2 || !TryStrToInt(fields[0], x) || !TryStrToInt(fields[1], y)) return point;
  point.x = x;
  point.y = y;
  return point;
}
