// Runs the program under test as a user does: bytes on standard input,
// bytes back from standard output and standard error, and an exit status.
#pragma once

#include <string>
#include <vector>

// How the suite was told to start the program, from its command line.
struct Target {
  std::vector<std::string> command; // the program, or e.g. "wine" and the .exe
  bool windows = false;             // a Windows console build: CRLF line ends, no Unix devices
  unsigned randomRuns = 150;        // how many random cases the randomized test runs
};
const Target &target();
void setTarget(Target t);

enum class Stdio {
  pipes,          // standard input and output are pipes
  stdoutFull,     // standard output is /dev/full: every write fails
  stdinDirectory, // standard input is a directory: every read fails
};

struct Outcome {
  std::string out;
  std::string err;
  int status = -1; // the exit status, or 128 + the signal that ended it
};

// Runs the target with `input` on standard input and `arguments` after its command. Line ends of a
// Windows build are turned back into "\n", so that every other byte can be compared.
Outcome runProgram(const std::string &input, Stdio stdio = Stdio::pipes,
                   const std::vector<std::string> &arguments = {});

// In a child process: becomes the target, with `arguments` after its command.
[[noreturn]] void execTarget(const std::vector<std::string> &arguments = {});

// The text with every byte that would not show in a failure message spelled out.
std::string visible(const std::string &text);

// What the program writes before it reads the first element of Matrix B,
// when nothing is echoed: each dimension prompt runs into the element prompt.
extern const char *const promptsA;
extern const char *const promptsB;
