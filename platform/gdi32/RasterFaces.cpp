#include "RasterFaces.h"

#include "FaceNames.h"

#include <array>

namespace {

// MS Sans Serif at 96 DPI, Central European files: 8, 10 and 12 pt.
constexpr RasterStrike kSansSerif[] = {
    {13, 11, 2, 0, 5, 11},
    {16, 13, 3, 0, 7, 14},
    {20, 16, 4, 0, 8, 18},
};
constexpr RasterStrike kSystem[] = {{16, 13, 3, 0, 7, 15}};
constexpr RasterStrike kCourier[] = {{13, 11, 0, 0, 8, 8}};
constexpr RasterStrike kSmallFonts[] = {{11, 9, 2, 0, 5, 9}};

constexpr BYTE kSwissVariable = FF_SWISS | TMPF_FIXED_PITCH;
constexpr BYTE kModernFixed = FF_MODERN;

constexpr std::array kFaces = {
    RasterFace{"MS Sans Serif", "ms_sans_serif.ttf", FW_NORMAL, kSwissVariable, kSansSerif},
    RasterFace{"System", "system.ttf", FW_BOLD, kSwissVariable, kSystem},
    RasterFace{"Courier", "courier.ttf", FW_NORMAL, kModernFixed, kCourier},
    RasterFace{"Small Fonts", "small_fonts.ttf", FW_NORMAL, kSwissVariable, kSmallFonts},
};

}  // namespace

namespace raster_faces {

const RasterFace* Find(std::string_view name) {
  for (const RasterFace& face : kFaces) {
    if (face_names::Equal(face.name, name)) return &face;
  }
  return nullptr;
}

const RasterStrike& ChooseStrike(const RasterFace& face, LONG height) {
  const RasterStrike* chosen = &face.strikes.front();
  for (const RasterStrike& strike : face.strikes) {
    const int size = height < 0 ? strike.EmHeight() : strike.pixelHeight;
    const long long wanted = height < 0 ? -static_cast<long long>(height) : height;
    if (size <= wanted) chosen = &strike;
  }
  return *chosen;
}

}  // namespace raster_faces
