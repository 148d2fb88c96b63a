// Our Win32 layer: the combo-box and edit text exchange, a modal run through the one dialog
// procedure with its OK path, and an exception stopped at the callback as a fatal report.
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/gui/gallery.h"
#include "tests/support/recording_os.h"
#include "ui/win/application.h"

TEST_F(GalleryTest, ComboLoadSelectsTheFirstItemBeginningWithTheTextElseSetsTheEditField) {
  win::Window combo = gallery.item(IDC_COMBO);
  for (const char* item : {"Alpha", "Beta\\Group", "beta", "Gamma"})
    combo.send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  struct Case {
    const char* loaded;
    int selected;
    const char* shown;
  };
  for (const Case& c : {Case{"BET", 1, "Beta\\Group"}, Case{"beta", 1, "Beta\\Group"},
                        Case{"gamma", 3, "Gamma"}}) {
    gallery.group = c.loaded;
    gallery.UpdateData(false);
    EXPECT_EQ(combo.send(CB_GETCURSEL), c.selected) << c.loaded;
    EXPECT_EQ(combo.text(), c.shown);
  }
  gallery.group = "Delta\\Mine";
  gallery.UpdateData(false);
  EXPECT_EQ(combo.text(), "Delta\\Mine");

  gallery.item(IDC_EDIT).setText("D:\\Typed");
  gallery.UpdateData(true);
  EXPECT_EQ(gallery.group, "Delta\\Mine");
  EXPECT_EQ(gallery.path, "D:\\Typed");
}

namespace {

// Ends its own modal run with OK from the initialisation, before it is ever shown.
class ProbeDialog : public win::Dialog {
 public:
  ProbeDialog() : Dialog(IDD_PROBE) {}
  std::string text = "C:\\Program Files\\Ovix";
  bool throwOnInit = false;

 protected:
  BOOL OnInitDialog() override {
    if (throwOnInit) throw std::runtime_error("init went wrong");
    Dialog::OnInitDialog();
    win::Window edit = item(IDC_PROBE_EDIT);
    edit.setText(edit.text() + "\\App");
    send(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    return TRUE;
  }
  void DoDataExchange(win::DataExchange& exchange) override {
    exchange.text(IDC_PROBE_EDIT, text);
  }
};

}  // namespace

TEST(Dialog, ModalRunLoadsDataAndOkSavesItAndEndsWithIdOk) {
  ProbeDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.text, "C:\\Program Files\\Ovix\\App");
  EXPECT_EQ(dialog.handle(), nullptr);
}

TEST(Dialog, ExceptionInAHandlerBecomesAFatalReportNotAnUnwindThroughTheSystem) {
  EXPECT_EXIT(
      {
        RecordingOs os;
        ProbeDialog dialog;
        dialog.throwOnInit = true;
        dialog.DoModal();
      },
      ::testing::ExitedWithCode(1), "Unhandled exception in a window procedure: init went wrong");
}

TEST_F(GalleryTest, SubclassingEndsWithTheObjectOrWithTheWindow) {
  HWND control = CreateWindowExA(0, "STATIC", "x", WS_CHILD, 0, 0, 10, 10, gallery, nullptr,
                                 nullptr, nullptr);
  const LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
  {
    CBevelLine line;
    ASSERT_TRUE(line.subclass(control));
    EXPECT_EQ(win::SubclassedWindow::fromHandle(control), &line);
    CBevelLine second;
    EXPECT_FALSE(second.subclass(control)) << "a window belongs to one object";
  }
  EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), original);
  EXPECT_EQ(win::SubclassedWindow::fromHandle(control), nullptr);

  CBevelLine line;
  ASSERT_TRUE(line.subclass(control));
  DestroyWindow(control);
  EXPECT_FALSE(line.isAttached());
}

namespace {

class EndingApplication : public win::Application {
 public:
  bool InitInstance() override {
    ++calls;
    return false;
  }
  int calls = 0;
};

}  // namespace

TEST(Application, EndsWithoutAMessageLoopWhenInitInstanceSaysSo) {
  EndingApplication application;
  EXPECT_EQ(win::Application::current(), &application);
  PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 7, 0);  // a loop would end with 7
  EXPECT_EQ(application.run(), 0);
  EXPECT_EQ(application.calls, 1);
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a loop ran";
}
