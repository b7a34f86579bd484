#include "ExtCtrls.h"

#include <vector>

using enum TBevelCut;

void Frame3D(TCanvas* canvas, RECT& rect, TColor topColor, TColor bottomColor, int width) {
  canvas->Pen()->SetWidth(1);
  --rect.bottom;
  --rect.right;
  for (; width > 0; --width) {
    canvas->Pen()->SetColor(topColor);
    canvas->Polyline(std::vector<POINT>{{rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}});
    canvas->Pen()->SetColor(bottomColor);
    canvas->Polyline(
        std::vector<POINT>{{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}});
    InflateRect(&rect, -1, -1);
  }
  ++rect.bottom;
  ++rect.right;
}

TColor BevelTopColor(TBevelCut bevel) { return bevel == bvLowered ? clBtnShadow : clBtnHighlight; }

TColor BevelBottomColor(TBevelCut bevel) { return bevel == bvLowered ? clBtnHighlight : clBtnShadow; }
