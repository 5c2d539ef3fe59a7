#!/usr/bin/env bash
# Fuzzes every target of fuzz/ for the given number of seconds each (default
# 600), in the clang build that tools/run-all-tests.sh uses, two at a time.
# New inputs are kept in build-fuzz/fuzz/corpus/, inputs that find a fault in
# build-fuzz/fuzz/artifacts/: copy those to fuzz/regressions/<target>/.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
seconds=${1:-600}

bash tools/install-dependencies.sh
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DMARROWICK_FUZZ=ON \
    -DMARROWICK_EXAMPLES=OFF -DMARROWICK_BENCHMARKS=OFF -DMARROWICK_FUZZ_SECONDS="$seconds"
cmake --build build-fuzz -j "${MARROWICK_JOBS:-2}" --target fuzz_evalhand fuzz_commands fuzz_options
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-fuzz -R '^fuzz_' -j "${MARROWICK_JOBS:-2}" --output-on-failure
bash tools/fuzz-summary.sh build-fuzz
