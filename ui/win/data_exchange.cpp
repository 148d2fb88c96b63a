// Edit and combo-box text exchange between a dialog's controls and its members.
#include "ui/win/data_exchange.h"

#include "ui/win/subclassed_window.h"
#include "ui/win/window.h"

namespace win {

void DataExchange::control(int id, SubclassedWindow& control) {
  if (!control.isAttached()) control.subclassItem(dialog_, id);
}

void DataExchange::control(int id, Window& control) { control = Window(dialog_).item(id); }

void DataExchange::text(int id, std::string& value) {
  Window edit = Window(dialog_).item(id);
  if (saving_)
    value = edit.text();
  else
    edit.setText(value);
}

void DataExchange::comboText(int id, std::string& value) {
  HWND combo = GetDlgItem(dialog_, id);
  if (saving_)
    value = savedComboText(combo);
  else
    loadComboText(combo, value);
}

void loadComboText(HWND combo, const std::string& text) {
  // CB_SELECTSTRING matches the beginning of an item without regard to letter case.
  LRESULT found = SendMessageA(combo, CB_SELECTSTRING, WPARAM(-1),
                               reinterpret_cast<LPARAM>(text.c_str()));
  if (found == CB_ERR) SetWindowTextA(combo, text.c_str());
}

std::string savedComboText(HWND combo) { return Window(combo).text(); }

}  // namespace win
