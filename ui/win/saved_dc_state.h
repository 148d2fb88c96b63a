// Saves a device context's state (colours, modes, selected objects, clipping, origins) for
// one scope and restores it at its end.
#pragma once

#include <windows.h>

namespace win {

class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() {
    if (saved_) RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace win
