#!/usr/bin/env bash
# Builds Kalivo when needed and starts it in the per-user working folder.
# ./run.sh remind   starts it as the day's reminder.
set -euo pipefail
kalivo_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$kalivo_source_dir/packaging/build-env.sh"

kalivo_ensure_packages $kalivo_packages_build
kalivo_configure "$kalivo_source_dir/build"
cmake --build "$kalivo_source_dir/build" --target kalivo -j "$(kalivo_jobs)" >/dev/null

# The launcher that the build puts beside the program, as the installed one.
exec "$kalivo_source_dir/build/packaging/kalivo" "$@"
