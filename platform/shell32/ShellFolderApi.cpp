// Class and interface identifiers of the shell, its class objects, special folders and item
// identifier lists.
#include <cstring>
#include <new>

#include <shlobj.h>

#include "ItemIdList.h"
#include "ShellLink.h"
#include "ShellLinkFactory.h"
#include "ShellFolders.h"

extern "C" {
const CLSID CLSID_ShellLink = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IShellLinkA = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

ShellLinkFactory& ShellLinkFactory::Instance() {
  static ShellLinkFactory factory;
  return factory;
}

HRESULT ShellLinkFactory::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IClassFactory) {
    *object = this;
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

HRESULT ShellLinkFactory::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (pUnkOuter) return CLASS_E_NOAGGREGATION;
  auto* link = new (std::nothrow) ShellLink();
  if (!link) return E_OUTOFMEMORY;
  HRESULT result = link->QueryInterface(riid, object);
  link->Release();
  return result;
}

extern "C" {

HRESULT WINAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (rclsid != CLSID_ShellLink) return CLASS_E_CLASSNOTAVAILABLE;
  return ShellLinkFactory::Instance().QueryInterface(riid, ppv);
}

}  // extern "C"

namespace {

// The module's start: the shell's class objects are registered with COM for the whole process,
// as a loaded in-process server's are. The program keeps this file through DllGetClassObject
// (see the build file), whatever else of the shell it uses.
struct ShellModule {
  ShellModule() {
    DWORD cookie = 0;
    CoRegisterClassObject(CLSID_ShellLink, &ShellLinkFactory::Instance(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
  }
} shellModule;

}  // namespace

extern "C" {

HRESULT WINAPI SHGetMalloc(IMalloc** ppMalloc) { return CoGetMalloc(MEMCTX_TASK, ppMalloc); }

void WINAPI ILFree(LPITEMIDLIST pidl) { CoTaskMemFree(pidl); }

HRESULT WINAPI SHGetSpecialFolderLocation(HWND, int csidl, PIDLIST_ABSOLUTE* ppidl) {
  if (!ppidl) return E_INVALIDARG;
  *ppidl = nullptr;
  std::string bytes;
  std::string path;
  if ((csidl & 0xFF) == CSIDL_DESKTOP) {
    bytes.assign(2, '\0');  // the desktop is the empty list
  } else if ((csidl & 0xFF) == CSIDL_DRIVES) {
    bytes = ItemIdList::Build("C:\\", true).substr(0, 20) + std::string(2, '\0');  // My Computer alone
  } else if (ShellFolders::Path(csidl, path)) {
    bytes = ItemIdList::Build(path, true);
  } else {
    return E_INVALIDARG;
  }
  *ppidl = ItemIdList::Allocate(bytes);
  return *ppidl ? S_OK : E_OUTOFMEMORY;
}

BOOL WINAPI SHGetPathFromIDListA(PCIDLIST_ABSOLUTE pidl, LPSTR pszPath) {
  if (!pszPath) return FALSE;
  *pszPath = '\0';
  if (!pidl) return FALSE;
  size_t size = ItemIdList::SizeOf(pidl, 65536);
  std::string path;
  if (size == 2) {
    ShellFolders::Path(CSIDL_DESKTOPDIRECTORY, path);
  } else if (size == 0 || !ItemIdList::ToPath(reinterpret_cast<const std::uint8_t*>(pidl), size, path)) {
    return FALSE;
  }
  if (path.size() >= MAX_PATH) return FALSE;
  std::memcpy(pszPath, path.c_str(), path.size() + 1);
  return TRUE;
}

BOOL WINAPI SHGetSpecialFolderPathA(HWND, LPSTR pszPath, int csidl, BOOL fCreate) {
  if (!pszPath) return FALSE;
  *pszPath = '\0';
  std::string path;
  if (!ShellFolders::Path(csidl, path) || path.size() >= MAX_PATH) return FALSE;
  if (fCreate || (csidl & CSIDL_FLAG_CREATE)) {
    for (size_t slash = path.find('\\', 3);; slash = path.find('\\', slash + 1)) {
      CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
      if (slash == std::string::npos) break;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return FALSE;
  }
  std::memcpy(pszPath, path.c_str(), path.size() + 1);
  return TRUE;
}

}
