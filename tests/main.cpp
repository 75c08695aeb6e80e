// The suite takes the program to test from its command line, after
// GoogleTest's own options: [--windows] PROGRAM [ARGUMENT...], for example
//   matrix_mult_tests build/matrix_mult
//   matrix_mult_tests --windows wine build/matrix_mult.exe
#include "program.h"

#include <csignal>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  testing::InitGoogleTest(&argc, argv);
  // Writing to a program that has stopped reading must fail, not end the suite.
  std::signal(SIGPIPE, SIG_IGN);
  Target t;
  int i = 1;
  if (i < argc && std::strcmp(argv[i], "--windows") == 0) {
    t.windows = true;
    ++i;
  }
  for (; i < argc; ++i)
    t.command.push_back(argv[i]);
  setTarget(t);
  return RUN_ALL_TESTS();
}
