// COM interfaces of the object layer: the task allocator and file persistence.
#pragma once

#include "unknwn.h"

extern "C" const IID IID_IMalloc;
extern "C" const IID IID_IPersist;
extern "C" const IID IID_IPersistFile;

struct IMalloc : public IUnknown {
  STDMETHOD_(void*, Alloc)(SIZE_T cb) PURE;
  STDMETHOD_(void*, Realloc)(void* pv, SIZE_T cb) PURE;
  STDMETHOD_(void, Free)(void* pv) PURE;
  STDMETHOD_(SIZE_T, GetSize)(void* pv) PURE;
  STDMETHOD_(int, DidAlloc)(void* pv) PURE;
  STDMETHOD_(void, HeapMinimize)() PURE;
};
typedef IMalloc* LPMALLOC;

struct IPersist : public IUnknown {
  STDMETHOD(GetClassID)(CLSID* pClassID) PURE;
};

struct IPersistFile : public IPersist {
  STDMETHOD(IsDirty)() PURE;
  STDMETHOD(Load)(LPCOLESTR pszFileName, DWORD dwMode) PURE;
  STDMETHOD(Save)(LPCOLESTR pszFileName, BOOL fRemember) PURE;
  STDMETHOD(SaveCompleted)(LPCOLESTR pszFileName) PURE;
  STDMETHOD(GetCurFile)(LPOLESTR* ppszFileName) PURE;
};
typedef IPersistFile* LPPERSISTFILE;

#define STGM_READ 0x00000000L
#define STGM_WRITE 0x00000001L
#define STGM_READWRITE 0x00000002L
#define STGM_SHARE_DENY_NONE 0x00000040L
#define STGM_SHARE_DENY_READ 0x00000030L
#define STGM_SHARE_DENY_WRITE 0x00000020L
#define STGM_SHARE_EXCLUSIVE 0x00000010L
