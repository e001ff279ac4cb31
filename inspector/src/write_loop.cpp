#include "write_loop.hpp"

#include <string>

namespace tavrik {

Status write_all_with(std::string_view bytes, const WriteSome& write, const WaitWritable& wait) {
  std::size_t stalled = 0;  // calls in a row that took no byte
  while (!bytes.empty()) {
    auto step = write(bytes);
    if (!step) return std::move(step).error();
    switch (step.value().kind) {
      case WriteStep::Kind::wrote: {
        const std::size_t count = step.value().count;
        if (count == 0) return Error("failed to write whole buffer");
        // Taking more than was offered would mean bytes written that were never given.
        if (count > bytes.size()) {
          return Error("write reported " + std::to_string(count) + " bytes written of " +
                       std::to_string(bytes.size()) + " offered");
        }
        bytes.remove_prefix(count);
        stalled = 0;
        continue;
      }
      case WriteStep::Kind::interrupted:
        break;
      case WriteStep::Kind::would_block:
        if (!wait) return Error("write would block on a stream that cannot be waited for");
        if (auto waited = wait(); !waited) return waited;
        break;
    }
    if (++stalled >= write_stall_limit) {
      return Error("write made no progress after " + std::to_string(write_stall_limit) +
                   " attempts");
    }
  }
  return success();
}

}  // namespace tavrik
