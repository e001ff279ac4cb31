// The Linux window shell: a GTK 4 window and a WebKitGTK 6.0 web view, driven by GLib's main
// context on the main thread.
#include "platform/shell.hpp"

#include <fcntl.h>
#include <gtk/gtk.h>
#include <sys/stat.h>
#include <unistd.h>
#include <webkit/webkit.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gtk/frontend_fixes.hpp"
#include "platform/gtk/frontend_origin.hpp"
#include "platform/gtk/gtk_loader.hpp"
#include "platform/gtk/language_tag.hpp"
#include "platform/gtk/source_map_files.hpp"
#include "platform/gtk/zoom_steps.hpp"
#include "platform/loop_control.hpp"

namespace tavrik::shell {

namespace {

// Events of the window reach the handler through the loop that is running it.
class GtkEventLoop final : public EventLoop {
 public:
  int run(EventHandler handler) override {
    LoopControl control(handler);
    control_ = &control;
    while (true) {
      control.deliver(EventKind::new_cycle);
      if (control.exiting()) break;
      // Blocks until a source is ready: no timer or polling of our own.
      g_main_context_iteration(nullptr, TRUE);
      control.deliver(EventKind::cycle_end);
      if (control.exiting()) break;
    }
    control.deliver(EventKind::loop_ending);
    control_ = nullptr;
    return control.exit_code();
  }

  // Window events between runs have no handler to go to.
  void deliver(EventKind kind) {
    if (control_ != nullptr) control_->deliver(kind);
  }

 private:
  LoopControl* control_ = nullptr;
};

class GtkShellWindow final : public Window {
 public:
  explicit GtkShellWindow(GtkWindow* window) : window_(window) {}
  ~GtkShellWindow() override { gtk_window_destroy(window_); }
  GtkShellWindow(const GtkShellWindow&) = delete;
  GtkShellWindow& operator=(const GtkShellWindow&) = delete;

  GtkWindow* get() const { return window_; }

 private:
  GtkWindow* window_;  // owned by GTK's list of top-level windows until destroyed
};

class WebKitShellView final : public WebView {
 public:
  explicit WebKitShellView(WebKitWebView* view) : view_(view) {}
  ~WebKitShellView() override {
    // The network session is shared and outlives the view: its downloads are no longer ours.
    g_signal_handlers_disconnect_matched(webkit_web_view_get_network_session(view_),
                                         G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, view_);
    g_object_unref(view_);
  }
  WebKitShellView(const WebKitShellView&) = delete;
  WebKitShellView& operator=(const WebKitShellView&) = delete;

 private:
  WebKitWebView* view_;  // our own reference; the window holds another
};

std::string display_error() {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0')) {
    return "no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set";
  }
  std::string names;
  if (wayland != nullptr && *wayland != '\0') names += std::string("WAYLAND_DISPLAY=") + wayland;
  if (x11 != nullptr && *x11 != '\0') {
    if (!names.empty()) names += ", ";
    names += std::string("DISPLAY=") + x11;
  }
  return "cannot open display (" + names + ")";
}

// The libraries' warnings and notices are not for the user: standard error carries only the
// tool's own report. Fatal ones still get through, since they end the process and must say why.
// Whoever debugs the tool itself sets G_MESSAGES_DEBUG and sees everything, as GLib would show it.
GLogWriterOutput quiet_log_writer(GLogLevelFlags level, const GLogField* fields, gsize count,
                                  gpointer data) {
  if ((level & (G_LOG_FLAG_FATAL | G_LOG_LEVEL_ERROR)) != 0) {
    return g_log_writer_default(level, fields, count, data);
  }
  return G_LOG_WRITER_HANDLED;
}

void keep_library_messages_quiet() {
  const char* debug = std::getenv("G_MESSAGES_DEBUG");
  if (debug == nullptr || *debug == '\0') g_log_set_writer_func(quiet_log_writer, nullptr, nullptr);
}

// Without a session bus there is no accessibility bus either, and GTK and the web process would
// each warn about it on every start. Where a bus answers, accessibility stays as the user has it.
void leave_out_accessibility_without_session_bus() {
  GError* error = nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
  if (bus != nullptr) {
    g_object_unref(bus);  // GLib keeps the shared connection for GTK
    return;
  }
  g_error_free(error);
  g_setenv("GTK_A11Y", "none", FALSE);
  // An empty address tells WebKit's processes there is no accessibility bus to connect to.
  g_setenv("WEBKIT_A11Y_BUS_ADDRESS", "", FALSE);
}

Result<std::unique_ptr<EventLoop>> create_event_loop() {
  if (auto loaded = load_gtk_libraries(); !loaded) return std::move(loaded).error();
  keep_library_messages_quiet();
  // GTK's recently used files and the window's class name take the program's name.
  g_set_prgname("tavrik_inspector");
  leave_out_accessibility_without_session_bus();
  // GTK's cairo renderer: the window shows nothing but the web view, whose pages are painted
  // without compositing (see build_webview), and a GL renderer only adds its own buffers and,
  // without a GPU, a software rasteriser. A renderer the user names still wins. (Turning GDK's GL
  // off altogether would save a little more, but WebKit then warns about it on standard error.)
  g_setenv("GSK_RENDERER", "cairo", FALSE);
  if (!gtk_init_check()) return Error(display_error());
  return std::unique_ptr<EventLoop>(std::make_unique<GtkEventLoop>());
}

template <typename F>
GCallback callback(F* function) {
  return reinterpret_cast<GCallback>(function);
}

gboolean on_close_request(GtkWindow*, gpointer loop) {
  static_cast<GtkEventLoop*>(loop)->deliver(EventKind::close_requested);
  // The window stays: the process ends from the loop, and takes it down.
  return TRUE;
}

void on_window_change(GObject*, GParamSpec*, gpointer loop) {
  static_cast<GtkEventLoop*>(loop)->deliver(EventKind::window_other);
}

// GTK would size the window to the web view's natural size, a few hundred pixels square. Like
// a desktop's own default placement, take a good part of the first monitor instead.
void set_default_size(GtkWindow* window) {
  int width = 1024;
  int height = 768;
  GListModel* monitors = gdk_display_get_monitors(gdk_display_get_default());
  if (auto* monitor = static_cast<GdkMonitor*>(g_list_model_get_item(monitors, 0))) {
    GdkRectangle area{};
    gdk_monitor_get_geometry(monitor, &area);
    g_object_unref(monitor);
    if (area.width > 0 && area.height > 0) {
      width = area.width * 3 / 4;
      height = area.height * 3 / 4;
    }
  }
  gtk_window_set_default_size(window, width, height);
}

Result<std::unique_ptr<Window>> create_window(EventLoop& loop, const WindowAttributes& attributes) {
  auto* gtk_loop = dynamic_cast<GtkEventLoop*>(&loop);
  if (gtk_loop == nullptr) return Error("the event loop does not belong to the GTK shell");
  GtkWidget* widget = gtk_window_new();
  if (widget == nullptr) return Error("gtk_window_new returned no window");
  GtkWindow* window = GTK_WINDOW(widget);
  gtk_window_set_title(window, attributes.title.c_str());
  set_default_size(window);
  g_signal_connect(window, "close-request", callback(on_close_request), gtk_loop);
  for (const char* property : {"notify::default-width", "notify::default-height",
                               "notify::maximized", "notify::is-active"}) {
    g_signal_connect(window, property, callback(on_window_change), gtk_loop);
  }
  gtk_window_present(window);
  return std::unique_ptr<Window>(std::make_unique<GtkShellWindow>(window));
}

void answer_scheme_request(WebKitURISchemeRequest* request, gpointer handler) {
  const char* uri = webkit_uri_scheme_request_get_uri(request);
  const DevtoolsResponse response =
      (*static_cast<ProtocolHandler*>(handler))(DevtoolsRequest{uri != nullptr ? uri : ""});
  // The body is constant data of the process: the stream reads it in place, never frees it.
  GInputStream* body = g_memory_input_stream_new_from_data(
      response.body.data(), static_cast<gssize>(response.body.size()), nullptr);
  WebKitURISchemeResponse* answer =
      webkit_uri_scheme_response_new(body, static_cast<gint64>(response.body.size()));
  webkit_uri_scheme_response_set_status(answer, response.status, nullptr);
  const std::string content_type(response.content_type);
  webkit_uri_scheme_response_set_content_type(answer, content_type.c_str());
  webkit_uri_scheme_request_finish_with_response(request, answer);
  g_object_unref(answer);
  g_object_unref(body);
}

void forget_handler(gpointer handler) { delete static_cast<ProtocolHandler*>(handler); }

// A regular file, whole, within the size limit; a pipe, device or directory is refused unread.
Result<std::string> read_local_file(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Error("cannot open " + path);
  struct stat status {};
  std::string bytes;
  bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            static_cast<std::size_t>(status.st_size) <= gtk::local_file_size_limit;
  while (ok) {
    char buffer[65536];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > gtk::local_file_size_limit) {
      ok = false;
      break;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  if (!ok) return Error("not a readable regular file within the size limit: " + path);
  return bytes;
}

void refuse_local_file(WebKitURISchemeRequest* request, const std::string& why) {
  GError* error =
      g_error_new_literal(g_io_error_quark(), G_IO_ERROR_PERMISSION_DENIED, why.c_str());
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

// The local files of the embedded frontend: only while the view shows it, only what the rules of
// SourceMapFiles allow.
void answer_local_file_request(WebKitURISchemeRequest* request, gpointer files) {
  WebKitWebView* view = webkit_uri_scheme_request_get_web_view(request);
  const char* page = view != nullptr ? webkit_web_view_get_uri(view) : nullptr;
  if (page == nullptr || std::string_view(page).substr(0, 11) != "devtools://") {
    refuse_local_file(request, "local files are for the embedded frontend only");
    return;
  }
  const char* uri = webkit_uri_scheme_request_get_uri(request);
  const std::string_view text = uri != nullptr ? uri : "";
  const std::string_view scheme = gtk::local_file_scheme;
  if (!text.starts_with(scheme) || text.substr(scheme.size(), 1) != ":") {
    refuse_local_file(request, "not a local file address");
    return;
  }
  // Back to the file: URL the frontend asked for, which GLib turns into a path.
  const std::string file_uri = "file" + std::string(text.substr(scheme.size()));
  char* path = g_filename_from_uri(file_uri.c_str(), nullptr, nullptr);
  if (path == nullptr) {
    refuse_local_file(request, "not a local file address");
    return;
  }
  auto bytes = static_cast<gtk::SourceMapFiles*>(files)->serve(path, read_local_file);
  g_free(path);
  if (!bytes) {
    refuse_local_file(request, bytes.error().message());
    return;
  }
  const std::string& body = bytes.value();
  GInputStream* stream = g_memory_input_stream_new_from_data(
      g_memdup2(body.data(), body.size()), static_cast<gssize>(body.size()), g_free);
  WebKitURISchemeResponse* answer =
      webkit_uri_scheme_response_new(stream, static_cast<gint64>(body.size()));
  webkit_uri_scheme_response_set_content_type(answer, "text/plain; charset=utf-8");
  SoupMessageHeaders* headers = soup_message_headers_new(SOUP_MESSAGE_HEADERS_RESPONSE);
  // The frontend's page is of another scheme: without this its fetch would be refused.
  soup_message_headers_append(headers, "Access-Control-Allow-Origin", "*");
  webkit_uri_scheme_response_set_http_headers(answer, headers);
  webkit_uri_scheme_request_finish_with_response(request, answer);
  g_object_unref(answer);
  g_object_unref(stream);
}

void forget_local_files(gpointer files) { delete static_cast<gtk::SourceMapFiles*>(files); }

// What the web view keeps for its later main-frame navigations and for finding its frontend
// again. Owned by the view (object data), so that it lives exactly as long as the view.
struct ViewState {
  WebKitWebView* view = nullptr;  // not owned: the state belongs to it
  std::string scheme;
  Rediscovery rediscovery;
  std::string current;   // the frontend address shown, in its composed form
  bool looking = false;  // a lookup runs on a worker thread; one at a time
  bool absent = false;   // the last look while following found no inspector
  guint follow_timer = 0;

  ~ViewState() {
    if (follow_timer != 0) g_source_remove(follow_timer);
  }
};

void forget_state(gpointer state) { delete static_cast<ViewState*>(state); }

// Opens a frontend address, the embedded origin's http form as its scheme form.
void open_frontend(ViewState& state, const std::string& address) {
  state.current = address;
  const std::string mapped = gtk::scheme_address_for(address, state.scheme).value_or(address);
  webkit_web_view_load_uri(state.view, mapped.c_str());
}

// One lookup, run on a worker thread: it blocks on the inspector while the window goes on.
struct LookupJob {
  FrontendLookup lookup;
  bool whole = false;
  std::optional<Result<std::string>> found;
};

void forget_job(gpointer job) { delete static_cast<LookupJob*>(job); }

void run_lookup(GTask* task, gpointer, gpointer job, GCancellable*) {
  auto* work = static_cast<LookupJob*>(job);
  work->found = work->lookup();
  g_task_return_boolean(task, TRUE);
}

// Back on the main thread. The task held the view, and so its state, alive until here.
void on_lookup_done(GObject* view, GAsyncResult* result, gpointer) {
  auto* state = static_cast<ViewState*>(g_object_get_data(view, "tavrik-view-state"));
  const auto* job = static_cast<LookupJob*>(g_task_get_task_data(G_TASK(result)));
  if (state == nullptr) return;
  state->looking = false;
  if (job == nullptr || !job->found) return;
  const Result<std::string>& found = *job->found;
  if (job->whole) {
    // Found: open the target as it is now. Not found: reload what was shown, which then says
    // that its connection is gone and offers to reconnect.
    open_frontend(*state, found ? found.value() : state->current);
    return;
  }
  if (!found) {
    state->absent = true;
    return;
  }
  if (found.value() != state->current || state->absent) open_frontend(*state, found.value());
  state->absent = false;
}

void start_lookup(ViewState& state, bool whole) {
  const FrontendLookup& lookup = whole ? state.rediscovery.full : state.rediscovery.once;
  if (!lookup || state.looking) return;
  state.looking = true;
  GTask* task = g_task_new(state.view, nullptr, on_lookup_done, nullptr);
  g_task_set_task_data(task, new LookupJob{lookup, whole, std::nullopt}, forget_job);
  g_task_run_in_thread(task, run_lookup);
  g_object_unref(task);
}

gboolean on_follow_timer(gpointer state) {
  start_lookup(*static_cast<ViewState*>(state), false);
  return G_SOURCE_CONTINUE;
}

// A main-frame navigation to the embedded origin's http form goes to the scheme form instead.
// WebKit offers no way to rewrite the request in place, so the navigation is dropped and the
// mapped address loaded. A reload the page asks for ("Reconnect DevTools") finds the target
// again, as F5 does: the process behind the inspector may have restarted under a new address.
gboolean on_decide_policy(WebKitWebView* view, WebKitPolicyDecision* decision,
                          WebKitPolicyDecisionType type, gpointer data) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
  auto* state = static_cast<ViewState*>(data);
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  if (webkit_navigation_action_get_navigation_type(action) == WEBKIT_NAVIGATION_TYPE_RELOAD &&
      state->rediscovery.full) {
    webkit_policy_decision_ignore(decision);
    start_lookup(*state, true);
    return TRUE;
  }
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (uri == nullptr) return FALSE;
  const auto mapped = gtk::scheme_address_for(uri, state->scheme);
  if (!mapped) return FALSE;
  webkit_policy_decision_ignore(decision);
  state->current = uri;
  webkit_web_view_load_uri(view, mapped->c_str());
  return TRUE;
}

// A browser's keys: F5 and Ctrl+R find the target again and open it; Ctrl+= / Ctrl+- / Ctrl+0
// zoom, since the frontend's own host functions for them do nothing outside Chromium.
gboolean on_browser_key(GtkEventControllerKey*, guint key, guint, GdkModifierType state,
                        gpointer view) {
  const auto modifiers = state & (GDK_CONTROL_MASK | GDK_ALT_MASK | GDK_SHIFT_MASK);
  if ((key == GDK_KEY_F5 && modifiers == 0) ||
      ((key == GDK_KEY_r || key == GDK_KEY_R) && modifiers == GDK_CONTROL_MASK)) {
    auto* view_state =
        static_cast<ViewState*>(g_object_get_data(G_OBJECT(view), "tavrik-view-state"));
    if (view_state == nullptr || !view_state->rediscovery.full) return FALSE;
    start_lookup(*view_state, true);
    return TRUE;
  }
  if ((state & (GDK_CONTROL_MASK | GDK_ALT_MASK)) != GDK_CONTROL_MASK) return FALSE;
  gtk::ZoomChange change;
  switch (key) {
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add:
      change = gtk::ZoomChange::in;
      break;
    case GDK_KEY_minus:
    case GDK_KEY_underscore:
    case GDK_KEY_KP_Subtract:
      change = gtk::ZoomChange::out;
      break;
    case GDK_KEY_0:
    case GDK_KEY_KP_0:
      change = gtk::ZoomChange::reset;
      break;
    default:
      return FALSE;
  }
  auto* web_view = static_cast<WebKitWebView*>(view);
  webkit_web_view_set_zoom_level(
      web_view, gtk::next_zoom_level(webkit_web_view_get_zoom_level(web_view), change));
  return TRUE;
}

gboolean on_zoom_scroll(GtkEventControllerScroll* controller, double, double dy, gpointer view) {
  const GdkModifierType state =
      gtk_event_controller_get_current_event_state(GTK_EVENT_CONTROLLER(controller));
  if ((state & (GDK_CONTROL_MASK | GDK_ALT_MASK)) != GDK_CONTROL_MASK || dy == 0) return FALSE;
  auto* web_view = static_cast<WebKitWebView*>(view);
  webkit_web_view_set_zoom_level(
      web_view, gtk::next_zoom_level(webkit_web_view_get_zoom_level(web_view),
                                     dy < 0 ? gtk::ZoomChange::in : gtk::ZoomChange::out));
  return TRUE;
}

// Ahead of the page, so that the keys act whatever has the focus inside it.
void add_browser_controls(WebKitWebView* view) {
  GtkEventController* keys = gtk_event_controller_key_new();
  gtk_event_controller_set_propagation_phase(keys, GTK_PHASE_CAPTURE);
  g_signal_connect(keys, "key-pressed", callback(on_browser_key), view);
  gtk_widget_add_controller(GTK_WIDGET(view), keys);
  GtkEventController* wheel =
      gtk_event_controller_scroll_new(static_cast<GtkEventControllerScrollFlags>(
          GTK_EVENT_CONTROLLER_SCROLL_VERTICAL | GTK_EVENT_CONTROLLER_SCROLL_DISCRETE));
  gtk_event_controller_set_propagation_phase(wheel, GTK_PHASE_CAPTURE);
  g_signal_connect(wheel, "scroll", callback(on_zoom_scroll), view);
  gtk_widget_add_controller(GTK_WIDGET(view), wheel);
}

// Text the embedded frontend copies after a round trip to the inspector. Only while the view
// shows the embedded frontend: another page (an override) gets no way around WebKit's rule.
void on_clipboard_message(WebKitUserContentManager*, JSCValue* value, gpointer view) {
  const char* uri = webkit_web_view_get_uri(static_cast<WebKitWebView*>(view));
  if (uri == nullptr || std::string_view(uri).substr(0, 11) != "devtools://") return;
  char* text = jsc_value_to_string(value);
  if (text == nullptr) return;
  gdk_clipboard_set_text(gtk_widget_get_clipboard(GTK_WIDGET(view)), text);
  g_free(text);
}

// The answer of the save dialog: the download goes to the chosen file, or is dropped.
void on_save_answered(GtkNativeDialog* dialog, int response, gpointer data) {
  auto* download = static_cast<WebKitDownload*>(data);
  char* path = nullptr;
  if (response == GTK_RESPONSE_ACCEPT) {
    if (GFile* file = gtk_file_chooser_get_file(GTK_FILE_CHOOSER(dialog))) {
      path = g_file_get_path(file);
      g_object_unref(file);
    }
  }
  if (path != nullptr) {
    // The dialog has already asked before replacing a file.
    webkit_download_set_allow_overwrite(download, TRUE);
    webkit_download_set_destination(download, path);
    g_free(path);
  } else {
    webkit_download_cancel(download);
  }
  g_object_unref(download);
  g_object_unref(dialog);
}

// WebKit would write every download silently into the downloads folder: the frontend saves
// profiles and heap snapshots that way. Ask where instead, with the suggested name, and hold the
// download until the answer comes.
gboolean on_decide_destination(WebKitDownload* download, const char* suggested, gpointer view) {
  GtkRoot* root = gtk_widget_get_root(GTK_WIDGET(view));
  GtkFileChooserNative* chooser =
      gtk_file_chooser_native_new("Save File", root != nullptr ? GTK_WINDOW(root) : nullptr,
                                  GTK_FILE_CHOOSER_ACTION_SAVE, "_Save", "_Cancel");
  gtk_native_dialog_set_modal(GTK_NATIVE_DIALOG(chooser), TRUE);
  const char* folder = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  if (folder == nullptr || !g_file_test(folder, G_FILE_TEST_IS_DIR)) folder = g_get_home_dir();
  GFile* start = g_file_new_for_path(folder);
  gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), start, nullptr);
  g_object_unref(start);
  gtk_file_chooser_set_current_name(
      GTK_FILE_CHOOSER(chooser),
      suggested != nullptr && *suggested != '\0' ? suggested : "download");
  g_signal_connect(chooser, "response", callback(on_save_answered), g_object_ref(download));
  gtk_native_dialog_show(GTK_NATIVE_DIALOG(chooser));
  return TRUE;
}

void on_download_started(WebKitNetworkSession*, WebKitDownload* download, gpointer view) {
  if (webkit_download_get_web_view(download) != view) return;
  g_signal_connect(download, "decide-destination", callback(on_decide_destination), view);
}

void add_user_script(WebKitUserContentManager* content, std::string_view source) {
  const std::string text(source);
  WebKitUserScript* script =
      webkit_user_script_new(text.c_str(), WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
                             WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, nullptr, nullptr);
  webkit_user_content_manager_add_script(content, script);
  webkit_user_script_unref(script);
}

std::vector<std::string> user_languages() {
  std::vector<std::string_view> locales;
  for (const char* const* name = g_get_language_names(); *name != nullptr; ++name) {
    locales.emplace_back(*name);
  }
  return gtk::preferred_languages(locales);
}

Result<std::unique_ptr<WebView>> build_webview(Window& window, const WebViewOptions& options) {
  auto* gtk_window = dynamic_cast<GtkShellWindow*>(&window);
  if (gtk_window == nullptr) return Error("the window does not belong to the GTK shell");
  if (options.protocol_handler == nullptr || options.protocol_name.empty()) {
    return Error("no protocol handler to register");
  }
  const std::string address = gtk::scheme_address_for(options.initial_url, options.protocol_name)
                                  .value_or(options.initial_url);
  // The one refusal WebKit's loading leaves to be seen before the loop runs: an address that is
  // no absolute URI at all.
  GError* invalid = nullptr;
  if (!g_uri_is_valid(address.c_str(), G_URI_FLAGS_PARSE_RELAXED, &invalid)) {
    std::string message = "cannot navigate to " + options.initial_url + ": " + invalid->message;
    g_error_free(invalid);
    return Error(std::move(message));
  }

  WebKitWebContext* context = webkit_web_context_new();
  const std::vector<std::string> languages = user_languages();
  std::vector<const char*> language_list;
  for (const std::string& language : languages) language_list.push_back(language.c_str());
  language_list.push_back(nullptr);
  webkit_web_context_set_preferred_languages(context, language_list.data());

  const char* scheme = options.protocol_name.c_str();
  webkit_web_context_register_uri_scheme(context, scheme, answer_scheme_request,
                                         new ProtocolHandler(options.protocol_handler),
                                         forget_handler);
  // Secure, so the frontend is a secure context; CORS-enabled, so its module scripts load.
  WebKitSecurityManager* security = webkit_web_context_get_security_manager(context);
  webkit_security_manager_register_uri_scheme_as_secure(security, scheme);
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, scheme);
  const std::string local_scheme(gtk::local_file_scheme);
  webkit_web_context_register_uri_scheme(context, local_scheme.c_str(), answer_local_file_request,
                                         new gtk::SourceMapFiles(), forget_local_files);
  webkit_security_manager_register_uri_scheme_as_secure(security, local_scheme.c_str());
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, local_scheme.c_str());

  WebKitUserContentManager* content = webkit_user_content_manager_new();
  for (const std::string_view fix : {gtk::insert_rule_fix_script, gtk::shadow_selection_fix_script,
                                     gtk::editor_layout_fix_script, gtk::clipboard_bridge_script,
                                     gtk::local_file_fetch_script}) {
    add_user_script(content, fix);
  }

  // No accelerated compositing: the frontend is flat documents and text, which WebKit paints well
  // in software, and its compositor's GL buffers cost more memory than they save time here.
  WebKitSettings* settings = webkit_settings_new();
  webkit_settings_set_hardware_acceleration_policy(settings,
                                                   WEBKIT_HARDWARE_ACCELERATION_POLICY_NEVER);
  auto* view =
      WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context,
                                   "user-content-manager", content, "settings", settings, nullptr));
  g_object_unref(settings);
  g_object_unref(content);
  g_object_unref(context);
  g_object_ref_sink(view);
  auto* state =
      new ViewState{view, options.protocol_name, options.rediscovery, options.initial_url};
  g_object_set_data_full(G_OBJECT(view), "tavrik-view-state", state, forget_state);
  g_signal_connect(view, "decide-policy", callback(on_decide_policy), state);
  // Following: a look at the inspector about once a second, one at a time.
  if (state->rediscovery.once)
    state->follow_timer = g_timeout_add_seconds(1, on_follow_timer, state);

  const std::string clipboard_signal =
      "script-message-received::" + std::string(gtk::clipboard_handler_name);
  g_signal_connect(content, clipboard_signal.c_str(), callback(on_clipboard_message), view);
  const std::string clipboard_handler(gtk::clipboard_handler_name);
  webkit_user_content_manager_register_script_message_handler(content, clipboard_handler.c_str(),
                                                              nullptr);
  add_browser_controls(view);
  g_signal_connect(webkit_web_view_get_network_session(view), "download-started",
                   callback(on_download_started), view);

  gtk_window_set_child(gtk_window->get(), GTK_WIDGET(view));
  // Keys go to the page from the start, as in a browser: F8 works before any click.
  gtk_widget_grab_focus(GTK_WIDGET(view));
  webkit_web_view_load_uri(view, address.c_str());
  return std::unique_ptr<WebView>(std::make_unique<WebKitShellView>(view));
}

}  // namespace

const Platform& platform() {
  static constexpr Platform gtk{create_event_loop, create_window, build_webview};
  return gtk;
}

}  // namespace tavrik::shell
