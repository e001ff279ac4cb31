#!/usr/bin/env bash
# The inspector window and Chromium side by side on one Node.js target (the inspector takes both
# sessions), driven through the same keys, with a screenshot of both after each step joined into
# one image: OUT/NN-step.png, the tool on the left. For looking at differences, not a test.
# Usage: scripts/compare-chromium.sh [OUT]   (default build/compare-chromium)
# BUILD_DIR picks another build of the tool (default build/release, built here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${1:-$root/build/compare-chromium}
mkdir -p "$out"

. scripts/lib/window-session.sh
window_session compare-chromium 2500x900x24 chromium Xvfb dbus-daemon node python3 xdotool import


cat >"$scratch/app.js" <<'JS'
const orders = [];
function total(list) {
  let sum = 0;
  for (const item of list) sum += item.price * item.count;
  debugger;
  return sum;
}
function tick() {
  orders.push({price: orders.length + 0.5, count: 2, name: 'order ' + orders.length});
  console.log('total', total(orders));
}
console.log('frontend ready');
setInterval(tick, 1500);
JS
node --inspect=127.0.0.1:0 -r "$wait_for_debugger" "$scratch/app.js" >"$scratch/node.out" 2>"$scratch/node.err" &
started+=($!)
for _ in $(seq 200); do grep -q 'ws://' "$scratch/node.err" && break; sleep 0.05; done
ws=$(grep -o 'ws://[^ ]*' "$scratch/node.err" | head -1)
ws=${ws#ws://}

setsid "$tool" "${ws%%/*}" >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 3000); do grep -q 'frontend ready' "$scratch/node.out" && break; sleep 0.02; done
setsid chromium --no-sandbox --test-type --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --disable-gpu --window-position=1250,0 \
  --window-size=1200,750 --user-data-dir="$scratch/profile" \
  --app="http://127.0.0.1:$http_port/js_app.html?ws=$ws&experiments=true&v8only=true" \
  >/dev/null 2>&1 &
started+=($!)
sleep 12
ours=$(xdotool search --onlyvisible --name 'tavrik' | tail -1)
theirs=$(xdotool search --onlyvisible --class chromium | tail -1)

step=0
shot() {
  step=$((step + 1))
  local name
  name=$(printf '%s/%02d-%s' "$out" "$step" "$1")
  import -window "$ours" "$scratch/ours.png"
  import -window "$theirs" "$scratch/theirs.png"
  convert "$scratch/ours.png" "$scratch/theirs.png" +append "$name.png"
  echo "$name.png"
}
# The same keys to each window in turn, then a screenshot of both.
both() {
  local window
  for window in "$ours" "$theirs"; do
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key --delay 150 "$@"
    sleep 0.5
  done
  sleep 2
}
type_both() {
  local window
  for window in "$ours" "$theirs"; do
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool type --delay 120 "$1"
    xdotool key Return
    sleep 0.5
  done
  sleep 2
}

shot paused
both ctrl+p; type_both app.js; shot go-to-file
both ctrl+shift+f; type_both price; shot search
both Escape F10; shot step-over
both F11; shot step-into
both shift+F11; shot step-out
both ctrl+grave; type_both 'orders.at(-1)'; shot console-object
both F8; sleep 2; shot resumed
both F1; shot settings
both Escape ctrl+shift+p; type_both 'Switch to dark theme'; shot dark-theme
both ctrl+shift+p; type_both 'Show Memory'; shot memory
both ctrl+shift+p; type_both 'Show Snippets'; shot snippets
