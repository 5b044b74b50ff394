#!/bin/sh
# The launcher: which folder it prepares, what it puts there, and that the
# program starts in it with the arguments unchanged.
# Usage: tst_launcher.sh LAUNCHER_TEMPLATE
set -u

template=$1
. "$(dirname "$0")/testlib.sh"

# A stand-in for the program: records where it ran and what it was given,
# and deletes ft.txt as the real one does after greeting the user.
mkdir -p "$tmp/lib/kalivo" "$tmp/bin"
cat > "$tmp/lib/kalivo/kalivo" <<'STUB'
#!/bin/sh
log=$(dirname "$0")/log
pwd > "$log"
if [ -e ft.txt ]; then echo "ft.txt present" >> "$log"; rm ft.txt; fi
for arg in "$@"; do printf '[%s]\n' "$arg" >> "$log"; done
exit 7
STUB
chmod +x "$tmp/lib/kalivo/kalivo"
sed 's|@KALIVO_PROGRAM_FROM_LAUNCHER@|../lib/kalivo/kalivo|' "$template" > "$tmp/bin/kalivo"
chmod +x "$tmp/bin/kalivo"
log=$tmp/lib/kalivo/log

run() { # run HOME XDG_DATA_HOME ARGS...: the launcher's exit status in $status
    run_home=$1 run_data=$2
    shift 2
    rm -f "$log"
    if [ -n "$run_data" ]; then
        env -i PATH="$PATH" HOME="$run_home" XDG_DATA_HOME="$run_data" "$tmp/bin/kalivo" "$@" 2>"$tmp/stderr"
    else
        env -i PATH="$PATH" HOME="$run_home" "$tmp/bin/kalivo" "$@" 2>"$tmp/stderr"
    fi
    status=$?
}

expect_log() { # expect_log LINE...: the stand-in's record, line by line
    printf '%s\n' "$@" > "$tmp/expected"
    cmp -s "$tmp/expected" "$log" || {
        echo "expected:"; cat "$tmp/expected"; echo "got:"; cat "$log" 2>/dev/null
        return 1
    }
}

# First start: the folder is made with data/, temp/ and an empty ft.txt, the
# program runs inside it and its exit status comes back.
home=$tmp/home
run "$home" "" "two words" remind ""
folder=$home/.local/share/kalivo
check "first start: program's status passed on" [ "$status" -eq 7 ]
check "first start: ran in the folder, greeted, arguments unchanged" \
    expect_log "$folder" "ft.txt present" "[two words]" "[remind]" "[]"
check "first start: data/ made" [ -d "$folder/data" ]
check "first start: temp/ made" [ -d "$folder/temp" ]
for made in "$folder" "$folder/data" "$folder/temp"; do
    check "first start: ${made#$home/} is private" [ "$(stat -c %a "$made")" = 700 ]
done
check "first start: the folders above keep the usual mode" [ "$(stat -c %a "$home/.local")" = 755 ]

# Second start: the program deleted ft.txt; the launcher does not bring it back.
touch "$folder/data/2006-03-14.txt"
run "$home" ""
check "second start: no greeting" expect_log "$folder"
check "second start: notes left alone" [ -f "$folder/data/2006-03-14.txt" ]
check "second start: no new marker" [ ! -e "$folder/ft.txt" ]

# A folder that lost temp/ gets it back, without a greeting.
rmdir "$folder/temp"
run "$home" ""
check "lost temp/: made again" [ -d "$folder/temp" ]
check "lost temp/: no greeting" expect_log "$folder"

# An absolute XDG_DATA_HOME is used; a relative one is ignored.
run "$tmp/home2" "$tmp/xdg"
check "absolute XDG_DATA_HOME: used" expect_log "$tmp/xdg/kalivo" "ft.txt present"
check "absolute XDG_DATA_HOME: HOME untouched" [ ! -e "$tmp/home2/.local" ]
mkdir -p "$tmp/cwd" && cd "$tmp/cwd"
run "$tmp/home3" "relative"
check "relative XDG_DATA_HOME: ignored" expect_log "$tmp/home3/.local/share/kalivo" "ft.txt present"
check "relative XDG_DATA_HOME: nothing made here" [ ! -e "$tmp/cwd/relative" ]
cd "$tmp"

# Started through a link, as from another bin folder, it still finds the program.
mkdir -p "$tmp/elsewhere"
ln -s "$tmp/bin/kalivo" "$tmp/elsewhere/kalivo"
rm -f "$log"
env -i PATH="$PATH" HOME="$home" "$tmp/elsewhere/kalivo" x 2>"$tmp/stderr"
check "through a link: program found" expect_log "$folder" "[x]"

# Started through a relative path, from a relative PATH entry, or from a
# prefix with a space in its name, it finds the program after moving into
# the working folder. Each row: the folder to start in, the PATH, the command.
mkdir -p "$tmp/pre fix/bin" "$tmp/pre fix/lib/kalivo"
cp "$tmp/bin/kalivo" "$tmp/pre fix/bin/kalivo"
cp "$tmp/lib/kalivo/kalivo" "$tmp/pre fix/lib/kalivo/kalivo"
while IFS='|' read -r name start path command; do
    rm -f "$log" "$tmp/pre fix/lib/kalivo/log"
    (cd "$start" && env -i PATH="$path" HOME="$home" "$command" y 2>"$tmp/stderr")
    status=$?
    [ -e "$log" ] || cp "$tmp/pre fix/lib/kalivo/log" "$log" 2>/dev/null
    check "$name: program found and run in the folder" expect_log "$folder" "[y]"
    check "$name: program's status passed on" [ "$status" -eq 7 ]
done <<ROWS
./kalivo from its own folder|$tmp/bin|$PATH|./kalivo
bin/kalivo from the prefix|$tmp|$PATH|bin/kalivo
../bin/kalivo from a sibling|$tmp/lib|$PATH|../bin/kalivo
relative PATH entry|$tmp|bin:$PATH|kalivo
a prefix with a space|$tmp|$tmp/pre fix/bin:$PATH|kalivo
ROWS

# Where the folder cannot be made, the launcher stops with a message and the
# program does not run.
mkdir -p "$tmp/home4/.local/share"
: > "$tmp/home4/.local/share/kalivo"
run "$tmp/home4" ""
check "folder is a file: fails" [ "$status" -ne 0 ]
check "folder is a file: says why" [ -s "$tmp/stderr" ]
check "folder is a file: program not run" [ ! -e "$log" ]

rm -f "$log"
env -i PATH="$PATH" "$tmp/bin/kalivo" 2>"$tmp/stderr"
status=$?
check "no HOME: fails" [ "$status" -ne 0 ]
check "no HOME: says so" grep -q "HOME" "$tmp/stderr"
check "no HOME: program not run" [ ! -e "$log" ]

summary
