// The library's application object: timer slots, the checkered brush bitmap, the stopwatch,
// the registry path, log names and the log file.
#include <gtest/gtest.h>

#include "../../platform/kernel32/TempPrefix.h"

#include <LMDApplication.h>
#include <LMDConst.h>
#include <LMDIniCtrl.h>

#include <TApplication.h>
#include <TScreen.h>

#include <memory>
#include <regex>

using enum TLMDApplicationOption;
using enum TLMDEditMode;
using enum TLMDLogAction;
using enum TLMDPathPrefix;

namespace {

AnsiString ProgramTitle() { return ChangeFileExt(ExtractFileName(ParamStr(0)), ""); }

class Ticker : public TObject {
  TAWO_CLASS(Ticker, TObject)

 public:
  void Tick(TObject*) { ++ticks; }
  void AddHeaderLine(TObject*, TStream& log) {
    const AnsiString line = "Operator       : Ala\r\n";
    log.WriteBuffer(line.data(), static_cast<int64_t>(line.size()));
  }
  void RefuseGrowth(TObject*, const AnsiString& name, bool& cancel) {
    refusedName = name;
    cancel = true;
  }
  void Cancel(TObject*, Exception&, bool& cancel) {
    ++ticks;
    cancel = cancelExceptions;
  }
  int ticks = 0;
  bool cancelExceptions = false;
  AnsiString refusedName;
};
TAWO_IMPLEMENT_CLASS(Ticker)

TEST(LMDApplication, ExistsFromStartUpWithItsInitialState) {
  ASSERT_NE(LMDApplication, nullptr);
  EXPECT_EQ(LMDApplication->Options(),
            (TLMDApplicationOptions{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr}));
  EXPECT_EQ(LMDApplication->EditMode(), TLMDEditModes{emInsert});
  EXPECT_EQ(LMDApplication->LogFormat(), "#tdl");
  EXPECT_EQ(LMDApplication->LogPrefix(), ppProgram);
  EXPECT_EQ(LMDApplication->MaxLogSize(), -1);
  EXPECT_EQ(LMDApplication->LogName(), LMDAppPath() + ExtractFileName(ChangeFileExt(ParamStr(0), ".LOG")));
  EXPECT_EQ(LMDApplication->TimerPool()->MinInterval(), 50);
  ASSERT_NE(LMDApplication->IniCtrl(), nullptr);
  EXPECT_GT(LMDApplication->GetTimerFrequency(), 0);
}

TEST(LMDApplication, ASecondObjectFindsTheProgramsMutex) {
  ASSERT_NE(LMDApplication, nullptr);
  TLMDApplication second(nullptr);
  EXPECT_TRUE(second.AlreadyRunning());
}

TEST(LMDApplication, TimerSlotsAreHandedOutLowestFirst) {
  Ticker ticker;
  const TNotifyEvent tick(&ticker, &Ticker::Tick);
  const uint16_t first = LMDApplication->AddTimer(100, tick);
  const uint16_t second = LMDApplication->AddTimer(100, tick);
  EXPECT_EQ(first, 0xFD01);
  EXPECT_EQ(second, 0xFD02);
  EXPECT_EQ(LMDApplication->GetTimer(first)->Interval(), 100);
  LMDApplication->RemoveTimer(first);
  EXPECT_EQ(LMDApplication->GetTimer(first), nullptr);
  EXPECT_THROW(LMDApplication->AddTimer(75, tick), Exception);  // the pool's interval error
  EXPECT_EQ(LMDApplication->AddTimerExt(50, 2, false, tick), 0xFD01);
  EXPECT_FALSE(LMDApplication->GetTimer(0xFD01)->Enabled());
  LMDApplication->RemoveTimer(0x1234);  // not a slot ident: ignored
  LMDApplication->RemoveTimer(0xFD01);
  LMDApplication->RemoveTimer(second);

  std::vector<uint16_t> idents;
  for (int i = 0; i < 250; ++i) idents.push_back(LMDApplication->AddTimer(1000, tick));
  EXPECT_EQ(idents.back(), 0xFDFA);
  EXPECT_EQ(LMDApplication->AddTimer(1000, tick), 0);
  EXPECT_EQ(LMDApplication->TimerPool()->Count(), 250);
  for (uint16_t ident : idents) LMDApplication->RemoveTimer(ident);
  EXPECT_EQ(LMDApplication->TimerPool()->Count(), 0);
  EXPECT_FALSE(LMDApplication->TimerPool()->Active());
}

TEST(LMDApplication, TimersFireThroughThePool) {
  WinportUseVirtualClock(TRUE);
  Ticker ticker;
  const uint16_t ident = LMDApplication->AddTimer(100, TNotifyEvent(&ticker, &Ticker::Tick));
  WinportAdvanceClock(500, TRUE);
  EXPECT_EQ(ticker.ticks, 5);
  LMDApplication->RemoveTimer(ident);
  WinportUseVirtualClock(FALSE);
}

TEST(LMDApplication, BrushBitmapIsACheckerboardOfWhiteAndTheColour) {
  TLMDApplication application(nullptr);
  TBitmap* bitmap = application.GetBrushBitmap(clRed);
  ASSERT_EQ(bitmap->Width(), 8);
  ASSERT_EQ(bitmap->Height(), 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(bitmap->Canvas()->Pixel(x, y), (x + y) % 2 ? clRed : clWhite) << x << "," << y;
    }
  }
  EXPECT_EQ(application.GetBrushBitmap(clRed), bitmap);
  EXPECT_EQ(application.GetBrushBitmap(clNavy), bitmap);
  EXPECT_EQ(bitmap->Canvas()->Pixel(1, 0), clNavy);
  EXPECT_EQ(bitmap->Canvas()->Pixel(0, 0), clWhite);

  TBitmap* black = application.GetBitmap();
  EXPECT_NE(black, bitmap);
  EXPECT_EQ(black->Canvas()->Pixel(0, 1), clBlack);
  EXPECT_EQ(black->Canvas()->Pixel(1, 1), clWhite);
  application.GetBrushBitmap(clLime);
  EXPECT_EQ(application.GetBitmap(), black);
  EXPECT_EQ(black->Canvas()->Pixel(0, 1), clBlack);
}

TEST(LMDApplication, StopwatchMeasuresTheClock) {
  WinportUseVirtualClock(TRUE);
  TLMDApplication application(nullptr);
  EXPECT_EQ(application.STWStop(), 0u);
  application.STWStart();
  WinportAdvanceClock(250, FALSE);
  application.STWStart();  // restarts
  WinportAdvanceClock(120, FALSE);
  EXPECT_EQ(application.STWStop(), 120u);
  EXPECT_EQ(application.STWStop(), 0u);
  WinportUseVirtualClock(FALSE);
}

TEST(LMDApplication, DefaultRegistryPath) {
  TLMDApplication application(nullptr);
  EXPECT_EQ(application.GetDefaultRegPath(), "Software\\" + ProgramTitle() + "\\");
  application.SetCompany("Welgato\\");
  application.SetVersion("2.1");
  EXPECT_EQ(application.GetDefaultRegPath(), "Software\\Welgato\\" + ProgramTitle() + "\\2.1\\");
}

TEST(LMDApplication, OneInstanceChecks) {
  EXPECT_EQ(LMDEOneInstError("TLMDFormFader", 0).Message(),
            AnsiString("TLMDFormFader:\r") + IDS_INVALIDOWNER);
  EXPECT_EQ(LMDEOneInstError("TLMDHint", 1).Message(),
            "TLMDHint:\rAlready one TLMDHint control in this project!");
  EXPECT_EQ(LMDEOneInstError("TLMDHint", 2).Message(), "");

  TComponent owner(nullptr);
  EXPECT_TRUE(LMDCheckForSameClass(nullptr, TLMDIniCtrl::ClassInfo(), false));
  EXPECT_TRUE(LMDCheckForSameClass(&owner, TLMDIniCtrl::ClassInfo(), true));  // not a form
}

// ---------------------------------------------------------------------------------------------

class LogTest : public TempPrefix {
 protected:
  void SetUp() override {
    TempPrefix::SetUp();
    application = std::make_unique<TLMDApplication>(nullptr);
    application->SetLogPrefix(ppFixed);
    application->SetLogName("C:\\app.log");
  }
  std::string Log() const { return Read(DriveC("app.log")); }

  std::unique_ptr<TLMDApplication> application;
};

TEST_F(LogTest, LogNames) {
  EXPECT_EQ(application->LogName(), "C:\\app.log");
  application->SetLogName("C:\\logs\\trace");
  EXPECT_EQ(application->LogName(), "C:\\logs\\trace.LOG");
  application->SetLogPrefix(ppProgram);
  EXPECT_EQ(application->LogName(), LMDAppPath() + "trace.LOG");
  application->SetLogPrefix(ppWindows);
  EXPECT_EQ(application->LogName(), LMDWindowsDirectory() + "\\trace.LOG");
  application->SetLogName("");
  EXPECT_EQ(application->LogName(), LMDWindowsDirectory() + "\\" + ExtractFileName(ChangeFileExt(ParamStr(0), ".LOG")));
}

TEST_F(LogTest, FirstWriteStartsTheFileWithAHeader) {
  ASSERT_TRUE(CreateWithContent("C:\\app.log", "old run\r\n"));
  application->SetVersion("1.0");
  Ticker ticker;
  application->OnHeaderWrite = TLMDOnHeaderWrite(&ticker, &Ticker::AddHeaderLine);
  application->LogWrite("first");
  application->LogWrite("second");
  application->LogWrite("#Line");
  application->LogWrite("#CR");
  application->LogWrite("third");

  const std::regex expected(
      "\r\nLogFile started: \\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}\r\n"
      "Application    : " + ProgramTitle() + "\r\n"
      "Path/ExeName   : [^\r\n]+\r\n"
      "Version        : 1\\.0\r\n"
      "Operator       : Ala\r\n"
      "\\*{80}\r\n\r\nEntries:\r\n"
      "00001: first\r\n00002: second\r\n\\*{80}\r\n\r\n00003: third\r\n");
  EXPECT_TRUE(std::regex_match(Log(), expected)) << Log();
}

TEST_F(LogTest, LineFormatFollowsTheOptions) {
  application->SetOptions({aoLogTime, aoLogDate});
  application->LogWrite("plain");
  application->SetLogFormat("l#d");
  application->SetOptions({aoLogNr, aoLogDate});
  application->LogWrite("x");
  EXPECT_TRUE(std::regex_match(Log(), std::regex(" \\[\\d{2}:\\d{2}:\\d{2}\\] \\[\\d{4}-\\d{2}-\\d{2}\\]plain\r\n"
                                                 "x00002:  \\[\\d{4}-\\d{2}-\\d{2}\\]\r\n")))
      << Log();
}

TEST_F(LogTest, WithoutAlwaysClearTheLogGrows) {
  ASSERT_TRUE(CreateWithContent("C:\\app.log", "old run\r\n"));
  application->SetOptions({aoLogNr});
  application->LogWrite("new");
  application->LogWrite("#Header");
  EXPECT_EQ(Log().substr(0, 23), "old run\r\n00001: new\r\n\r\n");
  EXPECT_NE(Log().find("Entries:\r\n"), std::string::npos);
}

TEST_F(LogTest, OversizedLogsAreClearedBackedUpOrLeftAlone) {
  application->SetOptions({aoLogNr});
  application->SetMaxLogSize(101);
  const std::string big(200, 'q');
  ASSERT_TRUE(CreateWithContent("C:\\app.log", big));

  Ticker ticker;
  application->OnMaxLogSize = TLMDMaxLogSizeEvent(&ticker, &Ticker::RefuseGrowth);
  application->LogWrite("refused");
  EXPECT_EQ(Log(), big);
  EXPECT_EQ(ticker.refusedName, "C:\\app.log");
  application->OnMaxLogSize.Clear();

  application->SetLogAction(laBackupLog);
  ASSERT_TRUE(CreateWithContent("C:\\app.l0", "taken"));
  application->LogWrite("one");
  EXPECT_EQ(Read(DriveC("app.l1")), big);
  EXPECT_EQ(Log().substr(0, 2), "\r\n");  // restarted with a header
  EXPECT_NE(Log().find("00001: one\r\n"), std::string::npos);

  ASSERT_TRUE(CreateWithContent("C:\\app.log", big));
  application->SetLogAction(laClearLog);
  application->LogWrite("two");
  EXPECT_EQ(Log().find('q'), std::string::npos);

  ASSERT_TRUE(CreateWithContent("C:\\app.log", big));
  application->SetLogAction(laNone);
  application->LogWrite("three");
  EXPECT_EQ(Log(), big + "00003: three\r\n");
}

TEST_F(LogTest, ALogThatCannotBeOpenedIsSkipped) {
  application->SetLogName("C:\\missing\\folder\\app.log");
  EXPECT_NO_THROW(application->LogWrite("lost"));
  EXPECT_FALSE(FileExists("C:\\missing\\folder\\app.log"));
}

TEST_F(LogTest, ExceptionsAreLoggedOnlyWhileHandled) {
  application->SetOptions({});
  TComponent named(nullptr);
  named.SetName("Pool1");
  application->LogException(&named);
  EXPECT_FALSE(FileExists("C:\\app.log"));
  try {
    throw EInvalidOperation("boom");
  } catch (const Exception&) {
    application->LogException(&named);
    application->LogException(application->TimerPool());
  }
  EXPECT_TRUE(std::regex_match(Log(), std::regex("TComponent \\(Name: Pool1\\): boom, Address: [0-9A-F]{8,16}\r\n"
                                                 "TLMDTimerPool: boom, Address: [0-9A-F]{8,16}\r\n")))
      << Log();
}

// Answers the message box an exception display shows.
BOOL CALLBACK PressEnter(LPVOID boxes) {
  ++*static_cast<int*>(boxes);
  WinportKeyPress(VK_RETURN);
  return TRUE;
}

TEST_F(LogTest, HandledExceptionsAreOfferedLoggedAndShown) {
  application->SetOptions({aoLogException});
  Ticker ticker;
  application->OnException = TLMDExceptionEvent(&ticker, &Ticker::Cancel);
  int boxes = 0;
  WinportSetIdleHandler(&PressEnter, &boxes);
  try {
    throw EInvalidOperation("first");
  } catch (Exception& error) {
    ticker.cancelExceptions = true;
    application->HandleException(application.get(), error);
    EXPECT_FALSE(FileExists("C:\\app.log"));
    EXPECT_EQ(boxes, 0);
    ticker.cancelExceptions = false;
    application->HandleException(application.get(), error);
  }
  WinportSetIdleHandler(nullptr, nullptr);
  EXPECT_EQ(ticker.ticks, 2);
  EXPECT_GT(boxes, 0);
  EXPECT_EQ(Log().substr(0, 30), "TLMDApplication: first, Addres");
}

}  // namespace

namespace {

TEST(LMDApplication, RegistersTheHandCursor) {
  Screen->SetCursors(-255, nullptr);
  TLMDApplication application(nullptr);
  EXPECT_EQ(Screen->Cursors(-255), LoadCursorA(nullptr, IDC_HAND));
}

}  // namespace
