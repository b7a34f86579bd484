// Unit MetersPage: the gallery's page of meters: progress fills in the four directions, with
// the percentage, a caption or no text, over their own range; a pool timer moves them all.
#pragma once

#include <LMDPoolTimer.h>
#include <TForm.h>

class TMetersPage : public TForm {
  TAWO_CLASS(TMetersPage, TForm)

 public:
  explicit TMetersPage(TComponent* owner);

  // Every fill moves on by a twentieth of its range, from the end back to the start.
  void Advance(TObject* sender);

  static constexpr uint16_t kInterval = 100;

 private:
  TLMDPoolTimer timer;
};
