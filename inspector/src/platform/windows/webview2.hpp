// The few WebView2 COM interfaces the host uses, declared from the public API reference. Method
// order is the published vtable order; an interface is declared only up to the last method the
// host calls (or that a later version the host calls builds on), and methods it never calls keep
// their published names so that the order can be checked against the reference. Parameters of
// uncalled methods are simplified to IUnknown* or void* where the real type is an interface the
// host never touches: a slot's position is all that matters for them.
#pragma once

#include <objidl.h>
#include <windows.h>

#include <cstdint>

namespace tavrik::webview2 {

struct EventRegistrationToken {
  std::int64_t value;
};

enum WebResourceContext : int {
  web_resource_context_all = 0,
};

// COREWEBVIEW2_WEB_RESOURCE_REQUEST_SOURCE_KINDS, a 4-byte flag set.
enum WebResourceRequestSourceKinds : std::uint32_t {
  web_resource_request_source_kinds_document = 0x1,  // dedicated workers included
  web_resource_request_source_kinds_shared_worker = 0x2,
  web_resource_request_source_kinds_service_worker = 0x4,
  web_resource_request_source_kinds_all = 0xFFFFFFFF,
};

enum MoveFocusReason : int {
  move_focus_reason_programmatic = 0,
};

// COREWEBVIEW2_KEY_EVENT_KIND
enum KeyEventKind : int {
  key_event_kind_key_down = 0,
  key_event_kind_key_up = 1,
  key_event_kind_system_key_down = 2,
  key_event_kind_system_key_up = 3,
};

// COREWEBVIEW2_NAVIGATION_KIND
enum NavigationKind : int {
  navigation_kind_reload = 0,
  navigation_kind_back_or_forward = 1,
  navigation_kind_new_document = 2,
};

// COM interfaces have no virtual destructor: it would take a vtable slot of its own.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

struct ICoreWebView2;
struct ICoreWebView2Controller;
struct ICoreWebView2Environment;
struct ICoreWebView2WebResourceRequest;
struct ICoreWebView2WebResourceRequestedEventArgs;
struct ICoreWebView2AcceleratorKeyPressedEventArgs;
struct ICoreWebView2NavigationStartingEventArgs;

// {aafcc94f-fa27-48fd-97df-830ef75aaec9}; created by the environment, handed on, never called.
struct ICoreWebView2WebResourceResponse : IUnknown {};

// {4e8a3389-c9d8-4bd2-b6b5-124fee6cc14d}
struct ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT errorCode, ICoreWebView2Environment* result) = 0;
};
inline constexpr GUID IID_ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler = {
    0x4e8a3389, 0xc9d8, 0x4bd2, {0xb6, 0xb5, 0x12, 0x4f, 0xee, 0x6c, 0xc1, 0x4d}};

// {6c4819f3-c9b7-4260-8127-c9f5bde7f68c}
struct ICoreWebView2CreateCoreWebView2ControllerCompletedHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(HRESULT errorCode, ICoreWebView2Controller* result) = 0;
};
inline constexpr GUID IID_ICoreWebView2CreateCoreWebView2ControllerCompletedHandler = {
    0x6c4819f3, 0xc9b7, 0x4260, {0x81, 0x27, 0xc9, 0xf5, 0xbd, 0xe7, 0xf6, 0x8c}};

// {ab00b74c-15f1-4646-80e8-e76341d25d71}
struct ICoreWebView2WebResourceRequestedEventHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2* sender,
                                           ICoreWebView2WebResourceRequestedEventArgs* args) = 0;
};
inline constexpr GUID IID_ICoreWebView2WebResourceRequestedEventHandler = {
    0xab00b74c, 0x15f1, 0x4646, {0x80, 0xe8, 0xe7, 0x63, 0x41, 0xd2, 0x5d, 0x71}};

// {b29c7e28-fa79-41a8-8e44-65811c76dcb2}
struct ICoreWebView2AcceleratorKeyPressedEventHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2Controller* sender,
                                           ICoreWebView2AcceleratorKeyPressedEventArgs* args) = 0;
};
inline constexpr GUID IID_ICoreWebView2AcceleratorKeyPressedEventHandler = {
    0xb29c7e28, 0xfa79, 0x41a8, {0x8e, 0x44, 0x65, 0x81, 0x1c, 0x76, 0xdc, 0xb2}};

// {9adbe429-f36d-432b-9ddc-f8881fbd76e3}
struct ICoreWebView2NavigationStartingEventHandler : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Invoke(ICoreWebView2* sender,
                                           ICoreWebView2NavigationStartingEventArgs* args) = 0;
};
inline constexpr GUID IID_ICoreWebView2NavigationStartingEventHandler = {
    0x9adbe429, 0xf36d, 0x432b, {0x9d, 0xdc, 0xf8, 0x88, 0x1f, 0xbd, 0x76, 0xe3}};

// {b96d755e-0319-4e92-a296-23436f46a1fc}
struct ICoreWebView2Environment : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CreateCoreWebView2Controller(
      HWND parentWindow, ICoreWebView2CreateCoreWebView2ControllerCompletedHandler* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  CreateWebResourceResponse(IStream* content, int statusCode, LPCWSTR reasonPhrase, LPCWSTR headers,
                            ICoreWebView2WebResourceResponse** response) = 0;
};

// {4d00c0d1-9434-4eb6-8078-8697a560334f}
struct ICoreWebView2Controller : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_IsVisible(BOOL* isVisible) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsVisible(BOOL isVisible) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Bounds(RECT* bounds) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Bounds(RECT bounds) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ZoomFactor(double* zoomFactor) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ZoomFactor(double zoomFactor) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ZoomFactorChanged(IUnknown* eventHandler,
                                                          EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ZoomFactorChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetBoundsAndZoomFactor(RECT bounds, double zoomFactor) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveFocus(MoveFocusReason reason) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_MoveFocusRequested(IUnknown* eventHandler,
                                                           EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_MoveFocusRequested(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_GotFocus(IUnknown* eventHandler,
                                                 EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_GotFocus(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_LostFocus(IUnknown* eventHandler,
                                                  EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_LostFocus(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  add_AcceleratorKeyPressed(ICoreWebView2AcceleratorKeyPressedEventHandler* eventHandler,
                            EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_AcceleratorKeyPressed(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ParentWindow(HWND* parentWindow) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_ParentWindow(HWND parentWindow) = 0;
  virtual HRESULT STDMETHODCALLTYPE NotifyParentWindowPositionChanged() = 0;
  virtual HRESULT STDMETHODCALLTYPE Close() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CoreWebView2(ICoreWebView2** coreWebView2) = 0;
};

// {76eceacb-0462-4d94-ac83-423a6793775e}
struct ICoreWebView2 : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_Settings(IUnknown** settings) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Source(LPWSTR* uri) = 0;
  virtual HRESULT STDMETHODCALLTYPE Navigate(LPCWSTR uri) = 0;
  virtual HRESULT STDMETHODCALLTYPE NavigateToString(LPCWSTR htmlContent) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_NavigationStarting(
      ICoreWebView2NavigationStartingEventHandler* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_NavigationStarting(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ContentLoading(IUnknown* eventHandler,
                                                       EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ContentLoading(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_SourceChanged(IUnknown* eventHandler,
                                                      EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_SourceChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_HistoryChanged(IUnknown* eventHandler,
                                                       EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_HistoryChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_NavigationCompleted(IUnknown* eventHandler,
                                                            EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_NavigationCompleted(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_FrameNavigationStarting(IUnknown* eventHandler,
                                                                EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_FrameNavigationStarting(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_FrameNavigationCompleted(IUnknown* eventHandler,
                                                                 EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_FrameNavigationCompleted(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ScriptDialogOpening(IUnknown* eventHandler,
                                                            EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ScriptDialogOpening(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_PermissionRequested(IUnknown* eventHandler,
                                                            EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_PermissionRequested(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ProcessFailed(IUnknown* eventHandler,
                                                      EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ProcessFailed(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddScriptToExecuteOnDocumentCreated(LPCWSTR javaScript,
                                                                        IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveScriptToExecuteOnDocumentCreated(LPCWSTR id) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExecuteScript(LPCWSTR javaScript, IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE CapturePreview(int imageFormat, IStream* imageStream,
                                                   IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reload() = 0;
  virtual HRESULT STDMETHODCALLTYPE PostWebMessageAsJson(LPCWSTR webMessageAsJson) = 0;
  virtual HRESULT STDMETHODCALLTYPE PostWebMessageAsString(LPCWSTR webMessageAsString) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_WebMessageReceived(IUnknown* handler,
                                                           EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_WebMessageReceived(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE CallDevToolsProtocolMethod(LPCWSTR methodName,
                                                               LPCWSTR parametersAsJson,
                                                               IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_BrowserProcessId(UINT32* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CanGoBack(BOOL* canGoBack) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CanGoForward(BOOL* canGoForward) = 0;
  virtual HRESULT STDMETHODCALLTYPE GoBack() = 0;
  virtual HRESULT STDMETHODCALLTYPE GoForward() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDevToolsProtocolEventReceiver(LPCWSTR eventName,
                                                                     IUnknown** receiver) = 0;
  virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
  virtual HRESULT STDMETHODCALLTYPE add_NewWindowRequested(IUnknown* eventHandler,
                                                           EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_NewWindowRequested(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_DocumentTitleChanged(IUnknown* eventHandler,
                                                             EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_DocumentTitleChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DocumentTitle(LPWSTR* title) = 0;
  virtual HRESULT STDMETHODCALLTYPE AddHostObjectToScript(LPCWSTR name, void* object) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveHostObjectFromScript(LPCWSTR name) = 0;
  virtual HRESULT STDMETHODCALLTYPE OpenDevToolsWindow() = 0;
  virtual HRESULT STDMETHODCALLTYPE
  add_ContainsFullScreenElementChanged(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_ContainsFullScreenElementChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_ContainsFullScreenElement(BOOL* containsFullScreenElement) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  add_WebResourceRequested(ICoreWebView2WebResourceRequestedEventHandler* eventHandler,
                           EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_WebResourceRequested(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  AddWebResourceRequestedFilter(LPCWSTR uri, WebResourceContext resourceContext) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  RemoveWebResourceRequestedFilter(LPCWSTR uri, WebResourceContext resourceContext) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_WindowCloseRequested(IUnknown* eventHandler,
                                                             EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_WindowCloseRequested(EventRegistrationToken token) = 0;
};
inline constexpr GUID IID_ICoreWebView2 = {
    0x76eceacb, 0x0462, 0x4d94, {0xac, 0x83, 0x42, 0x3a, 0x67, 0x93, 0x77, 0x5e}};

// The later versions, each adding its methods after its base's. The host calls only
// ICoreWebView2_22; the versions between are declared for their slots.
struct ICoreWebView2_2 : ICoreWebView2 {
  virtual HRESULT STDMETHODCALLTYPE
  add_WebResourceResponseReceived(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_WebResourceResponseReceived(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE NavigateWithWebResourceRequest(IUnknown* request) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_DOMContentLoaded(IUnknown* eventHandler,
                                                         EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_DOMContentLoaded(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_CookieManager(IUnknown** cookieManager) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Environment(ICoreWebView2Environment** environment) = 0;
};
struct ICoreWebView2_3 : ICoreWebView2_2 {
  virtual HRESULT STDMETHODCALLTYPE TrySuspend(IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE Resume() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsSuspended(BOOL* isSuspended) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetVirtualHostNameToFolderMapping(LPCWSTR hostName,
                                                                      LPCWSTR folderPath,
                                                                      int accessKind) = 0;
  virtual HRESULT STDMETHODCALLTYPE ClearVirtualHostNameToFolderMapping(LPCWSTR hostName) = 0;
};
struct ICoreWebView2_4 : ICoreWebView2_3 {
  virtual HRESULT STDMETHODCALLTYPE add_FrameCreated(IUnknown* eventHandler,
                                                     EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_FrameCreated(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_DownloadStarting(IUnknown* eventHandler,
                                                         EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_DownloadStarting(EventRegistrationToken token) = 0;
};
struct ICoreWebView2_5 : ICoreWebView2_4 {
  virtual HRESULT STDMETHODCALLTYPE
  add_ClientCertificateRequested(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_ClientCertificateRequested(EventRegistrationToken token) = 0;
};
struct ICoreWebView2_6 : ICoreWebView2_5 {
  virtual HRESULT STDMETHODCALLTYPE OpenTaskManagerWindow() = 0;
};
struct ICoreWebView2_7 : ICoreWebView2_6 {
  virtual HRESULT STDMETHODCALLTYPE PrintToPdf(LPCWSTR resultFilePath, IUnknown* printSettings,
                                               IUnknown* handler) = 0;
};
struct ICoreWebView2_8 : ICoreWebView2_7 {
  virtual HRESULT STDMETHODCALLTYPE add_IsMutedChanged(IUnknown* eventHandler,
                                                       EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_IsMutedChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsMuted(BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_IsMuted(BOOL value) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  add_IsDocumentPlayingAudioChanged(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_IsDocumentPlayingAudioChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsDocumentPlayingAudio(BOOL* value) = 0;
};
struct ICoreWebView2_9 : ICoreWebView2_8 {
  virtual HRESULT STDMETHODCALLTYPE
  add_IsDefaultDownloadDialogOpenChanged(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_IsDefaultDownloadDialogOpenChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsDefaultDownloadDialogOpen(BOOL* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE OpenDefaultDownloadDialog() = 0;
  virtual HRESULT STDMETHODCALLTYPE CloseDefaultDownloadDialog() = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DefaultDownloadDialogCornerAlignment(int* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DefaultDownloadDialogCornerAlignment(int value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DefaultDownloadDialogMargin(POINT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_DefaultDownloadDialogMargin(POINT value) = 0;
};
struct ICoreWebView2_10 : ICoreWebView2_9 {
  virtual HRESULT STDMETHODCALLTYPE
  add_BasicAuthenticationRequested(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_BasicAuthenticationRequested(EventRegistrationToken token) = 0;
};
struct ICoreWebView2_11 : ICoreWebView2_10 {
  virtual HRESULT STDMETHODCALLTYPE CallDevToolsProtocolMethodForSession(LPCWSTR sessionId,
                                                                         LPCWSTR methodName,
                                                                         LPCWSTR parametersAsJson,
                                                                         IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE add_ContextMenuRequested(IUnknown* eventHandler,
                                                             EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_ContextMenuRequested(EventRegistrationToken token) = 0;
};
struct ICoreWebView2_12 : ICoreWebView2_11 {
  virtual HRESULT STDMETHODCALLTYPE add_StatusBarTextChanged(IUnknown* eventHandler,
                                                             EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_StatusBarTextChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_StatusBarText(LPWSTR* value) = 0;
};
struct ICoreWebView2_13 : ICoreWebView2_12 {
  virtual HRESULT STDMETHODCALLTYPE get_Profile(IUnknown** value) = 0;
};
struct ICoreWebView2_14 : ICoreWebView2_13 {
  virtual HRESULT STDMETHODCALLTYPE
  add_ServerCertificateErrorDetected(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_ServerCertificateErrorDetected(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE ClearServerCertificateErrorActions(IUnknown* handler) = 0;
};
struct ICoreWebView2_15 : ICoreWebView2_14 {
  virtual HRESULT STDMETHODCALLTYPE add_FaviconChanged(IUnknown* eventHandler,
                                                       EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE remove_FaviconChanged(EventRegistrationToken token) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_FaviconUri(LPWSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFavicon(int format, IUnknown* completedHandler) = 0;
};
struct ICoreWebView2_16 : ICoreWebView2_15 {
  virtual HRESULT STDMETHODCALLTYPE Print(IUnknown* printSettings, IUnknown* handler) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShowPrintUI(int printDialogKind) = 0;
  virtual HRESULT STDMETHODCALLTYPE PrintToPdfStream(IUnknown* printSettings,
                                                     IUnknown* handler) = 0;
};
struct ICoreWebView2_17 : ICoreWebView2_16 {
  virtual HRESULT STDMETHODCALLTYPE PostSharedBufferToScript(IUnknown* sharedBuffer, int access,
                                                             LPCWSTR additionalDataAsJson) = 0;
};
struct ICoreWebView2_18 : ICoreWebView2_17 {
  virtual HRESULT STDMETHODCALLTYPE
  add_LaunchingExternalUriScheme(IUnknown* eventHandler, EventRegistrationToken* token) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  remove_LaunchingExternalUriScheme(EventRegistrationToken token) = 0;
};
struct ICoreWebView2_19 : ICoreWebView2_18 {
  virtual HRESULT STDMETHODCALLTYPE get_MemoryUsageTargetLevel(int* level) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_MemoryUsageTargetLevel(int level) = 0;
};
struct ICoreWebView2_20 : ICoreWebView2_19 {
  virtual HRESULT STDMETHODCALLTYPE get_FrameId(UINT32* id) = 0;
};
struct ICoreWebView2_21 : ICoreWebView2_20 {
  virtual HRESULT STDMETHODCALLTYPE ExecuteScriptWithResult(LPCWSTR javaScript,
                                                            IUnknown* handler) = 0;
};

// {db75dfc7-a857-4632-a398-6969dde26c0a}. Its filter reaches the requests of shared and service
// workers too, which the deprecated AddWebResourceRequestedFilter does not cover.
struct ICoreWebView2_22 : ICoreWebView2_21 {
  virtual HRESULT STDMETHODCALLTYPE AddWebResourceRequestedFilterWithRequestSourceKinds(
      LPCWSTR uri, WebResourceContext resourceContext,
      WebResourceRequestSourceKinds requestSourceKinds) = 0;
  virtual HRESULT STDMETHODCALLTYPE RemoveWebResourceRequestedFilterWithRequestSourceKinds(
      LPCWSTR uri, WebResourceContext resourceContext,
      WebResourceRequestSourceKinds requestSourceKinds) = 0;
};
inline constexpr GUID IID_ICoreWebView2_22 = {
    0xdb75dfc7, 0xa857, 0x4632, {0xa3, 0x98, 0x69, 0x69, 0xdd, 0xe2, 0x6c, 0x0a}};

// {453e667f-12c7-49d4-be6d-ddbe7956f57a}
struct ICoreWebView2WebResourceRequestedEventArgs : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_Request(ICoreWebView2WebResourceRequest** request) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Response(ICoreWebView2WebResourceResponse** response) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Response(ICoreWebView2WebResourceResponse* response) = 0;
};

// {97055cd4-512c-4264-8b5f-e3f446cea6a5}
struct ICoreWebView2WebResourceRequest : IUnknown {
  // The string is the caller's, freed with CoTaskMemFree.
  virtual HRESULT STDMETHODCALLTYPE get_Uri(LPWSTR* uri) = 0;
};

// {9f760f8a-fb79-42be-9990-7b56900fa9c7}
struct ICoreWebView2AcceleratorKeyPressedEventArgs : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_KeyEventKind(KeyEventKind* keyEventKind) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_VirtualKey(UINT* virtualKey) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_KeyEventLParam(INT* lParam) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_PhysicalKeyStatus(void* physicalKeyStatus) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Handled(BOOL* handled) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Handled(BOOL handled) = 0;
};

// {5b495469-e119-438a-9b18-7604f25f2e49}
struct ICoreWebView2NavigationStartingEventArgs : IUnknown {
  // The string is the caller's, freed with CoTaskMemFree.
  virtual HRESULT STDMETHODCALLTYPE get_Uri(LPWSTR* uri) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsUserInitiated(BOOL* isUserInitiated) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsRedirected(BOOL* isRedirected) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RequestHeaders(IUnknown** requestHeaders) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Cancel(BOOL* cancel) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_Cancel(BOOL cancel) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_NavigationId(UINT64* navigationId) = 0;
};

// {9086be93-91aa-472d-a7e0-579f2ba006ad}; declared for its slots only.
struct ICoreWebView2NavigationStartingEventArgs2 : ICoreWebView2NavigationStartingEventArgs {
  virtual HRESULT STDMETHODCALLTYPE get_AdditionalAllowedFrameAncestors(LPWSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE put_AdditionalAllowedFrameAncestors(LPCWSTR value) = 0;
};

// {ddffe494-4942-4bd2-ab73-35b8ff40e19f}. Tells a reload (F5, location.reload()) from a
// navigation to a new document; older runtimes do not offer it.
struct ICoreWebView2NavigationStartingEventArgs3 : ICoreWebView2NavigationStartingEventArgs2 {
  virtual HRESULT STDMETHODCALLTYPE get_NavigationKind(NavigationKind* navigationKind) = 0;
};
inline constexpr GUID IID_ICoreWebView2NavigationStartingEventArgs3 = {
    0xddffe494, 0x4942, 0x4bd2, {0xab, 0x73, 0x35, 0xb8, 0xff, 0x40, 0xe1, 0x9f}};

#pragma GCC diagnostic pop

// The loader's one export the host calls (WebView2Loader.dll).
using CreateCoreWebView2EnvironmentWithOptionsFunction = HRESULT(STDAPICALLTYPE*)(
    PCWSTR browserExecutableFolder, PCWSTR userDataFolder, IUnknown* environmentOptions,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* environmentCreatedHandler);

inline constexpr wchar_t loader_dll_name[] = L"WebView2Loader.dll";
inline constexpr char create_environment_export[] = "CreateCoreWebView2EnvironmentWithOptions";

// What the runtime was taken from: 0 for an installed (Evergreen) runtime, 1 for a
// fixed-version folder.
enum class RuntimeKind : std::uint32_t { installed = 0, fixed_version = 1 };

// The export of the runtime's engine DLL (EmbeddedBrowserWebView.dll) that the loader calls. The
// first argument is a flag that every known caller passes as true.
using CreateWebViewEnvironmentWithOptionsInternalFunction = HRESULT(STDAPICALLTYPE*)(
    BOOL checkRunningInstance, RuntimeKind runtimeKind, PCWSTR userDataFolder,
    IUnknown* environmentOptions,
    ICoreWebView2CreateCoreWebView2EnvironmentCompletedHandler* environmentCreatedHandler);

inline constexpr char create_engine_environment_export[] =
    "CreateWebViewEnvironmentWithOptionsInternal";

}  // namespace tavrik::webview2
