// Text bound for a terminal. An error report quotes what the inspector sent (a status line, a
// whole body); on a terminal its control characters would be obeyed, not shown.
#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The text with every character a terminal could act on made visible: control bytes other than
// line feed and tab, and DEL, as \xHH; the C1 controls U+0080 to U+009F as \u00HH; a byte that
// is not part of well-formed UTF-8 as \xHH (an 8-bit terminal would read 0x9B as a CSI).
// Two lower-case hex digits each. Everything else, backslashes included, is left as it is.
std::string escape_for_terminal(std::string_view text);

}  // namespace tavrik
