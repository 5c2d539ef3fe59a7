#!/usr/bin/env bash
# Builds Marrowick and runs every test: in a normal build, in a build where
# char is unsigned (as on 64-bit ARM and PowerPC), in a build with
# AddressSanitizer (leak check on) and UndefinedBehaviorSanitizer, then, when
# clang is there, in a clang build with both sanitizers that also runs each
# fuzz target of fuzz/ for a few seconds (the examples are left out there, to
# keep the time down).
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/install-dependencies.sh

jobs=${MARROWICK_JOBS:-2}

run_suite() {
    local build_dir=$1
    shift
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" -j "$jobs"
    ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
}

echo "== Normal build =="
run_suite build

echo "== Build with unsigned char =="
run_suite build-unsigned-char -DCMAKE_CXX_FLAGS=-funsigned-char

echo "== Sanitizer build (ASan + UBSan) =="
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-sanitize -DMARROWICK_SANITIZE=ON

if command -v clang++ >/dev/null; then
    echo "== Clang sanitizer build with the fuzz targets (ASan + UBSan, libFuzzer) =="
    # The seconds are set again: a longer run by tools/run-fuzz.sh leaves its own in the cache.
    run_suite build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMARROWICK_FUZZ=ON -DMARROWICK_FUZZ_SECONDS=8 \
        -DMARROWICK_EXAMPLES=OFF -DMARROWICK_BENCHMARKS=OFF
else
    echo "== No clang++: the fuzz targets are replayed by the builds above, not fuzzed =="
fi
