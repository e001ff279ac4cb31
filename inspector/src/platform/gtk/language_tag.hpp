// The web view's language, from the user's locale. WebKit takes it from the locale as it is, and
// a locale such as "C.UTF-8" becomes the language "C", which is no language tag: the frontend then
// stops at start-up on `Intl` calls.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik::gtk {

// A POSIX locale name (language[_territory][.codeset][@modifier]) as a BCP 47 tag, such as
// "de_DE.UTF-8" -> "de-DE" or "sr_RS@latin" -> "sr-Latn-RS". Nothing for "C", "POSIX" and every
// name that does not have that form.
std::optional<std::string> language_tag_for_locale(std::string_view locale);

// The tags of the locale names in order, each once; "en-US" when none of them has one.
std::vector<std::string> preferred_languages(std::span<const std::string_view> locales);

}  // namespace tavrik::gtk
