// The program in a dialogue: each answer is sent only once its prompt has
// arrived, as a person at a terminal or a driving program would, and the
// program must get through to its result without an end of input.
#include "program.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Dialogue {
public:
  // At a terminal, or through a pipe each way.
  explicit Dialogue(bool terminal) {
    int toProgram[2] = {-1, -1}, fromProgram[2] = {-1, -1};
    if (terminal) {
      pid_ = forkpty(&reader_, nullptr, nullptr, nullptr);
      writer_ = reader_;
    } else if (pipe(toProgram) == 0 && pipe(fromProgram) == 0) {
      pid_ = fork();
      if (pid_ == 0) {
        dup2(toProgram[0], 0);
        dup2(fromProgram[1], 1);
      }
      close(toProgram[0]);
      close(fromProgram[1]);
      writer_ = toProgram[1];
      reader_ = fromProgram[0];
    }
    if (pid_ == 0)
      execTarget();
  }
  ~Dialogue() {
    if (pid_ > 0 && status_ < 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (writer_ != reader_ && writer_ >= 0)
      close(writer_);
    if (reader_ >= 0)
      close(reader_);
  }

  bool started() const { return pid_ > 0; }

  // Reads what the program shows until it ends with `text`; false if the
  // program does not get there in time.
  bool waitFor(const std::string &text) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!endsWith(screen_, text)) {
      auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd fd = {reader_, POLLIN, 0};
      if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0)
        return false;
      char buffer[4096];
      ssize_t n = read(reader_, buffer, sizeof buffer);
      if (n <= 0)
        return false;
      screen_.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
  }

  void type(const std::string &keys) {
    ASSERT_EQ(write(writer_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }

  int exitStatus() {
    int status = 0;
    waitpid(pid_, &status, 0);
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return status_;
  }

  const std::string &screen() const { return screen_; }

private:
  static bool endsWith(const std::string &text, const std::string &end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
  }

  int reader_ = -1;
  int writer_ = -1;
  pid_t pid_ = -1;
  int status_ = -1;
  std::string screen_;
};

using Step = std::pair<const char *, const char *>; // what to wait for, then what to send

void converse(Dialogue &dialogue, const std::vector<Step> &steps, const std::string &result) {
  ASSERT_TRUE(dialogue.started());
  for (const auto &[prompt, answer] : steps) {
    ASSERT_TRUE(dialogue.waitFor(prompt))
        << "waited for: " << visible(prompt) << "\nreceived: " << visible(dialogue.screen());
    dialogue.type(answer);
  }
  ASSERT_TRUE(dialogue.waitFor(result)) << "received: " << visible(dialogue.screen());
  EXPECT_EQ(dialogue.exitStatus(), 0);
}

TEST(Dialogue, AtATerminal) {
  if (target().windows)
    GTEST_SKIP() << "Wine gives a Windows console program no Unix terminal to talk to";
  Dialogue dialogue(true);
  // The terminal echoes what is typed and ends its lines with "\r\n".
  converse(dialogue,
           {{"Enter rows and columns of Matrix A: ", "2 3\n"},
            {"2 3\r\nEnter elements of Matrix A:\r\n", "1 -2 3\n"},
            {"1 -2 3\r\n", "4 5 -6\n"},
            {"4 5 -6\r\nEnter rows and columns of Matrix B: ", "3\n"},
            {"3\r\n", "2\n"},
            {"2\r\nEnter elements of Matrix B:\r\n", "7 8\n9 10\n11 12\n"}},
           "\r\nResultant Matrix:\r\n58 64 \r\n139 154 \r\n");
}

// A pipe is not flushed line by line, so this shows each prompt is flushed
// before the program waits for its answer.
TEST(Dialogue, ThroughPipes) {
  Dialogue dialogue(false);
  const char *eol = target().windows ? "\r\n" : "\n";
  std::string elementsA = std::string("Enter elements of Matrix A:") + eol;
  std::string elementsB = std::string("Enter elements of Matrix B:") + eol;
  std::string result =
      std::string(eol) + "Resultant Matrix:" + eol + "58 64 " + eol + "139 154 " + eol;
  converse(dialogue,
           {{"Enter rows and columns of Matrix A: ", "2 3\n"},
            {elementsA.c_str(), "1 -2 3\n4 5 -6\n"},
            {"Enter rows and columns of Matrix B: ", "3 2\n"},
            {elementsB.c_str(), "7 8\n9 10\n11 12\n"}},
           result);
}

} // namespace
