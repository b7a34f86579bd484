// The class object that makes shell link objects, handed to ole32 by DllGetClassObject.
#pragma once

#include <unknwn.h>

class ShellLinkFactory : public IClassFactory {
 public:
  static ShellLinkFactory& Instance();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

 private:
  ShellLinkFactory() = default;
};
