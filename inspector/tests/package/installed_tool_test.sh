#!/usr/bin/env bash
# Unpacks the package into a throwaway root and runs the tool from there in print-only mode against
# a real Node.js inspector: the installed file is a working tool on its own, without the build tree.
# The manual page's output lines are held against what the tool printed.
# usage: installed_tool_test.sh <package-dir> <node>
set -euo pipefail
source "$(dirname "$0")/package_lib.sh"
deb=$(the_deb "$1")
node=${2:-}
[ -n "$node" ] && [ "$node" != NODE_EXECUTABLE-NOTFOUND ] || { echo "no Node.js: skipped"; exit 77; }

root=$scratch/root
dpkg-deb -x "$deb" "$root"
tool=$root/usr/bin/tavrik_inspector
[ -x "$tool" ] || fail "the package has no executable usr/bin/tavrik_inspector"

# Port 0: the system picks a free port, and Node.js names it in its first line on standard error.
"$node" --inspect=127.0.0.1:0 -e 'setInterval(() => {}, 1000)' 2>"$scratch/node.err" &
background_pids+=($!)
ws=
for _ in $(seq 100); do
  ws=$(sed -n 's|^Debugger listening on ws://\([^ ]*\)$|\1|p' "$scratch/node.err" | head -n1)
  [ -n "$ws" ] && break
  sleep 0.1
done
[ -n "$ws" ] || fail "Node.js announced no inspector: $(cat "$scratch/node.err")"
address=${ws%%/*}

# From a folder of its own, with no library path and no frontend override that could help it.
status=0
(cd "$scratch" && env -u TAVRIK_INSPECTOR_FRONTEND -u LD_LIBRARY_PATH \
  "$tool" --print-url "$address" >"$scratch/out" 2>"$scratch/err") || status=$?
{
  printf 'tavrik_inspector: ws target  = %s\n' "$ws"
  printf 'tavrik_inspector: devtools   = http://devtools.localhost/js_app.html?ws=%s&experiments=true&v8only=true\n' "$ws"
  printf 'tavrik_inspector: (frontend is embedded; override with TAVRIK_INSPECTOR_FRONTEND)\n'
} >"$scratch/expected"
[ "$status" -eq 0 ] || fail "status $status, standard error: $(cat "$scratch/err")"
[ ! -s "$scratch/err" ] || fail "standard error not empty: $(cat "$scratch/err")"
cmp -s "$scratch/expected" "$scratch/out" ||
  fail "standard output differs from the three lines:$(diff "$scratch/expected" "$scratch/out")"

# The manual page shows the same three lines, with the values as placeholders.
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$root/usr/share/man/man1/tavrik_inspector.1.gz" 2>"$scratch/man.err" |
  col -bx | sed 's/^ *//' >"$scratch/page"
[ ! -s "$scratch/man.err" ] || fail "man complained: $(cat "$scratch/man.err")"
{
  sed -n '1s|= .*|= ws-target|p' "$scratch/out"
  sed -n '2s|= .*|= frontend-address|p' "$scratch/out"
  sed -n '3p' "$scratch/out"
} >"$scratch/placeholders"
while IFS= read -r line; do
  grep -qxF -- "$line" "$scratch/page" || fail "the manual page lacks the output line: $line"
done <"$scratch/placeholders"
echo "ok: $ws"
