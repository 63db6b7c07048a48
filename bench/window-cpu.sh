#!/usr/bin/env bash
# What the pet window costs next to the least a Qt 6 window costs, on one private Xvfb display.
# Not a test: it prints figures.
#
#   start-up   time from the start to the map event of the program's window (the X server's
#              MapNotify, seen by bench/window/XProbe.cpp), median of five starts, for the pet
#              program and for the minimal window
#   idle       the pet window as it starts, beside a label with a 1 s timer
#   clock      the pet window in its clock view (the 時計表示 button), beside the same label
#   flight     the pet flying (the 飛べ！ 羽ばたけ！ button, pressed again whenever a flight has
#              ended), beside a bare window that a 5 ms timer moves, as the flight's own timer
#              does; the moves of both windows are counted, and the ratio per move compares the
#              two moved equally often
#
# Each phase starts both programs afresh, lets them settle for three seconds, then reads their
# CPU time (utime + stime of /proc/PID/stat: the processes themselves, not this script) over
# SECONDS and prints it with the ratio pet / minimal; the same ratio to the nanosecond follows
# (the threads' /proc/PID/task/*/schedstat), as a tick of /proc/PID/stat is 10 ms. The pet runs from a fresh temporary copy
# of the release program folder holding a saved pet that may fly.
#
# Usage: bench/window-cpu.sh [SECONDS]   (default 60)
#        PROGRAM_DIR=FOLDER bench/window-cpu.sh ...   measures the program of another build's
#        program folder (a copy kept from before a change) against the same minimal window
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
settle=3
scripts/deps bench

preset=release
build="build/$preset"
[ -f "$build/build.ninja" ] || cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target myuruka myuruka-minimal-window myuruka-xprobe >/dev/null
program_dir="${PROGRAM_DIR:-$build/myuruka}"
minimal="$build/bench/window/myuruka-minimal-window"
xprobe="$build/bench/window/myuruka-xprobe"

work=$(mktemp -d)
pids=()
xvfb=""
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A private display: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
hz=$(getconf CLK_TCK)

# A fresh copy of the program folder with a saved pet, as a first start leaves it (no
# integrity stamps yet: accepted), in the full panel at 50, 50, whose flight title shows the
# flight button.
fresh_program() {
  local dir="$work/prog.$1"
  rm -rf "$dir"
  cp -r "$program_dir" "$dir"
  rm -f "$dir"/{user,title,dead}.ini "$dir"/*.dat
  local now
  now=$(date '+%Y/%m/%d %H:%M:%S')
  printf '%s\r\n' '[PROFILE]' 'Name=bench' 'Mail=' 'Sex=?' 'Age=20' 'Type=ok' \
    '[PETPROFILE]' 'PetName=bench' 'POWER=20' 'DEFENSE=20' 'SPEED=20' 'LUCK=20' 'MAXHP=50' \
    'HP=50' 'MAXMP=50' 'MP=50' 'BRAIN=20' 'HAPPY=80' 'MANPUKU=80' 'OTAKU=20' \
    '[TIME]' "START=$now" "LASTTIME=$now" '[POSITION]' 'Mode=0' 'Left=750' 'Top=750' \
    >"$dir/user.ini"
  printf '%s\r\n' '[SERVE]' 'TOBUKUSURI=10' >"$dir/title.ini"
  echo "$dir/myuruka"
}

# Starts a program and waits for its window: sets started_pid, started_window, started_ms.
start() {
  local line
  line=$("$xprobe" map "$@")
  read -r started_pid started_window started_ms <<<"$line"
  pids+=("$started_pid")
}

stop() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do [ -e "/proc/$1" ] || return 0; sleep 0.1; done
  kill -9 "$1" 2>/dev/null || true
}

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# The same CPU time to the nanosecond, summed over the process's threads: a tick of
# /proc/PID/stat is 10 ms, a good part of what the minimal window uses in a minute.
nanos() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {printf "%.0f", n}'; }
rss_mib() { awk '/VmRSS/ {printf "%d", $2 / 1024}' "/proc/$1/status"; }

# A click inside the pet window at a point given in twips of its inside (the window is
# 5655 twips wide inside in its full layout), whatever the display's dpi.
click_twips() {
  local window=$1 x=$2 y=$3 width
  width=$(xdotool getwindowgeometry --shell "$window" | awk -F= '/^WIDTH/ {print $2}')
  xdotool mousemove --window "$window" $((x * width / 5655)) $((y * width / 5655)) click 1
  # The pointer leaves the windows: no hover and no tool tip while measuring.
  xdotool mousemove 1279 799
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

echo "machine: $(nproc) CPUs, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"

# ---- start-up ----
pet_ms=()
min_ms=()
for i in 1 2 3 4 5; do
  start "$(fresh_program "start$i")"
  pet_ms+=("$started_ms")
  stop "$started_pid"
  start "$minimal"
  min_ms+=("$started_ms")
  stop "$started_pid"
done
pet_start=$(printf '%s\n' "${pet_ms[@]}" | median)
min_start=$(printf '%s\n' "${min_ms[@]}" | median)
printf 'start-up to the map event (median of 5): pet %s ms, minimal window %s ms (pet: %s)\n' \
  "$pet_start" "$min_start" "${pet_ms[*]}"

# ---- the three phases ----
# Runs one phase: $1 its name, $2 the minimal window's arguments, $3 what to do in the pet
# window once it is shown ("" nothing, "clock" or "fly").
phase() {
  local name=$1 minimal_args=$2 action=$3
  start "$(fresh_program "$name")"
  local pet=$started_pid pet_window=$started_window
  # The click first: the minimal window may then fly over the pet's.
  case "$action" in
    clock) click_twips "$pet_window" 3532 2302 ;;  # Command11, 時計表示
    fly) click_twips "$pet_window" 4207 3075 ;;    # btnFLY
  esac
  # shellcheck disable=SC2086
  start "$minimal" $minimal_args
  local other=$started_pid other_window=$started_window
  sleep "$settle"
  local moves="" keeper=""
  if [ "$action" = fly ]; then
    "$xprobe" moves "$seconds" "$pet_window" "$other_window" >"$work/moves" &
    moves=$!
    # A flight ends after some bounces: once the window has stood still for a moment, the
    # owner sends it off again.
    rm -f "$work/stop"
    echo 0 >"$work/restarts"
    (
      n=0 was=""
      while [ ! -e "$work/stop" ]; do
        at=$(xdotool getwindowgeometry --shell "$pet_window" | grep -E '^(X|Y)=' | tr '\n' ' ')
        if [ "$at" = "$was" ]; then
          click_twips "$pet_window" 4207 3075
          n=$((n + 1))
          echo "$n" >"$work/restarts"
          was=""
        else
          was=$at
        fi
        sleep 0.2
      done
    ) &
    keeper=$!
  fi
  local pet0 other0 pet1 other1 petn0 othern0 petn1 othern1
  pet0=$(ticks "$pet")
  other0=$(ticks "$other")
  petn0=$(nanos "$pet")
  othern0=$(nanos "$other")
  sleep "$seconds"
  pet1=$(ticks "$pet")
  other1=$(ticks "$other")
  petn1=$(nanos "$pet")
  othern1=$(nanos "$other")
  local extra=""
  if [ -n "$moves" ]; then
    touch "$work/stop"
    wait "$keeper" "$moves"
    # The pet stands still between flights: per move, the two cost what they cost moved
    # equally often.
    extra=$(awk -v pn=$((petn1 - petn0)) -v on=$((othern1 - othern0)) -v r="$(cat "$work/restarts")" \
      'NR == 1 {p = $1} NR == 2 {o = $1} END {
        printf ", window moves: pet %d (%d flights started again), bare %d", p, r, o
        if (p > 0 && o > 0 && on > 0) printf "; per move: ratio %.2f", (pn / p) / (on / o)
      }' "$work/moves")
  fi
  awk -v n="$name" -v p=$((pet1 - pet0)) -v o=$((other1 - other0)) -v hz="$hz" -v s="$seconds" \
    -v pn=$((petn1 - petn0)) -v on=$((othern1 - othern0)) \
    -v rp="$(rss_mib "$pet")" -v ro="$(rss_mib "$other")" -v extra="$extra" 'BEGIN {
      printf "%-6s over %d s: pet %.2f s (%.2f %% of a core, %d MiB), minimal %.2f s (%d MiB), ratio %s",
        n, s, p / hz, p / hz / s * 100, rp, o / hz, ro, (o > 0 ? sprintf("%.2f", p / o) : "n/a")
      if (pn > 0 && on > 0)
        printf " (to the ns: %.3f s / %.3f s = %.2f)", pn / 1e9, on / 1e9, pn / on
      printf "%s\n", extra
    }'
  stop "$pet"
  stop "$other"
}

phase idle "" ""
phase clock "" clock
phase flight "--fly" fly
