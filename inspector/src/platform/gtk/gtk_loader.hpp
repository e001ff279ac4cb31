// GTK and WebKitGTK are loaded only when a window is wanted: linking them outright costs every
// run, print-only included, the loading and relocation of some 170 shared libraries.
#pragma once

#include "error_chain.hpp"

namespace tavrik::shell {

// Loads WebKitGTK (and with it GTK, GLib and the rest) and points every imported function at it.
// Safe to call more than once; no GTK function may be called before it has succeeded.
Status load_gtk_libraries();

}  // namespace tavrik::shell
