// The `devtools` scheme handler: paths taken from request URIs, content types, the 404 answer.
#include "devtools_protocol.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

#include "bundle.hpp"
#include "frontend_tree.hpp"

namespace tavrik {
namespace {

using testing::frontend_files_on_disk;
using testing::frontend_root;
using testing::read_bytes;

constexpr std::string_view kNotFoundType = "text/plain; charset=utf-8";

std::string_view body_text(const DevtoolsResponse& response) {
  return {reinterpret_cast<const char*>(response.body.data()), response.body.size()};
}

TEST(DevtoolsRequest, ServesEveryFileOfTheTreeWithItsBytesAndType) {
  const auto files = frontend_files_on_disk();
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) {
    SCOPED_TRACE(path);
    const std::string uri = "/" + path;
    const DevtoolsResponse response = handle_devtools_request({uri});
    ASSERT_EQ(response.status, 200);
    const auto disk = read_bytes(frontend_root() / path);
    ASSERT_EQ(response.body.size(), disk.size());
    EXPECT_TRUE(std::equal(response.body.begin(), response.body.end(), disk.begin()));
    // Every file the frontend loads needs a real type: a script served as octet-stream would not
    // run. (Which extension gets which type is checked by name below.)
    EXPECT_NE(response.content_type, "application/octet-stream")
        << "no content type for this file's extension";
    EXPECT_EQ(response.content_type, content_type_for(path));
  }
}

TEST(DevtoolsRequest, BodyIsTheRecordsOwnBytes) {
  for (const auto& record : frontend_bundle()) {
    const std::string uri = "http://devtools.localhost/" + std::string(record.path);
    const DevtoolsResponse first = handle_devtools_request({uri});
    const DevtoolsResponse again = handle_devtools_request({uri});
    EXPECT_EQ(first.body.data(), record.data.data()) << record.path;
    EXPECT_EQ(first.body.size(), record.data.size()) << record.path;
    EXPECT_EQ(again.body.data(), first.body.data()) << record.path;
  }
}

TEST(DevtoolsRequest, PathFromTheUri) {
  const auto records = frontend_bundle();
  const auto nested = std::find_if(records.begin(), records.end(), [](const FrontendAsset& r) {
    return r.path.find('/') != std::string_view::npos && r.path.ends_with(".svg");
  });
  ASSERT_NE(nested, records.end());
  const std::string svg(nested->path);
  const std::string svg_dir = svg.substr(0, svg.find('/'));
  std::string svg_backslashed = svg;
  svg_backslashed[svg_backslashed.find('/')] = '\\';
  std::string svg_doubled = svg;
  svg_doubled.insert(svg_doubled.find('/'), "/");

  const struct {
    std::string uri;
    std::string_view served;  // path of the record served, or empty for 404
  } cases[] = {
      // The launcher's first page: the query plays no part.
      {"http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/"
       "0f2c-41&experiments=true&v8only=true",
       "js_app.html"},
      {"http://devtools.localhost/", "js_app.html"},
      {"http://devtools.localhost", "js_app.html"},
      {"http://devtools.localhost?ws=127.0.0.1:9229/x", "js_app.html"},
      {"http://devtools.localhost/?ws=/Images/", "js_app.html"},
      {"http://devtools.localhost:8080/js_app.html", "js_app.html"},
      {"devtools://localhost/js_app.html", "js_app.html"},
      {"devtools:/js_app.html", "js_app.html"},
      {"/js_app.html", "js_app.html"},
      {"js_app.html", "js_app.html"},
      {"", "js_app.html"},
      {"/", "js_app.html"},
      {"?ws=x", "js_app.html"},
      {"///js_app.html", "js_app.html"},
      {"http://devtools.localhost///js_app.html?x", "js_app.html"},
      {"http://devtools.localhost/js_app.html#frame", "js_app.html"},
      {"/" + svg, svg},
      {"http://devtools.localhost/" + svg_backslashed, svg},
      // Misses.
      {"http://devtools.localhost/" + svg_dir + "/", ""},
      {"http://devtools.localhost/" + svg_dir, ""},
      {"/" + svg_doubled, ""},
      {"/JS_APP.HTML", ""},
      {"/js_app%2Ehtml", ""},
      {"/" + svg_dir + "/../js_app.html", ""},
      {"/./js_app.html", ""},
      {"/\\js_app.html", ""},  // only "/" is stripped; the key then starts with "/"
      {"\\js_app.html", ""},
      {"/js_app.html/", ""},
      {"http://devtools.localhost/?", "js_app.html"},
      {"http:", "js_app.html"},
      {"http://", "js_app.html"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.uri);
    const DevtoolsResponse response = handle_devtools_request({c.uri});
    if (c.served.empty()) {
      EXPECT_EQ(response.status, 404);
      EXPECT_EQ(body_text(response), "Not Found");
      continue;
    }
    const FrontendAsset* asset = find_asset(c.served);
    ASSERT_NE(asset, nullptr);
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.content_type, content_type_for(c.served));
    EXPECT_EQ(response.body.data(), asset->data.data());
    EXPECT_EQ(response.body.size(), asset->data.size());
  }
}

TEST(DevtoolsRequest, NotFoundIsExact) {
  const DevtoolsResponse missing = handle_devtools_request({"/no-such-file.js"});
  EXPECT_EQ(missing.status, 404);
  EXPECT_EQ(missing.content_type, kNotFoundType);
  EXPECT_EQ(body_text(missing), "Not Found");
  EXPECT_EQ(missing.body.size(), 9u);
  // A constant body: the same bytes whatever was asked for.
  const DevtoolsResponse other = handle_devtools_request({"http://devtools.localhost/Images/"});
  EXPECT_EQ(other.status, 404);
  EXPECT_EQ(other.body.data(), missing.body.data());
}

TEST(ContentTypeFor, ExtensionAfterTheLastDot) {
  const struct {
    std::string_view path;
    std::string_view type;
  } cases[] = {
      {"js_app.html", "text/html; charset=utf-8"},
      {"a/b/c.js", "text/javascript; charset=utf-8"},
      {"m.mjs", "text/javascript; charset=utf-8"},
      {"s.css", "text/css; charset=utf-8"},
      {"core/i18n/locales/en-US.json", "application/json; charset=utf-8"},
      {"d.md", "text/markdown; charset=utf-8"},
      {"i.svg", "image/svg+xml"},
      {"i.png", "image/png"},
      {"i.avif", "image/avif"},
      {"f.woff2", "font/woff2"},
      {"w.wasm", "application/wasm"},
      {"x.min.js", "text/javascript; charset=utf-8"},
      // No "." at all: the whole path is the extension.
      {"js", "text/javascript; charset=utf-8"},
      {"Images/js", "application/octet-stream"},
      {"README", "application/octet-stream"},
      // The last "." may sit in a directory name.
      {"v1.js/file", "application/octet-stream"},
      {"file.", "application/octet-stream"},
      {"", "application/octet-stream"},
      {"A.JS", "application/octet-stream"},
      {"a.Html", "application/octet-stream"},
      {"a.js ", "application/octet-stream"},
      {"a.jsx", "application/octet-stream"},
      {"a.j", "application/octet-stream"},
      {"archive.tar.gz", "application/octet-stream"},
      {"i.svg\\x", "application/octet-stream"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(content_type_for(c.path), c.type) << '"' << c.path << '"';
  }
}

}  // namespace
}  // namespace tavrik
