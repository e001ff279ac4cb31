#!/bin/sh
# Runs a Windows program under Wine for the cross build's tests (CMake's cross-compiling
# emulator):
#
#   wine-run.sh [--prefix=DIR] [--x11] PROGRAM.exe [ARGUMENTS...]
#   wine-run.sh [--prefix=DIR] [--x11] --prepare
#
# WINEPREFIX from the environment wins over --prefix. A new prefix is created on first use, under
# a lock, so that tests started side by side do not race to create it; --prepare only does that.
# Without --x11 the program never sees a display, and the prefix is set to Wine's null graphics
# driver: windows then exist (and messages flow) without an X server. With --x11 it runs on the
# display in DISPLAY. Wine keeps the graphics driver per prefix, so a prefix is used one way only.
set -eu

prepare_only=
x11=
while :; do
  case "${1:-}" in
  --prefix=*) : "${WINEPREFIX:=${1#--prefix=}}" ;;
  --x11) x11=1 ;;
  --prepare) prepare_only=1 ;;
  *) break ;;
  esac
  shift
done
: "${WINEPREFIX:?wine-run.sh needs --prefix=DIR or WINEPREFIX}"
export WINEPREFIX

if [ -n "$x11" ]; then
  : "${DISPLAY:?wine-run.sh --x11 needs DISPLAY}"
else
  unset DISPLAY WAYLAND_DISPLAY
fi

# Wine's own diagnostics would mix with the programs' standard error, which the tests compare
# byte for byte. The runtime installers (Mono, Gecko) are never wanted.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml="
# Wine converts arguments and the environment with the Unix locale: it must be a UTF-8 one.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
*.UTF-8 | *.utf8 | *.UTF8 | *.utf-8) ;;
*) export LC_ALL=C.UTF-8 ;;
esac

if [ ! -e "$WINEPREFIX/.tavrik-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.tavrik-ready" ]; then
      wine wineboot --init >/dev/null 2>&1 </dev/null
      if [ -z "$x11" ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 </dev/null
      fi
      # The registry reaches the disk when the server ends; only then is the prefix complete.
      wineserver -w
      touch "$WINEPREFIX/.tavrik-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

[ -z "$prepare_only" ] || exit 0
exec wine "$@"
