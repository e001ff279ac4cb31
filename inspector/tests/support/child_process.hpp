// A program running beside the test, with its output captured as it comes and a bounded wait
// for every step. The destructor kills what is still running.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavrik::testing {

struct ChildOptions {
  // Variables to set (a value) or remove (nothing) on top of this process's environment.
  std::map<std::string, std::optional<std::string>> environment;
  // Its own process group, so that it and whatever it starts can be ended together.
  bool own_process_group = false;
  // The reader of its standard output is gone before it writes (a closed pipe).
  bool close_stdout_early = false;
};

class Child {
 public:
  Child(const std::string& program, const std::vector<std::string>& arguments,
        const ChildOptions& options = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  const std::string& out() const { return out_; }
  const std::string& err() const { return err_; }

  // Reads output until the condition holds or the time is up; says whether it holds.
  bool wait_for(const std::function<bool(const Child&)>& condition,
                std::chrono::milliseconds limit);
  bool wait_for_out(const std::string& text, std::chrono::milliseconds limit);
  bool wait_for_err(const std::string& text, std::chrono::milliseconds limit);

  // The exit status once the program has ended (128 + the signal when a signal ended it), or
  // nothing when it is still running at the end of the limit. Output is drained meanwhile.
  std::optional<int> wait_exit(std::chrono::milliseconds limit);

  // The signal that ended it, if a signal did (once it has ended).
  std::optional<int> signal() const { return signal_; }

  // Ends it (its whole group when it has one) with SIGTERM, then SIGKILL, and reaps it.
  void stop();

 private:
  void pump(std::chrono::milliseconds limit);

  pid_t pid_ = -1;
  bool own_group_ = false;
  std::optional<int> status_;
  std::optional<int> signal_;
  int out_fd_ = -1;
  int err_fd_ = -1;
  std::string out_;
  std::string err_;
};

// Every process whose parent chain leads to `root`, found in /proc; threads are not listed.
std::vector<pid_t> descendants_of(pid_t root);

// Whether a process of that id still exists and has not ended (zombies count as ended).
bool process_alive(pid_t pid);

}  // namespace tavrik::testing
