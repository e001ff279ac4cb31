#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, on a fresh Debian 12 machine.
# Only what is missing is installed; run as root (or with sudo available).
set -euo pipefail

packages=(
  # the build
  cmake ninja-build g++ pkg-config
  nlohmann-json3-dev libssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # the Linux window
  libgtk-4-dev libwebkitgtk-6.0-dev
  # the tests: a real inspector, a display without a screen, a session bus
  nodejs xvfb xauth dbus x11-utils
  # the window tests: typing and clicking as a user does, and a local web server
  libx11-dev libxtst-dev python3
  # the Windows build: the cross compiler, GoogleTest's sources for it, and Wine to run the tests
  g++-mingw-w64-x86-64-posix googletest wine wine64
  # the Debian package: cpack's dependency scan, its checker, and the manual page viewer
  dpkg-dev lintian man-db
)

missing=()
for package in "${packages[@]}"; do
  # Node.js may come from elsewhere than Debian's package: any `node` from 18 on (Debian 12's own)
  # will do; the tests use nothing newer.
  if [ "$package" = nodejs ] && command -v node >/dev/null 2>&1 &&
    node -e 'process.exit(Number(process.versions.node.split(".")[0]) >= 18 ? 0 : 1)'; then
    continue
  fi
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Inspectors besides Node.js for the launcher's end-to-end tests, from the npm registry, into the
# build folder; the tests are skipped where they could not be had.
inspectors="$(dirname "$0")/../build/inspectors"
if [ ! -x "$inspectors/node_modules/@deno/linux-x64-glibc/deno" ] ||
  [ ! -x "$inspectors/node_modules/@cloudflare/workerd-linux-64/bin/workerd" ]; then
  mkdir -p "$inspectors"
  echo "setup: installing Deno and workerd for the tests"
  npm install --prefix "$inspectors" --no-audit --no-fund --no-save --loglevel=error \
    @deno/linux-x64-glibc@2.9.6 @cloudflare/workerd-linux-64@1.20261201.1 >/dev/null ||
    echo "setup: Deno and workerd could not be installed; their tests will be skipped"
fi
