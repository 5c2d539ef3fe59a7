#!/usr/bin/env bash
# Builds Marrowick and runs every test in each stage, one build directory per
# stage:
#   qt5         Qt 5 with GCC: the library, tests, examples and benchmarks
#   qt6         Qt 6 with GCC, char unsigned (as on 64-bit ARM and PowerPC):
#               the same
#   sidebyside  both builds installed into one prefix, a small host built
#               against each (after qt5 and qt6, whose builds it installs)
#   sanitize    Qt 5 with GCC under AddressSanitizer (leak check on) and
#               UndefinedBehaviorSanitizer, the benchmark's quick run included
#   fuzz        when clang is there: Qt 5, a clang build with both sanitizers
#               that runs the unit tests again and each fuzz target of fuzz/
#               for a few seconds (without the examples, to keep the time down)
# With stage names as arguments, runs only those: bash tools/run-all-tests.sh qt6
# A stage is a function stage_<name>; add one to the list in `stages` below.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/install-dependencies.sh

jobs=${MARROWICK_JOBS:-2}

# run_suite <build dir> <cmake options...>: configure, build, run every test.
run_suite() {
    local build_dir=$1
    shift
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$build_dir" -j "$jobs"
    ctest --test-dir "$build_dir" --output-on-failure -j "$jobs"
}

stage_qt5() {
    run_suite build-qt5 -DMARROWICK_QT_MAJOR_VERSION=5
}

stage_qt6() {
    run_suite build-qt6 -DMARROWICK_QT_MAJOR_VERSION=6 -DCMAKE_CXX_FLAGS=-funsigned-char
}

stage_sidebyside() {
    cmake -DQT5_BUILD="$top/build-qt5" -DQT6_BUILD="$top/build-qt6" -DWORK_DIR="$top/build-sidebyside" \
        -P tests/installedhost/sidebyside.cmake
}

sanitizer_options() {
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}

stage_sanitize() {
    sanitizer_options
    run_suite build-sanitize -DMARROWICK_QT_MAJOR_VERSION=5 -DMARROWICK_SANITIZE=ON
}

stage_fuzz() {
    if ! command -v clang++ >/dev/null; then
        echo "No clang++: the fuzz targets are replayed by the builds above, not fuzzed"
        return
    fi
    sanitizer_options
    # The seconds are set again: a longer run by tools/run-fuzz.sh leaves its own in the cache.
    run_suite build-fuzz -DMARROWICK_QT_MAJOR_VERSION=5 -DCMAKE_CXX_COMPILER=clang++ -DMARROWICK_FUZZ=ON \
        -DMARROWICK_FUZZ_SECONDS=8 -DMARROWICK_EXAMPLES=OFF -DMARROWICK_BENCHMARKS=OFF
    # For the record: each target's executions and coverage at the end of its time.
    bash tools/fuzz-summary.sh build-fuzz
}

stages=(qt5 qt6 sidebyside sanitize fuzz)
[ $# -eq 0 ] || stages=("$@")

summary=()
for stage in "${stages[@]}"; do
    if ! declare -F "stage_$stage" >/dev/null; then
        echo "Unknown stage: $stage" >&2
        exit 2
    fi
    echo "== Stage $stage =="
    started=$SECONDS
    "stage_$stage"
    summary+=("$stage: $((SECONDS - started)) s")
done

echo "== All stages passed =="
printf '  %s\n' "${summary[@]}"
