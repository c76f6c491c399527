#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"

dir="$root/build"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  options=(-DCMAKE_BUILD_TYPE=Debug -DSW_SANITIZE=ON -DSW_BUILD_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
bash "$root/scripts/build.sh" "$dir" "${options[@]}"
export QT_QPA_PLATFORM=offscreen
cd "$dir"
ctest --output-on-failure -j "$(nproc)" --timeout 600
