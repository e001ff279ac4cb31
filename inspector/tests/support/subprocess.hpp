// Runs a program to its end with captured standard output and error, within a time limit.
#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavrik::testing {

struct RunResult {
  std::string out;
  std::string err;
  int exit_code = -1;  // -1 when killed by a signal
  int signal = 0;      // the signal that ended it, if any
  bool timed_out = false;
  std::chrono::milliseconds elapsed{};
};

struct RunOptions {
  // Variables to set (a value) or remove (nothing) on top of this process's environment.
  std::map<std::string, std::optional<std::string>> environment;
  std::chrono::milliseconds time_limit{30000};
  bool close_stdout_early = false;  // the reader of standard output is gone before it writes
};

RunResult run_program(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

}  // namespace tavrik::testing
