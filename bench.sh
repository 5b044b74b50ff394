#!/usr/bin/env bash
# Builds Kalivo's benchmark (Release, in build/) and prints its table: each
# hot path of the program beside its floor, measured in the same run. Exits
# non-zero when a case is over its budget. Arguments go to kalivo-bench
# (--quick for a first look with fewer repetitions).
set -euo pipefail
kalivo_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$kalivo_source_dir/packaging/build-env.sh"

kalivo_ensure_packages $kalivo_packages_build libbenchmark-dev xvfb
build=$kalivo_source_dir/build
kalivo_configure "$build"
# A build folder configured before libbenchmark-dev was installed has no
# benchmark target yet.
if grep -q '^benchmark_DIR:PATH=.*NOTFOUND' "$build/CMakeCache.txt"; then
    cmake "$build" >/dev/null
fi
cmake --build "$build" --target kalivo kalivo-bench kalivo-floor-window -j "$(kalivo_jobs)" >/dev/null

scratch=$(mktemp -d)
xvfb_pid= runtime=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$scratch" ${runtime:+"$runtime"}
    # The notes it wrote and removed reach the disk before it ends, not
    # during the next run.
    sync
}
trap cleanup EXIT
# Without a login session, the programs get a runtime folder of their own,
# in memory as a session's /run/user/<uid> is: the one-window guard makes its
# socket there at every start, and a folder on the disk would time the disk
# along with the programs.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime=$(mktemp -d /dev/shm/kalivo-bench.XXXXXX 2>/dev/null) || runtime=$scratch/runtime
    mkdir -p -m 700 "$runtime"
    export XDG_RUNTIME_DIR=$runtime
fi

# Without a session bus, a program's first call on the bus would have libdbus
# start one for the display through dbus-launch, at a cost that belongs to no
# program: where there is none, both programs find none at once.
export DBUS_SESSION_BUS_ADDRESS="${DBUS_SESSION_BUS_ADDRESS:-unix:path=$scratch/no-session-bus}"

# The start-up rows run both programs on an X server of their own, without a
# window manager, on the first free display from :17 on.
display=
for n in $(seq 17 99); do
    if [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; then
        continue
    fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 3>"$scratch/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$scratch/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    if [ -s "$scratch/display" ]; then
        display=:$(tr -d '\n' <"$scratch/display")
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done

"$build/bench/kalivo-bench" --display "$display" --program "$build/kalivo" \
    --floor-window "$build/bench/kalivo-floor-window" "$@"
