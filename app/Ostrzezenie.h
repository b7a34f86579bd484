// Unit Ostrzezenie: TFormOstrzezenie, the warning that drive C: has less than 100 MB free. It
// has no code of its own: "Anuluj" ends it with mrAbort, "OK" with mrOk, the close box with
// mrCancel.
#pragma once

#include <TBitBtn.h>
#include <TForm.h>
#include <TImage.h>
#include <TLabel.h>

class TFormOstrzezenie : public TForm {
  TAWO_CLASS(TFormOstrzezenie, TForm)

 public:
  explicit TFormOstrzezenie(TComponent* owner);

  TBitBtn* BitBtn1 = nullptr;
  TBitBtn* BitBtn2 = nullptr;
  TLabel* Label1 = nullptr;
  TImage* Image1 = nullptr;
};
