#!/usr/bin/env bash
# The pet under a real compositor, run headless with two monitors of unequal size
# (1920 × 1080 and 1280 × 1024 side by side) and XWayland, everything private to the test:
#
#   compositor-test.sh mutter|kwin BUILD-FOLDER [SCREENSHOT-FOLDER]
#
# BUILD-FOLDER holds the program folder myuruka/, myuruka-scenario and the bench's
# myuruka-minimal-window; with a SCREENSHOT-FOLDER, pictures of the windows (ImageMagick's
# import) go there.
#
# The compositor runs as a plain user (mutter refuses root) in a mount and network namespace
# of the test's own, so that its XWayland display cannot meet another X server of the machine
# (the X socket folder is a fresh tmpfs, abstract sockets belong to the network namespace);
# mutter gets a D-Bus session bus of its own. A pet made by the scenario runner sits at
# 2403,303 pixels, on the second monitor. Checked from the X side (xdotool, xwininfo, xprop on
# the XWayland display): the window opens there; a flight moves it and keeps it on that
# monitor; "常に手前に表示" keeps it above a window that takes the focus; the status window
# and the closing box open on the pet's monitor; closing saves the position it really has; with
# an X display that leads nowhere it runs over Wayland.
# Without the compositor, or where it cannot start, the test is skipped (status 77) with the
# reason.
set -uo pipefail
readonly SKIP=77
here=$(cd "$(dirname "$0")" && pwd)

if [ "${1:-}" != --inside ] && [ "${1:-}" != --session ]; then
  compositor="$1" build="$2" shots="${3:-}"
  program_folder="$build/myuruka" runner="$build/myuruka-scenario"
  case "$compositor" in
    mutter) binary=mutter ;;
    kwin) binary=kwin_wayland ;;
    *) echo "unknown compositor $compositor"; exit 2 ;;
  esac
  command -v "$binary" >/dev/null || { echo "SKIP: $binary is not installed (scripts/deps test)"; exit $SKIP; }
  command -v Xwayland >/dev/null || { echo "SKIP: Xwayland is not installed"; exit $SKIP; }
  [ "$(id -u)" -eq 0 ] || { echo "SKIP: the test needs root to make its namespaces and run the compositor as another user"; exit $SKIP; }
  unshare --mount --net true 2>/dev/null ||
    { echo "SKIP: no private mount and network namespace here (unshare refused)"; exit $SKIP; }
  work=$(mktemp -d /tmp/myuruka-desktop.XXXXXX)
  [ -n "${MYURUKA_KEEP_DESKTOP_TEST:-}" ] || trap 'rm -rf "$work"' EXIT
  chmod 755 "$work"
  # A copy of the program folder, the pet made in it, then handed to the user.
  mkdir -p "$work/pet" "$work/home" "$work/run" "$work/logs"
  cp -prL "$program_folder/." "$work/pet/"
  cp -p "$build/bench/window/myuruka-minimal-window" "$work/" 2>/dev/null || true
  { echo "folder $work/pet"
    echo "clock $(date '+%Y/%m/%d %H:%M:%S')"
    cat "$here/pet-on-second-monitor.scn.in"; } | "$runner" - >"$work/runner.out" 2>&1 ||
    { echo "the scenario runner could not make the pet:"; cat "$work/runner.out"; exit 1; }
  chown -R 65534:65534 "$work/pet" "$work/home" "$work/run" "$work/logs"
  chmod 700 "$work/run"
  unshare --mount --net "$0" --inside "$compositor" "$work" "$shots"
  exit $?
fi

if [ "$1" = --inside ]; then
  # Root in the private namespaces: a fresh X socket folder, the loopback up, then the user.
  compositor="$2" work="$3" shots="$4"
  mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix 2>/dev/null ||
    { mkdir -p /tmp/.X11-unix && mount -t tmpfs -o mode=1777 tmpfs /tmp/.X11-unix; } ||
    { echo "SKIP: cannot mount a private X socket folder"; exit $SKIP; }
  ip link set lo up 2>/dev/null || true
  [ -n "$shots" ] && mkdir -p "$work/shots" && chown 65534:65534 "$work/shots"
  setpriv --reuid=65534 --regid=65534 --clear-groups \
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" LANG=C.UTF-8 \
    dbus-run-session -- "$0" --session "$compositor" "$work" "$shots"
  status=$?
  if [ -n "$shots" ]; then cp "$work/shots/"*.png "$shots/" 2>/dev/null; fi
  exit $status
fi

# --session: the plain user, on the test's own session bus.
compositor="$2" work="$3" shots="$4"
pet="$work/pet"
log="$work/logs/compositor.log"
compositor_pid="" program_pid="" other_pid=""
cleanup() {
  for p in $other_pid $program_pid $compositor_pid; do kill "$p" 2>/dev/null; done
  sleep 0.5
  for p in $other_pid $program_pid $compositor_pid; do kill -9 "$p" 2>/dev/null; done
}
trap cleanup EXIT

# The second monitor, right of the first (1920 × 1080): kwin's virtual outputs are all of one size.
second_width=1280 second_height=1024
case "$compositor" in
  mutter)
    mutter --headless --wayland --virtual-monitor 1920x1080 --virtual-monitor 1280x1024 \
      >"$log" 2>&1 &
    compositor_pid=$!
    ;;
  kwin)
    # The packaged binary carries a file capability, which a container refuses to run
    # ("Operation not permitted"): a copy without it.
    cp /usr/bin/kwin_wayland "$work/home/kwin_wayland"
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 KWIN_COMPOSE=Q "$work/home/kwin_wayland" --virtual --xwayland \
      --output-count 2 --width 1920 --height 1080 --no-lockscreen >"$log" 2>&1 &
    compositor_pid=$!
    second_width=1920 second_height=1080
    ;;
esac
# XWayland's socket appears in the private socket folder once the compositor is up.
display=""
for _ in $(seq 200); do
  sock=$(ls /tmp/.X11-unix 2>/dev/null | head -n1)
  [ -n "$sock" ] && display=":${sock#X}" && break
  kill -0 "$compositor_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$display" ]; then
  echo "SKIP: $compositor did not start with XWayland:"
  tail -n 20 "$log"
  exit $SKIP
fi
export DISPLAY="$display"
auth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* "$XDG_RUNTIME_DIR"/xauth_* 2>/dev/null | head -n1)
[ -n "$auth" ] && export XAUTHORITY="$auth"
export WAYLAND_DISPLAY=wayland-0
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
echo "$compositor: XWayland on $DISPLAY"
xwininfo -root | grep -E "Width|Height"

fail=0
check() {  # check WHAT CONDITION...
  local what="$1"
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; fail=1; fi
}
titled() { xwininfo -root -tree 2>/dev/null | grep -F "\"$1\"" | awk '{print $1}' | head -n1 || true; }
# The outer frame's top-left corner of a client window, and its size (pixels).
frame_of() {
  local info ax ay rx ry w h
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  ax=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  ay=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  rx=$(sed -n 's/.*Relative upper-left X: *//p' <<<"$info")
  ry=$(sed -n 's/.*Relative upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$((ax - rx)) $((ay - ry)) $w $h"
}
on_second() {  # the window lies on the second monitor (within the frame's border pixel)
  read -r x y w h < <(frame_of "$1") || return 1
  [ "$x" -ge 1918 ] && [ $((x + w)) -le $((1922 + second_width)) ] && [ "$y" -ge -2 ] &&
    [ $((y + h)) -le $((2 + second_height)) ]
}
# The pet window: titled "ミュルカ" like the boxes, but wider. Changing "常に手前に表示" makes
# it anew, so it is looked up each time.
pet_id() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | grep -F '"ミュルカ"' | awk '{print $1}'); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable || continue
    [ "$(xwininfo -id "$id" | sed -n 's/.*Width: *//p')" -ge 300 ] && { echo "$id"; return 0; }
  done
  return 1
}
wait_for() {  # wait_for TITLE: the window's id once it is mapped
  local id=""
  for _ in $(seq 200); do
    id=$(titled "$1")
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
shot() {  # shot NAME WINDOW
  [ -n "$shots" ] && command -v import >/dev/null && import -window "$2" "$work/shots/$1.png"
  return 0
}

# The program over XWayland, as a Wayland session starts it.
(cd "$pet" && QT_QPA_PLATFORM= ./myuruka >"$work/logs/program.out" 2>&1) &
program_pid=$!
pet_window=$(wait_for "ミュルカ") || { echo "the pet window did not show:"; cat "$work/logs/program.out"; exit 1; }
sleep 1
read -r x y w h < <(frame_of "$pet_window")
echo "pet window $pet_window at $x,$y size ${w}x$h"
check "the pet opens at its saved position on the second monitor (2403,303)" \
  test "$x" -ge 2398 -a "$x" -le 2408 -a "$y" -ge 298 -a "$y" -le 308
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }  # client pixels

# A flight: the fly button (in the full panel at 2880,2910 twips, 2655 × 330).
click_in "$pet_window" 280 205
moved=0 off=0 samples=""
read -r x0 y0 _ < <(frame_of "$pet_window")
for _ in $(seq 40); do
  sleep 0.05
  read -r fx fy _ < <(frame_of "$pet_window")
  [ "$fx" != "$x0" ] || [ "$fy" != "$y0" ] && moved=1
  on_second "$pet_window" || off=1
  samples+=" $fx,$fy"
done
echo "flight samples:$samples"
check "a flight moves the window" test $moved -eq 1
check "the flight keeps it on the second monitor" test $off -eq 0
# It ends after seven bounces: wait until the window rests for 2 s, and still rests 3 s later
# (a busy compositor may keep a window still for a while and then catch up).
last="" same=0 rest=""
for _ in $(seq 400); do
  sleep 0.2
  now=$(frame_of "$pet_window")
  if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
  rest+=" ${now% * *}"
  last=$now
  if [ $same -ge 10 ]; then
    sleep 3
    [ "$(frame_of "$pet_window")" = "$now" ] && break
    same=0
  fi
done
echo "until it rests:$rest"
check "the flight ends on the second monitor" on_second "$pet_window"
read -r rest_x rest_y _ < <(frame_of "$pet_window")
echo "at rest at $rest_x,$rest_y"
sleep 2
shot pet-second-monitor "$pet_window"

# Always on top ("常に手前に表示", 2880,1380 twips), then another program's window is put over
# the pet and takes the focus.
click_in "$pet_window" 200 100
sleep 0.5
pet_window=$(pet_id)
state=$(xprop -id "$pet_window" _NET_WM_STATE)
echo "$state"
check "the pet window asks to be above the others" grep -q _NET_WM_STATE_ABOVE <<<"$state"
if [ -x "$work/myuruka-minimal-window" ]; then
  QT_QPA_PLATFORM=xcb "$work/myuruka-minimal-window" >"$work/logs/other.out" 2>&1 &
  other_pid=$!
  other=$(wait_for "minimal") || other=""
  check "another window opens" test -n "$other"
  if [ -n "$other" ]; then
    read -r px py _ < <(frame_of "$pet_window")
    xdotool windowmove "$other" $((px + 20)) $((py + 20)) windowactivate --sync "$other" 2>/dev/null
    sleep 0.5
    echo "focus: $(xdotool getwindowfocus 2>/dev/null) (other $((other)))"
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    pet_rank=-1 other_rank=-1 i=0
    for id in $stacking; do
      [ "$((id))" = "$((pet_window))" ] && pet_rank=$i
      [ "$((id))" = "$((other))" ] && other_rank=$i
      i=$((i + 1))
    done
    echo "stacking (bottom to top): $stacking"
    check "the pet stays above the window that took the focus" test "$pet_rank" -gt "$other_rank"
    shot above-other-window "$pet_window"
  fi
  kill "$other_pid" 2>/dev/null
  wait "$other_pid" 2>/dev/null
  other_pid=""
else
  echo "FAILED: no myuruka-minimal-window in the build (the bench tools)"
  fail=1
fi

# The status window ("詳細ステータスを見る", 4230,1695 twips) opens on the pet's monitor; closing
# it brings the pet back exactly where it was.
click_in "$pet_window" 325 125
status_window=$(wait_for "ちょうしはいかがかしら？") || status_window=""
check "the status window opens" test -n "$status_window"
if [ -n "$status_window" ]; then
  sleep 0.5
  read -r sx sy sw sh < <(frame_of "$status_window")
  echo "status window at $sx,$sy size ${sw}x$sh"
  check "the status window opens on the pet's monitor" on_second "$status_window"
  shot status-second-monitor "$status_window"
  click_in "$status_window" 520 196  # its "OK" (6600,2760 twips, 2400 × 375)
  for _ in $(seq 100); do
    pet_window=$(pet_id) && break
    sleep 0.1
  done
  sleep 0.5
  read -r bx by _ < <(frame_of "$pet_window")
  echo "the pet is back at $bx,$by"
  check "the pet comes back where it was ($rest_x,$rest_y)" test "$bx,$by" = "$rest_x,$rest_y"
fi

# Closing ("終了", 4230,2115 twips): the goodbye box on the pet's monitor, the position saved.
read -r last_x last_y _ < <(frame_of "$pet_window")
click_in "$pet_window" 325 153
box=$(wait_for "ミュルカ") || box=""
# The pet window itself is titled so as well: the box is the other one.
for _ in $(seq 50); do
  box=$(xwininfo -root -tree | grep -F '"ミュルカ"' | awk '{print $1}' | while read -r id; do
    [ "$((id))" != "$((pet_window))" ] && echo "$id"; done | head -n1)
  [ -n "$box" ] && break
  sleep 0.1
done
check "the goodbye box opens" test -n "$box"
if [ -n "$box" ]; then
  sleep 0.3
  read -r mx my _ < <(frame_of "$box")
  echo "goodbye box at $mx,$my"
  check "the goodbye box opens on the pet's monitor" on_second "$box"
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
fi
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
check "the program ends" test ! -e "/proc/$program_pid"
program_pid=""
left=$(sed -n 's/^Left=//p' "$pet/user.ini" | tr -d '\r')
top=$(sed -n 's/^Top=//p' "$pet/user.ini" | tr -d '\r')
echo "saved Left=$left Top=$top (the window was at $last_x,$last_y pixels)"
check "closing saves the position the window really had" \
  test $((left / 15 - last_x)) -ge -1 -a $((left / 15 - last_x)) -le 1 \
  -a $((top / 15 - last_y)) -ge -1 -a $((top / 15 - last_y)) -le 1

# An X display that leads nowhere beside the compositor's Wayland display: the program goes on
# over Wayland (it stays up with its window, no abort), and ends on TERM.
(cd "$pet" && DISPLAY=:99 QT_QPA_PLATFORM= ./myuruka >"$work/logs/wayland.out" 2>&1) &
program_pid=$!
sleep 4
check "without its X display the program runs over Wayland" kill -0 "$program_pid"
grep -q "xcb" "$work/logs/wayland.out" && sed -n 1,5p "$work/logs/wayland.out"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=""

exit $fail
