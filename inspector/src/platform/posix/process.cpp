// POSIX process services: argv bytes, the environment, the standard streams and the exit.
#include "platform/process.hpp"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "platform/system_error.hpp"
#include "utf8.hpp"
#include "write_loop.hpp"

namespace tavrik::process {

namespace {

Status write_all(int fd, std::string_view bytes) {
  const auto write_some = [fd](std::string_view rest) -> Result<WriteStep> {
    const ssize_t written = ::write(fd, rest.data(), rest.size());
    if (written >= 0) return WriteStep{WriteStep::Kind::wrote, static_cast<std::size_t>(written)};
    if (errno == EINTR) return WriteStep{WriteStep::Kind::interrupted, 0};
    // A descriptor another process has made non-blocking (they share it) may be full for now
    // (EWOULDBLOCK is the same value on the systems this builds for).
    if (errno == EAGAIN) return WriteStep{WriteStep::Kind::would_block, 0};
    return Error(platform::system_error_text(errno));
  };
  // Waits as a blocking write would, until the reader has made room.
  const auto wait_writable = [fd]() -> Status {
    pollfd entry{fd, POLLOUT, 0};
    if (::poll(&entry, 1, -1) < 0 && errno != EINTR) {
      return Error(platform::system_error_text(errno));
    }
    return success();
  };
  return write_all_with(bytes, write_some, wait_writable);
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
