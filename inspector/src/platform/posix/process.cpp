// POSIX process services: argv bytes, the environment, the standard streams and the exit.
#include "platform/process.hpp"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/system_error.hpp"
#include "utf8.hpp"

namespace tavrik::process {

namespace {

Status write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return Error(platform::system_error_text(errno));
    }
    if (written == 0) return Error("failed to write whole buffer");
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return success();
}

}  // namespace

Result<std::vector<std::string>> arguments(int argc, char** argv) {
  std::vector<std::string> out;
  for (int i = 0; i < argc && argv[i] != nullptr; ++i) {
    std::string word(argv[i]);
    if (!is_valid_utf8(word)) {
      return Error(i == 0 ? std::string("the program name is not valid UTF-8")
                          : "argument " + std::to_string(i) + " is not valid UTF-8");
    }
    out.push_back(std::move(word));
  }
  return out;
}

std::optional<std::string> environment_variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || !is_valid_utf8(value)) return std::nullopt;
  return std::string(value);
}

Status write_stdout(std::string_view bytes) { return write_all(STDOUT_FILENO, bytes); }

bool stderr_is_terminal() { return ::isatty(STDERR_FILENO) == 1; }

void write_stderr(std::string_view bytes) { (void)write_all(STDERR_FILENO, bytes); }

void prepare() {
  // A reader that has gone away must show up as a failed write, never as a death by signal.
  std::signal(SIGPIPE, SIG_IGN);
}

void exit_process(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace tavrik::process
