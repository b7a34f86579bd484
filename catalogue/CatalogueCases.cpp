#include "CatalogueCases.h"

#include <LMD3DCaption.h>
#include <LMDButtonBase.h>
#include <LMDFXCaption.h>
#include <LMDGraph.h>
#include <LMDUtils.h>
#include <LMDUtilsButtonFace.h>
#include <LMDUtilsText.h>

#include <windows.h>

#include <array>
#include <string>
#include <utility>

using enum TLMDBevelStyle;
using enum TLMDBorderStyle;
using enum TLMDButtonState;
using enum TLMDDrawTextStyle;
using enum TLMDGradientStyle;
using enum TLMDThreeDStyle;
using enum TLMDUserButtonStyle;

namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr COLORREF kFill = RGB(0, 128, 192);

// Draws with a pen and a brush of our own selected into the canvas's device context, and puts
// the canvas's own objects back afterwards.
void WithGdi(TCanvas* canvas, HPEN pen, HBRUSH brush, const std::function<void(HDC)>& draw) {
  HDC dc = canvas->Handle();
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  draw(dc);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(pen);
  DeleteObject(brush);
}

void Shapes(std::vector<TCatalogueCase>& cases, const std::string& group,
            const std::function<void(HDC, int)>& shape) {
  for (int width : {1, 3}) {
    cases.push_back({group + "/pen" + std::to_string(width), 48, 40, [shape, width](TCanvas* canvas) {
                       WithGdi(canvas, CreatePen(PS_SOLID, width, kInk), CreateSolidBrush(kFill),
                               [&](HDC dc) { shape(dc, width); });
                     }});
  }
}

void AddPrimitives(std::vector<TCatalogueCase>& cases) {
  const std::array<std::pair<int, int>, 7> corners{{{2, 2}, {5, 5}, {8, 4}, {10, 16}, {20, 20}, {33, 27}, {60, 60}}};
  for (const auto& [w, h] : corners) {
    Shapes(cases, "RoundRect/" + std::to_string(w) + "x" + std::to_string(h),
           [w, h](HDC dc, int) { RoundRect(dc, 6, 5, 41, 33, w, h); });
  }
  const std::array<RECT, 5> ellipses{{{6, 5, 41, 33}, {4, 4, 36, 36}, {3, 5, 7, 9}, {10, 10, 12, 30}, {0, 0, 48, 40}}};
  for (const RECT& r : ellipses) {
    Shapes(cases, "Ellipse/" + std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top),
           [r](HDC dc, int) { Ellipse(dc, r.left, r.top, r.right, r.bottom); });
  }
  const std::array<std::array<int, 4>, 4> ends{{{40, 20, 24, 2}, {24, 38, 40, 20}, {2, 2, 46, 38}, {46, 20, 46, 21}}};
  for (size_t i = 0; i < ends.size(); ++i) {
    const auto e = ends[i];
    const std::string n = std::to_string(i);
    Shapes(cases, "Arc/" + n, [e](HDC dc, int) { Arc(dc, 4, 4, 44, 36, e[0], e[1], e[2], e[3]); });
    Shapes(cases, "Pie/" + n, [e](HDC dc, int) { Pie(dc, 4, 4, 44, 36, e[0], e[1], e[2], e[3]); });
    Shapes(cases, "Chord/" + n, [e](HDC dc, int) { Chord(dc, 4, 4, 44, 36, e[0], e[1], e[2], e[3]); });
  }
  Shapes(cases, "Arc/clockwise-odd", [](HDC dc, int) {
    SetArcDirection(dc, AD_CLOCKWISE);
    Arc(dc, 5, 3, 40, 34, 3, 30, 40, 2);
  });
  Shapes(cases, "Pie/clockwise-odd", [](HDC dc, int) {
    SetArcDirection(dc, AD_CLOCKWISE);
    Pie(dc, 5, 3, 40, 34, 24, 38, 40, 20);
  });
  for (int mode : {ALTERNATE, WINDING}) {
    Shapes(cases, std::string("Polygon/star-") + (mode == ALTERNATE ? "alternate" : "winding"), [mode](HDC dc, int) {
      const POINT star[5] = {{24, 2}, {36, 36}, {4, 14}, {44, 14}, {12, 36}};
      SetPolyFillMode(dc, mode);
      Polygon(dc, star, 5);
    });
  }
  Shapes(cases, "Rectangle", [](HDC dc, int) { Rectangle(dc, 5, 5, 40, 30); });
  for (int width : {1, 2, 3, 5, 8}) {
    for (const auto& [dx, dy] : std::array<std::pair<int, int>, 4>{{{40, 0}, {0, 30}, {36, 30}, {30, 12}}}) {
      cases.push_back({"WidePen/" + std::to_string(width) + "/" + std::to_string(dx) + "," + std::to_string(dy), 48, 40,
                       [width, dx, dy](TCanvas* canvas) {
                         WithGdi(canvas, CreatePen(PS_SOLID, width, kInk), CreateSolidBrush(kFill), [&](HDC dc) {
                           MoveToEx(dc, 4, 5, nullptr);
                           LineTo(dc, 4 + dx, 5 + dy);
                         });
                       }});
    }
  }
  for (int style : {PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT}) {
    cases.push_back({"PenStyle/" + std::to_string(style), 48, 40, [style](TCanvas* canvas) {
                       WithGdi(canvas, CreatePen(style, 1, kInk), CreateSolidBrush(kFill), [](HDC dc) {
                         SetBkColor(dc, RGB(255, 255, 0));
                         Rectangle(dc, 3, 3, 44, 36);
                         MoveToEx(dc, 3, 20, nullptr);
                         LineTo(dc, 45, 28);
                       });
                     }});
  }
  for (int hatch : {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS}) {
    cases.push_back({"Hatch/" + std::to_string(hatch), 48, 40, [hatch](TCanvas* canvas) {
                       WithGdi(canvas, CreatePen(PS_SOLID, 1, kInk), CreateHatchBrush(hatch, kFill),
                               [](HDC dc) { Rectangle(dc, 3, 3, 45, 37); });
                     }});
  }
}

// A 6 × 5 source of four coloured quarters.
HBITMAP Quarters(HDC dc) {
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 6, 5);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const std::array<std::pair<RECT, COLORREF>, 4> parts{
      {{{0, 0, 3, 2}, RGB(255, 0, 0)}, {{3, 0, 6, 2}, RGB(0, 255, 0)}, {{0, 2, 3, 5}, RGB(0, 0, 255)}, {{3, 2, 6, 5}, RGB(255, 255, 255)}}};
  for (const auto& [rect, color] : parts) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(memory, &rect, brush);
    DeleteObject(brush);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
  return bitmap;
}

void AddBlits(std::vector<TCatalogueCase>& cases) {
  for (const auto& [w, h] : std::array<std::pair<int, int>, 5>{{{12, 10}, {3, 3}, {40, 7}, {5, 30}, {6, 5}}}) {
    for (int mode : {BLACKONWHITE, COLORONCOLOR}) {
      cases.push_back({"StretchBlt/" + std::to_string(w) + "x" + std::to_string(h) + "/" + std::to_string(mode), 48, 40,
                       [w, h, mode](TCanvas* canvas) {
                         HDC dc = canvas->Handle();
                         HBITMAP source = Quarters(dc);
                         HDC memory = CreateCompatibleDC(dc);
                         HGDIOBJ old = SelectObject(memory, source);
                         SetStretchBltMode(dc, mode);
                         StretchBlt(dc, 2, 2, w, h, memory, 0, 0, 6, 5, SRCCOPY);
                         SelectObject(memory, old);
                         DeleteDC(memory);
                         DeleteObject(source);
                       }});
    }
  }
  const std::array<std::pair<const char*, DWORD>, 13> rops{{{"SRCCOPY", SRCCOPY},
                                                            {"SRCPAINT", SRCPAINT},
                                                            {"SRCAND", SRCAND},
                                                            {"SRCINVERT", SRCINVERT},
                                                            {"SRCERASE", SRCERASE},
                                                            {"NOTSRCCOPY", NOTSRCCOPY},
                                                            {"MERGEPAINT", MERGEPAINT},
                                                            {"PATCOPY", PATCOPY},
                                                            {"PATPAINT", PATPAINT},
                                                            {"PATINVERT", PATINVERT},
                                                            {"DSTINVERT", DSTINVERT},
                                                            {"PSDPxax", 0x00E20746},
                                                            {"DSna", 0x00220326}}};
  for (const auto& [name, rop] : rops) {
    cases.push_back({std::string("BitBlt/") + name, 48, 40, [rop](TCanvas* canvas) {
                       HDC dc = canvas->Handle();
                       HBRUSH stripes = CreateSolidBrush(RGB(200, 100, 50));
                       const RECT band{0, 10, 48, 20};
                       FillRect(dc, &band, stripes);
                       DeleteObject(stripes);
                       HBITMAP source = Quarters(dc);
                       HDC memory = CreateCompatibleDC(dc);
                       HGDIOBJ old = SelectObject(memory, source);
                       HBRUSH pattern = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 160));
                       HGDIOBJ oldBrush = SelectObject(dc, pattern);
                       for (int i = 0; i < 6; ++i) BitBlt(dc, 2 + 7 * i, 4 + 5 * (i % 3), 6, 5, memory, 0, 0, rop);
                       SelectObject(dc, oldBrush);
                       DeleteObject(pattern);
                       SelectObject(memory, old);
                       DeleteDC(memory);
                       DeleteObject(source);
                     }});
  }
}

void AddRegions(std::vector<TCatalogueCase>& cases) {
  const auto fill = [](TCanvas* canvas, HRGN region) {
    HBRUSH brush = CreateSolidBrush(kFill);
    FillRgn(canvas->Handle(), region, brush);
    HBRUSH ink = CreateSolidBrush(kInk);
    FrameRgn(canvas->Handle(), region, ink, 1, 1);
    DeleteObject(brush);
    DeleteObject(ink);
    DeleteObject(region);
  };
  for (const auto& [w, h] : std::array<std::pair<int, int>, 5>{{{4, 4}, {9, 9}, {12, 6}, {30, 30}, {50, 50}}}) {
    cases.push_back({"RoundRectRgn/" + std::to_string(w) + "x" + std::to_string(h), 48, 40, [fill, w, h](TCanvas* canvas) {
                       fill(canvas, CreateRoundRectRgn(4, 4, 42, 34, w, h));
                     }});
  }
  cases.push_back({"EllipticRgn", 48, 40, [fill](TCanvas* canvas) { fill(canvas, CreateEllipticRgn(4, 4, 42, 34)); }});
  for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF}) {
    cases.push_back({"CombineRgn/" + std::to_string(mode), 48, 40, [fill, mode](TCanvas* canvas) {
                       HRGN a = CreateRectRgn(4, 4, 30, 30);
                       HRGN b = CreateEllipticRgn(14, 10, 44, 38);
                       HRGN result = CreateRectRgn(0, 0, 0, 0);
                       CombineRgn(result, a, b, mode);
                       DeleteObject(a);
                       DeleteObject(b);
                       fill(canvas, result);
                     }});
  }
}

void AddEdges(std::vector<TCatalogueCase>& cases) {
  const std::array<std::pair<const char*, UINT>, 6> edges{{{"raised", EDGE_RAISED},
                                                           {"sunken", EDGE_SUNKEN},
                                                           {"etched", EDGE_ETCHED},
                                                           {"bump", EDGE_BUMP},
                                                           {"raisedouter", BDR_RAISEDOUTER},
                                                           {"sunkeninner", BDR_SUNKENINNER}}};
  const std::array<std::pair<const char*, UINT>, 9> flags{{{"rect", BF_RECT},
                                                          {"soft", BF_RECT | BF_SOFT},
                                                          {"middle", BF_RECT | BF_MIDDLE},
                                                          {"diagonal", BF_DIAGONAL_ENDTOPLEFT},
                                                          {"diagonal-bottomleft", BF_DIAGONAL_ENDBOTTOMLEFT | BF_MIDDLE},
                                                          {"diagonal-bottomright", BF_DIAGONAL_ENDBOTTOMRIGHT | BF_MIDDLE},
                                                          {"diagonal-topright", BF_DIAGONAL_ENDTOPRIGHT | BF_MIDDLE | BF_SOFT},
                                                          {"diagonal-top", BF_DIAGONAL | BF_TOP | BF_MIDDLE},
                                                          {"diagonal-right", BF_DIAGONAL | BF_RIGHT | BF_MIDDLE}}};
  for (const auto& [edgeName, edge] : edges) {
    for (const auto& [flagName, flag] : flags) {
      cases.push_back({std::string("DrawEdge/") + edgeName + "/" + flagName, 48, 40, [edge, flag](TCanvas* canvas) {
                         RECT rect{4, 4, 40, 32};
                         DrawEdge(canvas->Handle(), &rect, edge, flag);
                       }});
    }
  }
  cases.push_back({"DrawFocusRect", 48, 40, [](TCanvas* canvas) {
                     const RECT rect{3, 3, 42, 33};
                     DrawFocusRect(canvas->Handle(), &rect);
                   }});
}

void AddText(std::vector<TCatalogueCase>& cases) {
  struct Face {
    const char* name;
    int height;
    int weight;
    bool italic;
  };
  const std::array<Face, 4> faces{{{"Arial", -13, FW_NORMAL, false},
                                   {"Arial", -16, FW_BOLD, false},
                                   {"Times New Roman", -14, FW_NORMAL, true},
                                   {"Times New Roman", -18, FW_BOLD, false}}};
  for (const Face& face : faces) {
    for (int angle : {0, 450, 900}) {
      std::string faceName = face.name;
      std::erase(faceName, ' ');  // case names are single words
      cases.push_back({"Text/" + faceName + "/" + std::to_string(-face.height) +
                           (face.weight == FW_BOLD ? "b" : "") + (face.italic ? "i" : "") + "/" + std::to_string(angle),
                       96, 64, [face, angle](TCanvas* canvas) {
                         HDC dc = canvas->Handle();
                         HFONT font = CreateFontA(face.height, 0, angle, angle, face.weight, face.italic, FALSE, FALSE,
                                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                                  DEFAULT_QUALITY, DEFAULT_PITCH, face.name);
                         HGDIOBJ old = SelectObject(dc, font);
                         SetBkMode(dc, TRANSPARENT);
                         SetTextColor(dc, kInk);
                         const char text[] = "Za\xBF\xF3\xB3\xE6 Ag";
                         TextOutA(dc, angle == 0 ? 4 : 30, angle == 0 ? 20 : 58, text, static_cast<int>(sizeof text - 1));
                         SelectObject(dc, old);
                         DeleteObject(font);
                       }});
    }
  }
}

void AddLibraryPainting(std::vector<TCatalogueCase>& cases) {
  for (int style = static_cast<int>(lsNone); style <= static_cast<int>(lsDoubleLowered); ++style) {
    cases.push_back({"StdFrame/" + std::to_string(style), 48, 40, [style](TCanvas* canvas) {
                       RECT rect{4, 4, 42, 34};
                       LMDDrawStdFrame(canvas, rect, static_cast<TLMDBorderStyle>(style), 0);
                     }});
  }
  for (int style = static_cast<int>(bvNone); style <= static_cast<int>(bvShadow); ++style) {
    for (int width : {1, 2}) {
      cases.push_back({"Frame3D/" + std::to_string(style) + "/" + std::to_string(width), 48, 40,
                       [style, width](TCanvas* canvas) {
                         RECT rect{4, 4, 42, 34};
                         LMDDrawFrame3D(canvas, rect, static_cast<TLMDBevelStyle>(style), clBtnHighlight, clBtnShadow,
                                        width);
                       }});
    }
  }
  for (int style = static_cast<int>(gstHorizontal); style <= static_cast<int>(gstTopRightDiagonal); ++style) {
    for (uint8_t count : {8, 64}) {
      for (uint16_t flags : {uint16_t{0}, LMD_GRADIENT_BUFFER}) {
        cases.push_back({"Gradient/" + std::to_string(style) + "/" + std::to_string(count) + "/" + std::to_string(flags),
                         48, 40, [style, count, flags](TCanvas* canvas) {
                           LMDGradientPaint(canvas, RECT{2, 3, 46, 37}, clBlue, clYellow, count,
                                            static_cast<TLMDGradientStyle>(style), flags, 0);
                         }});
      }
    }
  }
  for (int style = static_cast<int>(tdNone); style <= static_cast<int>(tdExtrudeEnh); ++style) {
    for (int angle : {0, 90}) {
      cases.push_back({"Caption/" + std::to_string(style) + "/" + std::to_string(angle), 96, 64,
                       [style, angle](TCanvas* canvas) {
                         TLMDFxCaption effect;
                         effect.SetStyle(static_cast<TLMDThreeDStyle>(style));
                         effect.SetAngle(angle);
                         canvas->Font()->SetName("Arial");
                         canvas->Font()->SetHeight(-16);
                         LMDDrawTextExt(canvas, "TAWO", &effect, RECT{4, 4, 92, 60}, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                                        TLMDDrawTextStyles{dtEnabled}, nullptr);
                       }});
    }
  }
  for (int style = static_cast<int>(ubsAutoDetect); style <= static_cast<int>(ubsIntegrated); ++style) {
    for (TLMDButtonState state : {bsUp, bsDisabledUp, bsMouseOver, bsOptionSet, bsDown}) {
      for (uint16_t options : {LMD_BTNFACE_ROUNDED, uint16_t{LMD_BTNFACE_ROUNDED | LMD_BTNFACE_FOCUSED | LMD_BTNFACE_BEVELLED}}) {
        cases.push_back({"ButtonFace/" + std::to_string(style) + "/" + std::to_string(static_cast<int>(state)) + "/" +
                             std::to_string(options),
                         48, 40, [style, state, options](TCanvas* canvas) {
                           RECT rect{2, 4, 46, 30};
                           LMDDrawBtnFace(canvas, false, rect, static_cast<TLMDUserButtonStyle>(style), state, options,
                                          clBtnFace);
                         }});
      }
    }
  }
}

}  // namespace

std::vector<TCatalogueCase> CatalogueCases() {
  std::vector<TCatalogueCase> cases;
  AddPrimitives(cases);
  AddBlits(cases);
  AddRegions(cases);
  AddEdges(cases);
  AddText(cases);
  AddLibraryPainting(cases);
  return cases;
}
