// The suite takes the program to test from its command line, after
// GoogleTest's own options: [--random-runs=N] [--windows] PROGRAM [ARGUMENT...],
// for example
//   matrix_mult_tests build/matrix_mult
//   matrix_mult_tests --random-runs=30 --windows wine build/matrix_mult.exe
#include "program.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  testing::InitGoogleTest(&argc, argv);
  // Writing to a program that has stopped reading must fail, not end the suite.
  std::signal(SIGPIPE, SIG_IGN);
  Target t;
  int i = 1;
  for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
    if (std::strcmp(argv[i], "--windows") == 0)
      t.windows = true;
    else if (std::strncmp(argv[i], "--random-runs=", 14) == 0)
      t.randomRuns = static_cast<unsigned>(std::strtoul(argv[i] + 14, nullptr, 10));
    else {
      std::fprintf(stderr, "matrix_mult_tests: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  for (; i < argc; ++i)
    t.command.push_back(argv[i]);
  setTarget(t);
  return RUN_ALL_TESTS();
}
