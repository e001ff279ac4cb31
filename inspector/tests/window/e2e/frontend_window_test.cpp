// The Linux host's window as a person debugging a script uses it: the embedded frontend against a
// real Node.js, driven with real key presses and clicks, with the page's state read back to check
// what the person would see. The host runs in this process (the same code as in the tool) so
// that the page can be asked.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "devtools_protocol.hpp"
#include "node_target.hpp"
#include "page_script.hpp"
#include "platform/shell.hpp"
#include "x_session.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;
using testing::NodeTarget;
using testing::start_node;
using testing::XSession;

const std::string title = "tavrik \xE2\x80\x94 script inspector";
const std::string artifacts = TAVRIK_ARTIFACTS_DIR;
constexpr auto ready_limit = 90s;

// Every element matching the selector, in the document and in every shadow root beneath it.
constexpr const char* deep_query = R"js(
  const deep = (selector, root = document, found = []) => {
    for (const element of root.querySelectorAll('*')) {
      if (element.matches(selector)) found.push(element);
      if (element.shadowRoot) deep(selector, element.shadowRoot, found);
    }
    return found;
  };
  const centre = (element) => {
    const box = element.getBoundingClientRect();
    return {x: Math.round(box.left + box.width / 2), y: Math.round(box.top + box.height / 2)};
  };
)js";

// The host's window and web view, made by the host's own constructors, on the test's display.
class FrontendWindow {
 public:
  FrontendWindow(XSession& x, const std::string& ws_target) : x_(x) {
    ::setenv("DISPLAY", x.display_name().c_str(), 1);
    ::setenv("DBUS_SESSION_BUS_ADDRESS", x.bus_address().c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", x.runtime_dir().c_str(), 1);
    ::unsetenv("WAYLAND_DISPLAY");
    const shell::Platform& platform = shell::platform();
    auto loop = platform.create_event_loop();
    if (!loop) throw std::runtime_error(loop.error().message());
    loop_ = std::move(loop).value();
    auto window = platform.create_window(*loop_, {title});
    if (!window) throw std::runtime_error(window.error().message());
    window_ = std::move(window).value();
    shell::WebViewOptions options;
    options.protocol_name = std::string(devtools_scheme_name);
    options.protocol_handler = handle_devtools_request;
    options.initial_url =
        "http://devtools.localhost/js_app.html?ws=" + ws_target + "&experiments=true&v8only=true";
    auto view = platform.build_webview(*window_, options);
    if (!view) throw std::runtime_error(view.error().message());
    webview_ = std::move(view).value();

    // The web view the host made is its window's only child.
    GListModel* toplevels = gtk_window_get_toplevels();
    for (guint i = 0; i < g_list_model_get_n_items(toplevels) && view_ == nullptr; ++i) {
      auto* candidate = static_cast<GtkWindow*>(g_list_model_get_item(toplevels, i));
      if (title == gtk_window_get_title(candidate)) {
        view_ = WEBKIT_WEB_VIEW(gtk_window_get_child(candidate));
      }
      g_object_unref(candidate);
    }
    if (view_ == nullptr) throw std::runtime_error("no web view in the host's window");
    pump(500ms);
    const auto found = x.find_window(title, 10s);
    if (!found) throw std::runtime_error("the window is not on the display");
    x_window_ = *found;
  }

  ~FrontendWindow() {
    webview_.reset();
    window_.reset();
    loop_.reset();
  }

  WebKitWebView* view() const { return view_; }
  unsigned long x_window() const { return x_window_; }

  // Lets GTK and WebKit handle what has come in (X events, the page's messages) for a while.
  void pump(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
      while (g_main_context_iteration(nullptr, FALSE)) {
      }
      std::this_thread::sleep_for(5ms);
    }
  }

  // The page's answer to a script (with the deep query helpers in scope), as text; a thrown
  // error comes back as "error: ..." so that a failing check shows it.
  std::string evaluate(const std::string& script) {
    return testing::run_page_script(view_, std::string("(() => {") + deep_query + script + "})()");
  }

  // Evaluates the script until it answers "true", within the limit.
  bool wait_until(const std::string& script, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    do {
      if (evaluate(script) == "true") return true;
      pump(200ms);
    } while (std::chrono::steady_clock::now() < end);
    return false;
  }

  // The centre of the first element the script's expression finds, as "x,y" page coordinates.
  std::optional<std::pair<int, int>> point_of(const std::string& element_expression) {
    const std::string answer = evaluate("const e = " + element_expression +
                                        "; if (!e) return ''; const c = centre(e);"
                                        " return c.x + ',' + c.y;");
    const auto comma = answer.find(',');
    if (comma == std::string::npos || answer.starts_with("error")) return std::nullopt;
    return std::pair{std::stoi(answer.substr(0, comma)), std::stoi(answer.substr(comma + 1))};
  }

  void click(int x, int y, unsigned int button = 1) {
    x_.click(x_window_, x, y, button);
    pump(300ms);
  }

  void press_key(const std::string& keys) {
    x_.press_key(keys);
    pump(300ms);
  }

  void save_screenshot(const std::string& name) {
    pump(300ms);
    if (const auto shot = x_.capture(x_window_)) shot->save_png(artifacts + "/" + name);
  }

  // What the clipboard of the window's display holds as text.
  std::string clipboard_text() {
    struct Outcome {
      bool done = false;
      std::string text;
    } outcome;
    GdkClipboard* clipboard = gtk_widget_get_clipboard(GTK_WIDGET(view_));
    gdk_clipboard_read_text_async(
        clipboard, nullptr,
        +[](GObject* object, GAsyncResult* result, gpointer data) {
          auto* out = static_cast<Outcome*>(data);
          char* text = gdk_clipboard_read_text_finish(GDK_CLIPBOARD(object), result, nullptr);
          if (text != nullptr) out->text = text;
          g_free(text);
          out->done = true;
        },
        &outcome);
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!outcome.done && std::chrono::steady_clock::now() < end) {
      g_main_context_iteration(nullptr, FALSE);
    }
    return outcome.text;
  }

 private:
  XSession& x_;
  std::unique_ptr<shell::EventLoop> loop_;
  std::unique_ptr<shell::Window> window_;
  std::unique_ptr<shell::WebView> webview_;
  WebKitWebView* view_ = nullptr;
  unsigned long x_window_ = 0;
};

class FrontendWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tavrik-frontend-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::filesystem::create_directories(artifacts);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // A script of 320 lines whose function stops at line 306 each time it is called, and says when
  // it goes on.
  std::string write_long_script() const {
    std::string text;
    for (int line = 1; line <= 318; ++line) {
      if (line == 300) {
        text += "function deep() {\n";
      } else if (line == 306) {
        text += "  debugger; console.log('resumed');\n";
      } else if (line == 310) {
        text += "}\n";
      } else {
        text += "const v" + std::to_string(line) + " = { index: " + std::to_string(line) +
                ", nested: { list: [1, 2, 3] } };\n";
      }
    }
    text += "console.log('frontend ready');\nsetInterval(deep, 1000);\n";
    const std::string path = dir_ + "/long.js";
    std::ofstream(path) << text;
    return path;
  }

  // The window paused at line 306 of the long script, its source shown.
  std::unique_ptr<FrontendWindow> open_paused(XSession& x, NodeTarget& target) {
    target = start_node({write_long_script()});
    if (target.address.empty()) return nullptr;
    auto window = std::make_unique<FrontendWindow>(x, target.ws_target);
    if (!window->wait_until("return deep('.cm-executionLine').length > 0;", ready_limit)) {
      ADD_FAILURE() << "the frontend never showed the paused line";
      return nullptr;
    }
    window->pump(1s);  // the panels' first layout
    return window;
  }

  std::string dir_;
};

TEST_F(FrontendWindowTest, APauseDeepInALongFileShowsThePausedLineInTheEditorsOwnScroller) {
  XSession x;
  NodeTarget target;
  auto window = open_paused(x, target);
  ASSERT_TRUE(window);
  // The editor's scroller keeps to the space it is given, scrolled so that the paused line is
  // inside it and inside the window.
  const std::string state = window->evaluate(R"js(
    const line = deep('.cm-executionLine')[0];
    const scroller = line.closest('.cm-scroller');
    const s = scroller.getBoundingClientRect();
    const l = line.getBoundingClientRect();
    return JSON.stringify({
      bounded: scroller.scrollHeight > scroller.clientHeight && s.bottom <= innerHeight,
      scrolled: scroller.scrollTop > 0,
      visible: l.top >= s.top && l.bottom <= s.bottom && l.bottom <= innerHeight,
    });
  )js");
  window->save_screenshot("frontend_paused_deep.png");
  EXPECT_EQ(state, R"({"bounded":true,"scrolled":true,"visible":true})");
}

TEST_F(FrontendWindowTest, KeysReachThePageWithoutAClickFirstAndZoomItLikeABrowser) {
  XSession x;
  NodeTarget target;
  auto window = open_paused(x, target);
  ASSERT_TRUE(window);
  const std::string width = window->evaluate("return String(innerWidth);");

  // Only the window has the keyboard, as after a window manager gave it: no click into the page.
  x.focus(window->x_window());
  window->press_key("F8");
  EXPECT_TRUE(target.process->wait_for_out("resumed", 20s)) << "F8 did not resume the script";

  window->press_key("Control_L+equal");
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(window->view()), 1.1);
  EXPECT_LT(std::stoi(window->evaluate("return String(innerWidth);")), std::stoi(width))
      << "the page did not grow";
  window->press_key("Control_L+equal");
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(window->view()), 1.25);
  window->save_screenshot("frontend_zoomed.png");
  window->press_key("Control_L+0");
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(window->view()), 1.0);
  EXPECT_EQ(window->evaluate("return String(innerWidth);"), width);
  window->press_key("Control_L+minus");
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(window->view()), 0.9);
}

TEST_F(FrontendWindowTest, AClickOnAScopeEntrysTriangleExpandsIt) {
  XSession x;
  NodeTarget target;
  auto window = open_paused(x, target);
  ASSERT_TRUE(window);
  // v301 is an object in the paused function's scope, shown collapsed.
  const std::string entry = "deep('li.parent').find((li) => li.textContent.startsWith('v301'))";
  ASSERT_TRUE(window->wait_until("return !!" + entry + ";", 20s));
  const std::string triangle = window->evaluate(
      "const li = " + entry +
      "; const box = li.getBoundingClientRect();"
      " const left = box.left + parseFloat(getComputedStyle(li).paddingLeft);"
      " return Math.round(left + 5) + ',' + Math.round(box.top + Math.min(box.height, 16) / 2);");
  const auto comma = triangle.find(',');
  ASSERT_NE(comma, std::string::npos) << triangle;
  window->click(std::stoi(triangle.substr(0, comma)), std::stoi(triangle.substr(comma + 1)));
  EXPECT_TRUE(window->wait_until("return " + entry + ".classList.contains('expanded');", 10s));
  // Its members are listed beneath it.
  EXPECT_TRUE(window->wait_until(
      "return " + entry + ".nextElementSibling.textContent.includes('nested');", 10s));
  window->save_screenshot("frontend_scope_expanded.png");
}

TEST_F(FrontendWindowTest, CopyObjectPutsTheInspectorsJsonOnTheClipboard) {
  XSession x;
  NodeTarget target;
  auto window = open_paused(x, target);
  ASSERT_TRUE(window);
  const auto console_tab = window->point_of("deep('#tab-console')[0]");
  ASSERT_TRUE(console_tab);
  window->click(console_tab->first, console_tab->second);
  const auto prompt = window->point_of("deep('#console-prompt')[0]");
  ASSERT_TRUE(prompt);
  window->click(prompt->first, prompt->second);
  x.type_text("({answer: 42, list: [1, 2]})\n");
  window->pump(500ms);

  const std::string result = "deep('.console-user-command-result .object-value-object').at(-1)";
  ASSERT_TRUE(window->wait_until("return !!" + result + ";", 20s));
  const auto object = window->point_of(result);
  ASSERT_TRUE(object);
  window->click(object->first, object->second, 3);
  const std::string item =
      "deep('.soft-context-menu-item').find((e) => e.textContent.trim() === 'Copy object')";
  ASSERT_TRUE(window->wait_until("return !!" + item + ";", 10s));
  const auto copy = window->point_of(item);
  ASSERT_TRUE(copy);
  window->click(copy->first, copy->second);

  std::string copied;
  for (int attempt = 0; attempt < 20 && copied.find("answer") == std::string::npos; ++attempt) {
    window->pump(250ms);
    copied = window->clipboard_text();
  }
  std::erase_if(copied, [](char c) { return c == ' ' || c == '\n'; });
  EXPECT_EQ(copied, R"({"answer":42,"list":[1,2]})");
}

// Compiled output with its source map in a file of its own beside it, as a TypeScript compiler
// writes them: the frontend shows the original source, read from the disk through the host.
TEST_F(FrontendWindowTest, ASourceMapInAFileOfItsOwnShowsTheOriginalSource) {
  std::filesystem::create_directories(dir_ + "/src");
  std::filesystem::create_directories(dir_ + "/out");
  const std::string body =
      "function add(a, b) {\n  const sum = a + b;\n  debugger;\n  return sum;\n}\n"
      "console.log('frontend ready');\nsetInterval(() => console.log('result ' + add(20, 22)), "
      "1000);\n";
  std::ofstream(dir_ + "/out/app.js") << body << "//# sourceMappingURL=app.js.map\n";
  std::ofstream(dir_ + "/src/app.ts")
      << "function add(a: number, b: number): number {\n  const sum: number = a + b;\n"
         "  debugger;\n  return sum;\n}\nconsole.log('frontend ready');\n"
         "setInterval(() => console.log('result ' + add(20, 22)), 1000);\n";
  // Line for line, the sources not embedded: the frontend must read app.ts itself.
  std::ofstream(dir_ + "/out/app.js.map")
      << R"({"version":3,"file":"app.js","sources":["../src/app.ts"],"names":[],)"
      << R"("mappings":"AAAA;AACA;AACA;AACA;AACA;AACA;AACA"})";

  XSession x;
  NodeTarget target = start_node({dir_ + "/out/app.js"});
  ASSERT_FALSE(target.address.empty());
  FrontendWindow window(x, target.ws_target);
  const bool shown = window.wait_until(
      "return deep('.cm-content').some((e) => e.textContent.includes('a: number, b: number'));",
      ready_limit);
  window.save_screenshot("frontend_source_map.png");
  EXPECT_TRUE(shown) << "the original source was not shown";
}

// The host writes the clipboard and reads local files for the embedded frontend only: another page
// in the same view (an override's) keeps WebKit's rule that a clipboard write needs the user's
// gesture, and reads no file, not even a source map.
TEST_F(FrontendWindowTest, OnlyTheEmbeddedFrontendGetsTheClipboardAndLocalFiles) {
  const std::string map = dir_ + "/app.js.map";
  std::ofstream(map) << R"({"version":3,"sources":[],"mappings":""})";
  const std::string fetch_map = "fetch('file://" + map +
                                "').then((r) => r.text()).then((t) => { window.got = t; },"
                                " () => { window.got = 'refused'; }); return '';";
  XSession x;
  NodeTarget target = start_node({"-e", "setInterval(() => {}, 1000)"}, false);
  ASSERT_FALSE(target.address.empty());
  FrontendWindow window(x, target.ws_target);
  ASSERT_TRUE(window.wait_until("return !!globalThis.InspectorFrontendHost;", ready_limit));
  // Well after anything that could count as a gesture, as after a round trip to the inspector.
  window.evaluate(
      "setTimeout(() => navigator.clipboard.writeText('from the frontend'), 2000); return '';");
  window.pump(3s);
  EXPECT_EQ(window.clipboard_text(), "from the frontend");
  window.evaluate(fetch_map);
  EXPECT_TRUE(window.wait_until("return window.got !== undefined;", 10s));
  EXPECT_EQ(window.evaluate("return window.got;"), R"({"version":3,"sources":[],"mappings":""})");

  webkit_web_view_load_html(window.view(), "<!doctype html><title>other</title>",
                            "http://elsewhere.localhost/");
  ASSERT_TRUE(window.wait_until("return document.title === 'other';", 20s));
  window.evaluate(
      "setTimeout(() => {"
      "  window.webkit.messageHandlers.tavrikClipboard.postMessage('from elsewhere');"
      "  navigator.clipboard.writeText('from elsewhere').catch(() => {});"
      "}, 2000); return '';");
  window.pump(3s);
  EXPECT_EQ(window.clipboard_text(), "from the frontend");
  window.evaluate(std::string(fetch_map).replace(fetch_map.find("file://"), 7, "devtools-file://"));
  EXPECT_TRUE(window.wait_until("return window.got !== undefined;", 10s));
  EXPECT_EQ(window.evaluate("return window.got;"), "refused");
}

// A top-level GTK window of this process by its title, if it is shown.
GtkWindow* shown_toplevel(const std::string& name) {
  GtkWindow* found = nullptr;
  GListModel* toplevels = gtk_window_get_toplevels();
  for (guint i = 0; i < g_list_model_get_n_items(toplevels) && found == nullptr; ++i) {
    auto* candidate = static_cast<GtkWindow*>(g_list_model_get_item(toplevels, i));
    const char* text = gtk_window_get_title(candidate);
    if (text != nullptr && name == text && gtk_widget_get_visible(GTK_WIDGET(candidate))) {
      found = candidate;
    }
    g_object_unref(candidate);
  }
  return found;
}

// The X window of the shown GTK window with that title, letting GTK work while it comes up.
std::optional<unsigned long> wait_for_dialog(FrontendWindow& window, XSession& x,
                                             const std::string& name) {
  for (int i = 0; i < 150 && shown_toplevel(name) == nullptr; ++i) window.pump(200ms);
  if (shown_toplevel(name) == nullptr) return std::nullopt;
  window.pump(500ms);
  return x.find_window(name, 10s);
}

// How each download of the view ended, as WebKit reports it.
struct DownloadEnds {
  int finished = 0;           // WebKit reports a failed download as finished too
  std::vector<int> failures;  // WebKitDownloadError codes
};

void watch_downloads(WebKitWebView* view, DownloadEnds& ends) {
  g_signal_connect(
      webkit_web_view_get_network_session(view), "download-started",
      G_CALLBACK(+[](WebKitNetworkSession*, WebKitDownload* download, gpointer data) {
        g_signal_connect(download, "finished", G_CALLBACK(+[](WebKitDownload*, gpointer out) {
                           ++static_cast<DownloadEnds*>(out)->finished;
                         }),
                         data);
        g_signal_connect(download, "failed",
                         G_CALLBACK(+[](WebKitDownload*, GError* error, gpointer out) {
                           static_cast<DownloadEnds*>(out)->failures.push_back(error->code);
                         }),
                         data);
      }),
      &ends);
}

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Saving a profile or a heap snapshot goes through the frontend's host: save, append, close, which
// clicks a download link. The window asks where, offers the suggested name, writes exactly the
// bytes saved where the user said, and a cancelled dialog writes nothing anywhere.
TEST_F(FrontendWindowTest, ASaveAsksWhereWritesThereAndACancelWritesNothing) {
  XSession x;
  NodeTarget target = start_node({"-e", "setInterval(() => {}, 1000)"}, false);
  ASSERT_FALSE(target.address.empty());
  FrontendWindow window(x, target.ws_target);
  ASSERT_TRUE(window.wait_until("return deep('#tab-console').length > 0;", ready_limit));
  window.pump(2s);
  DownloadEnds ends;
  watch_downloads(window.view(), ends);
  const auto save = [&](const std::string& name) {
    window.evaluate(
        "const host = InspectorFrontendHost;"
        "host.save('" +
        name +
        "', '{\"nodes\":[1,2', false);"
        "host.append('" +
        name +
        "', ',3],\"t\":\"\u00e9\\n\"}');"
        "host.close('" +
        name + "'); return '';");
  };

  save("Profile-20240101T101010.cpuprofile");
  const auto dialog = wait_for_dialog(window, x, "Save File");
  ASSERT_TRUE(dialog) << "no dialog asked where to save";
  GtkWindow* chooser = shown_toplevel("Save File");
  ASSERT_NE(chooser, nullptr);
  ASSERT_TRUE(GTK_IS_FILE_CHOOSER(chooser));
  char* offered = gtk_file_chooser_get_current_name(GTK_FILE_CHOOSER(chooser));
  EXPECT_STREQ(offered, "Profile-20240101T101010.cpuprofile");
  g_free(offered);
  window.pump(500ms);
  window.save_screenshot("frontend_save_dialog.png");

  const std::string chosen = dir_ + "/chosen.cpuprofile";
  x.focus(*dialog);
  window.press_key("Control_L+a");
  x.type_text(chosen + "\n");
  for (int i = 0; i < 100 && ends.finished == 0 && ends.failures.empty(); ++i) window.pump(100ms);
  EXPECT_EQ(ends.finished, 1);
  EXPECT_TRUE(ends.failures.empty());
  EXPECT_EQ(file_bytes(chosen), "{\"nodes\":[1,2,3],\"t\":\"\xC3\xA9\n\"}");
  EXPECT_EQ(shown_toplevel("Save File"), nullptr) << "the dialog stayed open";

  // Cancelled: the download ends as cancelled and its file appears nowhere.
  save("Heap-20240101T101010.heapsnapshot");
  const auto second = wait_for_dialog(window, x, "Save File");
  ASSERT_TRUE(second) << "the second save did not ask";
  x.focus(*second);
  window.press_key("Escape");
  for (int i = 0; i < 50 && ends.failures.empty(); ++i) window.pump(100ms);
  EXPECT_EQ(ends.failures, std::vector<int>{WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER});
  EXPECT_EQ(shown_toplevel("Save File"), nullptr);
  for (const char* folder :
       {g_get_home_dir(), g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD), dir_.c_str()}) {
    if (folder == nullptr) continue;
    EXPECT_FALSE(
        std::filesystem::exists(std::string(folder) + "/Heap-20240101T101010.heapsnapshot"))
        << folder;
  }
}

}  // namespace
}  // namespace tavrik
