#include "DrawTextLines.h"

#include <TextRules.h>

#include <algorithm>

namespace {

constexpr std::string_view kEllipsis = "...";

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

}  // namespace

DrawTextLines::DrawTextLines(std::string_view text, UINT format, int maxWidth, const DrawTextMeasure& measure)
    : text_(text), format_(format), maxWidth_(maxWidth), measure_(measure) {}

void DrawTextLines::ProcessPrefixes(std::string_view raw, size_t base) {
  const bool prefixes = !(format_ & DT_NOPREFIX);
  for (size_t i = 0; i < raw.size(); ++i) {
    if (prefixes && raw[i] == '&') {
      if (i + 1 == raw.size()) {
        if (text_rules::kTrailingPrefixDropped) break;
      } else if (raw[i + 1] == '&') {
        ++i;  // "&&" is one literal '&'
      } else {
        const bool beforeTab = raw[i + 1] == '\t' && (format_ & DT_EXPANDTABS);
        if (!beforeTab && paragraph_.underline < 0 && !(format_ & DT_HIDEPREFIX)) {
          paragraph_.underline = static_cast<int>(paragraph_.text.size());
        }
        continue;
      }
    }
    paragraph_.text += raw[i];
    paragraph_.source.push_back(base + i);
  }
}

void DrawTextLines::StartParagraph() {
  paragraph_ = Paragraph{};
  size_t end = position_;
  if (format_ & DT_SINGLELINE) {
    end = text_.size();
  } else {
    while (end < text_.size() && !IsBreak(text_[end])) ++end;
  }
  ProcessPrefixes(text_.substr(position_, end - position_), position_);
  size_t next = end;
  if (next < text_.size()) {
    const char first = text_[next++];
    // CR LF and LF CR are one line break; CR CR and LF LF are two.
    if (next < text_.size() && IsBreak(text_[next]) && text_[next] != first) ++next;
    paragraph_.endsWithBreak = true;
  }
  paragraph_.end = next;
  inParagraph_ = true;
}

// Break opportunities are spaces only, as in classic Windows (no hyphens).
std::pair<size_t, size_t> DrawTextLines::BreakPiece(std::string_view rest) const {
  if (!(format_ & DT_WORDBREAK) || (format_ & DT_SINGLELINE) || measure_.Width(rest) <= maxWidth_) {
    return {rest.size(), rest.size()};
  }
  const size_t fit = measure_.FitCount(rest, maxWidth_);
  size_t space = std::string_view::npos;
  if (fit < rest.size() && rest[fit] == ' ') {
    space = fit;
  } else if (fit > 0) {
    space = rest.find_last_of(' ', fit - 1);
  }
  if (space != std::string_view::npos) {
    // Left-aligned lines keep the spaces that fit; centred and right-aligned ones lose the one
    // the line breaks at. That one space does not start the next line either.
    const bool aligned = format_ & (DT_CENTER | DT_RIGHT);
    const size_t length = aligned ? space : std::min(space + 1, fit);
    return {length, space + 1};
  }
  const bool breakInside = (format_ & DT_EDITCONTROL) && !(format_ & (DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS));
  if (breakInside) {
    const size_t length = std::max<size_t>(fit, 1);
    return {length, length};
  }
  // A word wider than the line stays whole and overflows.
  const size_t wordEnd = std::min(rest.find(' ', fit), rest.size());
  return {wordEnd, std::min(wordEnd + 1, rest.size())};
}

void DrawTextLines::Ellipsize(DisplayLine& line) const {
  if (!(format_ & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)) || line.width <= maxWidth_) return;
  std::string tail;
  std::string head = line.text;
  if (format_ & DT_PATH_ELLIPSIS) {
    const size_t separator = head.find_last_of("\\/");
    if (separator != std::string::npos) {
      tail = head.substr(separator);
      head.resize(separator);
    }
  }
  const std::string suffix = std::string(kEllipsis) + tail;
  while (!head.empty() && measure_.Width(head + suffix) > maxWidth_) head.pop_back();
  line.text = head + suffix;
  if (line.underline >= static_cast<int>(head.size())) line.underline = -1;
  line.width = measure_.Width(line.text);
  line.ellipsized = true;
}

bool DrawTextLines::Next(DisplayLine& line) {
  if (!inParagraph_) {
    if (position_ >= text_.size()) {
      if (!emptyLineOwed_) return false;
      emptyLineOwed_ = false;
      line = DisplayLine{};
      return true;
    }
    StartParagraph();
  }
  const std::string_view rest = std::string_view(paragraph_.text).substr(paragraph_.offset);
  const auto [length, next] = BreakPiece(rest);
  line = DisplayLine{};
  line.text = std::string(rest.substr(0, length));
  const int start = static_cast<int>(paragraph_.offset);
  if (paragraph_.underline >= start && paragraph_.underline < start + static_cast<int>(length)) {
    line.underline = paragraph_.underline - start;
  }
  line.width = measure_.Width(line.text);
  Ellipsize(line);

  paragraph_.offset += next;
  if (paragraph_.offset >= paragraph_.text.size()) {
    inParagraph_ = false;
    position_ = paragraph_.end;
    consumed_ = paragraph_.end;
    emptyLineOwed_ = paragraph_.endsWithBreak && position_ >= text_.size() && text_rules::kTrailingLineBreakAddsLine;
  } else {
    consumed_ = paragraph_.source[paragraph_.offset];
  }
  return true;
}
