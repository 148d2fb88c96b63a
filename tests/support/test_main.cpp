// Entry point of every GoogleTest program of the project.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Death tests re-run the program; the "threadsafe" style is the only one Windows has,
  // and it keeps host and Wine runs alike.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  return RUN_ALL_TESTS();
}
