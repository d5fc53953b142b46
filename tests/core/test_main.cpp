#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  // Take the locale from the environment, as an application does, so that a German locale
  // would show up in any text that leaned on it.
  std::setlocale(LC_ALL, "");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
