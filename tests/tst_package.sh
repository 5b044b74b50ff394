#!/bin/sh
# The Debian package: its control fields and its contents.
# Usage: tst_package.sh BUILD_DIR
set -u

build=$1
. "$(dirname "$0")/testlib.sh"
require_tools "packages dpkg-dev and file bring what cpack needs" cpack dpkg-deb dpkg-shlibdeps file

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" > "$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log"
    echo "FAIL: cpack"
    exit 1
}
deb=$(ls "$tmp"/kalivo_1.0_*.deb 2>/dev/null)
check "kalivo_1.0_<arch>.deb made" [ -f "$deb" ]
[ -f "$deb" ] || exit 1
if grep -qi "warning" "$tmp/cpack.log"; then
    fail "cpack warned:"
    cat "$tmp/cpack.log"
fi

field() { dpkg-deb -f "$deb" "$1"; }
has_depends() { field Depends | tr ',' '\n' | grep -q "^ *$1\( \|$\)"; }
check "package name" [ "$(field Package)" = kalivo ]
check "version 1.0" [ "$(field Version)" = 1.0 ]
check "maintainer with an address" sh -c "dpkg-deb -f '$deb' Maintainer | grep -q '^[^<]\+ <[^>]\+@[^>]\+>$'"
check "summary" [ -n "$(field Description | head -1)" ]
check "long description" [ "$(field Description | wc -l)" -ge 3 ]
for dependency in fonts-liberation2 libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
    check "depends on $dependency" has_depends "$dependency"
done
# Fonts for every script are recommended, never required.
has_recommends() { field Recommends | tr ',' '\n' | grep -q "^ *$1\( \|$\)"; }
# So are Qt's own translations, for the standard buttons.
for font in fonts-noto-cjk fonts-noto-color-emoji qt6-translations-l10n; do
    check "recommends $font" has_recommends "$font"
    check "does not depend on $font" sh -c "! dpkg-deb -f '$deb' Depends | tr ',' '\n' | grep -q '^ *$font\( \|\$\)'"
done

dpkg-deb -c "$deb" | awk '{ print $6 }' > "$tmp/contents"
for path in ./usr/bin/kalivo ./usr/lib/kalivo/kalivo ./usr/lib/kalivo/libkalivo-gui.so \
    ./usr/share/applications/org.kalivo.Kalivo.desktop \
    ./usr/share/metainfo/org.kalivo.Kalivo.metainfo.xml \
    ./usr/share/kalivo/kalivo-remind.desktop \
    ./usr/share/icons/hicolor/scalable/apps/kalivo.svg \
    ./usr/share/icons/hicolor/48x48/apps/kalivo.png \
    ./usr/share/man/man1/kalivo.1.gz \
    ./usr/share/kalivo/translations/kalivo_de.qm ./usr/share/kalivo/translations/kalivo_zh_CN.qm; do
    check "contains $path" grep -qx "$path" "$tmp/contents"
done
check "nothing under /etc" sh -c "! grep -q '^\./etc' '$tmp/contents'"
check "nothing outside /usr" sh -c "! grep -v '^\./\$\|^\./usr/' '$tmp/contents'"
# grep reads the whole listing: with -q it would stop early and dpkg-deb
# would complain of a broken pipe.
check "launcher executable" sh -c "dpkg-deb -c '$deb' | grep '^-rwxr-xr-x .* \./usr/bin/kalivo\$' >/dev/null"

summary
