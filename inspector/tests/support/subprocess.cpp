#include "subprocess.hpp"

#include "child_process.hpp"

namespace tavrik::testing {

RunResult run_program(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options) {
  ChildOptions child_options;
  child_options.environment = options.environment;
  child_options.close_stdout_early = options.close_stdout_early;
  const auto start = std::chrono::steady_clock::now();
  Child child(program, arguments, child_options);
  RunResult result;
  const auto status = child.wait_exit(options.time_limit);
  if (!status) {
    result.timed_out = true;
    child.stop();
  }
  result.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  result.out = child.out();
  result.err = child.err();
  if (const auto signal = child.signal()) {
    result.signal = *signal;
  } else if (status) {
    result.exit_code = *status;
  }
  return result;
}

}  // namespace tavrik::testing
