#!/usr/bin/env bash
# Packs this build as `cpack --preset release` does, into a folder of the tests' own.
# usage: build_package.sh <cpack> <CPackConfig.cmake> <output-dir>
set -euo pipefail
cpack=$1 config=$2 out=$3
rm -rf "$out"
"$cpack" --config "$config" -G DEB -B "$out"
source "$(dirname "$0")/package_lib.sh"
deb=$(the_deb "$out")
dpkg-deb --info "$deb" >/dev/null || fail "$deb is not a readable Debian package"
echo "built $deb"
