// A stand-in for WebView2 in the tests, built twice: as WebView2Loader.dll (the loader a user may
// put beside the .exe) and, with TAVRIK_FAKE_ENGINE, as a runtime's EmbeddedBrowserWebView.dll
// (the engine the host finds through the registry or WEBVIEW2_BROWSER_EXECUTABLE_FOLDER). No
// browser, but the same asynchronous road the real runtime takes (completion handlers called from
// posted messages), a log of every call the host makes, and requests played through the host's
// resource handler with the responses read back through their streams. It is built on the host's
// own interface declarations, so it shows what the host does with them, not that they match the
// runtime's; that needs real WebView2.
//
// TAVRIK_FAKE_WEBVIEW2 picks the behaviour: unset or "ok"; "sync" (handlers called inside the
// calls); "no-runtime" (the loader's answer when no runtime is installed); "environment-fails";
// "controller-fails"; "bounds-fails"; "old-runtime" (no ICoreWebView2_22, and navigation events
// that do not say whether they reload); "stay-loaded" (the engine's DllCanUnloadNow always says
// no). Keys and the page's reload are played as the runtime plays them: the host's accelerator
// handler first, then, unless it handled the key, the browser's reload, which raises
// NavigationStarting with the reload kind and loads the page again unless cancelled.
// TAVRIK_FAKE_WEBVIEW2_PLAY=f5 presses F5 once, after the first page has loaded. Navigate refuses
// an address without "://", as the runtime refuses a malformed one. TAVRIK_FAKE_WEBVIEW2_LOG names
// a folder that gets log.txt and the bodies read (body-N.bin); the tests in the same process read
// the log through the exports.
#include <windows.h>

#include <atomic>
#include <cstdio>
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
HINSTANCE this_module = nullptr;

// What DllCanUnloadNow looks at: objects alive and tasks not yet run.
std::atomic<long> live_objects{0};
HWND tasks = nullptr;

// Tasks run from posted messages on the calling thread, as the runtime's completions are. The
// window and its class belong to this DLL, and go with it when it is freed.
LRESULT CALLBACK task_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP + 1) {
    auto* task = reinterpret_cast<std::function<void()>*>(lparam);
    (*task)();
    delete task;
    --live_objects;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

constexpr wchar_t task_class[] = L"tavrik_fake_webview2_tasks";

HWND task_window() {
  if (tasks == nullptr) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = task_procedure;
    window_class.hInstance = this_module;
    window_class.lpszClassName = task_class;
    RegisterClassExW(&window_class);
    tasks = CreateWindowExW(0, task_class, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, this_module,
                            nullptr);
  }
  return tasks;
}

void later(std::function<void()> task) {
  if (scenario == L"sync") {
    task();
    return;
  }
  ++live_objects;
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
  Object() { ++live_objects; }
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
  virtual ~Object() { --live_objects; }

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

void press_key(UINT key, bool control);

class FakeNavigationArgs final : public Object<ICoreWebView2NavigationStartingEventArgs3> {
 public:
  FakeNavigationArgs(std::wstring uri, NavigationKind kind) : uri_(std::move(uri)), kind_(kind) {}

  // Only a runtime recent enough says what kind of navigation it is.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown ||
        (iid == IID_ICoreWebView2NavigationStartingEventArgs3 && scenario != L"old-runtime")) {
      *object = static_cast<ICoreWebView2NavigationStartingEventArgs3*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT STDMETHODCALLTYPE get_Uri(LPWSTR* uri) override {
    const std::size_t bytes = (uri_.size() + 1) * sizeof(wchar_t);
    *uri = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (*uri == nullptr) return E_OUTOFMEMORY;
    std::memcpy(*uri, uri_.c_str(), bytes);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Cancel(BOOL cancel) override {
    cancel_ = cancel != FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_NavigationKind(NavigationKind* kind) override {
    if (scenario == L"old-runtime") the_log.line("unexpected get_NavigationKind");
    *kind = kind_;
    return S_OK;
  }
  bool cancelled() const { return cancel_; }

  UNEXPECTED(get_IsUserInitiated, BOOL*)
  UNEXPECTED(get_IsRedirected, BOOL*)
  UNEXPECTED(get_RequestHeaders, IUnknown**)
  UNEXPECTED(get_Cancel, BOOL*)
  UNEXPECTED(get_NavigationId, UINT64*)
  UNEXPECTED(get_AdditionalAllowedFrameAncestors, LPWSTR*)
  UNEXPECTED(put_AdditionalAllowedFrameAncestors, LPCWSTR)

 private:
  std::wstring uri_;
  NavigationKind kind_;
  bool cancel_ = false;
};

class FakeKeyArgs final : public Object<ICoreWebView2AcceleratorKeyPressedEventArgs> {
 public:
  FakeKeyArgs(KeyEventKind kind, UINT key) : kind_(kind), key_(key) {}
  HRESULT STDMETHODCALLTYPE get_KeyEventKind(KeyEventKind* kind) override {
    *kind = kind_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_VirtualKey(UINT* key) override {
    *key = key_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Handled(BOOL handled) override {
    handled_ = handled != FALSE;
    return S_OK;
  }
  bool handled() const { return handled_; }

  UNEXPECTED(get_KeyEventLParam, INT*)
  UNEXPECTED(get_PhysicalKeyStatus, void*)
  UNEXPECTED(get_Handled, BOOL*)

 private:
  KeyEventKind kind_;
  UINT key_;
  bool handled_ = false;
};

// The requests a filter reaches: the deprecated filter only those of documents (and their
// dedicated workers).
struct Filter {
  std::wstring uri;
  std::uint32_t source_kinds;
};

class FakeWebView final : public Object<ICoreWebView2_22> {
 public:
  ~FakeWebView() override {
    if (handler_ != nullptr) handler_->Release();
    if (navigation_handler_ != nullptr) navigation_handler_->Release();
  }

  // ICoreWebView2_22 only where the runtime is recent enough.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_ICoreWebView2 ||
        (iid == IID_ICoreWebView2_22 && scenario != L"old-runtime")) {
      *object = static_cast<ICoreWebView2_22*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  // One request through the host's handler, the way the browser makes it.
  void request(const std::wstring& uri,
               std::uint32_t source_kind = web_resource_request_source_kinds_document) {
    const std::string text = to_utf8_lossy(uri);
    if (handler_ == nullptr) {
      the_log.line("request " + text + " without a handler");
      return;
    }
    bool filtered = false;
    for (const auto& filter : filters_) {
      const std::wstring prefix = filter.uri.substr(0, filter.uri.find(L'*'));
      if (uri.compare(0, prefix.size(), prefix) == 0 && (filter.source_kinds & source_kind) != 0) {
        filtered = true;
      }
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
    AddRef();
    later([this, address] {
      if (starting(address, navigation_kind_new_document)) load(address);
      Release();
    });
    return S_OK;
  }

  // The browser's own reload of the page shown (F5 unhandled, or location.reload()).
  void reload() {
    if (source_.empty()) {
      the_log.line("reload without a page");
      return;
    }
    the_log.line("reload " + to_utf8_lossy(source_));
    if (starting(source_, navigation_kind_reload)) load(source_);
  }

  // NavigationStarting through the host's handler: false when the host cancelled.
  bool starting(const std::wstring& address, NavigationKind kind) {
    if (navigation_handler_ == nullptr) return true;
    auto* args = new FakeNavigationArgs(address, kind);
    navigation_handler_->Invoke(this, args);
    const bool cancelled = args->cancelled();
    args->Release();
    if (cancelled) the_log.line("cancelled " + to_utf8_lossy(address));
    return !cancelled;
  }

  // The document, one file it loads, one that does not exist, and a shared worker's script.
  void load(const std::wstring& address) {
    source_ = address;
    const std::wstring origin = address.substr(0, address.find(L'/', address.find(L"://") + 3));
    request(address);
    request(origin + L"/entrypoints/js_app/js_app.js");
    request(origin + L"/no/such/file.js");
    request(origin + L"/entrypoints/formatter_worker/formatter_worker.js",
            web_resource_request_source_kinds_shared_worker);
    the_log.line("loaded");
    if (environment_value(L"TAVRIK_FAKE_WEBVIEW2_PLAY") == L"f5" && !played_) {
      played_ = true;
      later([] { press_key(VK_F5, false); });
    }
  }

  HRESULT STDMETHODCALLTYPE
  add_NavigationStarting(ICoreWebView2NavigationStartingEventHandler* handler,
                         EventRegistrationToken* token) override {
    if (handler == nullptr || token == nullptr) return E_INVALIDARG;
    if (navigation_handler_ != nullptr) navigation_handler_->Release();
    handler->AddRef();
    navigation_handler_ = handler;
    token->value = 8;
    the_log.line("navigation handler added");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE remove_NavigationStarting(EventRegistrationToken token) override {
    the_log.line("navigation handler removed " + std::to_string(token.value));
    if (navigation_handler_ != nullptr) navigation_handler_->Release();
    navigation_handler_ = nullptr;
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
    filters_.push_back({uri, web_resource_request_source_kinds_document});
    the_log.line("filter " + to_utf8_lossy(uri) + " " + std::to_string(context));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE AddWebResourceRequestedFilterWithRequestSourceKinds(
      LPCWSTR uri, WebResourceContext context, WebResourceRequestSourceKinds kinds) override {
    filters_.push_back({uri, kinds});
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%X", static_cast<unsigned>(kinds));
    the_log.line("filter " + to_utf8_lossy(uri) + " " + std::to_string(context) +
                 " sources=" + hex);
    return S_OK;
  }

  UNEXPECTED(get_Settings, IUnknown**)
  UNEXPECTED(get_Source, LPWSTR*)
  UNEXPECTED(NavigateToString, LPCWSTR)
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
  UNEXPECTED(RemoveWebResourceRequestedFilter, LPCWSTR, WebResourceContext)
  UNEXPECTED(add_WindowCloseRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_WindowCloseRequested, EventRegistrationToken)
  UNEXPECTED(add_WebResourceResponseReceived, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_WebResourceResponseReceived, EventRegistrationToken)
  UNEXPECTED(NavigateWithWebResourceRequest, IUnknown*)
  UNEXPECTED(add_DOMContentLoaded, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_DOMContentLoaded, EventRegistrationToken)
  UNEXPECTED(get_CookieManager, IUnknown**)
  UNEXPECTED(get_Environment, ICoreWebView2Environment**)
  UNEXPECTED(TrySuspend, IUnknown*)
  UNEXPECTED(Resume)
  UNEXPECTED(get_IsSuspended, BOOL*)
  UNEXPECTED(SetVirtualHostNameToFolderMapping, LPCWSTR, LPCWSTR, int)
  UNEXPECTED(ClearVirtualHostNameToFolderMapping, LPCWSTR)
  UNEXPECTED(add_FrameCreated, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_FrameCreated, EventRegistrationToken)
  UNEXPECTED(add_DownloadStarting, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_DownloadStarting, EventRegistrationToken)
  UNEXPECTED(add_ClientCertificateRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ClientCertificateRequested, EventRegistrationToken)
  UNEXPECTED(OpenTaskManagerWindow)
  UNEXPECTED(PrintToPdf, LPCWSTR, IUnknown*, IUnknown*)
  UNEXPECTED(add_IsMutedChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_IsMutedChanged, EventRegistrationToken)
  UNEXPECTED(get_IsMuted, BOOL*)
  UNEXPECTED(put_IsMuted, BOOL)
  UNEXPECTED(add_IsDocumentPlayingAudioChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_IsDocumentPlayingAudioChanged, EventRegistrationToken)
  UNEXPECTED(get_IsDocumentPlayingAudio, BOOL*)
  UNEXPECTED(add_IsDefaultDownloadDialogOpenChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_IsDefaultDownloadDialogOpenChanged, EventRegistrationToken)
  UNEXPECTED(get_IsDefaultDownloadDialogOpen, BOOL*)
  UNEXPECTED(OpenDefaultDownloadDialog)
  UNEXPECTED(CloseDefaultDownloadDialog)
  UNEXPECTED(get_DefaultDownloadDialogCornerAlignment, int*)
  UNEXPECTED(put_DefaultDownloadDialogCornerAlignment, int)
  UNEXPECTED(get_DefaultDownloadDialogMargin, POINT*)
  UNEXPECTED(put_DefaultDownloadDialogMargin, POINT)
  UNEXPECTED(add_BasicAuthenticationRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_BasicAuthenticationRequested, EventRegistrationToken)
  UNEXPECTED(CallDevToolsProtocolMethodForSession, LPCWSTR, LPCWSTR, LPCWSTR, IUnknown*)
  UNEXPECTED(add_ContextMenuRequested, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ContextMenuRequested, EventRegistrationToken)
  UNEXPECTED(add_StatusBarTextChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_StatusBarTextChanged, EventRegistrationToken)
  UNEXPECTED(get_StatusBarText, LPWSTR*)
  UNEXPECTED(get_Profile, IUnknown**)
  UNEXPECTED(add_ServerCertificateErrorDetected, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_ServerCertificateErrorDetected, EventRegistrationToken)
  UNEXPECTED(ClearServerCertificateErrorActions, IUnknown*)
  UNEXPECTED(add_FaviconChanged, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_FaviconChanged, EventRegistrationToken)
  UNEXPECTED(get_FaviconUri, LPWSTR*)
  UNEXPECTED(GetFavicon, int, IUnknown*)
  UNEXPECTED(Print, IUnknown*, IUnknown*)
  UNEXPECTED(ShowPrintUI, int)
  UNEXPECTED(PrintToPdfStream, IUnknown*, IUnknown*)
  UNEXPECTED(PostSharedBufferToScript, IUnknown*, int, LPCWSTR)
  UNEXPECTED(add_LaunchingExternalUriScheme, IUnknown*, EventRegistrationToken*)
  UNEXPECTED(remove_LaunchingExternalUriScheme, EventRegistrationToken)
  UNEXPECTED(get_MemoryUsageTargetLevel, int*)
  UNEXPECTED(put_MemoryUsageTargetLevel, int)
  UNEXPECTED(get_FrameId, UINT32*)
  UNEXPECTED(ExecuteScriptWithResult, LPCWSTR, IUnknown*)
  UNEXPECTED(RemoveWebResourceRequestedFilterWithRequestSourceKinds, LPCWSTR, WebResourceContext,
             WebResourceRequestSourceKinds)

 private:
  ICoreWebView2WebResourceRequestedEventHandler* handler_ = nullptr;
  ICoreWebView2NavigationStartingEventHandler* navigation_handler_ = nullptr;
  std::vector<Filter> filters_;
  std::wstring source_;  // the page shown, for a reload
  bool played_ = false;
};

// The one web view of the process, for the in-process tests' requests and keys.
FakeWebView* current_webview = nullptr;
class FakeController;
FakeController* current_controller = nullptr;

class FakeController final : public Object<ICoreWebView2Controller> {
 public:
  FakeController() : webview_(new FakeWebView) {
    current_webview = webview_;
    current_controller = this;
  }
  ~FakeController() override {
    if (current_webview == webview_) current_webview = nullptr;
    if (current_controller == this) current_controller = nullptr;
    if (key_handler_ != nullptr) key_handler_->Release();
    webview_->Release();
  }

  // A key pressed in the page: the host's accelerator handler first, with the key state the
  // message came with; then the browser's own action for it.
  void key(UINT key, bool control) {
    bool handled = false;
    if (key_handler_ != nullptr) {
      BYTE state[256];
      GetKeyboardState(state);
      const BYTE before = state[VK_CONTROL];
      state[VK_CONTROL] = control ? 0x80 : 0;
      SetKeyboardState(state);
      auto* args = new FakeKeyArgs(key_event_kind_key_down, key);
      key_handler_->Invoke(this, args);
      handled = args->handled();
      args->Release();
      // The key goes up again; the host has nothing to do then.
      args = new FakeKeyArgs(key_event_kind_key_up, key);
      key_handler_->Invoke(this, args);
      handled = handled || args->handled();
      args->Release();
      state[VK_CONTROL] = before;
      SetKeyboardState(state);
    }
    const std::string name =
        key == VK_F5 ? "F5" : std::string(control ? "Ctrl+" : "") + static_cast<char>(key);
    the_log.line("key " + name + (handled ? " handled" : ""));
    if (!handled && (key == VK_F5 || (key == 'R' && control))) webview_->reload();
  }

  HRESULT STDMETHODCALLTYPE
  add_AcceleratorKeyPressed(ICoreWebView2AcceleratorKeyPressedEventHandler* handler,
                            EventRegistrationToken* token) override {
    if (handler == nullptr || token == nullptr) return E_INVALIDARG;
    if (key_handler_ != nullptr) key_handler_->Release();
    handler->AddRef();
    key_handler_ = handler;
    token->value = 9;
    the_log.line("key handler added");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE remove_AcceleratorKeyPressed(EventRegistrationToken token) override {
    the_log.line("key handler removed " + std::to_string(token.value));
    if (key_handler_ != nullptr) key_handler_->Release();
    key_handler_ = nullptr;
    return S_OK;
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
  UNEXPECTED(get_ParentWindow, HWND*)
  UNEXPECTED(put_ParentWindow, HWND)
  UNEXPECTED(NotifyParentWindowPositionChanged)

 private:
  FakeWebView* webview_;
  ICoreWebView2AcceleratorKeyPressedEventHandler* key_handler_ = nullptr;
};

void press_key(UINT key, bool control) {
  if (current_controller == nullptr) {
    the_log.line("key without a web view");
    return;
  }
  current_controller->key(key, control);
}

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

// What both exports do once they have logged their arguments.
HRESULT create_environment(const std::string& call,
                           ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
  scenario = environment_value(L"TAVRIK_FAKE_WEBVIEW2");
  the_log.folder = environment_value(L"TAVRIK_FAKE_WEBVIEW2_LOG");
  // The windows already shown when the web view is asked for, remembered for the exit check.
  windows_seen.clear();
  EnumThreadWindows(GetCurrentThreadId(), collect_window, reinterpret_cast<LPARAM>(&windows_seen));
  std::string shown;
  for (HWND window : windows_seen) shown += (shown.empty() ? "" : ",") + window_title(window);
  the_log.line(call + " windows=" + shown);
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

std::string text_or_dash(PCWSTR text) { return text != nullptr ? to_utf8_lossy(text) : "-"; }

}  // namespace

extern "C" {

#ifdef TAVRIK_FAKE_ENGINE

}  // extern "C"
namespace {
std::wstring module_path() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(this_module, path, MAX_PATH);
  return std::wstring(path, length);
}
}  // namespace
extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE CreateWebViewEnvironmentWithOptionsInternal(
    BOOL check_running_instance, RuntimeKind kind, PCWSTR user_data_folder, IUnknown* options,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
  return create_environment(
      "engine " + to_utf8_lossy(module_path()) + " flag=" + std::to_string(check_running_instance) +
          " kind=" + std::to_string(static_cast<std::uint32_t>(kind)) +
          " user-data=" + text_or_dash(user_data_folder) + " options=" + (options ? "set" : "-"),
      handler);
}

// S_OK only when nothing of the stand-in is alive and no task is waiting to run.
__declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  const bool stay = scenario == L"stay-loaded";
  the_log.line("can-unload-now live=" + std::to_string(live_objects.load()) +
               (stay ? " stay" : ""));
  return live_objects == 0 && !stay ? S_OK : S_FALSE;
}

#else

__declspec(dllexport) HRESULT STDAPICALLTYPE CreateCoreWebView2EnvironmentWithOptions(
    PCWSTR browser_folder, PCWSTR user_data_folder, IUnknown* options,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* handler) {
  return create_environment(
      std::string("environment browser-folder=") + text_or_dash(browser_folder) +
          " user-data=" + text_or_dash(user_data_folder) + " options=" + (options ? "set" : "-"),
      handler);
}

#endif

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

__declspec(dllexport) void fake_webview2_key(unsigned key, int control) {
  press_key(key, control != 0);
}

__declspec(dllexport) void fake_webview2_page_reload() {
  if (current_webview == nullptr) {
    the_log.line("reload without a web view");
    return;
  }
  current_webview->reload();
}

__declspec(dllexport) const char* fake_webview2_body(int index, std::size_t* size) {
  if (index < 0 || static_cast<std::size_t>(index) >= the_log.bodies.size()) return nullptr;
  *size = the_log.bodies[static_cast<std::size_t>(index)].size();
  return the_log.bodies[static_cast<std::size_t>(index)].data();
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID at_process_exit) {
  if (reason == DLL_PROCESS_ATTACH) this_module = instance;
  if (reason == DLL_PROCESS_DETACH && at_process_exit == nullptr) {
    // Freed while the process goes on: nothing of this DLL may be left to call.
    if (tasks != nullptr) DestroyWindow(tasks);
    UnregisterClassW(task_class, this_module);
    the_log.line("unloaded");
    return TRUE;
  }
  if (reason == DLL_PROCESS_DETACH && !windows_seen.empty()) {
    int alive = 0;
    for (HWND window : windows_seen) alive += IsWindow(window) ? 1 : 0;
    the_log.line("exit windows-alive=" + std::to_string(alive));
  }
  return TRUE;
}

}  // extern "C"
