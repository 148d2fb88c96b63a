// The program's resource script as linked into a program: both icons in their sizes, and the
// manifest's request for version 6 of the common controls.
#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <string>

#include "resource_ids.h"

namespace {

SIZE iconSize(int id, int size) {
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                             IMAGE_ICON, size, size, 0));
  SIZE found = {0, 0};
  ICONINFO info;
  if (icon && GetIconInfo(icon, &info)) {
    BITMAP bitmap;
    if (GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap))
      found = SIZE{bitmap.bmWidth, bitmap.bmHeight};
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  if (icon) DestroyIcon(icon);
  return found;
}

}  // namespace

TEST(Resources, BothIconsExistInTheirSizes) {
  EXPECT_EQ(iconSize(IDI_MAIN, 32).cx, 32);
  EXPECT_EQ(iconSize(IDI_MAIN, 16).cx, 16);
  EXPECT_EQ(iconSize(IDI_MAIN_SMALL, 16).cx, 16);
  EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_MAIN_SMALL), RT_GROUP_ICON), nullptr);
}

TEST(Resources, ManifestBringsCommonControlsVersion6) {
  // The version-6 controls come from their side-by-side assembly, not from the system folder
  // (Wine's copy reports 5.81 from DllGetVersion, so the assembly's path is what tells).
  HMODULE controls = GetModuleHandleA("comctl32.dll");
  ASSERT_NE(controls, nullptr);
  char path[MAX_PATH] = "";
  ASSERT_GT(GetModuleFileNameA(controls, path, MAX_PATH), 0u);
  std::string lower(path);
  for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::string::npos)
      << path;
}
