// The text forms of fonts, rectangles and points (unit LMDUtils) in which settings keep them:
// fields joined by IDS_DEFAULTDELIMITER.
#pragma once

#include <TFont.h>

#include <windows.h>

// Name, size in points, colour text, then "1"/"0" for bold, italic, underline, strikeout.
AnsiString LMDFontToString(const TFont& font);
// Sets the font from a text of exactly seven fields; any other text leaves it unchanged. A
// size that is not a number reads as 10; a colour or style field that cannot be read raises
// EConvertError before anything of the font is changed.
void LMDStringToFont(const AnsiString& text, TFont& font);
// "Left,Top,Right,Bottom".
AnsiString LMDRectToString(const RECT& rect);
// Four fields give the edges (a field that is not a number gives 0); anything else (0,0,0,0).
RECT LMDStringToRect(const AnsiString& text);
// "[X,Y]".
AnsiString LMDPointToString(const POINT& point);
// Reads what LMDPointToString writes; any other text gives (0, 0).
POINT LMDStringToPoint(const AnsiString& text);
