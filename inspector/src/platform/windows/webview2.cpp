// The web view on Edge WebView2: the loader DLL found at run time, the environment and the
// controller created on the window, and every request under the custom protocol's origin
// answered from the protocol handler.
#include "webview2.hpp"

#include <atomic>
#include <chrono>
#include <memory>
#include <utility>

#include "platform/net.hpp"
#include "response_stream.hpp"
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

// The web view: kept sized to the window's client area and focused with it.
class WebView2View final : public WebView, public WindowContent {
 public:
  explicit WebView2View(Win32Window& window) : window_(&window) {}
  WebView2View(const WebView2View&) = delete;
  WebView2View& operator=(const WebView2View&) = delete;

  ~WebView2View() override {
    if (window_ != nullptr) window_->set_content(nullptr);
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

  Win32Window* window_;
  ComPtr<ICoreWebView2Environment> environment_;
  ComPtr<ICoreWebView2Controller> controller_;
  ComPtr<ICoreWebView2> webview_;
  EventRegistrationToken token_{};
  bool registered_ = false;
};

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

}  // namespace

Result<std::unique_ptr<WebView>> build_webview(Window& window, const WebViewOptions& options) {
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

  // Found beside the .exe or on the search path, and never unloaded: the runtime's objects
  // stay for the rest of the process.
  const HMODULE loader = LoadLibraryW(loader_dll_name);
  if (loader == nullptr) {
    return Error(net::system_error_text(static_cast<int>(GetLastError())))
        .context("load WebView2Loader.dll");
  }
  const FARPROC found = GetProcAddress(loader, create_environment_export);
  if (found == nullptr) {
    return Error(net::system_error_text(static_cast<int>(GetLastError())))
        .context(std::string("find ") + create_environment_export + " in WebView2Loader.dll");
  }
  // Through the generic function type, which GCC accepts as a go-between for any other.
  const auto create_environment =
      reinterpret_cast<CreateCoreWebView2EnvironmentWithOptionsFunction>(
          reinterpret_cast<void (*)()>(found));

  auto view = std::make_unique<WebView2View>(*host);
  auto creation = std::make_shared<Creation>();
  const auto deadline = std::chrono::steady_clock::now() + creation_time_limit;

  {
    const ComPtr<EnvironmentCompleted> completed(new EnvironmentCompleted(creation));
    // Everything at WebView2's defaults: its own browser folder, user-data folder and options.
    result = create_environment(nullptr, nullptr, nullptr, completed.get());
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
  result = view->webview_->AddWebResourceRequestedFilter(filter.c_str(), web_resource_context_all);
  if (FAILED(result)) {
    return Error(hresult_text(result))
        .context("add the resource filter " + tavrik::win32::to_utf8_lossy(filter));
  }

  result = view->webview_->Navigate(url->c_str());
  if (FAILED(result)) {
    return Error(hresult_text(result)).context("navigate to " + options.initial_url);
  }
  return std::unique_ptr<WebView>(std::move(view));
}

}  // namespace tavrik::shell::win32
