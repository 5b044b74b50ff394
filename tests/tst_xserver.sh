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

# Pixel sizes of window $1 with its frame into $width and $height, as the
# month view's layout pass takes them.
outer_size() {
    local left right top bottom
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    IFS=', ' read -r left right top bottom <<< "$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p')"
    width=$((WIDTH + ${left:-0} + ${right:-0})) height=$((HEIGHT + ${top:-0} + ${bottom:-0}))
}

# click WINDOW X Y: a left click at (X, Y) of the client area, in twips (15
# to a pixel), as the designs give places. The events reach the program in
# the order they are sent, so whatever follows is handled after the click.
click() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1
}

# The centre of day cell k (1 ... 35) of the month view in window $1, as its
# layout pass places the cells: across the outer width less 80, below the
# title and the headings (255 each) down to 420 above the outer bottom edge.
# The centre keeps clear of the day number in the cell's upper right corner.
click_cell() {
    local k=$2 row col cell_width cell_height
    row=$(( (k - 1) / 7 )) col=$(( (k - 1) % 7 ))
    outer_size "$1"
    cell_width=$(( (15 * width - 80) / 7 )) cell_height=$(( (15 * height - 255 - 255 - 420) / 5 ))
    click "$1" $(( col * cell_width + cell_width / 2 )) $(( 510 + row * cell_height + cell_height / 2 ))
}

# "Next Month >" (1215 x 255) begins where the centred title (1935 wide) ends.
click_next_month() {
    outer_size "$1"
    click "$1" $(( 15 * width / 2 + 1935 / 2 + 1215 / 2 )) $(( 255 / 2 ))
}

# "Bring up the Kalivo" of the reminder, a window of fixed size: 2520, 4560,
# 3135 x 375.
click_bring_up() {
    click "$1" $(( 2520 + 3135 / 2 )) $(( 4560 + 375 / 2 ))
}

is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

# note_has DATE BYTES: the note file of DATE holds exactly BYTES.
note_has() {
    printf '%b' "$2" > "$tmp/expected"
    cmp -s "$tmp/expected" "$work/data/$1.txt"
}

# note_is DATE BYTES: note_has, and what differs when not.
note_is() {
    note_has "$@" || {
        echo "data/$1.txt: expected"; od -c "$tmp/expected"
        echo "got"; od -c "$work/data/$1.txt" 2>/dev/null || echo "(no file)"
        return 1
    }
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
    click_cell "$main" "$(cell_of "$today")"
    xdotool type --delay 20 "Dentist at 9:30"
    xdotool key Return
    xdotool type --delay 20 "bring the card"
    # Ctrl+P prints, and the typing goes on in the note: no space presses
    # "Print" again.
    xdotool key ctrl+p
    xdotool type --delay 20 " today"
    check "Ctrl+P while typing opens the page" wait_for 10 [ -s "$tmp/viewer.log" ]
    wait_idle "$program_pid"
    check "and makes one page only" [ "$(wc -l < "$tmp/viewer.log")" -eq 1 ]

    click_next_month "$main"
    check "Next Month > saves the note being typed" wait_for 10 note_has "$today" 'Dentist at 9:30\r\nbring the card today'
    click_cell "$main" "$(cell_of "$next_first")"
    xdotool type --delay 20 "Rent"
    # A key while typing: Alt+Home saves this note and goes back to the end
    # of today's.
    xdotool key alt+Home
    check "Alt+Home saves the next month's note" wait_for 10 note_has "$next_first" 'Rent'
    xdotool type --delay 20 " at 9"
    # Still in the note box: only the window's close handling saves it.
    close_window "$main"
    wait_program 15
    check "closing the window ends the program with status 0 (ended: $status)" [ "$status" = 0 ]
fi

check "today's note saved when the window closed, lines split by CR LF" \
    note_is "$today" 'Dentist at 9:30\r\nbring the card today at 9'
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
    click_bring_up "$reminder"
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
month_views_are() { [ "$(visible_month_views)" -eq "$1" ]; }

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
check "another folder opens a month view of its own" wait_for 20 month_views_are 2
if [ -n "$main" ]; then
    xdotool windowminimize --sync "$main"
    run_second "$work" "$program"
    check "a second start in the folder ends with status 0 (ended: $second_status)" [ "$second_status" = 0 ]
    check "the folder's month view is active again" wait_for 10 is_active "$main"
    check "the second start opens no window" month_views_are 2
    check "the folder's month view is no longer minimised" \
        sh -c "! xprop -id $main _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN"

    # The login reminder beside the running month view, which shows
    # another month: its button brings that month view up on today's month,
    # with the typing in today's note, and ends the reminder's program.
    xdotool windowactivate --sync "$main"
    click_next_month "$main"
    xdotool windowminimize --sync "$main"
    (cd "$work" && exec "$program" remind) > "$tmp/remind.log" 2>&1 &
    remind_pid=$!
    reminder=$(wait_window "$title")
    check "remind beside the running month view shows the reminder" [ -n "$reminder" ]
    if [ -n "$reminder" ]; then
        xdotool windowactivate --sync "$reminder"
        click_bring_up "$reminder"
    fi
    remind_status=running
    for _ in $(seq 100); do
        kill -0 "$remind_pid" 2>/dev/null || { wait "$remind_pid"; remind_status=$?; break; }
        sleep 0.1
    done
    [ "$remind_status" = running ] && kill "$remind_pid"
    check "Bring up the Kalivo ends the reminder's program with status 0 (ended: $remind_status)" \
        [ "$remind_status" = 0 ]
    check "Bring up the Kalivo brings up the running month view" wait_for 10 is_active "$main"
    check "and opens no second one" month_views_are 2

    # --- SIGTERM, as at logout: the note being typed is saved, the pages go.
    echo page > "$work/temp/report-ABC.htm"
    xdotool type --delay 20 " at 10"
    # A signal is no X event and may overtake the keys: they are the
    # program's once it has handled them and rests.
    wait_idle "$program_pid"
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
