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

}  // namespace tavrik::gtk
