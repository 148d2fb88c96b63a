// An owned GDI object (bitmap, brush, font, palette, region): deleted once, when the owner is
// destroyed or given another object. Move-only, so a handle never has two owners.
#pragma once

#include <windows.h>

namespace win {

template <typename Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { reset(); }

  Handle get() const { return handle_; }
  operator Handle() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Deletes the object held, if any, and takes `handle`.
  void reset(Handle handle = nullptr) {
    if (handle_ && handle_ != handle) DeleteObject(handle_);
    handle_ = handle;
  }
  // Gives the object up without deleting it.
  Handle release() {
    Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }

 private:
  Handle handle_;
};

using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedPalette = GdiObject<HPALETTE>;

}  // namespace win
