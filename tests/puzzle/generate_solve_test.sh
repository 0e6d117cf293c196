#!/usr/bin/env bash
# generate_solve_test.sh: pellix-puzzle generate, piped into pellix-puzzle solve, for every
# layout and difficulty over seeds 1 to N (default 200): every puzzle must have exactly one
# solution. Usage: generate_solve_test.sh path/to/pellix-puzzle [N]
set -euo pipefail
tool="$1"
seeds="${2:-200}"

for layout in classic random chaos; do
  for difficulty in easy normal hard; do
    counts=$(for ((seed = 1; seed <= seeds; ++seed)); do
               "$tool" generate --layout "$layout" --difficulty "$difficulty" --seed "$seed"
             done | "$tool" solve | cut -d' ' -f1 | sort | uniq -c | tr -s ' ')
    if [[ "$counts" != " $seeds 1" ]]; then
      echo "$layout $difficulty: solution counts (how many, count) were: $counts" >&2
      exit 1
    fi
  done
done

# Bad input is refused with the line and the fault, and status 2.
set +e
error=$(printf '%s\n' "$("$tool" generate --layout classic --difficulty easy)" "123" |
        "$tool" solve 2>&1 >/dev/null)
status=$?
set -e
if [[ $status -ne 2 || "$error" != "pellix-puzzle: line 2: expected 2 or 3 fields"* ]]; then
  echo "bad line: status $status, message '$error'" >&2
  exit 1
fi
echo "ok"
