#!/usr/bin/env bash
# Sets up, builds with AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTOVRIN_SANITIZE=ON -DTOVRIN_BUILD_BENCH=OFF >/dev/null
cmake --build "$here/build-asan" -j2
cd "$here/build-asan"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
