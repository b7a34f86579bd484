#include "LMDApplication.h"

#include <LMDIniCtrl.h>

#include <TApplication.h>
#include <TBitmapCanvas.h>
#include <TCustomForm.h>
#include <THandleStream.h>
#include <TScreen.h>

using enum TComponentStateItem;
using enum TLMDApplicationOption;
using enum TLMDExitCode;
using enum TLMDLogAction;
using enum TLMDPathPrefix;

TAWO_IMPLEMENT_CLASS(TLMDApplication)

std::array<bool, TLMDApplication::kTimerSlots> TLMDApplication::FTimerSlots{};

namespace {

constexpr int kCheckerSize = 8;
constexpr int kRuleWidth = 80;
constexpr TLMDTimerInterval kPoolInterval = 50;

void WriteLine(TStream& log, const AnsiString& text) {
  const AnsiString line = text + "\r\n";
  log.Write(line.data(), static_cast<int64_t>(line.size()));
}

// Closes a file handle when the write ends, however it ends.
struct TFileCloser {
  HANDLE handle;
  ~TFileCloser() { FileClose(handle); }
};

// The log file, started afresh or opened at its end; INVALID_HANDLE_VALUE when it cannot be.
HANDLE OpenLog(const AnsiString& name, bool rewrite) {
  if (rewrite) return FileCreate(name);
  HANDLE file = FileOpen(name, fmOpenWrite | fmShareDenyWrite);
  if (file != INVALID_HANDLE_VALUE) FileSeek(file, 0, 2);
  return file;
}

int64_t FileSize(const AnsiString& name) {
  TSearchRec found;
  const int64_t size = FindFirst(name, faAnyFile, found) == 0 ? found.Size : -1;
  FindClose(found);
  return size;
}

bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  const bool enabled = LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
                 AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                 GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return enabled;
}

// The pointing hand under which the library's controls show their hand cursor.
constexpr int kHandCursorIndex = -255;
constexpr WORD kHandCursorResource = 16548;

void SetHandCursor() {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kHandCursorResource));
  // A program without the resource gets the system's pointing hand instead of no cursor.
  if (hand == nullptr) hand = LoadCursorA(nullptr, IDC_HAND);
  Screen->SetCursors(kHandCursorIndex, hand);
}

bool IsNtPlatform() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

TLMDApplication::TLMDApplication(TComponent* owner)
    : TComponent(owner), FIniCtrl(std::make_unique<TLMDIniCtrl>(nullptr)) {
  if (!ComponentState().Contains(csDesigning)) CreateInstanceMutex();
  FTimerPool = std::make_unique<TLMDTimerPool>(nullptr, kPoolInterval);
  SetLogName("");
  LARGE_INTEGER frequency{};
  if (QueryPerformanceFrequency(&frequency)) FFrequency = frequency.QuadPart;
  SetHandCursor();
}

TLMDApplication::~TLMDApplication() {
  if (FMutex != nullptr) CloseHandle(FMutex);
}

void TLMDApplication::CreateInstanceMutex() {
  FMutex = CreateMutexA(nullptr, FALSE, ExtractFileName(ParamStr(0)).c_str());
  FAlreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
}

void TLMDApplication::SetEditMode(TLMDEditModes value) {
  if (value == FEditMode) return;
  FEditMode = value;
  OnEditModeChange(this);
}

// ---------------------------------------------------------------------------------------------
// Timers.

int TLMDApplication::FreeTimerSlot() const {
  for (int slot = 0; slot < kTimerSlots; ++slot) {
    if (!FTimerSlots[slot]) return slot;
  }
  return -1;
}

uint16_t TLMDApplication::ReserveTimer(const std::function<void(uint16_t ident)>& add) {
  const int slot = FreeTimerSlot();
  if (slot < 0) return 0;
  const auto ident = static_cast<uint16_t>(LMDTimerIdentFirst + slot);
  add(ident);
  FTimerSlots[slot] = true;
  return ident;
}

uint16_t TLMDApplication::AddTimer(uint16_t interval, const TNotifyEvent& onTimer) {
  return ReserveTimer([&](uint16_t ident) { FTimerPool->AddTimer(ident, interval, onTimer); });
}

uint16_t TLMDApplication::AddTimerExt(uint16_t interval, int32_t callCount, bool enabled, const TNotifyEvent& onTimer) {
  return ReserveTimer(
      [&](uint16_t ident) { FTimerPool->AddTimerExt(ident, interval, callCount, enabled, onTimer); });
}

void TLMDApplication::RemoveTimer(uint16_t ident) {
  if (ident < LMDTimerIdentFirst || ident > LMDTimerIdentLast) return;
  FTimerPool->RemoveTimer(ident);
  FTimerSlots[ident - LMDTimerIdentFirst] = false;
}

TLMDTimerItem* TLMDApplication::GetTimer(uint16_t ident) const { return FTimerPool->GetTimer(ident); }

// ---------------------------------------------------------------------------------------------
// Bitmaps.

TBitmap* TLMDApplication::GetBrushBitmap(TColor color) {
  if (FBrushBitmap && color == FBrushColor) return FBrushBitmap.get();
  if (!FBrushBitmap) {
    FBrushBitmap = std::make_unique<TBitmap>();
    FBrushBitmap->SetSize(kCheckerSize, kCheckerSize);
    TCanvas* canvas = FBrushBitmap->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(RECT{0, 0, kCheckerSize, kCheckerSize});
  }
  TCanvas* canvas = FBrushBitmap->Canvas();
  for (int y = 0; y < kCheckerSize; ++y) {
    for (int x = 0; x < kCheckerSize; ++x) {
      if ((x + y) % 2 == 1) canvas->SetPixel(x, y, color);
    }
  }
  FBrushColor = color;
  return FBrushBitmap.get();
}

TBitmap* TLMDApplication::GetBitmap() {
  if (!FBitmap) {
    FBitmap = std::make_unique<TBitmap>();
    FBitmap->Assign(GetBrushBitmap(clBlack));
  }
  return FBitmap.get();
}

// ---------------------------------------------------------------------------------------------
// Stopwatch, shutdown, registry path.

void TLMDApplication::STWStart() {
  if (FSTWRunning) STWStop();
  FSTWStart = GetTickCount();
  FSTWRunning = true;
}

DWORD TLMDApplication::STWStop() {
  if (!FSTWRunning) return 0;
  FSTWRunning = false;
  return GetTickCount() - FSTWStart;
}

bool TLMDApplication::QuitWindows(TLMDExitCode exitCode) {
  bool done = false;
  if (exitCode == ecRestart) {
    done = ExitWindowsEx(EWX_LOGOFF, 0);
  } else {
    if (IsNtPlatform() && !EnableShutdownPrivilege()) return false;
    done = ExitWindowsEx(exitCode == ecQuit ? EWX_SHUTDOWN | EWX_FORCE : EWX_REBOOT | EWX_FORCE, 0);
  }
  if (done) Application->Terminate();
  return done;
}

AnsiString TLMDApplication::GetDefaultRegPath() const {
  AnsiString path = "Software\\";
  if (!FCompany.empty()) path += IncludeTrailingBackslash(FCompany);
  const AnsiString title = Application->Title();
  path += IncludeTrailingBackslash(title.empty() ? ParamStr(0) : title);
  if (!FVersion.empty()) path += IncludeTrailingBackslash(FVersion);
  return path;
}

// ---------------------------------------------------------------------------------------------
// Exceptions and the log.

void TLMDApplication::HandleException(TObject* sender, Exception& exception) {
  bool cancel = false;
  OnException(sender, exception, cancel);
  if (cancel) return;
  if (FOptions.Contains(aoLogException)) LogException(sender);
  Application->ShowException(exception);
}

void TLMDApplication::LogException(TObject* sender) {
  const std::exception_ptr current = std::current_exception();
  if (!current) return;
  AnsiString text;
  try {
    std::rethrow_exception(current);
  } catch (const Exception& exception) {
    text = Format("%s, Address: %p", {exception.Message(), static_cast<const void*>(&exception)});
  } catch (const std::exception& exception) {
    text = Format("%s, Address: %p", {AnsiString(exception.what()), static_cast<const void*>(&exception)});
  } catch (...) {
    return;
  }
  const auto* component = dynamic_cast<const TComponent*>(sender);
  if (component != nullptr && !component->Name().empty()) {
    text = sender->ClassName() + " (Name: " + component->Name() + "): " + text;
  } else if (sender != nullptr) {
    text = sender->ClassName() + ": " + text;
  }
  LogWrite(text);
}

AnsiString TLMDApplication::FullLogName(const AnsiString& name) const {
  AnsiString full = name.empty() ? ChangeFileExt(ParamStr(0), ".LOG") : name;
  if (ExtractFileExt(full).empty()) full = ChangeFileExt(full, ".LOG");
  if (FLogPrefix == ppFixed) return full;
  return LMDCreatePathPrefix(FLogPrefix, true) + ExtractFileName(full);
}

void TLMDApplication::SetLogName(const AnsiString& value) { FLogName = FullLogName(value); }

void TLMDApplication::SetLogPrefix(TLMDPathPrefix value) {
  if (value == FLogPrefix) return;
  FLogPrefix = value;
  SetLogName(FLogName);
}

bool TLMDApplication::CheckLogSize(bool& rewrite) {
  if (FMaxLogSize <= 100 || FileSize(FLogName) <= FMaxLogSize) return true;
  bool cancel = false;
  OnMaxLogSize(this, FLogName, cancel);
  if (cancel) return false;
  if (FLogAction == laClearLog) rewrite = true;
  if (FLogAction == laBackupLog) {
    BackupLog();
    rewrite = true;
  }
  return true;
}

void TLMDApplication::BackupLog() {
  for (int number = 0;; ++number) {
    const AnsiString backup = ChangeFileExt(FLogName, ".l" + IntToStr(number));
    if (FileExists(backup)) continue;
    RenameFile(FLogName, backup);
    break;
  }
  Application->ProcessMessages();
}

void TLMDApplication::WriteHeader(TStream& log) {
  WriteLine(log, "");
  WriteLine(log, "LogFile started: " + DateToStr(Date()) + " " + TimeToStr(Time()));
  WriteLine(log, "Application    : " + Application->Title());
  WriteLine(log, "Path/ExeName   : " + ParamStr(0));
  if (!FVersion.empty()) WriteLine(log, "Version        : " + FVersion);
  OnHeaderWrite(this, log);
  WriteLine(log, StringOfChar('*', kRuleWidth));
  WriteLine(log, "");
  WriteLine(log, "Entries:");
}

AnsiString TLMDApplication::ComposeEntry(const AnsiString& line) {
  ++FEntryCounter;
  AnsiString entry;
  for (char part : FLogFormat) {
    if (part == '#' && FOptions.Contains(aoLogNr)) entry += Format("%.5d", {FEntryCounter}) + ": ";
    if (part == 't' && FOptions.Contains(aoLogTime)) entry += " [" + TimeToStr(Time()) + "]";
    if (part == 'd' && FOptions.Contains(aoLogDate)) entry += " [" + DateToStr(Date()) + "]";
    if (part == 'l') entry += line;
  }
  return entry;
}

void TLMDApplication::LogWrite(const AnsiString& line) {
  bool restarted = false;
  if (!CheckLogSize(restarted)) return;
  const bool rewrite = restarted || !FileExists(FLogName) ||
                       (FOptions.Contains(aoLogAlwaysClear) && !FLogWritten);
  HANDLE file = OpenLog(FLogName, rewrite);
  if (file == INVALID_HANDLE_VALUE) return;
  TFileCloser closer{file};
  THandleStream log(file);
  if (restarted || (!FLogWritten && FOptions.Contains(aoLogHeader))) WriteHeader(log);
  if (line == "#Header") WriteHeader(log);
  else if (line == "#Line") WriteLine(log, StringOfChar('*', kRuleWidth));
  else if (line == "#CR") WriteLine(log, "");
  else WriteLine(log, ComposeEntry(line));
  FLogWritten = true;
}

// ---------------------------------------------------------------------------------------------

// The framework has no data modules, so allowing them changes nothing.
bool LMDCheckForSameClass(TComponent* owner, TClass componentClass, bool /*allowDataModule*/) {
  if (owner == nullptr || !owner->InheritsFrom(TCustomForm::ClassInfo())) return true;
  if (componentClass == nullptr) return false;
  int found = 0;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    if (owner->Components(i)->InheritsFrom(componentClass) && ++found == 2) return true;
  }
  return false;
}

namespace {

// Frees the application object at program end; it reads as null from then on.
struct TLibraryEnd {
  ~TLibraryEnd() {
    TLMDApplication* application = LMDApplication;
    LMDApplication = nullptr;
    delete application;
  }
};

// The library's start-up, after the framework's: the application object lives from then on
// to the end of the program.
void StartLibrary() {
  static bool started = false;
  if (started) return;
  started = true;
  Screen.Get();
  LMDApplication = new TLMDApplication(nullptr);
  static const TLibraryEnd end;
}

}  // namespace

constinit TUnitGlobal<TLMDApplication> LMDApplication{&StartLibrary};
