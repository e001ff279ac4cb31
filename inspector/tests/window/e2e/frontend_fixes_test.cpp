// What the Linux host adds for the frontend, shown in a real WebKit web view: without it a rule
// with a selector that WebKit rejects stops `insertRule`, and with it the styles go in.
#include "platform/gtk/frontend_fixes.hpp"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <cstdlib>
#include <string>

#include "page_script.hpp"
#include "x_session.hpp"

namespace tavrik {
namespace {

using namespace std::chrono_literals;

// The code editor's way of adding rules: one after the other, counting the index itself.
constexpr const char* insert_rules = R"js(
  const sheet = new CSSStyleSheet();
  const results = [];
  let index = 0;
  for (const rule of ['.a { color: red; }',
                      ':host-context(.dark) .b, .c { color: blue; }',
                      ':host-context(.dark) .d { color: green; }',
                      '.e { color: black; }']) {
    try {
      results.push(String(sheet.insertRule(rule, index++)));
    } catch (error) {
      results.push(error.name);
    }
  }
  let outOfRange;
  try {
    sheet.insertRule('.f { color: gray; }', 99);
  } catch (error) {
    outOfRange = error.name;
  }
  JSON.stringify({results, outOfRange,
                  rules: [...sheet.cssRules].map((rule) => rule.constructor.name + ' ' +
                                                          (rule.selectorText ?? ''))});
)js";

// Runs GLib's main context until `done` or the limit; says whether it got done.
bool iterate_until(const bool& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done && std::chrono::steady_clock::now() < deadline)
    g_main_context_iteration(nullptr, FALSE);
  return done;
}

std::string run_in_page(bool with_fix) {
  WebKitUserContentManager* content = webkit_user_content_manager_new();
  if (with_fix) {
    const std::string source(gtk::insert_rule_fix_script);
    WebKitUserScript* script =
        webkit_user_script_new(source.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                               WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
    webkit_user_content_manager_add_script(content, script);
    webkit_user_script_unref(script);
  }
  auto* view =
      WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "user-content-manager", content, nullptr));
  g_object_unref(content);
  GtkWidget* window = gtk_window_new();
  gtk_window_set_child(GTK_WINDOW(window), GTK_WIDGET(view));
  gtk_window_present(GTK_WINDOW(window));

  bool loaded = false;
  g_signal_connect(
      view, "load-changed",
      reinterpret_cast<GCallback>(+[](WebKitWebView*, WebKitLoadEvent event, gpointer flag) {
        if (event == WEBKIT_LOAD_FINISHED) *static_cast<bool*>(flag) = true;
      }),
      &loaded);
  webkit_web_view_load_html(view, "<!doctype html><title>styles</title>", "about:blank");
  std::string answer = "(page did not load)";
  if (iterate_until(loaded, 60s)) {
    answer = testing::run_page_script(view, insert_rules);
  }
  gtk_window_destroy(GTK_WINDOW(window));
  return answer;
}

TEST(FrontendFixes, RulesWithSelectorsWebKitRejectsKeepTheRestAndTheIndices) {
  testing::XSession x;
  ::setenv("DISPLAY", x.display_name().c_str(), 1);
  ::setenv("DBUS_SESSION_BUS_ADDRESS", x.bus_address().c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", x.runtime_dir().c_str(), 1);
  ::unsetenv("WAYLAND_DISPLAY");
  ASSERT_TRUE(gtk_init_check());

  // The fault: the second rule throws (which stops the editor's set-up), and a caller that went
  // on would find its indices past the end of the sheet.
  EXPECT_EQ(run_in_page(false),
            R"({"results":["0","SyntaxError","IndexSizeError","IndexSizeError"],)"
            R"("outOfRange":"IndexSizeError",)"
            R"("rules":["CSSStyleRule .a"]})");
  // The fix: what WebKit understands of each rule goes in, a rule with nothing left becomes an
  // empty one that keeps the count, and other errors still reach the caller.
  EXPECT_EQ(run_in_page(true),
            R"({"results":["0","1","2","3"],"outOfRange":"IndexSizeError",)"
            R"("rules":["CSSStyleRule .a","CSSStyleRule .c","CSSMediaRule ","CSSStyleRule .e"]})");
}

}  // namespace
}  // namespace tavrik
