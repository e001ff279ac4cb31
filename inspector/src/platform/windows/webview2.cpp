// The web view on Edge WebView2: the installed runtime found and called directly (or a loader DLL
// the user put beside the .exe), the environment and the controller created on the window, and
// every request under the custom protocol's origin answered from the protocol handler.
#include "webview2.hpp"

#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <utility>

#include "platform/system_error.hpp"
#include "response_stream.hpp"
#include "webview2_runtime.hpp"
#include "win32_text.hpp"
#include "win32_window.hpp"

namespace tavrik::shell::win32 {

namespace {

using namespace tavrik::webview2;
using tavrik::win32::hresult_text;

// WebView2 can take several seconds to start on a cold machine; a runtime that never answers
// must not leave the tool waiting for ever.
constexpr std::chrono::seconds creation_time_limit{60};

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  explicit ComPtr(T* owned) : pointer_(owned) {}  // takes over one reference
  ComPtr(const ComPtr& other) : pointer_(other.pointer_) {
    if (pointer_ != nullptr) pointer_->AddRef();
  }
  ComPtr& operator=(ComPtr other) {
    std::swap(pointer_, other.pointer_);
    return *this;
  }
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }

  static ComPtr add_reference(T* borrowed) {
    if (borrowed != nullptr) borrowed->AddRef();
    return ComPtr(borrowed);
  }

  T* get() const { return pointer_; }
  T* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  T** put() {
    *this = ComPtr();
    return &pointer_;
  }

 private:
  T* pointer_ = nullptr;
};

// Reference counting and QueryInterface for the handler objects the host gives WebView2.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
template <typename Interface>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == iid_) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  explicit ComObject(const GUID& iid) : iid_(iid) {}
  virtual ~ComObject() = default;

 private:
  const GUID& iid_;
  std::atomic<ULONG> references_{1};
};
#pragma GCC diagnostic pop

// What the two completion handlers report back to the pump in build_webview. Shared, because a
// handler may still be called after the host has stopped waiting.
struct Creation {
  bool environment_done = false;
  HRESULT environment_result = E_PENDING;
  ComPtr<ICoreWebView2Environment> environment;

  bool controller_done = false;
  HRESULT controller_result = E_PENDING;
  ComPtr<ICoreWebView2Controller> controller;
};

class EnvironmentCompleted final
    : public ComObject<ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler> {
 public:
  explicit EnvironmentCompleted(std::shared_ptr<Creation> creation)
      : ComObject(IID_ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler),
        creation_(std::move(creation)) {}

  HRESULT STDMETHODCALLTYPE Invoke(HRESULT error, ICoreWebView2Environment* result) override {
    if (creation_->environment_done) return S_OK;
    creation_->environment_done = true;
    creation_->environment_result = SUCCEEDED(error) && result == nullptr ? E_POINTER : error;
    if (SUCCEEDED(creation_->environment_result)) {
      creation_->environment = ComPtr<ICoreWebView2Environment>::add_reference(result);
    }
    return S_OK;
  }

 private:
  std::shared_ptr<Creation> creation_;
};

class ControllerCompleted final
    : public ComObject<ICoreWebView2CreateCoreWebView2ControllerCompletedHandler> {
 public:
  explicit ControllerCompleted(std::shared_ptr<Creation> creation)
      : ComObject(IID_ICoreWebView2CreateCoreWebView2ControllerCompletedHandler),
        creation_(std::move(creation)) {}

  HRESULT STDMETHODCALLTYPE Invoke(HRESULT error, ICoreWebView2Controller* result) override {
    if (creation_->controller_done) return S_OK;
    creation_->controller_done = true;
    creation_->controller_result = SUCCEEDED(error) && result == nullptr ? E_POINTER : error;
    if (SUCCEEDED(creation_->controller_result)) {
      creation_->controller = ComPtr<ICoreWebView2Controller>::add_reference(result);
    }
    return S_OK;
  }

 private:
  std::shared_ptr<Creation> creation_;
};

// Answers each request under the protocol's origin, synchronously, on the window's thread.
class ResourceRequested final : public ComObject<ICoreWebView2WebResourceRequestedEventHandler> {
 public:
  ResourceRequested(ProtocolHandler handler, ComPtr<ICoreWebView2Environment> environment)
      : ComObject(IID_ICoreWebView2WebResourceRequestedEventHandler),
        handler_(handler),
        environment_(std::move(environment)) {}

  HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2*,
                                   ICoreWebView2WebResourceRequestedEventArgs* args) override {
    if (args == nullptr) return E_INVALIDARG;
    ComPtr<ICoreWebView2WebResourceRequest> request;
    HRESULT result = args->get_Request(request.put());
    if (FAILED(result)) return result;
    if (!request) return E_POINTER;
    wchar_t* uri = nullptr;
    result = request->get_Uri(&uri);
    if (FAILED(result)) return result;
    const std::string uri_text = tavrik::win32::to_utf8_lossy(uri != nullptr ? uri : L"");
    CoTaskMemFree(uri);

    const DevtoolsResponse response = handler_(DevtoolsRequest{uri_text});
    const ComPtr<IStream> body(webview2::new_constant_stream(response.body));
    const std::wstring headers = response_headers(response.content_type);
    ComPtr<ICoreWebView2WebResourceResponse> answer;
    result = environment_->CreateWebResourceResponse(
        body.get(), response.status, reason_phrase(response.status), headers.c_str(), answer.put());
    if (FAILED(result)) return result;
    return args->put_Response(answer.get());
  }

 private:
  ProtocolHandler handler_;
  ComPtr<ICoreWebView2Environment> environment_;
};

// The runtime's engine DLL, freed with the last of its objects only when it says it can go: a
// thread or a callback of its own may still be running.
class EngineModule {
 public:
  EngineModule() = default;
  EngineModule(const EngineModule&) = delete;
  EngineModule& operator=(const EngineModule&) = delete;
  ~EngineModule() {
    if (module_ == nullptr) return;
    using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
    const FARPROC found = GetProcAddress(module_, "DllCanUnloadNow");
    if (found == nullptr) return;
    if (reinterpret_cast<CanUnloadNow>(reinterpret_cast<void (*)()>(found))() == S_OK) {
      FreeLibrary(module_);
    }
  }
  void hold(HMODULE module) { module_ = module; }

 private:
  HMODULE module_ = nullptr;
};

// Posted to the window by the worker when a lookup has its answer.
constexpr UINT lookup_done_message = WM_APP + 15;
constexpr UINT_PTR follow_timer_id = 15;
constexpr UINT follow_interval_ms = 1000;

// One lookup of the frontend address, run on a thread-pool thread because it blocks on the
// inspector (for seconds when it is down). The worker and the view share it; the worker posts
// to the window only while the view is still there to take the answer.
struct PendingLookup {
  FrontendLookup lookup;
  bool whole = false;
  SRWLOCK lock = SRWLOCK_INIT;
  HWND window = nullptr;  // under the lock; cleared when the view goes
  std::optional<Result<std::string>> found;
};

DWORD WINAPI run_lookup(void* context) {
  const std::unique_ptr<std::shared_ptr<PendingLookup>> held(
      static_cast<std::shared_ptr<PendingLookup>*>(context));
  PendingLookup& pending = **held;
  auto found = pending.lookup();
  AcquireSRWLockExclusive(&pending.lock);
  pending.found = std::move(found);
  if (pending.window != nullptr) PostMessageW(pending.window, lookup_done_message, 0, 0);
  ReleaseSRWLockExclusive(&pending.lock);
  return 0;
}

class WebView2View;

// F5 and Ctrl+R, which the runtime would otherwise take as its own reload.
class KeyPressed final : public ComObject<ICoreWebView2AcceleratorKeyPressedEventHandler> {
 public:
  explicit KeyPressed(WebView2View* view)
      : ComObject(IID_ICoreWebView2AcceleratorKeyPressedEventHandler), view_(view) {}
  HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2Controller*,
                                   ICoreWebView2AcceleratorKeyPressedEventArgs* args) override;
  void forget_view() { view_ = nullptr; }

 private:
  WebView2View* view_;
};

// The page's own reload ("Reconnect DevTools" calls location.reload()), and F5 where the
// runtime reloads before the key reaches the host.
class NavigationStarting final : public ComObject<ICoreWebView2NavigationStartingEventHandler> {
 public:
  explicit NavigationStarting(WebView2View* view)
      : ComObject(IID_ICoreWebView2NavigationStartingEventHandler), view_(view) {}
  HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2*,
                                   ICoreWebView2NavigationStartingEventArgs* args) override;
  void forget_view() { view_ = nullptr; }

 private:
  WebView2View* view_;
};

// The web view: kept sized to the window's client area and focused with it, and finding its
// frontend again on a reload and, when following, once a second.
class WebView2View final : public WebView, public WindowContent {
 public:
  WebView2View(Win32Window& window, Rediscovery rediscovery, std::string initial_url)
      : window_(&window), rediscovery_(std::move(rediscovery)), current_(std::move(initial_url)) {}
  WebView2View(const WebView2View&) = delete;
  WebView2View& operator=(const WebView2View&) = delete;

  ~WebView2View() override {
    if (pending_) {
      // The worker may still be talking to the inspector; its answer goes nowhere now.
      AcquireSRWLockExclusive(&pending_->lock);
      pending_->window = nullptr;
      ReleaseSRWLockExclusive(&pending_->lock);
    }
    if (window_ != nullptr) {
      if (following_ && window_->handle() != nullptr) KillTimer(window_->handle(), follow_timer_id);
      window_->set_content(nullptr);
    }
    if (key_handler_) {
      key_handler_->forget_view();
      controller_->remove_AcceleratorKeyPressed(key_token_);
    }
    if (navigation_handler_) {
      navigation_handler_->forget_view();
      webview_->remove_NavigationStarting(navigation_token_);
    }
    if (webview_ && registered_) webview_->remove_WebResourceRequested(token_);
    if (controller_) controller_->Close();
  }

  void fit(const RECT& client_area) override {
    if (controller_) controller_->put_Bounds(client_area);
  }
  void take_focus() override {
    if (controller_) controller_->MoveFocus(move_focus_reason_programmatic);
  }
  void window_gone() override { window_ = nullptr; }

  bool content_message(UINT message, WPARAM wparam, LPARAM) override {
    if (message == WM_TIMER && wparam == follow_timer_id) {
      start_lookup(false);
      return true;
    }
    if (message == lookup_done_message) {
      lookup_done();
      return true;
    }
    return false;
  }

  bool reloads_find_again() const { return static_cast<bool>(rediscovery_.full); }

  // Opens a frontend address; our own navigation is then never taken for the page's reload.
  HRESULT open(const std::string& address) {
    current_ = address;
    const auto wide = tavrik::win32::to_wide(address);
    if (!wide || !webview_) return E_INVALIDARG;
    own_navigation_ = *wide;
    const HRESULT result = webview_->Navigate(wide->c_str());
    if (FAILED(result)) own_navigation_.clear();
    return result;
  }

  // One lookup at a time. A reload asked for while a follow lookup runs comes right after it.
  void start_lookup(bool whole) {
    const FrontendLookup& lookup = whole ? rediscovery_.full : rediscovery_.once;
    if (!lookup || window_ == nullptr || window_->handle() == nullptr) return;
    if (pending_) {
      if (whole && !pending_->whole) reload_wanted_ = true;
      return;
    }
    auto pending = std::make_shared<PendingLookup>();
    pending->lookup = lookup;
    pending->whole = whole;
    pending->window = window_->handle();
    auto* context = new std::shared_ptr<PendingLookup>(pending);
    if (!QueueUserWorkItem(run_lookup, context, WT_EXECUTELONGFUNCTION)) {
      delete context;
      if (whole) open(current_);  // no thread to look with: reload as it is
      return;
    }
    pending_ = std::move(pending);
  }

  // Back on the window's thread with the worker's answer.
  void lookup_done() {
    if (!pending_) return;
    AcquireSRWLockExclusive(&pending_->lock);
    std::optional<Result<std::string>> found = std::move(pending_->found);
    ReleaseSRWLockExclusive(&pending_->lock);
    if (!found) return;
    const bool whole = pending_->whole;
    pending_.reset();
    if (whole) {
      // Found: open the target as it is now. Not found: reload what was shown, which then says
      // that its connection is gone and offers to reconnect.
      open(*found ? found->value() : current_);
    } else if (!reload_wanted_ && *found && (found->value() != current_ || absent_)) {
      open(found->value());
    }
    // A page opened while nothing answered must be opened again once something does.
    absent_ = !*found;
    if (reload_wanted_) {
      reload_wanted_ = false;
      start_lookup(true);
    }
  }

  // Whether a navigation the runtime is starting is a reload of the page, which the host
  // replaces by a lookup.
  bool is_reload(ICoreWebView2NavigationStartingEventArgs& args) {
    wchar_t* uri = nullptr;
    std::wstring address;
    if (SUCCEEDED(args.get_Uri(&uri)) && uri != nullptr) address = uri;
    CoTaskMemFree(uri);
    // Never our own: a runtime may report a navigation to the address shown as a reload.
    if (!own_navigation_.empty() && address == own_navigation_) {
      own_navigation_.clear();
      return false;
    }
    ComPtr<ICoreWebView2NavigationStartingEventArgs3> args3;
    if (SUCCEEDED(args.QueryInterface(IID_ICoreWebView2NavigationStartingEventArgs3,
                                      reinterpret_cast<void**>(args3.put()))) &&
        args3) {
      NavigationKind kind = navigation_kind_new_document;
      return SUCCEEDED(args3->get_NavigationKind(&kind)) && kind == navigation_kind_reload;
    }
    // Older runtimes do not say; a navigation to the address shown that the host did not start
    // is the page reloading itself.
    return address == tavrik::win32::to_wide_lossy(current_);
  }

  EngineModule engine_;  // first, so that it goes after every object of the runtime
  Win32Window* window_;
  ComPtr<ICoreWebView2Environment> environment_;
  ComPtr<ICoreWebView2Controller> controller_;
  ComPtr<ICoreWebView2> webview_;
  EventRegistrationToken token_{};
  bool registered_ = false;

  Rediscovery rediscovery_;
  std::string current_;          // the frontend address shown, in its composed form
  std::wstring own_navigation_;  // the host's last Navigate, until the runtime starts it
  std::shared_ptr<PendingLookup> pending_;
  bool reload_wanted_ = false;
  bool absent_ = false;  // the last look found no inspector
  bool following_ = false;
  ComPtr<KeyPressed> key_handler_;
  EventRegistrationToken key_token_{};
  ComPtr<NavigationStarting> navigation_handler_;
  EventRegistrationToken navigation_token_{};
};

HRESULT KeyPressed::Invoke(ICoreWebView2Controller*,
                           ICoreWebView2AcceleratorKeyPressedEventArgs* args) {
  if (args == nullptr) return E_INVALIDARG;
  if (view_ == nullptr || !view_->reloads_find_again()) return S_OK;
  KeyEventKind kind = key_event_kind_key_up;
  UINT key = 0;
  if (FAILED(args->get_KeyEventKind(&kind)) || kind != key_event_kind_key_down) return S_OK;
  if (FAILED(args->get_VirtualKey(&key))) return S_OK;
  // The runtime raises this on the window's thread with the key state of that message.
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool others = GetKeyState(VK_MENU) < 0 || GetKeyState(VK_SHIFT) < 0;
  if (others || !((key == VK_F5 && !control) || (key == 'R' && control))) return S_OK;
  args->put_Handled(TRUE);
  view_->start_lookup(true);
  return S_OK;
}

HRESULT NavigationStarting::Invoke(ICoreWebView2*, ICoreWebView2NavigationStartingEventArgs* args) {
  if (args == nullptr) return E_INVALIDARG;
  if (view_ == nullptr || !view_->is_reload(*args)) return S_OK;
  args->put_Cancel(TRUE);
  view_->start_lookup(true);
  return S_OK;
}

enum class Wait { done, close_requested, timed_out, quit };

// Runs the window's messages until a completion handler has reported (WebView2 calls them from
// posted messages), the user closes the window, or the time limit passes.
Wait pump_until(const bool& done, const Win32Window& window,
                std::chrono::steady_clock::time_point deadline) {
  while (!done) {
    if (window.close_pending()) return Wait::close_requested;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return Wait::timed_out;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left.count()), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
    MSG message;
    while (!done && !window.close_pending() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // left for the event loop
        return Wait::quit;
      }
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return Wait::done;
}

Error wait_error(Wait wait, const char* what) {
  if (wait == Wait::timed_out) {
    return Error(std::string("the WebView2 runtime did not create the ") + what + " within " +
                 std::to_string(creation_time_limit.count()) + " seconds");
  }
  return Error(std::string("the message loop was told to quit before the ") + what +
               " was created");
}

Error last_error_text() {
  return Error(platform::system_error_text(static_cast<int>(GetLastError())));
}

template <typename Function>
Function exported_function(HMODULE module, const char* name) {
  // Through the generic function type, which GCC accepts as a go-between for any other.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Starts creating the environment: through WebView2Loader.dll when the user put one beside the
// .exe, otherwise through the engine of the runtime found on this machine. The handler is called
// later, from the window's messages. The value is what the creating call returned.
Result<HRESULT> start_environment(
    const HostPlaces& places, WebView2View& view,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* completed) {
  const std::wstring exe_folder = places.exe_path.substr(0, places.exe_path.find_last_of(L'\\'));
  const std::wstring loader_path = exe_folder + L"\\" + loader_dll_name;
  const DWORD loader_attributes = GetFileAttributesW(loader_path.c_str());
  const bool use_loader = loader_attributes != INVALID_FILE_ATTRIBUTES &&
                          (loader_attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;

  std::optional<webview2::Runtime> runtime;
  if (!use_loader) {
    auto found =
        webview2::find_runtime(webview2::RuntimeSettings::from_environment(), places.exe_path);
    if (!found) return std::move(found).error();
    runtime = std::move(found).value();
  }

  std::wstring from_environment(32768, L'\0');
  from_environment.resize(GetEnvironmentVariableW(L"WEBVIEW2_USER_DATA_FOLDER",
                                                  from_environment.data(),
                                                  static_cast<DWORD>(from_environment.size())));
  auto user_data =
      webview2::choose_user_data_folder(places.exe_path, from_environment, places.local_app_data);
  if (!user_data) return std::move(user_data).error();

  // Dependencies of either DLL come from its own folder and the system's, never from PATH or
  // the current folder.
  constexpr DWORD search = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
  if (use_loader) {
    // Kept for the rest of the process, as the loader's objects are.
    const HMODULE loader = LoadLibraryExW(loader_path.c_str(), nullptr, search);
    if (loader == nullptr) {
      return last_error_text().context("load " + tavrik::win32::to_utf8_lossy(loader_path));
    }
    const auto create = exported_function<CreateCoreWebView2EnvironmentWithOptionsFunction>(
        loader, create_environment_export);
    if (create == nullptr) {
      return last_error_text().context(std::string("find ") + create_environment_export + " in " +
                                       tavrik::win32::to_utf8_lossy(loader_path));
    }
    // The loader applies its own default beside the .exe; only a fallback is named.
    const wchar_t* folder = user_data.value().is_default ? nullptr : user_data.value().path.c_str();
    return create(nullptr, folder, nullptr, completed);
  }

  const std::string engine_text = tavrik::win32::to_utf8_lossy(runtime->engine_path);
  const HMODULE engine = LoadLibraryExW(runtime->engine_path.c_str(), nullptr, search);
  if (engine == nullptr) {
    return last_error_text().context("load " + engine_text);
  }
  view.engine_.hold(engine);
  const auto create = exported_function<CreateWebViewEnvironmentWithOptionsInternalFunction>(
      engine, create_engine_environment_export);
  if (create == nullptr) {
    return last_error_text().context(std::string("find ") + create_engine_environment_export +
                                     " in " + engine_text);
  }
  return create(TRUE, runtime->kind, user_data.value().path.c_str(), nullptr, completed);
}

}  // namespace

HostPlaces HostPlaces::of_this_process() {
  HostPlaces places;
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  places.exe_path = std::move(path);
  wchar_t* local = nullptr;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &local))) {
    places.local_app_data = local;
  }
  CoTaskMemFree(local);
  return places;
}

Result<std::unique_ptr<WebView>> build_webview(Window& window, const WebViewOptions& options) {
  return build_webview_at(window, options, HostPlaces::of_this_process());
}

Result<std::unique_ptr<WebView>> build_webview_at(Window& window, const WebViewOptions& options,
                                                  const HostPlaces& places) {
  auto* host = dynamic_cast<Win32Window*>(&window);
  if (host == nullptr || host->handle() == nullptr) {
    return Error("the web view needs a window of the Win32 shell");
  }
  if (options.protocol_handler == nullptr) return Error("no handler for the custom protocol");
  const auto url = tavrik::win32::to_wide(options.initial_url);
  const auto protocol = tavrik::win32::to_wide(options.protocol_name);
  if (!url || !protocol) return Error("the web view's options are not valid UTF-8");
  // WebView2 serves a custom protocol N under the origin http://N.<anything>.
  const std::wstring filter = L"http://" + *protocol + L".*";

  // WebView2 lives in a single-threaded apartment on the window's thread.
  HRESULT result = OleInitialize(nullptr);
  if (FAILED(result)) return Error(hresult_text(result)).context("initialise COM");

  auto view = std::make_unique<WebView2View>(*host, options.rediscovery, options.initial_url);
  auto creation = std::make_shared<Creation>();
  const auto deadline = std::chrono::steady_clock::now() + creation_time_limit;

  {
    const ComPtr<EnvironmentCompleted> completed(new EnvironmentCompleted(creation));
    // No options and no browser arguments: WebView2's defaults.
    auto started = start_environment(places, *view, completed.get());
    if (!started) return std::move(started).error();
    result = started.value();
  }
  if (FAILED(result)) return Error(hresult_text(result)).context("create the WebView2 environment");
  if (const auto wait = pump_until(creation->environment_done, *host, deadline);
      wait != Wait::done) {
    // A close request is acted on as soon as the loop runs; what exists so far goes with it.
    if (wait == Wait::close_requested) return std::unique_ptr<WebView>(std::move(view));
    return wait_error(wait, "environment");
  }
  if (FAILED(creation->environment_result)) {
    return Error(hresult_text(creation->environment_result))
        .context("create the WebView2 environment");
  }
  view->environment_ = creation->environment;

  {
    const ComPtr<ControllerCompleted> completed(new ControllerCompleted(creation));
    result = view->environment_->CreateCoreWebView2Controller(host->handle(), completed.get());
  }
  if (FAILED(result)) return Error(hresult_text(result)).context("create the WebView2 controller");
  if (const auto wait = pump_until(creation->controller_done, *host, deadline);
      wait != Wait::done) {
    if (wait == Wait::close_requested) return std::unique_ptr<WebView>(std::move(view));
    return wait_error(wait, "controller");
  }
  if (FAILED(creation->controller_result)) {
    return Error(hresult_text(creation->controller_result))
        .context("create the WebView2 controller");
  }
  view->controller_ = creation->controller;

  // The whole client area from the start, and after every WM_SIZE.
  RECT client{};
  GetClientRect(host->handle(), &client);
  result = view->controller_->put_Bounds(client);
  if (FAILED(result)) return Error(hresult_text(result)).context("size the web view to the window");
  host->set_content(view.get());

  result = view->controller_->get_CoreWebView2(view->webview_.put());
  if (FAILED(result) || !view->webview_) {
    return Error(hresult_text(FAILED(result) ? result : E_POINTER))
        .context("get the web view of the WebView2 controller");
  }

  {
    const ComPtr<ResourceRequested> handler(
        new ResourceRequested(options.protocol_handler, view->environment_));
    result = view->webview_->add_WebResourceRequested(handler.get(), &view->token_);
  }
  if (FAILED(result)) {
    return Error(hresult_text(result))
        .context("register the request handler of the " + options.protocol_name + " protocol");
  }
  view->registered_ = true;
  // Workers' requests reach the handler only through the newer filter; older runtimes have
  // only the deprecated one.
  ComPtr<ICoreWebView2_22> webview22;
  if (SUCCEEDED(view->webview_->QueryInterface(IID_ICoreWebView2_22,
                                               reinterpret_cast<void**>(webview22.put()))) &&
      webview22) {
    result = webview22->AddWebResourceRequestedFilterWithRequestSourceKinds(
        filter.c_str(), web_resource_context_all, web_resource_request_source_kinds_all);
  } else {
    result =
        view->webview_->AddWebResourceRequestedFilter(filter.c_str(), web_resource_context_all);
  }
  if (FAILED(result)) {
    return Error(hresult_text(result))
        .context("add the resource filter " + tavrik::win32::to_utf8_lossy(filter));
  }

  // A reload, from the keys or the page, finds the frontend again instead of reloading as it is.
  if (view->reloads_find_again()) {
    view->key_handler_ = ComPtr<KeyPressed>(new KeyPressed(view.get()));
    result =
        view->controller_->add_AcceleratorKeyPressed(view->key_handler_.get(), &view->key_token_);
    if (FAILED(result)) {
      view->key_handler_ = ComPtr<KeyPressed>();
      return Error(hresult_text(result)).context("register the key handler");
    }
    view->navigation_handler_ = ComPtr<NavigationStarting>(new NavigationStarting(view.get()));
    result = view->webview_->add_NavigationStarting(view->navigation_handler_.get(),
                                                    &view->navigation_token_);
    if (FAILED(result)) {
      view->navigation_handler_ = ComPtr<NavigationStarting>();
      return Error(hresult_text(result)).context("register the navigation handler");
    }
  }

  result = view->open(options.initial_url);
  if (FAILED(result)) {
    return Error(hresult_text(result)).context("navigate to " + options.initial_url);
  }

  // Following: a look at the inspector about once a second, one at a time.
  if (options.rediscovery.once) {
    if (SetTimer(host->handle(), follow_timer_id, follow_interval_ms, nullptr) == 0) {
      return last_error_text().context("start the timer that follows the inspector");
    }
    view->following_ = true;
  }
  return std::unique_ptr<WebView>(std::move(view));
}

}  // namespace tavrik::shell::win32
