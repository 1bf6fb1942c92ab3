#!/bin/bash
# Builds the fuzz target (clang, ASan+UBSan, libFuzzer) and runs it for DURATION seconds on the
# seed corpus. Findings land in build-fuzz/artifacts/; the working corpus grows in
# build-fuzz/corpus/ and is reused by the next run.
#   fuzz/run-fuzz.sh DURATION [extra libFuzzer options...]
set -euo pipefail

if [[ $# -lt 1 || ! $1 =~ ^[0-9]+$ ]]; then
    echo "Usage: $0 DURATION_SECONDS [libFuzzer options...]" >&2
    exit 2
fi
duration=$1
shift

root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZYN_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DZYN_FUZZ=ON -DZYN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_load -j2

# Seeds: the shipped templates, the sample, the test documents and the hand-made markup cases.
seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds" "$build/corpus" "$build/artifacts"
cp "$root"/installation/targets/xml/*.xdp "$root"/samples/*.xdp "$root"/fuzz/seeds/* "$seeds"/
find "$root/tests/data" "$root/tests/scripts/data" -type f \( -name '*.xdp' -o -name '*.xml' \) \
    -size -64k -exec sh -c 'cp "$1" "$2/$(echo "$1" | md5sum | cut -c1-12)-$(basename "$1")"' \
    _ {} "$seeds" \;

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/tests/lsan.supp:print_suppressions=0}

exec "$build/fuzz/fuzz_load" -max_total_time="$duration" -max_len=65536 -timeout=20 \
    -rss_limit_mb=4096 -dict="$root/fuzz/zyn.dict" -artifact_prefix="$build/artifacts/" \
    -print_final_stats=1 "$@" "$build/corpus" "$seeds"
