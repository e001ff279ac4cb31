// The launch sequence: command line, discovery, composition, console lines, then the window.
#pragma once

#include <string>
#include <string_view>

#include "command_line.hpp"
#include "error_chain.hpp"
#include "platform/shell.hpp"

namespace tavrik {

// The three lines written to standard output, each ended by a single line feed.
std::string console_line_ws_target(std::string_view ws_target);
std::string console_line_devtools(std::string_view frontend_address);
std::string_view console_line_frontend_note();

// In window mode this returns only with an error: on success the process ends in the event loop.
Status run_launcher(const LaunchOptions& options);

// How the window finds its frontend address again: the whole discovery for a reload, and one
// attempt at a time with --follow (nothing without it).
shell::Rediscovery rediscovery_for(const LaunchOptions& options);
// Writes the error report to standard error; escaped for a terminal, unchanged for anything else.
void write_error_report(const Error& error);

// The process entry: returns the exit status.
int process_entry(int argc, char** argv);

}  // namespace tavrik
