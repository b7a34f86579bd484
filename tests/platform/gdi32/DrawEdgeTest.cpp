#include "GdiTestSupport.h"

#include <map>

namespace {

// Classic colours by the letter a picture uses for them.
const std::map<char, COLORREF> kColors = {
    {'W', RGB(255, 255, 255)},  // BTNHIGHLIGHT
    {'L', RGB(212, 208, 200)},  // 3DLIGHT = BTNFACE
    {'S', RGB(128, 128, 128)},  // BTNSHADOW
    {'D', RGB(64, 64, 64)},     // 3DDKSHADOW
    {'K', RGB(0, 0, 0)},        // WINDOWFRAME
    {'.', RGB(1, 2, 3)},        // untouched background
};

std::string Letters(const Canvas32& canvas) {
  std::string out;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      char letter = '?';
      for (const auto& [c, color] : kColors) {
        if (canvas.At(x, y) == color) letter = c;
      }
      out += letter;
    }
    out += '\n';
  }
  return out;
}

std::string Edge(UINT edge, UINT flags, int w = 7, int h = 5) {
  Canvas32 canvas(w, h, RGB(1, 2, 3));
  RECT r{0, 0, w, h};
  DrawEdge(canvas.dc(), &r, edge, flags);
  return Letters(canvas);
}

TEST(DrawEdge, RaisedAndSunkenRingsOwnTheirCorners) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT),
            "LLLLLLD\n"
            "LWWWWSD\n"
            "LW...SD\n"
            "LSSSSSD\n"
            "DDDDDDD\n");
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT),
            "SSSSSSW\n"
            "SDDDDLW\n"
            "SD...LW\n"
            "SLLLLLW\n"
            "WWWWWWW\n");
}

TEST(DrawEdge, SoftChangesOnlyTheTopLeftColours) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT | BF_SOFT),
            "WWWWWWD\n"
            "WLLLLSD\n"
            "WL...SD\n"
            "WSSSSSD\n"
            "DDDDDDD\n");
  EXPECT_EQ(Edge(EDGE_ETCHED, BF_RECT),
            "SSSSSSW\n"
            "SWWWWSW\n"
            "SW...SW\n"
            "SSSSSSW\n"
            "WWWWWWW\n");
  EXPECT_EQ(Edge(EDGE_BUMP, BF_RECT | BF_SOFT),
            "WWWWWWD\n"
            "WSSSSLD\n"
            "WS...LD\n"
            "WLLLLLD\n"
            "DDDDDDD\n");
}

TEST(DrawEdge, PartialSidesShortenOnlyTheInnerRing) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_LEFT | BF_TOP),
            "LLLLLLL\n"
            "LWWWWWW\n"
            "LW.....\n"
            "LW.....\n"
            "LW.....\n");
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RIGHT | BF_BOTTOM),
            ".....SD\n"
            ".....SD\n"
            ".....SD\n"
            "SSSSSSD\n"
            "DDDDDDD\n");
}

TEST(DrawEdge, InnerBitsAloneDrawOneRingAtTheOuterPosition) {
  EXPECT_EQ(Edge(BDR_RAISEDINNER, BF_RECT),
            "WWWWWWS\n"
            "W.....S\n"
            "W.....S\n"
            "W.....S\n"
            "SSSSSSS\n");
  EXPECT_EQ(Edge(BDR_SUNKENOUTER, BF_RECT),
            "SSSSSSW\n"
            "S.....W\n"
            "S.....W\n"
            "S.....W\n"
            "WWWWWWW\n");
}

TEST(DrawEdge, MonoAndFlatUseOneColourPerRing) {
  EXPECT_EQ(Edge(EDGE_RAISED, BF_RECT | BF_FLAT),
            "SSSSSSS\n"
            "SLLLLLS\n"
            "SL...LS\n"
            "SLLLLLS\n"
            "SSSSSSS\n");
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_RECT | BF_MONO | BF_FLAT),
            "KKKKKKK\n"
            "KWWWWWK\n"
            "KW...WK\n"
            "KWWWWWK\n"
            "KKKKKKK\n");
}

TEST(DrawEdge, MiddleAndAdjustUseTheRingCountOnPresentSides) {
  Canvas32 canvas(7, 5, RGB(1, 2, 3));
  RECT r{0, 0, 7, 5};
  EXPECT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_RAISED, BF_LEFT | BF_TOP | BF_MIDDLE | BF_ADJUST));
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 7);
  EXPECT_EQ(r.bottom, 5);
  EXPECT_EQ(canvas.At(6, 4), RGB(212, 208, 200));  // middle filled with BTNFACE

  RECT single{0, 0, 7, 5};
  DrawEdge(canvas.dc(), &single, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  EXPECT_EQ(single.left, 1);
  EXPECT_EQ(single.bottom, 4);
}

TEST(DrawEdge, ContradictoryBitsReturnFalseWithoutMiddleButStillAdjust) {
  Canvas32 canvas(7, 5, RGB(1, 2, 3));
  RECT r{0, 0, 7, 5};
  EXPECT_FALSE(DrawEdge(canvas.dc(), &r, BDR_RAISEDOUTER | BDR_SUNKENOUTER | BDR_RAISEDINNER,
                        BF_RECT | BF_MIDDLE | BF_ADJUST));
  EXPECT_EQ(r.left, 2);  // one outer and one inner bit: two rings' worth
  EXPECT_EQ(canvas.At(3, 2), RGB(1, 2, 3));  // no middle
  EXPECT_EQ(canvas.At(1, 1), RGB(255, 255, 255));  // the valid inner ring is drawn at the inner position
}

TEST(DrawEdge, DiagonalsCrossTheLargestSquareAtTheNamedCorner) {
  EXPECT_EQ(Edge(EDGE_SUNKEN, BF_DIAGONAL_ENDTOPLEFT),
            "SD.....\n"
            ".SD....\n"
            "..SD...\n"
            "...SD..\n"
            "....S..\n");
  EXPECT_EQ(Edge(EDGE_RAISED, BF_DIAGONAL_ENDBOTTOMLEFT | BF_MIDDLE),  // bottom: the dark colours
            "LLLSD..\n"
            "LLSD...\n"
            "LSD....\n"
            "SD.....\n"
            "D......\n");
  RECT r{0, 0, 7, 5};
  Canvas32 canvas(7, 5);
  EXPECT_TRUE(DrawEdge(canvas.dc(), &r, EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT | BF_ADJUST));
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 5);
}

TEST(DrawFrameControl, PushButtonIsASoftRaisedEdgeAndSunkenWhenPushed) {
  Canvas32 canvas(7, 5, RGB(1, 2, 3));
  RECT r{0, 0, 7, 5};
  EXPECT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH));
  EXPECT_EQ(Letters(canvas),
            "WWWWWWD\n"
            "WLLLLSD\n"
            "WLLLLSD\n"
            "WSSSSSD\n"
            "DDDDDDD\n");
  DrawFrameControl(canvas.dc(), &r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
  EXPECT_EQ(canvas.At(0, 0), RGB(64, 64, 64));
  EXPECT_EQ(canvas.At(6, 4), RGB(255, 255, 255));
}

TEST(DrawFrameControl, CloseGlyphIsASymmetricCrossOnTheFace) {
  Canvas32 canvas(16, 14, RGB(1, 2, 3));
  RECT r{0, 0, 16, 14};
  EXPECT_TRUE(DrawFrameControl(canvas.dc(), &r, DFC_CAPTION, DFCS_CAPTIONCLOSE));
  const std::string picture = canvas.Picture(RGB(0, 0, 0));
  EXPECT_EQ(picture,
            "................\n"
            "................\n"
            "................\n"
            "....##....##....\n"
            ".....##..##.....\n"
            "......####......\n"
            ".......##.......\n"
            "......####......\n"
            ".....##..##.....\n"
            "....##....##....\n"
            "................\n"
            "................\n"
            "................\n"
            "................\n");
}

}  // namespace
