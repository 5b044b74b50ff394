#!/usr/bin/env bash
# Builds Kalivo with its tests and runs the whole suite.
set -euo pipefail
kalivo_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$kalivo_source_dir/packaging/build-env.sh"

kalivo_ensure_packages $kalivo_packages_build $kalivo_packages_test
kalivo_configure "$kalivo_source_dir/build"
cmake --build "$kalivo_source_dir/build" -j "$(kalivo_jobs)"
cd "$kalivo_source_dir/build"
ctest --output-on-failure --timeout 300 -j "$(kalivo_jobs)" "$@"
