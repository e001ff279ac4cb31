// The system's text for an operating-system error code, as every report shows it: the message,
// then " (os error N)". Sockets, processes and windows all report their failures this way.
#pragma once

#include <string>

namespace tavrik::platform {

std::string system_error_text(int code);

}  // namespace tavrik::platform
