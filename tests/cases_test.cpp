// The program's contract as a table: bytes in, bytes out, exit status.
#include "program.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

struct Case {
  const char *name;
  std::string input;
  std::string out; // standard output, exactly
  int status;      // exit status
  std::string err; // standard error, exactly: empty means nothing may be written there
  Stdio stdio = Stdio::pipes;
  std::vector<std::string> arguments = {};
};

const std::string both = std::string(promptsA) + promptsB;
const std::string heading = "\nResultant Matrix:\n";
const std::string askA = "Enter rows and columns of Matrix A: ";
const std::string askB = "Enter rows and columns of Matrix B: ";
const std::string range = ", which is outside the range -2147483648 to 2147483647\n";
const std::string walkthrough = "2 3\n1 -2 3\n4 5 -6\n3 2\n7 8\n9 10\n11 12\n";
const std::string walkthroughOut = both + heading + "58 64 \n139 154 \n";

std::string repeat(const std::string &text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i)
    all += text;
  return all;
}

// A 1 x n row of `a` times an n x 1 column of `b`: one entry, n terms.
std::string rowTimesColumn(int n, const std::string &a, const std::string &b) {
  return "1 " + std::to_string(n) + "\n" + repeat(a + " ", n) + "\n" + std::to_string(n) + " 1\n" +
         repeat(b + "\n", n);
}

std::string replaceAll(std::string text, const std::string &from, const std::string &to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

const std::vector<Case> cases = {
    // Layouts: line structure carries no meaning.
    {"walkthrough", walkthrough, walkthroughOut, 0, ""},
    {"all_on_one_line", replaceAll(walkthrough, "\n", " "), walkthroughOut, 0, ""},
    {"dimensions_on_two_lines", "2\n3\n1 -2 3 4 5 -6\n3\n2\n7 8 9 10 11 12\n", walkthroughOut, 0,
     ""},
    {"crlf_line_ends", replaceAll(walkthrough, "\n", "\r\n"), walkthroughOut, 0, ""},
    {"tabs_and_blank_lines", "\n\t2\t3\n\n1\t-2 \t3\n\v4 5 -6\f\n3 2 7 8 9 10 11 12",
     walkthroughOut, 0, ""},
    {"arguments_are_ignored",
     walkthrough,
     walkthroughOut,
     0,
     "",
     Stdio::pipes,
     {"--help", "-x", "5"}},
    {"trailing_input_is_never_read", walkthrough + "99 junk\0\xff"s, walkthroughOut, 0, ""},
    {"text_right_after_the_last_element", "1 1\n3\n1 1\n4abc", both + heading + "12 \n", 0, ""},
    {"signs_and_leading_zeros", "1 2\n+3 -04\n2 1\n-0 +0005\n", both + heading + "20 \n", 0, ""},

    // Shapes, including the empty and negative ones.
    {"mismatch_after_reading_b_in_full", "2 3\n1 2 3\n4 5 6\n2 2\n1 2\n3 4\n",
     both + "\nMultiplication not possible: Columns of A != Rows of B.\n", 0, ""},
    {"mismatch_waits_for_all_of_b", "2 3\n1 2 3\n4 5 6\n2 2\n1 2\n3\n", both, 1,
     "matrix_mult: expected element (2, 2) of Matrix B, found end of input\n"},
    {"zero_by_zero", "0 0\n0 0\n", both + heading, 0, ""},
    {"two_by_zero_times_zero_by_three", "2 0\n0 3\n", both + heading + "0 0 0 \n0 0 0 \n", 0, ""},
    {"zero_columns_of_b_give_empty_lines", "2 1\n1\n2\n1 0\n", both + heading + "\n\n", 0, ""},
    {"negative_rows_of_a_give_no_lines", "-3 2\n2 1\n5\n6\n", both + heading, 0, ""},
    {"negative_shared_dimension_passes", "2 -1\n-1 5\n",
     both + heading + "0 0 0 0 0 \n0 0 0 0 0 \n", 0, ""},
    {"ten_by_ten", "10 10\n" + repeat("-1 ", 100) + "10 10\n" + repeat("1 ", 100),
     both + heading + repeat(repeat("10 ", 10) + "\n", 10), 0, ""},

    // Exact sums: no term or sum wraps, whatever the signs.
    {"negative_term_adds_its_magnitude", "1 1\n-3\n1 1\n4\n", both + heading + "12 \n", 0, ""},
    {"magnitude_of_int_min", "1 1\n-2147483648\n1 1\n1\n", both + heading + "2147483648 \n", 0, ""},
    {"product_of_int_min", "1 1\n-65536\n1 1\n32768\n", both + heading + "2147483648 \n", 0, ""},
    {"product_beyond_32_bits", "1 1\n65536\n1 1\n65536\n", both + heading + "4294967296 \n", 0, ""},
    {"product_beyond_signed_32_bits", "1 1\n50000\n1 1\n50000\n", both + heading + "2500000000 \n",
     0, ""},
    {"digits_inside_a_sum_keep_their_zeros", "1 1\n1000000000\n1 1\n-1000000000\n",
     both + heading + "1000000000000000000 \n", 0, ""},
    {"sum_of_exactly_2_to_the_64", rowTimesColumn(4, "-2147483648", "-2147483648"),
     both + heading + "18446744073709551616 \n", 0, ""},
    {"largest_entry", rowTimesColumn(10, "-2147483648", "-2147483648"),
     both + heading + "46116860184273879040 \n", 0, ""},
    {"largest_positive_values", rowTimesColumn(10, "2147483647", "-2147483647"),
     both + heading + "46116860141324206090 \n", 0, ""},

    // Dimensions beyond the grid are refused before any element is asked for.
    {"too_many_rows_in_a", "11 1\n1\n", askA, 1,
     "matrix_mult: Matrix A is 11 x 1, but at most 10 rows and 10 columns are supported\n"},
    {"too_many_columns_in_b", "1 1\n5\n1 11\n1 2 3\n", promptsA + askB, 1,
     "matrix_mult: Matrix B is 1 x 11, but at most 10 rows and 10 columns are supported\n"},
    {"largest_int_as_rows", "2147483647 -5\n", askA, 1,
     "matrix_mult: Matrix A is 2147483647 x -5, but at most 10 rows and 10 columns are "
     "supported\n"},

    // Reads that fail.
    {"empty_input", "", askA, 1,
     "matrix_mult: expected the number of rows of Matrix A, found end of input\n"},
    {"only_white_space", std::string(1 << 20, ' '), askA, 1,
     "matrix_mult: expected the number of rows of Matrix A, found end of input\n"},
    {"missing_columns", "2", askA, 1,
     "matrix_mult: expected the number of columns of Matrix A, found end of input\n"},
    {"missing_element", "2 2\n1 2\n3", promptsA, 1,
     "matrix_mult: expected element (2, 2) of Matrix A, found end of input\n"},
    {"word_for_an_element", "1 2\n3 x7\n", promptsA, 1,
     "matrix_mult: expected element (1, 2) of Matrix A, found 'x7'\n"},
    {"word_right_after_a_number", "1 2\n12abc 4\n", promptsA, 1,
     "matrix_mult: expected element (1, 2) of Matrix A, found 'abc'\n"},
    {"sign_alone", "1 1\n1\n- 1\n", promptsA + askB, 1,
     "matrix_mult: expected the number of rows of Matrix B, found '-'\n"},
    {"long_word_is_cut", "abcdefghijklmnopqrstuvwxyz 1", askA, 1,
     "matrix_mult: expected the number of rows of Matrix A, found 'abcdefghijklmnopqrst...'\n"},
    {"control_and_non_ascii_bytes", "1 3\n1\0\x01\\\xc3\xa9 2\n"s, promptsA, 1,
     "matrix_mult: expected element (1, 2) of Matrix A, found '\\x00\\x01\\x5c\\xc3\\xa9'\n"},
    {"element_above_int_max", "1 1\n2147483648\n", promptsA, 1,
     "matrix_mult: expected element (1, 1) of Matrix A, found '2147483648'" + range},
    {"element_below_int_min", "1 1\n7\n1 1\n-2147483649\n", both, 1,
     "matrix_mult: expected element (1, 1) of Matrix B, found '-2147483649'" + range},
    {"element_beyond_64_bits", "1 1\n18446744073709551617\n", promptsA, 1,
     "matrix_mult: expected element (1, 1) of Matrix A, found '18446744073709551617'" + range},
    {"dimension_beyond_32_bits", "1 99999999999\n", askA, 1,
     "matrix_mult: expected the number of columns of Matrix A, found '99999999999'" + range},
    {"hundred_thousand_digits", "1 1\n" + std::string(100000, '9') + "\n", promptsA, 1,
     "matrix_mult: expected element (1, 1) of Matrix A, found '99999999999999999999...'" + range},
    {"hundred_thousand_leading_zeros", "1 1\n-" + std::string(100000, '0') + "2147483648\n1 1 1\n",
     both + heading + "2147483648 \n", 0, ""},

    // The world outside fails.
    {"output_cannot_be_written", walkthrough, "", 1,
     "matrix_mult: cannot write standard output: No space left on device\n", Stdio::stdoutFull},
    {"input_cannot_be_read", walkthrough, askA, 1,
     "matrix_mult: cannot read standard input: Is a directory\n", Stdio::stdinDirectory},
};

// Names the row in test listings, instead of dumping its bytes.
void PrintTo(const Case &row, std::ostream *os) { *os << row.name; }

class Cases : public testing::TestWithParam<Case> {};

TEST_P(Cases, BytesOutAndExitStatus) {
  const Case &row = GetParam();
  if (row.stdio != Stdio::pipes && target().windows)
    GTEST_SKIP() << "a Windows console build has no /dev/full and cannot open a directory "
                    "as its standard input";
  Outcome outcome = runProgram(row.input, row.stdio, row.arguments);
  EXPECT_EQ(visible(outcome.out), visible(row.out)) << "standard output";
  EXPECT_EQ(visible(outcome.err), visible(row.err)) << "standard error";
  EXPECT_EQ(outcome.status, row.status) << "exit status";
}

INSTANTIATE_TEST_SUITE_P(Table, Cases, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<Case> &row) { return row.param.name; });

} // namespace
