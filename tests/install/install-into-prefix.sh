#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that it holds every file the program
# needs, in the places the desktop looks for them.
#   install-into-prefix.sh BUILD_DIR PREFIX
set -euo pipefail
build="$1" prefix="$2"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
need() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing from the install: $1"
    fail=1
  fi
}
need bin/myuruka
[ -x "$prefix/bin/myuruka" ] || { echo "bin/myuruka is not executable"; fail=1; }
need share/myuruka/お助けぺーじ.html
need share/myuruka/注意事項.txt
need share/applications/org.myuruka.Myuruka.desktop
need share/metainfo/org.myuruka.Myuruka.metainfo.xml
need share/icons/hicolor/scalable/apps/myuruka.svg
need share/doc/myuruka/copyright
for size in 16 22 24 32 48 64 128 256; do
  need "share/icons/hicolor/${size}x${size}/apps/myuruka.png"
done
# Every picture the build painted, at 1× and 2×, and every sample food file.
for f in "$build"/myuruka/Img/*.bmp; do need "share/myuruka/Img/$(basename "$f")"; done
for f in "$build"/myuruka/*.krp; do need "share/myuruka/$(basename "$f")"; done
[ "$(find "$prefix/share/myuruka/Img" -name '*@2x.bmp' | wc -l)" -gt 0 ] ||
  { echo "no @2x pictures installed"; fail=1; }
[ "$(find "$prefix/share/myuruka" -maxdepth 1 -name '*.krp' | wc -l)" -gt 0 ] ||
  { echo "no sample food files installed"; fail=1; }
# Nothing of the pet is shipped.
for f in user.ini title.ini dead.ini KivoError.log; do
  [ ! -e "$prefix/share/myuruka/$f" ] || { echo "the install ships $f"; fail=1; }
done
exit $fail
