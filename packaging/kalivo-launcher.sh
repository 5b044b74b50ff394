#!/bin/sh
# Starts Kalivo in the user's working folder, creating it on the first start
# with data/, temp/ and the ft.txt marker that makes the program greet the
# user once. All arguments go to the program.
set -e

program=kalivo
if [ "$1" = "--program" ]; then
    program=$2
    shift 2
fi

folder="${XDG_DATA_HOME:-$HOME/.local/share}/kalivo"
if [ ! -d "$folder" ]; then
    mkdir -p "$folder/data" "$folder/temp"
    : > "$folder/ft.txt"
fi
mkdir -p "$folder/data" "$folder/temp"
cd "$folder"
exec "$program" "$@"
