// Writing a language catalog's texts into a real dialog and its direct children, found by
// control identifier.
#pragma once

#include <windows.h>

#include <string>

class LanguageCatalog;

// The catalog's text for `window` in `section`: the key is the window's control identifier,
// or 0 for a window that is not a child (a dialog). `defaultText` when `window` is null or the
// catalog has no text for it.
std::string WindowText(const LanguageCatalog& catalog, const char* section, HWND window,
                       const char* defaultText);

// Sets the dialog's caption and the texts of its direct children from `section`. Windows
// deeper down (the edit field inside a drop-down combo box, whose identifier 1001 would
// otherwise take the Install button's text) and controls without a text in the catalog keep
// theirs. Does nothing for a null or destroyed dialog or while no language is selected.
void ApplyTexts(const LanguageCatalog& catalog, const char* section, HWND dialog);
