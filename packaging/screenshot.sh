#!/usr/bin/env bash
# Takes packaging/screenshot.png, the README's picture of the month view: the
# built program on a private X server with a small window manager, in a
# temporary working folder with a few sample notes, on a fixed date.
# Usage: packaging/screenshot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
program=$build/kalivo
output=$source_dir/packaging/screenshot.png
for tool in Xvfb openbox xdotool faketime import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is not installed" >&2; exit 1; }
done
[ -x "$program" ] || { echo "screenshot.sh: no program at $program; build first" >&2; exit 1; }

tmp=$(mktemp -d)
xvfb_pid= wm_pid= program_pid=
cleanup() {
    set +e
    for pid in $program_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

for n in $(seq 14 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$tmp/displayfd" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$tmp/displayfd" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [ -s "$tmp/displayfd" ] && break
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "screenshot.sh: no X server started" >&2; exit 1; }
export DISPLAY=:$(head -1 "$tmp/displayfd")
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
sleep 1

# March 2026, seen on the 10th.
work=$tmp/work
mkdir -p "$work/data" "$work/temp"
note() { printf '%b' "$2" > "$work/data/$1.txt"; }
note 2026-03-02 'Dentist 9:30'
note 2026-03-06 'Car service\r\nbring the papers'
note 2026-03-10 'Project review\r\nslides!'
note 2026-03-14 "Anna's\r\nbirthday"
note 2026-03-20 'Deposit\r\nmatures'
note 2026-03-25 'Insurance\r\npremium due'
note 2026-03-31 'Quarter ends'

(cd "$work" && LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    exec faketime "2026-03-10 10:00:00" "$program") >"$tmp/program.log" 2>&1 &
program_pid=$!
window=
for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --name '^Kalivo 1\.0$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$tmp/program.log" >&2; echo "screenshot.sh: the window Kalivo 1.0 did not appear" >&2; exit 1; }
sleep 1
import -frame -window "$window" "$tmp/shot.png"
mv "$tmp/shot.png" "$output"
echo "Wrote $output"
