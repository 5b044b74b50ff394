#!/bin/bash
# The built program on a real Wayland compositor, weston's headless one, with
# Qt's own Wayland platform and the decorations it draws itself: the month
# view's picture is the one the program shows on an X server, the whole grid
# down to the last row and over to the Saturday column. A second start in the
# folder, while another window has the focus, says that Kalivo is already
# open: weston lets no window take the focus from another.
# Usage: tst_wayland.sh PROGRAM
set -u

program=$(readlink -f "$1")
[ -x "$program" ] || { echo "FAIL: no program at $1"; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/testlib.sh"
require_tools "./test.sh installs weston, qt6-wayland, xvfb, openbox, xdotool, x11-utils, imagemagick, faketime" \
    weston weston-screenshooter Xvfb openbox xdotool xprop import convert
require_fake_clock
python=/usr/bin/python3
[ -x "$python" ] || { echo "$python is not installed: skipped"; exit 77; }
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so > /dev/null 2>&1 \
    || { echo "qt6-wayland is not installed: skipped (./test.sh installs it)"; exit 77; }

export LC_ALL=C.UTF-8 LANG=C.UTF-8
runtime=$tmp/runtime
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime

# 10 March 2026, with a few notes, one of them longer than its box shows.
work=$tmp/work
mkdir -p "$work/data" "$work/temp"
printf 'Dentist cleaning at 9:30' > "$work/data/2026-03-02.txt"
printf 'Month end report\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9' > "$work/data/2026-03-06.txt"
printf 'Quarter ends' > "$work/data/2026-03-31.txt"
run_kalivo() { # run_kalivo FOLDER [ARGUMENT]: in the background, on 10 March 2026
    local folder=$1
    shift
    (cd "$folder" && exec env LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" "$program" "$@")
}

# --- The picture on an X server ---------------------------------------------
start_x_session 1024x768 || {
    cat "$tmp/xvfb.log" "$tmp/openbox.log" 2>/dev/null
    echo "FAIL: no X server with a ready window manager started"
    exit 1
}
start_program "$work" env QT_QPA_PLATFORM=xcb LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" "$program"
x_window=$(wait_window '^Kalivo 1\.0$')
check "the month view appears on the X server" [ -n "$x_window" ]
[ -n "$x_window" ] || { summary; exit; }
sleep 1
import -window "$x_window" "$tmp/x.png"
# The grid ends at the client area's bottom and right edges: there, a
# cell's frame, not the window's background, which shows where the last
# row has no cells (March 2026 ends on a Tuesday).
pixel() { convert "$tmp/x.png" -format "%[hex:p{$1,$2}]" info:; }
read -r x_width x_height < <(identify -format '%w %h' "$tmp/x.png")
background=$(pixel $((x_width - 3)) $((x_height - 3)))
check "on X, the grid reaches the bottom edge" [ "$(pixel 1 $((x_height - 1)))" != "$background" ]
check "on X, the grid reaches the right edge" [ "$(pixel $((x_width - 1)) 60)" != "$background" ]
kill -TERM "$program_pid"
wait_program 15
kill "$wm_pid" "$xvfb_pid" 2>/dev/null
wait "$wm_pid" "$xvfb_pid" 2>/dev/null
wm_pid= xvfb_pid=
unset DISPLAY

# --- The same on weston -----------------------------------------------------
socket=kalivo-test-$$
weston --backend=headless-backend.so --use-pixman --debug --socket="$socket" --width=1024 --height=768 \
    --idle-time=0 > "$tmp/weston.log" 2>&1 &
weston_pid=$!
other_pid=
wayland_cleanup() {
    for pid in $other_pid $program_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    program_pid=
    kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    testlib_cleanup
}
trap wayland_cleanup EXIT
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { cat "$tmp/weston.log"; echo "FAIL: weston did not start"; exit 1; }
export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland

# screenshot NAME: what weston shows, in $tmp/NAME.png
screenshot() {
    mkdir -p "$tmp/shots"
    rm -f "$tmp/shots"/*.png
    (cd "$tmp/shots" && weston-screenshooter) > /dev/null 2>&1
    mv "$tmp/shots"/*.png "$tmp/$1.png" 2> /dev/null
}

start_program "$work" env LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" "$program"
# The window is up when the X picture's headings are found on the screen.
convert "$tmp/x.png" "$tmp/x.ppm"
found=
for _ in $(seq 40); do
    sleep 0.5
    screenshot wayland || continue
    convert "$tmp/wayland.png" "$tmp/wayland.ppm"
    found=$("$python" "$here/imagefind.py" "$tmp/x.ppm" "$tmp/wayland.ppm" 25) && break
done
echo "the X picture on weston: ${found:-not found}"
check "the month view's headings show on weston as on X" [ -n "$found" ]
if [ -n "$found" ]; then
    eval "$found"
    check "the grid's last row shows whole ($bottom of $width pixels)" [ "$bottom" -ge $((width * 95 / 100)) ]
    check "the Saturday column shows whole ($right of $height pixels)" [ "$right" -ge $((height * 95 / 100)) ]
    check "the whole window looks as on X ($same of $pixels pixels)" [ "$same" -ge $((pixels * 99 / 100)) ]
fi

# Another folder's month view takes the focus; a second start in the first
# folder finds its month view, which cannot take the focus back here.
other=$tmp/other
mkdir -p "$other/data" "$other/temp"
run_kalivo "$other" > "$tmp/other.log" 2>&1 &
other_pid=$!
sleep 3
(cd "$work" && XDG_ACTIVATION_TOKEN=kalivo-test-token exec timeout 10 env LD_PRELOAD="$fake_clock_library" FAKETIME="$fake_clock" "$program") \
    > "$tmp/second.log" 2>&1
second_status=$?
check "a second start ends with status 0 (ended: $second_status)" [ "$second_status" = 0 ]
check "it says in one line that Kalivo is already open" \
    [ "$(grep -c "^kalivo: Kalivo is already open on $work" "$tmp/second.log")" = 1 ]

if [ "$failures" -ne 0 ]; then
    echo "program's output:"
    cat "$tmp/program.log" "$tmp/second.log"
fi
summary
