// Draws the gallery without a screen: every page as its own window, and the gallery window
// showing its first page, each into a PNG picture of a folder.
#pragma once

#include <string>
#include <vector>

// The picture of the whole window; the pages' pictures are named after the pages.
inline constexpr const char* kGalleryWindowPicture = "gallery";

// Writes <folder>/<name>.png for each page and for the window (the folder is made when
// missing). Returns the pictures that could not be written.
std::vector<std::string> SaveGalleryPictures(const std::string& folder);
