// Unit Main: TForm1, the installer's one window. Its constructor fixes the source folder (the
// current folder, normally the CD) and the installation folder on C:; the middle button's
// caption carries the installed state from FormShow on.
#pragma once

#include <TForm.h>

class TImage;
class TLMDButton;
class TLMDProgressFill;
class TPanel;
class TStatusBar;

class TForm1 : public TForm {
  TAWO_CLASS(TForm1, TForm)

 public:
  static constexpr int kProgressMaximum = 3290;

  explicit TForm1(TComponent* owner);

  TPanel* Panel1 = nullptr;
  TLMDButton* LMDButton1 = nullptr;
  TLMDButton* LMDButton2 = nullptr;
  TLMDButton* LMDButton3 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TLMDProgressFill* LMDProgressFill1 = nullptr;
  TImage* Image1 = nullptr;

  const AnsiString& CdPath() const { return cdPath; }
  const AnsiString& InstPath() const { return instPath; }

  void FormShow(TObject* sender);
  // Run: the installed program when installed, else the CD's; then the window closes.
  void LMDButton1Click(TObject* sender);
  // Install when the button reads "Instaluj", else remove. While it works, pending messages
  // are processed now and then; clicks on Run or on this button meanwhile do nothing.
  void LMDButton2Click(TObject* sender);
  // Quit.
  void LMDButton3Click(TObject* sender);

 private:
  void ShowInstalled(bool installed);
  // Shows the low-space warning; true when the user chose to go on.
  bool ConfirmLowSpace();
  void SwapStatusBarForProgress();
  void SwapProgressForStatusBar();
  void InstallOrRemove();
  // Tells the user that the installed state could not be recorded in the registry.
  void ReportRecordFailure(const AnsiString& text);

  AnsiString cdPath;
  AnsiString instPath;
  bool commandRunning = false;
};
