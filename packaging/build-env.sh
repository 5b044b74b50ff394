# Shared by run.sh, test.sh and bench.sh: installs what the build needs when
# it is missing and configures build/. Sourced, not run.

kalivo_packages_build="cmake make g++ qt6-base-dev fonts-liberation2"
# The end-to-end tests drive the program in a real X server; the packaging
# tests validate the desktop files and the manual page and build the .deb.
kalivo_packages_test="libbenchmark-dev xvfb openbox xdotool wmctrl x11-utils imagemagick faketime desktop-file-utils appstream groff-base dpkg-dev file"

kalivo_ensure_packages() {
    local missing=() pkg status
    for pkg in "$@"; do
        status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$pkg" 2>/dev/null)
        case "$status" in ii*) ;; *) missing+=("$pkg") ;; esac
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq || return 1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || return 1
}

# kalivo_configure BUILD_DIR [cmake options...]
kalivo_configure() {
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$kalivo_source_dir" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null || return 1
    fi
}

kalivo_jobs() {
    nproc 2>/dev/null || echo 2
}
