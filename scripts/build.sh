#!/usr/bin/env bash
# build.sh <build-dir> [extra cmake options...]: configures and builds the tree.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Paths relative to the checkout, so a fresh clone elsewhere reuses the cache.
  export CCACHE_BASEDIR="$root"
  export CCACHE_NOHASHDIR=1
fi
cmake -S "$root" -B "$dir" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
