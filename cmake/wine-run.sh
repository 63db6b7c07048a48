#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, without a display: the emulator of
# the windows-core preset. The Wine prefix lives in the build folder (MYURUKA_WINEPREFIX, or
# wineprefix/ beside the build's CMakeCache.txt) and is made once, on the first run.
set -euo pipefail
if [ -z "${MYURUKA_WINEPREFIX:-}" ]; then
  dir=$PWD
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || dir=${TMPDIR:-/tmp}/myuruka-wine-$(id -u)
  MYURUKA_WINEPREFIX=$dir/wineprefix
fi
export WINEPREFIX=$MYURUKA_WINEPREFIX WINEDEBUG=-all DISPLAY= WAYLAND_DISPLAY=
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
mkdir -p "$(dirname "$WINEPREFIX")"
# Two tests may start at once: one makes the prefix, the other waits for it.
exec 9>"$WINEPREFIX.lock"
flock 9
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=$(command -v wineserver)
# One server for the whole test run, kept for a minute after its last program: a server that
# ends between two tests while the next one connects leaves that one with a reset connection.
# It ends by itself; it holds neither the lock nor a caller's pipe. Where one runs already,
# the new one ends at once.
"$server" -p60 </dev/null >/dev/null 2>&1 9>&- &
if [ ! -f "$WINEPREFIX/.made" ]; then
  "$wine" wineboot -i >/dev/null 2>&1
  touch "$WINEPREFIX/.made"
fi
flock -u 9
exec 9>&-
exec "$wine" "$@"
