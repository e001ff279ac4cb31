// A stand-in WebView2Loader.dll for the tests: no browser, but the same asynchronous road the
// real runtime takes (completion handlers called from posted messages), a log of every call the
// host makes, and requests played through the host's resource handler with the responses read
// back through their streams. It is built on the host's own interface declarations, so it shows
// what the host does with them, not that they match the runtime's; that needs real WebView2.
//
// TAVRIK_FAKE_WEBVIEW2 picks the behaviour: unset or "ok"; "sync" (handlers called inside the
// calls); "no-runtime" (the loader's answer when no runtime is installed); "environment-fails";
// "controller-fails"; "bounds-fails". Navigate refuses an address without "://", as the runtime
// refuses a malformed one. TAVRIK_FAKE_WEBVIEW2_LOG names a folder that gets log.txt and the
// bodies read (body-N.bin); the tests in the same process read the log through the exports.
#include <windows.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "webview2.hpp"
#include "win32_text.hpp"

namespace {

using namespace tavrik::webview2;
using tavrik::win32::to_utf8_lossy;

std::wstring environment_value(const wchar_t* name) {
  wchar_t buffer[1024];
  const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
  if (length == 0 || length >= 1024) return L"";
  return std::wstring(buffer, length);
}

// The log, kept in memory for the in-process tests and written to a file for the others.
struct Log {
  std::string text;
  std::vector<std::string> bodies;
  std::wstring folder;

  void line(const std::string& entry) {
    text += entry;
    text += '\n';
    if (folder.empty()) return;
    const HANDLE file = CreateFileW((folder + L"\\log.txt").c_str(), FILE_APPEND_DATA,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string bytes = entry + "\n";
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  void body(const std::string& bytes) {
    bodies.push_back(bytes);
    if (folder.empty()) return;
    const std::wstring path = folder + L"\\body-" + std::to_wstring(bodies.size() - 1) + L".bin";
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
};

// Process-wide, as the real loader's state is: the DLL has one of everything.
Log the_log;
std::wstring scenario;
std::vector<HWND> windows_seen;

// Tasks run from posted messages on the calling thread, as the runtime's completions are.
LRESULT CALLBACK task_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP + 1) {
    auto* task = reinterpret_cast<std::function<void()>*>(lparam);
    (*task)();
    delete task;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND task_window() {
  static HWND window = [] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = task_procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"tavrik_fake_webview2_tasks";
    RegisterClassExW(&window_class);
    return CreateWindowExW(0, window_class.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           window_class.hInstance, nullptr);
  }();
  return window;
}

void later(std::function<void()> task) {
  if (scenario == L"sync") {
    task();
    return;
  }
  PostMessageW(task_window(), WM_APP + 1, 0,
               reinterpret_cast<LPARAM>(new std::function<void()>(std::move(task))));
}

std::string window_title(HWND window) {
  wchar_t title[256];
  const int length = GetWindowTextW(window, title, 256);
  return to_utf8_lossy(std::wstring_view(title, static_cast<std::size_t>(length)));
}

BOOL CALLBACK collect_window(HWND window, LPARAM list) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

template <typename Interface>
class Object : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
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
  virtual ~Object() = default;

 private:
  std::atomic<ULONG> references_{1};
};

// A method the host must never call: logged, so that a test sees it.
#define UNEXPECTED(name, ...)                            \
  HRESULT STDMETHODCALLTYPE name(__VA_ARGS__) override { \
    the_log.line("unexpected " #name);                   \
    return E_NOTIMPL;                                    \
  }

class FakeResponse final : public Object<ICoreWebView2WebResourceResponse> {
 public:
  FakeResponse(IStream* content, int status, std::wstring reason, std::wstring headers)
      : content_(content),
        status_(status),
        reason_(std::move(reason)),
        headers_(std::move(headers)) {
    if (content_ != nullptr) content_->AddRef();
  }
  ~FakeResponse() override {
    if (content_ != nullptr) content_->Release();
  }

  // What the browser would do with it: read the whole stream, in pieces.
  void record(const std::string& uri) {
    std::string bytes;
    if (content_ != nullptr) {
      char buffer[4096];
      for (;;) {
        ULONG got = 0;
        const HRESULT result = content_->Read(buffer, sizeof buffer, &got);
        bytes.append(buffer, got);
        if (FAILED(result) || got == 0) break;
      }
    }
    STATSTG statistics{};
    const bool stat_ok = content_ != nullptr && SUCCEEDED(content_->Stat(&statistics, 1));
    the_log.line("response " + uri + " " + std::to_string(status_) + " " + to_utf8_lossy(reason_) +
                 "|" + to_utf8_lossy(headers_) + "|" + std::to_string(bytes.size()) +
                 " stat=" + (stat_ok ? std::to_string(statistics.cbSize.QuadPart) : "-"));
    the_log.body(bytes);
  }

 private:
  IStream* content_;
  int status_;
  std::wstring reason_;
  std::wstring headers_;
};

class FakeRequest final : public Object<ICoreWebView2WebResourceRequest> {
 public:
  explicit FakeRequest(std::wstring uri) : uri_(std::move(uri)) {}
  HRESULT STDMETHODCALLTYPE get_Uri(LPWSTR* uri) override {
    const std::size_t bytes = (uri_.size() + 1) * sizeof(wchar_t);
    *uri = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (*uri == nullptr) return E_OUTOFMEMORY;
    std::memcpy(*uri, uri_.c_str(), bytes);
    return S_OK;
  }

 private:
  std::wstring uri_;
};

class FakeArgs final : public Object<ICoreWebView2WebResourceRequestedEventArgs> {
 public:
  explicit FakeArgs(std::wstring uri) : request_(new FakeRequest(std::move(uri))) {}
  ~FakeArgs() override {
    request_->Release();
    if (response_ != nullptr) response_->Release();
  }
  HRESULT STDMETHODCALLTYPE get_Request(ICoreWebView2WebResourceRequest** request) override {
    request_->AddRef();
    *request = request_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Response(ICoreWebView2WebResourceResponse** response) override {
    *response = response_;
    if (response_ != nullptr) response_->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Response(ICoreWebView2WebResourceResponse* response) override {
    if (response != nullptr) response->AddRef();
    if (response_ != nullptr) response_->Release();
    response_ = response;
    return S_OK;
  }
  FakeResponse* response() const { return static_cast<FakeResponse*>(response_); }

 private:
  FakeRequest* request_;
  ICoreWebView2WebResourceResponse* response_ = nullptr;
};

class FakeWebView final : public Object<ICoreWebView2> {
 public:
  ~FakeWebView() override {
    if (handler_ != nullptr) handler_->Release();
  }

  // One request through the host's handler, the way the browser makes it.
  void request(const std::wstring& uri) {
    const std::string text = to_utf8_lossy(uri);
    if (handler_ == nullptr) {
      the_log.line("request " + text + " without a handler");
      return;
    }
    bool filtered = false;
    for (const auto& filter : filters_) {
      const std::wstring prefix = filter.substr(0, filter.find(L'*'));
      if (uri.compare(0, prefix.size(), prefix) == 0) filtered = true;
    }
    if (!filtered) {
      the_log.line("request " + text + " outside every filter");
      return;
    }
    auto* args = new FakeArgs(uri);
    const HRESULT result = handler_->Invoke(this, args);
    if (FAILED(result) || args->response() == nullptr) {
      the_log.line("request " + text + " unanswered");
    } else {
      args->response()->record(text);
    }
    args->Release();
  }

  HRESULT STDMETHODCALLTYPE Navigate(LPCWSTR uri) override {
    const std::wstring address = uri != nullptr ? uri : L"";
    the_log.line("navigate " + to_utf8_lossy(address));
    if (address.find(L"://") == std::wstring::npos) return E_INVALIDARG;
    // The document, one file it loads, and one that does not exist.
    const std::wstring origin = address.substr(0, address.find(L'/', address.find(L"://") + 3));
    AddRef();
    later([this, address, origin] {
      request(address);
      request(origin + L"/entrypoints/js_app/js_app.js");
      request(origin + L"/no/such/file.js");
      the_log.line("loaded");
      Release();
    });
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE
  add_WebResourceRequested(ICoreWebView2WebResourceRequestedEventHandler* handler,
                           EventRegistrationToken* token) override {
    if (handler == nullptr || token == nullptr) return E_INVALIDARG;
    if (handler_ != nullptr) handler_->Release();
    handler->AddRef();
    handler_ = handler;
    token->value = 7;
    the_log.line("handler added");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE remove_WebResourceRequested(EventRegistrationToken token) override {
    the_log.line("handler removed " + std::to_string(token.value));
    if (handler_ != nullptr) handler_->Release();
    handler_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AddWebResourceRequestedFilter(LPCWSTR uri,
                                                          WebResourceContext context) override {
    filters_.emplace_back(uri);
    the_log.line("filter " + to_utf8_lossy(uri) + " " + std::to_string(context));
    return S_OK;
  }

  UNEXPECTED(get_Settings, IUnknown**)
  UNEXPECTED(get_Source, LPWSTR*)
  UNEXPECTED(NavigateToString, LPCWSTR)
  UNEXPECTED(add_NavigationStarting, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_NavigationStarting, EventRegistrationToken)
  UNEXPECTED(add_ContentLoading, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ContentLoading, EventRegistrationToken)
  UNEXPECTED(add_SourceChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_SourceChanged, EventRegistrationToken)
  UNEXPECTED(add_HistoryChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_HistoryChanged, EventRegistrationToken)
  UNEXPECTED(add_NavigationCompleted, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_NavigationCompleted, EventRegistrationToken)
  UNEXPECTED(add_FrameNavigationStarting, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_FrameNavigationStarting, EventRegistrationToken)
  UNEXPECTED(add_FrameNavigationCompleted, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_FrameNavigationCompleted, EventRegistrationToken)
  UNEXPECTED(add_ScriptDialogOpening, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ScriptDialogOpening, EventRegistrationToken)
  UNEXPECTED(add_PermissionRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_PermissionRequested, EventRegistrationToken)
  UNEXPECTED(add_ProcessFailed, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ProcessFailed, EventRegistrationToken)
  UNEXPECTED(AddScriptToExecuteOnDocumentCreated, LPCWSTR, IUnknown*)
  UNEXPECTED(RemoveScriptToExecuteOnDocumentCreated, LPCWSTR)
  UNEXPECTED(ExecuteScript, LPCWSTR, IUnknown*)
  UNEXPECTED(CapturePreview, int, IStream*, IUnknown*)
  UNEXPECTED(Reload)
  UNEXPECTED(PostWebMessageAsJson, LPCWSTR)
  UNEXPECTED(PostWebMessageAsString, LPCWSTR)
  UNEXPECTED(add_WebMessageReceived, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_WebMessageReceived, EventRegistrationToken)
  UNEXPECTED(CallDevToolsProtocolMethod, LPCWSTR, LPCWSTR, IUnknown*)
  UNEXPECTED(get_BrowserProcessId, UINT32*)
  UNEXPECTED(get_CanGoBack, BOOL*)
  UNEXPECTED(get_CanGoForward, BOOL*)
  UNEXPECTED(GoBack)
  UNEXPECTED(GoForward)
  UNEXPECTED(GetDevToolsProtocolEventReceiver, LPCWSTR, IUnknown**)
  UNEXPECTED(Stop)
  UNEXPECTED(add_NewWindowRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_NewWindowRequested, EventRegistrationToken)
  UNEXPECTED(add_DocumentTitleChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_DocumentTitleChanged, EventRegistrationToken)
  UNEXPECTED(get_DocumentTitle, LPWSTR*)
  UNEXPECTED(AddHostObjectToScript, LPCWSTR, void*)
  UNEXPECTED(RemoveHostObjectFromScript, LPCWSTR)
  UNEXPECTED(OpenDevToolsWindow)
  UNEXPECTED(add_ContainsFullScreenElementChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ContainsFullScreenElementChanged, EventRegistrationToken)
  UNEXPECTED(get_ContainsFullScreenElement, BOOL*)

 private:
  ICoreWebView2WebResourceRequestedEventHandler* handler_ = nullptr;
  std::vector<std::wstring> filters_;
};

// The one web view of the process, for the in-process tests' requests.
FakeWebView* current_webview = nullptr;

class FakeController final : public Object<ICoreWebView2Controller> {
 public:
  FakeController() : webview_(new FakeWebView) { current_webview = webview_; }
  ~FakeController() override {
    if (current_webview == webview_) current_webview = nullptr;
    webview_->Release();
  }

  HRESULT STDMETHODCALLTYPE put_Bounds(RECT bounds) override {
    the_log.line("bounds " + std::to_string(bounds.left) + " " + std::to_string(bounds.top) + " " +
                 std::to_string(bounds.right) + " " + std::to_string(bounds.bottom));
    return scenario == L"bounds-fails" ? E_INVALIDARG : S_OK;
  }
  HRESULT STDMETHODCALLTYPE MoveFocus(MoveFocusReason reason) override {
    the_log.line("focus " + std::to_string(reason));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Close() override {
    the_log.line("close");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** webview) override {
    webview_->AddRef();
    *webview = webview_;
    return S_OK;
  }

  UNEXPECTED(get_IsVisible, BOOL*)
  UNEXPECTED(put_IsVisible, BOOL)
  UNEXPECTED(get_Bounds, RECT*)
  UNEXPECTED(get_ZoomFactor, double*)
  UNEXPECTED(put_ZoomFactor, double)
  UNEXPECTED(add_ZoomFactorChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ZoomFactorChanged, EventRegistrationToken)
  UNEXPECTED(SetBoundsAndZoomFactor, RECT, double)
  UNEXPECTED(add_MoveFocusRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_MoveFocusRequested, EventRegistrationToken)
  UNEXPECTED(add_GotFocus, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_GotFocus, EventRegistrationToken)
  UNEXPECTED(add_LostFocus, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_LostFocus, EventRegistrationToken)
  UNEXPECTED(add_AcceleratorKeyPressed, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_AcceleratorKeyPressed, EventRegistrationToken)
  UNEXPECTED(get_ParentWindow, HWND*)
  UNEXPECTED(put_ParentWindow, HWND)
  UNEXPECTED(NotifyParentWindowPositionChanged)

 private:
  FakeWebView* webview_;
};

class FakeEnvironment final : public Object<ICoreWebView2Environment> {
 public:
  HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(
      HWND parent, ICoreWebView2CreateCoreWebView2ControllerCompletedHandler* handler) override {
    if (handler == nullptr) return E_INVALIDARG;
    the_log.line("controller parent=" + window_title(parent) +
                 " visible=" + (IsWindowVisible(parent) ? "1" : "0"));
    handler->AddRef();
    later([handler] {
      if (scenario == L"controller-fails") {
        handler->Invoke(E_FAIL, nullptr);
      } else {
        auto* controller = new FakeController;
        handler->Invoke(S_OK, controller);
        controller->Release();
      }
      handler->Release();
    });
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE
  CreateWebResourceResponse(IStream* content, int status, LPCWSTR reason, LPCWSTR headers,
                            ICoreWebView2WebResourceResponse** response) override {
    if (response == nullptr) return E_POINTER;
    *response = new FakeResponse(content, status, reason != nullptr ? reason : L"",
                                 headers != nullptr ? headers : L"");
    return S_OK;
  }
};

#undef UNEXPECTED
#pragma GCC diagnostic pop

}  // namespace

extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE CreateCoreWebView2EnvironmentWithOptions(
    PCWSTR browser_folder, PCWSTR user_data_folder, IUnknown* options,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
  scenario = environment_value(L"TAVRIK_FAKE_WEBVIEW2");
  the_log.folder = environment_value(L"TAVRIK_FAKE_WEBVIEW2_LOG");
  // The windows already shown when the web view is asked for, remembered for the exit check.
  windows_seen.clear();
  EnumThreadWindows(GetCurrentThreadId(), collect_window, reinterpret_cast<LPARAM>(&windows_seen));
  std::string shown;
  for (HWND window : windows_seen) shown += (shown.empty() ? "" : ",") + window_title(window);
  the_log.line(std::string("environment browser-folder=") + (browser_folder ? "set" : "-") +
               " user-data=" + (user_data_folder ? "set" : "-") +
               " options=" + (options ? "set" : "-") + " windows=" + shown);
  if (handler == nullptr) return E_INVALIDARG;
  if (scenario == L"no-runtime") return HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
  handler->AddRef();
  later([handler] {
    if (scenario == L"environment-fails") {
      handler->Invoke(E_ACCESSDENIED, nullptr);
    } else {
      auto* environment = new FakeEnvironment;
      handler->Invoke(S_OK, environment);
      environment->Release();
    }
    handler->Release();
  });
  return S_OK;
}

// For the tests in the same process.
__declspec(dllexport) const char* fake_webview2_log() { return the_log.text.c_str(); }

__declspec(dllexport) void fake_webview2_clear() {
  the_log.text.clear();
  the_log.bodies.clear();
}

__declspec(dllexport) void fake_webview2_request(const wchar_t* uri) {
  if (current_webview == nullptr) {
    the_log.line("request without a web view");
    return;
  }
  current_webview->request(uri);
}

__declspec(dllexport) const char* fake_webview2_body(int index, std::size_t* size) {
  if (index < 0 || static_cast<std::size_t>(index) >= the_log.bodies.size()) return nullptr;
  *size = the_log.bodies[static_cast<std::size_t>(index)].size();
  return the_log.bodies[static_cast<std::size_t>(index)].data();
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH && !windows_seen.empty()) {
    int alive = 0;
    for (HWND window : windows_seen) alive += IsWindow(window) ? 1 : 0;
    the_log.line("exit windows-alive=" + std::to_string(alive));
  }
  return TRUE;
}

}  // extern "C"
