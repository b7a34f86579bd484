// Unit Forms: the types of forms and the application, the global Application and Screen
// objects, and the unit's free routines. The classes have their own headers (TCustomForm.h,
// TForm.h, TApplication.h, TScreen.h).
#pragma once

#include "Controls.h"
#include "SysUtils.h"
#include "System.h"
#include "TUnitGlobal.h"
#include "TypInfo.h"

class TApplication;
class TScreen;
class TCustomForm;
class TControl;

TAWO_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
using TBorderStyle = TFormBorderStyle;
TAWO_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
TAWO_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
          poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
TAWO_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
TAWO_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
TAWO_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
TAWO_ENUM(TFormStateItem, fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild,
          fsActivated)
using TFormState = TSet<TFormStateItem>;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TExceptionEvent = TEvent<TObject*, Exception&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using TMessageEvent = TEvent<MSG&, bool&>;
using TShowHintEvent = TEvent<AnsiString&, bool&, THintInfo&>;
// A hook on the application's window: returns true to stop the message there.
using TWindowHook = TEvent<TMessage&, bool&>;

inline constexpr const char* SCannotShowModal = "Cannot make a visible window modal";
inline constexpr const char* SVisibleChanged = "Cannot change Visible in OnShow or OnHide";

// The unit's start-up makes Screen, then Application, on the first use of either (and before
// the first component), and registers the forms with the reader's global component lookup.
extern TUnitGlobal<TApplication> Application;
extern TUnitGlobal<TScreen> Screen;

// The form a control sits on (following parents), or null.
TCustomForm* GetParentForm(TControl* control);
// The same, raising EInvalidOperation when there is none.
TCustomForm* ValidParentForm(TControl* control);
