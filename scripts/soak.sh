#!/bin/bash
# soak.sh: builds the game and runs the soak for the given wall seconds (default an hour):
# random input across every screen, judged for crashes, hangs, memory growth after the first
# five minutes and the profile it leaves. Extra arguments go to pellix-soak (e.g. --seed 7).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-3600}"
shift || true
BUILD="${BUILD:-build}"
cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" -j "${JOBS:-2}" --target pellix-soak
exec "./$BUILD/pellix-soak" --seconds "$seconds" "$@"
