// Random shapes up to 10 x 10 and values across the whole 32-bit range,
// checked against an exact computation in 128-bit arithmetic.
#include "program.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

namespace {

using Grid = std::vector<std::vector<std::int64_t>>;
// The test machine's compiler has a 128-bit type; the program must do without.
__extension__ typedef unsigned __int128 Exact;

std::string decimal(Exact value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  return digits;
}

TEST(Random, MatchesExactComputation) {
  std::uint32_t seed = std::random_device{}();
  if (const char *fixed = std::getenv("MATRIX_MULT_SEED"))
    seed = static_cast<std::uint32_t>(std::strtoul(fixed, nullptr, 10));
  SCOPED_TRACE("seed " + std::to_string(seed) +
               " (rerun with MATRIX_MULT_SEED=" + std::to_string(seed) + ")");
  std::mt19937 random(seed);
  auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };

  // Values near the ends of the range and near powers of two find the
  // overflows; uniform ones the rest.
  const std::int64_t special[] = {0,      1,     -1,         65536,       -65536,      32768,
                                  -32768, 46341, 2147483647, -2147483647, -2147483648, 1000000000};
  auto value = [&]() -> std::int64_t {
    if (pick(0, 2) == 0)
      return special[pick(0, std::size(special) - 1)];
    return std::uniform_int_distribution<std::int64_t>(INT32_MIN, INT32_MAX)(random);
  };
  const char *const separators[] = {" ", "  ", "\t", "\n", "\r\n", " \n "};
  auto separator = [&] { return separators[pick(0, std::size(separators) - 1)]; };

  for (unsigned run = 0; run < target().randomRuns; ++run) {
    int rowsA = pick(0, 10), colsA = pick(0, 10), colsB = pick(0, 10);
    int rowsB = pick(0, 9) == 0 ? pick(0, 10) : colsA;
    std::string input;
    auto enter = [&](int rows, int cols, Grid &grid) {
      input += std::to_string(rows) + separator() + std::to_string(cols) + separator();
      grid.assign(rows, std::vector<std::int64_t>(cols));
      for (auto &row : grid)
        for (auto &cell : row) {
          cell = value();
          input += std::to_string(cell) + separator();
        }
    };
    Grid a, b;
    enter(rowsA, colsA, a);
    enter(rowsB, colsB, b);

    std::string expected = std::string(promptsA) + promptsB;
    if (colsA != rowsB) {
      expected += "\nMultiplication not possible: Columns of A != Rows of B.\n";
    } else {
      expected += "\nResultant Matrix:\n";
      for (int i = 0; i < rowsA; ++i) {
        for (int j = 0; j < colsB; ++j) {
          Exact sum = 0;
          for (int k = 0; k < colsA; ++k)
            sum +=
                static_cast<Exact>(std::llabs(a[i][k])) * static_cast<Exact>(std::llabs(b[k][j]));
          expected += decimal(sum) + " ";
        }
        expected += "\n";
      }
    }

    Outcome outcome = runProgram(input);
    ASSERT_EQ(visible(outcome.out), visible(expected)) << "run " << run << ", input:\n"
                                                       << visible(input);
    ASSERT_EQ(outcome.err, "");
    ASSERT_EQ(outcome.status, 0);
  }
}

} // namespace
