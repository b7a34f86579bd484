// The form descriptions of gallery/pages, compiled into the gallery.
#pragma once

#include <string_view>

extern const std::string_view kButtonsPageText;
