#include <gtest/gtest.h>
#include <objbase.h>

#include <thread>

namespace {

TEST(Com, InitialisationCountsAndRefusesAChangeOfModel) {
  std::thread([] {
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "balanced: the thread starts afresh";
    CoUninitialize();
  }).join();
}

TEST(Com, CreatingNeedsInitialisationAndAKnownClass) {
  std::thread([] {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(IID_IUnknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), CO_E_NOTINITIALIZED);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(IID_IUnknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoCreateInstance(IID_IUnknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr), E_POINTER);
    CoUninitialize();
  }).join();
}

// A class object whose instances are the factory itself; it counts its references.
struct CountingFactory : IClassFactory {
  ULONG references = 1;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return *object = nullptr, E_NOINTERFACE;
    AddRef();
    *object = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** object) override {
    return QueryInterface(riid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

TEST(Com, RegisteredClassObjectsCreateUntilRevoked) {
  const CLSID clsid = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
  CountingFactory factory;
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(clsid, &factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
  EXPECT_EQ(factory.references, 2u) << "the table holds a reference";
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  void* object = nullptr;
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &object), REGDB_E_CLASSNOTREG)
      << "registered for another context";
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, &object), S_OK);
  EXPECT_EQ(object, static_cast<IUnknown*>(&factory));
  static_cast<IUnknown*>(object)->Release();
  EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
  EXPECT_EQ(factory.references, 1u);
  EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IUnknown, &object), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoRevokeClassObject(cookie), CO_E_OBJNOTREG);
  CoUninitialize();
}

TEST(Com, TaskAllocatorKnowsItsBlockSizes) {
  IMalloc* malloc = nullptr;
  ASSERT_EQ(CoGetMalloc(MEMCTX_TASK, &malloc), S_OK);
  void* block = malloc->Alloc(100);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(malloc->GetSize(block), 100u);
  block = malloc->Realloc(block, 5000);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(malloc->GetSize(block), 5000u);
  malloc->Free(block);
  void* task = CoTaskMemAlloc(8);
  EXPECT_NE(task, nullptr);
  CoTaskMemFree(task);
  CoTaskMemFree(nullptr);
  EXPECT_EQ(CoTaskMemAlloc(static_cast<SIZE_T>(-1)), nullptr) << "an absurd size fails";
  IUnknown* unknown = nullptr;
  EXPECT_EQ(malloc->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&unknown)), E_NOINTERFACE);
  EXPECT_EQ(unknown, nullptr);
}

}  // namespace
