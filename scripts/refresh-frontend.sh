#!/usr/bin/env bash
# Replaces inspector/frontend with the built DevTools frontend from a pinned npm package, after
# checking the package against its pinned integrity. The tree is data: nothing in it is edited.
#
# Usage: scripts/refresh-frontend.sh [--tarball FILE]
#   --tarball FILE  use an already fetched `npm pack` tarball instead of fetching one (it is
#                   checked against the same integrity).
#
# To move to another version, change the three pins below together (`npm view NAME@VERSION
# dist.integrity` gives the integrity), run this script, and review THIRD_PARTY_NOTICES.md.
set -euo pipefail
cd "$(dirname "$0")/.."

package_name=chii
package_version=1.15.5
package_integrity=sha512-O8c5ddK9iz0jsPqzl1JgeNanh04+4e/sXOBhqRnsr4ip4zwk7iRrv4Ff5NAH2Ddh2h3UwCI5GLt5mAbA0mY57Q==
tree_in_package=package/public/front_end
target=inspector/frontend

tarball=
while [ $# -gt 0 ]; do
  case "$1" in
    --tarball)
      [ $# -ge 2 ] || { echo "refresh-frontend: --tarball needs a file" >&2; exit 2; }
      tarball=$2
      shift 2
      ;;
    *)
      echo "usage: scripts/refresh-frontend.sh [--tarball FILE]" >&2
      exit 2
      ;;
  esac
done

for tool in openssl tar; do
  command -v "$tool" >/dev/null || { echo "refresh-frontend: $tool is required" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -z "$tarball" ]; then
  command -v npm >/dev/null || { echo "refresh-frontend: npm is required" >&2; exit 1; }
  (cd "$work" && npm pack --silent "$package_name@$package_version" >/dev/null)
  tarball=$(ls "$work"/*.tgz)
fi

algorithm=${package_integrity%%-*}
expected=${package_integrity#*-}
actual=$(openssl dgst "-$algorithm" -binary "$tarball" | openssl base64 -A)
if [ "$actual" != "$expected" ]; then
  echo "refresh-frontend: $tarball does not match $package_name@$package_version" >&2
  echo "  expected $package_integrity" >&2
  echo "  actual   $algorithm-$actual" >&2
  exit 1
fi

mkdir "$work/x"
# -m: extracted files get the current time, not the package's fixed one, so that changed content
# is newer than the last built bundle and the build notices it.
tar -xzf "$tarball" -C "$work/x" -m --no-same-owner --no-same-permissions "$tree_in_package"
[ -f "$work/x/$tree_in_package/js_app.html" ] || {
  echo "refresh-frontend: $tree_in_package/js_app.html is missing from the package" >&2
  exit 1
}

rm -rf "$target"
mv "$work/x/$tree_in_package" "$target"
count=$(find "$target" -type f | wc -l)
bytes=$(find "$target" -type f -printf '%s\n' | awk '{s += $1} END {print s}')
echo "refresh-frontend: $target now holds $package_name@$package_version ($count files, $bytes bytes)"
