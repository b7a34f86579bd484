// Unit WindowedPage: the gallery's page of windowed buttons: each style, the default and a
// disabled button, drop-down menus below and beside a button, a button that repeats its click
// while held (the clicks are counted) and a two-line caption with a 3D effect.
#pragma once

#include <TForm.h>

class TLabel;

class TWindowedPage : public TForm {
  TAWO_CLASS(TWindowedPage, TForm)

 public:
  explicit TWindowedPage(TComponent* owner);

  TLabel* Count = nullptr;

  int Clicks() const { return clicks; }
  void RepeatClick(TObject* sender);

 private:
  int clicks = 0;
};
