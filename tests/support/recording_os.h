// A recording double for the OS services: message boxes are written to standard error (so a
// death test can match them) and remembered, answered with a chosen button, never shown.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "os/os_services.h"

// A line end in a death test's captured standard error, where Windows writes "\r\n"; use it
// in expected-output patterns instead of ".*", which does not cross lines on Windows.
#define NL "\r?\n"

class RecordingOs : public OsServices {
 public:
  struct Box {
    std::string text;
    std::string caption;
    unsigned style;
  };

  explicit RecordingOs(int answer = osbox::kIdOk) : answer_(answer) { previous_ = setOsServices(this); }
  ~RecordingOs() override { setOsServices(previous_); }

  int messageBox(const std::string& text, const std::string& caption, unsigned style) override {
    std::fprintf(stderr, "box [%s] style 0x%X: %s\n", caption.c_str(), style, text.c_str());
    std::fflush(stderr);
    boxes.push_back({text, caption, style});
    return answer_;
  }
  void beep(unsigned type) override { beeps.push_back(type); }
  std::string oemToAnsi(const std::string& text) override { return text; }

  std::vector<Box> boxes;
  std::vector<unsigned> beeps;

 private:
  int answer_;
  OsServices* previous_;
};
