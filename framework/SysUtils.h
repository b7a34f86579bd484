// Unit SysUtils: exceptions, formatting and conversion, string, date/time and path routines.
// Strings are Windows-1250 bytes; the locale is the Polish one of the product's machines
// (decimal comma, ISO short dates).
#pragma once

#include "SysConst.h"
#include "System.h"

#include <windows.h>

#include <cstdint>
#include <exception>
#include <initializer_list>

// ---------------------------------------------------------------------------------------------
// Exceptions.

class Exception : public TObject, public std::exception {
  TAWO_CLASS(Exception, TObject)

 public:
  explicit Exception(AnsiString message) : FMessage(std::move(message)) {}
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;

  const AnsiString& Message() const { return FMessage; }
  void SetMessage(AnsiString message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }

 private:
  AnsiString FMessage;
};

// An exception class with its usual message.
#define TAWO_EXCEPTION(Class, Parent, DefaultMessage)                         \
  class Class : public Parent {                                               \
    TAWO_CLASS(Class, Parent)                                                 \
                                                                              \
   public:                                                                    \
    explicit Class(AnsiString message = DefaultMessage)                       \
        : Parent(std::move(message)) {}                                       \
  };

TAWO_EXCEPTION(EAbort, Exception, SOperationAborted)
TAWO_EXCEPTION(EHeapException, Exception, "")
TAWO_EXCEPTION(EOutOfMemory, EHeapException, SOutOfMemory)
TAWO_EXCEPTION(EInvalidPointer, EHeapException, SInvalidPointer)
TAWO_EXCEPTION(EOutOfResources, EOutOfMemory, SOutOfResources)
TAWO_EXCEPTION(EAbstractError, Exception, SAbstractError)
TAWO_EXCEPTION(EInvalidCast, Exception, SInvalidCast)
TAWO_EXCEPTION(EConvertError, Exception, "")
TAWO_EXCEPTION(EExternal, Exception, "")
TAWO_EXCEPTION(EAccessViolation, EExternal, "")
TAWO_EXCEPTION(EIntError, EExternal, "")
TAWO_EXCEPTION(EDivByZero, EIntError, SDivByZero)
TAWO_EXCEPTION(ERangeError, EIntError, SRangeError)
TAWO_EXCEPTION(EIntOverflow, EIntError, SIntOverflow)
TAWO_EXCEPTION(EMathError, EExternal, "")
TAWO_EXCEPTION(EInvalidOp, EMathError, SInvalidOp)
TAWO_EXCEPTION(EZeroDivide, EMathError, SZeroDivide)
TAWO_EXCEPTION(EOverflow, EMathError, SOverflow)
TAWO_EXCEPTION(EUnderflow, EMathError, SUnderflow)
// Raised by the property routines of unit TypInfo.
TAWO_EXCEPTION(EPropertyError, Exception, "")
TAWO_EXCEPTION(EPropertyConvertError, Exception, "")
// The control and graphics units raise these; declared here with the other exceptions so
// every layer can catch them before those units exist.
TAWO_EXCEPTION(EInvalidOperation, Exception, "")
TAWO_EXCEPTION(EInvalidGraphic, Exception, "")
TAWO_EXCEPTION(EInvalidGraphicOperation, Exception, "")

class EInOutError : public Exception {
  TAWO_CLASS(EInOutError, Exception)

 public:
  EInOutError(AnsiString message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
  // The framework's text for an I/O error code ("File not found", "I/O error 5").
  explicit EInOutError(int errorCode);

  int ErrorCode;
};

// Raises EAbort: the silent exception that ends an operation.
[[noreturn]] void Abort();

// ---------------------------------------------------------------------------------------------
// Locale (Polish, as on the product's machines). Changing them changes all conversions.

extern char DecimalSeparator;       // ','
extern char ThousandSeparator;      // no-break space, 0xA0 in code page 1250
extern char DateSeparator;          // '-'
extern char TimeSeparator;          // ':'
extern AnsiString ShortDateFormat;  // "yyyy-mm-dd"
extern AnsiString LongDateFormat;   // "d mmmm yyyy"
extern AnsiString ShortTimeFormat;  // "hh:nn"
extern AnsiString LongTimeFormat;   // "hh:nn:ss"
extern AnsiString TimeAMString;
extern AnsiString TimePMString;
extern AnsiString ShortMonthNames[12];
extern AnsiString LongMonthNames[12];
extern AnsiString ShortDayNames[7];  // Sunday first
extern AnsiString LongDayNames[7];

// ---------------------------------------------------------------------------------------------
// Format and number conversion.

// One argument of Format: the framework's open "array of const" element.
class TVarRec {
 public:
  enum TVType { vtInteger, vtBoolean, vtChar, vtExtended, vtPointer, vtPChar, vtObject, vtAnsiString, vtInt64 };

  TVarRec(int value) : VType(vtInteger), VInt64(value) {}
  TVarRec(unsigned value) : VType(vtInt64), VInt64(value) {}
  TVarRec(long value) : VType(vtInt64), VInt64(value) {}
  TVarRec(unsigned long value) : VType(vtInt64), VInt64(static_cast<int64_t>(value)) {}
  TVarRec(long long value) : VType(vtInt64), VInt64(value) {}
  TVarRec(unsigned long long value) : VType(vtInt64), VInt64(static_cast<int64_t>(value)) {}
  TVarRec(short value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(unsigned short value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(signed char value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(unsigned char value) : TVarRec(static_cast<int>(value)) {}
  TVarRec(bool value) : VType(vtBoolean), VInt64(value) {}
  TVarRec(char value) : VType(vtChar), VInt64(static_cast<unsigned char>(value)) {}
  TVarRec(double value) : VType(vtExtended), VExtended(value) {}
  TVarRec(long double value) : VType(vtExtended), VExtended(value) {}
  TVarRec(const char* value) : VType(vtPChar), VPChar(value) {}
  TVarRec(const AnsiString& value) : VType(vtAnsiString), VAnsiString(&value) {}
  TVarRec(const TObject* value) : VType(vtObject), VObject(value) {}
  TVarRec(const void* value) : VType(vtPointer), VPointer(value) {}
  TVarRec(std::nullptr_t) : VType(vtPointer), VPointer(nullptr) {}

  TVType VType;
  int64_t VInt64 = 0;
  long double VExtended = 0;
  const char* VPChar = nullptr;
  const AnsiString* VAnsiString = nullptr;
  const TObject* VObject = nullptr;
  const void* VPointer = nullptr;
};

using TVarRecs = std::initializer_list<TVarRec>;

// Format("%d of %s", {3, name}): % [index:] [-] [width] [.prec] type, types d u x s p e f g n
// and %%; '*' takes a width or precision from the arguments.
AnsiString Format(const AnsiString& format, TVarRecs args);

AnsiString IntToStr(int64_t value);
AnsiString IntToHex(int64_t value, int digits);
// Decimal or $hex with an optional sign; EConvertError when the text is not a number.
int StrToInt(const AnsiString& text);
int StrToIntDef(const AnsiString& text, int defaultValue);
bool TryStrToInt(const AnsiString& text, int& value);
int64_t StrToInt64(const AnsiString& text);
int64_t StrToInt64Def(const AnsiString& text, int64_t defaultValue);

enum class TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };
AnsiString FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
// The same with a given decimal separator instead of the locale's.
AnsiString FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                       char decimalSeparator);
// Shortest form with 15 significant digits and the locale's decimal separator.
AnsiString FloatToStr(long double value);
long double StrToFloat(const AnsiString& text);
namespace detail {
// Digits with '.' and an optional exponent (no blanks); underflow reads as zero, overflow
// and malformed text fail.
bool ParsePlainFloat(const AnsiString& text, long double& value);
}  // namespace detail
long double StrToFloatDef(const AnsiString& text, long double defaultValue);
bool TryStrToFloat(const AnsiString& text, long double& value);

// ---------------------------------------------------------------------------------------------
// Strings.

AnsiString Trim(const AnsiString& text);
AnsiString TrimLeft(const AnsiString& text);
AnsiString TrimRight(const AnsiString& text);
// ASCII letters only.
AnsiString UpperCase(const AnsiString& text);
AnsiString LowerCase(const AnsiString& text);
int CompareStr(const AnsiString& a, const AnsiString& b);
int CompareText(const AnsiString& a, const AnsiString& b);
bool SameText(const AnsiString& a, const AnsiString& b);
// All letters of code page 1250 (ą → Ą, ł → Ł).
AnsiString AnsiUpperCase(const AnsiString& text);
AnsiString AnsiLowerCase(const AnsiString& text);
int AnsiCompareStr(const AnsiString& a, const AnsiString& b);
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
bool AnsiSameText(const AnsiString& a, const AnsiString& b);
AnsiString QuotedStr(const AnsiString& text);
AnsiString AnsiQuotedStr(const AnsiString& text, char quote);
// Reads a quoted string starting at `position`, undoubling the quotes; advances `position`
// past the closing quote (or to the end when it is missing).
AnsiString AnsiExtractQuotedStr(const AnsiString& text, std::size_t& position, char quote);
bool IsValidIdent(const AnsiString& ident);
AnsiString StringOfChar(char ch, int count);

// ---------------------------------------------------------------------------------------------
// Dates and times: days since 1899-12-30, the time of day as the fraction.

using TDateTime = double;

TDateTime EncodeDate(int year, int month, int day);
void DecodeDate(TDateTime date, uint16_t& year, uint16_t& month, uint16_t& day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
void DecodeTime(TDateTime time, uint16_t& hour, uint16_t& minute, uint16_t& second,
                uint16_t& millisecond);
bool IsLeapYear(int year);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);
TDateTime Now();
TDateTime Date();
TDateTime Time();
AnsiString FormatDateTime(const AnsiString& format, TDateTime dateTime);
AnsiString DateToStr(TDateTime date);
AnsiString TimeToStr(TDateTime time);
AnsiString DateTimeToStr(TDateTime dateTime);
// The reverse of DateToStr, TimeToStr and DateTimeToStr: numbers in the order of
// ShortDateFormat separated by DateSeparator, and hours, minutes and optional seconds separated
// by TimeSeparator. EConvertError for any other text.
TDateTime StrToDate(const AnsiString& text);
TDateTime StrToTime(const AnsiString& text);
TDateTime StrToDateTime(const AnsiString& text);

// ---------------------------------------------------------------------------------------------
// File names (string routines only; nothing touches the disk). Both '\' and '/' separate names.

AnsiString ExtractFilePath(const AnsiString& fileName);
AnsiString ExtractFileDir(const AnsiString& fileName);
AnsiString ExtractFileName(const AnsiString& fileName);
AnsiString ExtractFileExt(const AnsiString& fileName);
AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension);
AnsiString IncludeTrailingBackslash(const AnsiString& path);
AnsiString ExcludeTrailingBackslash(const AnsiString& path);

// =============================================================================================
// Files, folders, drives and the command line, over the platform's file API.
// =============================================================================================

// File attributes as FindFirst and FileGetAttr report them.
inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faVolumeID = 0x08;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faAnyFile = 0x3F;

// FileOpen modes: one access mode or'ed with one share mode. fmCreate is TFileStream's.
inline constexpr uint16_t fmCreate = 0xFFFF;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyRead = 0x0030;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

// Current directory without a trailing '\' (except for a root such as "C:\").
AnsiString GetCurrentDir();
bool SetCurrentDir(const AnsiString& dir);
// Creates every missing folder of `dir`; false when a level cannot be created. An empty name
// raises EInOutError "Unable to create directory".
bool ForceDirectories(AnsiString dir);
bool DirectoryExists(const AnsiString& name);
// True for an existing file; a folder is not a file, and wildcards match nothing.
bool FileExists(const AnsiString& name);
bool CreateDir(const AnsiString& dir);
// Only an empty folder.
bool RemoveDir(const AnsiString& dir);
// Fails for read-only files and for folders.
bool DeleteFile(const AnsiString& fileName);
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);
// The full path of `fileName` taken relative to the current directory.
AnsiString ExpandFileName(const AnsiString& fileName);

// Attributes, or -1 when the file is missing.
int FileGetAttr(const AnsiString& fileName);
// 0, or the Windows error code.
int FileSetAttr(const AnsiString& fileName, int attr);
// Last-write time of a file as a local DOS date and time (date in the high word), or -1 when
// the file is missing or a folder.
int FileAge(const AnsiString& fileName);
TDateTime FileDateToDateTime(int fileDate);
int DateTimeToFileDate(TDateTime dateTime);

struct TSearchRec {
  int Time = 0;      // last write, local DOS date and time
  int64_t Size = 0;  // bytes, all 64 bits
  int Attr = 0;      // Windows attributes
  AnsiString Name;   // file name only
  int ExcludeAttr = 0;
  HANDLE FindHandle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA FindData{};
};

// 0 when an entry was found, otherwise the Windows error code (2 nothing matches, 3 the folder
// is missing, 18 no more entries). Entries with a hidden, system, volume or directory bit that
// `attr` lacks are skipped; normal, read-only and archive files always match. A failed
// FindFirst leaves nothing open.
int FindFirst(const AnsiString& path, int attr, TSearchRec& searchRec);
int FindNext(TSearchRec& searchRec);
// Safe to call more than once and after a failed FindFirst.
void FindClose(TSearchRec& searchRec);

// Bytes free to the caller / total bytes on a drive: 0 the current drive, 1 A:, 3 C: ...
// -1 when the drive is invalid or not ready.
int64_t DiskFree(int drive);
int64_t DiskSize(int drive);

// Low-level file handles; INVALID_HANDLE_VALUE on failure.
HANDLE FileOpen(const AnsiString& fileName, unsigned mode);
HANDLE FileCreate(const AnsiString& fileName);
// Bytes read or written, -1 on failure.
int FileRead(HANDLE handle, void* buffer, int count);
int FileWrite(HANDLE handle, const void* buffer, int count);
// Origin 0 = start, 1 = current, 2 = end; the new position or -1.
int64_t FileSeek(HANDLE handle, int64_t offset, int origin);
void FileClose(HANDLE handle);

// The program's path (0) or a command-line argument with its quotes removed; '' past the end.
AnsiString ParamStr(int index);
int ParamCount();
