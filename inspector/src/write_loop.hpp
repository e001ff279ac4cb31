// Writing a whole buffer through a call that may take only part of it, be interrupted, or find the
// stream full for now. Shared by standard output, standard error and the inspector socket; the
// platform code supplies the single write and the wait.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "error_chain.hpp"

namespace tavrik {

// What one write call did.
struct WriteStep {
  enum class Kind {
    wrote,        // took `count` bytes from the front (0 means it took none and never will)
    interrupted,  // a signal came before any byte was taken; simply call again
    would_block,  // the stream is full for now (a non-blocking descriptor); wait, then again
  };
  Kind kind = Kind::wrote;
  std::size_t count = 0;
};

// One write of the front of `bytes` (never called with none).
using WriteSome = std::function<Result<WriteStep>(std::string_view bytes)>;
// Waits until the stream may take bytes again; its failure ends the write.
using WaitWritable = std::function<Status()>;

// How many calls in a row may take no byte (interrupted or full) before the write gives up, so that
// a stream that never moves ends in an error rather than a loop that never ends.
inline constexpr std::size_t write_stall_limit = 1000;

// Writes all of `bytes`, each exactly once and in order. `wait` is called after each would_block;
// without one, would_block is an error at once.
Status write_all_with(std::string_view bytes, const WriteSome& write,
                      const WaitWritable& wait = nullptr);

}  // namespace tavrik
