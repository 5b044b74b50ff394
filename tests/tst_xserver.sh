#!/bin/bash
# The built program in a real X server with a window manager, driven as a
# person would: the first-start greeting, a note typed into today's cell,
# Ctrl+P and the typing going on, a click on "Next Month >", a note typed
# into the next month, Alt+Home back to today's note, the window closed
# through the window manager; then the reminder for today's note.
# Usage: tst_xserver.sh PROGRAM
set -u

program=$(readlink -f "$1")
[ -x "$program" ] || { echo "FAIL: no program at $1"; exit 1; }
. "$(dirname "$0")/testlib.sh"
require_tools "./test.sh installs xvfb, openbox, xdotool, wmctrl, x11-utils" \
    Xvfb openbox xdotool wmctrl xprop

start_x_session 1280x1024 || {
    cat "$tmp/xvfb.log" "$tmp/openbox.log" 2>/dev/null
    echo "FAIL: no X server with a ready window manager started"
    exit 1
}
echo "X server on $DISPLAY"

# The program as a person starts it: on the X server, English names.
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
unset XDG_DATA_HOME
# The programs' sockets go into a runtime folder of the test's own.
runtime=$tmp/runtime
mkdir -m 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
# The web viewer that "Print" starts writes down the page it was given.
mkdir "$tmp/bin"
printf '#!/bin/sh\necho "$1" >> "%s/viewer.log"\n' "$tmp" > "$tmp/bin/xdg-open"
chmod +x "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH

# Closes a window the way its close box does: the window manager asks the
# program to close it, and the program's own close handling runs.
close_window() {
    wmctrl -i -c "$1"
}

# Pixel sizes of the client area of window $1 into $width and $height.
client_size() {
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    width=$WIDTH height=$HEIGHT
}

click() { # click WINDOW X Y: a left click at client pixel (X, Y)
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# The centre of day cell k (1 ... 35) of the month view in window $1. The
# grid stretches over the whole width and over the height below the title and
# heading rows (34 pixels); the centre keeps clear of the day-number button
# in the cell's upper right corner and of a few pixels of window frame.
click_cell() {
    local k=$2 row col
    row=$(( (k - 1) / 7 )) col=$(( (k - 1) % 7 ))
    client_size "$1"
    click "$1" $(( (2 * col + 1) * width / 14 )) $(( 34 + (2 * row + 1) * (height - 34) / 10 ))
}

# Cell index of a date: the grid starts on the Sunday column with the 1st in
# the column of its weekday; days beyond cell 35 fold into cells 1 and 2.
cell_of() { # cell_of YYYY-MM-DD
    local first weekday day index
    first=$(date -d "$(date -d "$1" +%Y-%m-01)" +%w)   # 0 = Sunday
    day=$(date -d "$1" +%-d)
    index=$((first + day))
    [ "$index" -gt 35 ] && index=$((index - 35))
    echo "$index"
}

# One date for the whole run; a run that crosses midnight is not worth the
# complication.
today=$(date +%Y-%m-%d)
next_first=$(date -d "$(date +%Y-%m-01) +1 month" +%Y-%m-%d)

# --- The month view --------------------------------------------------------
work=$tmp/work
mkdir -p "$work/data" "$work/temp"
: > "$work/ft.txt"
start_program "$work" "$program"

greeting=$(wait_window '^Kalivo$')
check "first start greets the user" [ -n "$greeting" ]
if [ -n "$greeting" ]; then
    xdotool windowactivate --sync "$greeting" key Return
fi
main=$(wait_window '^Kalivo 1\.0$')
check "the window Kalivo 1.0 appears" [ -n "$main" ]
check "the greeting's marker is deleted" [ ! -e "$work/ft.txt" ]

if [ -n "$main" ]; then
    xdotool windowactivate --sync "$main"
    sleep 0.5
    click_cell "$main" "$(cell_of "$today")"
    xdotool type --delay 20 "Dentist at 9:30"
    xdotool key Return
    xdotool type --delay 20 "bring the card"
    # Ctrl+P prints, and the typing goes on in the note: no space presses
    # "Print" again.
    xdotool key ctrl+p
    xdotool type --delay 20 " today"
    sleep 0.5
    check "Ctrl+P while typing makes one page" [ "$(wc -l < "$tmp/viewer.log")" -eq 1 ]

    # "Next Month >" starts where the centred month title (129 pixels wide)
    # ends and is 81 pixels wide; the top bar is 17 pixels high.
    client_size "$main"
    click "$main" $((width / 2 + 64 + 40)) 8
    sleep 0.5
    click_cell "$main" "$(cell_of "$next_first")"
    xdotool type --delay 20 "Rent"
    # A key while typing: Alt+Home saves this note and goes back to the end
    # of today's.
    xdotool key alt+Home
    sleep 0.3
    xdotool type --delay 20 " at 9"
    sleep 0.3
    # Still in the note box: only the window's close handling saves it.
    close_window "$main"
    wait_program 15
    check "closing the window ends the program with status 0 (ended: $status)" [ "$status" = 0 ]
fi

note_is() { # note_is DATE BYTES: the note file of DATE holds exactly BYTES
    local file=$work/data/$1.txt
    printf '%b' "$2" > "$tmp/expected"
    cmp -s "$tmp/expected" "$file" || {
        echo "data/$1.txt: expected"; od -c "$tmp/expected"
        echo "got"; od -c "$file" 2>/dev/null || echo "(no file)"
        return 1
    }
}
check "today's note saved when the window closed, lines split by CR LF" \
    note_is "$today" 'Dentist at 9:30\r\nbring the card today at 9'
check "the next month's note saved when Alt+Home left it" note_is "$next_first" 'Rent'
check "no other note written" [ "$(ls "$work/data" | wc -l)" -eq 2 ]

# --- The reminder ----------------------------------------------------------
# Today's note is there now. The title names today in English.
title="^$(date -d "$today" +%-d-%B-%Y) $(date -d "$today" +%A)\$"

start_program "$work" "$program" remind
reminder=$(wait_window "$title")
check "remind shows the reminder window titled with today" [ -n "$reminder" ]
check "remind does not show the month view" [ -z "$(xdotool search --onlyvisible --name '^Kalivo 1\.0$')" ]
if [ -n "$reminder" ]; then
    close_window "$reminder"
    wait_program 15
    check "closing the reminder ends the program with status 0 (ended: $status)" [ "$status" = 0 ]
fi

# "Bring up the Kalivo" goes on to the month view.
start_program "$work" "$program" remind
reminder=$(wait_window "$title")
if [ -n "$reminder" ]; then
    xdotool windowactivate --sync "$reminder"
    click "$reminder" 272 316
    main=$(wait_window '^Kalivo 1\.0$')
    check "Bring up the Kalivo shows the month view" [ -n "$main" ]
    [ -n "$main" ] && close_window "$main"
    wait_program 15
    check "closing that month view ends the program with status 0 (ended: $status)" [ "$status" = 0 ]
else
    wait_program 1
fi

# Without a note for today's date the reminder ends at once, showing nothing.
empty=$tmp/empty
mkdir -p "$empty/data" "$empty/temp"
start_program "$empty" "$program" remind
wait_program 15
check "remind with nothing to recall ends with status 0 (ended: $status)" [ "$status" = 0 ]

check "notes unchanged by the reminder" note_is "$today" 'Dentist at 9:30\r\nbring the card today at 9'

# --- One month view per working folder ------------------------------------
# The month view of $work, and one of another folder in front of it.
other=$tmp/other
mkdir -p "$other/data" "$other/temp"

visible_month_views() {
    xdotool search --onlyvisible --name '^Kalivo 1\.0$' 2>/dev/null | wc -l
}

# run_second FOLDER COMMAND...: runs the command in FOLDER to its end, at
# most 10 seconds; its exit status goes into $second_status.
run_second() {
    local folder=$1
    shift
    (cd "$folder" && exec timeout 10 "$@") >> "$tmp/second.log" 2>&1
    second_status=$?
}

start_program "$work" "$program"
main=$(wait_window '^Kalivo 1\.0$')
check "the month view of the folder appears" [ -n "$main" ]
(cd "$other" && exec "$program") > "$tmp/other.log" 2>&1 &
other_pid=$!
sleep 1
check "another folder opens a month view of its own" [ "$(visible_month_views)" -eq 2 ]
if [ -n "$main" ]; then
    xdotool windowminimize --sync "$main"
    run_second "$work" "$program"
    check "a second start in the folder ends with status 0 (ended: $second_status)" [ "$second_status" = 0 ]
    sleep 0.5
    check "the second start opens no window" [ "$(visible_month_views)" -eq 2 ]
    check "the folder's month view is active again" [ "$(xdotool getactivewindow)" = "$main" ]
    check "the folder's month view is no longer minimised" \
        sh -c "! xprop -id $main _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN"

    # The login reminder beside the running month view, which shows
    # another month: its button brings that month view up on today's month,
    # with the typing in today's note, and ends the reminder's program.
    xdotool windowactivate --sync "$main"
    client_size "$main"
    click "$main" $((width / 2 + 64 + 40)) 8
    xdotool windowminimize --sync "$main"
    (cd "$work" && exec "$program" remind) > "$tmp/remind.log" 2>&1 &
    remind_pid=$!
    reminder=$(wait_window "$title")
    check "remind beside the running month view shows the reminder" [ -n "$reminder" ]
    if [ -n "$reminder" ]; then
        xdotool windowactivate --sync "$reminder"
        click "$reminder" 272 316
    fi
    remind_status=running
    for _ in $(seq 100); do
        kill -0 "$remind_pid" 2>/dev/null || { wait "$remind_pid"; remind_status=$?; break; }
        sleep 0.1
    done
    [ "$remind_status" = running ] && kill "$remind_pid"
    check "Bring up the Kalivo ends the reminder's program with status 0 (ended: $remind_status)" \
        [ "$remind_status" = 0 ]
    sleep 0.5
    check "Bring up the Kalivo brings up the running month view" [ "$(xdotool getactivewindow)" = "$main" ]
    check "and opens no second one" [ "$(visible_month_views)" -eq 2 ]

    # --- SIGTERM, as at logout: the note being typed is saved, the pages go.
    echo page > "$work/temp/report-ABC.htm"
    xdotool type --delay 20 " at 10"
    sleep 0.3
    kill -TERM "$program_pid"
    wait_program 15
    check "SIGTERM ends the program with status 0 (ended: $status)" [ "$status" = 0 ]
    check "SIGTERM saves the note being typed" note_is "$today" 'Dentist at 9:30\r\nbring the card today at 9 at 10'
    check "SIGTERM deletes the report pages" [ ! -e "$work/temp/report-ABC.htm" ]
fi
kill -TERM "$other_pid" 2>/dev/null
other_status=0
wait "$other_pid" || other_status=$?
check "SIGTERM ends the other folder's program with status 0 (ended: $other_status)" [ "$other_status" = 0 ]
check "both folders are free for the next start" [ -z "$(find "$runtime" -type s)" ]

# A month view started while the reminder holds the folder takes the
# reminder's place.
start_program "$work" "$program" remind
reminder=$(wait_window "$title")
check "remind alone shows the reminder" [ -n "$reminder" ]
if [ -n "$reminder" ]; then
    run_second "$work" "$program"
    check "a start beside the reminder ends with status 0 (ended: $second_status)" [ "$second_status" = 0 ]
    main=$(wait_window '^Kalivo 1\.0$')
    check "the reminder's month view comes up" [ -n "$main" ]
    check "in place of the reminder" [ -z "$(xdotool search --onlyvisible --name "$title")" ]
    [ -n "$main" ] && close_window "$main"
fi
wait_program 15
check "closing it ends the program with status 0 (ended: $status)" [ "$status" = 0 ]

if [ "$failures" -ne 0 ] && [ -s "$tmp/program.log" ]; then
    echo "program's last output:"
    cat "$tmp/program.log"
fi
summary
