// Prints the arguments as the platform layer reads them, program name left out, each followed by
// a NUL byte: the tests compare them byte for byte. Arguments that are not valid Unicode end it
// with the error report and status 1.
#include "error_chain.hpp"
#include "platform/process.hpp"

int main(int argc, char** argv) {
  auto arguments = tavrik::process::arguments(argc, argv);
  if (!arguments) {
    tavrik::process::write_stderr(tavrik::format_error_report(arguments.error()));
    return 1;
  }
  std::string out;
  for (std::size_t i = 1; i < arguments.value().size(); ++i) {
    out += arguments.value()[i];
    out += '\0';
  }
  return tavrik::process::write_stdout(out) ? 0 : 2;
}
