#!/usr/bin/env bash
# measure-before-after.sh: scripts/measure-scaled.sh for an earlier commit and for this tree, one
# after the other on the same machine, printed side by side: what a change did to the processor
# use at each size. The earlier commit is built in a worktree of its own under the build folder.
# Usage: scripts/measure-before-after.sh <earlier commit> [seconds per stretch] [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
commit=${1:?usage: measure-before-after.sh <earlier commit> [seconds] [build folder]}
seconds=${2:-10}
build=${3:-build}
before=$build/before-$(git rev-parse --short "$commit")
if [ ! -x "$before/build/pellix" ]; then
  rm -rf "$before"
  git worktree prune
  git worktree add --detach "$before" "$commit" >/dev/null
  make -C "$before" build >/dev/null
fi
measure() { bash scripts/measure-scaled.sh "$seconds" "$1" "$2" | grep '% of one core' | sed 's/ % of one core//'; }
measure "$before/build" "$build/measure-before" >"$build/measure-before.txt"
measure "$build" "$build/measure-after" >"$build/measure-after.txt"
printf '%-44s %8s %8s\n' "percent of one core" before after
paste -d '|' "$build/measure-before.txt" "$build/measure-after.txt" | while IFS='|' read -r was now; do
  printf '%-44s %8s %8s\n' "${was%: *}" "${was##*: }" "${now##*: }"
done
