#!/usr/bin/env bash
# fuzz.sh: runs one fuzz target built by `make fuzz` at the lowest priority, on its own corpus
# grown from the seeds, until the time or the number of executions runs out or it crashes.
#
#   scripts/fuzz.sh png|fnt|wav|profile|kept_game [seconds (default 600)] [executions (default unlimited)]
#
# New interesting inputs go to build-fuzz/corpus/<target>/; a crash, leak, sanitizer report or
# an input slower than 25 s is written to build-fuzz/artifacts/<target>/ and stops the run.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh png|fnt|wav|profile|kept_game [seconds] [executions]}
seconds=${2:-600}
runs=${3:--1}
build=${FUZZ_BUILD:-build-fuzz}
binary=$build/fuzz/fuzz_$target
[[ -x $binary ]] || { echo "fuzz.sh: $binary is missing; run make fuzz first" >&2; exit 2; }
mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
exec nice -n 19 "$binary" -max_total_time="$seconds" -runs="$runs" -timeout=25 \
  -print_final_stats=1 -artifact_prefix="$build/artifacts/$target/" \
  "$build/corpus/$target" "$build/seeds/$target"
