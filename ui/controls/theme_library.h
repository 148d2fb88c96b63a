// The visual-style library, loaded at run time because it is optional: every operation looks
// its function up by name at every call and answers with a harmless fallback when the
// library or the function is missing, so the program also runs without visual styles.
#pragma once

#include <windows.h>

#include <uxtheme.h>

class ThemeLibrary {
 public:
  // Loads `libraryName`; without it every operation takes its fallback.
  explicit ThemeLibrary(const char* libraryName = "UxTheme.dll");
  ThemeLibrary(const ThemeLibrary&) = delete;
  ThemeLibrary& operator=(const ThemeLibrary&) = delete;
  ~ThemeLibrary();

  bool isLoaded() const { return module_ != nullptr; }

  // Fallback: false.
  bool IsAppThemed() const;
  // Fallback: no theme (null).
  HTHEME OpenThemeData(HWND window, const wchar_t* classList) const;
  // Fallbacks: E_FAIL, nothing done or drawn.
  HRESULT CloseThemeData(HTHEME theme) const;
  HRESULT DrawThemeParentBackground(HWND window, HDC dc, const RECT* rect) const;
  HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT* rect,
                              const RECT* clip) const;

 private:
  // The library's function `name` as type Function, or null.
  template <typename Function>
  Function find(const char* name) const {
    return module_ ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(GetProcAddress(module_, name)))
                   : nullptr;
  }

  HMODULE module_;
};

// The program's one theme library, made before every other program-wide object and freed
// after them.
extern ThemeLibrary theThemeLibrary;
