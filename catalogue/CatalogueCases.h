// Unit CatalogueCases: the drawing catalogue's cases. Each draws one small picture on a 24-bit
// memory bitmap through the Win32 API, the framework and the control library only, so the same
// case can be drawn on this system and on Windows and the pixels compared.
#pragma once

#include <TCanvas.h>

#include <functional>
#include <string>
#include <vector>

struct TCatalogueCase {
  std::string Name;
  int Width = 48;
  int Height = 40;
  std::function<void(TCanvas* canvas)> Draw;
};

// Every case, named "<group>/<detail>", in a fixed order.
std::vector<TCatalogueCase> CatalogueCases();
