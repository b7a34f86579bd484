// Unit LMDCustomMMButton: TLMDCustomMMButton, the picture button. Its face is one picture per
// state from an image list, drawn off screen and put on the screen at once; parts in the
// picture's transparent colour may let the parent show through and take no clicks. Glyph and
// caption are painted over the picture.
#pragma once

#include "LMDBaseGraphicButton.h"

#include <LMDImageLink.h>

#include <array>
#include <cstdint>

// How the picture is placed in the button: its own size at the top-left, the button sized to
// the picture, centred, stretched, tiled, or stretched keeping its proportions or one side.
TAWO_ENUM(TLMDBitmapStyle, sbNone, sbAutosize, sbCenter, sbStretch, sbTile, sbKeepAspRatio, sbKeepWidth,
          sbKeepHeight)

// Which picture of the face list a state shows.
struct TLMDButtonFaceIndex {
  int32_t ListIndex = 0;
  int32_t ImageIndex = 0;
  bool operator==(const TLMDButtonFaceIndex&) const = default;
};
inline TLMDButtonFaceIndex LMDFaceIndex(int32_t listIndex, int32_t imageIndex) { return {listIndex, imageIndex}; }
using TLMDButtonFaceIndices = std::array<TLMDButtonFaceIndex, 8>;

class TLMDCustomMMButton : public TLMDBaseGraphicButton {
  TAWO_CLASS(TLMDCustomMMButton, TLMDBaseGraphicButton)

 public:
  explicit TLMDCustomMMButton(TComponent* owner);

  TLMDCustomImageList* ButtonFaceImageList() const { return FFaceLink.ImageList(); }
  // Links the list of state pictures; assigned outside loading, it also takes the hit-test
  // colour from the first state's picture (SetTransCol).
  void SetButtonFaceImageList(TLMDCustomImageList* value);
  TLMDButtonFaceIndex GetButtonFaceIndex(TLMDButtonState state) const;
  void SetButtonFaceIndex(TLMDButtonState state, TLMDButtonFaceIndex index);
  const TLMDButtonFaceIndices& GetButtonFaceIndices() const { return FFaces; }
  void SetButtonFaceIndices(const TLMDButtonFaceIndices& indices);
  // Shift of glyph and caption while pressed.
  int32_t CaptionDown() const { return FCaptionDown; }
  void SetCaptionDown(int32_t value) { FCaptionDown = value; }
  bool ForceTransparent() const { return FForceTransparent; }
  void SetForceTransparent(bool value);
  bool QuickDraw() const { return FQuickDraw; }
  void SetQuickDraw(bool value);
  TLMDBitmapStyle ButtonFaceStyle() const { return FButtonFaceStyle; }
  void SetButtonFaceStyle(TLMDBitmapStyle value);
  // The colour that counts as see-through in hit tests.
  TColor FaceTransparentColor() const { return FFaceTransparentColor; }
  void SetFaceTransparentColor(TColor value) { FFaceTransparentColor = value; }
  // Takes the hit-test colour from the list's transparent colour of the first state's picture.
  void SetTransCol();
  // Where the last paint put the picture.
  RECT PaintedFaceRect() const { return FFaceRect; }

  bool GetEmpty() const override { return ButtonFaceImageList() == nullptr; }
  HPALETTE GetPalette() override;
  // Only the picture's pixels that are not of the hit-test colour belong to the button.
  bool VerifyTransparency(int x, int y) override;

 protected:
  void Paint() override;
  bool HotFaceDiffers() const override { return true; }
  void DefineProperties(TFiler& filer) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // The picture the current state shows: its own, or the up or down picture in its place;
  // false when there is none.
  bool FacePicture(TLMDButtonFaceIndex& picture);
  uint16_t DrawMode() const;
  void FaceListChanged(TObject* sender);
  // (list, image) pairs, or all list indices and then all image indices, of the first states.
  void ReadIndices(TStream& stream, bool pairs, int states);
  TLMDButtonFaceIndex& Face(int state) { return FFaces[static_cast<size_t>(state)]; }
  void ReadIndicesNew2(TStream& stream);
  void WriteIndicesNew2(TStream& stream);

  TLMDImageLink FFaceLink;
  TLMDButtonFaceIndices FFaces{};
  int32_t FCaptionDown = 1;
  TColor FFaceTransparentColor = clWhite;
  bool FForceTransparent = true;
  bool FQuickDraw = false;
  TLMDBitmapStyle FButtonFaceStyle = TLMDBitmapStyle::sbNone;
  RECT FFaceRect{};
};
