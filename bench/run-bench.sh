#!/usr/bin/env bash
# Builds the benchmark with optimisation and runs it; arguments go to zynbench (for example:
# bench/run-bench.sh --sizes 1,10 --repeat 5). The output is also kept in build-bench/last-run.txt.
# Profile one phase with: valgrind --tool=callgrind --collect-atstart=no build-bench/bench/zynbench
#   --sizes 10 --repeat 1 --profile load (or bareopen, tree, firstpane, browse, type, save, ...).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZYN_BENCH_BUILD_DIR:-$root/build-bench}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZYN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zynbench >/dev/null
export QT_QPA_PLATFORM=offscreen
export CORVINDIR=${CORVINDIR:-$build/installation}
"$build/bench/zynbench" "$@" | tee "$build/last-run.txt"
