// The control-mode rules every platform's event loop keeps, whatever its messages look like.
#pragma once

#include "platform/shell.hpp"

namespace tavrik::shell {

// Hands the handler the loop's control mode on each call. The first exit it asks for is final:
// whatever later calls write is ignored.
class LoopControl {
 public:
  explicit LoopControl(EventHandler handler) : handler_(handler) {}

  void deliver(EventKind kind) {
    ControlMode mode = mode_;
    handler_(Event{kind}, mode);
    if (exiting()) return;
    mode_ = mode;
  }

  bool exiting() const { return mode_.flow == ControlMode::Flow::exit; }
  int exit_code() const { return mode_.exit_code; }

 private:
  EventHandler handler_;
  ControlMode mode_;
};

}  // namespace tavrik::shell
