#include "launcher.hpp"

#include <span>
#include <vector>

#include "discovery.hpp"
#include "frontend_address.hpp"
#include "inspector_window.hpp"
#include "platform/process.hpp"
#include "terminal_text.hpp"

namespace tavrik {

std::string console_line_ws_target(std::string_view ws_target) {
  return "tavrik_inspector: ws target  = " + std::string(ws_target) + "\n";
}

std::string console_line_devtools(std::string_view frontend_address) {
  return "tavrik_inspector: devtools   = " + std::string(frontend_address) + "\n";
}

std::string_view console_line_frontend_note() {
  return "tavrik_inspector: (frontend is embedded; override with TAVRIK_INSPECTOR_FRONTEND)\n";
}

Result<std::string> frontend_address_from_debugger_url(Result<std::string> debugger_url) {
  if (!debugger_url) return std::move(debugger_url).error();
  return compose_frontend_address(ws_target_from_debugger_url(debugger_url.value()),
                                  ws_scheme_of_debugger_url(debugger_url.value()));
}

shell::Rediscovery rediscovery_for(const LaunchOptions& options) {
  shell::Rediscovery rediscovery;
  // The same rules as at the start, on the same address and with the same choice of target.
  rediscovery.full = [address = options.inspector_address, target = options.target] {
    return frontend_address_from_debugger_url(discover_ws_url(address, target));
  };
  if (options.follow) {
    rediscovery.once = [address = options.inspector_address,
                        target = options.target]() -> Result<std::string> {
      auto body = fetch_targets_once(address);
      if (!body) return std::move(body).error();
      return frontend_address_from_debugger_url(choose_target(body.value(), target));
    };
  }
  return rediscovery;
}

Status run_launcher(const LaunchOptions& options) {
  // Listing wins over everything else: it only looks, so it prints the lines and ends.
  if (options.list_targets) {
    auto lines = discover_target_lines(options.inspector_address, options.target);
    if (!lines) return std::move(lines).error();
    if (auto written = process::write_stdout(lines.value()); !written) {
      return std::move(written).error().context("failed to write to standard output");
    }
    return success();
  }
  auto debugger_url = discover_ws_url(options.inspector_address, options.target);
  if (!debugger_url) return std::move(debugger_url).error();

  const std::string ws_target = ws_target_from_debugger_url(debugger_url.value());
  const std::string frontend_address =
      compose_frontend_address(ws_target, ws_scheme_of_debugger_url(debugger_url.value()));

  // One write per line, so a reader on a pipe has every line as soon as it is complete.
  for (const std::string& line :
       {console_line_ws_target(ws_target), console_line_devtools(frontend_address),
        std::string(console_line_frontend_note())}) {
    if (auto written = process::write_stdout(line); !written) {
      return std::move(written).error().context("failed to write to standard output");
    }
  }
  if (options.print_url_only) return success();
  return open_inspector_window(frontend_address, rediscovery_for(options));
}

void write_error_report(const Error& error) {
  // The report quotes the inspector's text; a terminal must not obey what it holds.
  const std::string text = format_error_report(error);
  process::write_stderr(process::stderr_is_terminal() ? escape_for_terminal(text) : text);
}

int process_entry(int argc, char** argv) {
  process::prepare();
  auto report = [](const Error& error) {
    write_error_report(error);
    return 1;
  };
  auto arguments = process::arguments(argc, argv);
  if (!arguments) return report(arguments.error());
  std::span<const std::string> words(arguments.value());
  if (!words.empty()) words = words.subspan(1);  // the program name

  auto options = parse_command_line(words);
  if (!options) return report(options.error());
  auto outcome = run_launcher(options.value());
  if (!outcome) return report(outcome.error());
  return 0;
}

}  // namespace tavrik
