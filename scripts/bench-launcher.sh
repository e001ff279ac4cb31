#!/usr/bin/env bash
# Median wall time of `tavrik_inspector --print-url` against a local Node.js inspector, beside what a
# user would script instead (curl piped to jq), interleaved run by run on the same machine.
# Usage: scripts/bench-launcher.sh [runs]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}

for tool in curl jq; do
  command -v "$tool" >/dev/null || { apt-get install -y -qq "$tool" >/dev/null; }
done
# TAVRIK_INSPECTOR names an already built binary; otherwise the release preset builds one.
tool=${TAVRIK_INSPECTOR:-}
if [ -z "$tool" ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target tavrik_inspector >/dev/null
  tool=build/release/inspector/tavrik_inspector
fi

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
addr="127.0.0.1:$port"
node --inspect="$addr" -e 'setInterval(() => {}, 1000)' >/dev/null 2>&1 &
node_pid=$!
trap 'kill "$node_pid" 2>/dev/null || true' EXIT
until curl -s "http://$addr/json" >/dev/null; do sleep 0.05; done

now_us() { local t=$EPOCHREALTIME; echo "${t/./}"; }
ours=() theirs=()
for ((i = 0; i < runs; i++)); do
  start=$(now_us); "$tool" --print-url "$addr" >/dev/null; ours+=($(( $(now_us) - start )))
  start=$(now_us); curl -s "http://$addr/json" | jq -r '.[0].webSocketDebuggerUrl' >/dev/null
  theirs+=($(( $(now_us) - start )))
done

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : int((a[NR/2]+a[NR/2+1])/2)}'; }
m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
printf '%-52s %11s\n' "command ($runs interleaved runs)" "median"
awk -v o="$m_ours" -v t="$m_theirs" -v a="$addr" 'BEGIN {
  printf "%-52s %8.2f ms\n", "tavrik_inspector --print-url " a, o / 1000
  printf "%-52s %8.2f ms\n", "curl -s http://" a "/json | jq -r ...", t / 1000
  printf "%-52s %8.2f x\n", "ratio (pipeline / tavrik_inspector)", t / o
}'
