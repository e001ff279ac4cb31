#include "platform/system_error.hpp"

#include <cstdint>

#include "win32_text.hpp"

namespace tavrik::platform {

std::string system_error_text(int code) {
  // Wine has no text for several Winsock codes (10060 among them); the code still says it all.
  return win32::system_message(static_cast<std::uint32_t>(code)).value_or("unknown error") +
         " (os error " + std::to_string(code) + ")";
}

}  // namespace tavrik::platform
