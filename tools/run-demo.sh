#!/usr/bin/env bash
# The quickest look at Marrowick: installs any missing Debian packages, builds
# the library and the examples in `build`, then runs marrowick-showdown.
# Arguments go to marrowick-showdown, for example:
#     bash tools/run-demo.sh -deals 100000
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/install-dependencies.sh

jobs=${MARROWICK_JOBS:-2}
echo "== Building the library and marrowick-showdown =="
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARROWICK_EXAMPLES=ON >/dev/null
cmake --build build -j "$jobs" --target marrowick-showdown

echo "== build/examples/showdown/marrowick-showdown $* =="
exec build/examples/showdown/marrowick-showdown "$@"
