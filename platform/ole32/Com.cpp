// COM initialisation, object creation, the task allocator and the interface identifiers.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <objbase.h>

#include "ClassTable.h"
#include "ComApartment.h"
#include "TaskAllocator.h"

extern "C" {
const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IMalloc = {0x00000002, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IPersist = {0x0000010C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IPersistFile = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

namespace {

struct ThreadState {
  unsigned count = 0;
  DWORD model = 0;
};
thread_local ThreadState state;

constexpr SIZE_T kHeader = 16;  // keeps blocks 16-byte aligned

}  // namespace

HRESULT ComApartment::Enter(DWORD model) {
  DWORD kind = model & COINIT_APARTMENTTHREADED;
  if (state.count > 0) {
    if (kind != state.model) return RPC_E_CHANGED_MODE;
    ++state.count;
    return S_FALSE;
  }
  state.count = 1;
  state.model = kind;
  return S_OK;
}

void ComApartment::Leave() {
  if (state.count > 0) --state.count;
}

bool ComApartment::IsEntered() { return state.count > 0; }

TaskAllocator& TaskAllocator::Instance() {
  static TaskAllocator allocator;
  return allocator;
}

void* TaskAllocator::Allocate(SIZE_T size) {
  if (size > SIZE_MAX - kHeader) return nullptr;
  auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
  if (!block) return nullptr;
  std::memcpy(block, &size, sizeof size);
  return block + kHeader;
}

void* TaskAllocator::Reallocate(void* block, SIZE_T size) {
  if (!block) return Allocate(size);
  if (size == 0) {
    Release(block);
    return nullptr;
  }
  if (size > SIZE_MAX - kHeader) return nullptr;
  auto* grown = static_cast<unsigned char*>(std::realloc(static_cast<unsigned char*>(block) - kHeader, size + kHeader));
  if (!grown) return nullptr;
  std::memcpy(grown, &size, sizeof size);
  return grown + kHeader;
}

void TaskAllocator::Release(void* block) {
  if (block) std::free(static_cast<unsigned char*>(block) - kHeader);
}

SIZE_T TaskAllocator::SizeOf(void* block) {
  if (!block) return static_cast<SIZE_T>(-1);
  SIZE_T size;
  std::memcpy(&size, static_cast<unsigned char*>(block) - kHeader, sizeof size);
  return size;
}

HRESULT TaskAllocator::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IMalloc) {
    *object = this;
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

// Whether a block came from here cannot be told from the pointer alone: -1 says "unknown".
int TaskAllocator::DidAlloc(void* pv) { return pv ? -1 : 0; }

extern "C" {

HRESULT CoInitialize(LPVOID) { return ComApartment::Enter(COINIT_APARTMENTTHREADED); }

HRESULT CoInitializeEx(LPVOID, DWORD dwCoInit) { return ComApartment::Enter(dwCoInit); }

void CoUninitialize(void) { ComApartment::Leave(); }

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (!ComApartment::IsEntered()) return CO_E_NOTINITIALIZED;
  IClassFactory* factory = nullptr;
  HRESULT result = CoGetClassObject(rclsid, dwClsContext, nullptr, IID_IClassFactory, reinterpret_cast<void**>(&factory));
  if (FAILED(result)) return result;
  result = factory->CreateInstance(pUnkOuter, riid, ppv);
  factory->Release();
  return result;
}

HRESULT CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD, LPDWORD lpdwRegister) {
  if (!pUnk || !lpdwRegister) return E_INVALIDARG;
  *lpdwRegister = ClassTable::Instance().Register(rclsid, pUnk, dwClsContext);
  return S_OK;
}

HRESULT CoRevokeClassObject(DWORD dwRegister) {
  return ClassTable::Instance().Revoke(dwRegister) ? S_OK : CO_E_OBJNOTREG;
}

HRESULT CoGetClassObject(REFCLSID rclsid, DWORD dwClsContext, LPVOID, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  IUnknown* classObject = ClassTable::Instance().Find(rclsid, dwClsContext);
  if (!classObject) return REGDB_E_CLASSNOTREG;
  HRESULT result = classObject->QueryInterface(riid, ppv);
  classObject->Release();
  return result;
}

HRESULT CoGetMalloc(DWORD dwMemContext, LPMALLOC* ppMalloc) {
  if (!ppMalloc) return E_POINTER;
  if (dwMemContext != MEMCTX_TASK) {
    *ppMalloc = nullptr;
    return E_INVALIDARG;
  }
  *ppMalloc = &TaskAllocator::Instance();
  return S_OK;
}

LPVOID CoTaskMemAlloc(SIZE_T cb) { return TaskAllocator::Allocate(cb); }

LPVOID CoTaskMemRealloc(LPVOID pv, SIZE_T cb) { return TaskAllocator::Reallocate(pv, cb); }

void CoTaskMemFree(LPVOID pv) { TaskAllocator::Release(pv); }

}
