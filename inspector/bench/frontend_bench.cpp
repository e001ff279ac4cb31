// find_asset beside std::unordered_map and std::map keyed by the same paths, over every path and
// over near misses, and handle_devtools_request per request. Each benchmark also reports the heap
// allocations it makes per operation, counted by the replaced global operator new
// (allocation_counter.cpp).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "allocation_counter.hpp"
#include "bundle.hpp"
#include "devtools_protocol.hpp"

namespace {

using tavrik::FrontendAsset;

std::vector<std::string> hit_keys() {
  std::vector<std::string> keys;
  for (const auto& record : tavrik::frontend_bundle()) {
    keys.emplace_back(record.path);
  }
  return keys;
}

// Near misses that share a long prefix with a record: every path with its last byte bumped.
std::vector<std::string> miss_keys() {
  std::vector<std::string> keys = hit_keys();
  for (auto& key : keys) {
    key.back() = static_cast<char>(key.back() + 1);
  }
  return keys;
}

std::vector<std::string> backslash_keys() {
  std::vector<std::string> keys = hit_keys();
  for (auto& key : keys) {
    for (auto& c : key) {
      c = c == '/' ? '\\' : c;
    }
  }
  return keys;
}

// Runs `op` once per iteration over `keys` in turn and reports allocations per operation.
template <typename Op>
void over_keys(benchmark::State& state, const std::vector<std::string>& keys, Op op) {
  std::vector<std::string_view> views(keys.begin(), keys.end());
  std::size_t i = 0;
  const std::size_t before = allocations_so_far();
  for (auto _ : state) {
    benchmark::DoNotOptimize(op(views[i]));
    if (++i == views.size()) {
      i = 0;
    }
  }
  const auto allocations = static_cast<double>(allocations_so_far() - before);
  state.counters["allocs/op"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
  state.counters["keys"] = static_cast<double>(views.size());
}

const std::unordered_map<std::string_view, const FrontendAsset*>& unordered_index() {
  static const auto index = [] {
    std::unordered_map<std::string_view, const FrontendAsset*> m;
    for (const auto& record : tavrik::frontend_bundle()) {
      m.emplace(record.path, &record);
    }
    return m;
  }();
  return index;
}

const std::map<std::string_view, const FrontendAsset*>& ordered_index() {
  static const auto index = [] {
    std::map<std::string_view, const FrontendAsset*> m;
    for (const auto& record : tavrik::frontend_bundle()) {
      m.emplace(record.path, &record);
    }
    return m;
  }();
  return index;
}

const FrontendAsset* find_unordered(std::string_view key) {
  const auto& index = unordered_index();
  const auto it = index.find(key);
  return it == index.end() ? nullptr : it->second;
}

const FrontendAsset* find_ordered(std::string_view key) {
  const auto& index = ordered_index();
  const auto it = index.find(key);
  return it == index.end() ? nullptr : it->second;
}

void BM_find_asset_hits(benchmark::State& state) {
  over_keys(state, hit_keys(), tavrik::find_asset);
}
void BM_find_asset_misses(benchmark::State& state) {
  over_keys(state, miss_keys(), tavrik::find_asset);
}
void BM_find_asset_backslash_hits(benchmark::State& state) {
  over_keys(state, backslash_keys(), tavrik::find_asset);
}
void BM_unordered_map_hits(benchmark::State& state) {
  over_keys(state, hit_keys(), find_unordered);
}
void BM_unordered_map_misses(benchmark::State& state) {
  over_keys(state, miss_keys(), find_unordered);
}
void BM_map_hits(benchmark::State& state) { over_keys(state, hit_keys(), find_ordered); }
void BM_map_misses(benchmark::State& state) { over_keys(state, miss_keys(), find_ordered); }

// Whole requests as the web view sends them: the first page with its query, then every file.
void BM_handle_devtools_request(benchmark::State& state) {
  std::vector<std::string> uris{
      "http://devtools.localhost/js_app.html?ws=127.0.0.1:9229/0f2c&experiments=true&v8only=true"};
  for (const auto& key : hit_keys()) {
    uris.push_back("http://devtools.localhost/" + key);
  }
  over_keys(state, uris, [](std::string_view uri) {
    return tavrik::handle_devtools_request({uri}).body.data();
  });
}
void BM_handle_devtools_request_not_found(benchmark::State& state) {
  std::vector<std::string> uris;
  for (const auto& key : miss_keys()) {
    uris.push_back("http://devtools.localhost/" + key);
  }
  over_keys(state, uris,
            [](std::string_view uri) { return tavrik::handle_devtools_request({uri}).status; });
}

BENCHMARK(BM_find_asset_hits);
BENCHMARK(BM_unordered_map_hits);
BENCHMARK(BM_map_hits);
BENCHMARK(BM_find_asset_misses);
BENCHMARK(BM_unordered_map_misses);
BENCHMARK(BM_map_misses);
BENCHMARK(BM_find_asset_backslash_hits);
BENCHMARK(BM_handle_devtools_request);
BENCHMARK(BM_handle_devtools_request_not_found);

}  // namespace

BENCHMARK_MAIN();
