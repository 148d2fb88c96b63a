// The one dialog procedure and the default handlers of a template dialog.
#include "ui/win/dialog.h"

#include "ui/win/callback_guard.h"
#include "ui/win/subclassed_window.h"

namespace win {

Dialog::~Dialog() {
  if (handle_ && !modal_) DestroyWindow(handle_);
}

INT_PTR Dialog::DoModal() {
  modal_ = true;
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                         &procedure, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless() {
  modal_ = false;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                            &procedure, reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result) {
  if (!handle_) return;
  if (modal_)
    ::EndDialog(handle_, result);
  else
    DestroyWindow(handle_);
}

void Dialog::UpdateData(bool save) {
  DataExchange exchange(handle_, save);
  DoDataExchange(exchange);
}

BOOL Dialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void Dialog::OnOK() {
  UpdateData(true);
  EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnCommand(int, int, HWND) { return false; }
bool Dialog::OnNotify(const NMHDR&, LRESULT&) { return false; }
bool Dialog::OnTimer(UINT_PTR) { return false; }
bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR Dialog::answer(LRESULT result) {
  SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR Dialog::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (OnCommand(id, code, control)) return TRUE;
      if (code == BN_CLICKED && id == IDOK) OnOK();
      else if (code == BN_CLICKED && id == IDCANCEL) OnCancel();
      else return FALSE;
      return TRUE;
    }
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return answer(result);
      return FALSE;
    case WM_TIMER:
      return OnTimer(wParam) ? TRUE : FALSE;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      SubclassedWindow* control =
          item.CtlType == ODT_MENU ? nullptr : SubclassedWindow::fromHandle(item.hwndItem);
      if (!control) break;
      control->DrawItem(item);
      return TRUE;
    }
    default:
      break;
  }
  if (OnMessage(message, wParam, lParam, result)) return answer(result);
  return FALSE;
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->handle_ = window;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    self->handle_ = nullptr;
    return FALSE;
  }
  return guardCallback<INT_PTR>([&] { return self->dispatch(message, wParam, lParam); });
}

}  // namespace win
