// The installer program: the application with its main window and message loop. It takes no
// arguments; its current folder is the CD.
#include <Forms.h>
#include <TApplication.h>
#include <windows.h>

#include "Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application->Initialize();
    Application->SetTitle("Instalator TAWO");
    TForm1* form1 = nullptr;
    Application->CreateForm(form1);
    Application->Run();
  } catch (const Exception& error) {
    Application->ShowException(error);
  } catch (...) {
    Application->ShowException(Exception(""));
  }
  return 0;
}

int main() {
  return WinMain(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWDEFAULT);
}
