# Shared by run.sh, test.sh and bench.sh: installs what the build needs when
# it is missing and configures build/. Sourced, not run; its callers run under
# `set -e`, so every command here that may fail on a new machine is tested.

# Qt's Linguist tools make the translations; Qt's own translations, which
# the program loads beside its own for the buttons of its message boxes, are
# here so that ./run.sh shows the windows as an installed Kalivo does.
kalivo_packages_build="cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libfontconfig-dev fonts-liberation2"
# The end-to-end tests drive the program in a real X server and in weston,
# a Wayland compositor, on Qt's Wayland platform, and walk its tree as a
# screen reader's client does, on a session bus with the accessibility bus;
# the packaging tests validate the desktop files and the manual page and
# build the .deb.
kalivo_packages_test="libbenchmark-dev xvfb openbox xdotool wmctrl x11-utils imagemagick faketime weston qt6-wayland dbus at-spi2-core python3-pyatspi desktop-file-utils appstream groff-base dpkg-dev file"

# kalivo_fail WHAT TODO: one line on stderr, then a failing status.
kalivo_fail() {
    echo "kalivo set-up: $1; $2" >&2
    return 1
}

kalivo_ensure_packages() {
    local missing=() pkg status
    for pkg in "$@"; do
        # dpkg-query fails for a package dpkg has never seen: that is just
        # another missing package.
        status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null) || status=
        case "$status" in ii*) ;; *) missing+=("$pkg") ;; esac
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    command -v apt-get >/dev/null \
        || kalivo_fail "missing packages (${missing[*]}) and no apt-get" "install them by hand, then run this again" \
        || return 1
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null \
            || kalivo_fail "missing packages (${missing[*]}) and no sudo to install them" "run this as root once, or install them by hand" \
            || return 1
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq \
        || kalivo_fail "apt-get update failed (no network, or no permission)" "check the package sources and the network, then run this again" \
        || return 1
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
        || kalivo_fail "apt-get could not install ${missing[*]}" "see apt-get's message above; on a distribution other than Debian 12 or a current Ubuntu, install them by hand" \
        || return 1
}

# kalivo_configure BUILD_DIR [cmake options...]
kalivo_configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$kalivo_source_dir" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null \
            || kalivo_fail "cmake could not configure $dir" "see its message above" \
            || return 1
    fi
}

kalivo_jobs() {
    nproc 2>/dev/null || echo 2
}
