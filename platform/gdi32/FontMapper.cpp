#include "FontMapper.h"

#include "FaceNames.h"
#include "FontconfigLookup.h"
#include "TextRules.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Names that Windows resolves to another face before matching (FontSubstitutes, and the
// dialog font aliases that land on MS Sans Serif's look).
struct Substitute {
  std::string_view from;
  std::string_view to;
};
constexpr std::array kSubstitutes = {
    Substitute{"Helv", "MS Sans Serif"},
    Substitute{"MS Shell Dlg", "MS Sans Serif"},
    Substitute{"Microsoft Sans Serif", "MS Sans Serif"},
    Substitute{"MS Shell Dlg 2", "Tahoma"},
    Substitute{"Helvetica", "Arial"},
    Substitute{"Arial CE", "Arial"},
    Substitute{"Times", "Times New Roman"},
    Substitute{"Times New Roman CE", "Times New Roman"},
    Substitute{"Courier New CE", "Courier New"},
};

// Outline faces known by their Windows name.
struct OutlineFace {
  std::string_view name;
  std::string_view family;       // fontconfig family, when found through fontconfig
  std::string_view wineRegular;  // file in the Wine font folder, when shipped there
  std::string_view wineBold;
  BYTE ff;
  bool fixedPitch;
};
constexpr std::array kOutlineFaces = {
    OutlineFace{"Arial", "Liberation Sans", "", "", FF_SWISS, false},
    OutlineFace{"Courier New", "Liberation Mono", "", "", FF_MODERN, true},
    OutlineFace{"Times New Roman", "Liberation Serif", "", "", FF_ROMAN, false},
    OutlineFace{"Tahoma", "", "tahoma.ttf", "tahomabd.ttf", FF_SWISS, false},
};

constexpr std::string_view kLastResortFamily = "DejaVu Sans";
constexpr const char* kLastResortFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

std::string_view RequestedName(const LOGFONTA& request) {
  const size_t length = strnlen(request.lfFaceName, LF_FACESIZE);
  std::string_view name(request.lfFaceName, length);
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  for (const Substitute& s : kSubstitutes) {
    if (face_names::Equal(s.from, name)) return s.to;
  }
  return name;
}

// What the mapper falls back on when a name is missing or must be replaced: serif requests
// get Times New Roman, fixed pitch Courier New, everything else Arial.
std::string_view FallbackName(BYTE pitchAndFamily) {
  const BYTE family = pitchAndFamily & 0xF0;
  if ((pitchAndFamily & 0x03) == FIXED_PITCH || family == FF_MODERN) return "Courier New";
  if (family == FF_ROMAN) return "Times New Roman";
  return "Arial";
}

const OutlineFace* FindOutline(std::string_view name) {
  for (const OutlineFace& face : kOutlineFaces) {
    if (face_names::Equal(face.name, name)) return &face;
  }
  return nullptr;
}

bool IsFixedPitch(std::string_view name) {
  if (const RasterFace* raster = raster_faces::Find(name)) return (raster->pitchAndFamily & TMPF_FIXED_PITCH) == 0;
  if (const OutlineFace* outline = FindOutline(name)) return outline->fixedPitch;
  const auto file = fontconfig_lookup::Match(std::string(name), false, false);
  return file && file->monospace && face_names::Equal(file->family, name);
}

bool WantsBold(const LOGFONTA& request) { return request.lfWeight >= text_rules::kSyntheticBoldMinWeight; }

FontChoice RasterChoice(const RasterFace& face, const LOGFONTA& request, LONG height) {
  FontChoice choice;
  choice.faceName = std::string(face.name);
  choice.path = FontMapper::WineFontFolder() + "/" + std::string(face.fileName);
  choice.raster = &face;
  choice.strike = &raster_faces::ChooseStrike(face, height);
  choice.height = height;
  choice.emboldened = WantsBold(request) && face.weight < FW_BOLD;
  choice.oblique = request.lfItalic != 0;
  return choice;
}

FontChoice FromFile(const FontFile& file, std::string_view faceName, const LOGFONTA& request, LONG height) {
  FontChoice choice;
  choice.faceName = std::string(faceName);
  choice.path = file.path;
  choice.faceIndex = file.index;
  choice.height = height;
  choice.fixedPitch = file.monospace;
  choice.family = file.monospace ? FF_MODERN : FF_DONTCARE;
  choice.emboldened = WantsBold(request) && !file.bold;
  choice.oblique = request.lfItalic != 0 && !file.italic;
  return choice;
}

FontChoice KnownOutlineChoice(const OutlineFace& face, const LOGFONTA& request, LONG height) {
  const bool bold = WantsBold(request);
  const bool italic = request.lfItalic != 0;
  FontFile file;
  if (!face.wineRegular.empty()) {
    const bool useBold = bold && !face.wineBold.empty();
    file.path = FontMapper::WineFontFolder() + "/" + std::string(useBold ? face.wineBold : face.wineRegular);
    file.bold = useBold;
  } else if (auto found = fontconfig_lookup::Match(std::string(face.family), bold, italic);
             found && face_names::Equal(found->family, face.family)) {
    file = *found;
  } else {
    file.path = kLastResortFile;
  }
  FontChoice choice = FromFile(file, face.name, request, height);
  choice.family = face.ff;
  choice.fixedPitch = face.fixedPitch;
  choice.imitatesArial = face_names::Equal(face.name, "Arial") && !face.family.empty() &&
                         face_names::Equal(file.family, face.family);
  return choice;
}

FontChoice OtherOutlineChoice(std::string_view name, const LOGFONTA& request, LONG height) {
  const bool bold = WantsBold(request);
  const bool italic = request.lfItalic != 0;
  if (auto file = fontconfig_lookup::Match(std::string(name), bold, italic)) {
    return FromFile(*file, file->family, request, height);
  }
  FontFile lastResort;
  lastResort.path = kLastResortFile;
  return FromFile(lastResort, kLastResortFamily, request, height);
}

}  // namespace

std::string FontMapper::WineFontFolder() {
  const char* folder = std::getenv("TAWO_WINE_FONT_DIR");
  return folder && *folder ? folder : "/usr/share/wine/fonts";
}

FontChoice FontMapper::Map(const LOGFONTA& request) {
  const LONG height = request.lfHeight == 0 ? text_rules::kDefaultHeight : request.lfHeight;
  std::string_view name = RequestedName(request);
  if (name.empty()) name = FallbackName(request.lfPitchAndFamily);

  const bool fixedRequested = (request.lfPitchAndFamily & 0x03) == FIXED_PITCH;
  if (text_rules::kFixedPitchOverridesFaceName && fixedRequested && !IsFixedPitch(name)) name = "Courier New";

  if (const RasterFace* raster = raster_faces::Find(name)) {
    if (request.lfOutPrecision != OUT_TT_ONLY_PRECIS) return RasterChoice(*raster, request, height);
    const bool rasterFixed = (raster->pitchAndFamily & TMPF_FIXED_PITCH) == 0;
    name = FallbackName((raster->pitchAndFamily & 0xF0) | (rasterFixed ? FIXED_PITCH : VARIABLE_PITCH));
  }
  if (const OutlineFace* outline = FindOutline(name)) return KnownOutlineChoice(*outline, request, height);
  return OtherOutlineChoice(name, request, height);
}
