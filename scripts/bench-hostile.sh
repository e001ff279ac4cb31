#!/usr/bin/env bash
# Wall time and peak memory (maximum resident set size) of `tavrik_inspector --print-url` against
# local peers that send very large answers, streamed by a small loopback server.
# Usage: scripts/bench-hostile.sh [runs]   (default 3; the median of the runs is printed)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}

[ -x /usr/bin/time ] || apt-get install -y -qq time >/dev/null
cmake --preset release >/dev/null
cmake --build --preset release -j 2 --target tavrik_inspector >/dev/null
tool=build/release/inspector/tavrik_inspector
limit=$((64 << 20))

# Each connection gets the named answer; the server holds the connection open afterwards, as an
# inspector does, so only the Content-Length or the tool's limit ends the reading.
server=$(mktemp)
trap 'rm -f "$server"; [ -z "${server_pid:-}" ] || kill "$server_pid" 2>/dev/null || true' EXIT
cat >"$server" <<'EOF'
import socket, sys, threading
kind, total = sys.argv[1], int(sys.argv[2])   # the whole response, head included, in bytes
targets = b'[{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/big"}]'
def pieces():
    block = b"x" * (1 << 20)
    def filler(n):
        while n:
            k = min(n, len(block)); yield block[:k]; n -= k
    def head(length, rest):
        return b"HTTP/1.0 200 OK\r\nContent-Length: %d\r\n" % length + rest
    if kind == "string":   # one JSON string in the first target holds the bulk
        pre = b'[{"webSocketDebuggerUrl":"ws://127.0.0.1:9229/big","pad":"'
        for digits in range(1, 20):  # the length's own digits are part of the total
            body = total - len(head(0, b"\r\n")) + 1 - digits
            if len(str(body)) == digits: break
        yield head(body, b"\r\n") + pre
        yield from filler(body - len(pre) - 3); yield b'"}]'
    else:                  # one header line holds the bulk; the body is small
        start = head(len(targets), b"X-Pad: ")
        yield start
        yield from filler(total - len(start) - 4 - len(targets)); yield b"\r\n\r\n" + targets
def serve(c):
    try:
        c.recv(4096)
        for p in pieces(): c.sendall(p)
        c.recv(1)
    except OSError:
        pass
    c.close()
s = socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", 0)); s.listen(16)
print(s.getsockname()[1], flush=True)
while True:
    c, _ = s.accept(); threading.Thread(target=serve, args=(c,), daemon=True).start()
EOF

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure() {  # label kind size expected-exit
  local label=$1 kind=$2 size=$3 expected=$4 port
  exec 3< <(python3 "$server" "$kind" "$size")
  server_pid=$!
  read -r port <&3
  local times=() rss=() status
  for ((i = 0; i < runs; i++)); do
    status=0
    /usr/bin/time -f '%e %M' -o /tmp/bench-hostile.$$ "$tool" --print-url "127.0.0.1:$port" \
      >/dev/null 2>&1 || status=$?
    [ "$status" -eq "$expected" ] || { echo "bench: $label exited $status, not $expected" >&2; exit 1; }
    read -r t m < <(tail -n 1 /tmp/bench-hostile.$$)  # after "Command exited with ..." if any
    times+=("$t") rss+=("$m")
  done
  rm -f /tmp/bench-hostile.$$
  kill "$server_pid" 2>/dev/null || true
  wait "$server_pid" 2>/dev/null || true
  server_pid=
  exec 3<&-
  printf '%-58s %9s s %9s MiB\n' "$label" "$(median "${times[@]}")" \
    "$(awk -v k="$(median "${rss[@]}")" 'BEGIN {printf "%.0f", k / 1024}')"
}

printf '%-58s %11s %13s\n' "answer (median of $runs runs, release build)" "wall" "max RSS"
measure "300 MB answer: refused at the 64 MiB limit, retried for 5 s" string 300000000 1
measure "64 MiB answer, one JSON string (largest accepted body)" string "$limit" 0
measure "64 MiB answer, one header line (largest accepted head)" header "$limit" 0
measure "64 MiB + 1 byte, one header line: refused" header $((limit + 1)) 1
