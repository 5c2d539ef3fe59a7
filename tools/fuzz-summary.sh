#!/usr/bin/env bash
# Prints each fuzz target's executions and coverage at the end of the last
# ctest run in the given build directory (default build-fuzz).
log=${1:-build-fuzz}/Testing/Temporary/LastTest.log
awk '/ Testing: /{name=$3} /DONE +cov/ && name ~ /^fuzz_/ {print name ": " $0}' "$log"
