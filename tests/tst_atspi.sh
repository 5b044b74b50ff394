#!/bin/bash
# The built program as a screen reader finds it: on a real X server, with a
# session bus and the accessibility bus, a client of the accessibility bus
# (atspi_walk.py, on python3-pyatspi) walks the tree of the running
# program: the greeting, the month view before and after "Next month" is
# pressed through its action, "Find in notes", the reminder.
# Usage: tst_atspi.sh PROGRAM
set -u

program=$(readlink -f "$1")
[ -x "$program" ] || { echo "FAIL: no program at $1"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/testlib.sh"
require_tools "./test.sh installs xvfb, openbox, xdotool, x11-utils, dbus-daemon, at-spi2-core, python3-pyatspi" \
    Xvfb openbox xdotool xprop dbus-daemon
require_fake_clock
# Debian's own Python, which has pyatspi: not one that comes first on PATH.
python=/usr/bin/python3
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core is not installed: skipped"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed: skipped"; exit 77; }

start_x_session 1280x1024 || {
    cat "$tmp/xvfb.log" "$tmp/openbox.log" 2>/dev/null
    echo "FAIL: no X server with a ready window manager started"
    exit 1
}
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
runtime=$tmp/runtime
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

# The accessibility bus comes up on the session's bus when the program asks
# for it, and goes with it.
reminder_pid=
atspi_cleanup() {
    for pid in $reminder_pid $program_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    program_pid=
    testlib_cleanup
}
trap atspi_cleanup EXIT

walk() { # walk STEP: the client's checks of one step
    checks=$((checks + 1))
    "$python" "$here/atspi_walk.py" "$1" || fail "screen reader's view: $1"
}

# 10 March 2026, the first start in its folder, with notes; Qt offers the
# program's tree on the accessibility bus.
work=$tmp/work
mkdir -p "$work/data" "$work/temp"
: > "$work/ft.txt"
printf 'Dentist\r\nat 9:30' > "$work/data/2026-03-02.txt"
printf 'Insurance' > "$work/data/2026-03-10.txt"
start_program "$work" env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" \
    "$program"

walk greeting
# Return answers the greeting; on a busy machine the first may come before
# the window manager lets the box have the keyboard.
greeting=$(wait_window '^Kalivo$')
for _ in 1 2 3 4 5; do
    [ -n "$greeting" ] && xdotool search --onlyvisible --name '^Kalivo$' 2>/dev/null | grep -qx "$greeting" || break
    xdotool windowactivate --sync "$greeting" key Return
    sleep 1
done
# With a screen reader's client on the accessibility bus, a busy machine has
# been seen to keep the month view from showing for more than 20 seconds
# after the greeting, the program asleep, waiting on the bus.
main=$(wait_window '^Kalivo 1\.0$' 60)
check "the month view appears" [ -n "$main" ]
if [ -z "$main" ]; then
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "shown: $(xdotool getwindowname "$id")"
    done
    kill -0 "$program_pid" 2>/dev/null && echo "the program still runs"
fi
if [ -n "$main" ]; then
    walk month
    walk next
    xdotool windowactivate --sync "$main" key ctrl+f
    wait_window '^Find in notes$' > /dev/null
    xdotool type --delay 20 "in"
    walk find
    xdotool key Escape
fi

# The reminder of today's note, in a folder of its own.
other=$tmp/other
mkdir -p "$other/data" "$other/temp"
printf 'Insurance' > "$other/data/2026-03-10.txt"
(cd "$other" && exec env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" \
    "$program" remind) \
    > "$tmp/reminder.log" 2>&1 &
reminder_pid=$!
walk reminder

if [ "$failures" -ne 0 ]; then
    echo "program's last output:"
    cat "$tmp/program.log" "$tmp/reminder.log"
fi
summary
