// The visual-style wrapper's fallbacks when the library or its functions are missing.
#include <gtest/gtest.h>

#include "ui/controls/theme_library.h"
#include "ui/win/gdi_object.h"
#include "ui/win/memory_context.h"
#include "ui/win/object_selection.h"
#include "ui/win/window_context.h"

TEST(ThemeLibrary, MissingLibraryOrFunctionsAnswerWithTheFallbacks) {
  win::WindowContext screen(nullptr);
  win::MemoryContext memory(screen);
  win::OwnedBitmap bitmap(CreateCompatibleBitmap(screen, 4, 4));
  win::ObjectSelection select(memory, bitmap);
  SetPixel(memory, 1, 1, RGB(1, 2, 3));
  const RECT rect = {0, 0, 4, 4};

  // No such library; a library without those functions.
  for (const char* name : {"NoSuchThemeLibrary.dll", "kernel32.dll"}) {
    SCOPED_TRACE(name);
    ThemeLibrary library(name);
    EXPECT_EQ(library.isLoaded(), std::string(name) == "kernel32.dll");
    EXPECT_FALSE(library.IsAppThemed());
    EXPECT_EQ(library.OpenThemeData(GetDesktopWindow(), L"BUTTON"), nullptr);
    EXPECT_EQ(library.CloseThemeData(reinterpret_cast<HTHEME>(1)), E_FAIL);
    EXPECT_EQ(library.DrawThemeParentBackground(GetDesktopWindow(), memory, &rect), E_FAIL);
    EXPECT_EQ(library.DrawThemeBackground(reinterpret_cast<HTHEME>(1), memory, 1, 1, &rect, nullptr),
              E_FAIL);
    EXPECT_EQ(GetPixel(memory, 1, 1), RGB(1, 2, 3)) << "a fallback drew";
  }
}

TEST(ThemeLibrary, ProgramWideLibraryIsLoadedAndAnswers) {
  EXPECT_TRUE(theThemeLibrary.isLoaded());
  HTHEME theme = theThemeLibrary.OpenThemeData(GetDesktopWindow(), L"BUTTON");
  // Without an active visual style the system answers no theme, like the fallback.
  if (theThemeLibrary.IsAppThemed()) {
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theThemeLibrary.CloseThemeData(theme), S_OK);
  }
}
