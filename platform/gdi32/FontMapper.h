// The one place where a logical font (LOGFONT) is mapped onto a face file and size: the
// Windows raster fonts onto the Wine bitmap files, the core TrueType names onto their
// metric-compatible Liberation fonts, anything else through fontconfig, DejaVu Sans last.
#pragma once

#include "RasterFaces.h"

#include <windows.h>

#include <string>

struct FontChoice {
  std::string faceName;  // as GetTextFace reports it
  std::string path;
  int faceIndex = 0;
  const RasterFace* raster = nullptr;          // null for an outline face
  const RasterStrike* strike = nullptr;        // the raster strike chosen
  LONG height = 0;                             // the request's lfHeight, 0 replaced
  BYTE family = FF_DONTCARE;                   // FF_ bits of an outline face
  bool fixedPitch = false;                     // outline face
  bool emboldened = false;                     // bold synthesised (no bold face or strike)
  bool oblique = false;                        // italic synthesised (no italic face)
  bool imitatesArial = false;                  // Liberation Sans standing in for Arial
};

class FontMapper {
 public:
  static FontChoice Map(const LOGFONTA& request);

  // Folder of the Wine font files: $TAWO_WINE_FONT_DIR, else /usr/share/wine/fonts.
  static std::string WineFontFolder();
};
