#!/usr/bin/env bash
# What a blinking text caret costs: the CPU share of the viewer's whole process tree (from
# /proc/*/stat) over a window of seconds, first idle with nothing focused (a click on the empty
# tab strip), then with the caret blinking in the console prompt (Ctrl+`), for the inspector
# window and for Chromium showing the same frontend tree. Prints the figures; asserts nothing.
# Usage: scripts/bench-caret.sh [seconds]   (default 20); SHOTS_DIR=DIR keeps a screenshot of each
# viewer as measured, to check where the focus was.
# BUILD_DIR picks another build of the tool (default build/release, built here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}

. scripts/lib/window-session.sh
window_session bench-caret 1600x1000x24 chromium Xvfb dbus-daemon node python3 xdotool

# One viewer against a fresh Node.js target: "IDLE_PERCENT CARET_PERCENT" of one core.
measure() {
  local kind=$1 node_pid viewer_pid ws window tree a b
  : >"$scratch/node.out"
  : >"$scratch/node.err"
  node --inspect=127.0.0.1:0 -r "$wait_for_debugger" \
    -e 'console.log("frontend ready"); setInterval(() => {}, 1000)' \
    >"$scratch/node.out" 2>"$scratch/node.err" &
  node_pid=$!
  for _ in $(seq 200); do grep -q 'ws://' "$scratch/node.err" && break; sleep 0.05; done
  ws=$(grep -o 'ws://[^ ]*' "$scratch/node.err" | head -1)
  ws=${ws#ws://}
  if [ "$kind" = tavrik ]; then
    "$tool" "${ws%%/*}" >/dev/null 2>&1 &
  else
    mkdir -p "$scratch/profile-$kind"
    chromium --no-sandbox --test-type --no-first-run --disable-background-networking \
      --disable-component-update --disable-sync --disable-gpu \
      --window-position=0,0 --window-size=1200,750 --user-data-dir="$scratch/profile-$kind" \
      --app="http://127.0.0.1:$http_port/js_app.html?ws=$ws&experiments=true&v8only=true" \
      >/dev/null 2>&1 &
  fi
  viewer_pid=$!
  for _ in $(seq 3000); do grep -q 'frontend ready' "$scratch/node.out" && break; sleep 0.02; done
  sleep 5
  window=$(xdotool search --onlyvisible --name 'tavrik|DevTools|js_app' 2>/dev/null | tail -1)
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  # The empty part of the tab strip takes no focus: no caret anywhere.
  xdotool mousemove --window "$window" 700 14 click 1
  sleep 3
  a=$(tree_cpu "$viewer_pid"); sleep "$seconds"; b=$(tree_cpu "$viewer_pid")
  local idle=$(( (b - a) / seconds ))
  xdotool key --window "$window" ctrl+grave
  xdotool mousemove --window "$window" 5 740
  sleep 3
  a=$(tree_cpu "$viewer_pid"); sleep "$seconds"; b=$(tree_cpu "$viewer_pid")
  local caret=$(( (b - a) / seconds ))
  [ -n "${SHOTS_DIR:-}" ] && import -window "$window" "$SHOTS_DIR/caret-$kind.png" 2>/dev/null || true
  tree=$(descendants "$viewer_pid")
  kill "$viewer_pid" 2>/dev/null || true
  wait "$viewer_pid" 2>/dev/null || true
  for pid in $tree; do kill -KILL "$pid" 2>/dev/null || true; done
  kill "$node_pid" 2>/dev/null || true
  wait "$node_pid" 2>/dev/null || true
  # CPU ms per second of wall time, as a percentage of one core.
  awk -v i="$idle" -v c="$caret" 'BEGIN { printf "%.1f %.1f\n", i / 10, c / 10 }'
}

read -r ti tc < <(measure tavrik)
read -r ci cc < <(measure chromium)
echo "CPU of the whole process tree, % of one core, over ${seconds} s:"
printf '%-18s %8s %14s\n' "" "idle" "caret blinking"
printf '%-18s %8s %14s\n' tavrik_inspector "$ti" "$tc"
printf '%-18s %8s %14s\n' chromium "$ci" "$cc"
