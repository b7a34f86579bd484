// Mutexes: CreateMutexA, OpenMutexA, ReleaseMutex.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cctype>
#include <cstdio>

#include "HandleTable.h"
#include "MutexNamespace.h"
#include "Prefix.h"
#include "Win32Error.h"

namespace {
pid_t CurrentThread() { return gettid(); }
}  // namespace

MutexObject::~MutexObject() {
  if (lockFd_ >= 0) close(lockFd_);
}

void MutexObject::TakeInitialOwnership() {
  std::lock_guard lock(mutex_);
  owner_ = CurrentThread();
  count_ = 1;
}

DWORD MutexObject::Wait(DWORD milliseconds) {
  std::unique_lock lock(mutex_);
  pid_t self = CurrentThread();
  if (count_ > 0 && owner_ == self) {
    ++count_;
    return WAIT_OBJECT_0;
  }
  auto isFree = [this] { return count_ == 0; };
  if (milliseconds == INFINITE) {
    released_.wait(lock, isFree);
  } else if (!released_.wait_for(lock, std::chrono::milliseconds(milliseconds), isFree)) {
    return WAIT_TIMEOUT;
  }
  owner_ = self;
  count_ = 1;
  return WAIT_OBJECT_0;
}

bool MutexObject::Release() {
  std::lock_guard lock(mutex_);
  if (count_ == 0 || owner_ != CurrentThread()) return Win32Error::Fail(ERROR_NOT_OWNER);
  if (--count_ == 0) {
    owner_ = 0;
    released_.notify_one();
  }
  return true;
}

MutexNamespace& MutexNamespace::Instance() {
  static MutexNamespace names;
  return names;
}

std::string MutexNamespace::FileName(const std::string& name) {
  std::string file;
  for (unsigned char c : name) {
    if (std::isalnum(c) || c == '.' || c == '_' || c == '-') {
      file.push_back(static_cast<char>(c));
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      file += escaped;
    }
  }
  return file;
}

int MutexNamespace::JoinLockFile(const std::string& name, bool create, bool& existed) {
  std::string folder = Prefix::Instance().Root() + "/mutexes";
  mkdir(folder.c_str(), 0777);
  // The guard serialises the test-and-join of all processes, so two creators cannot both
  // see the name as new.
  int guard = open((folder + "/.guard").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (guard < 0 || flock(guard, LOCK_EX) != 0) {
    if (guard >= 0) close(guard);
    SetLastError(Win32Error::FromErrno(errno));
    return -1;
  }
  int fd = open((folder + "/" + FileName(name) + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd >= 0) {
    existed = flock(fd, LOCK_EX | LOCK_NB) != 0;
    if (!existed && !create) {
      close(fd);
      fd = -1;
      SetLastError(ERROR_FILE_NOT_FOUND);
    } else {
      flock(fd, LOCK_SH);
    }
  } else {
    SetLastError(Win32Error::FromErrno(errno));
  }
  close(guard);
  return fd;
}

std::shared_ptr<MutexObject> MutexNamespace::Get(const std::string& name, bool create, bool& existed) {
  std::lock_guard lock(mutex_);
  if (auto object = objects_[name].lock()) {
    existed = true;
    return object;
  }
  int fd = JoinLockFile(name, create, existed);
  if (fd < 0) return nullptr;
  auto object = std::make_shared<MutexObject>(fd);
  objects_[name] = object;
  return object;
}

namespace {

// The name without its "Global\" or "Local\" namespace; false for names that cannot exist.
bool ObjectName(LPCSTR raw, std::string& name) {
  name = raw;
  for (const char* space : {"Global\\", "Local\\"}) {
    if (name.starts_with(space)) name.erase(0, std::char_traits<char>::length(space));
  }
  if (name.size() >= MAX_PATH) return Win32Error::Fail(ERROR_FILENAME_EXCED_RANGE);
  if (name.find('\\') != std::string::npos) return Win32Error::Fail(ERROR_PATH_NOT_FOUND);
  return true;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateMutexA(LPSECURITY_ATTRIBUTES, BOOL bInitialOwner, LPCSTR lpName) {
  std::shared_ptr<MutexObject> object;
  bool existed = false;
  if (lpName && *lpName) {
    std::string name;
    if (!ObjectName(lpName, name)) return nullptr;
    object = MutexNamespace::Instance().Get(name, true, existed);
    if (!object) return nullptr;
  } else {
    object = std::make_shared<MutexObject>(-1);
  }
  if (bInitialOwner && !existed) object->TakeInitialOwnership();
  HANDLE handle = HandleTable::Instance().Add(object);
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

HANDLE WINAPI OpenMutexA(DWORD, BOOL, LPCSTR lpName) {
  if (!lpName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  std::string name;
  if (!ObjectName(lpName, name)) return nullptr;
  bool existed = false;
  auto object = MutexNamespace::Instance().Get(name, false, existed);
  return object ? HandleTable::Instance().Add(object) : nullptr;
}

BOOL WINAPI ReleaseMutex(HANDLE hMutex) {
  auto object = HandleTable::Instance().Get<MutexObject>(hMutex);
  if (!object) return Win32Error::Fail(ERROR_INVALID_HANDLE);
  return object->Release() ? TRUE : FALSE;
}

}
