// The installer's window in-process on the headless display, against a temporary prefix and a
// small generated CD in C:\CD\: the start state, install and removal by clicks, the copy-failure
// message box, Run and Quit.
#include <LMDButton.h>
#include <LMDProgressFill.h>
#include <TApplication.h>
#include <TPanel.h>
#include <TScreen.h>
#include <TRegistry.h>
#include <TStatusBar.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "../framework/ControlTestSupport.h"
#include "Installation.h"
#include "InstallationRecord.h"
#include "InstallerFixture.h"
#include "Main.h"
#include "Ostrzezenie.h"

namespace {

class MainFormTest : public InstallerFixture {
 protected:
  void SetUp() override {
    InstallerFixture::SetUp();
    PrepareDriveC();
    MakeCd(MakeProgram());
    ASSERT_EQ(chdir(DriveC("CD").c_str()), 0);
    WinportUseVirtualClock(TRUE);
    saved_ = Application;
    Application = new TApplication(nullptr);
  }

  void TearDown() override {
    delete Application;
    Application = saved_;
    WinportDispatchPending();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    WinportUseVirtualClock(FALSE);
    InstallerFixture::TearDown();
  }

  virtual void PrepareDriveC() {}

  // A host program standing in for the product: it notes the folder it was started in. The note
  // appears whole (written aside, then renamed), so a reader never sees it empty.
  AnsiString MakeProgram() {
    std::filesystem::create_directories(DriveC("Tools"));
    Write(DriveC("Tools/product.sh"), "#!/bin/sh\npwd > \"$HOME_NOTE.part\" && mv \"$HOME_NOTE.part\" \"$HOME_NOTE\"\n");
    chmod(DriveC("Tools/product.sh").c_str(), 0755);
    setenv("HOME_NOTE", (root_ + "/started-in.txt").c_str(), 1);
    return "C:\\Tools\\product.sh";
  }

  // The application's main form, as the program makes it.
  TForm1* ShowMainForm() {
    TForm1* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    WinportDispatchPending();
    return form;
  }

  static void Click(TControl* control) {
    const POINT centre = control->ClientToScreen(POINT{control->Width() / 2, control->Height() / 2});
    WinportMouseClick(WINPORT_BUTTON_LEFT, centre.x, centre.y);
    WinportDispatchPending();
  }

  static void Shot(const char* name) {
    std::filesystem::create_directories(TAWO_TEST_OUTPUT_DIR);
    WinportScreenshot((std::string(TAWO_TEST_OUTPUT_DIR) + "/" + name).c_str());
  }

  // The folder the stand-in program wrote down, waiting for the detached process.
  std::string StartedIn() const {
    const std::string note = root_ + "/started-in.txt";
    for (int i = 0; i < 100 && !std::filesystem::exists(note); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::string folder = Read(note);
    while (!folder.empty() && folder.back() == '\n') folder.pop_back();
    return folder;
  }

  // Closing the main form ends the program: the quit message waits in the queue, or the
  // application already took it.
  static bool QuitRequested() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE || Application->Terminated();
  }

  std::set<std::string> ExpectedInstalledFiles() {
    std::set<std::string> files = FilesBelow(DriveC("CD"));
    files.erase("tawo.exe");
    files.insert("TAWO.exe");
    return files;
  }

 private:
  TApplication* saved_ = nullptr;
};

TEST_F(MainFormTest, OpensCentredBorderlessWithTheFoldersFixedAndInstalujWithoutARecord) {
  TForm1* form = ShowMainForm();
  EXPECT_EQ(form->CdPath(), "C:\\CD\\");
  EXPECT_EQ(form->InstPath(), "C:\\Progra~1\\TAWO\\");
  RECT window;
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(window.right - window.left, 225);
  EXPECT_EQ(window.bottom - window.top, 285);
  EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - 225) / 2);
  EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - 285) / 2);
  ASSERT_NE(form->Panel1, nullptr);
  EXPECT_EQ(form->LMDButton1->Parent(), form->Panel1);
  EXPECT_EQ(form->LMDButton2->Caption(), "Instaluj");
  EXPECT_EQ(form->LMDButton2->Hint(), "Pozwala na szybsze uruchamianie...");
  EXPECT_EQ(form->LMDButton1->Hint(), "Uruchamia program z płyty CD..."_a);
  EXPECT_EQ(form->LMDButton3->Caption(), "Zakończ"_a);
  EXPECT_FALSE(form->LMDProgressFill1->Visible());
  EXPECT_EQ(form->LMDProgressFill1->MaxValue(), 3290);
  Shot("installer-start.png");
}

TEST_F(MainFormTest, AHandMadeEmptyRecordKeyOpensWithUsun) {
  TRegistry registry;
  ASSERT_TRUE(registry.CreateKey("\\SOFTWARE\\Welgato\\TAWO"));
  TForm1* form = ShowMainForm();
  EXPECT_EQ(form->LMDButton2->Caption(), "Usuń"_a);
  EXPECT_EQ(form->LMDButton2->Hint(), "Usuwa bieżącą instalację z dysku..."_a);
  EXPECT_EQ(form->LMDButton1->Hint(), "Uruchamia program z dysku...");
}

TEST_F(MainFormTest, HoveringAButtonShowsItsHintInTheStatusBar) {
  TForm1* form = ShowMainForm();
  const POINT over = form->LMDButton3->ClientToScreen(POINT{10, 10});
  WinportMouseMove(over.x, over.y);
  WinportDispatchPending();
  // The application's idle moment after the mouse moved; then a note wakes its wait.
  IdleScript wake([&] { return PostMessageA(form->Handle(), WM_NULL, 0, 0) != FALSE; });
  Application->HandleMessage();
  EXPECT_EQ(form->StatusBar1->SimpleText(), "Kończy działanie programu..."_a);
  WinportDispatchPending();
  Shot("installer-hint.png");
}

TEST_F(MainFormTest, InstallByClickCopiesEverythingAndRemoveByClickTakesItAway) {
  TForm1* form = ShowMainForm();
  // A timer due at once fires at the first moment the command lets messages through.
  Click(form->LMDButton2);

  EXPECT_EQ(FilesBelow(DriveC("Program Files/TAWO")), ExpectedInstalledFiles());
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_TRUE(FileExists(Installation::ShortcutPath()));
  EXPECT_EQ(form->LMDButton2->Caption(), "Usuń"_a);
  EXPECT_EQ(form->LMDButton1->Hint(), "Uruchamia program z dysku...");
  EXPECT_EQ(form->StatusBar1->SimpleText(), "Zakończono instalację..."_a);
  EXPECT_TRUE(form->StatusBar1->Visible());
  EXPECT_FALSE(form->LMDProgressFill1->Visible());
  Shot("installer-installed.png");

  Click(form->LMDButton2);

  EXPECT_FALSE(std::filesystem::exists(DriveC("Program Files/TAWO")));
  EXPECT_FALSE(InstallationRecord::Test());
  EXPECT_FALSE(FileExists(Installation::ShortcutPath()));
  TRegistry registry;
  EXPECT_TRUE(registry.OpenKey(InstallationRecord::kParentKey, false));
  EXPECT_EQ(form->LMDButton2->Caption(), "Instaluj");
  EXPECT_EQ(form->StatusBar1->SimpleText(), "Zakończono instalację..."_a);
}

TEST_F(MainFormTest, AReadOnlyFileInTheWayShowsTheErrorBoxAndTheInstallGoesOn) {
  ForceDirectories("C:\\Progra~1\\TAWO\\DB");
  TSearchRec first;
  ASSERT_EQ(FindFirst("C:\\CD\\DB\\*.*", faAnyFile & ~faDirectory, first), 0);
  FindClose(first);
  ASSERT_TRUE(CreateWithContent(("C:\\Progra~1\\TAWO\\DB\\" + first.Name).c_str(), "old"));
  ASSERT_EQ(FileSetAttr("C:\\Progra~1\\TAWO\\DB\\" + first.Name, faReadOnly), 0);
  TForm1* form = ShowMainForm();
  int boxes = 0;
  IdleScript closeBoxes([&] {
    char caption[32] = {};
    HWND active = GetActiveWindow();
    if (active && GetWindowTextA(active, caption, sizeof caption) && std::string(caption) == "ERROR") {
      ++boxes;
      Shot("installer-error.png");
      WinportKeyPress(VK_RETURN);
    }
    return false;
  });

  Click(form->LMDButton2);

  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_TRUE(DirectoryExists("C:\\Progra~1\\TAWO\\Foto"));
  EXPECT_EQ(form->LMDButton2->Caption(), "Usuń"_a);
}

// The keyboard alone: Uruchom has the focus right after start, Tab walks the buttons in their
// described tab order (Zakończ 0, Instaluj 1, Uruchom 2), Shift+Tab walks back.
TEST_F(MainFormTest, UruchomHasTheFocusAtStartAndTabFollowsTheDescribedOrder) {
  TForm1* form = ShowMainForm();
  EXPECT_EQ(form->ActiveControl(), form->LMDButton1);
  EXPECT_EQ(GetFocus(), form->LMDButton1->Handle());
  EXPECT_EQ(form->LMDButton1->TabOrder(), 2);
  EXPECT_EQ(form->LMDButton2->TabOrder(), 1);
  EXPECT_EQ(form->LMDButton3->TabOrder(), 0);
  const struct {
    bool shift;
    TLMDButton* focused;
  } steps[] = {{false, form->LMDButton3}, {false, form->LMDButton2}, {false, form->LMDButton1},
               {true, form->LMDButton2},  {true, form->LMDButton3}};
  for (const auto& step : steps) {
    if (step.shift) WinportKeyDown(VK_SHIFT);
    WinportKeyPress(VK_TAB);
    if (step.shift) WinportKeyUp(VK_SHIFT);
    Application->ProcessMessages();
    EXPECT_EQ(GetFocus(), step.focused->Handle()) << step.focused->Name();
  }
}

TEST_F(MainFormTest, SpaceOrEnterRightAfterStartPressesUruchom) {
  for (const UINT key : {VK_SPACE, VK_RETURN}) {
    TForm1* form = ShowMainForm();
    WinportKeyPress(key);
    Application->ProcessMessages();
    EXPECT_TRUE(QuitRequested()) << key;
    EXPECT_EQ(StartedIn(), DriveC("CD"));
    std::filesystem::remove(root_ + "/started-in.txt");
    delete form;
    delete Application;
    Application = new TApplication(nullptr);
  }
}

TEST_F(MainFormTest, TheKeyboardAloneInstallsAndQuits) {
  TForm1* form = ShowMainForm();
  for (const UINT key : {VK_TAB, VK_TAB, VK_SPACE}) WinportKeyPress(key);
  Application->ProcessMessages();
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_EQ(GetFocus(), form->LMDButton1->Handle());
  for (const UINT key : {VK_TAB, VK_RETURN}) WinportKeyPress(key);
  Application->ProcessMessages();
  EXPECT_TRUE(QuitRequested());
}

// Clicks that arrive while the install works (they wait in the queue until the copy lets
// messages through): a second click on "Instaluj" and a click on "Uruchom" do nothing, "Zakończ"
// ends the program once the install has ended. The first case installs without a second click.
TEST_F(MainFormTest, ClicksWhileTheInstallWorksDoNotStartAnotherCommand) {
  const struct {
    TLMDButton* TForm1::*button;
    bool quits;
  } cases[] = {{nullptr, false}, {&TForm1::LMDButton2, false}, {&TForm1::LMDButton1, false}, {&TForm1::LMDButton3, true}};
  int plainInstallCount = -1;
  for (const auto& clicked : cases) {
    TForm1* form = ShowMainForm();
    std::vector<TControl*> buttons{form->LMDButton2};
    if (clicked.button) buttons.push_back(form->*clicked.button);
    for (TControl* button : buttons) {
      const POINT centre = button->ClientToScreen(POINT{button->Width() / 2, button->Height() / 2});
      WinportMouseClick(WINPORT_BUTTON_LEFT, centre.x, centre.y);
    }
    WinportDispatchPending();
    const std::string during = buttons.back()->Name();
    if (plainInstallCount < 0) plainInstallCount = form->LMDProgressFill1->UserValue();
    EXPECT_EQ(form->LMDProgressFill1->UserValue(), plainInstallCount) << during;
    EXPECT_EQ(form->LMDButton2->Caption(), "Usuń"_a) << during;
    EXPECT_EQ(QuitRequested(), clicked.quits) << during;
    EXPECT_FALSE(std::filesystem::exists(root_ + "/started-in.txt")) << during;
    delete form;
    delete Application;
    Application = new TApplication(nullptr);
    WinportDispatchPending();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    InstallationRecord::Delete();
    std::filesystem::remove_all(DriveC("Program Files/TAWO"));
  }
  EXPECT_GT(plainInstallCount, 100);
}

// A damaged hive: the files are installed, the user is told that the record is missing, and the
// hive file is left as it was.
TEST_F(MainFormTest, ARecordThatCannotBeWrittenIsReportedAndTheDamagedHiveKept) {
  const std::string hive = root_ + "/user.reg";
  const std::string damaged = "REGEDIT4\n[Software\\Broken\n\"x\"=dword:zz\n";
  Write(hive, damaged);
  TForm1* form = ShowMainForm();
  std::vector<std::string> captions;
  IdleScript closeBoxes([&] {
    char caption[64] = {};
    HWND active = GetActiveWindow();
    if (active && active != form->Handle() && GetWindowTextA(active, caption, sizeof caption)) {
      captions.push_back(caption);
      WinportKeyPress(VK_RETURN);
    }
    return false;
  });
  Click(form->LMDButton2);
  EXPECT_EQ(captions, std::vector<std::string>{Application->Title()});
  EXPECT_TRUE(FileExists(Installation::ShortcutPath()));
  EXPECT_EQ(Read(hive), damaged);
  EXPECT_EQ(form->StatusBar1->SimpleText(), "Zakończono instalację..."_a);
}

TEST_F(MainFormTest, RunStartsTheCdProgramInTheCdFolderAndCloses) {
  TForm1* form = ShowMainForm();
  Click(form->LMDButton1);
  EXPECT_EQ(StartedIn(), DriveC("CD"));
  EXPECT_TRUE(QuitRequested());
}

TEST_F(MainFormTest, RunStartsTheInstalledProgramInTheInstallationFolder) {
  TForm1* form = ShowMainForm();
  Click(form->LMDButton2);
  Click(form->LMDButton1);
  EXPECT_EQ(StartedIn(), DriveC("Program Files/TAWO"));
  EXPECT_TRUE(QuitRequested());
}

TEST_F(MainFormTest, RunWithoutAProgramStillClosesWithoutAMessage) {
  std::filesystem::remove(DriveC("CD/tawo.exe"));
  TForm1* form = ShowMainForm();
  int boxes = 0;
  IdleScript watch([&] {  // a message box would wait here: count it and close it
    if (GetActiveWindow() != form->Handle()) {
      ++boxes;
      WinportKeyPress(VK_RETURN);
    }
    return false;
  });
  Click(form->LMDButton1);
  EXPECT_TRUE(QuitRequested());
  EXPECT_EQ(boxes, 0);
}

TEST_F(MainFormTest, QuitClosesTheWindow) {
  TForm1* form = ShowMainForm();
  Click(form->LMDButton3);
  EXPECT_TRUE(QuitRequested());
}

// Drive C: on a 20 MB tmpfs, so less than 100 MB are free (needs the right to mount).
class LowSpaceTest : public MainFormTest {
 protected:
  void PrepareDriveC() override {
    if (mount("tmpfs", DriveC().c_str(), "tmpfs", 0, "size=20m") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
    mounted_ = true;
    WinportSetPrefix(root_.c_str());
    WinportGetPrefix();
  }
  void TearDown() override {
    if (mounted_) {
      std::error_code ignored;
      std::filesystem::remove_all(DriveC(), ignored);
      umount2(DriveC().c_str(), MNT_DETACH);
    }
    MainFormTest::TearDown();
  }

  // Answers the warning with `answer` once it shows, noting where it stood.
  struct Warning {
    bool shown = false, centred = false, onTop = false;
  };
  static std::unique_ptr<IdleScript> Answer(Warning& seen, TForm1* form, std::function<void(TFormOstrzezenie*)> answer) {
    return std::make_unique<IdleScript>([&seen, form, answer] {
      auto* dialog = dynamic_cast<TFormOstrzezenie*>(Screen->ActiveCustomForm());
      if (dialog == nullptr) return false;
      RECT box, main;
      GetWindowRect(dialog->Handle(), &box);
      GetWindowRect(form->Handle(), &main);
      seen.shown = true;
      seen.centred = std::abs((box.left + box.right) - (main.left + main.right)) <= 1 &&
                     std::abs((box.top + box.bottom) - (main.top + main.bottom)) <= 1;
      seen.onTop = (GetWindowLongA(dialog->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      Shot("installer-warning.png");
      answer(dialog);
      return true;
    });
  }

  void ExpectNothingInstalled(TForm1* form) {
    EXPECT_FALSE(std::filesystem::exists(DriveC("Program Files/TAWO")));
    EXPECT_FALSE(InstallationRecord::Test());
    EXPECT_FALSE(form->LMDProgressFill1->Visible());
    EXPECT_TRUE(form->StatusBar1->Visible());
    EXPECT_EQ(form->LMDButton2->Caption(), "Instaluj");
  }

 private:
  bool mounted_ = false;
};

TEST_F(LowSpaceTest, AnulujCopiesNothingAndTheWarningStandsCentredOnTop) {
  TForm1* form = ShowMainForm();
  ASSERT_LT(Installation::FreeMegabytes(), 100.0);
  Warning seen;
  auto script = Answer(seen, form, [](TFormOstrzezenie* dialog) { Click(dialog->BitBtn1); });
  Click(form->LMDButton2);
  EXPECT_TRUE(seen.shown);
  EXPECT_TRUE(seen.centred);
  EXPECT_TRUE(seen.onTop);
  ExpectNothingInstalled(form);
}

TEST_F(LowSpaceTest, TheCloseBoxCopiesNothing) {
  TForm1* form = ShowMainForm();
  Warning seen;
  auto script = Answer(seen, form, [](TFormOstrzezenie* dialog) { PostMessageA(dialog->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); });
  Click(form->LMDButton2);
  EXPECT_TRUE(seen.shown);
  ExpectNothingInstalled(form);
}

// The warning from the keyboard: "Anuluj" has the focus, Tab moves to "OK", Alt+F4 closes.
TEST_F(LowSpaceTest, TheKeyboardAnswersTheWarning) {
  const struct {
    std::vector<UINT> keys;
    bool installs;
  } cases[] = {{{VK_RETURN}, false}, {{VK_SPACE}, false}, {{VK_TAB, VK_RETURN}, true}, {{VK_MENU, VK_F4}, false}};
  for (const auto& answer : cases) {
    TForm1* form = ShowMainForm();
    Warning seen;
    auto script = Answer(seen, form, [&answer](TFormOstrzezenie*) {
      if (answer.keys.front() == VK_MENU) {
        WinportKeyDown(VK_MENU);
        WinportKeyPress(VK_F4);
        WinportKeyUp(VK_MENU);
      } else {
        for (const UINT key : answer.keys) WinportKeyPress(key);
      }
    });
    Click(form->LMDButton2);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(InstallationRecord::Test(), answer.installs) << answer.keys.back();
    InstallationRecord::Delete();
    std::filesystem::remove_all(DriveC("Program Files/TAWO"));
    delete form;
  }
}

TEST_F(LowSpaceTest, OkInstalls) {
  TForm1* form = ShowMainForm();
  Warning seen;
  auto script = Answer(seen, form, [](TFormOstrzezenie* dialog) { Click(dialog->BitBtn2); });
  Click(form->LMDButton2);
  EXPECT_TRUE(seen.shown);
  EXPECT_EQ(FilesBelow(DriveC("Program Files/TAWO")), ExpectedInstalledFiles());
  EXPECT_TRUE(InstallationRecord::Test());
  EXPECT_EQ(form->LMDButton2->Caption(), "Usuń"_a);
}

}  // namespace
