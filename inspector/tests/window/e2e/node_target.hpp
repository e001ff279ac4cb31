// A Node.js process with its inspector on a port of its own choosing, for the window tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "child_process.hpp"

namespace tavrik::testing {

struct NodeTarget {
  std::unique_ptr<Child> process;
  std::string address;    // 127.0.0.1:PORT
  std::string ws_target;  // 127.0.0.1:PORT/UUID
};

// Starts node with these arguments (a script, or -e and its text). Waiting for the debugger holds
// the script until a frontend has attached and let it run. On failure the test fails and the
// address stays empty.
// A port of 0 lets Node.js choose one.
NodeTarget start_node(const std::vector<std::string>& arguments, bool wait_for_debugger = true,
                      int port = 0);

}  // namespace tavrik::testing
