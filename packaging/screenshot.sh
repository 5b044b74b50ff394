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
for tool in Xvfb openbox xprop xdotool faketime import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is not installed" >&2; exit 1; }
done
[ -x "$program" ] || { echo "screenshot.sh: no program at $program; build first" >&2; exit 1; }

. "$source_dir/tests/testlib.sh"
start_x_session 1024x768 || { echo "screenshot.sh: no X server started" >&2; exit 1; }

# March 2026, seen on the 10th.
work=$tmp/work
mkdir -p "$work/data" "$work/temp"
note() { printf '%b' "$2" > "$work/data/$1.txt"; }
note 2026-03-02 'Dentist cleaning at 9:30'
note 2026-03-06 'Car service\r\nbring the papers'
note 2026-03-10 'Project review\r\nslides!'
note 2026-03-14 "Anna's\r\nbirthday"
note 2026-03-16 'Project plan:\r\n- budget\r\n- staffing\r\n- milestones\r\n- risks\r\n- review dates\r\n- sign-off\r\n- kick-off party\r\n- report'
note 2026-03-20 'Deposit\r\nmatures'
note 2026-03-25 'Insurance\r\npremium due'
note 2026-03-31 'Quarter ends'

start_program "$work" env LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    faketime "2026-03-10 10:00:00" "$program"
window=$(wait_window '^Kalivo 1\.0$')
[ -n "$window" ] || { cat "$tmp/program.log" >&2; echo "screenshot.sh: the window Kalivo 1.0 did not appear" >&2; exit 1; }
sleep 1
import -frame -window "$window" "$tmp/shot.png"
mv "$tmp/shot.png" "$output"
echo "Wrote $output"
