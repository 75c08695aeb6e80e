// matrix_mult: reads two integer matrices of up to 10 x 10 from standard input
// and writes the matrix whose entry (i, j) is the sum over k of |A(i, k) * B(k, j)|.
#include <cerrno>
#include <cinttypes>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

constexpr std::int32_t maxDim = 10;
using Matrix = std::int32_t[maxDim][maxDim];

// An entry is a sum of up to ten terms below 2^62 each, so it can reach
// 10 * 2^62: more than 64 bits hold, and a 32-bit target has no wider type.
struct Sum {
  std::uint64_t high;
  std::uint64_t low;
};
using SumMatrix = Sum[maxDim][maxDim];

// Longest stretch of bad input quoted back in a message.
constexpr int quoteMax = 20;
// Room for a quote of quoteMax bytes, each possibly escaped, and a remark.
using Found = char[160];

[[noreturn]] void fail(const char *format, ...) {
  char message[320];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(message, sizeof message, format, arguments);
  va_end(arguments);
  std::fprintf(stderr, "matrix_mult: %s\n", message);
  std::exit(1);
}

void flushOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout))
    fail("cannot write standard output: %s", std::strerror(errno));
}

int nextChar() {
  int c = std::getchar();
  if (c == EOF && std::ferror(stdin))
    fail("cannot read standard input: %s", std::strerror(errno));
  return c;
}

bool isSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// Appends c to text as it can safely stand in a one-line message.
void appendQuoted(char *text, int c) {
  std::size_t length = std::strlen(text);
  if (c >= ' ' && c < 0x7f && c != '\\')
    std::snprintf(text + length, 2, "%c", c);
  else
    std::snprintf(text + length, 5, "\\x%02x", static_cast<unsigned>(c));
}

// Reads one integer the way the "%d" conversion does: white space, an optional
// sign, then digits, leaving the first character after them unread. Returns
// false if no integer within 32 bits stands there; `found` then says what does.
bool readInteger(std::int32_t &value, Found &found) {
  int c = nextChar();
  while (isSpace(c))
    c = nextChar();
  if (c == EOF) {
    std::strcpy(found, "end of input");
    return false;
  }

  char token[quoteMax + 1];
  int length = 0;
  bool cut = false;
  auto keep = [&](int ch) {
    if (length < quoteMax)
      token[length++] = static_cast<char>(ch);
    else
      cut = true;
  };

  bool negative = c == '-';
  if (c == '-' || c == '+') {
    keep(c);
    c = nextChar();
  }
  // Saturates just past the largest magnitude, so any number of digits,
  // leading zeros included, is read in constant space.
  constexpr std::uint64_t limit = 2147483648u;
  std::uint64_t magnitude = 0;
  bool anyDigit = false;
  while (isDigit(c)) {
    anyDigit = true;
    keep(c);
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > limit)
      magnitude = limit + 1;
    c = nextChar();
  }
  if (anyDigit && c != EOF)
    std::ungetc(c, stdin);
  // Not a number: quote the rest of the word that stands in its place.
  for (; !anyDigit && !cut && c != EOF && !isSpace(c); c = nextChar())
    keep(c);

  bool inRange = magnitude < limit || (negative && magnitude == limit);
  if (anyDigit && inRange) {
    value = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude))
                     : static_cast<std::int32_t>(magnitude);
    return true;
  }

  std::strcpy(found, "'");
  for (int i = 0; i < length; ++i)
    appendQuoted(found, static_cast<unsigned char>(token[i]));
  std::strcat(found, cut ? "...'" : "'");
  if (anyDigit)
    std::strcat(found, ", which is outside the range -2147483648 to 2147483647");
  return false;
}

void writeText(const char *text) { std::fputs(text, stdout); }

// Divides value in place by divisor and returns the remainder, 32 bits at a
// time so that every step fits in 64 bits.
std::uint32_t divideSum(Sum &value, std::uint32_t divisor) {
  std::uint64_t rest = 0;
  for (std::uint64_t *half : {&value.high, &value.low}) {
    std::uint64_t upper = (rest << 32) | (*half >> 32);
    rest = upper % divisor;
    std::uint64_t lower = (rest << 32) | (*half & 0xffffffffu);
    rest = lower % divisor;
    *half = ((upper / divisor) << 32) | (lower / divisor);
  }
  return static_cast<std::uint32_t>(rest);
}

// Writes value in decimal, nine digits per division of the whole sum.
void writeSum(Sum value) {
  char digits[48];
  int start = sizeof digits - 1;
  digits[start] = '\0';
  bool more;
  do {
    std::uint32_t chunk = divideSum(value, 1000000000u);
    more = value.high != 0 || value.low != 0;
    int count = 0;
    do {
      digits[--start] = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
      ++count;
    } while (chunk != 0 || (more && count < 9));
  } while (more);
  writeText(digits + start);
}

void readMatrix(char name, std::int32_t &rows, std::int32_t &cols, Matrix &matrix) {
  Found found;
  // Each prompt is flushed so that, at a terminal, it is on the screen
  // before the program waits for its answer.
  std::printf("Enter rows and columns of Matrix %c: ", name);
  flushOutput();
  if (!readInteger(rows, found))
    fail("expected the number of rows of Matrix %c, found %s", name, found);
  if (!readInteger(cols, found))
    fail("expected the number of columns of Matrix %c, found %s", name, found);
  if (rows > maxDim || cols > maxDim)
    fail("Matrix %c is %" PRId32 " x %" PRId32 ", but at most %" PRId32 " rows and %" PRId32
         " columns are supported",
         name, rows, cols, maxDim, maxDim);

  std::printf("Enter elements of Matrix %c:\n", name);
  flushOutput();
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < cols; ++j)
      if (!readInteger(matrix[i][j], found))
        fail("expected element (%" PRId32 ", %" PRId32 ") of Matrix %c, found %s", i + 1, j + 1,
             name, found);
}

// The magnitude of x; unsigned, so that |-2^31| = 2^31 is representable.
std::uint32_t myAbs(std::int32_t x) {
  return x < 0 ? 0u - static_cast<std::uint32_t>(x) : static_cast<std::uint32_t>(x);
}

// rowsB is not consulted: the caller has checked that it equals colsA.
void multiplyMatrix(const Matrix &matrixA, const Matrix &matrixB, std::int32_t rowsA,
                    std::int32_t colsA, std::int32_t /* rowsB */, std::int32_t colsB) {
  SumMatrix result = {};
  for (std::int32_t i = 0; i < rowsA; ++i)
    for (std::int32_t j = 0; j < colsB; ++j)
      for (std::int32_t k = 0; k < colsA; ++k) {
        // Each factor is at most 2^31, so their product fits in 64 bits.
        std::uint64_t term = std::uint64_t{myAbs(matrixA[i][k])} * myAbs(matrixB[k][j]);
        Sum &sum = result[i][j];
        sum.low += term;
        sum.high += sum.low < term;
      }

  writeText("\nResultant Matrix:\n");
  for (std::int32_t i = 0; i < rowsA; ++i) {
    for (std::int32_t j = 0; j < colsB; ++j) {
      writeSum(result[i][j]);
      std::putchar(' ');
    }
    std::putchar('\n');
  }
}

} // namespace

int main() {
  std::int32_t rowsA, colsA, rowsB, colsB;
  Matrix matrixA, matrixB;

  readMatrix('A', rowsA, colsA, matrixA);
  readMatrix('B', rowsB, colsB, matrixB);
  if (colsA != rowsB)
    writeText("\nMultiplication not possible: Columns of A != Rows of B.\n");
  else
    multiplyMatrix(matrixA, matrixB, rowsA, colsA, rowsB, colsB);

  // Closing, not only flushing, is what reports a write that failed late.
  if (std::ferror(stdout) || std::fclose(stdout) != 0)
    fail("cannot write standard output: %s", std::strerror(errno));
  return 0;
}
