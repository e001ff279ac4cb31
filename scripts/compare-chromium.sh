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

for tool in chromium Xvfb dbus-daemon node python3 xdotool import; do
  if ! command -v "$tool" >/dev/null; then
    case $tool in
      Xvfb) package=xvfb ;;
      dbus-daemon) package=dbus ;;
      node) package=nodejs ;;
      import) package=imagemagick ;;
      *) package=$tool ;;
    esac
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >/dev/null
  fi
done

build=${BUILD_DIR:-}
if [ -z "$build" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target tavrik_inspector >/dev/null
  build=build/release
fi
tool=$build/inspector/tavrik_inspector
wait_for_debugger=$PWD/inspector/tests/window/e2e/wait_for_debugger.js

scratch=$(mktemp -d /tmp/compare-chromium-XXXXXX)
chmod 700 "$scratch"
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Each helper runs in its own process group, ended as one at the end.
setsid Xvfb -displayfd 3 -screen 0 2500x900x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
started+=($!)
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$scratch/display")"
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$scratch
setsid dbus-daemon --session --nofork --print-address=1 >"$scratch/bus" 2>/dev/null &
started+=($!)
for _ in $(seq 100); do [ -s "$scratch/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$scratch/bus")

# Chromium gets the same frontend tree over loopback HTTP.
setsid python3 -u -m http.server --bind 127.0.0.1 --directory "$root/inspector/frontend" 0 \
  >"$scratch/http" 2>/dev/null &
started+=($!)
for _ in $(seq 100); do grep -q 'port' "$scratch/http" 2>/dev/null && break; sleep 0.1; done
http_port=$(sed -n 's/.* port \([0-9]*\).*/\1/p' "$scratch/http" | head -1)


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
