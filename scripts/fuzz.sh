#!/usr/bin/env bash
# Builds the fuzz targets with clang in a folder of their own and runs each for
# a fixed time over a copy of its seed corpus, under AddressSanitizer and
# UndefinedBehaviorSanitizer. Fails when a target does not build, or when one
# crashes, hangs or leaks; the input that did it is printed and kept.
#   scripts/fuzz.sh [seconds per target]     (default 20)
# New inputs go to the copy, never into fuzz/corpus/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-20}
bash "$root/scripts/install-deps.sh"

dir="$root/build-fuzz"
bash "$root/scripts/build.sh" "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DENABLE_FUZZING=ON -DSW_SANITIZE=ON

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

targets=()
for source in "$root"/fuzz/fuzz_*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
for t in "${targets[@]}"; do
  [ -x "$dir/bin/$t" ] || { echo "fuzz: $t was not built" >&2; exit 1; }
done

# One target a core: each run is single-threaded, and the runs are independent.
jobs=$(nproc)
for t in "${targets[@]}"; do
  mkdir -p "$work/$t/corpus" "$work/$t/found"
  if [ -d "$root/fuzz/corpus/$t" ]; then
    cp -R "$root/fuzz/corpus/$t/." "$work/$t/corpus/"
  fi
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  (
    set +e
    "$dir/bin/$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$work/$t/found/" "$work/$t/corpus" >"$work/$t/log" 2>&1
    echo $? >"$work/$t/rc"
  ) &
done
wait

failed=0
echo "fuzz: each target ran for ${seconds} s"
printf '%-24s %10s %8s %8s %s\n' target execs cov corpus result
for t in "${targets[@]}"; do
  rc=$(cat "$work/$t/rc")
  # A run that crashed on its seed corpus printed neither figure.
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$t/log" | tail -1)
  cov=$( (grep -o 'cov: [0-9]*' "$work/$t/log" || true) | tail -1 | cut -d' ' -f2)
  inputs=$(find "$work/$t/corpus" -type f | wc -l)
  result=ok
  if [ "$rc" -ne 0 ]; then
    result="FAILED (exit $rc)"
    failed=1
  fi
  printf '%-24s %10s %8s %8s %s\n' "$t" "${execs:-?}" "${cov:-?}" "$inputs" "$result"
done

keep="$dir/found"
rm -rf "$keep"
if [ "$failed" -ne 0 ]; then
  mkdir -p "$keep"
  for t in "${targets[@]}"; do
    [ "$(cat "$work/$t/rc")" -eq 0 ] && continue
    echo
    echo "== $t"
    tail -n 60 "$work/$t/log"
    for input in "$work/$t/found"/*; do
      [ -f "$input" ] || continue
      cp "$input" "$keep/"
      echo "-- $(basename "$input") ($(stat -c %s "$input") bytes), kept in $keep:"
      od -A d -t x1 "$input" | head -n 40
    done
  done
  exit 1
fi
