#include "program.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

const char *const promptsA = "Enter rows and columns of Matrix A: Enter elements of Matrix A:\n";
const char *const promptsB = "Enter rows and columns of Matrix B: Enter elements of Matrix B:\n";

namespace {

Target current;

// Wine starts slowly; a native run takes milliseconds.
constexpr int timeoutMs = 120 * 1000;

std::string crlfToLf(const std::string &text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
      plain += text[i];
  return plain;
}

[[noreturn]] void fatal(const char *what) {
  throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

} // namespace

const Target &target() { return current; }
void setTarget(Target t) { current = std::move(t); }

Outcome runProgram(const std::string &input, Stdio stdio,
                   const std::vector<std::string> &arguments) {
  if (current.command.empty())
    throw std::runtime_error("no program to test: pass its path after the test options");
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
    fatal("pipe");

  pid_t pid = fork();
  if (pid < 0)
    fatal("fork");
  if (pid == 0) {
    setpgid(0, 0);
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    if (stdio == Stdio::stdoutFull) {
      int full = open("/dev/full", O_WRONLY);
      dup2(full, 1);
    } else if (stdio == Stdio::stdinDirectory) {
      int directory = open("/", O_RDONLY | O_DIRECTORY);
      dup2(directory, 0);
    }
    for (int fd = 3; fd < 64; ++fd)
      close(fd);
    execTarget(arguments);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);

  Outcome outcome;
  std::size_t written = 0;
  int inFd = in[1];
  if (input.empty()) {
    close(inFd);
    inFd = -1;
  }
  int openPipes = 2;
  while (openPipes > 0) {
    pollfd fds[3] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}, {inFd, POLLOUT, 0}};
    int ready = poll(fds, 3, timeoutMs);
    if (ready < 0 && errno == EINTR)
      continue;
    if (ready <= 0) {
      kill(-pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      throw std::runtime_error("the program did not finish within the time limit");
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
        continue;
      char buffer[65536];
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        (i == 0 ? outcome.out : outcome.err).append(buffer, static_cast<std::size_t>(n));
      } else {
        close(fds[i].fd);
        (i == 0 ? out[0] : err[0]) = -1;
        --openPipes;
      }
    }
    if (inFd >= 0 && (fds[2].revents & (POLLOUT | POLLERR | POLLHUP))) {
      ssize_t n = write(inFd, input.data() + written, input.size() - written);
      // A program that stops reading early closes the pipe: the rest is not wanted.
      if (n < 0 || (written += static_cast<std::size_t>(n)) == input.size()) {
        close(inFd);
        inFd = -1;
      }
    }
  }
  if (inFd >= 0)
    close(inFd);

  int status = 0;
  waitpid(pid, &status, 0);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (current.windows) {
    outcome.out = crlfToLf(outcome.out);
    outcome.err = crlfToLf(outcome.err);
  }
  return outcome;
}

void execTarget(const std::vector<std::string> &arguments) {
  // The suite ignores SIGPIPE, and an ignored signal stays ignored across exec.
  std::signal(SIGPIPE, SIG_DFL);
  std::vector<char *> argv;
  for (const std::string &word : current.command)
    argv.push_back(const_cast<char *>(word.c_str()));
  for (const std::string &word : arguments)
    argv.push_back(const_cast<char *>(word.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  _exit(127);
}

std::string visible(const std::string &text) {
  std::string shown;
  for (unsigned char c : text) {
    if (c == '\n')
      shown += "\\n\n";
    else if (c == '\r')
      shown += "\\r";
    else if (c == '\t')
      shown += "\\t";
    else if (c == '\\')
      shown += "\\\\";
    else if (c < ' ' || c >= 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      shown += escaped;
    } else
      shown += static_cast<char>(c);
  }
  return shown + "<end>";
}
