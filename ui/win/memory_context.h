// An owned memory device context compatible with another: deleted at destruction. Whatever
// the caller selects into it must be selected out first (ObjectSelection does that).
#pragma once

#include <windows.h>

namespace win {

class MemoryContext {
 public:
  explicit MemoryContext(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  MemoryContext(const MemoryContext&) = delete;
  MemoryContext& operator=(const MemoryContext&) = delete;
  ~MemoryContext() {
    if (dc_) DeleteDC(dc_);
  }

  operator HDC() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

}  // namespace win
