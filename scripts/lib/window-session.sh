# Shared by the window benchmarks and the Chromium comparison (sourced from the project root, under
# `set -euo pipefail`): a display without a screen, a session bus, the frontend tree over loopback
# HTTP for Chromium, the built tool, and helpers that measure a process tree.
#
# window_session NAME SCREEN COMMAND...: installs the commands that are missing (from Debian's
# packages), builds the tool unless BUILD_DIR names a build, and starts Xvfb at SCREEN (such as
# 1600x1000x24), a bus and the HTTP server, each in a process group of its own that ends with the
# script. Sets root, tool, wait_for_debugger, scratch, http_port and the array started, and exports
# DISPLAY, XDG_RUNTIME_DIR and DBUS_SESSION_BUS_ADDRESS.
window_session() {
  local name=$1 screen=$2 command package
  shift 2
  root=$PWD
  for command in "$@"; do
    if ! command -v "$command" >/dev/null; then
      case $command in
        Xvfb) package=xvfb ;;
        dbus-daemon) package=dbus ;;
        node) package=nodejs ;;
        import) package=imagemagick ;;
        *) package=$command ;;
      esac
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$package" >/dev/null
    fi
  done

  local build=${BUILD_DIR:-}
  if [ -z "$build" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target tavrik_inspector >/dev/null
    build=build/release
  fi
  tool=$build/inspector/tavrik_inspector
  wait_for_debugger=$root/inspector/tests/window/e2e/wait_for_debugger.js

  scratch=$(mktemp -d "/tmp/$name-XXXXXX")
  chmod 700 "$scratch"
  started=()
  trap window_session_end EXIT

  setsid Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$scratch/display" 2>/dev/null &
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
}

window_session_end() {
  local pid
  for pid in "${started[@]}"; do kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}

now_ms() { local t=$EPOCHREALTIME; echo $(( ${t/./} / 1000 )); }

descendants() {
  local child
  for child in $(pgrep -P "$1" || true); do
    echo "$child"
    descendants "$child"
  done
}

# CPU time (user and system, ms) spent so far by a process and everything below it.
tree_cpu() {
  local ticks=0 pid t tick_ms=$((1000 / $(getconf CLK_TCK)))
  for pid in "$1" $(descendants "$1"); do
    t=$(awk '{print $14 + $15}' "/proc/$pid/stat" 2>/dev/null || true)
    ticks=$((ticks + ${t:-0}))
  done
  echo $((ticks * tick_ms))
}

# "RSS_KIB PSS_KIB" of a process and everything below it.
tree_memory() {
  local rss=0 pss=0 pid r p
  for pid in "$1" $(descendants "$1"); do
    r=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || true)
    p=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup" 2>/dev/null || true)
    rss=$((rss + ${r:-0}))
    pss=$((pss + ${p:-0}))
  done
  echo "$rss $pss"
}
