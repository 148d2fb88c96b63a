// Scoped selection of a GDI object.
#include "ui/win/object_selection.h"

namespace win {

ObjectSelection::ObjectSelection(HDC dc, HGDIOBJ object)
    : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}

ObjectSelection::~ObjectSelection() {
  if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
}

}  // namespace win
