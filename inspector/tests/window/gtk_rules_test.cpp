// The Linux host's pure rules: where the frontend address loads, the web view's language and its
// zoom steps.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gtk/frontend_origin.hpp"
#include "platform/gtk/language_tag.hpp"
#include "platform/gtk/source_map_files.hpp"
#include "platform/gtk/zoom_steps.hpp"

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

TEST(ZoomSteps, StepThroughTheBrowserLevelsStopAtTheEndsAndReset) {
  // From 100 % up and down one key press at a time, as a user goes.
  double level = 1.0;
  std::vector<double> up;
  for (int i = 0; i < 10; ++i) up.push_back(level = next_zoom_level(level, ZoomChange::in));
  EXPECT_EQ(up, (std::vector<double>{1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0, 5.0}));
  level = 1.0;
  std::vector<double> down;
  for (int i = 0; i < 9; ++i) down.push_back(level = next_zoom_level(level, ZoomChange::out));
  ASSERT_EQ(down.size(), 9u);
  EXPECT_EQ(down[0], 0.9);
  EXPECT_EQ(down[2], 0.75);
  EXPECT_NEAR(down[3], 2.0 / 3, 1e-9);
  EXPECT_EQ(down[7], 0.25);
  EXPECT_EQ(down[8], 0.25);
  // A level between steps, or a step that rounding moved a little, goes to the neighbouring step.
  EXPECT_EQ(next_zoom_level(1.2, ZoomChange::in), 1.25);
  EXPECT_EQ(next_zoom_level(1.2, ZoomChange::out), 1.1);
  EXPECT_EQ(next_zoom_level(1.1000001, ZoomChange::in), 1.25);
  EXPECT_EQ(next_zoom_level(1.0999999, ZoomChange::out), 1.0);
  EXPECT_EQ(next_zoom_level(3.7, ZoomChange::reset), 1.0);
}

TEST(SourceMapFiles, SourcesResolveAsTheFrontendResolvesThem) {
  struct Case {
    std::string root;
    std::string source;
    std::optional<std::string> path;
  };
  const std::vector<Case> cases = {
      {"", "app.ts", "/work/out/app.ts"},
      {"", "../src/app.ts", "/work/src/app.ts"},
      {"", "./a/./b/../c.ts", "/work/out/a/c.ts"},
      {"", "/abs/x.ts", "/abs/x.ts"},
      {"", "file:///abs/y.ts", "/abs/y.ts"},
      {"", "file://localhost/abs/z.ts", "/abs/z.ts"},
      {"", "my%20file.ts?v=1#top", "/work/out/my file.ts"},
      {"../src", "app.ts", "/work/src/app.ts"},
      {"../src/", "/abs/x.ts", "/abs/x.ts"},
      {"file:///root/", "app.ts", "/root/app.ts"},
      {"", "../../../../../../etc/passwd", "/etc/passwd"},
      // Not local files: other schemes and other machines.
      {"", "webpack:///./src/app.ts", std::nullopt},
      {"", "http://example.invalid/app.ts", std::nullopt},
      {"", "file://server/share/app.ts", std::nullopt},
      {"webpack://", "app.ts", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(resolve_source_path("/work/out/app.js.map", c.root, c.source), c.path)
        << c.root << " + " << c.source;
  }
  EXPECT_EQ(normalise_path("//a//b/../../../c/."), "/c");
}

// Only maps and the sources that a map served before names: never another file, and a map that
// has not been read opens nothing.
TEST(SourceMapFiles, ServesMapsAndTheSourcesTheyNameOnly) {
  const std::map<std::string, std::string> disk = {
      {"/p/out/app.js.map",
       R"({"version":3,"sources":["../src/app.ts","webpack:///x"],"mappings":"AAAA"})"},
      {"/p/out/sections.map", R"({"version":3,"sections":[{"offset":{"line":0,"column":0},)"
                              R"("map":{"version":3,"sources":["inner.ts"],"mappings":"AAAA"}}]})"},
      {"/p/src/app.ts", "let answer: number = 42;"},
      {"/p/out/inner.ts", "inner"},
      {"/p/secret.txt", "not for the page"},
      {"/p/fake.map", R"({"version":3,"sources":["../p/secret.txt"]})"},  // no mappings
      {"/p/list.json", R"([{"version":3,"mappings":""}])"},
  };
  const LocalFileReader read = [&](const std::string& path) -> Result<std::string> {
    const auto found = disk.find(path);
    if (found == disk.end()) return Error("no such file: " + path);
    return found->second;
  };
  SourceMapFiles files;
  auto served = [&](const std::string& path) { return files.serve(path, read).ok(); };
  EXPECT_FALSE(served("/p/src/app.ts")) << "a source before its map was read";
  EXPECT_FALSE(served("/p/secret.txt"));
  EXPECT_FALSE(served("/p/fake.map"));
  EXPECT_FALSE(served("/p/list.json"));
  EXPECT_FALSE(served("/p/missing.map"));
  ASSERT_TRUE(served("/p/out/app.js.map"));
  const auto source = files.serve("/p/src/app.ts", read);
  ASSERT_TRUE(source.ok());
  EXPECT_EQ(source.value(), "let answer: number = 42;");
  EXPECT_FALSE(served("/p/secret.txt"));
  EXPECT_FALSE(served("/p/out/inner.ts"));
  EXPECT_TRUE(served("/p/out/sections.map"));
  EXPECT_TRUE(served("/p/out/inner.ts"));
  // A path the frontend would never ask for, written to slip past the list.
  EXPECT_FALSE(served("/p/out/../src/app.ts"));
}

}  // namespace
}  // namespace tavrik::gtk
