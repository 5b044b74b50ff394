#!/bin/bash
# The built program in a real X server with a window manager, driven as a
# person would: the first-start greeting, a note typed into today's cell, a
# click on "Next Month >", a note typed into the next month, Ctrl+Home back
# to today's note, the window closed through the window manager; then the
# reminder for today's note.
# Usage: tst_xserver.sh PROGRAM
set -u

program=$(readlink -f "$1")
[ -x "$program" ] || { echo "FAIL: no program at $1"; exit 1; }
. "$(dirname "$0")/testlib.sh"
require_tools "./test.sh installs xvfb, openbox, xdotool, wmctrl, x11-utils" \
    Xvfb openbox xdotool wmctrl xprop

start_x_session 1280x1024 || { cat "$tmp/xvfb.log"; echo "FAIL: no X server started"; exit 1; }
echo "X server on $DISPLAY"

# The program as a person starts it: on the X server, English names.
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANG=C.UTF-8
unset XDG_DATA_HOME

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

    # "Next Month >" starts where the centred month title (129 pixels wide)
    # ends and is 81 pixels wide; the top bar is 17 pixels high.
    client_size "$main"
    click "$main" $((width / 2 + 64 + 40)) 8
    sleep 0.5
    click_cell "$main" "$(cell_of "$next_first")"
    xdotool type --delay 20 "Rent"
    # A key while typing: Ctrl+Home saves this note and goes back to the end
    # of today's.
    xdotool key ctrl+Home
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
    note_is "$today" 'Dentist at 9:30\r\nbring the card at 9'
check "the next month's note saved when Ctrl+Home left it" note_is "$next_first" 'Rent'
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

check "notes unchanged by the reminder" note_is "$today" 'Dentist at 9:30\r\nbring the card at 9'

if [ "$failures" -ne 0 ] && [ -s "$tmp/program.log" ]; then
    echo "program's last output:"
    cat "$tmp/program.log"
fi
summary
