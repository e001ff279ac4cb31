#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each for a while, one after
# another at low priority, starting from the saved corpus. Prints per target: executions per second,
# coverage (libFuzzer's cov and ft), corpus growth and findings. Findings are kept in the work
# directory; exit status 1 if any target found something.
#
# Usage: scripts/fuzz.sh [seconds-per-target] [target...]     (default 60 s, every target)
#   TAVRIK_FUZZ_MERGE=1    add the new inputs that reach new edges to the saved corpus (-merge=1)
#   TAVRIK_FUZZ_BUILD=DIR  build directory (default build/fuzz)
#   TAVRIK_FUZZ_WORK=DIR   work directory for grown corpora, logs and findings (default build/fuzz-work)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

seconds=${1:-60}
shift || true
all_targets=(discovery_answer socket_address error_report frontend_address command_line devtools_request)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")
build=${TAVRIK_FUZZ_BUILD:-$root/build/fuzz}
work=${TAVRIK_FUZZ_WORK:-$root/build/fuzz-work}
corpus_root=$root/inspector/tests/fuzz/corpus
dict_root=$root/inspector/tests/fuzz/dict

# Longest input each target is given: an answer needs room for a head and a body.
max_len() {
  case $1 in
    discovery_answer) echo 16384 ;;
    socket_address) echo 256 ;;
    *) echo 2048 ;;
  esac
}

# Only fuzzing needs clang and its libFuzzer runtime; the test suite replays the corpus without them.
for package in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >/dev/null
done
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DTAVRIK_FUZZ_ENGINE=ON -DTAVRIK_BUILD_BENCHMARKS=OFF >/dev/null

mkdir -p "$work"
built=()
for target in "${targets[@]}"; do
  if nice -n 10 cmake --build "$build" -j 2 --target "fuzz_$target" >"$work/build-$target.log" 2>&1; then
    built+=("$target")
  else
    echo "fuzz: fuzz_$target did not build, see $work/build-$target.log" >&2
  fi
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
found_any=0
printf '%-18s %8s %10s %7s %7s %14s %9s\n' target seconds "exec/s" cov ft "corpus" findings
for target in "${built[@]}"; do
  saved=$corpus_root/$target
  grown=$work/corpus/$target
  findings=$work/findings/$target
  log=$work/$target.log
  mkdir -p "$grown" "$findings"
  dict=()
  [ -f "$dict_root/$target.dict" ] && dict=(-dict="$dict_root/$target.dict")
  before=$(find "$saved" -type f | wc -l)
  # New inputs go to the grown corpus; the saved one is only read.
  status=0
  nice -n 10 "$build/inspector/tests/fuzz/fuzz_$target" "$grown" "$saved" "${dict[@]}" \
    -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  exec_s=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  last=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' <<<"$last" | grep -o '[0-9]*' || echo '?')
  ft=$(grep -o 'ft: [0-9]*' <<<"$last" | grep -o '[0-9]*' || echo '?')
  count=$(find "$findings" -type f | wc -l)
  [ "$status" -eq 0 ] || [ "$count" -gt 0 ] || count="exit $status"
  [ "$count" = 0 ] || found_any=1
  if [ "${TAVRIK_FUZZ_MERGE:-0}" = 1 ] && [ "$count" = 0 ]; then
    # Only inputs that reach new edges are kept (not new hit counts), so the saved corpus stays small.
    nice -n 10 "$build/inspector/tests/fuzz/fuzz_$target" -merge=1 -use_counters=0 \
      -max_len="$(max_len "$target")" "$saved" "$grown" >>"$log" 2>&1
  fi
  after=$(find "$saved" -type f | wc -l)
  printf '%-18s %8s %10s %7s %7s %14s %9s\n' "$target" "$seconds" "$exec_s" "$cov" "$ft" \
    "$before->$after" "$count"
done
[ ${#built[@]} -eq ${#targets[@]} ] || found_any=1
echo "logs, grown corpora and findings: $work"
exit "$found_any"
