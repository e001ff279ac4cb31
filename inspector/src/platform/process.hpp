// Process services: the argument vector, one environment variable, the standard streams and
// the exit. One implementation per platform, chosen by the build.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "error_chain.hpp"

namespace tavrik::process {

// The process's arguments as UTF-8, program name first. POSIX takes argv; Windows ignores it
// and splits GetCommandLineW. Text that is not valid Unicode is an error.
Result<std::vector<std::string>> arguments(int argc, char** argv);

// The variable's value as UTF-8, or nothing when it is absent or not valid Unicode.
std::optional<std::string> environment_variable(const char* name);

// Writes the bytes unchanged to standard output and flushes them.
Status write_stdout(std::string_view bytes);

// Whether standard error is a terminal (a console on Windows), which would act on control
// characters rather than store them.
bool stderr_is_terminal();

// Writes the bytes unchanged to standard error; there is nowhere to report a failure of this.
void write_stderr(std::string_view bytes);

// Prepares the process before anything else runs (for example, so that writing to a closed pipe
// is an error value rather than a signal).
void prepare();

// Flushes standard output and ends the process with the code, without unwinding.
[[noreturn]] void exit_process(int code);

}  // namespace tavrik::process
