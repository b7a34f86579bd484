#include "TImage.h"
#include "PublishedGroups.h"

#include "TGraphic.h"

using enum TAlign;
using enum TControlStyleItem;

TAWO_PUBLISHED(TImage, published) {
  published.Property("Align", &TImage::Align, &TImage::SetAlign).Default(alNone);
  published.Property("Anchors", &TImage::Anchors, &TImage::SetAnchors).Default(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
  published.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).Default(false);
  published.Property("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  published.Property("Constraints", &TImage::Constraints, &TImage::SetConstraints);
  published.Property("Enabled", &TImage::Enabled, &TImage::SetEnabled).Default(true);
  published.Property("Hint", &TImage::Hint, &TImage::SetHint);
  published.Property("ParentShowHint", &TImage::ParentShowHint, &TImage::SetParentShowHint).Default(true);
  published.Property("Picture", &TImage::Picture, &TImage::SetPicture);
  published.Property("PopupMenu", &TImage::PopupMenuComponent, &TImage::SetPopupMenuComponent);
  published.Property("ShowHint", &TImage::ShowHint, &TImage::SetShowHint).Default(false);
  published.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
  published.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
  published.Property("Visible", &TImage::Visible, &TImage::SetVisible).Default(true);
  published.Property("OnClick", &TImage::OnClick);
  published.Property("OnDblClick", &TImage::OnDblClick);
  published.Property("OnMouseDown", &TImage::OnMouseDown);
  published.Property("OnMouseMove", &TImage::OnMouseMove);
  published.Property("OnMouseUp", &TImage::OnMouseUp);
  PublishDragging(published);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
  FControlStyle.Include(csReplicatable);
  FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
  SetBounds(Left(), Top(), 105, 105);
}

TImage::~TImage() { FPicture->OnChange.Clear(); }

void TImage::SetTransparent(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  PictureChanged(this);
}

void TImage::SetStretch(bool stretch) {
  if (stretch == FStretch) return;
  FStretch = stretch;
  PictureChanged(this);
}

void TImage::SetCenter(bool center) {
  if (center == FCenter) return;
  FCenter = center;
  PictureChanged(this);
}

void TImage::SetAutoSize(bool autoSize) {
  if (autoSize == FAutoSize) return;
  FAutoSize = autoSize;
  PictureChanged(this);
}

RECT TImage::DestRect() {
  const RECT client = ClientRect();
  int width = FPicture->Width();
  int height = FPicture->Height();
  if (FStretch) {
    width = client.right;
    height = client.bottom;
  }
  RECT rect{0, 0, width, height};
  if (FCenter) OffsetRect(&rect, (client.right - width) / 2, (client.bottom - height) / 2);
  return rect;
}

void TImage::Paint() {
  if (FPicture->Graphic() != nullptr) Canvas()->StretchDraw(DestRect(), FPicture->Graphic());
}

// The control is opaque when the picture covers it with no transparent pixels; then its
// parent need not paint beneath it.
void TImage::PictureChanged(TObject*) {
  if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0) {
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  }
  TGraphic* graphic = FPicture->Graphic();
  bool opaque = false;
  if (graphic != nullptr) {
    // The graphic's change comes back here once, finding the flag already set.
    if (graphic->Transparent() != FTransparent) graphic->SetTransparent(FTransparent);
    opaque = !FTransparent && (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height()));
  }
  if (opaque) FControlStyle.Include(csOpaque);
  else FControlStyle.Exclude(csOpaque);
  Invalidate();
}
