// Moves values between a dialog's controls and the dialog object's members, in the direction
// the exchange was made for: loading puts members into controls, saving reads them back.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class SubclassedWindow;
class Window;

class DataExchange {
 public:
  DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

  bool saving() const { return saving_; }
  HWND dialog() const { return dialog_; }

  // Attaches `control` to the child `id` the first time (subclassing it); later calls keep it.
  void control(int id, SubclassedWindow& control);
  // Points a plain handle at the child `id`.
  void control(int id, Window& control);
  // The text of an edit control (or any child's window text).
  void text(int id, std::string& value);
  // The text of a combo box: see loadComboText and savedComboText.
  void comboText(int id, std::string& value);

 private:
  HWND dialog_;
  bool saving_;
};

// Loads `text` into a combo box: selects the first list item that begins with it, ignoring
// letter case; when none does, puts the text into the edit field.
void loadComboText(HWND combo, const std::string& text);
// The combo box's current text: the edit field's, or the selected item's for a drop-down list.
std::string savedComboText(HWND combo);

}  // namespace win
