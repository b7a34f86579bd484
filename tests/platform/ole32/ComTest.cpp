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
