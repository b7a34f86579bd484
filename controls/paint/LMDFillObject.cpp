#include "LMDFillObject.h"

TAWO_PUBLISHED(TLMDFillObject, published) {
  published.Property("Brush", &TLMDFillObject::Brush, &TLMDFillObject::SetBrush);
  published.Redeclare("Style").Default(sfNone);
}

TLMDFillObject::TLMDFillObject() : FBrush(std::make_unique<TBrush>()) {
  BeginUpdate();
  SetStyle(sfNone);
  EndUpdate(false);
  FBrush->OnChange = TNotifyEvent(this, &TLMDFillObject::GetChange);
}

TLMDFillObject::~TLMDFillObject() {
  FBrush->OnChange = nullptr;
}

void TLMDFillObject::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TLMDFillObject*>(source);
  if (other == nullptr) {
    inherited::Assign(source);
    return;
  }
  BeginUpdate();
  CopyShapeFill(*other);
  FBrush->Assign(other->FBrush.get());
  EndUpdate(true);
}

bool TLMDFillObject::ClipFill(TCanvas* canvas, const RECT& rect, TColor, int) {
  if (IsRectEmpty(&rect)) return false;
  switch (Style()) {
    case sfBrush:
      canvas->Brush()->Assign(FBrush.get());
      break;
    case sfGradient:
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(Gradient()->Color());
      break;
    default:
      return false;
  }
  canvas->FillRect(rect);
  return true;
}
