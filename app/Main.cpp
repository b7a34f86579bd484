#include "Main.h"

#include <LMDButton.h>
#include <LMDProgressFill.h>
#include <TApplication.h>
#include <THintAction.h>
#include <TImage.h>
#include <TPanel.h>
#include <TStatusBar.h>
#include <shellapi.h>

#include "FormTexts.h"
#include "Installation.h"
#include "InstallationRecord.h"
#include "Ostrzezenie.h"
#include "WindowProgress.h"

TAWO_PUBLISHED(TForm1, published) {
  published.Field("Panel1", &TForm1::Panel1);
  published.Field("LMDButton1", &TForm1::LMDButton1);
  published.Field("LMDButton2", &TForm1::LMDButton2);
  published.Field("LMDButton3", &TForm1::LMDButton3);
  published.Field("StatusBar1", &TForm1::StatusBar1);
  published.Field("LMDProgressFill1", &TForm1::LMDProgressFill1);
  published.Field("Image1", &TForm1::Image1);
  published.Method("FormShow", &TForm1::FormShow);
  published.Method("LMDButton1Click", &TForm1::LMDButton1Click);
  published.Method("LMDButton2Click", &TForm1::LMDButton2Click);
  published.Method("LMDButton3Click", &TForm1::LMDButton3Click);
}

namespace {

const bool registered = RegisterFormResource("TFORM1", kMainFormText);

const char* const kInstall = "Instaluj";

// The status bar shows hints through the hint action, whose unit installs itself when the
// program holds it.
const TClass kHintAction = THintAction::ClassInfo();

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  InitComponentRes(this);
  LMDProgressFill1->SetMaxValue(kProgressMaximum);
  cdPath = Installation::SourceFolder();
  instPath = Installation::InstallationFolder();
}

void TForm1::FormShow(TObject*) {
  LMDButton1->SetFocus();
  ShowInstalled(InstallationRecord::Test());
}

void TForm1::ShowInstalled(bool installed) {
  if (installed) {
    LMDButton2->SetCaption("Usuń"_a);
    LMDButton2->SetHint("Usuwa bieżącą instalację z dysku..."_a);
    LMDButton1->SetHint("Uruchamia program z dysku...");
  } else {
    LMDButton2->SetCaption(kInstall);
    LMDButton2->SetHint("Pozwala na szybsze uruchamianie...");
    LMDButton1->SetHint("Uruchamia program z płyty CD..."_a);
  }
}

void TForm1::LMDButton1Click(TObject*) {
  if (commandRunning) return;
  const char* folder = InstallationRecord::Test() ? instPath.c_str() : nullptr;
  ShellExecuteA(Handle(), "open", Installation::kProgramInstalled, nullptr, folder, SW_SHOWDEFAULT);
  Close();
}

void TForm1::LMDButton3Click(TObject*) {
  Close();
}

void TForm1::LMDButton2Click(TObject*) {
  if (commandRunning) return;
  commandRunning = true;
  struct Ended {
    bool& running;
    ~Ended() { running = false; }
  } ended{commandRunning};
  InstallOrRemove();
}

void TForm1::InstallOrRemove() {
  LMDProgressFill1->SetUserValue(0);
  SwapStatusBarForProgress();
  const AnsiString shortcut = Installation::ShortcutPath();
  WindowProgress progress(*LMDProgressFill1);
  Installation installation(cdPath, instPath, progress);
  if (LMDButton2->Caption() == kInstall) {
    if (Installation::IsShortOfSpace() && !ConfirmLowSpace()) {
      SwapProgressForStatusBar();
      return;
    }
    const bool recorded = installation.Install(shortcut);
    ShowInstalled(true);
    if (!recorded) {
      ReportRecordFailure("Nie udało się zapisać informacji o instalacji w rejestrze.\r\n"
                          "Pliki programu zostały skopiowane."_a);
    }
  } else {
    ShowInstalled(false);
    if (!installation.Remove(shortcut)) {
      ReportRecordFailure("Nie udało się usunąć informacji o instalacji z rejestru.\r\n"
                          "Pliki programu zostały usunięte."_a);
    }
  }
  LMDProgressFill1->Hide();
  Application->ProcessMessages();
  StatusBar1->Show();
  StatusBar1->SetSimpleText("Zakończono instalację..."_a);
  Application->ProcessMessages();
  LMDButton1->SetFocus();
}

void TForm1::ReportRecordFailure(const AnsiString& text) {
  Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
}

bool TForm1::ConfirmLowSpace() {
  auto* warning = new TFormOstrzezenie(Application);
  return warning->ShowModal() == mrOk;
}

void TForm1::SwapStatusBarForProgress() {
  StatusBar1->Hide();
  LMDProgressFill1->Show();
}

void TForm1::SwapProgressForStatusBar() {
  LMDProgressFill1->Hide();
  StatusBar1->Show();
}
