#include "x_session.hpp"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tavrik::testing {

using namespace std::chrono_literals;

namespace {

std::string first_line(const std::string& text) { return text.substr(0, text.find('\n')); }

std::optional<std::string> utf8_property(Display* x, Window window, const char* name) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x, window, XInternAtom(x, name, False), 0, 1024, False,
                         XInternAtom(x, "UTF8_STRING", False), &type, &format, &count, &after,
                         &data) != Success ||
      data == nullptr) {
    return std::nullopt;
  }
  std::string value(reinterpret_cast<const char*>(data), count);
  XFree(data);
  return value;
}

}  // namespace

XSession::XSession() {
  // -displayfd picks a free display number and prints it, so parallel tests never collide.
  xvfb_ = std::make_unique<Child>("Xvfb",
                                  std::vector<std::string>{"-displayfd", "1", "-screen", "0",
                                                           "1600x1000x24", "-nolisten", "tcp"},
                                  ChildOptions{{}, true});
  if (!xvfb_->wait_for_out("\n", 20s))
    throw std::runtime_error("Xvfb did not start: " + xvfb_->err());
  display_name_ = ":" + first_line(xvfb_->out());

  char runtime[] = "/tmp/tavrik-x-XXXXXX";  // mkdtemp makes it 0700, as a runtime directory must be
  if (::mkdtemp(runtime) == nullptr) throw std::runtime_error("mkdtemp failed");
  runtime_dir_ = runtime;
  bus_ = std::make_unique<Child>(
      "dbus-daemon", std::vector<std::string>{"--session", "--nofork", "--print-address=1"},
      ChildOptions{{{"XDG_RUNTIME_DIR", runtime_dir_}, {"DISPLAY", display_name_}}, true});
  if (!bus_->wait_for_out("\n", 20s)) throw std::runtime_error("dbus-daemon did not start");
  bus_address_ = first_line(bus_->out());

  x_ = XOpenDisplay(display_name_.c_str());
  if (x_ == nullptr) throw std::runtime_error("cannot connect to " + display_name_);
  // A window can go at any moment (that is what closing it is for); Xlib's default handler would
  // end the test on the error that a request to it then brings.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

XSession::~XSession() {
  if (x_ != nullptr) XCloseDisplay(x_);
  bus_.reset();
  xvfb_.reset();
  if (!runtime_dir_.empty()) std::filesystem::remove_all(runtime_dir_);
}

std::optional<unsigned long> XSession::find_window(const std::string& title,
                                                   std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  do {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::optional<Window> found;
    if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count) != 0) {
      for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(x_, children[i], &attributes) == 0) continue;
        if (attributes.map_state != IsViewable || attributes.width <= 1) continue;
        if (utf8_property(x_, children[i], "_NET_WM_NAME") == title) found = children[i];
      }
      if (children != nullptr) XFree(children);
    }
    if (found) return *found;
    std::this_thread::sleep_for(50ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

XSession::Size XSession::window_size(unsigned long window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(x_, window, &attributes);
  return {attributes.width, attributes.height};
}

void XSession::resize(unsigned long window, int width, int height) {
  XResizeWindow(x_, window, static_cast<unsigned>(width), static_cast<unsigned>(height));
  XSync(x_, False);
}

void XSession::request_close(unsigned long window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(x_, window, False, NoEventMask, &event);
  XFlush(x_);
}

void XSession::focus(unsigned long window) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(x_, window, &attributes);
  XRaiseWindow(x_, window);
  XSetInputFocus(x_, window, RevertToParent, CurrentTime);
  XTestFakeMotionEvent(x_, -1, attributes.x + attributes.width / 2,
                       attributes.y + attributes.height / 2, CurrentTime);
  XSync(x_, False);
  // GTK takes keys only once it has seen the focus arrive.
  std::this_thread::sleep_for(500ms);
}

namespace {

void press(Display* x, KeySym symbol) {
  const KeyCode code = XKeysymToKeycode(x, symbol);
  if (code == 0) throw std::runtime_error("no key for keysym " + std::to_string(symbol));
  const bool shifted = XkbKeycodeToKeysym(x, code, 0, 0) != symbol;
  const KeyCode shift = XKeysymToKeycode(x, XK_Shift_L);
  if (shifted) XTestFakeKeyEvent(x, shift, True, CurrentTime);
  XTestFakeKeyEvent(x, code, True, CurrentTime);
  XSync(x, False);
  // Held and let go as a person types, each key on its own: the page sees every one.
  std::this_thread::sleep_for(20ms);
  XTestFakeKeyEvent(x, code, False, CurrentTime);
  if (shifted) XTestFakeKeyEvent(x, shift, False, CurrentTime);
  XSync(x, False);
  // The frontend's completions arrive asynchronously and, on a busy machine, can swallow a key
  // typed over them at full speed.
  std::this_thread::sleep_for(200ms);
}

}  // namespace

void XSession::press_key(const std::string& keys) {
  std::vector<KeyCode> held;
  std::size_t start = 0;
  while (true) {
    const std::size_t plus = keys.find('+', start);
    const std::string name = keys.substr(start, plus == std::string::npos ? plus : plus - start);
    const KeySym symbol = XStringToKeysym(name.c_str());
    if (symbol == NoSymbol) throw std::runtime_error("unknown key " + name);
    if (plus == std::string::npos) {
      for (const KeyCode code : held) XTestFakeKeyEvent(x_, code, True, CurrentTime);
      press(x_, symbol);
      for (auto code = held.rbegin(); code != held.rend(); ++code) {
        XTestFakeKeyEvent(x_, *code, False, CurrentTime);
      }
      XSync(x_, False);
      return;
    }
    held.push_back(XKeysymToKeycode(x_, symbol));
    start = plus + 1;
  }
}

void XSession::click(unsigned long window, int x, int y, unsigned int button) {
  XWindowAttributes attributes{};
  XGetWindowAttributes(x_, window, &attributes);
  XTestFakeMotionEvent(x_, -1, attributes.x + x, attributes.y + y, CurrentTime);
  XTestFakeButtonEvent(x_, button, True, CurrentTime);
  XTestFakeButtonEvent(x_, button, False, CurrentTime);
  XSync(x_, False);
  std::this_thread::sleep_for(1s);
}

void XSession::type_text(const std::string& text) {
  for (const char c : text) {
    // Printable ASCII keysyms are the characters' own codes.
    press(x_, c == '\n' ? XK_Return : static_cast<KeySym>(static_cast<unsigned char>(c)));
  }
}

std::optional<Screenshot> XSession::capture(unsigned long window) {
  const Size size = window_size(window);
  if (size.width <= 0 || size.height <= 0) return std::nullopt;
  XImage* image = XGetImage(x_, window, 0, 0, static_cast<unsigned>(size.width),
                            static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
  if (image == nullptr) return std::nullopt;
  Screenshot shot{size.width, size.height, {}};
  shot.pixels.reserve(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height));
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      // A 24-bit TrueColor display, as Xvfb is here: the pixel value is 0xRRGGBB.
      shot.pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xffffff));
    }
  }
  XDestroyImage(image);
  return shot;
}

bool Screenshot::save_png(const std::string& path) const {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  guchar* out = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * width + x)];
      guchar* rgb = out + y * stride + x * 3;
      rgb[0] = static_cast<guchar>(pixel >> 16);
      rgb[1] = static_cast<guchar>(pixel >> 8);
      rgb[2] = static_cast<guchar>(pixel);
    }
  }
  const bool saved = gdk_pixbuf_save(pixbuf, path.c_str(), "png", nullptr, nullptr) != FALSE;
  g_object_unref(pixbuf);
  return saved;
}

std::size_t Screenshot::distinct_colours() const {
  return std::set<std::uint32_t>(pixels.begin(), pixels.end()).size();
}

int Screenshot::widest_row_of(std::uint32_t rgb) const {
  int widest = 0;
  for (int y = 0; y < height; ++y) {
    const auto row = pixels.begin() + y * width;
    widest = std::max(widest, static_cast<int>(std::count(row, row + width, rgb)));
  }
  return widest;
}

bool Screenshot::has_dark_pixel(int left, int top, int w, int h) const {
  for (int y = std::max(top, 0); y < std::min(top + h, height); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + w, width); ++x) {
      const std::uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
      if (((p >> 16) & 0xff) < 0x80 && ((p >> 8) & 0xff) < 0x80 && (p & 0xff) < 0x80) return true;
    }
  }
  return false;
}

}  // namespace tavrik::testing
