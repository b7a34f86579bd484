// The COM task allocator (CoTaskMemAlloc and IMalloc). Each block carries its size in a
// header, so IMalloc::GetSize can answer.
#pragma once

#include <objbase.h>

class TaskAllocator : public IMalloc {
 public:
  static TaskAllocator& Instance();

  static void* Allocate(SIZE_T size);
  static void* Reallocate(void* block, SIZE_T size);
  static void Release(void* block);
  static SIZE_T SizeOf(void* block);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  void* STDMETHODCALLTYPE Alloc(SIZE_T cb) override { return Allocate(cb); }
  void* STDMETHODCALLTYPE Realloc(void* pv, SIZE_T cb) override { return Reallocate(pv, cb); }
  void STDMETHODCALLTYPE Free(void* pv) override { Release(pv); }
  SIZE_T STDMETHODCALLTYPE GetSize(void* pv) override { return SizeOf(pv); }
  int STDMETHODCALLTYPE DidAlloc(void* pv) override;
  void STDMETHODCALLTYPE HeapMinimize() override {}

 private:
  TaskAllocator() = default;
};
