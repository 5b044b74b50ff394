# The harness the shell tests share, and packaging/screenshot.sh with them.
# Sourced, not run; works in sh and bash, and under `set -eu`.
#
# Sourcing it makes a temporary folder $tmp, removed on exit together with
# whatever runs in $program_pid, $wm_pid, $bus_pid and $xvfb_pid (stopped in
# that order: the program before the window manager before the X server).

tmp=$(mktemp -d)
program_pid= wm_pid= bus_pid= xvfb_pid=
failures=0
checks=0

testlib_cleanup() {
    set +e
    for pid in $program_pid $wm_pid $bus_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap testlib_cleanup EXIT
# An interrupted run cleans up too.
trap 'exit 130' INT
trap 'exit 143' TERM

# --- Checks ------------------------------------------------------------------

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

check() { # check DESCRIPTION COMMAND...
    local description=$1
    shift
    checks=$((checks + 1))
    "$@" || fail "$description"
}

# The closing line; the script's exit status when it is the last command.
summary() {
    echo "$((checks - failures)) passed, $failures failed"
    [ "$failures" -eq 0 ]
}

# require_tools HINT TOOL...: skips the test (exit 77) unless every TOOL is
# on PATH; HINT says where to get them.
require_tools() {
    local hint=$1 tool
    shift
    for tool in "$@"; do
        command -v "$tool" >/dev/null || {
            echo "$tool is not installed: skipped ($hint)"
            exit 77
        }
    done
}

# --- The clock -----------------------------------------------------------------

# A program that must see 10 March 2026 runs through libfaketime itself:
#   env LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" PROGRAM
# The faketime wrapper names a semaphore after its own process id and leaves
# it behind when it is killed; a later wrapper with the same id then fails.
fake_clock="@2026-03-10 10:00:00"
fake_clock_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)

require_fake_clock() {
    [ -n "$fake_clock_library" ] || {
        echo "libfaketime is not installed: skipped (./test.sh installs faketime)"
        exit 77
    }
}

# --- The program -------------------------------------------------------------

# start_program FOLDER COMMAND...: COMMAND in the background in FOLDER, its
# output in $tmp/program.log and its id in $program_pid.
start_program() {
    local folder=$1
    shift
    (cd "$folder" && exec "$@") > "$tmp/program.log" 2>&1 &
    program_pid=$!
}

# wait_program SECONDS: waits that long at most for the program to end. Its
# exit status goes into $status, or "running" when it had to be stopped.
wait_program() {
    local ticks=0
    while kill -0 "$program_pid" 2>/dev/null && [ "$ticks" -lt $(($1 * 20)) ]; do
        sleep 0.05
        ticks=$((ticks + 1))
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        kill "$program_pid"
        wait "$program_pid" 2>/dev/null || :
        status=running
    else
        status=0
        wait "$program_pid" || status=$?
    fi
    program_pid=
}

# wait_for SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds,
# for SECONDS at most; returns 1 when it never did.
wait_for() {
    local ticks=$(($1 * 20))
    shift
    until "$@"; do
        [ "$ticks" -gt 0 ] || return 1
        ticks=$((ticks - 1))
        sleep 0.05
    done
}

# wait_idle PID: waits until process PID has used no processor time for
# 0.2 s, 10 seconds at most: it has handled all the input it was sent.
wait_idle() {
    local last now same=0 ticks=200
    last=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }')
    while [ "$same" -lt 4 ] && [ "$ticks" -gt 0 ]; do
        sleep 0.05
        now=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }')
        if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
        last=$now ticks=$((ticks - 1))
    done
}

# --- An X session ------------------------------------------------------------

# Whether the window manager on $DISPLAY has announced itself on the root
# window and lists _NET_ACTIVE_WINDOW among what it supports. openbox sets the
# announcement a moment before that list, and xdotool refuses to activate a
# window while the list lacks it.
wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" \
        && xprop -root _NET_SUPPORTED 2>/dev/null | grep -q "_NET_ACTIVE_WINDOW"
}

# start_x_session WIDTHxHEIGHT: an X server of that size on a display of its
# own, with openbox running on it and ready; exports DISPLAY. Returns 1 when
# no server would start, with the last one's output in $tmp/xvfb.log, or
# when the window manager did not get ready, with its output in
# $tmp/openbox.log.
start_x_session() {
    local n
    # The first display from 14 up that no server holds (low numbers are where
    # real desktops live). -displayfd tells when the server takes clients.
    for n in $(seq 14 99); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        rm -f "$tmp/displayfd"
        Xvfb ":$n" -screen 0 "${1}x24" -nolisten tcp -displayfd 3 \
            3>"$tmp/displayfd" 2>"$tmp/xvfb.log" &
        xvfb_pid=$!
        for _ in $(seq 100); do
            [ -s "$tmp/displayfd" ] && break
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        [ -s "$tmp/displayfd" ] && break
        wait "$xvfb_pid" 2>/dev/null || :
        xvfb_pid=
    done
    [ -n "$xvfb_pid" ] || return 1
    DISPLAY=:$(head -1 "$tmp/displayfd")
    export DISPLAY

    # A session bus of the session's own, as a desktop has one. Without an
    # address, a program's first call on the bus would have libdbus start a
    # bus for the display through dbus-launch, which outlives the test and
    # can keep the program waiting; without dbus-daemon, an address where no
    # bus answers.
    if command -v dbus-daemon >/dev/null \
        && dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
            3>"$tmp/bus" 4>"$tmp/bus.pid"; then
        bus_pid=$(cat "$tmp/bus.pid")
        DBUS_SESSION_BUS_ADDRESS=$(head -1 "$tmp/bus")
    else
        DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/no-session-bus
    fi
    export DBUS_SESSION_BUS_ADDRESS

    # Windows mapped before the window manager holds the screen would get no
    # frame. A machine busy with other tests may take seconds to start it:
    # 20 at most.
    # One that ends before it is ready (a busy X server can make it give
    # up) is started again, twice at most.
    local try
    for try in 1 2 3; do
        openbox --sm-disable > "$tmp/openbox.log" 2>&1 &
        wm_pid=$!
        for _ in $(seq 400); do
            wm_ready && return 0
            kill -0 "$wm_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -0 "$wm_pid" 2>/dev/null && return 1
        wait "$wm_pid" 2>/dev/null
        wm_pid=
    done
    return 1
}

# wait_window TITLE_REGEX [SECONDS]: prints the id of the shown window with
# that title, or nothing when none shows within SECONDS (20). Polled rather
# than with --sync, which can miss a window that is being mapped while it
# looks.
wait_window() {
    local id
    for _ in $(seq $((${2:-20} * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || :
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
}
