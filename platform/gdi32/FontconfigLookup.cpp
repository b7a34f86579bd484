#include "FontconfigLookup.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>

namespace {

// fontconfig's configuration lives until exit; FcFini hands its memory back then, so leak
// checkers see none.
bool Initialise() {
  if (FcInit() != FcTrue) return false;
  std::atexit(FcFini);
  return true;
}

std::optional<FontFile> Query(const std::string& family, bool bold, bool italic) {
  static const bool initialised = Initialise();
  if (!initialised) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;

  std::optional<FontFile> file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    file.emplace();
    file->path = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &file->index);
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch) file->family = reinterpret_cast<const char*>(name);
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN, spacing = FC_PROPORTIONAL;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FcPatternGetInteger(match, FC_SPACING, 0, &spacing);
    file->bold = weight >= FC_WEIGHT_DEMIBOLD;
    file->italic = slant != FC_SLANT_ROMAN;
    file->monospace = spacing == FC_MONO;
  }
  FcPatternDestroy(match);
  return file;
}

}  // namespace

namespace fontconfig_lookup {

std::optional<FontFile> Match(const std::string& family, bool bold, bool italic) {
  static std::mutex mutex;
  static auto* cache = new std::map<std::tuple<std::string, bool, bool>, std::optional<FontFile>>();
  std::lock_guard lock(mutex);
  const auto key = std::make_tuple(family, bold, italic);
  auto found = cache->find(key);
  if (found == cache->end()) found = cache->emplace(key, Query(family, bold, italic)).first;
  return found->second;
}

}  // namespace fontconfig_lookup
