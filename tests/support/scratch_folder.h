// A fresh, empty folder named after the running test, made the current folder for the test's
// duration. The name is fixed per test, so a death test's child process works in the same
// folder as its parent.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    original_ = std::filesystem::current_path();
    path_ = original_ / "scratch" / (std::string(info->test_suite_name()) + "." + info->name());
    if (!::testing::internal::InDeathTestChild()) std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~ScratchFolder() { std::filesystem::current_path(original_); }

  const std::filesystem::path& path() const { return path_; }

  // The whole file as text, with Windows line ends folded to "\n".
  std::string readText(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    std::string text;
    for (char c : all.str())
      if (c != '\r') text += c;
    return text;
  }

 private:
  std::filesystem::path original_;
  std::filesystem::path path_;
};
