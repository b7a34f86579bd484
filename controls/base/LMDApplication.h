// Unit LMDApplication: TLMDApplication, the library's application-wide services (timer slots
// on a shared timer pool, the checkered brush bitmap, a stopwatch, the default registry path,
// the optional log file), the global LMDApplication that lives from library start-up to
// program end, and the one-instance check of components.
#pragma once

#include "LMDEOneInstError.h"
#include <LMDProcs.h>
#include "LMDTimerPool.h"

#include <TBitmap.h>
#include <TComponent.h>
#include <TStream.h>
#include <TUnitGlobal.h>

#include <array>
#include <functional>
#include <memory>

class TLMDIniCtrl;

TAWO_ENUM(TLMDApplicationOption, aoAutoRealizePalette, aoMouseCtrlActive, aoLogAlwaysClear, aoLogException,
          aoLogHeader, aoLogNr, aoLogTime, aoLogDate)
using TLMDApplicationOptions = TSet<TLMDApplicationOption>;
TAWO_ENUM(TLMDEditMode, emInsert, emShift, emCtrl, emAlt, emCaps, emNum, emScroll)
using TLMDEditModes = TSet<TLMDEditMode>;
TAWO_ENUM(TLMDLogAction, laNone, laClearLog, laBackupLog)
TAWO_ENUM(TLMDExitCode, ecQuit, ecReboot, ecRestart)

// Sender, the exception, var Cancel.
using TLMDExceptionEvent = TEvent<TObject*, Exception&, bool&>;
// Sender, the log name, var Cancel.
using TLMDMaxLogSizeEvent = TEvent<TObject*, const AnsiString&, bool&>;
// Sender, the open log file: lines written here become part of the header.
using TLMDOnHeaderWrite = TEvent<TObject*, TStream&>;

// The first and last idents that AddTimer hands out.
inline constexpr uint16_t LMDTimerIdentFirst = 0xFD01;
inline constexpr uint16_t LMDTimerIdentLast = 0xFDFA;

class TLMDApplication : public TComponent {
  TAWO_CLASS(TLMDApplication, TComponent)

 public:
  // The library's start-up work: the one-instance mutex, the timer pool, the log name, the
  // performance-counter frequency and the settings component.
  explicit TLMDApplication(TComponent* owner);
  ~TLMDApplication() override;

  TLMDApplicationOptions Options() const { return FOptions; }
  void SetOptions(TLMDApplicationOptions value) { FOptions = value; }
  TLMDEditModes EditMode() const { return FEditMode; }
  // A change raises OnEditModeChange.
  void SetEditMode(TLMDEditModes value);
  const AnsiString& LogFormat() const { return FLogFormat; }
  void SetLogFormat(const AnsiString& value) { FLogFormat = value; }
  const AnsiString& Company() const { return FCompany; }
  void SetCompany(const AnsiString& value) { FCompany = value; }
  const AnsiString& Version() const { return FVersion; }
  void SetVersion(const AnsiString& value) { FVersion = value; }
  const AnsiString& LogName() const { return FLogName; }
  // '' means the program's name; a name without extension gets ".LOG"; unless LogPrefix is
  // ppFixed, the file goes into the folder LogPrefix names.
  void SetLogName(const AnsiString& value);
  TLMDPathPrefix LogPrefix() const { return FLogPrefix; }
  void SetLogPrefix(TLMDPathPrefix value);
  int32_t MaxLogSize() const { return FMaxLogSize; }
  void SetMaxLogSize(int32_t value) { FMaxLogSize = value; }
  TLMDLogAction LogAction() const { return FLogAction; }
  void SetLogAction(TLMDLogAction value) { FLogAction = value; }
  // Another instance of the program held the mutex at start-up.
  bool AlreadyRunning() const { return FAlreadyRunning; }
  TLMDIniCtrl* IniCtrl() const { return FIniCtrl.get(); }
  TLMDTimerPool* TimerPool() const { return FTimerPool.get(); }

  TLMDExceptionEvent OnException;
  TLMDMaxLogSizeEvent OnMaxLogSize;
  TLMDOnHeaderWrite OnHeaderWrite;
  TNotifyEvent OnEditModeChange;

  // A pool timer under the lowest free ident 0xFD01..0xFDFA; 0 when all are in use.
  uint16_t AddTimer(uint16_t interval, const TNotifyEvent& onTimer);
  uint16_t AddTimerExt(uint16_t interval, int32_t callCount, bool enabled, const TNotifyEvent& onTimer);
  // Idents that AddTimer did not hand out are ignored.
  void RemoveTimer(uint16_t ident);
  TLMDTimerItem* GetTimer(uint16_t ident) const;

  // An 8 x 8 white/`color` checkerboard (odd x + y in `color`), repainted only for a new colour.
  TBitmap* GetBrushBitmap(TColor color);
  // A copy of the black checkerboard, made once.
  TBitmap* GetBitmap();

  void STWStart();
  // Milliseconds since STWStart; 0 when the stopwatch is not running.
  DWORD STWStop();
  double GetTimerFrequency() const { return static_cast<double>(FFrequency); }

  // Shuts Windows down, reboots or logs off; false when the system refuses.
  bool QuitWindows(TLMDExitCode exitCode);
  // "Software\<Company>\<title or program path>\<Version>\".
  AnsiString GetDefaultRegPath() const;

  // OnException first (it may cancel), then the log (aoLogException), then the framework's
  // exception display.
  void HandleException(TObject* sender, Exception& exception);
  // Logs the exception being handled; nothing outside a handler.
  void LogException(TObject* sender);
  // Writes one entry, or the special lines "#Header", "#Line" and "#CR"; never raises.
  void LogWrite(const AnsiString& line);

 private:
  static constexpr int kTimerSlots = LMDTimerIdentLast - LMDTimerIdentFirst + 1;

  int FreeTimerSlot() const;
  uint16_t ReserveTimer(const std::function<void(uint16_t ident)>& add);
  void CreateInstanceMutex();
  // The log name `name` stands for under the current LogPrefix.
  AnsiString FullLogName(const AnsiString& name) const;
  // Step one of a write: false when the write is cancelled; `rewrite` when the file must start
  // again (cleared, or moved to a backup).
  bool CheckLogSize(bool& rewrite);
  void BackupLog();
  void WriteHeader(TStream& log);
  AnsiString ComposeEntry(const AnsiString& line);

  TLMDApplicationOptions FOptions{TLMDApplicationOption::aoMouseCtrlActive, TLMDApplicationOption::aoLogAlwaysClear,
                                  TLMDApplicationOption::aoLogHeader, TLMDApplicationOption::aoLogNr};
  TLMDEditModes FEditMode{TLMDEditMode::emInsert};
  AnsiString FLogFormat = "#tdl";
  AnsiString FCompany;
  AnsiString FVersion;
  AnsiString FLogName;
  TLMDPathPrefix FLogPrefix = TLMDPathPrefix::ppProgram;
  int32_t FMaxLogSize = -1;
  TLMDLogAction FLogAction = TLMDLogAction::laNone;
  int32_t FEntryCounter = 0;
  bool FLogWritten = false;
  std::unique_ptr<TLMDIniCtrl> FIniCtrl;
  std::unique_ptr<TLMDTimerPool> FTimerPool;
  // Shared by the whole program, as the idents are.
  static std::array<bool, kTimerSlots> FTimerSlots;
  std::unique_ptr<TBitmap> FBrushBitmap;
  TColor FBrushColor = clNone;
  std::unique_ptr<TBitmap> FBitmap;
  HANDLE FMutex = nullptr;
  bool FAlreadyRunning = false;
  int64_t FFrequency = 0;
  DWORD FSTWStart = 0;
  bool FSTWRunning = false;
};

// Made by the library's start-up on first use, freed at program end.
extern TUnitGlobal<TLMDApplication> LMDApplication;

// True when `owner` is none, or not a form (nor, when allowed, a data module), or already has
// two components of `componentClass`; false without a class. Components that may exist once
// per form call it from their constructor and raise LMDEOneInstError on true.
bool LMDCheckForSameClass(TComponent* owner, TClass componentClass, bool allowDataModule);
