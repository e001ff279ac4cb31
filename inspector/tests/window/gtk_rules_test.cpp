// The Linux host's pure rules: where the frontend address loads, and the web view's language.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/gtk/frontend_origin.hpp"
#include "platform/gtk/language_tag.hpp"

namespace tavrik::gtk {
namespace {

TEST(SchemeAddress, MapsTheEmbeddedOriginKeepingPathQueryAndFragment) {
  struct Case {
    std::string address;
    std::optional<std::string> mapped;
  };
  const std::vector<Case> cases = {
      // The launcher's address, unchanged past the authority.
      {"http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/ab-cd&experiments=true&v8only=true",
       "devtools://localhost/js_app.html?ws=127.0.0.1:9229/ab-cd&experiments=true&v8only=true"},
      {"http://devtools.localhost/panels/sources/sources.js#x",
       "devtools://localhost/panels/sources/sources.js#x"},
      // No path, or a query straight after the host: the origin's root.
      {"http://devtools.localhost", "devtools://localhost/"},
      {"http://devtools.localhost?ws=a", "devtools://localhost/?ws=a"},
      // Any host under the scheme's label, any port or user info, any letter case.
      {"http://devtools.example:8080/a%20b/../c", "devtools://localhost/a%20b/../c"},
      {"HTTP://DevTools.LocalHost/js_app.html", "devtools://localhost/js_app.html"},
      {"http://user:pw@devtools.localhost/x", "devtools://localhost/x"},
      // Elsewhere: loads as it is.
      {"http://127.0.0.1:8080/js_app.html?ws=x", std::nullopt},
      {"https://devtools.localhost/js_app.html", std::nullopt},
      {"http://devtools/js_app.html", std::nullopt},
      {"http://devtoolsx.localhost/", std::nullopt},
      {"http://devtools.x@evil.example/js_app.html", std::nullopt},
      {"http://evil.example/?u=http://devtools.localhost/", std::nullopt},
      {"devtools://localhost/js_app.html", std::nullopt},
      {"http:", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scheme_address_for(c.address, "devtools"), c.mapped) << c.address;
  }
}

TEST(LanguageTag, FromPosixLocaleNames) {
  struct Case {
    std::string locale;
    std::optional<std::string> tag;
  };
  const std::vector<Case> cases = {
      {"de_DE.UTF-8", "de-DE"},
      {"pt_BR", "pt-BR"},
      {"en", "en"},
      {"EN_us.iso88591", "en-US"},
      {"es_419.UTF-8", "es-419"},
      {"ast_ES.UTF-8", "ast-ES"},
      {"sr_RS@latin", "sr-Latn-RS"},
      {"uz_UZ.UTF-8@cyrillic", "uz-Cyrl-UZ"},
      {"de_DE@euro", "de-DE"},
      {"en-GB", "en-GB"},
      // The locales that name no language, and names of another form.
      {"C", std::nullopt},
      {"C.UTF-8", std::nullopt},
      {"POSIX", std::nullopt},
      {"", std::nullopt},
      {"e", std::nullopt},
      {"english", std::nullopt},
      {"en_", std::nullopt},
      {"en_USA", std::nullopt},
      {"en_1", std::nullopt},
      {"d3_DE", std::nullopt},
      {"en US", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(language_tag_for_locale(c.locale), c.tag) << c.locale;
  }
}

TEST(LanguageTag, PreferredLanguagesInOrderOnceWithEnglishWhenNoneIsLeft) {
  using List = std::vector<std::string_view>;
  using Tags = std::vector<std::string>;
  // GLib's list for LANG=C.UTF-8, as on these machines.
  EXPECT_EQ(preferred_languages(List{"C.UTF-8", "C"}), Tags{"en-US"});
  EXPECT_EQ(preferred_languages(List{}), Tags{"en-US"});
  // GLib's list for LANG=de_DE.UTF-8 and for LANGUAGE=fr:de.
  EXPECT_EQ(preferred_languages(List{"de_DE.UTF-8", "de_DE", "de.UTF-8", "de", "C"}),
            (Tags{"de-DE", "de"}));
  EXPECT_EQ(preferred_languages(List{"fr", "de_DE.UTF-8", "de_DE", "de", "C"}),
            (Tags{"fr", "de-DE", "de"}));
}

}  // namespace
}  // namespace tavrik::gtk
