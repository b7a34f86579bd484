// formview: opens a form description, text or binary, in a real window with the framework's
// and the control library's classes; with --png it draws the form without a screen into a
// picture instead. --to-text and --to-binary convert a description between its two forms.
// What cannot be read is reported on the standard error, one line each, and the exit status
// is 1; the rest of the form is still shown.
#include <TApplication.h>
#include <TForm.h>
#include <winport.h>

#include "FormConversion.h"
#include "FormViewer.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: formview FILE\n"
    "       formview --png PICTURE FILE\n"
    "       formview --to-text IN OUT\n"
    "       formview --to-binary IN OUT\n";

AnsiString ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + path + "\"");
  return AnsiString(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const AnsiString& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw EFCreateError("Cannot create file \"" + path + "\"");
}

int Convert(const std::string& option, const std::string& in, const std::string& out) {
  const AnsiString description = ReadFile(in);
  WriteFile(out, option == "--to-text" ? FormToText(description) : FormToBinary(description));
  return 0;
}

int View(const std::string& path, const char* picture) {
  if (picture != nullptr) setenv("WINDISPLAY", "headless", 1);
  const AnsiString description = ReadFile(path);
  Application->Initialize();
  Application->SetTitle("formview");
  TForm* form = nullptr;
  Application->CreateForm(form);
  TFormViewer viewer(path);
  viewer.Open(description, *form);
  for (const AnsiString& problem : viewer.Problems()) std::fprintf(stderr, "%s\n", problem.c_str());
  const int status = viewer.Problems().empty() ? 0 : 1;
  if (picture == nullptr) {
    Application->Run();
    return status;
  }
  form->Show();
  WinportDispatchPending();
  if (WinportWindowScreenshot(form->Handle(), picture)) return status;
  std::fprintf(stderr, "formview: cannot write %s\n", picture);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc > 1 ? argv[1] : "";
  const bool convert = argc == 4 && (option == "--to-text" || option == "--to-binary");
  const bool picture = argc == 4 && option == "--png";
  if (!convert && !picture && !(argc == 2 && option.rfind("--", 0) != 0)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    if (convert) return Convert(option, argv[2], argv[3]);
    return picture ? View(argv[3], argv[2]) : View(argv[1], nullptr);
  } catch (const Exception& error) {
    std::fprintf(stderr, "formview: %s\n", error.Message().c_str());
    return 1;
  }
}
