// The Win32 shell in this process, on Wine's null graphics driver when there is no display: the
// control modes, the close request, and what the window tells its content.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "win32_window.hpp"

namespace tavrik::shell {
namespace {

const std::string title = "tavrik \xE2\x80\x94 script inspector";

// Handlers capture nothing, so what they see is kept here.
std::vector<EventKind> seen;

void exit_on_close(const Event& event, ControlMode& mode) {
  seen.push_back(event.kind);
  mode.flow = ControlMode::Flow::wait;
  if (event.kind == EventKind::close_requested) mode.flow = ControlMode::Flow::exit;
}

// Asks for exit with 0 on a close request, and afterwards keeps writing other modes and codes.
void changes_its_mind(const Event& event, ControlMode& mode) {
  seen.push_back(event.kind);
  if (event.kind == EventKind::close_requested) {
    mode.flow = ControlMode::Flow::exit;
    mode.exit_code = 0;
  } else if (std::count(seen.begin(), seen.end(), EventKind::close_requested) != 0) {
    mode.flow =
        event.kind == EventKind::loop_ending ? ControlMode::Flow::wait : ControlMode::Flow::exit;
    mode.exit_code = 9;
  }
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    seen.clear();
    auto created_loop = platform().create_event_loop();
    ASSERT_TRUE(created_loop);
    loop = std::move(created_loop).value();
    auto created_window = platform().create_window(*loop, {title});
    ASSERT_TRUE(created_window) << created_window.error().message();
    window = std::move(created_window).value();
    handle = dynamic_cast<win32::Win32Window&>(*window).handle();
    ASSERT_NE(handle, nullptr);
  }

  void TearDown() override {
    window.reset();
    loop.reset();
    // Nothing a test left in the thread's queue may reach the next one.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  std::unique_ptr<EventLoop> loop;
  std::unique_ptr<Window> window;
  HWND handle = nullptr;
};

TEST_F(ShellTest, TheWindowIsShownWithTheExactTitle) {
  wchar_t text[64] = {};
  const int length = GetWindowTextW(handle, text, 64);
  EXPECT_EQ(std::wstring(text, static_cast<std::size_t>(length)),
            L"tavrik \u2014 script inspector");
  EXPECT_TRUE(IsWindowVisible(handle));
}

TEST_F(ShellTest, ACloseRequestEndsTheLoopWithTheHandlersCode) {
  PostMessageW(handle, WM_SIZE, 0, 0);
  PostMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_EQ(loop->run(exit_on_close), 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(std::count(seen.begin(), seen.end(), EventKind::close_requested), 1);
  EXPECT_EQ(seen.back(), EventKind::loop_ending);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), EventKind::loop_ending), 1);
  // The close request does not destroy the window: the process exit takes it down.
  EXPECT_TRUE(IsWindow(handle));
}

TEST_F(ShellTest, ExitModeOnceSetIsNeverTakenBack) {
  PostMessageW(handle, WM_CLOSE, 0, 0);
  PostMessageW(handle, WM_CLOSE, 0, 0);  // never reached: the loop has left by then
  EXPECT_EQ(loop->run(changes_its_mind), 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), EventKind::close_requested), 1);
  EXPECT_EQ(seen.back(), EventKind::loop_ending);
}

TEST_F(ShellTest, ACloseRequestBeforeTheLoopRunsIsActedOnWhenItStarts) {
  // Such as one the user makes while the web view is still being created.
  SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(handle));
  EXPECT_EQ(loop->run(exit_on_close), 0);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), EventKind::close_requested), 1);
}

TEST_F(ShellTest, AQuitMessageLeavesTheLoopWithItsCode) {
  PostQuitMessage(3);
  EXPECT_EQ(loop->run(exit_on_close), 3);
  EXPECT_EQ(seen.back(), EventKind::loop_ending);
}

class Content final : public win32::WindowContent {
 public:
  void fit(const RECT& area) override { fits.push_back(area); }
  void take_focus() override { ++focused; }
  void window_gone() override { gone = true; }
  std::vector<RECT> fits;
  int focused = 0;
  bool gone = false;
};

TEST_F(ShellTest, TheContentFollowsTheClientAreaAndHearsWhenTheWindowGoes) {
  Content content;
  auto& own = dynamic_cast<win32::Win32Window&>(*window);
  own.set_content(&content);
  SetWindowPos(handle, nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE);
  ASSERT_FALSE(content.fits.empty());
  RECT client{};
  GetClientRect(handle, &client);
  EXPECT_EQ(content.fits.back().right, client.right);
  EXPECT_EQ(content.fits.back().bottom, client.bottom);
  EXPECT_GT(client.right, 0);
  SendMessageW(handle, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(content.focused, 1);
  window.reset();
  EXPECT_TRUE(content.gone);
  EXPECT_FALSE(IsWindow(handle));
}

TEST_F(ShellTest, AScaleChangeTakesTheSuggestedSizeAndPlace) {
  RECT suggested{40, 50, 40 + 900, 50 + 650};
  SendMessageW(handle, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  RECT now{};
  GetWindowRect(handle, &now);
  EXPECT_EQ(now.left, 40);
  EXPECT_EQ(now.top, 50);
  EXPECT_EQ(now.right - now.left, 900);
  EXPECT_EQ(now.bottom - now.top, 650);
}

TEST(Shell, TheProgramDeclaresItselfAwareOfEachMonitorsScale) {
  // From the manifest: the system does not stretch the window's pixels.
  const HRSRC manifest = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  ASSERT_NE(manifest, nullptr);
  const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, manifest)));
  const std::string manifest_text(text, SizeofResource(nullptr, manifest));
  EXPECT_NE(manifest_text.find(">PerMonitorV2</dpiAwareness>"), std::string::npos);
}

TEST(Shell, ATitleThatIsNotUtf8IsRefused) {
  auto loop = platform().create_event_loop();
  ASSERT_TRUE(loop);
  const auto window = platform().create_window(*loop.value(), {"tavrik \xFF"});
  ASSERT_FALSE(window);
  EXPECT_EQ(window.error().message(), "the window title is not valid UTF-8");
}

}  // namespace
}  // namespace tavrik::shell
