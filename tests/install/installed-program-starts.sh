#!/usr/bin/env bash
# Starts the installed program of PREFIX on a private Xvfb display with a fresh home and
# checks that it shows the first-profile window (the message boxes before it answered) under the window class the menu entry names,
# keeps the pet in $XDG_DATA_HOME/myuruka (the sample food files copied there) and writes
# nothing into the prefix.
#   installed-program-starts.sh PREFIX
set -euo pipefail
prefix="$1"
work=$(mktemp -d)
xvfb="" program=""
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

listing() { (cd "$prefix" && find . -printf '%y %m %p\n' | sort && find . -type f -print0 |
                sort -z | xargs -0 sha256sum); }
listing >"$work/before"

Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }

mkdir -p "$work/home"
env -i PATH="$PATH" HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
  XDG_RUNTIME_DIR="$work" DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb \
  LANG=C.UTF-8 "$prefix/bin/myuruka" >"$work/out" 2>&1 &
program=$!
export DISPLAY=":$(head -n1 "$work/display")"

# A first start greets with two message boxes (answered with Return), then the first-profile
# window opens; it is found by its title.
titled() { xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | awk '{print $1}' | head -n1 || true; }
window=""
for _ in $(seq 300); do
  window=$(titled "はじめましてだね。")
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || { echo "the program ended:"; cat "$work/out"; exit 1; }
  for title in "君はだれ？" "ミュルカ"; do
    box=$(titled "$title")
    if [ -n "$box" ]; then
      xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
      sleep 0.3
    fi
  done
  sleep 0.1
done
[ -n "$window" ] || { echo "no first-profile window"; cat "$work/out"; exit 1; }
echo "first-profile window: $window"

fail=0
# The window class the desktop file's StartupWMClass names.
class=$(xprop -id "$window" WM_CLASS)
wanted=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.myuruka.Myuruka.desktop")
echo "$class"
if ! grep -q "\"$wanted\"" <<<"$class"; then
  echo "WM_CLASS does not name StartupWMClass=$wanted"
  fail=1
fi

# The profile: the age is typed into its box (the window's own pixels at 96 dpi: 15 twips
# to a pixel), "よろしくね" is pressed until every answer is accepted, each refusal and the
# last question answered with Return.
pet="$work/home/data/myuruka"
xdotool mousemove --window "$window" 160 92 click 1 key ctrl+a type 20
for _ in $(seq 40); do
  [ -s "$pet/user.ini" ] && [ -e "$pet/ごんべぇ.dat" ] && break
  box=$(titled "確認ウインドウ")
  if [ -n "$box" ]; then
    xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
  elif [ -n "$(titled "はじめましてだね。")" ]; then
    xdotool mousemove --window "$window" 320 208 click 1 2>/dev/null || true
  fi
  sleep 0.5
done
[ -s "$pet/user.ini" ] || { echo "the pet's user.ini is not in $pet"; fail=1; }
[ -e "$pet/ごんべぇ.dat" ] || { echo "the pet's language file is not in $pet"; fail=1; }

kill "$program"
wait "$program" 2>/dev/null || true
program=""

[ -d "$pet" ] || { echo "no pet folder $pet"; fail=1; }
krp=$(find "$prefix/share/myuruka" -maxdepth 1 -name '*.krp' | wc -l)
copied=$(find "$pet" -maxdepth 1 -name '*.krp' 2>/dev/null | wc -l)
[ "$krp" -gt 0 ] && [ "$copied" -eq "$krp" ] ||
  { echo "sample food files: $copied of $krp copied into the pet folder"; fail=1; }
[ ! -e "$pet/Img" ] || { echo "the pictures were copied into the pet folder"; fail=1; }

listing >"$work/after"
if ! diff -u "$work/before" "$work/after"; then
  echo "the program wrote into its prefix"
  fail=1
fi
exit $fail
