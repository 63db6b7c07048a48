#!/usr/bin/env bash
# Start-up time to the shown pet window, and idle CPU and resident memory over one minute with
# the pet window open. Runs the release program under a private Xvfb display on a copy of its
# program folder holding a saved pet. Not a test: it prints figures.
# Usage: bench/startup-idle.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install xvfb xdotool)"; exit 2; }
done
scripts/build release >/dev/null

work=$(mktemp -d)
trap 'kill "$pid" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r build/release/myuruka "$work/prog"
rm -f "$work/prog"/{user,title,dead}.ini "$work/prog"/*.dat
# A saved pet, as a first start leaves it (no integrity stamp yet: accepted).
printf '%s\r\n' '[PROFILE]' 'Name=bench' 'Mail=' 'Sex=?' 'Age=20' 'Type=ok' \
  '[PETPROFILE]' 'PetName=bench' 'POWER=20' 'DEFENSE=20' 'SPEED=20' 'LUCK=20' 'MAXHP=50' 'HP=50' \
  'MAXMP=50' 'MP=50' 'BRAIN=20' 'HAPPY=80' 'MANPUKU=80' 'OTAKU=20' \
  '[TIME]' "START=$(date '+%Y/%m/%d %H:%M:%S')" "LASTTIME=$(date '+%Y/%m/%d %H:%M:%S')" \
  > "$work/prog/user.ini"

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"

start=$(date +%s.%N)
"$work/prog/myuruka" &
pid=$!
xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
shown=$(date +%s.%N)

ticks_before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep "$seconds"
ticks_after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
rss_kb=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
hz=$(getconf CLK_TCK)

awk -v s="$start" -v e="$shown" 'BEGIN {printf "start-up to shown pet window: %.0f ms\n", (e - s) * 1000}'
awk -v t="$((ticks_after - ticks_before))" -v hz="$hz" -v sec="$seconds" \
  'BEGIN {printf "idle CPU over %d s: %.2f %% of one core (%.2f s)\n", sec, t / hz / sec * 100, t / hz}'
echo "resident memory: $((rss_kb / 1024)) MiB"
