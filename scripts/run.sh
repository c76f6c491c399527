#!/usr/bin/env bash
# Installs what is missing, builds, and starts Strokewise on the built-in
# simulated K90 positioner. Extra arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "$#" -eq 0 ]; then
  set -- /dSim/K90/PV-101
fi
exec "$root/build/bin/strokewise" "$@"
