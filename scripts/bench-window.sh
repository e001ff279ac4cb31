#!/usr/bin/env bash
# The inspector window beside Chromium showing the same frontend: time from start until the
# frontend has attached and let a waiting Node.js script run ("frontend ready"), the CPU time the
# whole process tree spent until then (steadier than wall time on a shared machine), and the
# memory of the tree (RSS and PSS from /proc/*/smaps_rollup) a few seconds after that.
# Runs are interleaved on one display without a screen; medians and ratios at the end.
# Usage: scripts/bench-window.sh [runs]   (default 7)
# BUILD_DIR picks another build of the tool (default build/release, built here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-7}
settle=${SETTLE_SECONDS:-4}

. scripts/lib/window-session.sh
window_session bench-window 1600x1000x24 chromium Xvfb dbus-daemon node python3

# One run: a fresh waiting Node.js target, then the viewer; prints
# "READY_MS CPU_MS RSS_KIB PSS_KIB", the CPU time being what the viewer's tree spent until ready.
measure() {
  local kind=$1 node_pid viewer_pid ws start ready cpu=0 memory tree
  : >"$scratch/node.out"
  : >"$scratch/node.err"
  # Held until the frontend lets it run (the preload works on every Node.js; --inspect-wait does not).
  node --inspect=127.0.0.1:0 -r "$wait_for_debugger" \
    -e 'console.log("frontend ready"); setInterval(() => {}, 1000)' \
    >"$scratch/node.out" 2>"$scratch/node.err" &
  node_pid=$!
  for _ in $(seq 200); do grep -q 'ws://' "$scratch/node.err" && break; sleep 0.05; done
  ws=$(grep -o 'ws://[^ ]*' "$scratch/node.err" | head -1)
  ws=${ws#ws://}
  start=$(now_ms)
  if [ "$kind" = tavrik ]; then
    "$tool" "${ws%%/*}" >/dev/null 2>&1 &
  else
    mkdir -p "$scratch/profile-$start"
    chromium --no-sandbox --no-first-run --disable-background-networking \
      --disable-component-update --disable-sync --disable-gpu \
      --user-data-dir="$scratch/profile-$start" \
      --app="http://127.0.0.1:$http_port/js_app.html?ws=$ws&experiments=true&v8only=true" \
      >/dev/null 2>&1 &
  fi
  viewer_pid=$!
  ready=timeout
  for _ in $(seq 3000); do
    if grep -q 'frontend ready' "$scratch/node.out"; then
      ready=$(($(now_ms) - start))
      cpu=$(tree_cpu "$viewer_pid")
      break
    fi
    sleep 0.02
  done
  sleep "$settle"
  memory=$(tree_memory "$viewer_pid")
  tree=$(descendants "$viewer_pid")
  kill "$viewer_pid" 2>/dev/null || true
  wait "$viewer_pid" 2>/dev/null || true
  # Whatever the viewer left behind goes before the next run starts.
  for pid in $tree; do kill -KILL "$pid" 2>/dev/null || true; done
  kill "$node_pid" 2>/dev/null || true
  wait "$node_pid" 2>/dev/null || true
  echo "$ready $cpu $memory"
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

declare -a ours_ready ours_cpu ours_rss ours_pss theirs_ready theirs_cpu theirs_rss theirs_pss
measure tavrik >/dev/null  # warm the caches both share (fonts, the shared libraries)
measure chromium >/dev/null
for ((i = 1; i <= runs; i++)); do
  read -r r c rs ps < <(measure tavrik)
  echo "run $i tavrik_inspector: ready ${r} ms (CPU ${c} ms), RSS $((rs / 1024)) MiB, PSS $((ps / 1024)) MiB"
  ours_ready+=("$r") ours_cpu+=("$c") ours_rss+=("$rs") ours_pss+=("$ps")
  read -r r c rs ps < <(measure chromium)
  echo "run $i chromium:         ready ${r} ms (CPU ${c} ms), RSS $((rs / 1024)) MiB, PSS $((ps / 1024)) MiB"
  theirs_ready+=("$r") theirs_cpu+=("$c") theirs_rss+=("$rs") theirs_pss+=("$ps")
done

oc=$(median "${ours_cpu[@]}") tc=$(median "${theirs_cpu[@]}")
or=$(median "${ours_ready[@]}") ors=$(median "${ours_rss[@]}") ops=$(median "${ours_pss[@]}")
tr=$(median "${theirs_ready[@]}") trs=$(median "${theirs_rss[@]}") tps=$(median "${theirs_pss[@]}")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
echo
echo "median of $runs interleaved runs, memory ${settle} s after ready:"
printf '%-18s %10s %12s %10s %10s\n' "" "ready ms" "CPU to ready" "RSS MiB" "PSS MiB"
printf '%-18s %10s %12s %10s %10s\n' tavrik_inspector "$or" "$oc" $((ors / 1024)) $((ops / 1024))
printf '%-18s %10s %12s %10s %10s\n' chromium "$tr" "$tc" $((trs / 1024)) $((tps / 1024))
printf '%-18s %10s %12s %10s %10s\n' "ratio (ours/it)" "$(ratio "$or" "$tr")" "$(ratio "$oc" "$tc")" \
  "$(ratio "$ors" "$trs")" "$(ratio "$ops" "$tps")"
