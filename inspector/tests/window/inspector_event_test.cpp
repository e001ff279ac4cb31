// The one event the tool acts on, and the loop's control-mode rules around it.
#include <gtest/gtest.h>

#include <vector>

#include "inspector_window.hpp"
#include "platform/loop_control.hpp"

namespace tavrik {
namespace {

using shell::ControlMode;
using shell::EventKind;
using Flow = ControlMode::Flow;

const std::vector<EventKind> all_kinds = {
    EventKind::new_cycle, EventKind::close_requested, EventKind::window_other, EventKind::device,
    EventKind::redraw,    EventKind::cycle_end,       EventKind::loop_ending,
};

TEST(InspectorEvent, WritesWaitFirstThenExitZeroOnlyForACloseRequest) {
  // Start from every mode a shell could hand over, including a stale exit with another code.
  const std::vector<ControlMode> before = {
      {Flow::wait, 0}, {Flow::exit, 0}, {Flow::exit, 7}, {Flow::wait, 3}};
  for (const EventKind kind : all_kinds) {
    for (const ControlMode& start : before) {
      ControlMode mode = start;
      handle_inspector_event(shell::Event{kind}, mode);
      if (kind == EventKind::close_requested) {
        EXPECT_EQ(mode.flow, Flow::exit);
        EXPECT_EQ(mode.exit_code, 0);
      } else {
        EXPECT_EQ(mode.flow, Flow::wait) << "kind " << static_cast<int>(kind);
      }
    }
  }
}

TEST(LoopControl, TheFirstExitIsFinal) {
  shell::LoopControl control(handle_inspector_event);
  for (const EventKind kind :
       {EventKind::new_cycle, EventKind::window_other, EventKind::redraw, EventKind::cycle_end}) {
    control.deliver(kind);
    EXPECT_FALSE(control.exiting());
  }
  control.deliver(EventKind::close_requested);
  ASSERT_TRUE(control.exiting());
  // A second close, and the wait mode the handler writes for everything after, change nothing.
  for (const EventKind kind : {EventKind::close_requested, EventKind::window_other,
                               EventKind::cycle_end, EventKind::loop_ending}) {
    control.deliver(kind);
    EXPECT_TRUE(control.exiting());
    EXPECT_EQ(control.exit_code(), 0);
  }
}

TEST(LoopControl, KeepsTheCodeOfTheFirstExitAgainstLaterOnes) {
  // A handler of the tests' own that asks for a different code on each call.
  static int calls;
  calls = 0;
  shell::LoopControl control([](const shell::Event&, ControlMode& mode) {
    ++calls;
    mode.flow = calls >= 2 ? Flow::exit : Flow::wait;
    mode.exit_code = calls;
  });
  control.deliver(EventKind::new_cycle);
  EXPECT_FALSE(control.exiting());
  control.deliver(EventKind::new_cycle);
  control.deliver(EventKind::new_cycle);
  EXPECT_TRUE(control.exiting());
  EXPECT_EQ(control.exit_code(), 2);
  EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace tavrik
