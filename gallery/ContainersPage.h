// Unit ContainersPage: the gallery's page of image containers: a bitmap list of the form is
// saved to a container file and read back into a second list, whose pictures the speed
// buttons show as glyphs and the progress fill tiles.
#pragma once

#include <TForm.h>

class TLMDBitmapList;

class TContainersPage : public TForm {
  TAWO_CLASS(TContainersPage, TForm)

 public:
  explicit TContainersPage(TComponent* owner);

  TLMDBitmapList* Pictures = nullptr;
  TLMDBitmapList* FromFile = nullptr;

  // The container file, in the temporary folder.
  static AnsiString FileName();
};
