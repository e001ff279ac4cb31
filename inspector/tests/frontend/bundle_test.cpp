// The embedded table against the tree on disk, and lookups by path.
#include "bundle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "frontend_image.hpp"
#include "frontend_tree.hpp"

#if defined(__linux__)
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace tavrik {
namespace {

using testing::bytewise_less;
using testing::frontend_files_on_disk;
using testing::frontend_root;
using testing::read_bytes;

TEST(FrontendBundle, HoldsOneRecordPerFileOfTheTree) {
  std::vector<std::string> paths;
  for (const auto& record : frontend_bundle()) {
    paths.emplace_back(record.path);
  }
  std::sort(paths.begin(), paths.end(), bytewise_less);
  const auto disk = frontend_files_on_disk();
  ASSERT_FALSE(disk.empty());
  // Equal sorted lists: every file has a record, every record a file, and none comes twice.
  EXPECT_EQ(paths, disk);
}

TEST(FrontendBundle, PathsAreStrictlyAscendingByteWise) {
  const auto records = frontend_bundle();
  for (std::size_t i = 1; i < records.size(); ++i) {
    EXPECT_TRUE(bytewise_less(records[i - 1].path, records[i].path))
        << records[i - 1].path << " before " << records[i].path;
  }
}

TEST(FrontendBundle, RecordsHoldTheFileBytes) {
  for (const auto& record : frontend_bundle()) {
    SCOPED_TRACE(std::string(record.path));
    const auto disk = read_bytes(frontend_root() / std::string(record.path));
    ASSERT_EQ(record.data.size(), disk.size());
    EXPECT_TRUE(std::equal(record.data.begin(), record.data.end(), disk.begin()));
  }
}

TEST(FrontendBundle, RecordsHoldTheFileTimes) {
  for (const auto& record : frontend_bundle()) {
    SCOPED_TRACE(std::string(record.path));
    const auto file = frontend_root() / std::string(record.path);
    const auto modified = std::chrono::time_point_cast<std::chrono::seconds>(
        std::chrono::file_clock::to_sys(std::filesystem::last_write_time(file)));
    ASSERT_TRUE(record.last_modified.has_value());
    EXPECT_EQ(*record.last_modified,
              static_cast<std::uint64_t>(modified.time_since_epoch().count()));
#if defined(__linux__)
    struct statx st {};
    ASSERT_EQ(statx(AT_FDCWD, file.c_str(), 0, STATX_BTIME, &st), 0);
    if ((st.stx_mask & STATX_BTIME) != 0 && st.stx_btime.tv_sec > 0) {
      ASSERT_TRUE(record.created.has_value());
      EXPECT_EQ(*record.created, static_cast<std::uint64_t>(st.stx_btime.tv_sec));
    } else {
      EXPECT_FALSE(record.created.has_value());
    }
#endif
  }
}

// The records' bytes are the image's own: back to back in table order between the symbols that
// bracket the embedded data, so nothing was copied or loaded at run time.
TEST(FrontendBundle, DataIsAViewIntoTheImage) {
  const auto records = frontend_bundle();
  ASSERT_FALSE(records.empty());
  const std::uint8_t* expected = tavrik_frontend_data_begin;
  for (const auto& record : records) {
    ASSERT_EQ(record.data.data(), expected) << record.path;
    expected += record.data.size();
  }
  EXPECT_EQ(expected, tavrik_frontend_data_end);
}

// A hash index of the records, the oracle for the binary search.
const FrontendAsset* find_by_index(std::string_view key) {
  static const auto index = [] {
    std::unordered_map<std::string, const FrontendAsset*> m;
    for (const auto& record : frontend_bundle()) {
      m.emplace(record.path, &record);
    }
    return m;
  }();
  std::string wanted(key);
  std::replace(wanted.begin(), wanted.end(), '\\', '/');
  const auto it = index.find(wanted);
  return it == index.end() ? nullptr : it->second;
}

TEST(FindAsset, FindsEveryRecordByItsPathAndWithBackslashes) {
  for (const auto& record : frontend_bundle()) {
    EXPECT_EQ(find_asset(record.path), &record) << record.path;
    std::string backslashed(record.path);
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(find_asset(backslashed), &record) << backslashed;
  }
}

// Near misses of every path: all its proper prefixes, one more byte at the end, one byte
// changed to its neighbours. Only an exact match may hit, which the index tells.
TEST(FindAsset, AgreesWithAHashIndexOnNearMisses) {
  std::vector<std::string> keys;
  for (const auto& record : frontend_bundle()) {
    const std::string path(record.path);
    for (std::size_t n = 0; n < path.size(); ++n) {
      keys.push_back(path.substr(0, n));
    }
    for (const char extra : {'\0', '/', '\\', 'a', '~', '\x7f', '\x80', '\xff'}) {
      keys.push_back(path + extra);
    }
    for (std::size_t i = 0; i < path.size(); ++i) {
      for (const int delta : {-1, 1}) {
        std::string changed = path;
        changed[i] = static_cast<char>(static_cast<unsigned char>(changed[i]) + delta);
        keys.push_back(changed);
      }
    }
  }
  for (const auto& key : keys) {
    EXPECT_EQ(find_asset(key), find_by_index(key)) << key;
  }
}

TEST(FindAsset, EdgeCases) {
  const auto records = frontend_bundle();
  const FrontendAsset& first = records.front();
  const FrontendAsset& last = records.back();
  const FrontendAsset* entry = find_by_index("js_app.html");
  ASSERT_NE(entry, nullptr) << "the tree needs js_app.html at its root";

  // A record under a directory, to derive the directory cases from.
  const auto nested = std::find_if(records.begin(), records.end(), [](const FrontendAsset& r) {
    return r.path.find('/') != std::string_view::npos;
  });
  ASSERT_NE(nested, records.end());
  const std::string nested_path(nested->path);
  const std::string directory = nested_path.substr(0, nested_path.find('/'));
  std::string doubled = nested_path;
  doubled.insert(doubled.find('/'), "/");
  std::string backslashed = nested_path;
  backslashed[backslashed.find('/')] = '\\';
  // The first digit or letter of the path written as a percent-escape.
  std::string escaped = nested_path;
  const std::size_t at = escaped.find_first_of("0123456789abcdefghijklmnopqrstuvwxyz");
  ASSERT_NE(at, std::string::npos);
  constexpr char kHex[] = "0123456789ABCDEF";
  const auto byte = static_cast<unsigned char>(escaped[at]);
  escaped.replace(at, 1, {'%', kHex[byte >> 4], kHex[byte & 0xF]});

  const struct {
    std::string key;
    const FrontendAsset* expected;
  } cases[] = {
      {"js_app.html", entry},
      {std::string(first.path), &first},
      {std::string(last.path), &last},
      {backslashed, &*nested},
      {"/js_app.html", nullptr},  // the leading "/" is part of the key
      {"JS_APP.HTML", nullptr},
      {"Js_app.html", nullptr},
      {"", nullptr},
      {"/", nullptr},
      {directory, nullptr},
      {directory + "/", nullptr},
      {doubled, nullptr},
      {escaped, nullptr},
      {directory + "/../js_app.html", nullptr},
      {"./js_app.html", nullptr},
      {"js_app.html.", nullptr},
      {"js_app.htm", nullptr},
      {"js_app.html ", nullptr},
      {std::string("js_app.html\0", 12), nullptr},
      {"\xff", nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_asset(c.key), c.expected) << '"' << c.key << '"';
  }
}

}  // namespace
}  // namespace tavrik
