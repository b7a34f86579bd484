// Every picture `gallery --png` draws is compared pixel by pixel with its golden picture in
// tests/golden/gallery/. For each one that differs, <name>-difference.png in the test output
// shows the golden picture, the new one and the differing pixels in red side by side.
// TAWO_UPDATE_GOLDEN=1 rewrites the golden pictures.
#include <gtest/gtest.h>

#include "../framework/ControlTestSupport.h"
#include "GalleryPictures.h"
#include "ImageFile.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace {

namespace fs = std::filesystem;

const fs::path kGoldenFolder = TAWO_SOURCE_DIR "/tests/golden/gallery";
const fs::path kShotFolder = TAWO_TEST_OUTPUT_DIR "/gallery";

std::shared_ptr<PixelSurface> ReadPng(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ImageFile::DecodePng(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

COLORREF ColorAt(const PixelSurface& surface, int x, int y) {
  if (x >= surface.Width() || y >= surface.Height()) return RGB(255, 255, 255);
  return surface.ColorFromPixel(surface.ReadPixel(x, y));
}

bool SamePixels(const PixelSurface& a, const PixelSurface& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (ColorAt(a, x, y) != ColorAt(b, x, y)) return false;
    }
  }
  return true;
}

// Golden | new | difference (red where they differ, the new picture faded elsewhere).
void WriteDifference(const PixelSurface& golden, const PixelSurface& shot, const fs::path& path) {
  const int width = std::max(golden.Width(), shot.Width());
  const int height = std::max(golden.Height(), shot.Height());
  auto out = PixelSurface::Create(3 * width, height, PixelSurface::Format{});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF before = ColorAt(golden, x, y);
      const COLORREF after = ColorAt(shot, x, y);
      const int faded = 192 + (GetRValue(after) + GetGValue(after) + GetBValue(after)) / 12;
      const COLORREF marked = before == after ? RGB(faded, faded, faded) : RGB(255, 0, 0);
      out->WritePixel(x, y, out->PixelFromColor(before));
      out->WritePixel(width + x, y, out->PixelFromColor(after));
      out->WritePixel(2 * width + x, y, out->PixelFromColor(marked));
    }
  }
  ImageFile::Write(path.string(), *out, out->Bounds(), ImageFile::Format::Png);
}

std::set<std::string> PictureNames(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const fs::path& path = entry.path();
    if (path.extension() == ".png" && path.stem().string().find("-difference") == std::string::npos) {
      names.insert(path.stem().string());
    }
  }
  return names;
}

class GalleryPictures : public VisualTest {};

TEST_F(GalleryPictures, EveryPageLooksLikeItsGoldenPicture) {
  fs::remove_all(kShotFolder);
  ASSERT_TRUE(SaveGalleryPictures(kShotFolder.string()).empty());
  const std::set<std::string> shots = PictureNames(kShotFolder);
  if (const char* update = std::getenv("TAWO_UPDATE_GOLDEN"); update && std::string(update) == "1") {
    for (const std::string& name : PictureNames(kGoldenFolder)) fs::remove(kGoldenFolder / (name + ".png"));
    for (const std::string& name : shots) fs::copy_file(kShotFolder / (name + ".png"), kGoldenFolder / (name + ".png"));
    GTEST_SKIP() << "golden pictures rewritten in " << kGoldenFolder;
  }
  EXPECT_EQ(shots, PictureNames(kGoldenFolder)) << "one golden picture for each picture of the gallery";
  for (const std::string& name : shots) {
    const auto golden = ReadPng(kGoldenFolder / (name + ".png"));
    const auto shot = ReadPng(kShotFolder / (name + ".png"));
    ASSERT_NE(shot, nullptr) << name;
    if (golden != nullptr && SamePixels(*golden, *shot)) continue;
    const fs::path difference = kShotFolder / (name + "-difference.png");
    if (golden != nullptr) WriteDifference(*golden, *shot, difference);
    ADD_FAILURE() << name << ".png differs from its golden picture; see " << difference
                  << " (TAWO_UPDATE_GOLDEN=1 rewrites the golden pictures)";
  }
}

}  // namespace
