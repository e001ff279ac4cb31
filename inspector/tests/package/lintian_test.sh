#!/usr/bin/env bash
# Lintian over the package: any error or warning fails. Informational remarks are printed and
# explained in the README.
# usage: lintian_test.sh <package-dir>
set -euo pipefail
source "$(dirname "$0")/package_lib.sh"
deb=$(the_deb "$1")
command -v lintian >/dev/null || { echo "no lintian (scripts/setup.sh installs it): skipped"; exit 77; }
status=0
lintian --fail-on error,warning --display-info "$deb" || status=$?
[ "$status" -eq 0 ] || fail "lintian reported errors or warnings (status $status)"
