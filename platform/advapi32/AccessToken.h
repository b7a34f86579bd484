// The process token behind OpenProcessToken. It holds no privileges: this layer never lets a
// program shut the host down or act for another user.
#pragma once

#include "KernelObject.h"

class AccessToken : public KernelObject {
 public:
  explicit AccessToken(DWORD access) : access_(access) {}
  bool MayAdjust() const { return access_ & TOKEN_ADJUST_PRIVILEGES; }

 private:
  DWORD access_;
};
