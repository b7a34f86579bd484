// The gallery's pages in the order they are shown. A page is a form whose description lives in
// gallery/pages/; a new page is one class, one .dfm and one line in GalleryPages.cpp.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TForm;

// Where the gallery keeps its state: the ini file (in the Windows folder) and its section.
inline constexpr const char* kGallerySettingsFile = "TAWOGAL.INI";
inline constexpr const char* kGallerySettingsSection = "Galeria";

struct TGalleryPage {
  // Also the name of the page's picture: <Name>.png.
  std::string Name;
  TForm* (*Create)(TComponent* owner);
};

const std::vector<TGalleryPage>& GalleryPages();

// What a page's constructor does: reads the page from its description, with the classes of
// FormClasses for the components the page's code does not name. A library button's Tag
// names its predefined glyph (in the order of TLMDGlyphKind), which descriptions cannot hold.
void LoadGalleryPage(TForm* page, std::string_view description);
