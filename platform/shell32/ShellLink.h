// The shell link object (CLSID_ShellLink): IShellLinkA to describe a link, IPersistFile to
// save it to and load it from a .lnk file. Reference counted; it frees itself at zero.
#pragma once

#include <atomic>
#include <string>

#include <shlobj.h>

#include "LinkFile.h"

class ShellLink final : public IShellLinkA, public IPersistFile {
 public:
  ShellLink() = default;
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  // IUnknown (shared by both interfaces).
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IShellLinkA.
  HRESULT STDMETHODCALLTYPE GetPath(LPSTR pszFile, int cch, WIN32_FIND_DATAA* pfd, DWORD fFlags) override;
  HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE* ppidl) override;
  HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE pidl) override;
  HRESULT STDMETHODCALLTYPE GetDescription(LPSTR pszName, int cch) override;
  HRESULT STDMETHODCALLTYPE SetDescription(LPCSTR pszName) override;
  HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPSTR pszDir, int cch) override;
  HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCSTR pszDir) override;
  HRESULT STDMETHODCALLTYPE GetArguments(LPSTR pszArgs, int cch) override;
  HRESULT STDMETHODCALLTYPE SetArguments(LPCSTR pszArgs) override;
  HRESULT STDMETHODCALLTYPE GetHotkey(WORD* pwHotkey) override;
  HRESULT STDMETHODCALLTYPE SetHotkey(WORD wHotkey) override;
  HRESULT STDMETHODCALLTYPE GetShowCmd(int* piShowCmd) override;
  HRESULT STDMETHODCALLTYPE SetShowCmd(int iShowCmd) override;
  HRESULT STDMETHODCALLTYPE GetIconLocation(LPSTR pszIconPath, int cch, int* piIcon) override;
  HRESULT STDMETHODCALLTYPE SetIconLocation(LPCSTR pszIconPath, int iIcon) override;
  HRESULT STDMETHODCALLTYPE SetRelativePath(LPCSTR pszPathRel, DWORD dwReserved) override;
  HRESULT STDMETHODCALLTYPE Resolve(HWND hwnd, DWORD fFlags) override;
  HRESULT STDMETHODCALLTYPE SetPath(LPCSTR pszFile) override;

  // IPersistFile.
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClassID) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR pszFileName, DWORD dwMode) override;
  HRESULT STDMETHODCALLTYPE Save(LPCOLESTR pszFileName, BOOL fRemember) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR pszFileName) override;
  HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* ppszFileName) override;

 private:
  ~ShellLink() = default;
  HRESULT SetText(std::string& field, LPCSTR text);
  void DescribeTarget();
  static HRESULT CopyOut(const std::string& text, LPSTR buffer, int size);
  static std::string RelativeTo(const std::string& linkFile, const std::string& target);

  std::atomic<ULONG> references_{1};
  ShellLinkData link_;
  std::u16string currentFile_;
  bool dirty_ = false;
};
