#include "node_target.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <regex>

namespace tavrik::testing {

using namespace std::chrono_literals;

NodeTarget start_node(const std::vector<std::string>& arguments, bool wait_for_debugger, int port) {
  std::vector<std::string> all{"--inspect=127.0.0.1:" + std::to_string(port)};
  // A preload rather than --inspect-wait, which Node.js 18 does not have.
  if (wait_for_debugger) all.insert(all.end(), {"-r", TAVRIK_WAIT_FOR_DEBUGGER_SCRIPT});
  all.insert(all.end(), arguments.begin(), arguments.end());
  NodeTarget target;
  target.process = std::make_unique<Child>(TAVRIK_NODE, all);
  if (!target.process->wait_for_err("\n", 20s)) {
    ADD_FAILURE() << "node did not start its inspector: " << target.process->err();
    return target;
  }
  std::smatch match;
  const std::string err = target.process->err();
  if (!std::regex_search(err, match, std::regex(R"(ws://((127\.0\.0\.1:\d+)/[0-9a-f-]+))"))) {
    ADD_FAILURE() << "no inspector address in: " << err;
    return target;
  }
  target.ws_target = match[1];
  target.address = match[2];
  return target;
}

}  // namespace tavrik::testing
