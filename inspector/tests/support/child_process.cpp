#include "child_process.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace tavrik::testing {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

Child::Child(const std::string& program, const std::vector<std::string>& arguments,
             const ChildOptions& options)
    : own_group_(options.own_process_group) {
  int out_pipe[2];
  int err_pipe[2];
  if (::pipe2(out_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (::pipe2(err_pipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  // Before the fork, so that not even its first write finds a reader.
  if (options.close_stdout_early) ::close(out_pipe[0]);
  std::vector<std::string> env_strings;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry(*e);
    if (options.environment.count(entry.substr(0, entry.find('='))) == 0) {
      env_strings.push_back(entry);
    }
  }
  for (const auto& [name, value] : options.environment) {
    if (value) env_strings.push_back(name + "=" + *value);
  }
  std::vector<std::string> argv_strings{program};
  argv_strings.insert(argv_strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : argv_strings) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (auto& e : env_strings) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    if (own_group_) ::setpgid(0, 0);
    const int null_fd = ::open("/dev/null", O_RDONLY);
    ::dup2(null_fd, STDIN_FILENO);
    ::dup2(out_pipe[1], STDOUT_FILENO);
    ::dup2(err_pipe[1], STDERR_FILENO);
    ::signal(SIGPIPE, SIG_DFL);
    ::execvpe(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  if (own_group_) ::setpgid(pid_, pid_);  // either side may win the race; both ask the same
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  out_fd_ = options.close_stdout_early ? -1 : out_pipe[0];
  err_fd_ = err_pipe[0];
}

Child::~Child() {
  stop();
  if (out_fd_ >= 0) ::close(out_fd_);
  if (err_fd_ >= 0) ::close(err_fd_);
}

void Child::pump(std::chrono::milliseconds limit) {
  std::vector<pollfd> fds;
  if (out_fd_ >= 0) fds.push_back({out_fd_, POLLIN, 0});
  if (err_fd_ >= 0) fds.push_back({err_fd_, POLLIN, 0});
  if (fds.empty()) {
    std::this_thread::sleep_for(limit);
    return;
  }
  if (::poll(fds.data(), fds.size(), static_cast<int>(limit.count())) <= 0) return;
  for (const pollfd& p : fds) {
    if (p.revents == 0) continue;
    char buffer[65536];
    const ssize_t n = ::read(p.fd, buffer, sizeof buffer);
    int& fd = p.fd == out_fd_ ? out_fd_ : err_fd_;
    if (n <= 0) {
      ::close(fd);
      fd = -1;
      continue;
    }
    (p.fd == out_fd_ ? out_ : err_).append(buffer, static_cast<std::size_t>(n));
  }
}

bool Child::wait_for(const std::function<bool(const Child&)>& condition,
                     std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (!condition(*this)) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left <= 0ms) return false;
    pump(std::min(left, std::chrono::milliseconds(50)));
  }
  return true;
}

bool Child::wait_for_out(const std::string& text, std::chrono::milliseconds limit) {
  return wait_for([&](const Child& c) { return c.out().find(text) != std::string::npos; }, limit);
}

bool Child::wait_for_err(const std::string& text, std::chrono::milliseconds limit) {
  return wait_for([&](const Child& c) { return c.err().find(text) != std::string::npos; }, limit);
}

std::optional<int> Child::wait_exit(std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  while (!status_) {
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      if (WIFSIGNALED(status)) signal_ = WTERMSIG(status);
      break;
    }
    if (Clock::now() >= deadline) return std::nullopt;
    pump(10ms);
  }
  // What it wrote before it ended; descendants may hold the pipes open, so do not wait for EOF.
  for (int i = 0; i < 5 && (out_fd_ >= 0 || err_fd_ >= 0); ++i) pump(20ms);
  return status_;
}

void Child::stop() {
  if (status_ || pid_ <= 0) return;
  const pid_t target = own_group_ ? -pid_ : pid_;
  ::kill(target, SIGTERM);
  if (!wait_exit(3s)) {
    ::kill(target, SIGKILL);
    (void)wait_exit(10s);
  }
  if (own_group_) ::kill(-pid_, SIGKILL);  // what the group's leader left behind
}

namespace {

std::optional<pid_t> parent_of(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // The command name may hold blanks and parentheses: the fields start after the last ")".
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(text.substr(close + 1));
  char state = 0;
  pid_t parent = 0;
  if (!(fields >> state >> parent)) return std::nullopt;
  return parent;
}

}  // namespace

std::vector<pid_t> descendants_of(pid_t root) {
  std::map<pid_t, pid_t> parents;
  if (DIR* proc = ::opendir("/proc")) {
    while (dirent* entry = ::readdir(proc)) {
      char* end = nullptr;
      const long pid = std::strtol(entry->d_name, &end, 10);
      if (end == entry->d_name || *end != '\0') continue;
      if (auto parent = parent_of(static_cast<pid_t>(pid)))
        parents[static_cast<pid_t>(pid)] = *parent;
    }
    ::closedir(proc);
  }
  std::vector<pid_t> found;
  for (const auto& [pid, parent] : parents) {
    for (pid_t up = parent; up > 1; up = parents.count(up) != 0 ? parents[up] : 0) {
      if (up == root) {
        found.push_back(pid);
        break;
      }
    }
  }
  return found;
}

bool process_alive(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  const std::size_t close = text.rfind(')');
  if (close == std::string::npos || close + 2 >= text.size()) return false;
  const char state = text[close + 2];
  return state != 'Z' && state != 'X';
}

}  // namespace tavrik::testing
