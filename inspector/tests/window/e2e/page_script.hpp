// Running a script in a WebKit web view of this process and waiting for its answer, for the tests
// that read a page's state.
#pragma once

#include <webkit/webkit.h>

#include <chrono>
#include <string>

namespace tavrik::testing {

// The script's value as text, or "error: ..." when it threw or the page did not answer within the
// limit; GLib's main context runs meanwhile.
inline std::string run_page_script(WebKitWebView* view, const std::string& script,
                                   std::chrono::milliseconds limit = std::chrono::seconds(30)) {
  struct Outcome {
    bool done = false;
    std::string text;
  } outcome;
  webkit_web_view_evaluate_javascript(
      view, script.c_str(), -1, nullptr, nullptr, nullptr,
      +[](GObject* object, GAsyncResult* result, gpointer data) {
        auto* out = static_cast<Outcome*>(data);
        GError* error = nullptr;
        JSCValue* value =
            webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(object), result, &error);
        if (value != nullptr) {
          char* text = jsc_value_to_string(value);
          out->text = text;
          g_free(text);
          g_object_unref(value);
        } else {
          out->text = std::string("error: ") + error->message;
          g_error_free(error);
        }
        out->done = true;
      },
      &outcome);
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!outcome.done && std::chrono::steady_clock::now() < end) {
    g_main_context_iteration(nullptr, FALSE);
  }
  return outcome.done ? outcome.text : "error: the page did not answer";
}

}  // namespace tavrik::testing
