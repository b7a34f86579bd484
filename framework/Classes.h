// Unit Classes: its exceptions, the class registry, registered integer identifiers, global
// component lookup, form resources and the form-description conversions. The classes of the
// unit have their own headers (TComponent.h, TStrings.h, TStream.h, TReader.h ...).
#pragma once

#include "Messages.h"
#include "SysUtils.h"
#include "System.h"
#include "TypInfo.h"

// The SDK maps RegisterClass to the window-class call; in this framework the name belongs to
// the class registry, so every unit sees the same declaration whatever it includes first.
#include <windows.h>
#undef RegisterClass

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

class TComponent;
class TStream;

TAWO_EXCEPTION(EListError, Exception, "")
TAWO_EXCEPTION(EStringListError, EListError, "")
TAWO_EXCEPTION(EComponentError, Exception, "")
TAWO_EXCEPTION(EStreamError, Exception, "")
TAWO_EXCEPTION(EFCreateError, EStreamError, "")
TAWO_EXCEPTION(EFOpenError, EStreamError, "")
TAWO_EXCEPTION(EFilerError, EStreamError, "")
TAWO_EXCEPTION(EReadError, EFilerError, "")
TAWO_EXCEPTION(EWriteError, EFilerError, "")
TAWO_EXCEPTION(EClassNotFound, EFilerError, "")
TAWO_EXCEPTION(EInvalidImage, EFilerError, "")
TAWO_EXCEPTION(EResNotFound, Exception, "")
// Syntax errors of text form descriptions; a reading error like the others of the reader.
TAWO_EXCEPTION(EParserError, EReadError, "")

// Horizontal alignment of text in controls.
TAWO_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// ---------------------------------------------------------------------------------------------
// Class registry (names are case-insensitive).

// Registering a class again is harmless; another class of the same name raises EFilerError.
void RegisterClass(TClass aClass);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass aClass);
// The class, or null.
TClass GetClass(const AnsiString& className);
// The class, or EClassNotFound "Class %s not found".
TClass FindClass(const AnsiString& className);

// ---------------------------------------------------------------------------------------------
// Integer types whose values have names in form descriptions (TColor: clBtnFace).

using TIdentToInt = std::function<bool(const AnsiString& ident, int32_t& value)>;
using TIntToIdent = std::function<bool(int32_t value, AnsiString& ident)>;
void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent);
const TIdentToInt* FindIdentToInt(PTypeInfo integerType);
const TIntToIdent* FindIntToIdent(PTypeInfo integerType);

// ---------------------------------------------------------------------------------------------
// Roots outside the one being read (other forms), for references such as Form2.PopupMenu1.

using TFindGlobalComponent = TComponent* (*)(const AnsiString& name);
void RegisterFindGlobalComponent(TFindGlobalComponent finder);
void UnregisterFindGlobalComponent(TFindGlobalComponent finder);
TComponent* FindGlobalComponent(const AnsiString& name);

// References into roots that were not loaded yet stay pending (csFixups on the component).
// GlobalFixupReferences resolves what it can now; a destroyed component's pending references
// are dropped.
void GlobalFixupReferences();
void RemoveFixupReferences(TComponent* component);

// ---------------------------------------------------------------------------------------------
// Form descriptions compiled into the program, found by the upper-case root class name.

// Registers a form description (text or binary) under a name such as "TFORM1". Returns true
// so that it can initialise a static: `static const bool reg = RegisterFormResource(...)`.
bool RegisterFormResource(const AnsiString& name, std::string_view data);
// The registered bytes, or null.
const AnsiString* FindFormResource(const AnsiString& name);
// Reads the root `instance` from the resource named after its class (binary or text).
// Returns false when there is no such resource.
bool InitComponentRes(TComponent* instance);
// Reads the descriptions of the instance's classes below `rootAncestor` (ancestors first).
// Returns false when none of them has one.
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor);
// Reads a root from the named resource; creates it when `instance` is null.
TComponent* ReadComponentRes(const AnsiString& resName, TComponent* instance);

// ---------------------------------------------------------------------------------------------
// Conversions between the text and binary (TPF0) form descriptions.

enum class TStreamOriginalFormat { sofUnknown, sofBinary, sofText };
// Looks at the stream's next bytes without consuming them.
TStreamOriginalFormat TestStreamFormat(TStream& stream);
void ObjectBinaryToText(TStream& input, TStream& output);
// Where the text of each object and property went: the offset of its record in the binary
// form and its line in the text, in the order written.
struct TFormTextLine {
  int64_t Offset;
  int Line;
};
// With `lines`, the line of every object and property is noted.
void ObjectTextToBinary(TStream& input, TStream& output, std::vector<TFormTextLine>* lines = nullptr);
// The line of the object or property whose record holds the byte at `offset`; 0 before the
// first.
int TextLineAt(const std::vector<TFormTextLine>& lines, int64_t offset);

// ---------------------------------------------------------------------------------------------
// Window procedures that call a method, and windows that only receive messages.

// A window procedure that calls `method` with each message; EOutOfResources when all of the
// fixed number of instances are in use. Free it when the window no longer uses it.
WNDPROC MakeObjectInstance(const TWndMethod& method);
void FreeObjectInstance(WNDPROC instance);
// A hidden window whose messages go to `method` (to DefWindowProc when unassigned).
HWND AllocateHWnd(const TWndMethod& method);
void DeallocateHWnd(HWND window);
// Exceptions escaping such a window procedure go to Application->HandleException.
