// Run-time calls into the visual-style library with their fallbacks.
#include "ui/controls/theme_library.h"

// Constructed ahead of the program's other static objects and destroyed after them, as the
// buttons of every dialog rely on it for the program's whole life.
ThemeLibrary theThemeLibrary __attribute__((init_priority(1000)));

ThemeLibrary::ThemeLibrary(const char* libraryName) : module_(LoadLibraryA(libraryName)) {}

ThemeLibrary::~ThemeLibrary() {
  if (module_) FreeLibrary(module_);
}

bool ThemeLibrary::IsAppThemed() const {
  using Function = BOOL(WINAPI*)();
  Function function = find<Function>("IsAppThemed");
  return function ? function() != FALSE : false;
}

HTHEME ThemeLibrary::OpenThemeData(HWND window, const wchar_t* classList) const {
  using Function = HTHEME(WINAPI*)(HWND, LPCWSTR);
  Function function = find<Function>("OpenThemeData");
  return function ? function(window, classList) : nullptr;
}

HRESULT ThemeLibrary::CloseThemeData(HTHEME theme) const {
  using Function = HRESULT(WINAPI*)(HTHEME);
  Function function = find<Function>("CloseThemeData");
  return function ? function(theme) : E_FAIL;
}

HRESULT ThemeLibrary::DrawThemeParentBackground(HWND window, HDC dc, const RECT* rect) const {
  using Function = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
  Function function = find<Function>("DrawThemeParentBackground");
  return function ? function(window, dc, rect) : E_FAIL;
}

HRESULT ThemeLibrary::DrawThemeBackground(HTHEME theme, HDC dc, int part, int state,
                                          const RECT* rect, const RECT* clip) const {
  using Function = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  Function function = find<Function>("DrawThemeBackground");
  return function ? function(theme, dc, part, state, rect, clip) : E_FAIL;
}
