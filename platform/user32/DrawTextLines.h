// Splits DrawText's input into the lines it draws: hard line breaks, '&' prefixes, word
// breaking to the rectangle's width, and the ellipsis styles.
#pragma once

#include "DrawTextMeasure.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

struct DisplayLine {
  std::string text;    // the characters to draw, prefixes removed, ellipsis applied
  int underline = -1;  // index in text of the accelerator character; -1 for none
  int width = 0;
  bool ellipsized = false;
};

class DrawTextLines {
 public:
  DrawTextLines(std::string_view text, UINT format, int maxWidth, const DrawTextMeasure& measure);

  // The next line; false when the text is used up.
  bool Next(DisplayLine& line);
  // Characters of the input consumed by the lines returned so far.
  size_t Consumed() const { return consumed_; }

 private:
  // One hard line (up to CR/LF) after prefix processing.
  struct Paragraph {
    std::string text;
    std::vector<size_t> source;  // input offset of each character of text
    int underline = -1;
    size_t offset = 0;           // where the next piece starts
    size_t end = 0;              // input offset after the paragraph and its line break
    bool endsWithBreak = false;
  };

  void StartParagraph();
  void ProcessPrefixes(std::string_view raw, size_t base);
  // Length of the next piece of the paragraph and where the one after it starts.
  std::pair<size_t, size_t> BreakPiece(std::string_view rest) const;
  void Ellipsize(DisplayLine& line) const;

  std::string_view text_;
  UINT format_;
  int maxWidth_;
  const DrawTextMeasure& measure_;
  size_t position_ = 0;
  size_t consumed_ = 0;
  bool inParagraph_ = false;
  bool emptyLineOwed_ = false;
  Paragraph paragraph_;
};
