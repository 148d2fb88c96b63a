// ApplyTexts over a real dialog's child windows.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/memory_catalog.h"
#include "ui/win/apply_texts.h"

namespace {

constexpr int kDialog = 100;

INT_PTR CALLBACK quietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::string textOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class ApplyTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDialog), nullptr,
                                quietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    comboEdit = FindWindowExA(GetDlgItem(dialog, 1006), nullptr, "Edit", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    ASSERT_EQ(GetDlgCtrlID(comboEdit), 1001);  // the grandchild that shares the button's id
    catalog.entries["English.clg"] =
        "[Main]\n0=Setup\n1001=Install\n1023=Destination\\tfolder\n1025=\n";
    catalog.AddCatalog("English", "English.clg");
  }
  void TearDown() override { DestroyWindow(dialog); }

  HWND dialog = nullptr;
  HWND comboEdit = nullptr;
  MemoryCatalog catalog;
};

}  // namespace

TEST_F(ApplyTextsTest, WritesCaptionAndDirectChildrenOnly) {
  catalog.SelectLanguage("English");
  ApplyTexts(catalog, "Main", dialog);
  EXPECT_EQ(textOf(dialog), "Setup");
  EXPECT_EQ(textOf(GetDlgItem(dialog, 1001)), "Install");
  EXPECT_EQ(textOf(GetDlgItem(dialog, 1023)), "Destination\tfolder");
  EXPECT_EQ(textOf(comboEdit), "");  // grandchild skipped
  EXPECT_EQ(textOf(GetDlgItem(dialog, 1024)), "Unnamed");
  EXPECT_EQ(textOf(GetDlgItem(dialog, 1025)), "Empty in catalog");
  EXPECT_EQ(WindowText(catalog, "Main", GetDlgItem(dialog, 1001), ""), "Install");
  EXPECT_EQ(WindowText(catalog, "Main", dialog, ""), "Setup");
  EXPECT_EQ(WindowText(catalog, "Main", nullptr, "none"), "none");
}

TEST_F(ApplyTextsTest, NothingChangesWithoutASelectedLanguage) {
  ApplyTexts(catalog, "Main", dialog);
  EXPECT_EQ(textOf(dialog), "Resource caption");
  EXPECT_EQ(textOf(GetDlgItem(dialog, 1001)), "Resource button");
  catalog.SelectLanguage("English");
  ApplyTexts(catalog, "Browse", dialog);  // a section without keys changes nothing either
  EXPECT_EQ(textOf(dialog), "Resource caption");
  ApplyTexts(catalog, "Main", nullptr);
}
