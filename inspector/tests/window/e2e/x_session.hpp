// A display without a screen and a session bus of the test's own, and what a user does to a
// window on it: find it, type into it, look at it, close it.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.hpp"

using Display = struct _XDisplay;

namespace tavrik::testing {

struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0xRRGGBB, row by row

  bool save_png(const std::string& path) const;
  std::size_t distinct_colours() const;
  // The most pixels of that colour in any one row.
  int widest_row_of(std::uint32_t rgb) const;
  // Whether any pixel of the rectangle is dark (every channel below half).
  bool has_dark_pixel(int left, int top, int width, int height) const;
};

class XSession {
 public:
  // Starts Xvfb on a free display number and a private session bus; throws when either fails.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  const std::string& display_name() const { return display_name_; }
  const std::string& bus_address() const { return bus_address_; }
  // A runtime directory of this session's own: the accessibility bus that the session bus starts
  // puts its socket there, where parallel sessions cannot take it from each other.
  const std::string& runtime_dir() const { return runtime_dir_; }

  // The mapped top-level window with that exact title (_NET_WM_NAME), waiting for it to appear.
  // GTK also keeps an unmapped 1x1 window of the same title; it never matches.
  std::optional<unsigned long> find_window(const std::string& title,
                                           std::chrono::milliseconds limit);
  struct Size {
    int width = 0;
    int height = 0;
  };
  Size window_size(unsigned long window);
  // What a user's drag of the window's corner asks for (no window manager here to do it).
  void resize(unsigned long window, int width, int height);

  // What a window manager sends for the close button: WM_PROTOCOLS with WM_DELETE_WINDOW.
  void request_close(unsigned long window);

  // Keyboard focus on the window, then key presses as a user makes them (XTest).
  void focus(unsigned long window);
  // X key names, held together when joined by "+", such as "F8" or "Control_L+grave".
  void press_key(const std::string& keys);
  // A click at that point of the window, in pixels from its top left corner: the left button,
  // or another (3 is the right one).
  void click(unsigned long window, int x, int y, unsigned int button = 1);
  void type_text(const std::string& text);

  // The window's pixels as they are on the display, or nothing on failure.
  std::optional<Screenshot> capture(unsigned long window);

 private:
  std::unique_ptr<Child> xvfb_;
  std::unique_ptr<Child> bus_;
  std::string display_name_;
  std::string bus_address_;
  std::string runtime_dir_;
  Display* x_ = nullptr;
};

}  // namespace tavrik::testing
