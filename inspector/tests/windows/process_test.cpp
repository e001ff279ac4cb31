// The wide command line, the wide environment and the standard handles, seen from a Windows
// parent: the command lines and environments here hold what a Linux caller cannot hand over.
#include "platform/process.hpp"

#include <gtest/gtest.h>

#include "expected_output.hpp"
#include "windows_test_support.hpp"

namespace tavrik {
namespace {

using testing::run_windows_program;
using testing::WindowsRunOptions;

const std::wstring show_arguments = testing::test_program_folder() + L"show_arguments.exe";
const std::wstring tool = testing::test_program_folder() + TAVRIK_TOOL_FROM_TESTS;

const std::string targets = R"([{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/abc"}])";

std::string console_lines(const std::string& devtools) {
  return testing::console_lines("127.0.0.1:9229/abc", devtools);
}

const std::string default_address =
    "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/abc&experiments=true&v8only=true";

TEST(EnvironmentVariable, AbsentEmptyTextAndInvalidUnicode) {
  struct Case {
    const wchar_t* value;  // nullptr: absent
    std::optional<std::string> expected;
  };
  // Far more than the first buffer holds, within the system's 32767 characters.
  const std::wstring long_value(32000, L'x');
  const std::vector<Case> cases = {
      {nullptr, std::nullopt},    {L"", ""},
      {L"{ws}", "{ws}"},          {L"\u00fc{ws}\U0001F600", "\xC3\xBC{ws}\xF0\x9F\x98\x80"},
      {L"a\xD800", std::nullopt}, {long_value.c_str(), std::string(32000, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected ? c.expected->substr(0, 20) : "(nothing)");
    ASSERT_TRUE(SetEnvironmentVariableW(L"TAVRIK_TEST_VARIABLE", c.value));
    const auto value = process::environment_variable("TAVRIK_TEST_VARIABLE");
    EXPECT_EQ(value.has_value(), c.expected.has_value());
    if (value && c.expected) {
      EXPECT_TRUE(*value == *c.expected) << value->size() << " bytes";
    }
  }
  SetEnvironmentVariableW(L"TAVRIK_TEST_VARIABLE", nullptr);
}

TEST(CommandLine, SplitByTheWindowsRulesAndConvertedToUtf8) {
  struct Case {
    std::wstring arguments;  // the command line after the program name
    std::string words;       // each word followed by a NUL
  };
  using namespace std::string_literals;
  const std::vector<Case> cases = {
      {L"", ""},
      {L"127.0.0.1:9229 --print-url", "127.0.0.1:9229\0--print-url\0"s},
      {L"  a\t b  ", "a\0b\0"s},
      {L"\"a b\" c", "a b\0c\0"s},
      {L"\"\" x \"\"", "\0x\0\0"s},         // empty words
      {L"a\\\\b c\\d", "a\\\\b\0c\\d\0"s},  // backslashes alone are literal
      {L"\\\"a\\\"", "\"a\"\0"s},           // \" is a quote
      {L"\"a\\\\\" b", "a\\\0b\0"s},        // \\" is a backslash, then the end
      {L"\"a\\\\\\\" b\"", "a\\\" b\0"s},   // \\\" is a backslash and a quote
      {L"\u00fc \u20ac\U0001F600", "\xC3\xBC\0\xE2\x82\xAC\xF0\x9F\x98\x80\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    const auto run = run_windows_program(show_arguments, L"show_arguments.exe " + c.arguments);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exit_code, 0u);
    EXPECT_EQ(run.out, c.words);
  }
}

TEST(CommandLine, AnUnpairedSurrogateStopsTheRun) {
  const std::vector<std::pair<std::wstring, std::string>> cases = {
      {L"show_arguments.exe a \xD800", "Error: argument 2 is not valid Unicode\n"},
      {L"show_arguments.exe x\xDC00y", "Error: argument 1 is not valid Unicode\n"},
      {L"\"show\xD800.exe\" a", "Error: the program name is not valid Unicode\n"},
  };
  for (const auto& [line, report] : cases) {
    const auto run = run_windows_program(show_arguments, line);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, report);
    EXPECT_EQ(run.exit_code, 1u);
  }

  // The tool itself stops before discovery: nobody is asked.
  testing::WinsockInspector inspector(testing::http_answer("HTTP/1.0 200 OK", targets), false);
  const std::wstring address(inspector.address().begin(), inspector.address().end());
  const auto run = run_windows_program(tool, L"tavrik_inspector.exe --\xD800 " + address);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Error: argument 1 is not valid Unicode\n");
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_EQ(inspector.connections(), 0);
}

TEST(ToolOutput, ExactBytesOnAPipeWithTheOverrideFromTheWideEnvironment) {
  testing::WinsockInspector inspector(testing::http_answer("HTTP/1.0 200 OK", targets), false);
  const std::wstring line = L"tavrik_inspector.exe --print-url " +
                            std::wstring(inspector.address().begin(), inspector.address().end());
  struct Case {
    std::optional<std::wstring> variable;
    std::string devtools;
  };
  const std::vector<Case> cases = {
      {std::nullopt, default_address},
      {L"", ""},                         // present and empty counts as set
      {L"\xD800{ws}", default_address},  // not valid Unicode: the default, silently
      {L"http://\u00fc.test/?ws={ws}&again={ws}",
       "http://\xC3\xBC.test/?ws=127.0.0.1:9229/abc&again=127.0.0.1:9229/abc"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.devtools);
    WindowsRunOptions options;
    options.environment[L"TAVRIK_INSPECTOR_FRONTEND"] = c.variable;
    const auto run = run_windows_program(tool, line, options);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exit_code, 0u);
    EXPECT_EQ(run.out, console_lines(c.devtools));  // LF only: nothing turns it into CR LF
  }
}

TEST(ToolOutput, AStandardOutputWithoutReaderIsReported) {
  testing::WinsockInspector inspector(testing::http_answer("HTTP/1.0 200 OK", targets), false);
  WindowsRunOptions options;
  options.close_stdout_early = true;
  const auto run =
      run_windows_program(tool,
                          L"tavrik_inspector.exe --print-url " +
                              std::wstring(inspector.address().begin(), inspector.address().end()),
                          options);
  EXPECT_EQ(run.exit_code, 1u);
  EXPECT_TRUE(run.err.starts_with("Error: failed to write to standard output\n\nCaused by:\n    "))
      << run.err;
  EXPECT_NE(run.err.find(" (os error "), std::string::npos) << run.err;
}

TEST(ConsoleOutput, AConsoleShowsTheSameCharacters) {
  // The probe writes through the platform layer to a console of its own and reads the
  // characters back from the console's screen buffer (helpers/console_probe.cpp).
  WindowsRunOptions options;
  options.new_console = true;
  const auto run = run_windows_program(testing::test_program_folder() + L"console_probe.exe",
                                       L"console_probe.exe", options);
  EXPECT_EQ(run.exit_code, 0u) << "1: the write failed, 2: other characters were shown";
}

TEST(ConsoleOutput, AnErrorReportShowsEscapeSequencesAsTextOnAConsole) {
  // The same probe writes a report quoting ESC and BEL to its console and reads it back.
  WindowsRunOptions options;
  options.new_console = true;
  const auto run = run_windows_program(testing::test_program_folder() + L"console_probe.exe",
                                       L"console_probe.exe report", options);
  EXPECT_EQ(run.exit_code, 0u) << "2: other characters were shown, 4: no console seen";
}

}  // namespace
}  // namespace tavrik
