#include "StartMenuShortcut.h"

#include <SysUtils.h>
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

WideString ToWide(const AnsiString& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  WideString wide(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<LPWSTR>(wide.data()),
                      length);
  return wide;
}

}  // namespace

AnsiString StartMenuShortcut::SpecialFolderPath(int folder) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list))) return "";
  char path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return found ? AnsiString(path) : AnsiString();
}

void StartMenuShortcut::Create(const AnsiString& target, const AnsiString& linkFile, const AnsiString& description) {
  if (FAILED(CoInitialize(nullptr))) return;
  SaveLink(target, ToWide(linkFile), description);
  CoUninitialize();
}

void StartMenuShortcut::SaveLink(const AnsiString& target, const WideString& linkFile, const AnsiString& description) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return;
  }
  link->SetPath(target.c_str());
  link->SetDescription(description.c_str());
  link->SetWorkingDirectory(ExtractFilePath(target).c_str());
  link->SetIconLocation(target.c_str(), 0);
  link->SetShowCmd(SW_SHOW);
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    file->Save(reinterpret_cast<LPCOLESTR>(linkFile.c_str()), TRUE);
    file->Release();
  }
  link->Release();
}
