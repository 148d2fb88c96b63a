// ApplyTexts: the walk over a dialog's child windows.
#include "ui/win/apply_texts.h"

#include "config/language_catalog.h"

namespace {

// What the enumeration callback needs: it travels in the callback's argument.
struct ApplyContext {
  const LanguageCatalog* catalog;
  const char* section;
  HWND parent;
};

void setTextFromCatalog(const ApplyContext& context, HWND window) {
  std::string text = WindowText(*context.catalog, context.section, window, "");
  if (!text.empty()) SetWindowTextA(window, text.c_str());
}

BOOL CALLBACK applyToChild(HWND child, LPARAM argument) {
  const ApplyContext& context = *reinterpret_cast<const ApplyContext*>(argument);
  // The enumeration also reports children of children; only direct children are ours.
  if (GetParent(child) == context.parent) setTextFromCatalog(context, child);
  return TRUE;
}

}  // namespace

std::string WindowText(const LanguageCatalog& catalog, const char* section, HWND window,
                       const char* defaultText) {
  if (!window) return defaultText ? defaultText : "";
  // A top-level window's identifier slot holds its menu, not a control identifier.
  bool isChild = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
  int id = isChild ? GetDlgCtrlID(window) : 0;
  return catalog.ControlText(section, id, defaultText);
}

void ApplyTexts(const LanguageCatalog& catalog, const char* section, HWND dialog) {
  if (!dialog || !IsWindow(dialog) || catalog.currentIndex() < 0) return;
  ApplyContext context{&catalog, section, dialog};
  setTextFromCatalog(context, dialog);
  EnumChildWindows(dialog, applyToChild, reinterpret_cast<LPARAM>(&context));
}
