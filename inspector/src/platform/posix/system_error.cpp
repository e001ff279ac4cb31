#include "platform/system_error.hpp"

#include <system_error>

namespace tavrik::platform {

std::string system_error_text(int code) {
  return std::system_category().message(code) + " (os error " + std::to_string(code) + ")";
}

}  // namespace tavrik::platform
