// A dialog made from a template resource. One static dialog procedure serves every dialog:
// the object travels in the creation parameter, is stored in the window's DWLP_USER slot at
// WM_INITDIALOG, and later messages go to virtual handlers that answer whether they handled
// the message. WM_DRAWITEM is reflected to the drawing control's own object.
#pragma once

#include "ui/win/data_exchange.h"
#include "ui/win/window.h"

namespace win {

class Dialog : public Window {
 public:
  explicit Dialog(int templateId, HWND parent = nullptr) : templateId_(templateId), parent_(parent) {}
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  // Runs the dialog modally; returns the EndDialog result, or -1 when it could not be made.
  INT_PTR DoModal();
  // Makes the dialog without running it (the caller pumps messages); the object destroys it.
  // Tests use it to look at a dialog while they keep control.
  HWND createModeless();
  // Ends a modal run with `result`, or destroys a modeless dialog.
  void EndDialog(INT_PTR result);
  // Runs DoDataExchange in the given direction.
  void UpdateData(bool save);

 protected:
  // Default: loads the members into the controls; TRUE lets the system set the focus.
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(DataExchange& exchange) { (void)exchange; }
  // IDOK: saves the controls' data and ends with IDOK. IDCANCEL: ends with IDCANCEL.
  virtual void OnOK();
  virtual void OnCancel();
  // WM_COMMAND other than IDOK and IDCANCEL; true when handled.
  virtual bool OnCommand(int id, int code, HWND control);
  // WM_NOTIFY; `result` becomes the message's result when handled.
  virtual bool OnNotify(const NMHDR& header, LRESULT& result);
  virtual bool OnTimer(UINT_PTR id);
  // Any other message; `result` becomes the message's result when handled.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Gives the dialog manager a message result; returns TRUE (handled).
  INT_PTR answer(LRESULT result);

  int templateId_;
  HWND parent_;
  bool modal_ = false;
};

}  // namespace win
