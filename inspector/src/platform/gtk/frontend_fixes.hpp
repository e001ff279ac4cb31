// What the frontend needs of this web view beyond its files, which stay as they are.
#pragma once

#include <string_view>

namespace tavrik::gtk {

// WebKit rejects some Chromium-only selectors (such as ":host-context(...)") that the frontend's
// code editor styles use. `CSSStyleSheet.insertRule` then throws, which aborts the editor's whole
// style set-up, so the paused line and breakpoints go unmarked. Run before the page's own scripts,
// this keeps the selectors of such a rule that WebKit understands and, where none is left, puts
// an empty rule in its place, so that the indices the caller counts stay right.
inline constexpr std::string_view insert_rule_fix_script = R"js((() => {
  const insertRule = CSSStyleSheet.prototype.insertRule;
  const splitSelectors = (text) => {
    const parts = [];
    let depth = 0, quote = '', start = 0;
    for (let i = 0; i < text.length; i++) {
      const c = text[i];
      if (quote) {
        if (c === '\\') i++;
        else if (c === quote) quote = '';
      } else if (c === '"' || c === "'") quote = c;
      else if (c === '(' || c === '[') depth++;
      else if (c === ')' || c === ']') depth--;
      else if (c === ',' && depth === 0) {
        parts.push(text.slice(start, i));
        start = i + 1;
      }
    }
    parts.push(text.slice(start));
    return parts.map((part) => part.trim()).filter((part) => part !== '');
  };
  CSSStyleSheet.prototype.insertRule = function(rule, index) {
    try {
      return insertRule.call(this, rule, index);
    } catch (error) {
      if (!(error instanceof DOMException) || error.name !== 'SyntaxError') throw error;
      const text = String(rule);
      const brace = text.indexOf('{');
      if (brace > 0 && !text.trimStart().startsWith('@')) {
        const kept = splitSelectors(text.slice(0, brace))
            .filter((selector) => CSS.supports(`selector(${selector})`));
        if (kept.length > 0) {
          try {
            return insertRule.call(this, kept.join(', ') + text.slice(brace), index);
          } catch {
          }
        }
      }
      return insertRule.call(this, '@media not all {}', index);
    }
  };
})();
)js";

// The frontend asks a shadow root for its selection (`ShadowRoot.getSelection`, which only Chromium
// has) before it acts on a click in a tree or a search result, and on copying. Without it the
// click throws: object trees do not expand, search results do not open. WebKit keeps one
// selection per document, which is what the frontend gets here.
inline constexpr std::string_view shadow_selection_fix_script = R"js((() => {
  if (typeof ShadowRoot !== 'undefined' && !('getSelection' in ShadowRoot.prototype)) {
    Object.defineProperty(ShadowRoot.prototype, 'getSelection', {
      configurable: true,
      writable: true,
      value: function getSelection() {
        return this.ownerDocument.getSelection();
      },
    });
  }
})();
)js";

// In WebKit the code editor's element and the editor inside its shadow root grow to the height
// of the whole text instead of the space they are given, so an outer element scrolls and the
// editor's own scrolling (to the paused line, to a search hit) acts on an element that never
// scrolls; long lines get no horizontal scroll bar either. A column flex box that may shrink,
// with the editor flexing inside it, bounds the editor's scroller as Chromium does.
inline constexpr std::string_view editor_layout_fix_script = R"js((() => {
  const css = ':host { display: flex !important; flex-direction: column !important;' +
              ' min-height: 0 !important; }' +
              ' .cm-editor { flex: 1 1 auto !important; min-height: 0 !important; }';
  const attachShadow = Element.prototype.attachShadow;
  Element.prototype.attachShadow = function(init) {
    const root = attachShadow.call(this, init);
    if (this.localName === 'devtools-text-editor') {
      const style = document.createElement('style');
      style.textContent = css;
      root.appendChild(style);
    }
    return root;
  };
})();
)js";

// The name of the host's message handler for clipboard writes (window.webkit.messageHandlers).
inline constexpr std::string_view clipboard_handler_name = "tavrikClipboard";

// WebKit lets a page write the clipboard only during a user's gesture. The frontend's copy
// actions that first ask the inspector ("Copy object", "Copy string contents", ...) write after
// that round trip and are refused. On the embedded frontend the host takes the text instead.
inline constexpr std::string_view clipboard_bridge_script = R"js((() => {
  if (location.protocol !== 'devtools:' || !navigator.clipboard) return;
  const handler = window.webkit?.messageHandlers?.tavrikClipboard;
  if (!handler) return;
  const writeText = navigator.clipboard.writeText.bind(navigator.clipboard);
  navigator.clipboard.writeText = (text) =>
      writeText(text).catch(() => handler.postMessage(String(text)));
})();
)js";

// The scheme under which the host serves the embedded frontend the local files it may read
// (source maps and the sources they name): the frontend asks for them by file: URL, which the web
// view does not load for a page of another scheme.
inline constexpr std::string_view local_file_scheme = "devtools-file";

inline constexpr std::string_view local_file_fetch_script = R"js((() => {
  if (location.protocol !== 'devtools:') return;
  const fetch = window.fetch;
  window.fetch = function(input, init) {
    if (typeof input === 'string' && input.startsWith('file://')) {
      input = 'devtools-file://' + input.slice('file://'.length);
    }
    return fetch.call(this, input, init);
  };
})();
)js";

}  // namespace tavrik::gtk
