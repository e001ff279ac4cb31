#!/usr/bin/env bash
# The whole test suite, from a fresh machine: installs what is missing, builds the release and the
# sanitizer builds and the Windows cross build, and runs every test of each (the Windows ones under
# Wine). Fails on the first failing step.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc)
for preset in release debug windows; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: tests"
  ctest --preset "$preset" -j "$jobs"
done
