#include "platform/gtk/language_tag.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "ascii.hpp"

namespace tavrik::gtk {

namespace {

using ascii::is_alpha;
using ascii::is_digit;
using ascii::lower;
using ascii::upper;

bool all_of(std::string_view text, bool (*test)(char)) {
  return std::all_of(text.begin(), text.end(), test);
}

// The glibc modifiers that name a script; every other modifier (such as "euro") says nothing
// about the language.
std::string_view script_for_modifier(std::string_view modifier) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> scripts{{
      {"latin", "Latn"},
      {"cyrillic", "Cyrl"},
      {"devanagari", "Deva"},
      {"arabic", "Arab"},
  }};
  for (const auto& [name, script] : scripts) {
    if (name == modifier) return script;
  }
  return {};
}

}  // namespace

std::optional<std::string> language_tag_for_locale(std::string_view locale) {
  std::string_view modifier;
  if (const std::size_t at = locale.find('@'); at != std::string_view::npos) {
    modifier = locale.substr(at + 1);
    locale = locale.substr(0, at);
  }
  if (const std::size_t dot = locale.find('.'); dot != std::string_view::npos) {
    locale = locale.substr(0, dot);
  }
  std::string_view language = locale;
  std::string_view territory;
  if (const std::size_t sep = locale.find_first_of("_-"); sep != std::string_view::npos) {
    language = locale.substr(0, sep);
    territory = locale.substr(sep + 1);
  }
  // Two or three letters: "C" and "POSIX" drop out here.
  if (language.size() < 2 || language.size() > 3 || !all_of(language, is_alpha)) {
    return std::nullopt;
  }
  const bool has_territory = locale.size() != language.size();
  if (has_territory && !((territory.size() == 2 && all_of(territory, is_alpha)) ||
                         (territory.size() == 3 && all_of(territory, is_digit)))) {
    return std::nullopt;
  }
  std::string tag;
  for (char c : language) tag += lower(c);
  if (const std::string_view script = script_for_modifier(modifier); !script.empty()) {
    tag += '-';
    tag += script;
  }
  if (has_territory) {
    tag += '-';
    for (char c : territory) tag += upper(c);
  }
  return tag;
}

std::vector<std::string> preferred_languages(std::span<const std::string_view> locales) {
  std::vector<std::string> tags;
  for (std::string_view locale : locales) {
    auto tag = language_tag_for_locale(locale);
    if (tag && std::find(tags.begin(), tags.end(), *tag) == tags.end()) {
      tags.push_back(std::move(*tag));
    }
  }
  if (tags.empty()) tags.emplace_back("en-US");
  return tags;
}

}  // namespace tavrik::gtk
