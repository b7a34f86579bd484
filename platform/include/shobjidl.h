// Shell object interfaces: the shell link.
#pragma once

#include "objidl.h"
#include "shtypes.h"
#include "winbase.h"

#define SLGP_SHORTPATH 0x0001
#define SLGP_UNCPRIORITY 0x0002
#define SLGP_RAWPATH 0x0004

#define SLR_NO_UI 0x0001
#define SLR_ANY_MATCH 0x0002
#define SLR_UPDATE 0x0004
#define SLR_NOUPDATE 0x0008
#define SLR_NOSEARCH 0x0010
#define SLR_NOTRACK 0x0020

#define INFOTIPSIZE 1024

extern "C" const IID IID_IShellLinkA;

struct IShellLinkA : public IUnknown {
  STDMETHOD(GetPath)(LPSTR pszFile, int cch, WIN32_FIND_DATAA* pfd, DWORD fFlags) PURE;
  STDMETHOD(GetIDList)(PIDLIST_ABSOLUTE* ppidl) PURE;
  STDMETHOD(SetIDList)(PCIDLIST_ABSOLUTE pidl) PURE;
  STDMETHOD(GetDescription)(LPSTR pszName, int cch) PURE;
  STDMETHOD(SetDescription)(LPCSTR pszName) PURE;
  STDMETHOD(GetWorkingDirectory)(LPSTR pszDir, int cch) PURE;
  STDMETHOD(SetWorkingDirectory)(LPCSTR pszDir) PURE;
  STDMETHOD(GetArguments)(LPSTR pszArgs, int cch) PURE;
  STDMETHOD(SetArguments)(LPCSTR pszArgs) PURE;
  STDMETHOD(GetHotkey)(WORD* pwHotkey) PURE;
  STDMETHOD(SetHotkey)(WORD wHotkey) PURE;
  STDMETHOD(GetShowCmd)(int* piShowCmd) PURE;
  STDMETHOD(SetShowCmd)(int iShowCmd) PURE;
  STDMETHOD(GetIconLocation)(LPSTR pszIconPath, int cch, int* piIcon) PURE;
  STDMETHOD(SetIconLocation)(LPCSTR pszIconPath, int iIcon) PURE;
  STDMETHOD(SetRelativePath)(LPCSTR pszPathRel, DWORD dwReserved) PURE;
  STDMETHOD(Resolve)(HWND hwnd, DWORD fFlags) PURE;
  STDMETHOD(SetPath)(LPCSTR pszFile) PURE;
};
typedef IShellLinkA* LPSHELLLINKA;
#define IShellLink IShellLinkA
#define IID_IShellLink IID_IShellLinkA
