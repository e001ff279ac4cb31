#!/usr/bin/env bash
# Installs what is missing, builds the tool, starts a small script under `node --inspect` and opens
# the tool on it. Without a display the tool runs in print-only mode.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tavrik_inspector

port=${TAVRIK_DEMO_PORT:-9229}
node --inspect="127.0.0.1:$port" scripts/demo/app.js >/dev/null 2>&1 &
node_pid=$!
trap 'kill "$node_pid" 2>/dev/null || true' EXIT

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  build/release/inspector/tavrik_inspector "127.0.0.1:$port"
else
  echo "demo: no display, so print-only mode" >&2
  build/release/inspector/tavrik_inspector --print-url "127.0.0.1:$port"
fi
