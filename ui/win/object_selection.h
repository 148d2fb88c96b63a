// Selects a GDI object into a device context for one scope and selects the previous one back
// at its end, so the object can then be deleted safely.
#pragma once

#include <windows.h>

namespace win {

class ObjectSelection {
 public:
  ObjectSelection(HDC dc, HGDIOBJ object);
  ObjectSelection(const ObjectSelection&) = delete;
  ObjectSelection& operator=(const ObjectSelection&) = delete;
  ~ObjectSelection();

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace win
