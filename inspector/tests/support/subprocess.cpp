#include "subprocess.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace tavrik::testing {

RunResult run_program(const std::string& program, const std::vector<std::string>& arguments,
                      const RunOptions& options) {
  int out_pipe[2];
  int err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0 || ::pipe2(err_pipe, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  std::vector<std::string> env_strings;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry(*e);
    const std::string name = entry.substr(0, entry.find('='));
    if (options.environment.count(name) == 0) env_strings.push_back(entry);
  }
  for (const auto& [name, value] : options.environment) {
    if (value) env_strings.push_back(name + "=" + *value);
  }
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (auto& e : env_strings) envp.push_back(e.data());
  envp.push_back(nullptr);

  if (options.close_stdout_early) ::close(out_pipe[0]);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(out_pipe[1], STDOUT_FILENO);
    ::dup2(err_pipe[1], STDERR_FILENO);
    ::signal(SIGPIPE, SIG_DFL);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);

  RunResult result;
  std::vector<pollfd> fds;
  if (!options.close_stdout_early) fds.push_back({out_pipe[0], POLLIN, 0});
  fds.push_back({err_pipe[0], POLLIN, 0});
  const auto deadline = start + options.time_limit;
  while (!fds.empty()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      result.timed_out = true;
      ::kill(pid, SIGKILL);
      break;
    }
    if (::poll(fds.data(), fds.size(), static_cast<int>(left.count())) <= 0) continue;
    for (std::size_t i = 0; i < fds.size();) {
      if (fds[i].revents == 0) {
        ++i;
        continue;
      }
      char buffer[65536];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n <= 0) {
        ::close(fds[i].fd);
        fds.erase(fds.begin() + static_cast<std::ptrdiff_t>(i));
        continue;
      }
      (fds[i].fd == err_pipe[0] ? result.err : result.out)
          .append(buffer, static_cast<std::size_t>(n));
      ++i;
    }
  }
  for (auto& f : fds) ::close(f.fd);
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace tavrik::testing
