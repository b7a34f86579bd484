// Unit ContainersPage: the gallery's page of image containers. The bitmap list of the form is
// saved to a container file and read back into a second list, whose pictures the first row of
// speed buttons shows as glyphs and the progress fill tiles; the same pictures, masked in one
// image strip, go through a file of their own into the image list of the second row.
#pragma once

#include <TForm.h>

class TLMDBitmapList;
class TLMDImageList;

class TContainersPage : public TForm {
  TAWO_CLASS(TContainersPage, TForm)

 public:
  explicit TContainersPage(TComponent* owner);

  TLMDBitmapList* Pictures = nullptr;
  TLMDBitmapList* FromFile = nullptr;
  TLMDImageList* Strips = nullptr;
  TLMDImageList* StripsFromFile = nullptr;

  // The container files, TAWOGAL.<extension> in the temporary folder.
  static AnsiString FileName(const char* extension);

 private:
  void FillStrip();
};
