#!/bin/sh
# What `cmake --install` puts in place: every file where the desktop looks
# for it, nothing switched on for every user, and an installed program that
# finds its library.
# Usage: tst_install.sh BUILD_DIR
set -u

build=$1
. "$(dirname "$0")/testlib.sh"

root=$tmp/root
DESTDIR=$root cmake --install "$build" --prefix /usr > "$tmp/install.log" 2>&1 || {
    cat "$tmp/install.log"
    echo "FAIL: cmake --install"
    exit 1
}

usr=$root/usr
check "launcher on PATH" [ -x "$usr/bin/kalivo" ]
check "nothing else in bin" [ "$(ls "$usr/bin")" = kalivo ]
check "program" [ -x "$usr/lib/kalivo/kalivo" ]
check "library beside the program" [ -f "$usr/lib/kalivo/libkalivo-gui.so" ]
# The program needs the C library alone until it loads the windows' library:
# whatever else it needs is searched first for every symbol that library
# and Qt look up as they load.
check "program needs the C library alone" \
    [ "$(readelf -d "$usr/lib/kalivo/kalivo" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p' | grep -v '^ld-linux')" = libc.so.6 ]
check "desktop entry" [ -f "$usr/share/applications/org.kalivo.Kalivo.desktop" ]
check "metainfo" [ -f "$usr/share/metainfo/org.kalivo.Kalivo.metainfo.xml" ]
check "login reminder, for users to copy" [ -f "$usr/share/kalivo/kalivo-remind.desktop" ]
check "login reminder not on for everyone" [ ! -e "$root/etc" ]
check "scalable icon" [ -f "$usr/share/icons/hicolor/scalable/apps/kalivo.svg" ]
for size in 16 22 24 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/kalivo.png
    check "icon ${size}x$size" [ -f "$png" ]
    # A PNG's width and height stand at bytes 17-24, big-endian.
    check "icon ${size}x$size has that size" \
        [ "$(od -An --endian=big -tu4 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')" = " $size $size" ]
done
# The windows, the menu entries and the software centre in each language.
for language in de fr es it pt_BR pl ru ja zh_CN; do
    check "translation $language" [ -s "$usr/share/kalivo/translations/kalivo_$language.qm" ]
    for key in GenericName Comment; do
        check "menu entry's $key in $language" \
            grep -q "^$key\[$language\]=." "$usr/share/applications/org.kalivo.Kalivo.desktop"
    done
    check "reminder entry's name in $language" grep -q "^Name\[$language\]=." "$usr/share/kalivo/kalivo-remind.desktop"
    check "metainfo's summary in $language" grep -q "<summary xml:lang=\"$(echo $language | tr _ -)\">" \
        "$usr/share/metainfo/org.kalivo.Kalivo.metainfo.xml"
done
check "man page, compressed" sh -c "gzip -dc '$usr/share/man/man1/kalivo.1.gz' | grep -q '^\.TH KALIVO 1'"

# The entries start the launcher by name and use the installed icon's name.
entry=$usr/share/applications/org.kalivo.Kalivo.desktop
check "menu entry starts kalivo" grep -qx "Exec=kalivo" "$entry"
check "menu entry's icon is installed" grep -qx "Icon=kalivo" "$entry"
check "reminder entry starts kalivo remind" grep -qx "Exec=kalivo remind" "$usr/share/kalivo/kalivo-remind.desktop"
check "metainfo names the menu entry" \
    grep -q '<launchable type="desktop-id">org.kalivo.Kalivo.desktop</launchable>' \
    "$usr/share/metainfo/org.kalivo.Kalivo.metainfo.xml"

# The installed launcher starts the installed program, which must load its
# library from beside itself. A note for today makes the reminder open a
# window, so the windows' library is needed; the offscreen platform shows it
# nowhere and the program keeps running until it is stopped.
home=$tmp/home
folder=$home/.local/share/kalivo
mkdir -p "$folder/data" "$folder/temp"
printf 'A note for today' > "$folder/data/$(date +%Y-%m-%d).txt"
start_program "$tmp" env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen \
    "$usr/bin/kalivo" remind
wait_program 3
check "installed program loads its library (ended: $status)" \
    sh -c "[ '$status' = running ] || [ '$status' = 0 ]"
check "installed program says nothing of its own" sh -c "! grep '^kalivo:' '$tmp/program.log'"
[ -s "$tmp/program.log" ] && { echo "program's output:"; cat "$tmp/program.log"; }

summary
