#include "Ostrzezenie.h"

#include "FormTexts.h"

TAWO_PUBLISHED(TFormOstrzezenie, published) {
  published.Field("BitBtn1", &TFormOstrzezenie::BitBtn1);
  published.Field("BitBtn2", &TFormOstrzezenie::BitBtn2);
  published.Field("Label1", &TFormOstrzezenie::Label1);
  published.Field("Image1", &TFormOstrzezenie::Image1);
}

namespace {

const bool registered = RegisterFormResource("TFORMOSTRZEZENIE", kOstrzezenieFormText);

}  // namespace

TFormOstrzezenie::TFormOstrzezenie(TComponent* owner) : TForm(owner) {
  InitComponentRes(this);
}
